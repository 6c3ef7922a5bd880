#include "dialogs/TfmSecond.h"

#include "dialogs/DialogFrame.h"

TfmSecond::TfmSecond(QWidget *parent) : QDialog(parent)
{
    SetUpDialogFrame(*this, QStringLiteral("fmSecond"), QStringLiteral("Setup Delay Time"), QSize(235, 106));
}
