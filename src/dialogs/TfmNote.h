#pragma once

#include <QDialog>

class DigitsOnlyField;
class QPushButton;

// The dialog that asks for the download board number of a frame: digits only. The caller sets
// NoteText before showing it and reads OKPressed and NoteText after.
class TfmNote : public QDialog {
    Q_OBJECT
public:
    explicit TfmNote(QWidget *parent = nullptr);

    bool OKPressed = false;
    QString NoteText;

    DigitsOnlyField *Edit1 = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKButtonClick();
    void CancelButtonClick();
};
