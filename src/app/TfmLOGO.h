#pragma once

#include <QWidget>

class QLabel;

// The splash window shown while the editor's windows are created.
class TfmLOGO : public QWidget {
    Q_OBJECT
public:
    explicit TfmLOGO(QWidget *parent = nullptr);

    // Centres the window on a screen of the given size by the picture's size (not the window's), and
    // only when the picture fits both ways.
    void placeOnScreen(QSize screen);

    QLabel *Image1 = nullptr;
};
