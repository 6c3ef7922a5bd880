#pragma once

#include "routes/RouteFrames.h"

#include <QJsonArray>
#include <QString>

#include <optional>
#include <vector>

// What `build` tells: every error and warning printed on standard error as it always was ("TABLE:ROW:
// what", "TABLE:ROW: warning: what", "LAYOUT: zone 'dest': what", "velmora-cli build: what") and kept for
// the report, which a script reads instead of the lines: each item's row (null when it concerns no row),
// column and zone (null when none), level ("error" or "warning") and message, then the frames built with
// the zones each filled, and whether the project was written.
class BuildLog {
public:
    // The command's own failure: options, files, the sign.
    int fail(const QString &message);
    // Problems of the file `source` (the table, or the layout with rows 0), printed in row order.
    void errors(const QString &source, std::vector<RouteProblem> problems);
    void warnings(const QString &source, std::vector<RouteProblem> warnings);
    void frames(const std::vector<FrameZones> &frames) { frames_ = frames; }
    void written() { written_ = true; }

    // Writes the report as JSON; the reason when it cannot be written.
    std::optional<QString> writeReport(const QString &path) const;

private:
    void print(const QString &source, std::vector<RouteProblem> lines, const char *level);

    QJsonArray items_;
    std::vector<FrameZones> frames_;
    bool written_ = false;
};
