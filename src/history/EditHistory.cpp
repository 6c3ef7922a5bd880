#include "history/EditHistory.h"

#include "history/StepReplay.h"

#include <cstring>
#include <utility>

namespace {

std::size_t RegionBytes(const std::optional<RegionState> &region)
{
    return region ? sizeof(RegionState) + region->floatDots->bytes() : 0;
}

// Equal except for the "Line" column, which follows from the Change marks.
bool SameTexts(const RowCells &a, const RowCells &b)
{
    for (int column = 0; column < FrameColumnCount; ++column) {
        if (column != ColLine && a[column] != b[column]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::size_t TextBytes(const QString &text)
{
    return static_cast<std::size_t>(text.size()) * sizeof(QChar);
}

std::size_t TextBytes(const RowCells &cells)
{
    std::size_t bytes = sizeof(RowCells);
    for (const QString &text : cells) {
        bytes += TextBytes(text);
    }
    return bytes;
}

std::size_t EditStep::bytes() const
{
    std::size_t total = sizeof(EditStep) + TextBytes(label) + changedDots.bytes() +
                        RegionBytes(regionBefore) + RegionBytes(regionAfter) +
                        (project ? project->bytes() : 0);
    if (regionBefore && regionAfter && regionBefore->floatDots == regionAfter->floatDots) {
        total -= regionAfter->floatDots->bytes();
    }
    if (rows) {
        for (const FrameContent &frame : rows->frames) {
            total += sizeof(FrameContent) + TextBytes(frame.cells) + frame.dots.bytes();
        }
    }
    for (const RowEdit &edit : rowEdits) {
        total += sizeof(RowEdit) + TextBytes(edit.before) + TextBytes(edit.after);
    }
    return total;
}

EditHistory::EditHistory(ProjectModel &model, HistoryLimits limits) : model_(model), limits_(limits) {}

void EditHistory::openStep(StepShape shape, int row)
{
    if (open_) {
        return;
    }
    OpenStep &open = open_.emplace();
    open.shape = shape;
    open.row = row;
    open.frameCount = model_.FrameCount;
    open.selection = CaptureSelection(model_);
    switch (shape) {
    case StepShape::CurrentFrame:
        open.frame = model_.CurFrame;
        std::memcpy(frameBefore_.data(), model_.FrameDots.frame(open.frame), PlaneBytes);
        open.region = CaptureRegion(model_);
        break;
    case StepShape::Cells:
        for (int r = 1; r <= model_.FrameCount; ++r) {
            open.rows.push_back({r, model_.Cells.row(r), {}, model_.ChangeFlag[r - 1], 0});
        }
        break;
    case StepShape::RemoveSelectedRow:
        if (model_.SelRow >= 1 && model_.SelRow <= model_.FrameCount) {
            open.row = model_.SelRow;
            open.removed = CaptureFrame(model_, model_.SelRow);
        }
        break;
    case StepShape::InsertRows:
        break;
    case StepShape::WholeProject:
        open.project = ProjectSnapshot::capture(model_);
        break;
    }
}

bool EditHistory::openStepFits() const
{
    return !open_ || !open_->project || sizeof(EditStep) + open_->project->bytes() <= limits_.maxBytes;
}

void EditHistory::closeStep(const QString &label)
{
    if (!open_) {
        return;
    }
    std::optional<EditStep> step = finish(*open_);
    open_.reset();
    if (step) {
        step->label = label;
        record(std::move(*step));
    }
}

std::optional<EditStep> EditHistory::finish(OpenStep &open) const
{
    EditStep step;
    step.selectionBefore = open.selection;
    step.selectionAfter = CaptureSelection(model_);
    switch (open.shape) {
    case StepShape::CurrentFrame: {
        step.frame = open.frame;
        step.changedDots = PackedDots::differences(frameBefore_.data(), model_.FrameDots.frame(open.frame));
        RegionState after = CaptureRegion(model_);
        if (SameFloatingDots(open.region, after)) {
            if (step.changedDots.empty()) {
                return std::nullopt;
            }
            after.floatDots = open.region.floatDots;
        }
        step.regionBefore = std::move(open.region);
        step.regionAfter = std::move(after);
        return step;
    }
    case StepShape::Cells:
        if (model_.FrameCount != open.frameCount) {
            return std::nullopt;
        }
        for (RowEdit &edit : open.rows) {
            edit.after = model_.Cells.row(edit.row);
            edit.changeAfter = model_.ChangeFlag[edit.row - 1];
            if (edit.changeAfter != edit.changeBefore || !SameTexts(edit.before, edit.after)) {
                step.rowEdits.push_back(std::move(edit));
            }
        }
        return step.rowEdits.empty() ? std::nullopt : std::optional(std::move(step));
    case StepShape::RemoveSelectedRow:
        if (!open.removed || model_.FrameCount != open.frameCount - 1) {
            return std::nullopt;
        }
        step.rows = RowBlock{false, open.row, {std::move(*open.removed)}};
        return step;
    case StepShape::InsertRows: {
        const int inserted = model_.FrameCount - open.frameCount;
        if (inserted < 1) {
            return std::nullopt;
        }
        step.rows = RowBlock{true, open.row, {}};
        for (int row = open.row; row < open.row + inserted; ++row) {
            step.rows->frames.push_back(CaptureFrame(model_, row));
        }
        return step;
    }
    case StepShape::WholeProject:
        // Replacing the project is a step even when the new one looks the same: the operator did it.
        step.project = std::move(open.project);
        return step;
    }
    return std::nullopt;
}

void EditHistory::record(EditStep step)
{
    for (const EditStep &dropped : redo_) {
        bytes_ -= dropped.bytes();
    }
    redo_.clear();
    bytes_ += step.bytes();
    undo_.push_back(std::move(step));
    trim(0);
}

void EditHistory::trim(std::size_t keep)
{
    while (undo_.size() > keep &&
           (static_cast<int>(undo_.size()) > limits_.maxSteps || bytes_ > limits_.maxBytes)) {
        bytes_ -= undo_.front().bytes();
        undo_.pop_front();
    }
}

void EditHistory::undo()
{
    if (canUndo()) {
        replay(undo_, redo_, UndoStep);
    }
}

void EditHistory::redo()
{
    if (canRedo()) {
        replay(redo_, undo_, RedoStep);
    }
}

void EditHistory::replay(std::deque<EditStep> &from, std::deque<EditStep> &to,
                         void (*apply)(ProjectModel &, const EditStep &))
{
    EditStep &step = from.back();
    bytes_ -= step.bytes();
    if (step.project) {
        ProjectSnapshot shown = ProjectSnapshot::capture(model_);
        step.project->restore(model_);
        step.project = std::move(shown);
    } else {
        apply(model_, step);
    }
    bytes_ += step.bytes();
    to.push_back(std::move(step));
    from.pop_back();
    // The project a whole-project step now keeps may be larger than the one it gave back; older steps
    // make room, never the step just replayed.
    trim(&to == &undo_ ? 1 : 0);
}

void EditHistory::clear()
{
    open_.reset();
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}
