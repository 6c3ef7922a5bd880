#include "dialogs/DigitsOnlyField.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

qsizetype NonDigitCount(const QString &text)
{
    return std::count_if(text.cbegin(), text.cend(), [](QChar c) { return !c.isDigit(); });
}

} // namespace

DigitsOnlyField::DigitsOnlyField(bool acceptKeypadDigits, QWidget *parent)
    : QLineEdit(parent), acceptKeypadDigits_(acceptKeypadDigits)
{
    connect(this, &QLineEdit::textEdited, this, &DigitsOnlyField::refuseNonDigits);
}

void DigitsOnlyField::showAccepted(const QString &text)
{
    accepted_ = text;
    setText(text);
}

bool DigitsOnlyField::keepsTextAfter(const QKeyEvent &event) const
{
    if (event.key() == Qt::Key_Backspace) {
        return true;
    }
    const bool digitKey = event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9;
    const bool fromKeypad = event.modifiers().testFlag(Qt::KeypadModifier);
    return digitKey && (!fromKeypad || acceptKeypadDigits_);
}

void DigitsOnlyField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) {
        return;
    }
    if (keepsTextAfter(*event)) {
        accepted_ = text();
    } else if (text() != accepted_) {
        setText(accepted_);
    }
}

void DigitsOnlyField::refuseNonDigits(const QString &edited)
{
    // Letters already in the accepted text (a board number read from a file) may stay; only new ones
    // are refused.
    if (NonDigitCount(edited) > NonDigitCount(accepted_)) {
        setText(accepted_);
    }
}
