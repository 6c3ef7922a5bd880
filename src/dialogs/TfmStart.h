#pragma once

#include "list/SignSetup.h"

#include <QDialog>

#include <array>
#include <optional>

class PromptSeam;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The dialog that asks for the sign of a new project: the LED module type, how many modules stand side
// by side and the colour of each. It is created once and keeps its choices from one New to the next; the
// caller reads OKPressed and the checked Setup after showing it.
class TfmStart : public QDialog {
    Q_OBJECT
public:
    explicit TfmStart(PromptSeam &prompts, QWidget *parent = nullptr);

    bool OKPressed = false;
    // The sign chosen with OK; set whenever OKPressed is.
    std::optional<SignSetup> Setup;
    // Colour code of each module listed, index 0 = module "1".
    std::array<int, 20> LedColor = {};

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    std::array<QRadioButton *, 5> ColorButtons = {};
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildColorGroup();
    // Lists modules "1" .. count; no module is selected.
    void listModules(int count);

    void ComboBox2Change();
    void ListBox1Click();
    void ColorButtonClick(int code);
    void OKButtonClick();
    void CancelButtonClick();

    PromptSeam &prompts_;
};
