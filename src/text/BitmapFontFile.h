#pragma once

#include "text/FontFileTable.h"
#include "text/GlyphDots.h"

#include <QFile>

// One of the Big5 bitmap font files, open for the composition of one text: the file is opened once and
// each character's record is read from it by its glyph index.
class BitmapFontFile {
public:
    // Opens the file where the folders find it; false when it cannot be read.
    bool open(const FontFolders &folders, const FontFileEntry &entry);

    // Glyph n (n >= 1): its record decoded row by row from the top, each row's bytes from the left, most
    // significant bit leftmost. Bytes that lie beyond the end of the file leave their dots dark.
    GlyphDots glyph(int n);

private:
    QFile file_;
    const FontFileEntry *entry_ = nullptr;
};
