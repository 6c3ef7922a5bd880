#include "dialogs/TfmCOMPort.h"

#include "dialogs/DialogFrame.h"

TfmCOMPort::TfmCOMPort(QWidget *parent) : QDialog(parent)
{
    SetUpDialogFrame(*this, QStringLiteral("fmCOMPort"), QStringLiteral("COM Port Setup"), QSize(249, 211));
}
