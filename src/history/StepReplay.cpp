#include "history/StepReplay.h"

#include "list/FrameListOps.h"

namespace {

void RestoreSelection(ProjectModel &model, const ListSelection &selection)
{
    model.SelCol = selection.SelCol;
    model.SelRow = selection.SelRow;
    model.CurFrame = selection.CurFrame;
}

void RestoreRegion(ProjectModel &model, const RegionState &region)
{
    ToolState &tools = model.Tools;
    tools.RegionFloat = region.RegionFloat;
    tools.RegionDrag = false;
    tools.SelRect = region.SelRect;
    tools.DragRect = region.DragRect;
    tools.RegionWidth = region.RegionWidth;
    tools.RegionHeight = region.RegionHeight;
    if (region.RegionFloat) {
        model.FloatDots.clearWindow(region.RegionWidth, region.RegionHeight);
        region.floatDots->lightIn(model.FloatDots.data());
    }
}

// Makes slot row - 1 hold the frame exactly: its cells under its own "No.", its mark, its dots.
void PutFrame(ProjectModel &model, int row, const FrameContent &frame)
{
    const int slot = row - 1;
    model.FrameDots.clearSlot(slot);
    if (!frame.dots.empty()) {
        frame.dots.lightIn(model.FrameDots.writableFrame(slot));
    }
    model.ChangeFlag[slot] = frame.change;
    model.Cells.row(row) = frame.cells;
    model.Cells.setCell(ColNo, row, Format000(row));
}

void InsertBlock(ProjectModel &model, const RowBlock &block)
{
    const int count = static_cast<int>(block.frames.size());
    OpenRows(model, block.firstRow, count);
    for (int i = 0; i < count; ++i) {
        PutFrame(model, block.firstRow + i, block.frames[static_cast<std::size_t>(i)]);
    }
}

void RemoveBlock(ProjectModel &model, const RowBlock &block)
{
    CloseRows(model, block.firstRow, static_cast<int>(block.frames.size()));
}

void PutRowEdits(ProjectModel &model, const std::vector<RowEdit> &edits, bool forward)
{
    for (const RowEdit &edit : edits) {
        model.Cells.row(edit.row) = forward ? edit.after : edit.before;
        model.ChangeFlag[edit.row - 1] = forward ? edit.changeAfter : edit.changeBefore;
    }
}

void Replay(ProjectModel &model, const EditStep &step, bool forward)
{
    if (step.rows) {
        // Inserting forward and removing backward are the same move.
        if (step.rows->inserted == forward) {
            InsertBlock(model, *step.rows);
        } else {
            RemoveBlock(model, *step.rows);
        }
    }
    if (!step.changedDots.empty()) {
        step.changedDots.flipIn(model.FrameDots.writableFrame(step.frame));
    }
    PutRowEdits(model, step.rowEdits, forward);
    if (step.rows || !step.rowEdits.empty()) {
        RenumberLines(model);
    }
    const auto &region = forward ? step.regionAfter : step.regionBefore;
    if (region) {
        RestoreRegion(model, *region);
    }
    RestoreSelection(model, forward ? step.selectionAfter : step.selectionBefore);
}

} // namespace

ListSelection CaptureSelection(const ProjectModel &model)
{
    return {model.SelCol, model.SelRow, model.CurFrame};
}

RegionState CaptureRegion(const ProjectModel &model)
{
    const ToolState &tools = model.Tools;
    RegionState region{tools.RegionFloat, tools.SelRect, tools.DragRect, tools.RegionWidth,
                       tools.RegionHeight};
    if (tools.RegionFloat) {
        region.floatDots = std::make_shared<const PackedDots>(
            PackedDots::litDots(model.FloatDots.data(), tools.RegionWidth, tools.RegionHeight));
    }
    return region;
}

FrameContent CaptureFrame(const ProjectModel &model, int row)
{
    const int slot = row - 1;
    FrameContent frame{model.Cells.row(row), model.ChangeFlag[slot], {}};
    if (model.FrameDots.mayHoldLitDots(slot)) {
        frame.dots = PackedDots::litDots(model.FrameDots.frame(slot));
    }
    return frame;
}

bool SameFloatingDots(const RegionState &a, const RegionState &b)
{
    return *a.floatDots == *b.floatDots;
}

void UndoStep(ProjectModel &model, const EditStep &step)
{
    Replay(model, step, false);
}

void RedoStep(ProjectModel &model, const EditStep &step)
{
    Replay(model, step, true);
}
