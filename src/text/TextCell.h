#pragma once

#include "text/TextComposer.h"

// The room a composed text takes, whatever its letters light: the advance of its cells across and their
// full height down, from the composed picture's top-left dot. Placing a text by its cells instead of its
// lit dots keeps texts of one font on the same rows, so frames of one line do not jump as they change.
struct TextCell {
    int advance = 0;
    int height = 0;
    // The rows from the cell's top to the line the glyphs stand on: a font file's glyphs stand on the
    // bottom of their cells, a system font's on its ascent.
    int baseline = 0;
};

// The cell ComposeText gives the request: a Big5 file's glyph cells, one per byte pair of the text's code
// page 950 bytes; a digit file's cells, one per digit; the system font's advance and line height (ascent
// and descent) at the request's resolution.
TextCell ComposedCell(const TextRequest &request);
