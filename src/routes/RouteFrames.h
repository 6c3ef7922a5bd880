#pragma once

#include "routes/RouteRows.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <vector>

class ProjectModel;

// Builds the frames of a checked route table into a project as the editor's own steps would: each row a
// frame of the list, rows of one board one line (every frame but the last marked Change, each with the
// row's Time), the picture sampled and uploaded as the picture editor does, the text composed as "Text
// Upload" does, each stamped where placing would put it.

// Where the font files are looked for and the resolution point sizes are drawn at.
struct RouteFonts {
    QString workDir;
    QString installedFontDir;
    int dpi = 96;
};

// What one frame was filled with: its row, and the zones (without a layout: "text", "picture") whose
// cells held something.
struct FrameZones {
    int row = 0;
    QStringList zones;
};

struct RouteBuild {
    std::vector<RouteProblem> problems; // rows that cannot be built: a font file or picture not read
    // Rows whose text or picture was cut at the sign's (or zone's) edges or lights no dot, and rows whose
    // text has characters the font file has no glyph for.
    std::vector<RouteProblem> warnings;
    std::vector<FrameZones> frames; // one per frame built, in list order
};

// Fills one row's frame, the model's current frame; answers the zones it filled.
using FrameFiller = std::function<QStringList(const RouteRow &route)>;

// The list part of every build: a frame per row, the board, Change mark and Time cells, the lines
// renumbered at the end; `fill` draws each frame.
void BuildRouteList(ProjectModel &model, const std::vector<RouteRow> &rows, RouteBuild &build,
                    const FrameFiller &fill);

// Builds the rows into `model`, which holds the one dark frame New leaves; its sign gives the geometry.
// On problems the model is left half built and must not be saved.
RouteBuild BuildRouteFrames(ProjectModel &model, const std::vector<RouteRow> &rows, const RouteFonts &fonts);
