#pragma once

#include <QSize>
#include <QString>

class QDialog;

// Gives one of the editor's modal dialogs its object name, caption and design size, with a title bar
// that carries no buttons: the dialogs close only through their own OK and Cancel.
void SetUpDialogFrame(QDialog &dialog, const QString &objectName, const QString &caption, QSize designSize);
