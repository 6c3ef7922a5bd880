#pragma once

// The glyph index of a Big5 character in the Chinese bitmap font files: 1 to 13094, or -1 when the
// byte pair has none. Each lead byte owns 157 trail positions (0x40..0x7E, then 0xA1..0xFE). The
// frequently used characters (lead 0xA4..0xC6) count from 1; the rarely used ones (lead 0xC9..0xF9) count
// from 5402, so the tail of lead 0xC6 (trail 0xA1..0xFE) shares its indices with the first 94 pairs of
// lead 0xC9 and shows the same glyphs.
int Big5GlyphIndex(unsigned char lead, unsigned char trail);

// The highest index, that of the pair (0xF9, 0xFE): the Chinese files hold the glyphs 1 to this one.
inline constexpr int HighestGlyphIndex = 13094;
