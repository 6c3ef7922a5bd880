#pragma once

#include "model/ProjectModel.h"

#include <QString>

#include <vector>

// The full download sends every line; the single-line one (the hidden "One" button) sends one line with
// smaller packets at 9600 baud.
enum class DownloadVariant { Full, SingleLine };

// A line as the sign is sent it, its numbers checked to fit the bytes that carry them.
struct PlannedLine {
    int number = 0;
    // Frame slot of its first frame; its frames are the following slots.
    int firstSlot = 0;
    int board = 0;
    int frameCount = 0;
    // The seconds of each frame, sent only for a line of two or more frames (empty otherwise).
    std::vector<int> times;
};

// What a download will send, found before the port is opened so that a sign is never left with half its
// lines replaced: either the lines, or the one message that refuses the download.
struct DownloadPlan {
    std::vector<PlannedLine> lines;
    // Why nothing may be sent; empty when the lines may go.
    QString refusal;
    // The lines whose last dot bytes do not fill a whole packet and so never reach the sign; empty when
    // every line's bytes fill whole packets. The download may still go.
    QString trailingBytesWarning;
};

// The lines the download needs: 1 .. LastLine for the full download, line `lineNumber` for the single
// one, each checked: board number 0 .. 65535, times 0 .. 255 for lines of two or more frames, at most
// 255 frames, all decimal integers; and the sign's modules must make up its picture.
DownloadPlan PlanDownload(const ProjectModel &model, DownloadVariant variant, int lineNumber);

// Why the sign's geometry cannot be sent as the byte order lays it out; empty when it can.
QString CheckSignGeometry(const ProjectModel &model);
