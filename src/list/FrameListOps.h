#pragma once

#include <QString>

class ProjectModel;

// The frame list's operations on the model. Each leaves the list renumbered; the window repaints the
// preview where the answer says so and shows the message of a refused operation.

enum class ListOutcome {
    Done,          // the list changed
    Nothing,       // nothing to act on (an empty list, no selected row)
    TooManyFrames, // a 501st frame was refused; the list is as it was
};

// "The Max of the Frames is 500!!"
QString TooManyFramesMessage();

// Appends a frame: a clean slot (dark, unmarked) whose "No." and "Download Board Number" read its row
// number. When the list was empty the new frame becomes the selected one.
ListOutcome AppendFrame(ProjectModel &model);

// Inserts a clean frame at the selected row; the rows from there on move down by one.
ListOutcome InsertFrame(ProjectModel &model);

// Removes the selected frame; the rows after it move up and the freed last slot is cleaned.
ListOutcome DeleteFrame(ProjectModel &model);

// Copies the selected frame's cells, Change mark and dots into the list clipboard; its dot plane is dark
// outside the sign.
ListOutcome CopyFrame(ProjectModel &model);

// Copies the selected frame into the list clipboard, then removes it as DeleteFrame does.
ListOutcome CutFrame(ProjectModel &model);

// Inserts the list clipboard's frame at the selected row (row 1 on an empty list); its "No." is its own
// row number, its other cells, Change mark and dots are the clipboard's.
ListOutcome PasteFrame(ProjectModel &model);

// The row an insertion goes to: the selected one, or row 1 of an emptied list.
int InsertionRow(const ProjectModel &model);

// Makes room for `count` frames at `row` (1-based): the list grows by `count` rows and the frames from
// `row` on move down by `count` slots. The gap's cells keep what the moves left there and its dots may be
// any slot's; the caller fills them and renumbers the lines.
void OpenRows(ProjectModel &model, int row, int count);

// Removes the `count` frames from `row` (1-based) on: the frames after them move up, the freed slots at
// the end are cleaned and their rows dropped. The caller renumbers the lines and moves the selection.
void CloseRows(ProjectModel &model, int row, int count);

// Moves frame `from` into slot `to` (0-based): cells 1..4, Change mark and the sign's dots; the
// destination's "No." is rewritten with its own row number.
void MoveFrame(ProjectModel &model, int from, int to);
