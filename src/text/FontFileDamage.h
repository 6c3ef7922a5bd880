#pragma once

#include "text/FontFileTable.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// A font file that opens but holds less than its glyph layout places would compose dark cells where its
// glyphs belong, without a word: a copy cut short, or another file under the font's name. Such a file is
// damaged; it is refused where a route table names it and left out of the selectors' lists.

// The bytes a Big5 file's layout reaches: to the end of the record of the highest glyph index, at the
// offset the reader seeks to.
std::int64_t Big5LayoutBytes(const FontFileEntry &entry);

// Why the entry's file (where the folders find it) is damaged: "FILE is X bytes, shorter than the N bytes
// its glyphs need" for a Big5 file, "FILE holds X values, fewer than the N its digits need" for a digit
// file, whose values end early or at a token that is no decimal integer. None when the file holds every
// glyph, or when it cannot be opened at all (which is told apart by whoever opens it).
std::optional<QString> FontFileDamage(const FontFileEntry &entry, const FontFolders &folders);

// One notice for each file that opens but is damaged, naming the entry the lists leave out for it:
// "Font 24(明體) is not offered: STDFONT.24 is 1000 bytes, shorter than the 942768 bytes its glyphs need".
QStringList SkippedFontFileNotices(const FontFolders &folders);
