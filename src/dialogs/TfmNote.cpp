#include "dialogs/TfmNote.h"

#include "dialogs/DialogFrame.h"

TfmNote::TfmNote(QWidget *parent) : QDialog(parent)
{
    SetUpDialogFrame(*this, QStringLiteral("fmNote"), QStringLiteral("Note (Only Numeral)"), QSize(287, 112));
}
