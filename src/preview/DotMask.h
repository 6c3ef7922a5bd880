#pragma once

#include "preview/PixelCanvas.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// A run of pixels in one row of a dot, counted from the left edge of the dot's box.
struct MaskRun {
    int offset = 0;
    int length = 0;
    bool rim = false;
};

// The pixels of one preview dot of a given radius, row by row: which take the rim colour and which the
// fill colour. It is read off QPainter's own ellipse for that radius, so stamping it anywhere gives the
// very pixels QPainter draws there, while costing no more than the writes themselves. Kept as runs so
// that any radius fits, however far the view is zoomed in.
class DotMask {
public:
    // Requires radius >= 1.
    explicit DotMask(int radius);

    // Width and height of the dot's box: 2 * radius.
    int side() const { return side_; }
    std::span<const MaskRun> row(int dy) const
    {
        return {runs_.data() + rowStarts_[dy], runs_.data() + rowStarts_[dy + 1]};
    }

private:
    void appendRow(const QImage &probe, int probeRow);

    int side_ = 0;
    std::vector<MaskRun> runs_;
    // Index into runs_ of each row's first run, plus one past the last row.
    std::vector<std::size_t> rowStarts_ = {0};
};

// The mask for a radius, built once and kept while the view stays at (or returns to) that radius.
std::shared_ptr<const DotMask> DotMaskForRadius(int radius);

// Writes the dot whose box starts at topLeft into target, clipped to its edges.
void StampDot(const PixelCanvas &target, const DotMask &mask, QPoint topLeft, QRgb rim, QRgb fill);
