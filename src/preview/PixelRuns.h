#pragma once

#include <QRgb>

// Runs of picture pixels written as a plain fill of the picture writes them: with the widest stores the
// processor has, each inside one half of a cache line, so whole lines of the preview cost no more than
// filling them.

// Writes `count` pixels of one colour from `out` on.
void FillPixels(QRgb *out, int count, QRgb colour);

// Copies `count` pixels from `from` (a line of the same picture, best one still in cache) to `out`.
void CopyPixels(QRgb *out, const QRgb *from, int count);

// Pixels from `out` to the next 256-bit boundary, at most `count`: stores that straddle two cache lines
// cost two, so runs write these few on their own first.
int PixelsBeforeAlignment(const QRgb *out, int count);
