#pragma once

#include "preview/DotMask.h"
#include "preview/PixelCanvas.h"
#include "preview/PreviewGeometry.h"

#include <QRgb>

#include <cstdint>

#include <functional>
#include <span>

// The widest cell PaintDotRows lays out: two lanes of eight pixels (up to radius 6). Larger dots are few
// in any picture and are stamped one by one instead.
inline constexpr int LaidOutPitchLimit = 16;

// Dot rows whose inks are asked for at once: a band of the column-by-column dot buffers stays in cache.
inline constexpr int DotRowBand = 16;

// The two colours of one dot: its rim and its inside. The pixels around it are black.
struct DotInks {
    QRgb rim;
    QRgb fill;
};

// What a dot looks like, as a number of the caller's choosing: dots that look the same are drawn in the
// same inks. Plain numbers are compared and hashed a whole column of a band at a time, far cheaper than
// the inks themselves.
using DotLook = std::uint32_t;

// Fills the looks and the inks of the dots of rows `rows` (at most DotRowBand of them) and the columns
// PaintDotRows was given, column by column as the dot buffers lie: looks[(x - first column) * DotRowBand
// + y - rows.first], and inks likewise. Entries past the band's last row are never read as dots.
using BandDots = std::function<void(IndexRange rows, std::span<DotLook> looks, std::span<DotInks> inks)>;

// Writes every pixel of the picture once, line by line: a line that crosses the dots of a row in `rows`
// is laid out left to right, one pitch-wide cell per column in `columns` (black, then the dot's mask in
// that line, then black), and is black beyond them; every other line is black. A line whose cells look
// like an earlier line's of the same dot row (a round dot's lower half mirrors its upper one), or of an
// earlier row of its band whose dots all look the same, is copied from it. Each cell is written a few
// pixels at a time from masks of its line, so the picture is written at close to the speed of filling
// it, where stamping dot by dot over a filled picture visits every pixel twice and pays for each run of a
// few pixels on its own. The dots are asked for a band of rows at a time, so a caller can read its
// column-by-column dot buffers in their own order.
// Requires Pitch(view) <= LaidOutPitchLimit.
void PaintDotRows(const PixelCanvas &target, const ViewState &view, const DotMask &mask, IndexRange columns,
                  IndexRange rows, const BandDots &dots);
