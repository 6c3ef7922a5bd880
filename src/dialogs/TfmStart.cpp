#include "dialogs/TfmStart.h"

#include "app/NamedControl.h"
#include "app/PromptSeam.h"
#include "dialogs/DialogFrame.h"
#include "io/DecimalInt32.h"
#include "list/CellSelection.h"
#include "model/LedColors.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <span>

namespace {

const std::array<const char *, 5> colorNames = {
    QT_TRANSLATE_NOOP("TfmStart", "Yellow"), QT_TRANSLATE_NOOP("TfmStart", "Red"),
    QT_TRANSLATE_NOOP("TfmStart", "Green"), QT_TRANSLATE_NOOP("TfmStart", "Blue"),
    QT_TRANSLATE_NOOP("TfmStart", "White")};
constexpr int defaultLedNumber = 8;

// A drop-down list whose field also takes typed text; what is typed is never added to the list.
QComboBox *EditableList(const char *name, const QString &caption, QWidget *parent, const QStringList &entries)
{
    auto *list = NamedControl<QComboBox>(name, caption, parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    list->lineEdit()->setAccessibleName(caption);
    return list;
}

QStringList NumbersUpTo(int last)
{
    QStringList numbers;
    for (int number = 1; number <= last; ++number) {
        numbers << QString::number(number);
    }
    return numbers;
}

} // namespace

TfmStart::TfmStart(PromptSeam &prompts, QWidget *parent) : QDialog(parent), prompts_(prompts)
{
    SetUpDialogFrame(*this, QStringLiteral("fmStart"), tr("Setup"), QSize(232, 274));
    Label1 = NamedControl<QLabel>("Label1", tr("LED Type"), this, tr("LED Type"));
    Label1->setGeometry(16, 14, 86, 17);
    ComboBox1 = EditableList("ComboBox1", tr("LED Type"), this, LedTypeCaptions());
    ComboBox1->setGeometry(104, 10, 113, 24);
    Label2 = NamedControl<QLabel>("Label2", tr("LED Number"), this, tr("LED Number"));
    Label2->setGeometry(16, 46, 86, 17);
    ComboBox2 = EditableList("ComboBox2", tr("LED Number"), this, NumbersUpTo(MaxLedNumber));
    ComboBox2->setGeometry(104, 42, 113, 24);
    buildColorGroup();
    OKButton = MakeDialogButton(*this, "OKButton", tr("OK"), QRect(24, 214, 75, 25));
    CancelButton = MakeDialogButton(*this, "CancelButton", tr("Cancel"), QRect(133, 214, 75, 25));
    connect(OKButton, &QPushButton::clicked, this, &TfmStart::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TfmStart::CancelButtonClick);
    // Typing and choosing both change the number; the program's own settings below do not.
    connect(ComboBox2, &QComboBox::textActivated, this, &TfmStart::ComboBox2Change);
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, &TfmStart::ComboBox2Change);
    ComboBox2->lineEdit()->installEventFilter(this);
    OKButton->installEventFilter(this);
    CancelButton->installEventFilter(this);
    setFixedSize(CancelButton->x() + CancelButton->width() + GroupBox1->x() + 8,
                 CancelButton->y() + CancelButton->height() + 35);

    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(defaultLedNumber - 1);
    listModules(defaultLedNumber);
    const auto colors = DefaultSetupColors();
    std::copy(colors.begin(), colors.end(), LedColor.begin());
}

void TfmStart::buildColorGroup()
{
    GroupBox1 = NamedControl<QGroupBox>("GroupBox1", tr("Color"), this, tr("Color"));
    GroupBox1->setGeometry(16, 76, 201, 128);
    ListBox1 = NamedControl<QListWidget>("ListBox1", tr("Modules"), GroupBox1);
    ListBox1->setGeometry(12, 22, 73, 96);
    connect(ListBox1, &QListWidget::itemClicked, this, &TfmStart::ListBox1Click);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TfmStart::ListBox1Click);
    for (std::size_t code = 0; code < ColorButtons.size(); ++code) {
        const QString caption = tr(colorNames[code]);
        const QByteArray name = "RadioButton" + QByteArray::number(static_cast<int>(code) + 1);
        auto *button = NamedControl<QRadioButton>(name.constData(), caption, GroupBox1, caption);
        button->setGeometry(104, 20 + 20 * static_cast<int>(code), 80, 18);
        connect(button, &QRadioButton::clicked, this,
                [this, code] { ColorButtonClick(static_cast<int>(code)); });
        ColorButtons[code] = button;
    }
}

void TfmStart::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    OKPressed = false;
}

bool TfmStart::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return QDialog::eventFilter(watched, event);
    }
    // Enter presses the focused button, as Space does; the dialog has no default button that Enter in
    // a field would press.
    if (watched == OKButton || watched == CancelButton) {
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
    // Enter changes no number: the combo box would report it as a choice from the list, and the change
    // would make every module yellow again.
    return watched == ComboBox2->lineEdit() || QDialog::eventFilter(watched, event);
}

void TfmStart::listModules(int count)
{
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    ListBox1->addItems(NumbersUpTo(count));
    ListBox1->setCurrentRow(-1);
}

void TfmStart::ComboBox2Change()
{
    listModules(0);
    const QString text = ComboBox2->currentText();
    const std::optional<int> number = ParseDecimalInt32(text);
    if (!number) {
        prompts_.showMessage(NotAnIntegerMessage(text));
        return;
    }
    // Only a number that can be accepted lists modules; the colour table has no place for more.
    if (*number < MinLedNumber || *number > MaxLedNumber) {
        return;
    }
    listModules(*number);
    std::fill_n(LedColor.begin(), *number, static_cast<int>(LedColorCode::Yellow));
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    ColorButtons[0]->setChecked(true);
}

void TfmStart::ListBox1Click()
{
    const int module = ListBox1->currentRow();
    if (module >= 0 && module < ListBox1->count()) {
        ColorButtons[static_cast<std::size_t>(LedColor[static_cast<std::size_t>(module)])]->setChecked(true);
    }
}

void TfmStart::ColorButtonClick(int code)
{
    // Right after creation no module is selected: the button then colours nothing.
    const int module = ListBox1->currentRow();
    if (module >= 0 && module < ListBox1->count() && ListBox1->item(module)->isSelected()) {
        LedColor[static_cast<std::size_t>(module)] = code;
    }
}

void TfmStart::OKButtonClick()
{
    const CheckedSignSetup checked =
        ParseSignSetup(ComboBox1->currentText(), ComboBox2->currentText(),
                       std::span<const int>(LedColor.data(), static_cast<std::size_t>(ListBox1->count())));
    if (!checked.setup) {
        prompts_.showMessage(checked.error);
        return;
    }
    Setup = checked.setup;
    OKPressed = true;
    accept();
}

void TfmStart::CancelButtonClick()
{
    OKPressed = false;
    reject();
}
