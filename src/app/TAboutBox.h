#pragma once

#include <QDialog>

// The about box: program name, version, copyright and a line about the editor and its licence.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
