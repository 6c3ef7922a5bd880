#pragma once

#include "signshow/ShownSign.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QScrollArea;
class SignLineService;

// velmora-signsim --show: the virtual sign's window. It hands the sign's notifications and the operator's
// choice of line to a ShownSign and shows its picture and status, with a timer for the next frame.
class SignShowWindow : public QWidget {
    Q_OBJECT
public:
    SignShowWindow(SignLineService &service, std::vector<int> colorCodes, QWidget *parent = nullptr);

private:
    qint64 now() const { return clock_.elapsed(); }
    // Lists the lines held, the one shown selected.
    void refreshList();
    // Shows the picture and status for now and sets the timer for the next change.
    void refreshPicture();
    // Grows the window, within the screen, until a picture of this size shows whole.
    void fitPicture(QSize picture);

    ShownSign shown_;
    QElapsedTimer clock_;
    QTimer nextFrame_;
    QListWidget *lines_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QLabel *picture_ = nullptr;
    QLabel *status_ = nullptr;
};
