#include "dialogs/DialogFrame.h"

#include <QDialog>
#include <QPushButton>

void SetUpDialogFrame(QDialog &dialog, const QString &objectName, const QString &caption, QSize designSize)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setAccessibleName(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.resize(designSize);
}

QPushButton *MakeDialogButton(QDialog &dialog, const char *objectName, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, &dialog);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(place);
    return button;
}
