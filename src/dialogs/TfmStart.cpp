#include "dialogs/TfmStart.h"

#include "dialogs/DialogFrame.h"

TfmStart::TfmStart(QWidget *parent) : QDialog(parent)
{
    SetUpDialogFrame(*this, QStringLiteral("fmStart"), QStringLiteral("Setup"), QSize(232, 274));
}
