#include "preview/CellLayout.h"

#include "model/LedColors.h"
#include "preview/PixelRuns.h"
#include "preview/PreviewGeometry.h"
#include "preview/RecentlyUsed.h"
#include "preview/VectorClones.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

constexpr QRgb Black = QtColorOf(LedColorValue::Black);
// Black is opacity alone, so or-ing it into an opaque ink keeps the ink and into nothing gives black.
static_assert(Black == 0xFF000000u);

// Eight pixels: one 256-bit store, as wide as a plain fill's.
using Pixels = std::uint32_t __attribute__((vector_size(32)));
constexpr int VectorPixels = 8;

enum Ink : std::uint8_t { BlackInk, RimInk, FillInk };

using PixelStep = CellLayout::PixelStep;
static_assert(sizeof(PixelStep::pick) == sizeof(Pixels) && sizeof(PixelStep::keep) == sizeof(Pixels));

// The steps of one cycle, and how many cells eight pixels move on over all of them.
struct StepCycle {
    const PixelStep *steps;
    int length;
    int cellsPerCycle;
};

// Eight pixels as a step picks them from the inks of the cells from rims[0] and fills[0] on.
[[gnu::always_inline]] inline void ComposePixels(const Pixels &pick, const Pixels &keep, const QRgb *rims,
                                                 const QRgb *fills, QRgb *out)
{
    Pixels rim;
    Pixels fill;
    std::memcpy(&rim, rims, sizeof rim);
    std::memcpy(&fill, fills, sizeof fill);
    const Pixels pixels = (__builtin_shuffle(rim, fill, pick) & keep) | Black;
    std::memcpy(out, &pixels, sizeof pixels);
}

[[gnu::always_inline]] inline void LoadStep(const PixelStep &step, Pixels &pick, Pixels &keep)
{
    std::memcpy(&pick, step.pick.data(), sizeof pick);
    std::memcpy(&keep, step.keep.data(), sizeof keep);
}

// Lays out as many whole cycles of `Length` steps as `count` pixels hold, from the cycle's first step
// on, with the steps' picks held in registers; answers how many pixels that was.
template <int Length>
[[gnu::always_inline]] inline int LayOutCycles(QRgb *out, int count, StepCycle cycle, const QRgb *rims,
                                               const QRgb *fills)
{
    Pixels picks[Length];
    Pixels keeps[Length];
    int cells[Length];
    for (int t = 0; t < Length; ++t) {
        LoadStep(cycle.steps[t], picks[t], keeps[t]);
        cells[t] = cycle.steps[t].firstCell;
    }
    constexpr int CyclePixels = Length * VectorPixels;
    int at = 0;
    for (; at + CyclePixels <= count; at += CyclePixels) {
#pragma GCC unroll 16
        for (int t = 0; t < Length; ++t) {
            ComposePixels(picks[t], keeps[t], rims + cells[t], fills + cells[t], out + at + t * VectorPixels);
        }
        rims += cycle.cellsPerCycle;
        fills += cycle.cellsPerCycle;
    }
    return at;
}

// The cycles laid out by LayOutCycles: those of the pitches the preview uses (2r + 1 up to radius 2,
// 2r + 3 on), odd pitches, whose one cycle has a step for every pixel of the cell.
using CyclesHeldInRegisters = std::integer_sequence<int, 3, 5, 9, 11, 13, 15>;

// LayOutCycles for a cycle of one of `Lengths`; none for another.
template <int... Lengths>
[[gnu::always_inline]] inline int LayOutWholeCycles(std::integer_sequence<int, Lengths...>, QRgb *out,
                                                    int count, StepCycle cycle, const QRgb *rims,
                                                    const QRgb *fills)
{
    int done = 0;
    static_cast<void>((
        (cycle.length == Lengths && ((done = LayOutCycles<Lengths>(out, count, cycle, rims, fills)), true)) ||
        ...));
    return done;
}

// Lays out `count` pixels from step `first` of `cycle` on, whose first cell's inks are rims[0] and
// fills[0]: step by step up to the cycle's start, whole cycles from there, step by step after them.
VELMORA_VECTOR_CLONES void LayOutSteps(QRgb *out, int count, StepCycle cycle, int first, const QRgb *rims,
                                       const QRgb *fills)
{
    const PixelStep *step = cycle.steps + first;
    const PixelStep *const end = cycle.steps + cycle.length;
    // Steps count their cells from their cycle's first cell, which lies `before` cells before this row's
    // first (never more than a cycle's cells, and only until the cycle comes round again).
    std::ptrdiff_t before = -step->firstCell;
    int at = 0;
    const auto layOutStep = [&](int pixels) {
        Pixels pick;
        Pixels keep;
        LoadStep(*step, pick, keep);
        QRgb scratch[VectorPixels];
        QRgb *to = pixels == VectorPixels ? out + at : scratch;
        const std::ptrdiff_t cell = before + step->firstCell;
        ComposePixels(pick, keep, rims + cell, fills + cell, to);
        if (to == scratch) {
            std::memcpy(out + at, scratch, static_cast<std::size_t>(pixels) * sizeof(QRgb));
        }
        at += pixels;
        if (++step == end) {
            step = cycle.steps;
            before += cycle.cellsPerCycle;
        }
    };
    while (step != cycle.steps && at + VectorPixels <= count) {
        layOutStep(VectorPixels);
    }
    if (step == cycle.steps) {
        const int done = LayOutWholeCycles(CyclesHeldInRegisters{}, out + at, count - at, cycle,
                                           rims + before, fills + before);
        before += done / (cycle.length * VectorPixels) * cycle.cellsPerCycle;
        at += done;
    }
    while (at + VectorPixels <= count) {
        layOutStep(VectorPixels);
    }
    if (at < count) {
        layOutStep(count - at);
    }
}

// Radii kept at once, as for the dots' masks.
constexpr std::size_t CachedLayouts = 4;

} // namespace

CellLayout::CellLayout(const DotMask &mask, int pitch, int inset)
    : pitch_(pitch), cycleLength_(pitch / std::gcd(pitch, VectorPixels)),
      cellsPerCycle_(VectorPixels / std::gcd(pitch, VectorPixels)), lines_(static_cast<std::size_t>(pitch))
{
    for (int y = 0; y < pitch; ++y) {
        Line &line = lines_[static_cast<std::size_t>(y)];
        line.inks.assign(static_cast<std::size_t>(pitch), BlackInk);
        const int dy = y - inset;
        if (dy >= 0 && dy < mask.side()) {
            for (const MaskRun &run : mask.row(dy)) {
                std::fill_n(line.inks.begin() + inset + run.offset, run.length, run.rim ? RimInk : FillInk);
            }
        }
        line.blank =
            std::all_of(line.inks.begin(), line.inks.end(), [](std::uint8_t ink) { return ink == BlackInk; });
        const auto same = std::find_if(lines_.begin(), lines_.end(),
                                       [&](const Line &other) { return other.inks == line.inks; });
        firstAlike_.push_back(static_cast<int>(same - lines_.begin()));
        if (firstAlike_.back() == y && !line.blank) {
            buildSteps(line);
        }
    }
}

void CellLayout::buildSteps(Line &line) const
{
    const int cycles = pitch_ / cycleLength_;
    line.stepOfPhase.resize(static_cast<std::size_t>(pitch_));
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (int k = 0; k < cycleLength_; ++k) {
            const int start = cycle + k * VectorPixels;
            PixelStep step;
            step.firstCell = start / pitch_;
            for (std::size_t i = 0; i < VectorPixels; ++i) {
                const int pixel = start + static_cast<int>(i);
                const std::uint8_t ink = line.inks[static_cast<std::size_t>(pixel % pitch_)];
                step.pick[i] = static_cast<std::uint32_t>(pixel / pitch_ - step.firstCell +
                                                          (ink == FillInk ? VectorPixels : 0));
                step.keep[i] = ink == BlackInk ? 0u : ~0u;
            }
            line.stepOfPhase[static_cast<std::size_t>(start % pitch_)] = static_cast<int>(line.steps.size());
            line.steps.push_back(step);
        }
    }
}

void CellLayout::layOut(QRgb *out, int count, int line, int phase, const QRgb *rims, const QRgb *fills) const
{
    const Line &steps = lines_[static_cast<std::size_t>(firstAlike(line))];
    const auto layOutFrom = [&](QRgb *from, int pixels, int at) {
        const int step = steps.stepOfPhase[static_cast<std::size_t>(at)];
        const int cycle = step / cycleLength_ * cycleLength_;
        LayOutSteps(from, pixels, {steps.steps.data() + cycle, cycleLength_, cellsPerCycle_}, step - cycle,
                    rims, fills);
    };
    // The few pixels up to the first 256-bit boundary go first, so that every later store fills whole
    // cache lines' halves, as a plain fill's do.
    const int head = PixelsBeforeAlignment(out, count);
    if (head > 0) {
        layOutFrom(out, head, phase);
        const int cellsOn = (phase + head) / pitch_;
        rims += cellsOn;
        fills += cellsOn;
        phase = (phase + head) % pitch_;
    }
    if (count > head) {
        layOutFrom(out + head, count - head, phase);
    }
}

std::shared_ptr<const CellLayout> CellLayoutFor(const ViewState &view)
{
    static RecentlyUsed<std::pair<int, int>, CellLayout> layouts(CachedLayouts);
    return layouts.get({view.DotRadius, view.DotGap}, [&view](const std::pair<int, int> &) {
        return std::make_shared<const CellLayout>(*DotMaskForRadius(view.DotRadius), Pitch(view),
                                                  DotBox(view, 0, 0).left() - view.ViewLeft);
    });
}
