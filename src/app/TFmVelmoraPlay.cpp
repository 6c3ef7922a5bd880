// The main window's line playback: "Play" shows the line of the current frame in the preview at the sign's
// pace, with what shows in the last status panel. F5 again, Esc, a click in the preview or the list, or
// any command but zoom stops it, and the preview shows the current frame again. Playing only draws: the
// project, the current frame and the selection stay as they are.
#include "app/TFmVelmora.h"

#include "app/BusImageView.h"
#include "app/LinePlayer.h"
#include "lines/FrameLines.h"

#include <QAbstractButton>
#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QToolButton>

#include <functional>

namespace {

// While a line plays, a press on the watched control stops it. That press and the moves and release that
// follow it are swallowed, so the click that stops playing neither draws, stamps nor edits a cell; moves
// are swallowed while playing too, so a picture being placed never paints over the played frame. A
// button pressed before playing began is still released to the control: its gesture ends, so its undo
// step is finished rather than left open to swallow the edits that follow.
class ClickStopsPlaying : public QObject {
public:
    ClickStopsPlaying(const LinePlayer &player, std::function<void()> stop, QWidget &watched)
        : QObject(&watched), player_(player), stop_(std::move(stop))
    {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (player_.isPlaying()) {
                swallowing_ = true;
                stop_();
            }
            if (!swallowing_) {
                passedButtons_ |= static_cast<QMouseEvent *>(event)->button();
            }
            return swallowing_;
        case QEvent::MouseMove:
            return swallowing_ || player_.isPlaying();
        case QEvent::MouseButtonRelease: {
            const auto *release = static_cast<QMouseEvent *>(event);
            const bool pressedBefore = passedButtons_.testFlag(release->button());
            passedButtons_ &= ~Qt::MouseButtons(release->button());
            const bool swallow = !pressedBefore && (swallowing_ || player_.isPlaying());
            if (release->buttons() == Qt::NoButton) {
                swallowing_ = false;
            }
            return swallow;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    const LinePlayer &player_;
    std::function<void()> stop_;
    bool swallowing_ = false;
    Qt::MouseButtons passedButtons_;
};

} // namespace

void TFmVelmora::connectPlay()
{
    player_ = new LinePlayer(this);
    connect(player_, &LinePlayer::frameChanged, this, &TFmVelmora::showPlayedFrame);
    connect(Play1, &QAction::triggered, this, &TFmVelmora::Play1Click);
    connect(PlayStop, &QAction::triggered, this, &TFmVelmora::stopPlaying);

    const auto stop = [this] { stopPlaying(); };
    new ClickStopsPlaying(*player_, stop, *BusImage);
    new ClickStopsPlaying(*player_, stop, *StringGrid->viewport());
    connect(StringGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFmVelmora::stopPlaying);

    // Every other command stops playing before it changes anything, or (for commands whose handler was
    // connected first) right after; zoom and scrolling only change the view and keep the line playing.
    const QList<QAction *> keepPlaying = {Play1, PlayStop, ZoomOut, ZoomReset, ZoomIn};
    for (QAction *command : findChildren<QAction *>()) {
        if (!keepPlaying.contains(command)) {
            connect(command, &QAction::triggered, this, &TFmVelmora::stopPlaying);
        }
    }
    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        const auto *toolButton = qobject_cast<QToolButton *>(button);
        if (!toolButton || !toolButton->defaultAction()) {
            connect(button, &QAbstractButton::pressed, this, &TFmVelmora::stopPlaying);
        }
    }
}

bool TFmVelmora::playing() const
{
    return player_ && player_->isPlaying();
}

void TFmVelmora::Play1Click(bool checked)
{
    if (!checked) {
        stopPlaying();
        return;
    }
    const std::optional<FrameLine> line = LineOfRow(model_, model_.CurFrame + 1);
    if (!line) {
        // An emptied list has nothing to play.
        Play1->setChecked(false);
        return;
    }
    PlayStop->setEnabled(true);
    player_->start(LinePlayback(*line));
}

void TFmVelmora::stopPlaying()
{
    if (!playing()) {
        return;
    }
    player_->stop();
    Play1->setChecked(false);
    PlayStop->setEnabled(false);
    StatusBar1[3]->clear();
    DrawMatrix();
}

void TFmVelmora::showPlayedFrame()
{
    StatusBar1[3]->setText(player_->statusText());
    DrawMatrix();
}
