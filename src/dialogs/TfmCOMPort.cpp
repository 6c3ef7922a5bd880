#include "dialogs/TfmCOMPort.h"

#include "app/PromptSeam.h"
#include "dialogs/DialogFrame.h"
#include "download/QtSerialPorts.h"
#include "download/SerialDeviceInfo.h"
#include "io/DecimalInt32.h"
#include "list/CellSelection.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel *MakeLabel(QDialog &dialog, const char *objectName, const QString &caption, QPoint place)
{
    auto *label = new QLabel(caption, &dialog);
    label->setObjectName(QString::fromLatin1(objectName));
    label->move(place);
    return label;
}

} // namespace

TfmCOMPort::TfmCOMPort(PromptSeam &prompts, QWidget *parent) : QDialog(parent), prompts_(prompts)
{
    SetUpDialogFrame(*this, QStringLiteral("fmCOMPort"), tr("COM Port Setup"), QSize(249, 211));
    Label1 = MakeLabel(*this, "Label1", tr("COM Port :"), {22, 32});
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(tr("COM Port"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (int port = 1; port <= 10; ++port) {
        ComboBox1->addItem(QStringLiteral("COM%1").arg(port));
    }
    ComboBox1->setGeometry(88, 32, 105, 21);
    Label3 = MakeLabel(*this, "Label3", QString(), {22, 57});
    Label3->setAccessibleName(tr("Device"));
    Label2 = MakeLabel(*this, "Label2", tr("Line :"), {48, 80});
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(tr("Line"));
    Edit1->setGeometry(88, 80, 105, 21);
    Button1 = MakeDialogButton(*this, "Button1", tr("OK"), QRect(32, 136, 75, 25));
    Button2 = MakeDialogButton(*this, "Button2", tr("Cancel"), QRect(128, 136, 75, 25));
    // Every change of the text, the program's own included: the full download relies on "0" becoming "1".
    connect(Edit1, &QLineEdit::textChanged, this, &TfmCOMPort::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TfmCOMPort::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfmCOMPort::Button2Click);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TfmCOMPort::showChosenDevice);
    setFixedSize(249, 211);
}

void TfmCOMPort::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfmCOMPort::FormShow()
{
    // Devices come and go (a USB adapter plugged in): they are looked up afresh on every show, and the
    // window widens, never narrows, for the longest so that no port's text is cut.
    deviceTexts_ = deviceTexts();
    int widest = 0;
    for (const QString &text : std::as_const(deviceTexts_)) {
        widest = std::max(widest, Label3->fontMetrics().horizontalAdvance(text));
    }
    setFixedSize(std::max(249, Label3->x() + widest + Label3->x()), 211);
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setEditText(ComboBox1->itemText(0));
    showChosenDevice();
    // The height is taken with a text in place: a Chinese "not present" is drawn by a fallback face
    // whose lines are taller than the dialog font's.
    Label3->resize(widest, Label3->sizeHint().height());
    OKPressed = false;
}

QStringList TfmCOMPort::deviceTexts() const
{
    QStringList devices;
    for (int entry = 0; entry < ComboBox1->count(); ++entry) {
        devices.append(SerialDeviceName(entry + 1));
    }
    QStringList texts;
    for (const SerialDeviceInfo &info : DescribeSerialDevices(devices)) {
        // The system has no words for the built-in ports nor for a pseudo-terminal.
        texts.append(!info.present ? tr("%1 \u2014 not present").arg(info.device)
                                   : QStringLiteral("%1 \u2014 %2")
                                         .arg(info.device,
                                              info.description.isEmpty() ? tr("serial port") : info.description));
    }
    return texts;
}

void TfmCOMPort::showChosenDevice()
{
    const int entry = ComboBox1->findText(ComboBox1->currentText().trimmed(), Qt::MatchFixedString);
    Label3->setText(entry < 0 || entry >= deviceTexts_.size() ? QString() : deviceTexts_[entry]);
}

std::optional<int> TfmCOMPort::typedLine()
{
    const QString text = Edit1->text();
    const std::optional<int> value = ParseDecimalInt32(QStringView(text));
    if (!value) {
        prompts_.showMessage(NotAnIntegerMessage(text));
    }
    return value;
}

void TfmCOMPort::Edit1Change()
{
    const std::optional<int> value = typedLine();
    if (!value) {
        return;
    }
    // A list always has line 1, so the field never swings between "0" and "1".
    const int highest = std::max(LastLine, 1);
    if (*value > highest) {
        Edit1->setText(QString::number(highest));
    } else if (*value < 1) {
        Edit1->setText(QStringLiteral("1"));
    }
}

void TfmCOMPort::Button1Click()
{
    const std::optional<int> value = typedLine();
    if (!value) {
        return;
    }
    LineNumber = *value;
    if (LineNumber < 1 || LineNumber > LastLine) {
        return;
    }
    // A typed port must name one of the list's entries; any other text would open no port the operator chose.
    const int entry = ComboBox1->findText(ComboBox1->currentText().trimmed(), Qt::MatchFixedString);
    if (entry < 0) {
        prompts_.showMessage(
            tr("'%1' is not a port of the list: choose COM1 .. COM10.").arg(ComboBox1->currentText()));
        return;
    }
    PortNumber = entry + 1;
    OKPressed = true;
    accept();
}

void TfmCOMPort::Button2Click()
{
    OKPressed = false;
    reject();
}
