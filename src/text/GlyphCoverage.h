#pragma once

#include "text/FontFileTable.h"

#include <QString>

#include <vector>

// Which characters of a text a font file composes without their own glyph. A Big5 file draws a character
// only when its code page 950 form is one byte pair with a glyph index, standing where the pairs are
// taken (from the first byte on, two at a time): a single-byte character (a Latin letter, a blank), one
// without a form, one without an index, and every character an odd byte before it pushes off the pairs
// gets none. A digit file draws only the ASCII digits and skips the rest.

// Those characters, each once, in the order they first appear.
std::vector<char32_t> CharactersWithoutGlyph(const QString &text, const FontFileEntry &entry);

// "no glyph in LABEL for 'T', 'a', 'i'": at most twenty of the characters named, then how many more, so
// that a long text of foreign letters gives a readable line.
QString MissingGlyphsText(const FontFileEntry &entry, const std::vector<char32_t> &missing);
// The same for characters looked for in several fonts, named together ("16(TS-16) or 24 Pixel(KV)").
QString MissingGlyphsText(const QString &fonts, const std::vector<char32_t> &missing);
