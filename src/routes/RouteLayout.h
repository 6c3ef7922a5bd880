#pragma once

#include "routes/RouteRows.h"
#include "text/FontFileTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A layout: the zones every frame of a route table is made of, each filled from the table's column of the
// zone's name. A text zone composes its cell in its font (with a fallback font for the characters the font
// has no glyph for) and places it by its cells; a picture zone samples the picture file its cell names as
// the picture page does. Nothing a zone holds is drawn outside it.

enum class VerticalAlign { Top, Middle, Bottom };

struct LayoutZone {
    QString name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool picture = false;
    TextChoice font;
    std::optional<TextChoice> fallback;
    TextAlign align = TextAlign::Centre;
    VerticalAlign valign = VerticalAlign::Middle;
    int pictureZoom = 1; // the edit zoom of the picture size
};

// The sign a layout is drawn for; what the command line gives wins, field by field.
struct LayoutSign {
    std::optional<QString> type;
    std::optional<int> number;
    std::optional<std::vector<int>> colors;
};

struct RouteLayout {
    QString fileName; // as the command names it, for messages
    LayoutSign sign;
    std::vector<LayoutZone> zones;
};

struct ReadLayout {
    std::optional<RouteLayout> layout;
    // Every problem found (row 0), each naming the zone it is in ("zone 'dest': unknown font entry ...").
    std::vector<RouteProblem> errors;
};

// Reads a layout's JSON: a "sign" object (optional: "type", "number", "colors") and a "zones" array. Zone
// names must be unique (in any case, as the table's columns are matched) and neither "board" nor "time";
// fonts are the entries the table's font column takes and their files must be readable and whole.
ReadLayout ReadRouteLayout(const QString &fileName, const QByteArray &json, const FontFolders &folders);

// Every zone that does not lie wholly on a sign of the given size, named.
std::vector<RouteProblem> ZonesOffSign(const RouteLayout &layout, int widthDot, int heightDot);

// The zone a table column names (matched in any case), or none.
const LayoutZone *ZoneOfColumn(const RouteLayout &layout, const QString &column);
