#include "preview/MatrixRenderer.h"

#include "preview/DotLooks.h"
#include "preview/DotMask.h"
#include "preview/DotRows.h"
#include "preview/PixelCanvas.h"
#include "preview/PixelRuns.h"
#include "preview/PreviewGeometry.h"

#include <algorithm>

namespace {

constexpr QRgb DarkFill = QtColorOf(LedColorValue::Black);
constexpr QRgb FloatingColour = QtColorOf(LedColorValue::Floating);
constexpr QRgb GridColour = QtColorOf(LedColorValue::GridLine);

class DotStamper {
public:
    DotStamper(const PixelCanvas &target, const ViewState &view)
        : target_(target), view_(view), mask_(DotMaskForRadius(view.DotRadius))
    {
    }

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

// The dots of frame slot `frameSlot`, with the picture being placed over its dark dots when `withPlacing`,
// and black everywhere else: every pixel of the picture is written.
void DrawSignDots(QImage &image, const PixelCanvas &target, const ProjectModel &model,
                  const DotStamper &stamper, int frameSlot, bool withPlacing)
{
    const ViewState &view = model.View;
    const IndexRange columns = Intersect(VisibleColumns(view, target.width()), {0, model.WidthDot});
    const IndexRange rows = Intersect(VisibleRows(view, target.height()), {0, model.HeightDot});
    const std::uint8_t *frame = model.FrameDots.frame(frameSlot);
    const bool placing = withPlacing && model.Tools.PlaceMode;
    if (Pitch(view) <= LaidOutPitchLimit) {
        PaintDotRows(
            target, view, *CellLayoutFor(view), columns, rows,
            [&](IndexRange band, BandLooks &looks) {
                ReadBandLooks(model, frame, placing, columns, band, looks);
            },
            RowInksOfLooks);
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
    // Line by line rather than down each grid line, so the picture is visited in the order it lies.
    for (int y = top; y < bottom; ++y) {
        QRgb *line = target.line(y);
        for (int k = verticals.first; k < verticals.end; ++k) {
            line[view.ViewLeft + k * spacing] = GridColour;
        }
    }

    const IndexRange horizontals = VisibleGridRows(view, model.HeightDot, target.height());
    const int left = std::max(0, view.ViewLeft);
    const int right = std::max(left, std::min(target.width(), view.ViewLeft + view.ViewWidth));
    for (int k = horizontals.first; k < horizontals.end; ++k) {
        FillPixels(target.line(view.ViewTop + k * spacing) + left, right - left, GridColour);
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
