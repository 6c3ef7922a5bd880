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
// "New project", "Open route7.nkv".
QString NewProjectLabel();
QString OpenProjectLabel(const QString &path);

// A picture being placed is not yet part of the frame: Undo then only ends placing, stamping nothing,
// and the next Undo undoes a step. Redo abandons placing before it redoes.
bool CanUndoEdit(const EditHistory &history, const PreviewEditor &editor);
// What Undo would act on: "Placing" or the newest step's name.
QString UndoEditLabel(const EditHistory &history, const PreviewEditor &editor);
void UndoEdit(EditHistory &history, PreviewEditor &editor);
void RedoEdit(EditHistory &history, PreviewEditor &editor);
