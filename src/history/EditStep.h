#pragma once

#include "history/PackedDots.h"
#include "history/ProjectSnapshot.h"
#include "model/ProjectModel.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What one undoable step changed, as the history keeps it: only what changed, never whole planes.

// The list's selected cell and the frame the preview shows.
struct ListSelection {
    int SelCol = 0;
    int SelRow = 0;
    int CurFrame = 0;
};

// A lifted region: where it floats and its lit dots. A step that leaves the dots as they were keeps
// them once, shared by its states before and after.
struct RegionState {
    bool RegionFloat = false;
    PixelRect SelRect;
    PixelRect DragRect;
    int RegionWidth = 0;
    int RegionHeight = 0;
    std::shared_ptr<const PackedDots> floatDots = std::make_shared<const PackedDots>();
};

// One frame as a row of the list holds it: its texts, its Change mark and all lit dots of its slot.
struct FrameContent {
    RowCells cells;
    std::uint8_t change = 0;
    PackedDots dots;
};

// Rows that the step inserted or removed, with the frames they held. The frames between and after
// them are not kept: undo and redo move them as the list operations do.
struct RowBlock {
    bool inserted = false;
    int firstRow = 0;
    std::vector<FrameContent> frames;
};

// One row whose texts or Change mark the step changed in place. The "Line" column is not compared:
// it always follows from the Change marks and is renumbered after every undo and redo.
struct RowEdit {
    int row = 0;
    RowCells before;
    RowCells after;
    std::uint8_t changeBefore = 0;
    std::uint8_t changeAfter = 0;
};

// What texts cost the history's memory budget.
std::size_t TextBytes(const QString &text);
std::size_t TextBytes(const RowCells &cells);

struct EditStep {
    QString label;
    ListSelection selectionBefore;
    ListSelection selectionAfter;
    // Dots of one frame that changed in place (pen, stamp, region commands), flipped by undo and redo.
    int frame = -1;
    PackedDots changedDots;
    // The floating region before and after, kept with every step that changed a frame in place.
    std::optional<RegionState> regionBefore;
    std::optional<RegionState> regionAfter;
    std::optional<RowBlock> rows;
    std::vector<RowEdit> rowEdits;
    // New and Open: the whole project the step does not show, the one it replaced or, once undone, the
    // one it made. Undo and redo swap it with the model's.
    std::optional<ProjectSnapshot> project;

    // What the step costs the history's memory budget.
    std::size_t bytes() const;
};
