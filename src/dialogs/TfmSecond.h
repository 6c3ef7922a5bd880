#pragma once

#include <QDialog>

class DigitsOnlyField;
class QLabel;
class QPushButton;

// The dialog that asks for the time, in seconds, a frame of a line of several frames stays on: digits
// of the main keyboard only. The caller sets Seconds before showing it and reads OKPressed and Seconds
// after.
class TfmSecond : public QDialog {
    Q_OBJECT
public:
    explicit TfmSecond(QWidget *parent = nullptr);

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
};
