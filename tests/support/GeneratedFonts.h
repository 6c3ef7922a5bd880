#pragma once

#include "model/DotBuffers.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Font files made by the tests. Each Big5 glyph n holds n + r in row r as one binary number across the
// row (most significant bit leftmost), so reading a glyph from a wrong offset or in a wrong bit order
// shows as a wrong number. Each digit glyph d is a cross: column d and row d + 1 are lit.

inline constexpr int HighestBig5Index = 13094;

// Writes one of the five Chinese files into `dir` with every glyph 1..13094 at its place in that file;
// `length` cuts the file short (negative: whole).
void WriteChineseFont(const QString &dir, const QString &fileName, qint64 length = -1);

// The record of generated glyph n: `bytesPerRow` bytes per row, `rows` rows.
QByteArray GeneratedRecord(int n, int bytesPerRow, int rows);

// The number a row of `width` dots holds, read from `plane` at (left, y).
std::uint32_t RowNumber(const DotPlane &plane, int left, int y, int width);

// Whether dot (x, y) of generated digit d is lit.
bool DigitDotLit(int d, int x, int y);

// The text of a digit file with glyphs of `height` rows for the digits 0 to 9, column by column, lit
// values and dark values of several spellings, separated by mixed white space.
QByteArray DigitFontText(int height);

// Writes any of the seven font files whole: the generated Chinese glyphs, or DigitFontText.
void WriteWholeFontFile(const QString &dir, const QString &fileName);

// Writes `bytes` into `dir`/`fileName`.
void WriteFontFile(const QString &dir, const QString &fileName, const QByteArray &bytes);
