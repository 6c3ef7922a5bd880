#pragma once

#include <QDialog>

// The about box: program name, version and two lines about the editor.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
