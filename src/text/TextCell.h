#pragma once

#include "text/TextComposer.h"

// The room a composed text takes, whatever its letters light: the advance of its cells across and the
// rows of its cells down, counted from the composed picture's top-left dot. Placing a text by its cells
// instead of its lit dots keeps texts of one font on the same rows, so frames of one line do not jump as
// they change.
struct TextCell {
    int advance = 0;
    // The cells' first row and the row below their last. A font file's cells are its glyph cells, from
    // the picture's top down; a system font's are the rows its letters span (SystemFontCell).
    int top = 0;
    int bottom = 0;
    int height() const { return bottom - top; }
};

// The cell ComposeText gives the request: a Big5 file's glyph cells, one per byte pair of the text's code
// page 950 bytes; a digit file's cells, one per digit; the system font's advance and the rows of its
// letters.
TextCell ComposedCell(const TextRequest &request);

// The rows of a composed picture its lit dots span; none when `last` is above `first`.
struct LitRows {
    int first = 0;
    int last = -1;
    bool any() const { return last >= first; }
};

// The cell grown to hold the lit rows: a letter reaching past the font's cell (an accent, a bracket) is
// then placed inside the room the cell is given, not cut.
TextCell CellHoldingRows(TextCell cell, LitRows lit);

// The row of the picture's top, given as `top` by its cell in a room of `room` rows from row 0, moved the
// least that keeps its lit rows inside the room when they fit in it. A cell no taller than the room
// holds them already and stays where it is, so the texts of a font keep their rows; in a lower room the
// texts whose letters fit are not cut for the rows their font's other letters would need.
int TopKeepingLitRows(int top, LitRows lit, int room);
