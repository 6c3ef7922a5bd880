#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// One line of a download as the record keeps it.
struct RecordedLine {
    int board = 0;
    int frames = 0;
};

// One download as the record keeps it: when, to which bus and port, what project (its file and the
// SHA-256 of the bytes sent for it), which sign, which lines, how the packets went and how it ended.
struct DownloadEntry {
    // UTC, whole seconds as the record stores them; the duration keeps the milliseconds.
    QDateTime started;
    QDateTime ended;
    qint64 durationMs = 0;
    // Empty when no bus was named.
    QString bus;
    QString port;
    // The project file's path, empty for a project never saved.
    QString project;
    // The editor's project differed from its file: the SHA-256 is of the bytes it would save as.
    bool unsaved = false;
    QString sha256;
    // The module type ("24 X 24"), how many modules, and the whole sign in dots.
    QString signType;
    int modules = 0;
    int width = 0;
    int height = 0;
    // "full" or "single line".
    QString variant;
    // The lines whose header packet was sent, in the order sent.
    std::vector<RecordedLine> lines;
    int packetsSent = 0;
    int packetsSentAgain = 0;
    // "done", or the messages the operator was shown and the port's reason.
    QString outcome;
    QString version;
};
