#pragma once

#include <QDialog>

class DigitsOnlyField;
class PromptSeam;
class QLabel;
class QPushButton;

// The dialog that asks for the time, in seconds, a frame of a line of several frames stays on: digits
// of the main keyboard only, a whole number from 0 to 255 on OK. The caller sets Seconds before showing it
// and reads OKPressed and Seconds after.
class TfmSecond : public QDialog {
    Q_OBJECT
public:
    explicit TfmSecond(PromptSeam &prompts, QWidget *parent = nullptr);

    bool OKPressed = false;
    int Seconds = 0;

    DigitsOnlyField *Edit1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKButtonClick();
    void CancelButtonClick();

    PromptSeam &prompts_;
};
