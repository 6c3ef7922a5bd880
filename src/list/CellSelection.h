#pragma once

#include <QString>

#include <optional>

class ProjectModel;

// Selecting a cell of the frame list. A click on the cell that is already selected edits it (what to
// edit is answered here; the window shows the dialog and writes the answer back); then the row becomes
// the current one.

enum class CellEdit {
    None,          // not the selected cell, or nothing to edit there
    BoardNumber,   // the note dialog edits "Download Board Number"
    ChangeToggled, // the Change mark was toggled (already done, lines renumbered)
    Time,          // the delay dialog edits "Time"
};

// Steps of a click on (column, row) before the selection moves: toggles a Change mark itself, and says
// which dialog the window must show for the other editable cells.
CellEdit EditSelectedCell(ProjectModel &model, int column, int row);

// The "Time" a Change mark gives the frames it joins into a line.
QString JoinedFrameTime();

// A "Time" cell's seconds for the delay dialog: an empty cell (a frame that joined a line without a
// time) gives 0; a text that is not a whole number gives none.
std::optional<int> SecondsOfTimeCell(const QString &text);

// "'abc' is not a valid integer value"
QString NotAnIntegerMessage(const QString &text);

// The longest time, in seconds, a frame of a line can stay on: the sign takes it in one byte.
inline constexpr int MaxDelaySeconds = 255;

// The seconds the delay dialog accepts: a whole number from 0 to MaxDelaySeconds, digits only.
std::optional<int> DelaySecondsOf(const QString &text);

// The delay dialog's refusal of any other text.
QString DelayOutOfRangeMessage(const QString &text);

// Makes (column, row) the selected cell and its frame the current one. Answers whether the current
// frame changed, so the preview must be repainted.
bool SelectCell(ProjectModel &model, int column, int row);

// When the list has shrunk below the selected row and frames remain, the selection moves to the same
// column of the new last row; an emptied list makes frame 0 current and dark, row 1 selected, as deleting
// the last frame leaves it. Answers whether the current frame changed.
bool FollowShrinkingList(ProjectModel &model);
