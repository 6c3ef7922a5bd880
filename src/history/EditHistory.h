#pragma once

#include "history/EditStep.h"

#include <cstddef>
#include <deque>
#include <optional>

class ProjectModel;

// The shapes of change a step may make; the history captures beforehand what that shape needs to
// restore, and compares or collects the rest when the step ends.
enum class StepShape {
    CurrentFrame,      // dots of the current frame change in place; the floating region may change
    Cells,             // texts and Change marks of existing rows change in place
    RemoveSelectedRow, // the selected row goes (Delete, Cut)
    InsertRows,        // rows arrive at a given row (New, Insert, Paste, appending a file)
    WholeProject,      // the project is replaced (New project, Open)
};

struct HistoryLimits {
    std::size_t maxBytes = std::size_t{64} << 20;
    int maxSteps = 200;
};

// The undo and redo steps of one project. The window opens a step before it calls a core operation that
// may change the project and closes it after; a step that changed nothing is forgotten, any other drops
// the redo steps. Undo puts back everything the step changed (the frames' dots, the list's texts, Change
// marks and line numbers, FrameCount, the floating region, the selected cell and the current frame) and
// redo does the step's result again exactly. New and Open are steps too: theirs keeps the whole project
// they replaced. The clipboards are not part of any step.
class EditHistory {
public:
    explicit EditHistory(ProjectModel &model, HistoryLimits limits = {});

    // `row` is the first inserted row for StepShape::InsertRows. Opening while a step is open keeps that
    // step (a second button pressed during a stroke).
    void openStep(StepShape shape, int row = 0);
    void closeStep(const QString &label);
    bool stepOpen() const { return open_.has_value(); }
    // Whether the open step can be kept: a whole project larger than the history may hold cannot, and
    // is then abandoned before anything changes.
    bool openStepFits() const;
    // Forgets the open step; nothing is recorded.
    void abandonStep() { open_.reset(); }

    // No undo or redo in the middle of a step: it is not finished.
    bool canUndo() const { return !stepOpen() && !undo_.empty(); }
    bool canRedo() const { return !stepOpen() && !redo_.empty(); }
    QString undoLabel() const { return undo_.empty() ? QString() : undo_.back().label; }
    QString redoLabel() const { return redo_.empty() ? QString() : redo_.back().label; }
    void undo();
    void redo();

    // Forgets every step (a project replaced that the history could not hold).
    void clear();

    int stepCount() const { return static_cast<int>(undo_.size() + redo_.size()); }
    std::size_t bytes() const { return bytes_; }

private:
    struct OpenStep {
        StepShape shape = StepShape::CurrentFrame;
        int row = 0;
        int frameCount = 0;
        ListSelection selection;
        // CurrentFrame: the frame and its floating region; its dots wait in `frameBefore_`.
        int frame = 0;
        RegionState region;
        // Cells: the rows' texts and marks; RemoveSelectedRow: the row that goes.
        std::vector<RowEdit> rows;
        std::optional<FrameContent> removed;
        // WholeProject: the project being replaced.
        std::optional<ProjectSnapshot> project;
    };

    std::optional<EditStep> finish(OpenStep &open) const;
    void record(EditStep step);
    // Drops the oldest undo steps while the history holds more than it may, keeping the newest `keep`.
    void trim(std::size_t keep);
    // Replays the newest step of `from` and moves it over to `to`.
    void replay(std::deque<EditStep> &from, std::deque<EditStep> &to,
                void (*apply)(ProjectModel &, const EditStep &));

    ProjectModel &model_;
    HistoryLimits limits_;
    DotPlane frameBefore_;
    std::optional<OpenStep> open_;
    std::deque<EditStep> undo_;
    std::deque<EditStep> redo_;
    std::size_t bytes_ = 0;
};
