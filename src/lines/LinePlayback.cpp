#include "lines/LinePlayback.h"

#include "io/DecimalInt32.h"

#include <QCoreApplication>

#include <utility>

namespace {

constexpr int LongestSignTime = 255;
constexpr qint64 MsPerSecond = 1000;

} // namespace

std::optional<int> FrameSeconds(const FrameLine &line, int index)
{
    const std::optional<int> seconds = ParseDecimalInt32(QStringView(line.timeTexts.value(index)));
    if (seconds && *seconds >= 1 && *seconds <= LongestSignTime) {
        return seconds;
    }
    return std::nullopt;
}

LinePlayback::LinePlayback(FrameLine line) : line_(std::move(line))
{
    if (line_.frameCount < 2) {
        return;
    }
    for (int index = 0; index < line_.frameCount; ++index) {
        const std::optional<int> seconds = FrameSeconds(line_, index);
        durationsMs_.push_back(seconds ? *seconds * MsPerSecond : UntimedFrameMs);
        roundMs_ += durationsMs_.back();
    }
}

int LinePlayback::frameAt(qint64 elapsedMs) const
{
    if (durationsMs_.empty()) {
        return 0;
    }
    qint64 intoRound = elapsedMs % roundMs_;
    int index = 0;
    while (intoRound >= durationsMs_[index]) {
        intoRound -= durationsMs_[index];
        ++index;
    }
    return index;
}

std::optional<qint64> LinePlayback::msUntilChange(qint64 elapsedMs) const
{
    if (durationsMs_.empty()) {
        return std::nullopt;
    }
    qint64 frameEnd = 0;
    const qint64 intoRound = elapsedMs % roundMs_;
    for (const qint64 duration : durationsMs_) {
        frameEnd += duration;
        if (intoRound < frameEnd) {
            break;
        }
    }
    return frameEnd - intoRound;
}

QString LinePlayback::statusText(int index) const
{
    return QCoreApplication::translate("LinePlayback", "Line %1  ").arg(Format000(line_.number)) +
           frameStatusText(index);
}

QString LinePlayback::frameStatusText(int index) const
{
    const int frame = index + 1;
    QString text = QCoreApplication::translate("LinePlayback", "frame %1/%2").arg(frame).arg(frameCount());
    if (durationsMs_.empty()) {
        return text;
    }
    if (const std::optional<int> seconds = FrameSeconds(line_, index)) {
        return text + QStringLiteral("  %1 s").arg(*seconds);
    }
    const QString time = line_.timeTexts.value(index);
    if (time.isEmpty() || ParseDecimalInt32(QStringView(time)) == 0) {
        return text + QCoreApplication::translate("LinePlayback", "  frame %1 has no time").arg(frame);
    }
    return text + QCoreApplication::translate("LinePlayback", "  frame %1 time \"%2\" is not 1 to %3 s")
                      .arg(frame)
                      .arg(time)
                      .arg(LongestSignTime);
}
