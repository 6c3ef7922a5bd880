#pragma once

#include <QDialog>

// The dialog that asks for the serial port (and line) for a download.
class TfmCOMPort : public QDialog {
    Q_OBJECT
public:
    explicit TfmCOMPort(QWidget *parent = nullptr);
};
