#pragma once

#include "preview/PreviewGeometry.h"
#include "model/ProjectModel.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>

// The editing states of the preview. The model's flags (RegionFloat, RegionDrag, PlaceMode) are the
// record of the state; the rubber band, which the model does not name, is held by the editor.
enum class EditingState { Idle, RubberBand, Floating, Dragging, Placing };

enum class PointerButton { Left, Right, Other };

struct HeldButtons {
    bool left = false;
    bool right = false;
};

// What the preview must show after an editing step, in this order: a full repaint, one pen dot, the
// old rubber band overdrawn in black, a white outline.
struct PreviewPaint {
    // Refused: the list has no frame to keep work in (the window says why, EmptyListMessage).
    bool listEmpty = false;
    bool repaint = false;
    std::optional<DotPosition> dot;
    std::optional<PixelRect> eraseOutline;
    std::optional<PixelRect> outline;
};

// "The list is empty: add a frame with New"
QString EmptyListMessage();

// Which region commands the Edit menu and the tool bar offer.
struct RegionCommandState {
    bool cutAndCopy = false;
    bool paste = false;
};

// The last change a gesture or command made to the current frame or the floating region, which names
// its undo step.
enum class FrameEdit { None, PenStroke, Stamp, DropRegion, LiftRegion, CutRegion, CopyRegion, DeleteRegion };

// The drawing tools (pointer, pen, select), the floating region, placing, and the region clipboard, as
// one state machine over the project model. It receives pointer positions in preview pixels and
// buttons, changes the current frame, and answers what to paint; it knows nothing of widgets. While the
// list is empty nothing is drawn where it could not be kept: the pen, placing, the region commands and
// the uploads do nothing, and a floating region or a picture being placed waits, unseen, for a frame.
class PreviewEditor {
public:
    explicit PreviewEditor(ProjectModel &model) : model_(model) {}

    EditingState state() const;
    const RegionCommandState &commands() const { return commands_; }
    // The four-way move cursor shows over a floating region.
    bool overFloatingRegion(int X, int Y) const;

    PreviewPaint mouseDown(PointerButton button, int X, int Y);
    PreviewPaint mouseMove(HeldButtons held, int X, int Y);
    PreviewPaint mouseUp(int X, int Y);

    // Tools: both off is the pointer tool; never both on.
    void selectPointerTool();
    void togglePen();
    // Toggling the select tool drops a floating region where it lies (its dots are already out of the
    // frame; discarding them would lose the operator's work); on an empty list the region keeps floating.
    PreviewPaint toggleSelect();

    PreviewPaint cut();
    PreviewPaint copy();
    PreviewPaint paste();
    PreviewPaint deleteRegion();

    // Writes a picture into FloatDots, which is all dark when it is called; the picture reaches at most
    // WidthDot + 16 by HeightDot + 16 dots.
    using PictureWriter = std::function<void(DotPlane &floatDots)>;

    // The one entry to placing, for every source of a picture (region paste, text and picture upload):
    // drops a floating region where it lies (FloatDots still holds it), selects the pointer tool, darkens
    // the whole of FloatDots, lets `writePicture` fill it, and makes the picture follow the pointer. So
    // only the picture given is placed, never dots an earlier, larger region left in the plane.
    PreviewPaint enterPlacing(const PictureWriter &writePicture);

    // Ends placing without stamping (a new project, Undo while placing).
    void abandonPlacing() { model_.Tools.PlaceMode = false; }

    // Answers the last edit since the previous call and forgets it.
    FrameEdit takeFrameEdit() { return std::exchange(lastEdit_, FrameEdit::None); }

    // Undo and redo change the frame under the tools: placing is abandoned and a rubber band or drag
    // forgotten before, and afterwards Cut and Copy are offered exactly when a region floats.
    void leaveForHistory();
    void followHistory() { commands_.cutAndCopy = model_.Tools.RegionFloat; }

private:
    bool listEmpty() const { return model_.FrameCount < 1; }
    bool insideSelection(int X, int Y) const;
    PixelRect draggedRect(int X, int Y) const;
    void dropFloatingRegionWhereItLies();
    void startRubberBand(int X, int Y);
    PreviewPaint liftRubberBand(int X, int Y);
    PreviewPaint penStroke(PointerButton button, int X, int Y);
    void endRegion(bool clearCorner);

    ProjectModel &model_;
    bool rubberBand_ = false;
    RegionCommandState commands_;
    FrameEdit lastEdit_ = FrameEdit::None;
};
