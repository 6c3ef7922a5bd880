#include "app/LinePlayer.h"

#include <algorithm>
#include <chrono>

namespace {

// A QTimer takes an int of milliseconds; a longer wait wakes once a minute and finds the same frame.
constexpr qint64 LongestTimerWaitMs = 60 * 1000;

qint64 SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

LinePlayer::LinePlayer(QObject *parent) : QObject(parent), clock_(SteadyMilliseconds)
{
    setObjectName(QStringLiteral("LinePlayer"));
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LinePlayer::advance);
}

void LinePlayer::start(LinePlayback playback)
{
    playback_ = std::move(playback);
    startedAt_ = clock_();
    shown_ = 0;
    emit frameChanged();
    advance();
}

void LinePlayer::stop()
{
    timer_.stop();
    playback_.reset();
}

int LinePlayer::shownSlot() const
{
    return playback_ ? playback_->frameSlot(shown_) : 0;
}

QString LinePlayer::statusText() const
{
    return playback_ ? playback_->statusText(shown_) : QString();
}

void LinePlayer::advance()
{
    if (!playback_) {
        return;
    }
    const qint64 elapsed = clock_() - startedAt_;
    const int due = playback_->frameAt(elapsed);
    if (due != shown_) {
        shown_ = due;
        emit frameChanged();
    }
    if (const std::optional<qint64> wait = playback_->msUntilChange(elapsed)) {
        timer_.start(static_cast<int>(std::min(*wait, LongestTimerWaitMs)));
    }
}
