#include "dialogs/TfmSecond.h"

#include "app/PromptSeam.h"
#include "dialogs/DialogFrame.h"
#include "dialogs/DigitsOnlyField.h"
#include "list/CellSelection.h"

#include <QLabel>
#include <QPushButton>

TfmSecond::TfmSecond(PromptSeam &prompts, QWidget *parent) : QDialog(parent), prompts_(prompts)
{
    SetUpDialogFrame(*this, QStringLiteral("fmSecond"), tr("Setup Delay Time"), QSize(235, 106));
    Edit1 = new DigitsOnlyField(false, this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(tr("Time"));
    Edit1->setGeometry(24, 12, 65, 21);
    Edit1->setText(QStringLiteral("3"));
    Label1 = new QLabel(tr("Sec"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(96, 14, 40, 17);
    OKButton = MakeDialogButton(*this, "OKButton", tr("OK"), QRect(24, 46, 75, 25));
    CancelButton = MakeDialogButton(*this, "CancelButton", tr("Cancel"), QRect(128, 46, 75, 25));
    connect(OKButton, &QPushButton::clicked, this, &TfmSecond::OKButtonClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &TfmSecond::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TfmSecond::CancelButtonClick);
    setFixedSize(CancelButton->x() + CancelButton->width() + OKButton->x() + 8,
                 CancelButton->y() + CancelButton->height() + 35);
}

void TfmSecond::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    OKPressed = false;
    Edit1->showAccepted(QString::number(Seconds));
    Edit1->setFocus();
}

void TfmSecond::OKButtonClick()
{
    if (Edit1->text().isEmpty()) {
        Edit1->setText(QStringLiteral("0"));
    }
    // A time the sign cannot take is refused here, with the dialog still open, so a time read from a
    // file is never changed by an OK that did not edit it.
    const std::optional<int> seconds = DelaySecondsOf(Edit1->text());
    if (!seconds) {
        prompts_.showMessage(DelayOutOfRangeMessage(Edit1->text()));
        return;
    }
    OKPressed = true;
    Seconds = *seconds;
    accept();
}

void TfmSecond::CancelButtonClick()
{
    OKPressed = false;
    reject();
}
