#pragma once

#include "lines/LinePlayback.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>

// Plays a line in the preview at the sign's pace: a single-shot timer wakes it when the next frame is
// due, and the frame shown is always the one the clock has reached since play began, so late timer
// events never add up to drift. The clock can be replaced, so tests step through a line without waiting.
class LinePlayer : public QObject {
    Q_OBJECT
public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    explicit LinePlayer(QObject *parent = nullptr);

    void setClock(Clock clock) { clock_ = std::move(clock); }

    void start(LinePlayback playback);
    void stop();
    bool isPlaying() const { return playback_.has_value(); }

    // While playing: the frame slot shown and the status that goes with it.
    int shownSlot() const;
    QString statusText() const;

    // Shows the frame the clock has reached and sets the timer for the next change; the timer calls it.
    void advance();

signals:
    // A (new) frame of the line is to be shown.
    void frameChanged();

private:
    QTimer timer_;
    Clock clock_;
    std::optional<LinePlayback> playback_;
    qint64 startedAt_ = 0;
    int shown_ = 0;
};
