#pragma once

#include "routes/CsvRecords.h"
#include "text/TextChoice.h"

#include <QString>

#include <optional>
#include <vector>

// A route table: a heading row naming its columns in any order, then one row per frame in list order.
// Checking it turns every row into what one frame is built from, or names what is wrong with it.

// What is wrong (or, for a warning, what was cut) at a row of the table, numbered as a spreadsheet numbers
// it: the heading is row 1.
struct RouteProblem {
    RouteProblem(int row, QString what, QString zone = {}) : row(row), what(std::move(what)), zone(std::move(zone))
    {
    }

    int row = 0;
    QString what;
    QString zone; // in a layout, the zone (and the table's column) it concerns
};

struct RouteLayout;

enum class TextAlign { Left, Centre, Right };

struct RouteRow {
    int row = 0;
    int board = 0;
    int time = 3;
    QString text;
    TextChoice font;
    TextAlign align = TextAlign::Centre;
    // Where the composed picture's top-left dot goes; replaces align and the vertical centring.
    std::optional<int> x;
    std::optional<int> y;
    QString picturePath; // empty: no picture
    int pictureZoom = 1; // the edit zoom of the picture size
    // With a layout, one per zone in the layout's order: the zone's text, or its picture's path; empty
    // leaves the zone dark. The fields above are then unused.
    QStringList cells;
};

// The files a row draws from, taken from its fields even when its values are faulty, so that they can be
// checked in the same pass (RouteSources.h).
struct RouteRowSources {
    int row = 0;
    QString fontSource; // the font field as written
    bool hasText = false;
    QString picturePath; // empty: no picture
};

struct RouteRows {
    std::vector<RouteRow> rows;
    std::vector<RouteProblem> problems;
    // One for every row whose fields could be read, faulty or not.
    std::vector<RouteRowSources> sources;
};

// "left", "centre" (or "center", or empty) or "right", in lower case.
std::optional<TextAlign> AlignOf(const QString &text, QString &error);

// The edit zoom of a picture size: 16, 24, 32, 48 or default (also when empty), or the picture page's
// names of them ("32 X 32").
std::optional<int> PictureZoomOf(const QString &text, QString &error);

// Why a font choice names no font "Text Upload" could compose with, if it does not.
std::optional<QString> FontChoiceProblem(const TextChoice &choice);

// The columns a table may name.
QStringList RouteColumns();

// Checks every row of the table; rows whose fields are all empty are skipped. A picture's name is taken
// relative to `tableDir`. Every row with a problem gives one, and the rows are kept only when none has.
// With a layout the columns are board, time and the zones' names.
RouteRows CheckRouteTable(const std::vector<QStringList> &records, const QString &tableDir,
                          const RouteLayout *layout = nullptr);
