#include "dialogs/TfmNote.h"

#include "dialogs/DialogFrame.h"
#include "dialogs/DigitsOnlyField.h"

#include <QPushButton>

TfmNote::TfmNote(QWidget *parent) : QDialog(parent)
{
    SetUpDialogFrame(*this, QStringLiteral("fmNote"), tr("Note (Only Numeral)"), QSize(287, 112));
    Edit1 = new DigitsOnlyField(true, this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(tr("Download Board Number"));
    Edit1->setGeometry(18, 16, 249, 21);
    OKButton = MakeDialogButton(*this, "OKButton", tr("OK"), QRect(56, 52, 75, 25));
    CancelButton = MakeDialogButton(*this, "CancelButton", tr("Cancel"), QRect(152, 52, 75, 25));
    connect(OKButton, &QPushButton::clicked, this, &TfmNote::OKButtonClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &TfmNote::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TfmNote::CancelButtonClick);
    setFixedSize(Edit1->x() + Edit1->width() + 20, CancelButton->y() + CancelButton->height() + 35);
}

void TfmNote::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    OKPressed = false;
    Edit1->showAccepted(NoteText);
    Edit1->setFocus();
}

void TfmNote::OKButtonClick()
{
    OKPressed = true;
    NoteText = Edit1->text();
    accept();
}

void TfmNote::CancelButtonClick()
{
    NoteText.clear();
    OKPressed = false;
    reject();
}
