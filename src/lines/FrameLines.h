#pragma once

#include "model/ProjectModel.h"

#include <QString>
#include <QStringList>

#include <optional>

// A line of the frame list: the run of frames the sign shows in turn, each for its time. The download
// sends lines by number and Play shows the line of the current frame; both take them from here, so the
// operator sees exactly what the sign will be sent.
struct FrameLine {
    // The integer in the "Line" cell of its first row.
    int number = 0;
    // List row (1-based) of its first frame; the frame's slot is firstRow - 1.
    int firstRow = 0;
    // Its first row and the directly following rows whose "Line" cell is empty.
    int frameCount = 0;
    // The "Download Board Number" cell of its first row, as the list shows it.
    QString boardText;
    // The "Time" cell of each of its rows, in list order.
    QStringList timeTexts;

    int lastRow() const { return firstRow + frameCount - 1; }
};

// The integer in the "Line" cell of the lowest row that has one; 0 when no row has one.
int LastLine(const ProjectModel &model);

// Line number `number`: the first row whose "Line" cell reads as that integer, and the rows after it with
// an empty cell. None when no row carries that number.
std::optional<FrameLine> FindLine(const ProjectModel &model, int number);

// The line that list row `row` (1-based) belongs to: the nearest row at or above it with a "Line" cell
// starts it. None for a row outside the list or above every numbered row.
std::optional<FrameLine> LineOfRow(const ProjectModel &model, int row);
