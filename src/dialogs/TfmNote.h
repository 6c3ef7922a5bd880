#pragma once

#include <QDialog>

// The dialog that asks for the download board number of a frame.
class TfmNote : public QDialog {
    Q_OBJECT
public:
    explicit TfmNote(QWidget *parent = nullptr);
};
