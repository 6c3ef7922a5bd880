#include "app/TextEditPage.h"

#include "app/NamedControl.h"
#include "text/FontFileTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int maxTextLength = 10;

QComboBox *EditableSelector(const char *name, QWidget *parent)
{
    auto *selector = NamedControl<QComboBox>(name, QString::fromLatin1(name), parent);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    return selector;
}

} // namespace

void RebuildSelector(QComboBox &selector, const QStringList &entries)
{
    const QSignalBlocker quiet(selector);
    selector.clear();
    selector.addItems(entries);
    selector.setCurrentIndex(0);
}

TextEditPage::TextEditPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    editTextUp = NamedControl<QLineEdit>("editTextUp", tr("Text"), this);
    editTextUp->setMaxLength(maxTextLength);
    QFont boxFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    boxFont.setBold(true);
    editTextUp->setFont(boxFont);
    btnTextUp = NamedControl<QPushButton>("btnTextUp", tr("Text Upload"), this, tr("Text Upload"));

    Button2 = NamedControl<QPushButton>("Button2", tr("字型設定"), this, tr("字型設定"));
    Button2->hide();

    auto *layout = new QGridLayout(this);
    layout->addWidget(editTextUp, 0, 0);
    layout->addWidget(btnTextUp, 0, 1);
    layout->addWidget(buildFontSetup(), 1, 0);
    layout->addWidget(buildFontType(), 1, 1);
    layout->setRowStretch(2, 1);
}

QGroupBox *TextEditPage::buildFontSetup()
{
    GroupBox1 = NamedControl<QGroupBox>("GroupBox1", tr("Font Setup"), this, tr("Font Setup"));
    RadioButton1 = NamedControl<QRadioButton>("RadioButton1", tr("Chinea"), GroupBox1, tr("Chinea"));
    ComboBox1 = EditableSelector("ComboBox1", GroupBox1);
    RadioButton2 = NamedControl<QRadioButton>("RadioButton2", tr("English"), GroupBox1, tr("English"));
    ComboBox2 = EditableSelector("ComboBox2", GroupBox1);
    RadioButton3 = NamedControl<QRadioButton>("RadioButton3", tr("Number"), GroupBox1, tr("Number"));
    ComboBox3 = EditableSelector("ComboBox3", GroupBox1);
    RadioButton4 = NamedControl<QRadioButton>("RadioButton4", tr("Other"), GroupBox1, tr("Other"));

    // The Chinese script is kept but not offered: its option and selector exist hidden.
    RadioButton1->hide();
    ComboBox1->hide();
    RadioButton2->setChecked(true);
    ComboBox3->setEnabled(false);
    RebuildSelector(*ComboBox2, EnglishSelectorEntries());

    auto *layout = new QGridLayout(GroupBox1);
    layout->addWidget(RadioButton1, 0, 0);
    layout->addWidget(ComboBox1, 0, 1);
    layout->addWidget(RadioButton2, 1, 0);
    layout->addWidget(ComboBox2, 1, 1);
    layout->addWidget(RadioButton3, 2, 0);
    layout->addWidget(ComboBox3, 2, 1);
    layout->addWidget(RadioButton4, 3, 0);
    return GroupBox1;
}

QGroupBox *TextEditPage::buildFontType()
{
    GroupBox2 = NamedControl<QGroupBox>("GroupBox2", tr("Font Type"), this, tr("Font Type"));
    CheckBox1 = NamedControl<QCheckBox>("CheckBox1", tr("Bold"), GroupBox2, tr("Bold"));
    CheckBox2 = NamedControl<QCheckBox>("CheckBox2", tr("Italic"), GroupBox2, tr("Italic"));
    CheckBox3 = NamedControl<QCheckBox>("CheckBox3", tr("Underline"), GroupBox2, tr("Underline"));
    auto *layout = new QVBoxLayout(GroupBox2);
    layout->addWidget(CheckBox1);
    layout->addWidget(CheckBox2);
    layout->addWidget(CheckBox3);
    layout->addWidget(Button2);
    return GroupBox2;
}
