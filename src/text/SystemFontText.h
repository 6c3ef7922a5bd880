#pragma once

#include "model/DotBuffers.h"

#include <QFont>
#include <QImage>
#include <QRawFont>
#include <QString>

// The system-font path of text composition: the text is drawn black on a clean white scratch picture,
// one pixel per dot, and sampled back.

// Draws `text` with its top-left corner at pixel (0, 0), at least width by height pixels of white around
// it. The point size becomes pixels at `dpi`, the same resolution the size tables were chosen for, so
// the operator's size gives the same pixels as on screen. Anti-aliasing is off: every pixel is black or
// white, so a dot means exactly what the operator sees. However long the text, whatever of it lies beyond
// the picture's right edge is cut; it never comes back on a further line.
QImage DrawSystemFontScratch(const QString &text, const QFont &font, int dpi, int width, int height);

struct TextCell;

// The advance across (rounded up to whole pixels) and the cell rows of the text drawn as above: the rows
// from the top of the font's tallest letter or digit to the bottom of its lowest, with an ideograph among
// them for a Chinese, Japanese or Korean text. They are the font's, not the text's: the texts of one font
// and script share them whatever they light.
TextCell SystemFontCell(const QString &text, const QFont &font, int dpi);

// Whether the font's own face (not a face the system would substitute) has a glyph for the character.
class SystemFontCoverage {
public:
    explicit SystemFontCoverage(const QFont &font);
    bool covers(char32_t character) const;

private:
    QRawFont raw_;
};

// Pixel (x, y) is a lit dot when its red component is below 64.
bool IsLitPixel(const QImage &scratch, int x, int y);

// Writes columns 0..width-1 and rows 0..height-1 of `out` (cut at the plane) from the scratch picture,
// one pixel per dot; positions outside the picture are dark.
void SampleScratch(const QImage &scratch, int width, int height, DotPlane &out);
