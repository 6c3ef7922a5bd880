#pragma once

#include "list/CellSelection.h"
#include "list/FrameListOps.h"
#include "model/ProjectModel.h"

#include "support/QtPrinters.h"

#include <QStringList>

#include <memory>

// A start-up project with `frames` frames made by the list's "New".
inline std::unique_ptr<ProjectModel> ProjectWithFrames(int frames)
{
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    for (int f = 1; f < frames; ++f) {
        AppendFrame(*model);
    }
    return model;
}

// One column of the list, rows 1..FrameCount.
inline QStringList Column(const ProjectModel &model, int column)
{
    QStringList texts;
    for (int row = 1; row <= model.FrameCount; ++row) {
        texts << model.Cells.cell(column, row);
    }
    return texts;
}

// A click on (column, row) as the list receives it: a click on the selected cell edits it, then the
// row becomes current.
inline CellEdit Click(ProjectModel &model, int column, int row)
{
    const CellEdit edit = EditSelectedCell(model, column, row);
    SelectCell(model, column, row);
    return edit;
}

// Marks frame `row` (1-based) with a distinctive lit dot so that its moves can be followed.
inline void MarkDots(ProjectModel &model, int row)
{
    model.FrameDots.set(row - 1, row, row + 1, 1);
}

inline bool HasMarkOf(const ProjectModel &model, int slotRow, int markRow)
{
    return model.FrameDots.at(slotRow - 1, markRow, markRow + 1) == 1;
}
