#include "preview/MatrixRenderer.h"

#include "preview/DotMask.h"
#include "preview/DotRows.h"
#include "preview/PixelCanvas.h"
#include "preview/PreviewGeometry.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr QRgb LitColour = QtColorOf(LedColorValue::White);
constexpr QRgb DarkFill = QtColorOf(LedColorValue::Black);
constexpr QRgb FloatingColour = QtColorOf(LedColorValue::Floating);
constexpr QRgb GridColour = QtColorOf(LedColorValue::GridLine);

// What a dot of the frame is drawn in: lit white, dark black with its module's colour as rim.
inline DotInks FrameDotInks(const ProjectModel &model, const std::uint8_t *frame, int x, int y)
{
    const bool lit = frame[DotIndex(x, y)] == 1;
    return {lit ? LitColour : QtColorOf(model.dotColor(x, y)), lit ? LitColour : DarkFill};
}

class DotStamper {
public:
    DotStamper(const PixelCanvas &target, const ViewState &view)
        : target_(target), view_(view), mask_(DotMaskForRadius(view.DotRadius))
    {
    }

    const DotMask &mask() const { return *mask_; }

    void stamp(int x, int y, QRgb rim, QRgb fill) const
    {
        StampDot(target_, *mask_, DotBox(view_, x, y).topLeft(), rim, fill);
    }

    void stampFrameDot(const ProjectModel &model, const std::uint8_t *frame, int x, int y) const
    {
        const DotInks inks = FrameDotInks(model, frame, x, y);
        stamp(x, y, inks.rim, inks.fill);
    }

private:
    const PixelCanvas &target_;
    const ViewState &view_;
    std::shared_ptr<const DotMask> mask_;
};

// A picture being placed or a floating region shows only while there is a frame to put it in.
bool ShowsPictureOverFrame(const ProjectModel &model)
{
    return model.FrameCount > 0;
}

bool PlacedPictureLit(const ProjectModel &model, int x, int y)
{
    const ToolState &tools = model.Tools;
    return tools.PlaceMode && ShowsPictureOverFrame(model) && x >= tools.PlaceCol && y >= tools.PlaceRow &&
           model.FloatDots.atOrDark(x - tools.PlaceCol, y - tools.PlaceRow) == 1;
}

// A dot of the frame as the preview shows it: the picture being placed over its dark dots when `placing`.
DotInks SignDotInks(const ProjectModel &model, const std::uint8_t *frame, int x, int y, bool placing)
{
    return placing && frame[DotIndex(x, y)] != 1 && PlacedPictureLit(model, x, y)
               ? DotInks{FloatingColour, FloatingColour}
               : FrameDotInks(model, frame, x, y);
}

// The inks of DotRowBand dots of one column from their lit bytes and module colours: lit white, dark black
// with the module's colour as rim. Four dots at a time, without a branch, as QtColorOf turns a colour
// into the picture's (red from the low byte, blue from the third).
void ColumnInks(const std::array<std::uint8_t, DotRowBand> &lit, const std::array<ColorRef, DotRowBand> &colours,
                DotInks *out)
{
    using Quad = std::uint32_t __attribute__((vector_size(16)));
    using QuadBytes = std::uint8_t __attribute__((vector_size(4)));
    static_assert(sizeof(DotInks) == 2 * sizeof(QRgb) && DotRowBand % 4 == 0);
    static_assert(QtColorOf(0x123456) == 0xFF563412u);
    for (std::size_t q = 0; q < DotRowBand; q += 4) {
        Quad colour;
        QuadBytes litBytes;
        std::memcpy(&colour, &colours[q], sizeof colour);
        std::memcpy(&litBytes, &lit[q], sizeof litBytes);
        const Quad isLit = (Quad)(__builtin_convertvector(litBytes, Quad) == 1u);
        const Quad picture = 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
        const Quad rim = (isLit & LitColour) | (~isLit & picture);
        const Quad fill = (isLit & LitColour) | (~isLit & DarkFill);
        const Quad firstTwo = __builtin_shuffle(rim, fill, Quad{0, 4, 1, 5});
        const Quad lastTwo = __builtin_shuffle(rim, fill, Quad{2, 6, 3, 7});
        std::memcpy(out + q, &firstTwo, sizeof firstTwo);
        std::memcpy(out + q + 2, &lastTwo, sizeof lastTwo);
    }
}

// How far ahead of the column being read the next columns' dots are asked for.
constexpr std::size_t ColumnsAhead = 6;

// The inks of the dots in `band` of `columns`, column by column as PaintDotRows asks for them.
void ReadBandInks(const ProjectModel &model, const std::uint8_t *frame, bool placing, IndexRange columns,
                  IndexRange band, std::span<DotInks> inks)
{
    DotInks *dot = inks.data();
    const int count = band.end - band.first;
    for (int x = columns.first; x < columns.end; ++x, dot += DotRowBand) {
        if (placing) {
            for (int y = band.first; y < band.end; ++y) {
                dot[y - band.first] = SignDotInks(model, frame, x, y, true);
            }
            continue;
        }
        // A band's dots are read into local arrays (a short band's last rows left dark), a whole band with
        // a size known here, which is a couple of moves rather than a call.
        std::array<std::uint8_t, DotRowBand> lit{};
        std::array<ColorRef, DotRowBand> colours{};
        const std::uint8_t *litFrom = frame + DotIndex(x, band.first);
        const ColorRef *colourFrom = model.dotColorsDown(x, band.first);
        // Each column's band lies in cache lines of its own; asking for those of a column a few ahead
        // while this one is worked on keeps the reads from waiting on memory one column at a time.
        __builtin_prefetch(litFrom + ColumnsAhead * DotIndex(1, 0));
        __builtin_prefetch(colourFrom + ColumnsAhead * DotIndex(1, 0));
        if (count == DotRowBand) {
            std::memcpy(lit.data(), litFrom, sizeof lit);
            std::memcpy(colours.data(), colourFrom, sizeof colours);
        } else {
            std::copy_n(litFrom, count, lit.begin());
            std::copy_n(colourFrom, count, colours.begin());
        }
        ColumnInks(lit, colours, dot);
    }
}

// The dots of frame slot `frameSlot`, with the picture being placed over its dark dots when `withPlacing`,
// and black everywhere else: every pixel of the picture is written.
void DrawSignDots(QImage &image, const PixelCanvas &target, const ProjectModel &model, const DotStamper &stamper,
                  int frameSlot, bool withPlacing)
{
    const ViewState &view = model.View;
    const IndexRange columns = Intersect(VisibleColumns(view, target.width()), {0, model.WidthDot});
    const IndexRange rows = Intersect(VisibleRows(view, target.height()), {0, model.HeightDot});
    const std::uint8_t *frame = model.FrameDots.frame(frameSlot);
    const bool placing = withPlacing && model.Tools.PlaceMode;
    if (Pitch(view) <= LaidOutPitchLimit) {
        PaintDotRows(target, view, stamper.mask(), columns, rows, [&](IndexRange band, std::span<DotInks> inks) {
            ReadBandInks(model, frame, placing, columns, band, inks);
        });
        return;
    }
    image.fill(DarkFill);
    for (int y = rows.first; y < rows.end; ++y) {
        for (int x = columns.first; x < columns.end; ++x) {
            const DotInks inks = SignDotInks(model, frame, x, y, placing);
            stamper.stamp(x, y, inks.rim, inks.fill);
        }
    }
}

// The lifted region follows the drag rectangle wherever it goes, over the sign's edge too.
void DrawLiftedRegion(const PixelCanvas &target, const ProjectModel &model, const DotStamper &stamper)
{
    if (!ShowsPictureOverFrame(model)) {
        return;
    }
    const ViewState &view = model.View;
    const ToolState &tools = model.Tools;
    const int pitch = Pitch(view);
    const int col0 = (tools.DragRect.Left - view.ViewLeft) / pitch;
    const int row0 = (tools.DragRect.Top - view.ViewTop) / pitch;
    const IndexRange columns =
        Intersect(VisibleColumns(view, target.width()), {col0, col0 + tools.RegionWidth});
    const IndexRange rows = Intersect(VisibleRows(view, target.height()), {row0, row0 + tools.RegionHeight});
    for (int y = rows.first; y < rows.end; ++y) {
        for (int x = columns.first; x < columns.end; ++x) {
            if (model.FloatDots.atOrDark(x - col0, y - row0) == 1) {
                stamper.stamp(x, y, FloatingColour, FloatingColour);
            }
        }
    }
}

// Like the platform's line drawing, each line stops one pixel short of its end point.
void DrawGridLines(const PixelCanvas &target, const ProjectModel &model)
{
    const ViewState &view = model.View;
    const int spacing = GridStep * Pitch(view);

    const IndexRange verticals = VisibleGridColumns(view, model.WidthDot, target.width());
    const int top = std::max(0, view.ViewTop);
    const int bottom = std::min(target.height(), view.ViewTop + view.ViewHeight);
    for (int k = verticals.first; k < verticals.end; ++k) {
        const int x = view.ViewLeft + k * spacing;
        for (int y = top; y < bottom; ++y) {
            target.line(y)[x] = GridColour;
        }
    }

    const IndexRange horizontals = VisibleGridRows(view, model.HeightDot, target.height());
    const int left = std::max(0, view.ViewLeft);
    const int right = std::max(left, std::min(target.width(), view.ViewLeft + view.ViewWidth));
    for (int k = horizontals.first; k < horizontals.end; ++k) {
        QRgb *line = target.line(view.ViewTop + k * spacing);
        std::fill(line + left, line + right, GridColour);
    }
}

// What lies over the frame: the editing state's placed picture and lifted region, or nothing, as on the
// sign.
enum class Overlays { Editing, None };

void DrawView(QImage &target, ProjectModel &model, int hScroll, int vScroll, int frameSlot, Overlays overlays)
{
    PlaceView(model, target.size(), hScroll, vScroll);
    const PixelCanvas canvas(target);
    const DotStamper stamper(canvas, model.View);
    DrawSignDots(target, canvas, model, stamper, frameSlot, overlays == Overlays::Editing);
    if (overlays == Overlays::Editing && model.Tools.RegionFloat) {
        DrawLiftedRegion(canvas, model, stamper);
    }
    if (model.View.DotGap > 2) {
        DrawGridLines(canvas, model);
    }
}

} // namespace

void DrawMatrix(QImage &target, ProjectModel &model, int hScroll, int vScroll)
{
    DrawView(target, model, hScroll, vScroll, model.CurFrame, Overlays::Editing);
}

void DrawSignFrame(QImage &target, ProjectModel &model, int frameSlot, int hScroll, int vScroll)
{
    DrawView(target, model, hScroll, vScroll, frameSlot, Overlays::None);
}

void DrawDot(QImage &target, const ProjectModel &model, int x, int y)
{
    const PixelCanvas canvas(target);
    DotStamper(canvas, model.View).stampFrameDot(model, model.FrameDots.frame(model.CurFrame), x, y);
}
