#pragma once

#include <vector>

// The character each glyph index of the Chinese font files stands for: element n (1 to
// HighestGlyphIndex) is the Unicode code point of the Big5 pair with index n in code page 950, or 0 when
// no pair of that index is a character there (a user-defined pair counts as none). Where two pairs share
// an index (the tail of lead 0xC6 and the head of lead 0xC9), the pair with the later lead byte wins if it
// is a character: the files hold the rarely used characters from index 5402 on. Element 0 is unused.
std::vector<char32_t> CharactersByGlyphIndex();
