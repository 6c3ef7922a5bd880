#include "preview/PreviewGeometry.h"

#include <algorithm>

namespace {

int FloorDiv(int a, int b)
{
    const int quotient = a / b;
    return (a % b != 0 && a < 0) ? quotient - 1 : quotient;
}

int CeilDiv(int a, int b)
{
    const int quotient = a / b;
    return (a % b != 0 && a > 0) ? quotient + 1 : quotient;
}

// Offset of a dot's first pixel from the start of its cell.
int DotInset(const ViewState &view)
{
    return view.DotGap / 2 + 1;
}

// Indices whose dot, starting at origin + index * pitch + inset and 2r wide, overlaps [0, extent).
IndexRange VisibleIndices(const ViewState &view, int origin, int extent)
{
    const int pitch = Pitch(view);
    const int firstPixel = origin + DotInset(view);
    return {FloorDiv(-firstPixel - 2 * view.DotRadius, pitch) + 1, CeilDiv(extent - firstPixel, pitch)};
}

ScrollBarRange BarRange(int picture, int control)
{
    if (control > picture) {
        return {};
    }
    // The range runs two pixels past the picture's far edge, so it exists even when they are equally wide.
    return {true, picture - control + 2};
}

int ViewOrigin(int picture, int control, int scroll)
{
    return control > picture ? (control - picture) / 2 : -scroll;
}

IndexRange VisibleGridLines(const ViewState &view, int origin, int dots, int extent)
{
    const int spacing = GridStep * Pitch(view);
    return Intersect({CeilDiv(-origin, spacing), CeilDiv(extent - origin, spacing)},
                     {0, dots / GridStep + 1});
}

} // namespace

int Pitch(const ViewState &view)
{
    return 2 * view.DotRadius + view.DotGap;
}

QRect DotBox(const ViewState &view, int x, int y)
{
    const int pitch = Pitch(view);
    const int side = 2 * view.DotRadius;
    return {view.ViewLeft + x * pitch + DotInset(view), view.ViewTop + y * pitch + DotInset(view), side,
            side};
}

DotPosition DotAtPoint(const ViewState &view, int X, int Y)
{
    const int pitch = Pitch(view);
    const int shift = view.DotGap / 2 - view.DotRadius - 1;
    return {(X - view.ViewLeft + shift) / pitch, (Y - view.ViewTop + shift) / pitch};
}

PixelPoint SnapToCell(const ViewState &view, int X, int Y)
{
    const int pitch = Pitch(view);
    return {(X - view.ViewLeft) / pitch * pitch + view.ViewLeft,
            (Y - view.ViewTop) / pitch * pitch + view.ViewTop};
}

ScrollRanges UpdateViewSize(ProjectModel &model, QSize control)
{
    UpdateViewExtent(model);
    return {BarRange(model.View.ViewWidth, control.width()),
            BarRange(model.View.ViewHeight, control.height())};
}

void PlaceView(ProjectModel &model, QSize control, int hScroll, int vScroll)
{
    ViewState &view = model.View;
    view.DotGap = DotGapFor(view.DotRadius);
    view.ViewLeft = ViewOrigin(view.ViewWidth, control.width(), hScroll);
    view.ViewTop = ViewOrigin(view.ViewHeight, control.height(), vScroll);
}

IndexRange VisibleColumns(const ViewState &view, int pictureWidth)
{
    return VisibleIndices(view, view.ViewLeft, pictureWidth);
}

IndexRange VisibleRows(const ViewState &view, int pictureHeight)
{
    return VisibleIndices(view, view.ViewTop, pictureHeight);
}

IndexRange Intersect(IndexRange a, IndexRange b)
{
    return {std::max(a.first, b.first), std::min(a.end, b.end)};
}

IndexRange VisibleGridColumns(const ViewState &view, int widthDot, int pictureWidth)
{
    return VisibleGridLines(view, view.ViewLeft, widthDot, pictureWidth);
}

IndexRange VisibleGridRows(const ViewState &view, int heightDot, int pictureHeight)
{
    return VisibleGridLines(view, view.ViewTop, heightDot, pictureHeight);
}
