#pragma once

#include "io/FileResult.h"
#include "text/FontFileTable.h"
#include "text/GlyphDots.h"

#include <QByteArray>
#include <QRawFont>
#include <QString>

#include <vector>

// Makes the seven bitmap font files from installed scalable faces, in exactly the layout the readers of
// this folder take: every glyph drawn without anti-aliasing, one glyph per Big5 index as code page 950
// maps it, the digits as text blocks.

// The faces the files are drawn with: a Ming face for the Ming files, a Kai face for the Kai file
// ("STDFONT.24K") and a face whose bold digits fill the digit files.
struct FontFaces {
    QString ming = QStringLiteral("AR PL UMing TW");
    QString kai = QStringLiteral("AR PL UKai TW");
    QString digits = QStringLiteral("DejaVu Sans");
};

// `family` at `pixelSize` pixels, drawn without anti-aliasing and never borrowing a glyph from another
// face; bold when asked.
QRawFont CrispFace(const QString &family, int pixelSize, bool bold = false);

// Whether `face` is `family` itself, not a stand-in the font system picked for a face it does not have.
bool IsFace(const QRawFont &face, const QString &family);

// The row of the baseline in a Chinese cell `height` rows high: a Chinese face's ideographic em box
// reaches 0.88 em above the baseline and 0.12 em below, and the cell is that box.
int ChineseCellBaseline(int height);

// Character `c` of `face` (drawn at the cell's height) with its left edge at column 0 and its baseline
// at ChineseCellBaseline; all dark when `c` is 0 or the face has no glyph for it.
GlyphDots DrawChineseGlyph(const QRawFont &face, char32_t c, int width, int height);

// The digits 0 to 9 of `face`, scaled alike so that together their ink fills every row and the columns
// from 1 to width - 2, one column dark on either side so neighbouring digits never touch.
std::vector<GlyphDots> DrawDigitGlyphs(const QRawFont &face, int width, int height);

// One bit-packed record: rows from the top, each row's bytes from the left, most significant bit leftmost.
QByteArray BitmapRecord(const GlyphDots &glyph);

// The records of glyphs 1 to HighestGlyphIndex of `face`, one after the other, each drawing the
// character of `characters` (see CharactersByGlyphIndex) at the entry's glyph size.
QByteArray Big5Records(const QRawFont &face, const FontFileEntry &entry,
                       const std::vector<char32_t> &characters);

// A whole Chinese file: each of `records` (as Big5Records gives them) at its offset in the entry's
// layout, the bytes before and between them zero.
QByteArray Big5FontFileBytes(const FontFileEntry &entry, const QByteArray &records);

// A whole digit file: the ten glyphs as decimal text, column by column from the left and within a column
// from the top, one column a line.
QByteArray DigitFontFileText(const std::vector<GlyphDots> &digits);

// Writes the seven files into `dir` (made when missing), each through a temporary file that takes its
// name only when complete. Fails, writing nothing, when a face is not installed, a Chinese face lacks
// Chinese characters or the digit face a digit.
FileResult WriteFontFiles(const QString &dir, const FontFaces &faces);
