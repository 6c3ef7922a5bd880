#pragma once

#include <QDialog>

// The dialog that asks for the delay time of a frame in a line of several frames.
class TfmSecond : public QDialog {
    Q_OBJECT
public:
    explicit TfmSecond(QWidget *parent = nullptr);
};
