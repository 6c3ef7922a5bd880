#include "preview/RegionOps.h"

#include "preview/PreviewGeometry.h"

namespace {

// Visits every position (i, j) of the floating region with its frame position inside the frame array.
template <typename Visit> void ForEachRegionDot(const ProjectModel &model, DotCorner corner, Visit visit)
{
    for (int i = 0; i < model.Tools.RegionWidth; ++i) {
        for (int j = 0; j < model.Tools.RegionHeight; ++j) {
            const int x = corner.col + i;
            const int y = corner.row + j;
            if (InsidePlane(i, j) && InsidePlane(x, y)) {
                visit(i, j, x, y);
            }
        }
    }
}

} // namespace

DotCorner RegionCorner(const ProjectModel &model, const PixelRect &rect)
{
    const int pitch = Pitch(model.View);
    return {(rect.Left - model.View.ViewLeft) / pitch, (rect.Top - model.View.ViewTop) / pitch};
}

void LiftRegion(ProjectModel &model)
{
    const PixelRect &rect = model.Tools.SelRect;
    const int pitch = Pitch(model.View);
    model.Tools.RegionWidth = (rect.Right - rect.Left) / pitch;
    model.Tools.RegionHeight = (rect.Bottom - rect.Top) / pitch;
    const DotCorner corner = RegionCorner(model, rect);
    model.FloatDots.clearWindow(model.Tools.RegionWidth, model.Tools.RegionHeight);
    ForEachRegionDot(model, corner, [&model](int i, int j, int x, int y) {
        if (model.FrameDots.at(model.CurFrame, x, y) == 1) {
            model.FloatDots.set(i, j, 1);
            model.FrameDots.set(model.CurFrame, x, y, 0);
        }
    });
}

void DropRegion(ProjectModel &model, DotCorner corner)
{
    ForEachRegionDot(model, corner, [&model](int i, int j, int x, int y) {
        if (model.FloatDots.at(i, j) == 1) {
            model.FrameDots.set(model.CurFrame, x, y, 1);
        }
    });
}

void ClearRegionRectangle(ProjectModel &model, DotCorner corner)
{
    ForEachRegionDot(model, corner,
                     [&model](int, int, int x, int y) { model.FrameDots.set(model.CurFrame, x, y, 0); });
}

void StampPlacedPicture(ProjectModel &model)
{
    const ToolState &tools = model.Tools;
    for (int x = std::max(tools.PlaceCol, 0); x < model.WidthDot; ++x) {
        for (int y = std::max(tools.PlaceRow, 0); y < model.HeightDot; ++y) {
            if (model.FloatDots.atOrDark(x - tools.PlaceCol, y - tools.PlaceRow) == 1) {
                model.FrameDots.set(model.CurFrame, x, y, 1);
            }
        }
    }
}
