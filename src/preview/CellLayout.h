#pragma once

#include "model/ProjectModel.h"
#include "preview/DotMask.h"

#include <QRgb>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The widest cell laid out line by line (up to radius 6). Larger dots are few in any picture and are
// stamped one by one instead.
inline constexpr int LaidOutPitchLimit = 16;

// How each line of a pitch-wide cell (black, then its dot's mask in that line, then black) is put
// together eight pixels at a time along a row of cells: each pixel picks its cell's rim, its fill or
// black, from the inks of the few cells the eight pixels cross. What to pick is worked out once per
// zoom level for every place the eight pixels can start in a cell, so a row of cells can be laid out
// from any pixel on, and from there with stores that never straddle two cache lines.
class CellLayout {
public:
    // For dots of `mask` whose box starts `inset` pixels into a cell `pitch` pixels wide and high.
    // Requires pitch <= LaidOutPitchLimit.
    CellLayout(const DotMask &mask, int pitch, int inset);

    // How far past the last cell a row's inks are read: eight pixels cross at most this many cells.
    static constexpr int InksReadAhead = 8;

    int pitch() const { return pitch_; }
    // Whether line `line` of the cell (0 at its top) is black all across.
    bool blank(int line) const { return lines_[static_cast<std::size_t>(line)].blank; }
    // The first line of the cell that looks like `line` (a round dot's lower half mirrors its upper one).
    int firstAlike(int line) const { return firstAlike_[static_cast<std::size_t>(line)]; }

    // Writes `count` pixels of line `line` of a row of cells, starting `phase` pixels into its first
    // cell, whose rims and fills start at `rims` and `fills`: each readable up to InksReadAhead cells
    // past the last one the pixels cross. Requires a line that is not blank.
    void layOut(QRgb *out, int count, int line, int phase, const QRgb *rims, const QRgb *fills) const;

    // Eight pixels of a line of cells: pixel i takes the rim (pick[i] < 8) or the fill (pick[i] - 8) of
    // cell firstCell + pick[i] % 8, or is black where keep[i] is 0. Held as plain words, read into
    // vectors whatever their alignment.
    struct PixelStep {
        std::array<std::uint32_t, 8> pick{};
        std::array<std::uint32_t, 8> keep{};
        int firstCell = 0;
    };

private:
    struct Line {
        std::vector<std::uint8_t> inks; // per pixel: 0 black, 1 rim, 2 fill; lines alike compare equal
        bool blank = true;
        // Eight pixels start at one of `pitch` places in a cell; the next eight start eight further on.
        // Those steps make cycles (one for an odd pitch), kept cycle after cycle, each in the order the
        // steps follow one another: firstCell counts from the cell where its cycle starts.
        std::vector<PixelStep> steps;
        std::vector<int> stepOfPhase;
    };

    void buildSteps(Line &line) const;

    int pitch_;
    // Steps in a cycle, and the cells eight pixels move on over a whole cycle.
    int cycleLength_;
    int cellsPerCycle_;
    std::vector<Line> lines_;
    std::vector<int> firstAlike_;
};

// The cell layout for the view's radius and gap, built once and kept while the view stays at (or returns
// to) that zoom level. Requires Pitch(view) <= LaidOutPitchLimit.
std::shared_ptr<const CellLayout> CellLayoutFor(const ViewState &view);
