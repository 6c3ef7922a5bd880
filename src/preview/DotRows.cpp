#include "preview/DotRows.h"

#include "model/LedColors.h"
#include "preview/VectorClones.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr QRgb Black = QtColorOf(LedColorValue::Black);

// Eight pixels, written with one store where the processor has 256-bit vectors: a cell of up to eight
// pixels (up to radius 3) takes a single store, and writing is most of a cell's cost.
using Lanes = std::uint32_t __attribute__((vector_size(32)));
constexpr int LanePixels = 8;

// Writes `count` pixels of one colour. Whole stretches of black (margins, the gaps between dot rows) are
// most of a picture's pixels, so they are written with the widest stores the processor has, as a plain
// fill of the picture is; a copy from a black line would read as many bytes as it writes.
VELMORA_VECTOR_CLONES void FillPixels(QRgb *out, int count, QRgb colour)
{
    using Wide = std::uint32_t __attribute__((vector_size(32)));
    constexpr int WidePixels = 8;
    const Wide pixels = {colour, colour, colour, colour, colour, colour, colour, colour};
    int at = 0;
    for (; at + 2 * WidePixels <= count; at += 2 * WidePixels) {
        std::memcpy(out + at, &pixels, sizeof pixels);
        std::memcpy(out + at + WidePixels, &pixels, sizeof pixels);
    }
    for (; at < count; ++at) {
        out[at] = colour;
    }
}

// One line of a pitch-wide cell as lane masks: the pixels that take the rim, those that take the fill,
// and the black of the others. Held in place, so the cell's lines take one allocation, and as plain
// words, read into vectors whatever their alignment.
constexpr std::size_t MaxLanes = LaidOutPitchLimit / LanePixels;
using LaneWords = std::array<std::uint32_t, MaxLanes * LanePixels>;

struct CellLine {
    std::size_t lanes = 0;
    LaneWords rim{};
    LaneWords fill{};
    LaneWords black{};
    std::array<std::uint8_t, LaidOutPitchLimit> inks{}; // 0 black, 1 rim, 2 fill: lines alike compare equal
    bool blank = true;
};

std::vector<CellLine> CellLines(const DotMask &mask, int pitch, int inset)
{
    const std::size_t lanes = static_cast<std::size_t>((pitch + LanePixels - 1) / LanePixels);
    std::vector<CellLine> lines(static_cast<std::size_t>(pitch));
    for (int line = 0; line < pitch; ++line) {
        CellLine &cell = lines[static_cast<std::size_t>(line)];
        cell.lanes = lanes;
        const int dy = line - inset;
        if (dy >= 0 && dy < mask.side()) {
            for (const MaskRun &run : mask.row(dy)) {
                std::fill_n(cell.inks.begin() + inset + run.offset, run.length, run.rim ? 1 : 2);
            }
        }
        for (int k = 0; k < pitch; ++k) {
            const std::uint8_t ink = cell.inks[static_cast<std::size_t>(k)];
            const std::size_t at = static_cast<std::size_t>(k);
            cell.rim[at] = ink == 1 ? ~0u : 0u;
            cell.fill[at] = ink == 2 ? ~0u : 0u;
            cell.black[at] = ink == 0 ? Black : 0u;
            cell.blank = cell.blank && ink == 0;
        }
    }
    return lines;
}

// For each line of the cell, the first line of the cell that looks the same.
std::vector<int> FirstAlike(const std::vector<CellLine> &lines)
{
    std::vector<int> first(lines.size());
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const auto same = std::find_if(lines.begin(), lines.end(),
                                       [&](const CellLine &other) { return other.inks == lines[line].inks; });
        first[line] = static_cast<int>(same - lines.begin());
    }
    return first;
}

int FloorDivide(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The inks of one dot row inside a band kept column by column: dot i at first[i * stride].
struct InkRow {
    const DotInks *first = nullptr;
    int count = 0;
    int stride = 1;

    InkRow part(int from, int cells) const { return {first + from * stride, cells, stride}; }
};

// Lays the cells of one line out into `cells`, which has room for every cell plus one lane. A cell's
// last lane may reach into the next cell, which is written after it. The cell's `Lanes` are known at
// compile time, so its masks stay in registers and the loop over them unrolls.
template <std::size_t Count>
[[gnu::always_inline]] inline void LayOutCells(QRgb *cells, int pitch, const CellLine &line, InkRow inks)
{
    Lanes rimMasks[Count];
    Lanes fillMasks[Count];
    Lanes blacks[Count];
    for (std::size_t lane = 0; lane < Count; ++lane) {
        std::memcpy(&rimMasks[lane], &line.rim[lane * LanePixels], sizeof(Lanes));
        std::memcpy(&fillMasks[lane], &line.fill[lane * LanePixels], sizeof(Lanes));
        std::memcpy(&blacks[lane], &line.black[lane * LanePixels], sizeof(Lanes));
    }
    const DotInks *dot = inks.first;
    for (int i = 0; i < inks.count; ++i, dot += inks.stride) {
        const Lanes rim = Lanes{} + dot->rim;
        const Lanes fill = Lanes{} + dot->fill;
        for (std::size_t lane = 0; lane < Count; ++lane) {
            const Lanes pixels = (rimMasks[lane] & rim) | (fillMasks[lane] & fill) | blacks[lane];
            std::memcpy(cells + lane * LanePixels, &pixels, sizeof pixels);
        }
        cells += pitch;
    }
}

VELMORA_VECTOR_CLONES void LayOutLine(QRgb *cells, int pitch, const CellLine &line, InkRow inks)
{
    if (line.lanes == 1) {
        LayOutCells<1>(cells, pitch, line, inks);
    } else {
        LayOutCells<MaxLanes>(cells, pitch, line, inks);
    }
}

// Writes whole picture lines of cells: black left of the first cell and right of the last, the cells
// between. Cells whose lanes stay inside the line are laid out in place; the few at its ends, cut by its
// edges or reaching past them with their last lane, go through a scratch cell first.
class CellLinePainter {
public:
    CellLinePainter(int width, int pitch, int cellsLeft, int cellCount, std::size_t lanes)
        : width_(width), pitch_(pitch), cellsLeft_(cellsLeft), cellCount_(cellCount),
          scratch_(lanes * LanePixels)
    {
        const int laneWidth = static_cast<int>(lanes) * LanePixels;
        firstInside_ = std::clamp(cellsLeft < 0 ? (-cellsLeft + pitch - 1) / pitch : 0, 0, cellCount);
        const int room = width - laneWidth - cellsLeft;
        endInside_ = std::clamp(room < 0 ? 0 : room / pitch + 1, firstInside_, cellCount);
    }

    void fillBlack(QRgb *out) const { FillPixels(out, width_, Black); }

    void paint(QRgb *out, const CellLine &line, InkRow inks)
    {
        const int from = std::clamp(cellsLeft_, 0, width_);
        const int to = std::clamp(cellsLeft_ + cellCount_ * pitch_, 0, width_);
        FillPixels(out, from, Black);
        for (int cell = 0; cell < firstInside_; ++cell) {
            paintAtEdge(out, line, inks, cell);
        }
        if (endInside_ > firstInside_) {
            LayOutLine(out + cellsLeft_ + firstInside_ * pitch_, pitch_, line,
                       inks.part(firstInside_, endInside_ - firstInside_));
        }
        for (int cell = endInside_; cell < cellCount_; ++cell) {
            paintAtEdge(out, line, inks, cell);
        }
        FillPixels(out + to, width_ - to, Black);
    }

private:
    static std::size_t bytes(int pixels) { return static_cast<std::size_t>(pixels) * sizeof(QRgb); }

    void paintAtEdge(QRgb *out, const CellLine &line, InkRow inks, int cell)
    {
        LayOutLine(scratch_.data(), pitch_, line, inks.part(cell, 1));
        const int left = cellsLeft_ + cell * pitch_;
        const int from = std::max(0, left);
        const int to = std::min(width_, left + pitch_);
        if (from < to) {
            std::memcpy(out + from, scratch_.data() + (from - left), bytes(to - from));
        }
    }

    int width_;
    int pitch_;
    int cellsLeft_;
    int cellCount_;
    int firstInside_ = 0;
    int endInside_ = 0;
    std::vector<QRgb> scratch_;
};

// A whole column of a band's looks, one lane per row.
using ColumnLooks = std::uint32_t __attribute__((vector_size(4 * DotRowBand)));
static_assert(sizeof(ColumnLooks) == DotRowBand * sizeof(DotLook));
using RowIndices = std::array<int, DotRowBand>;

// For each of the `count` rows of a band, the first row of the band whose dots all look the same, from
// the looks of `columns` columns laid out column by column. A key per row, hashed a whole column at a
// time, proposes for each row the first row with its key; one more pass over the columns, comparing each
// column with itself reordered by those proposals, keeps only the proposals that hold for every dot. A
// row whose proposal fails stands on its own, so a clash of keys costs a layout, never a wrong picture.
// Rows past `count` in each column are hashed and compared too, which keeps the loops free of the band's
// length, and their results are not used.
VELMORA_VECTOR_CLONES void FindAlikeRows(const DotLook *looks, int columns, int count, RowIndices &firstAlike)
{
    ColumnLooks keys{};
    for (int x = 0; x < columns; ++x) {
        ColumnLooks column;
        std::memcpy(&column, looks + x * DotRowBand, sizeof column);
        keys = ((keys << 7) | (keys >> 25)) ^ (column * 0x9E3779B1u);
    }
    ColumnLooks proposal{};
    for (int r = 0; r < count; ++r) {
        int first = 0;
        while (keys[first] != keys[r]) {
            ++first;
        }
        proposal[r] = static_cast<std::uint32_t>(first);
    }
    ColumnLooks differs{};
    for (int x = 0; x < columns; ++x) {
        ColumnLooks column;
        std::memcpy(&column, looks + x * DotRowBand, sizeof column);
        differs |= column ^ __builtin_shuffle(column, proposal);
    }
    for (int r = 0; r < count; ++r) {
        firstAlike[static_cast<std::size_t>(r)] = differs[r] == 0 ? static_cast<int>(proposal[r]) : r;
    }
}

// The looks and inks of a band of dot rows, column by column, and for each of its rows the first row of
// the band that looks the same (frames repeat rows: all dark between lines of text, a pattern), whose
// picture lines are then copies.
class DotBand {
public:
    explicit DotBand(int columns)
        : columns_(columns), looks_(static_cast<std::size_t>(columns * DotRowBand)),
          inks_(static_cast<std::size_t>(columns * DotRowBand))
    {
    }

    void load(const BandDots &dots, IndexRange rows)
    {
        dots(rows, looks_, inks_);
        FindAlikeRows(looks_.data(), columns_, rows.end - rows.first, firstAlike_);
    }

    int firstAlike(int r) const { return firstAlike_[static_cast<std::size_t>(r)]; }
    InkRow row(int r) const { return {inks_.data() + r, columns_, DotRowBand}; }

private:
    int columns_;
    std::vector<DotLook> looks_;
    std::vector<DotInks> inks_;
    RowIndices firstAlike_{};
};

} // namespace

void PaintDotRows(const PixelCanvas &target, const ViewState &view, const DotMask &mask, IndexRange columns,
                  IndexRange rows, const BandDots &dots)
{
    const int pitch = Pitch(view);
    // A dot's box starts as far into its cell across as down.
    const int inset = DotBox(view, 0, 0).left() - view.ViewLeft;
    const std::vector<CellLine> cell = CellLines(mask, pitch, inset);
    const std::vector<int> alike = FirstAlike(cell);
    const int columnCount = std::max(0, columns.end - columns.first);
    CellLinePainter painter(target.width(), pitch, view.ViewLeft + columns.first * pitch, columnCount,
                            cell.front().lanes);
    const std::size_t lineBytes = static_cast<std::size_t>(target.width()) * sizeof(QRgb);
    DotBand band(columnCount);
    // Per picture line of a band: the kind of line it is (its band row's first look-alike and the first
    // line of the cell like its own), or -1 for a black line; the next line of the band of the same kind,
    // or -1; whether it is written already.
    const std::size_t bandLines = static_cast<std::size_t>(DotRowBand * pitch);
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
        std::fill(lastOfKind.begin(), lastOfKind.end(), -1);
        for (int i = count - 1; i >= 0; --i) {
            const int line = (firstLine + py + i) % pitch;
            const int row = firstRow + (firstLine + py + i) / pitch - y;
            const std::size_t at = static_cast<std::size_t>(i);
            kinds[at] = cell[static_cast<std::size_t>(line)].blank
                            ? -1
                            : band.firstAlike(row) * pitch + alike[static_cast<std::size_t>(line)];
            if (kinds[at] >= 0) {
                nextAlike[at] = std::exchange(lastOfKind[static_cast<std::size_t>(kinds[at])], i);
            }
        }
        std::fill(written.begin(), written.end(), 0);
        for (int i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(i);
            QRgb *out = target.line(py + i);
            if (kinds[at] < 0) {
                painter.fillBlack(out);
            } else if (!written[at]) {
                const int line = (firstLine + py + i) % pitch;
                const int row = firstRow + (firstLine + py + i) / pitch - y;
                painter.paint(out, cell[static_cast<std::size_t>(line)], band.row(band.firstAlike(row)));
                // The lines of the band that look the same are copied at once, from a line still in
                // cache, rather than each from a line laid out further back.
                for (int next = nextAlike[at]; next >= 0; next = nextAlike[static_cast<std::size_t>(next)]) {
                    std::memcpy(target.line(py + next), out, lineBytes);
                    written[static_cast<std::size_t>(next)] = 1;
                }
            }
        }
        py += count;
    }
}
