#pragma once

#include <QLineEdit>

// An entry field for numbers. When a key is released, the field keeps its text if the key was a digit
// (keypad digits only where allowed) or Backspace, and that text becomes the accepted one; after any
// other key the accepted text comes back. Text that arrives without a key (pasted from the menu, dropped)
// is refused as soon as it would bring in anything but digits.
class DigitsOnlyField : public QLineEdit {
    Q_OBJECT
public:
    DigitsOnlyField(bool acceptKeypadDigits, QWidget *parent = nullptr);

    // Shows `text` and makes it the accepted text.
    void showAccepted(const QString &text);
    const QString &acceptedText() const { return accepted_; }

protected:
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool keepsTextAfter(const QKeyEvent &event) const;
    void refuseNonDigits(const QString &edited);

    bool acceptKeypadDigits_;
    QString accepted_;
};
