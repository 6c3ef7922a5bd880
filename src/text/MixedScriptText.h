#pragma once

#include "text/TextCell.h"
#include "text/TextComposer.h"

#include <QString>

#include <vector>

// A text in a font with a second font for what the first cannot draw: Latin in a Big5 file, Chinese in a
// Latin face. The text is cut into runs of characters the first font has a glyph of its own for and runs
// of the rest; each run is composed by its font as "Text Upload" would compose it alone, the runs follow
// one another by their cells' advance, with no gap, and stand on one line, their cells' bottoms: a font
// file's glyphs stand on their cell's bottom, and a system font's cell ends at its lowest letter's, so
// a Latin run beside Chinese glyph cells takes no rows below them.

struct MixedComposition {
    // The runs' advances added up; from the highest cell top to the cells' common bottom once they stand
    // on one line, grown to hold every lit dot (CellHoldingRows).
    TextCell cell;
    LitRows lit;
    // Characters no font draws, each once in the order they first appear, and the fonts they were looked
    // for in ("16(TS-16) or 24 Pixel(KV)"), for the missing-glyph warning.
    std::vector<char32_t> missing;
    QString missingIn;
    // A chosen font file that could not be read: its run was drawn by the system font instead.
    const FontFileEntry *unreadable = nullptr;
};

// Composes `font.text` into `out`, the top-left of the cells at (0, 0); the window of the cells and the
// composition margin is cleared first. Without a fallback the text is one run, exactly as ComposeText
// composes it. `scratch` holds each run of a mixed text while it is copied over.
MixedComposition ComposeMixedText(const TextRequest &font, const TextRequest *fallback, DotPlane &out,
                                  DotPlane &scratch);
