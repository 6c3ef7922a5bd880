#include "preview/PreviewEditor.h"

#include "preview/RegionOps.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The picture's dot (8, 8) lies under the pointer while it is placed.
constexpr int placingHotSpot = 8;
// Pictures handed to placing reach 16 dots beyond the sign each way.
constexpr int placingMargin = 16;

PreviewPaint Repaint()
{
    PreviewPaint paint;
    paint.repaint = true;
    return paint;
}

PreviewPaint RefusedOnEmptyList()
{
    PreviewPaint paint;
    paint.listEmpty = true;
    return paint;
}

PreviewPaint RepaintWithOutline(const PixelRect &outline)
{
    PreviewPaint paint = Repaint();
    paint.outline = outline;
    return paint;
}

PixelRect Normalised(PixelRect rect)
{
    if (rect.Right < rect.Left) {
        std::swap(rect.Left, rect.Right);
    }
    if (rect.Bottom < rect.Top) {
        std::swap(rect.Top, rect.Bottom);
    }
    return rect;
}

// A band never starts left of or above dot (0, 0), nor reaches past the frame array: every dot it
// covers then has its place in the region, so what is selected is what is lifted, moved and cut.
PixelRect ClippedToFrameArray(PixelRect rect, const ViewState &view)
{
    const int pitch = Pitch(view);
    rect.Left = std::max(rect.Left, view.ViewLeft);
    rect.Top = std::max(rect.Top, view.ViewTop);
    rect.Right = std::max(rect.Left, std::min(rect.Right, view.ViewLeft + MaxWidthDot * pitch));
    rect.Bottom = std::max(rect.Top, std::min(rect.Bottom, view.ViewTop + MaxHeightDot * pitch));
    return rect;
}

} // namespace

QString EmptyListMessage()
{
    return QCoreApplication::translate("PreviewEditor", "The list is empty: add a frame with New");
}

EditingState PreviewEditor::state() const
{
    const ToolState &tools = model_.Tools;
    if (tools.PlaceMode) {
        return EditingState::Placing;
    }
    if (tools.RegionDrag) {
        return EditingState::Dragging;
    }
    if (tools.RegionFloat) {
        return EditingState::Floating;
    }
    return rubberBand_ ? EditingState::RubberBand : EditingState::Idle;
}

bool PreviewEditor::insideSelection(int X, int Y) const
{
    const PixelRect &rect = model_.Tools.SelRect;
    return rect.Left <= X && X <= rect.Right && rect.Top <= Y && Y <= rect.Bottom;
}

bool PreviewEditor::overFloatingRegion(int X, int Y) const
{
    return model_.Tools.RegionFloat && insideSelection(X, Y);
}

PixelRect PreviewEditor::draggedRect(int X, int Y) const
{
    const int pitch = Pitch(model_.View);
    const PixelPoint &anchor = model_.Tools.DragAnchor;
    const int dx = (X - anchor.x) / pitch * pitch;
    const int dy = (Y - anchor.y) / pitch * pitch;
    const PixelRect &rect = model_.Tools.SelRect;
    return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

void PreviewEditor::dropFloatingRegionWhereItLies()
{
    DropRegion(model_, RegionCorner(model_, model_.Tools.SelRect));
    lastEdit_ = FrameEdit::DropRegion;
}

PreviewPaint PreviewEditor::mouseDown(PointerButton button, int X, int Y)
{
    if (listEmpty()) {
        return RefusedOnEmptyList();
    }
    ToolState &tools = model_.Tools;
    if (tools.RegionFloat) {
        tools.RegionDrag = false;
        if (insideSelection(X, Y)) {
            tools.RegionDrag = true;
            tools.DragAnchor = {X, Y};
            tools.DragRect = tools.SelRect;
            return {};
        }
        // A press outside stamps the region where it lies; with the pen or pointer it keeps floating.
        dropFloatingRegionWhereItLies();
    }
    if (tools.PlaceMode && button == PointerButton::Left) {
        StampPlacedPicture(model_);
        lastEdit_ = FrameEdit::Stamp;
        model_.FloatDots.clearWindow(model_.WidthDot, model_.HeightDot);
        tools.PlaceMode = false;
        return Repaint();
    }
    if (tools.PlaceMode && button == PointerButton::Right) {
        tools.PlaceMode = false;
        return Repaint();
    }
    if (tools.SelectTool) {
        startRubberBand(X, Y);
        return {};
    }
    return penStroke(button, X, Y);
}

void PreviewEditor::startRubberBand(int X, int Y)
{
    model_.Tools.RegionFloat = false;
    commands_ = {};
    const PixelPoint corner = SnapToCell(model_.View, X, Y);
    model_.Tools.SelRect = {corner.x, corner.y, corner.x, corner.y};
    rubberBand_ = true;
}

PreviewPaint PreviewEditor::penStroke(PointerButton button, int X, int Y)
{
    if (!model_.Tools.PenTool || button == PointerButton::Other) {
        return {};
    }
    const DotPosition dot = DotAtPoint(model_.View, X, Y);
    if (dot.col < 0 || dot.col >= model_.WidthDot || dot.row < 0 || dot.row >= model_.HeightDot) {
        return {};
    }
    model_.FrameDots.set(model_.CurFrame, dot.col, dot.row, button == PointerButton::Left ? 1 : 0);
    lastEdit_ = FrameEdit::PenStroke;
    PreviewPaint paint;
    paint.dot = dot;
    return paint;
}

PreviewPaint PreviewEditor::mouseMove(HeldButtons held, int X, int Y)
{
    if (listEmpty()) {
        return {};
    }
    ToolState &tools = model_.Tools;
    if (tools.PlaceMode) {
        const DotPosition dot = DotAtPoint(model_.View, X, Y);
        tools.PlaceCol = dot.col - placingHotSpot;
        tools.PlaceRow = dot.row - placingHotSpot;
        return Repaint();
    }
    if (tools.RegionDrag && held.left) {
        tools.DragRect = draggedRect(X, Y);
        return RepaintWithOutline(tools.DragRect);
    }
    if (held.left && tools.SelectTool) {
        // The band is drawn incrementally: the old outline is overdrawn, nothing is repainted.
        const PixelRect previous = tools.SelRect;
        const PixelPoint corner = SnapToCell(model_.View, X, Y);
        tools.SelRect.Right = corner.x;
        tools.SelRect.Bottom = corner.y;
        PreviewPaint paint;
        paint.eraseOutline = previous;
        paint.outline = tools.SelRect;
        return paint;
    }
    if (held.left) {
        return penStroke(PointerButton::Left, X, Y);
    }
    if (held.right) {
        return penStroke(PointerButton::Right, X, Y);
    }
    return {};
}

PreviewPaint PreviewEditor::mouseUp(int X, int Y)
{
    ToolState &tools = model_.Tools;
    if (tools.RegionDrag) {
        tools.RegionDrag = false;
        tools.SelRect = draggedRect(X, Y);
        tools.DragRect = tools.SelRect;
        return RepaintWithOutline(tools.SelRect);
    }
    // Only a band that was started is lifted: a release after a stamp or a tool change lifts nothing.
    if (rubberBand_ && tools.SelectTool && !listEmpty()) {
        return liftRubberBand(X, Y);
    }
    rubberBand_ = false;
    return {};
}

PreviewPaint PreviewEditor::liftRubberBand(int X, int Y)
{
    ToolState &tools = model_.Tools;
    rubberBand_ = false;
    const PixelPoint corner = SnapToCell(model_.View, X, Y);
    tools.SelRect.Right = corner.x;
    tools.SelRect.Bottom = corner.y;
    tools.SelRect = ClippedToFrameArray(Normalised(tools.SelRect), model_.View);
    LiftRegion(model_);
    lastEdit_ = FrameEdit::LiftRegion;
    tools.DragRect = tools.SelRect;
    tools.RegionFloat = true;
    commands_.cutAndCopy = true;
    return RepaintWithOutline(tools.DragRect);
}

void PreviewEditor::selectPointerTool()
{
    model_.Tools.PenTool = false;
    model_.Tools.SelectTool = false;
}

void PreviewEditor::togglePen()
{
    model_.Tools.PenTool = !model_.Tools.PenTool;
    model_.Tools.SelectTool = false;
}

PreviewPaint PreviewEditor::toggleSelect()
{
    ToolState &tools = model_.Tools;
    tools.SelectTool = !tools.SelectTool;
    tools.PenTool = false;
    commands_ = {};
    // With no frame to drop it into, the region keeps floating until New or Paste bring one.
    const bool dropping = tools.RegionFloat && !listEmpty();
    if (dropping) {
        dropFloatingRegionWhereItLies();
        tools.RegionFloat = false;
    }
    tools.RegionDrag = false;
    return dropping ? Repaint() : PreviewPaint{};
}

void PreviewEditor::endRegion(bool clearCorner)
{
    ToolState &tools = model_.Tools;
    if (clearCorner) {
        tools.RegionWidth = 0;
        tools.RegionHeight = 0;
        tools.SelRect.Left = 0;
        tools.SelRect.Top = 0;
    }
    tools.RegionFloat = false;
    commands_.paste = true;
}

PreviewPaint PreviewEditor::cut()
{
    if (listEmpty()) {
        return RefusedOnEmptyList();
    }
    ToolState &tools = model_.Tools;
    const DotCorner corner = RegionCorner(model_, tools.SelRect);
    // The whole clipboard holds only the cut region: Paste places a window wider than the sign, where
    // an earlier, wider region or a larger sign's cut would otherwise come back beside it.
    std::memset(model_.ClipRegionDots.data(), 0, PlaneBytes);
    model_.ClipRegionDots.copyWindowFrom(model_.FloatDots, tools.RegionWidth, tools.RegionHeight);
    model_.FloatDots.clearWindow(tools.RegionWidth, tools.RegionHeight);
    ClearRegionRectangle(model_, corner);
    endRegion(true);
    lastEdit_ = FrameEdit::CutRegion;
    return Repaint();
}

PreviewPaint PreviewEditor::copy()
{
    if (listEmpty()) {
        return RefusedOnEmptyList();
    }
    ToolState &tools = model_.Tools;
    std::memset(model_.ClipRegionDots.data(), 0, PlaneBytes);
    model_.ClipRegionDots.copyWindowFrom(model_.FloatDots, tools.RegionWidth, tools.RegionHeight);
    dropFloatingRegionWhereItLies();
    tools.RegionDrag = false;
    endRegion(false);
    lastEdit_ = FrameEdit::CopyRegion;
    return Repaint();
}

PreviewPaint PreviewEditor::deleteRegion()
{
    if (listEmpty()) {
        return RefusedOnEmptyList();
    }
    ToolState &tools = model_.Tools;
    const DotCorner corner = RegionCorner(model_, tools.SelRect);
    model_.ClipRegionDots.clearWindow(tools.RegionWidth, tools.RegionHeight);
    model_.FloatDots.clearWindow(tools.RegionWidth, tools.RegionHeight);
    ClearRegionRectangle(model_, corner);
    endRegion(true);
    lastEdit_ = FrameEdit::DeleteRegion;
    return Repaint();
}

PreviewPaint PreviewEditor::paste()
{
    if (listEmpty()) {
        return RefusedOnEmptyList();
    }
    commands_.cutAndCopy = false;
    return enterPlacing([this](DotPlane &floatDots) {
        floatDots.copyWindowFrom(model_.ClipRegionDots, model_.WidthDot + placingMargin,
                                 model_.HeightDot + placingMargin);
    });
}

PreviewPaint PreviewEditor::enterPlacing(const PictureWriter &writePicture)
{
    if (listEmpty()) {
        return RefusedOnEmptyList();
    }
    ToolState &tools = model_.Tools;
    if (tools.RegionFloat) {
        dropFloatingRegionWhereItLies();
        tools.RegionFloat = false;
        tools.RegionDrag = false;
    }
    rubberBand_ = false;
    selectPointerTool();
    std::memset(model_.FloatDots.data(), 0, PlaneBytes);
    writePicture(model_.FloatDots);
    tools.PlaceMode = true;
    return Repaint();
}

void PreviewEditor::leaveForHistory()
{
    model_.Tools.PlaceMode = false;
    model_.Tools.RegionDrag = false;
    rubberBand_ = false;
}
