#pragma once

#include "preview/CellLayout.h"
#include "preview/PixelCanvas.h"
#include "preview/PreviewGeometry.h"

#include <QRgb>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Dot rows whose looks are asked for at once: a band of the column-by-column dot buffers stays in cache.
inline constexpr int DotRowBand = 16;

// What a dot looks like, as a number of the caller's choosing: dots that look the same are drawn in the
// same inks. Whole rows of plain numbers are compared far more cheaply than their inks.
using DotLook = std::uint32_t;

// A band's rows are kept in whole blocks of this many columns, so a caller may write them a block at a
// time.
inline constexpr int BandColumnBlock = 8;

// A band of dot rows as PaintDotRows asks for it. The caller fills `looks` row by row, the looks of the
// columns PaintDotRows was given: looks[(y - first row) * rowStride + x - first column]; entries past the
// band's last row or its last column (up to rowStride, a whole number of blocks) are never read as dots. It
// also fills a key per row, equal for rows whose looks are all equal; rows with equal keys are then compared
// in full, so a clash of keys costs a layout, never a wrong picture.
struct BandLooks {
    std::span<DotLook> looks;
    std::size_t rowStride = 0;
    std::array<std::uint32_t, DotRowBand> keys{};
};

using BandDots = std::function<void(IndexRange rows, BandLooks &band)>;

// The colours of `count` dots of one row from their looks: the rim of each in `rims` and its inside in
// `fills`. Every colour the preview draws with is opaque.
using RowInks = void (*)(const DotLook *looks, int count, QRgb *rims, QRgb *fills);

// Writes every pixel of the picture once, line by line: a line that crosses the dots of a row in `rows`
// is laid out left to right, one pitch-wide cell per column in `columns` (black, then the dot's mask in
// that line, then black), and is black beyond them; every other line is black. A line whose cells look
// like an earlier line's of the same dot row (a round dot's lower half mirrors its upper one), or of an
// earlier row of its band whose dots all look the same, is copied from it. Lines of cells are laid out as
// `cell` has it, so the picture is written at close to the speed of filling it, where stamping dot by
// dot over a filled picture visits every pixel twice and pays for each run of a few pixels on its own.
// The dots are asked for a band of rows at a time, so a caller can read its column-by-column dot buffers
// in their own order. `cell` is the view's (CellLayoutFor).
void PaintDotRows(const PixelCanvas &target, const ViewState &view, const CellLayout &cell,
                  IndexRange columns, IndexRange rows, const BandDots &dots, RowInks inks);
