#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Text Edit" page: the text to compose, the script options with their size selectors, and the
// style boxes.
class TextEditPage : public QWidget {
    Q_OBJECT
public:
    explicit TextEditPage(QWidget *parent = nullptr);

    QLineEdit *editTextUp = nullptr;
    QPushButton *btnTextUp = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QPushButton *Button2 = nullptr;

private:
    QGroupBox *buildFontSetup();
    QGroupBox *buildFontType();
};

// Replaces a selector's entries and shows the first one, without running its change handler.
void RebuildSelector(QComboBox &selector, const QStringList &entries);
