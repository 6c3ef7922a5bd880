#include "preview/MatrixRenderer.h"

#include "preview/DotMask.h"
#include "preview/DotRows.h"
#include "preview/PixelCanvas.h"
#include "preview/PreviewGeometry.h"
#include "preview/VectorClones.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr QRgb LitColour = QtColorOf(LedColorValue::White);
constexpr QRgb DarkFill = QtColorOf(LedColorValue::Black);
constexpr QRgb FloatingColour = QtColorOf(LedColorValue::Floating);
constexpr QRgb GridColour = QtColorOf(LedColorValue::GridLine);

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

// How a dot of the sign looks to PaintDotRows: dark in its module's colour (the colour itself, which
// has no bits above its 24), lit, or lit by the picture being placed. Equal looks are equal inks.
constexpr DotLook LitLook = 0x01000000u;
constexpr DotLook FloatingLook = 0x02000000u;

DotInks InksOfLook(DotLook look)
{
    switch (look) {
    case LitLook:
        return {LitColour, LitColour};
    case FloatingLook:
        return {FloatingColour, FloatingColour};
    default:
        return {QtColorOf(look), DarkFill};
    }
}

// A dot of the frame as the preview shows it: the picture being placed over its dark dots when `placing`.
DotLook SignDotLook(const ProjectModel &model, const std::uint8_t *frame, int x, int y, bool placing)
{
    if (frame[DotIndex(x, y)] == 1) {
        return LitLook;
    }
    return placing && PlacedPictureLit(model, x, y) ? FloatingLook : model.dotColor(x, y) & 0xFFFFFFu;
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
        const DotInks inks = InksOfLook(SignDotLook(model, frame, x, y, false));
        stamp(x, y, inks.rim, inks.fill);
    }

private:
    const PixelCanvas &target_;
    const ViewState &view_;
    std::shared_ptr<const DotMask> mask_;
};

// How far ahead of the column being read the next columns' dots are asked for.
constexpr std::size_t ColumnsAhead = 6;

// The looks and inks of DotRowBand dots in each of `columns` columns, from their lit bytes and module
// colours that start at `lit` and `colours` and lie `stride` dots apart from one column to the next: a
// column at a time, without a branch, as InksOfLook would give them (QtColorOf turns a colour into the
// picture's: red from the low byte, blue from the third).
VELMORA_VECTOR_CLONES void ColumnDots(const std::uint8_t *lit, const ColorRef *colours, std::size_t stride,
                                      int columns, DotLook *looks, DotInks *inks)
{
    using Column = std::uint32_t __attribute__((vector_size(4 * DotRowBand)));
    using LitBytes = std::uint8_t __attribute__((vector_size(DotRowBand)));
    static_assert(sizeof(DotInks) == 2 * sizeof(QRgb) && DotRowBand == 16);
    static_assert(QtColorOf(0x123456) == 0xFF563412u);
    constexpr Column FirstHalf = {0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23};
    constexpr Column SecondHalf = FirstHalf + 8;
    for (int x = 0; x < columns; ++x, lit += stride, colours += stride, looks += DotRowBand, inks += DotRowBand) {
        // Each column's band lies in cache lines of its own; asking for those of a column a few ahead
        // while this one is worked on keeps the reads from waiting on memory one column at a time.
        __builtin_prefetch(lit + ColumnsAhead * stride);
        __builtin_prefetch(colours + ColumnsAhead * stride);
        Column colour;
        LitBytes litBytes;
        std::memcpy(&colour, colours, sizeof colour);
        std::memcpy(&litBytes, lit, sizeof litBytes);
        const Column isLit = __builtin_convertvector(litBytes == 1, Column);
        const Column look = (isLit & LitLook) | (~isLit & colour & 0xFFFFFFu);
        const Column picture = 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
        const Column rim = (isLit & LitColour) | (~isLit & picture);
        const Column fill = (isLit & LitColour) | (~isLit & DarkFill);
        const Column first = __builtin_shuffle(rim, fill, FirstHalf);
        const Column second = __builtin_shuffle(rim, fill, SecondHalf);
        std::memcpy(looks, &look, sizeof look);
        std::memcpy(inks, &first, sizeof first);
        std::memcpy(inks + DotRowBand / 2, &second, sizeof second);
    }
}

// The looks and inks of the dots in `band` of `columns`, column by column as PaintDotRows asks for them.
void ReadBandDots(const ProjectModel &model, const std::uint8_t *frame, bool placing, IndexRange columns,
                  IndexRange band, std::span<DotLook> looks, std::span<DotInks> inks)
{
    const std::size_t stride = DotIndex(1, 0);
    if (!placing && band.first + DotRowBand <= MaxHeightDot) {
        // Rows of the dot buffers past the band's end are read too (and their looks never used): each
        // column holds every row a sign can have, so they lie inside it.
        ColumnDots(frame + DotIndex(columns.first, band.first), model.dotColorsDown(columns.first, band.first),
                   stride, columns.end - columns.first, looks.data(), inks.data());
        return;
    }
    std::size_t at = 0;
    for (int x = columns.first; x < columns.end; ++x, at += DotRowBand) {
        for (int y = band.first; y < band.end; ++y) {
            const std::size_t dot = at + static_cast<std::size_t>(y - band.first);
            looks[dot] = SignDotLook(model, frame, x, y, placing);
            inks[dot] = InksOfLook(looks[dot]);
        }
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
        PaintDotRows(
            target, view, stamper.mask(), columns, rows,
            [&](IndexRange band, std::span<DotLook> looks, std::span<DotInks> inks) {
                ReadBandDots(model, frame, placing, columns, band, looks, inks);
            });
        return;
    }
    image.fill(DarkFill);
    for (int y = rows.first; y < rows.end; ++y) {
        for (int x = columns.first; x < columns.end; ++x) {
            const DotInks inks = InksOfLook(SignDotLook(model, frame, x, y, placing));
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
