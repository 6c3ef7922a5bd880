#include "dialogs/DialogFrame.h"

#include <QDialog>

void SetUpDialogFrame(QDialog &dialog, const QString &objectName, const QString &caption, QSize designSize)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setAccessibleName(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.resize(designSize);
}
