#pragma once

#include "lines/FrameLines.h"

#include <QString>

#include <optional>
#include <vector>

// The seconds a frame of a multi-frame line stays on the sign: its "Time" cell when that is a whole number
// from 1 to 255 (the sign takes a time in one byte). None for anything else: the download refuses an
// empty, negative, too long or non-numeric time, and a saved project keeps a 0 as no time at all.
std::optional<int> FrameSeconds(const FrameLine &line, int index);

// How a line plays on the sign: its frames in list order, each for its time, then round again; a
// one-frame line simply stays. Times are milliseconds since play began, so the caller owns the clock and
// the frame shown never drifts however often it asks.
class LinePlayback {
public:
    // A frame of a multi-frame line without a time the sign can take is shown this long, so the
    // operator sees it and reads why in the status.
    static constexpr qint64 UntimedFrameMs = 500;

    explicit LinePlayback(FrameLine line);

    const FrameLine &line() const { return line_; }
    int frameCount() const { return line_.frameCount; }
    // The frame slot (0-based, as FrameDots counts) of frame `index` of the line.
    int frameSlot(int index) const { return line_.firstRow - 1 + index; }

    // Index in the line (0-based) of the frame shown `elapsedMs` after play began.
    int frameAt(qint64 elapsedMs) const;
    // Milliseconds from `elapsedMs` until the next frame comes; none for a one-frame line.
    std::optional<qint64> msUntilChange(qint64 elapsedMs) const;

    // The status while frame `index` shows: "Line 003  frame 2/3  3 s"; a frame without a time the sign can
    // take names itself instead ("Line 003  frame 2/3  frame 2 has no time", or for a time such as 300
    // "... frame 2 time "300" is not 1 to 255 s"); a one-frame line reads "Line 004  frame 1/1".
    QString statusText(int index) const;
    // The same without the line's number: "frame 2/3  3 s".
    QString frameStatusText(int index) const;

private:
    FrameLine line_;
    // How long each frame shows; empty for a one-frame line.
    std::vector<qint64> durationsMs_;
    qint64 roundMs_ = 0;
};
