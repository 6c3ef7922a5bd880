#pragma once

#include <QDialog>

#include <optional>

class PromptSeam;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog that asks for the serial port, and for the single-line download the line, before every
// download. The caller writes LastLine (and sets up the "Line :" field) before showing it and reads
// OKPressed, PortNumber and LineNumber after.
class TfmCOMPort : public QDialog {
    Q_OBJECT
public:
    explicit TfmCOMPort(PromptSeam &prompts, QWidget *parent = nullptr);

    bool OKPressed = false;
    // 1 for "COM1" .. 10 for "COM10"; set only by OK.
    int PortNumber = 1;
    // The "Line :" field's number; set by OK.
    int LineNumber = 1;
    // The highest line number of the list; the "Line :" field is held within 1 .. LastLine.
    int LastLine = 1;

    QLabel *Label1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    // Beside the port choice: the device that port is on this machine and what it is.
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    // What each port stands for ("/dev/ttyUSB0 — FT232R USB UART", or that the device is not present),
    // the list's entries in order.
    QStringList deviceTexts() const;
    // Shows the device of the port chosen (typed or picked); nothing for a text that names no port.
    void showChosenDevice();
    // The "Line :" text as an integer; when it is none, the conversion message has been shown.
    std::optional<int> typedLine();
    // The devices' texts as this show found them.
    QStringList deviceTexts_;
    void Edit1Change();
    void Button1Click();
    void Button2Click();

    PromptSeam &prompts_;
};
