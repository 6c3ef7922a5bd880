#include "preview/DotRows.h"

#include "model/LedColors.h"
#include "preview/PixelRuns.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr QRgb Black = QtColorOf(LedColorValue::Black);

int FloorDivide(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Writes whole picture lines: black left of the cells and right of them, the part of the cells inside
// the picture laid out between.
class CellLinePainter {
public:
    CellLinePainter(const CellLayout &cell, int width, int cellsLeft, int cellCount)
        : cell_(cell), width_(width), from_(std::clamp(cellsLeft, 0, width)),
          to_(std::max(from_, std::min(cellsLeft + cellCount * cell.pitch(), width)))
    {
        if (to_ > from_) {
            firstCell_ = (from_ - cellsLeft) / cell.pitch();
            phase_ = (from_ - cellsLeft) % cell.pitch();
        }
    }

    void fillBlack(QRgb *out) const { FillPixels(out, width_, Black); }

    // Line `line` of the cells whose inks start at `rims` and `fills`.
    void paint(QRgb *out, int line, const QRgb *rims, const QRgb *fills) const
    {
        FillPixels(out, from_, Black);
        if (to_ > from_) {
            cell_.layOut(out + from_, to_ - from_, line, phase_, rims + firstCell_, fills + firstCell_);
        }
        FillPixels(out + to_, width_ - to_, Black);
    }

private:
    const CellLayout &cell_;
    int width_;
    int from_;
    int to_;
    int firstCell_ = 0;
    int phase_ = 0;
};

// The looks of a band of dot rows, row by row, and for each of its rows the first row of the band that
// looks the same (frames repeat rows: all dark between lines of text, a pattern), whose picture lines are
// then copies.
class DotBand {
public:
    explicit DotBand(int columns) : columns_(columns), rowStride_(WholeBlocks(columns))
    {
        looks_.resize(rowStride_ * DotRowBand);
    }

    void load(const BandDots &dots, IndexRange rows)
    {
        BandLooks band{looks_, rowStride_, {}};
        dots(rows, band);
        for (int r = 0; r < rows.end - rows.first; ++r) {
            int first = 0;
            while (first < r && !(firstAlike(first) == first && alike(band, first, r))) {
                ++first;
            }
            firstAlike_[static_cast<std::size_t>(r)] = first;
        }
    }

    int firstAlike(int r) const { return firstAlike_[static_cast<std::size_t>(r)]; }
    const DotLook *row(int r) const { return looks_.data() + static_cast<std::size_t>(r) * rowStride_; }

private:
    // Keys tell most rows apart at once; rows whose keys agree are compared dot by dot.
    bool alike(const BandLooks &band, int a, int b) const
    {
        return band.keys[static_cast<std::size_t>(a)] == band.keys[static_cast<std::size_t>(b)] &&
               std::memcmp(row(a), row(b), static_cast<std::size_t>(columns_) * sizeof(DotLook)) == 0;
    }

    static std::size_t WholeBlocks(int columns)
    {
        return static_cast<std::size_t>((columns + BandColumnBlock - 1) / BandColumnBlock * BandColumnBlock);
    }

    int columns_;
    std::size_t rowStride_;
    std::vector<DotLook> looks_;
    std::array<int, DotRowBand> firstAlike_{};
};

// The rims and fills of the dot row being laid out, worked out once for all its lines, with black past
// its last dot for the reads of the last few cells.
class RowInkBuffer {
public:
    RowInkBuffer(int columns, RowInks inks)
        : columns_(columns), inks_(inks),
          rims_(static_cast<std::size_t>(columns + CellLayout::InksReadAhead), Black), fills_(rims_)
    {
    }

    void fill(const DotLook *looks) { inks_(looks, columns_, rims_.data(), fills_.data()); }
    const QRgb *rims() const { return rims_.data(); }
    const QRgb *fills() const { return fills_.data(); }

private:
    int columns_;
    RowInks inks_;
    std::vector<QRgb> rims_;
    std::vector<QRgb> fills_;
};

} // namespace

void PaintDotRows(const PixelCanvas &target, const ViewState &view, const CellLayout &cell,
                  IndexRange columns, IndexRange rows, const BandDots &dots, RowInks inks)
{
    const int pitch = cell.pitch();
    const int columnCount = std::max(0, columns.end - columns.first);
    const CellLinePainter painter(cell, target.width(), view.ViewLeft + columns.first * pitch, columnCount);
    DotBand band(columnCount);
    RowInkBuffer rowInks(columnCount, inks);
    // Per picture line of a band: the line of its cell and the band row it crosses; the kind of line it is
    // (its band row's first look-alike and the first line of the cell like its own), or -1 for a black
    // line; the next line of the band of the same kind, or -1; whether it is written already.
    const std::size_t bandLines = static_cast<std::size_t>(DotRowBand * pitch);
    std::vector<int> cellLines(bandLines);
    std::vector<int> bandRows(bandLines);
    std::vector<int> kinds(bandLines);
    std::vector<int> nextAlike(bandLines);
    std::vector<int> lastOfKind(bandLines);
    std::vector<char> written(bandLines);

    // Picture line 0 lies in line `firstLine` of the cells of dot row `firstRow`.
    const int firstRow = FloorDivide(-view.ViewTop, pitch);
    const int firstLine = -view.ViewTop - firstRow * pitch;
    const int height = target.height();
    int py = 0;
    while (py < height) {
        const int y = firstRow + (firstLine + py) / pitch;
        if (y < rows.first || y >= rows.end || columnCount == 0) {
            painter.fillBlack(target.line(py));
            ++py;
            continue;
        }
        const int bandEnd = std::min(rows.end, y + DotRowBand);
        band.load(dots, {y, bandEnd});
        const int count = std::min(height, (bandEnd - firstRow) * pitch - firstLine) - py;
        for (int i = 0, line = (firstLine + py) % pitch, row = 0; i < count; ++i) {
            cellLines[static_cast<std::size_t>(i)] = line;
            bandRows[static_cast<std::size_t>(i)] = row;
            if (++line == pitch) {
                line = 0;
                ++row;
            }
        }
        std::fill(lastOfKind.begin(), lastOfKind.end(), -1);
        for (int i = count - 1; i >= 0; --i) {
            const std::size_t at = static_cast<std::size_t>(i);
            const int line = cellLines[at];
            kinds[at] = cell.blank(line) ? -1 : band.firstAlike(bandRows[at]) * pitch + cell.firstAlike(line);
            if (kinds[at] >= 0) {
                nextAlike[at] = std::exchange(lastOfKind[static_cast<std::size_t>(kinds[at])], i);
            }
        }
        std::fill(written.begin(), written.end(), 0);
        int inkedRow = -1;
        for (int i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(i);
            QRgb *out = target.line(py + i);
            if (kinds[at] < 0) {
                painter.fillBlack(out);
            } else if (!written[at]) {
                // A line not written yet is the first of its kind, so its row is the first of its look.
                if (bandRows[at] != inkedRow) {
                    inkedRow = bandRows[at];
                    rowInks.fill(band.row(inkedRow));
                }
                painter.paint(out, cellLines[at], rowInks.rims(), rowInks.fills());
                // The lines of the band that look the same are copied at once, from a line still in
                // cache, rather than each from a line laid out further back.
                for (int next = nextAlike[at]; next >= 0; next = nextAlike[static_cast<std::size_t>(next)]) {
                    CopyPixels(target.line(py + next), out, target.width());
                    written[static_cast<std::size_t>(next)] = 1;
                }
            }
        }
        py += count;
    }
}
