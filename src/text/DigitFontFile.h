#pragma once

#include "text/FontFileTable.h"
#include "text/GlyphDots.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One of the two digit font files: plain text holding decimal integers separated by white space, one
// block per digit 0 to 9, each block column by column from the left and within a column from the top.
// A value above 0 is a lit dot.
class DigitFontFile {
public:
    // Reads the file where the folders find it, at most the ten blocks and never further; false when it cannot
    // be read. Reading stops at the end of the file or at the first token that is not a decimal
    // integer: the values from there on are missing.
    bool open(const FontFolders &folders, const FontFileEntry &entry);

    // The glyph of digit d (0 to 9); its missing values are dark.
    GlyphDots glyph(int d) const;

    // How many values the opening read: ten blocks' worth for a whole file, fewer for one cut short.
    std::size_t valuesRead() const { return lit_.size(); }

private:
    const FontFileEntry *entry_ = nullptr;
    // One byte per value read: 1 for a value above 0, else 0.
    std::vector<std::uint8_t> lit_;
};
