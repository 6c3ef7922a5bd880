#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QPushButton;
class QRect;

// Gives one of the editor's modal dialogs its object name, caption and design size, with a title bar
// that carries no buttons: the dialogs close only through their own OK and Cancel.
void SetUpDialogFrame(QDialog &dialog, const QString &objectName, const QString &caption, QSize designSize);

// A push button of a dialog at its design place. Enter in the dialog's field is handled by the field,
// so no button is a default button.
QPushButton *MakeDialogButton(QDialog &dialog, const char *objectName, const QString &caption, const QRect &place);
