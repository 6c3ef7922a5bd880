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
    editTextUp = NamedControl<QLineEdit>("editTextUp", QStringLiteral("Text"), this);
    editTextUp->setMaxLength(maxTextLength);
    QFont boxFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    boxFont.setBold(true);
    editTextUp->setFont(boxFont);
    btnTextUp = NamedControl<QPushButton>("btnTextUp", QStringLiteral("Text Upload"), this,
                                          QStringLiteral("Text Upload"));

    Button2 = NamedControl<QPushButton>("Button2", QStringLiteral("字型設定"), this, QStringLiteral("字型設定"));
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
    GroupBox1 = NamedControl<QGroupBox>("GroupBox1", QStringLiteral("Font Setup"), this,
                                        QStringLiteral("Font Setup"));
    RadioButton1 = NamedControl<QRadioButton>("RadioButton1", QStringLiteral("Chinea"), GroupBox1,
                                              QStringLiteral("Chinea"));
    ComboBox1 = EditableSelector("ComboBox1", GroupBox1);
    RadioButton2 = NamedControl<QRadioButton>("RadioButton2", QStringLiteral("English"), GroupBox1,
                                              QStringLiteral("English"));
    ComboBox2 = EditableSelector("ComboBox2", GroupBox1);
    RadioButton3 = NamedControl<QRadioButton>("RadioButton3", QStringLiteral("Number"), GroupBox1,
                                              QStringLiteral("Number"));
    ComboBox3 = EditableSelector("ComboBox3", GroupBox1);
    RadioButton4 = NamedControl<QRadioButton>("RadioButton4", QStringLiteral("Other"), GroupBox1,
                                              QStringLiteral("Other"));

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
    GroupBox2 = NamedControl<QGroupBox>("GroupBox2", QStringLiteral("Font Type"), this,
                                        QStringLiteral("Font Type"));
    CheckBox1 = NamedControl<QCheckBox>("CheckBox1", QStringLiteral("Bold"), GroupBox2, QStringLiteral("Bold"));
    CheckBox2 = NamedControl<QCheckBox>("CheckBox2", QStringLiteral("Italic"), GroupBox2,
                                        QStringLiteral("Italic"));
    CheckBox3 = NamedControl<QCheckBox>("CheckBox3", QStringLiteral("Underline"), GroupBox2,
                                        QStringLiteral("Underline"));
    auto *layout = new QVBoxLayout(GroupBox2);
    layout->addWidget(CheckBox1);
    layout->addWidget(CheckBox2);
    layout->addWidget(CheckBox3);
    layout->addWidget(Button2);
    return GroupBox2;
}
