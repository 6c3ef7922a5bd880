// The main window's "Text Edit" page: text upload, the script options, the size selectors, the style
// boxes and the font dialogs. The rules live in the core (TextComposer, TextFontRules); these handlers
// read the controls, call them, and hand the composed picture to placing.
#include "app/TFmVelmora.h"

#include "app/PromptSeam.h"
#include "app/TextEditPage.h"
#include "text/TextComposer.h"
#include "text/TextFontRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace {

// Runs a handler whenever a mouse button goes down on an option, also when it is already selected.
// A left press selects the option at once and is not passed on, so a dialog the handler opens never
// leaves the button half pressed; keyboard selection still moves only the mark.
class MouseDownWatcher final : public QObject {
public:
    MouseDownWatcher(QRadioButton *option, std::function<void()> handler)
        : QObject(option), option_(option), handler_(std::move(handler))
    {
        option->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
            return QObject::eventFilter(watched, event);
        }
        const bool left = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        if (left) {
            option_->setFocus(Qt::MouseFocusReason);
            option_->setChecked(true);
        }
        handler_();
        return left;
    }

private:
    QRadioButton *option_ = nullptr;
    std::function<void()> handler_;
};

// A selector's handler runs for the operator's changes only: picking an entry or typing. Rebuilding
// the lists and selecting entries from the program run none.
void OnOperatorChange(QComboBox *selector, QObject *context, const std::function<void()> &handler)
{
    QObject::connect(selector, &QComboBox::activated, context, handler);
    QObject::connect(selector->lineEdit(), &QLineEdit::textEdited, context, handler);
}

void EnableSelectors(const TextEditPage &page, ScriptOption option)
{
    const SelectorEnables enables = SelectorsEnabledBy(option);
    page.ComboBox1->setEnabled(enables.chinese);
    page.ComboBox2->setEnabled(enables.english);
    page.ComboBox3->setEnabled(enables.number);
}

// "Chinea", "English" and "Number": enable the option's own selector, then set the option's face and
// character set with the size of the selector's entry.
void SelectScript(const TextEditPage &page, TextSettings &text, ScriptOption option,
                  const QComboBox &selector)
{
    EnableSelectors(page, option);
    ApplyScriptOption(text, option, selector.currentText());
}

// The font dialog preset with the text font; on OK the text font becomes the chosen one. The dialog
// lists installed faces only, so it is shown the face a substitute name ("SimSun") is drawn with;
// otherwise it would show, and on OK return, some other face.
bool ChooseTextFont(PromptSeam &prompts, TextSettings &text)
{
    QFont preset = text.TextFont;
    preset.setFamily(QFontInfo(text.TextFont).family());
    const std::optional<QFont> chosen = prompts.chooseFont(preset);
    if (chosen) {
        text.TextFont = *chosen;
    }
    return chosen.has_value();
}

void ApplyStyleBoxes(const TextEditPage &page, TextSettings &text)
{
    ApplyTextStyle(text.TextFont, page.CheckBox1->isChecked(), page.CheckBox2->isChecked(),
                   page.CheckBox3->isChecked());
}

} // namespace

void TFmVelmora::connectTextEdit()
{
    const TextEditPage &page = *TextEdit;
    connect(page.btnTextUp, &QPushButton::clicked, this, &TFmVelmora::btnTextUpClick);
    new MouseDownWatcher(page.RadioButton1, [this] { RadioButton1MouseDown(); });
    new MouseDownWatcher(page.RadioButton2, [this] { RadioButton2MouseDown(); });
    new MouseDownWatcher(page.RadioButton3, [this] { RadioButton3MouseDown(); });
    new MouseDownWatcher(page.RadioButton4, [this] { RadioButton4MouseDown(); });
    OnOperatorChange(page.ComboBox1, this, [this] { ComboBox1Change(); });
    OnOperatorChange(page.ComboBox2, this, [this] { ComboBox2Change(); });
    OnOperatorChange(page.ComboBox3, this, [this] { ComboBox3Change(); });
    connect(page.CheckBox1, &QCheckBox::clicked, this, &TFmVelmora::CheckBox1Click);
    connect(page.CheckBox2, &QCheckBox::clicked, this, &TFmVelmora::CheckBox2Click);
    connect(page.CheckBox3, &QCheckBox::clicked, this, &TFmVelmora::CheckBox3Click);
    connect(page.Button2, &QPushButton::clicked, this, &TFmVelmora::Button2Click);
}

void TFmVelmora::btnTextUpClick()
{
    const TextEditPage &page = *TextEdit;
    TextRequest request;
    request.text = page.editTextUp->text();
    request.chinese = {page.ComboBox1->isEnabled(), page.ComboBox1->currentText()};
    request.number = {page.ComboBox3->isEnabled(), page.ComboBox3->currentText()};
    request.workDir = model_.WorkDir;
    request.installedFontDir = installedFontDir_;
    request.widthDot = model_.WidthDot;
    request.heightDot = model_.HeightDot;
    request.font = model_.Text.TextFont;
    // Drawn at the screen's resolution, so that a point size gives the pixels the operator sees.
    request.dpi = logicalDpiY();
    enterPlacing([&request](DotPlane &floatDots) { ComposeText(request, floatDots); });
}

void TFmVelmora::RadioButton1MouseDown()
{
    SelectScript(*TextEdit, model_.Text, ScriptOption::Chinese, *TextEdit->ComboBox1);
}

void TFmVelmora::RadioButton2MouseDown()
{
    SelectScript(*TextEdit, model_.Text, ScriptOption::English, *TextEdit->ComboBox2);
}

void TFmVelmora::RadioButton3MouseDown()
{
    SelectScript(*TextEdit, model_.Text, ScriptOption::Number, *TextEdit->ComboBox3);
}

void TFmVelmora::RadioButton4MouseDown()
{
    EnableSelectors(*TextEdit, ScriptOption::Other);
    if (!ChooseTextFont(prompts_, model_.Text)) {
        return;
    }
    // The text box shows the chosen face and style at its own size.
    QFont boxFont = model_.Text.TextFont;
    boxFont.setPointSize(model_.Text.TextFontSize);
    TextEdit->editTextUp->setFont(boxFont);
    TextEdit->editTextUp->update();
}

void TFmVelmora::ComboBox1Change()
{
    ApplySelectorSize(model_.Text, ScriptOption::Chinese, TextEdit->ComboBox1->currentText());
}

void TFmVelmora::ComboBox2Change()
{
    ApplySelectorSize(model_.Text, ScriptOption::English, TextEdit->ComboBox2->currentText());
}

void TFmVelmora::ComboBox3Change()
{
    ApplySelectorSize(model_.Text, ScriptOption::Number, TextEdit->ComboBox3->currentText());
}

void TFmVelmora::CheckBox1Click()
{
    ApplyStyleBoxes(*TextEdit, model_.Text);
}

void TFmVelmora::CheckBox2Click()
{
    ApplyStyleBoxes(*TextEdit, model_.Text);
}

void TFmVelmora::CheckBox3Click()
{
    ApplyStyleBoxes(*TextEdit, model_.Text);
}

void TFmVelmora::Button2Click()
{
    ChooseTextFont(prompts_, model_.Text);
}
