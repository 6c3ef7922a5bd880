#pragma once

#include "history/EditHistory.h"
#include "list/CellSelection.h"
#include "list/FrameListOps.h"
#include "preview/PreviewEditor.h"

// The list's operations as undoable steps, the names steps go by, and Undo and Redo as the editor runs
// them.

enum class ListStep { NewFrame, InsertFrame, DeleteFrame, CutFrame, PasteFrame };

// Runs the list operation as one step named after it and the row it acts on ("Delete frame 12").
ListOutcome RunListStep(ProjectModel &model, EditHistory &history, ListStep step);

// "Pen stroke", "Stamp", "Lift region", ...
QString FrameEditLabel(FrameEdit edit);
// "Board number of frame 3", "Change mark of frame 3", "Time of frame 3".
QString CellEditLabel(CellEdit edit, int row);
QString AppendFileLabel();

// Placing in progress is abandoned before anything is undone or redone.
void UndoEdit(EditHistory &history, PreviewEditor &editor);
void RedoEdit(EditHistory &history, PreviewEditor &editor);
