#pragma once

#include <QDialog>

// The dialog that asks for the sign geometry and module colours for a new project.
class TfmStart : public QDialog {
    Q_OBJECT
public:
    explicit TfmStart(QWidget *parent = nullptr);
};
