#include "list/FrameListOps.h"

#include "list/CellSelection.h"
#include "model/ProjectModel.h"

#include <QCoreApplication>

#include <cstring>

namespace {

void CopySignDots(const ProjectModel &model, const std::uint8_t *from, std::uint8_t *to)
{
    CopyDotWindow(from, to, model.WidthDot, model.HeightDot);
}

// A sign as large as the plane moves whole planes, so a list shift exchanges them (FrameStore::rotateSlots)
// instead of copying dots; on a smaller sign a move carries the sign's window only and the dots beyond
// it stay with the slot, so those are copied.
bool SignFillsThePlane(const ProjectModel &model)
{
    return model.WidthDot >= MaxWidthDot && model.HeightDot >= MaxHeightDot;
}

// MoveFrame, with the dots left to the caller when `withDots` is false.
void MoveFrameWith(ProjectModel &model, int from, int to, bool withDots)
{
    RowCells &destination = model.Cells.row(to + 1);
    const RowCells &source = model.Cells.row(from + 1);
    for (int column = ColLine; column < FrameColumnCount; ++column) {
        destination[column] = source[column];
    }
    destination[ColNo] = Format000(to + 1);
    model.ChangeFlag[to] = model.ChangeFlag[from];
    if (withDots) {
        model.FrameDots.copyWindow(from, to, model.WidthDot, model.HeightDot);
    }
}

// Makes room for one frame at `row` (1-based); false (and the list as it was) when that would make
// frame 501.
bool OpenOneRow(ProjectModel &model, int row)
{
    if (model.FrameCount + 1 > MaxFrames) {
        return false;
    }
    OpenRows(model, row, 1);
    return true;
}

void RemoveSelectedFrame(ProjectModel &model)
{
    CloseRows(model, model.SelRow, 1);
    RenumberLines(model);
    FollowShrinkingList(model);
}

} // namespace

int InsertionRow(const ProjectModel &model)
{
    return model.FrameCount < 1 ? 1 : model.SelRow;
}

void OpenRows(ProjectModel &model, int row, int count)
{
    const int listed = model.FrameCount;
    model.FrameCount += count;
    model.Cells.setRowCount(model.FrameCount + 1);
    const bool wholePlanes = SignFillsThePlane(model);
    for (int slot = model.FrameCount; slot >= row + count; --slot) {
        MoveFrameWith(model, slot - 1 - count, slot - 1, !wholePlanes);
    }
    if (wholePlanes) {
        // The planes of the slots just beyond the list come round into the gap.
        model.FrameDots.rotateSlots(row - 1, listed, model.FrameCount);
    }
}

void CloseRows(ProjectModel &model, int row, int count)
{
    const bool wholePlanes = SignFillsThePlane(model);
    for (int slot = row; slot <= model.FrameCount - count; ++slot) {
        MoveFrameWith(model, slot - 1 + count, slot - 1, !wholePlanes);
    }
    if (wholePlanes) {
        // The removed frames' planes go to the freed slots at the end, which are cleaned below.
        model.FrameDots.rotateSlots(row - 1, row - 1 + count, model.FrameCount);
    }
    for (int slot = model.FrameCount - count; slot < model.FrameCount; ++slot) {
        ClearFrameSlot(model, slot);
    }
    model.FrameCount -= count;
    model.Cells.setRowCount(model.FrameCount + 1);
}

QString TooManyFramesMessage()
{
    return QCoreApplication::translate("FrameListOps", "The Max of the Frames is %1!!").arg(MaxFrames);
}

void MoveFrame(ProjectModel &model, int from, int to)
{
    MoveFrameWith(model, from, to, true);
}

ListOutcome AppendFrame(ProjectModel &model)
{
    const bool wasEmpty = model.FrameCount < 1;
    const int row = model.FrameCount + 1;
    if (!OpenOneRow(model, row)) {
        return ListOutcome::TooManyFrames;
    }
    ClearFrameSlot(model, row - 1);
    // Behind a marked last frame (a file's, or one whose next frame went) the new frame joins that line:
    // it gets the time a mark gives, not an empty one the sign cannot be sent.
    const bool joinsLine = row > 1 && model.ChangeFlag[row - 2] == 1;
    model.Cells.row(row) = {Format000(row), QString(), Format000(row), QString(),
                            joinsLine ? JoinedFrameTime() : QString()};
    RenumberLines(model);
    if (wasEmpty) {
        SelectCell(model, model.SelCol, row);
    }
    return ListOutcome::Done;
}

ListOutcome InsertFrame(ProjectModel &model)
{
    if (model.FrameCount < 1) {
        return ListOutcome::Nothing;
    }
    const int row = model.SelRow;
    if (!OpenOneRow(model, row)) {
        return ListOutcome::TooManyFrames;
    }
    model.Cells.row(row) = {Format000(row), QString(), Format000(row), QString(), QString()};
    ClearFrameSlot(model, row - 1);
    RenumberLines(model);
    return ListOutcome::Done;
}

ListOutcome DeleteFrame(ProjectModel &model)
{
    if (model.FrameCount < 1) {
        return ListOutcome::Nothing;
    }
    RemoveSelectedFrame(model);
    return ListOutcome::Done;
}

ListOutcome CopyFrame(ProjectModel &model)
{
    if (model.SelRow < 1 || model.SelRow > model.FrameCount) {
        return ListOutcome::Nothing;
    }
    model.ClipFrameCells = model.Cells.row(model.SelRow);
    model.ClipFrameChange = model.ChangeFlag[model.SelRow - 1];
    // The whole plane holds exactly the copied frame: pasted after opening a larger sign, nothing
    // an earlier copy left outside this sign comes back.
    std::memset(model.ClipFrameDots.data(), 0, PlaneBytes);
    CopySignDots(model, model.FrameDots.frame(model.SelRow - 1), model.ClipFrameDots.data());
    return ListOutcome::Done;
}

ListOutcome CutFrame(ProjectModel &model)
{
    if (model.FrameCount < 1) {
        return ListOutcome::Nothing;
    }
    CopyFrame(model);
    RemoveSelectedFrame(model);
    return ListOutcome::Done;
}

ListOutcome PasteFrame(ProjectModel &model)
{
    const bool wasEmpty = model.FrameCount < 1;
    const int row = InsertionRow(model);
    if (!OpenOneRow(model, row)) {
        return ListOutcome::TooManyFrames;
    }
    RowCells &cells = model.Cells.row(row);
    cells = model.ClipFrameCells;
    cells[ColNo] = Format000(row);
    model.ChangeFlag[row - 1] = model.ClipFrameChange;
    CopySignDots(model, model.ClipFrameDots.data(), model.FrameDots.writableFrame(row - 1));
    RenumberLines(model);
    if (wasEmpty) {
        SelectCell(model, model.SelCol, row);
    }
    return ListOutcome::Done;
}
