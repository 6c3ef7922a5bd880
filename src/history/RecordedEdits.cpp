#include "history/RecordedEdits.h"

#include "model/ProjectModel.h"

#include <QFileInfo>

namespace {

struct ListStepKind {
    StepShape shape;
    ListOutcome (*operation)(ProjectModel &);
    const char *label;
};

ListStepKind KindOf(ListStep step)
{
    switch (step) {
    case ListStep::NewFrame:
        return {StepShape::InsertRows, AppendFrame, "New frame %1"};
    case ListStep::InsertFrame:
        return {StepShape::InsertRows, InsertFrame, "Insert frame %1"};
    case ListStep::DeleteFrame:
        return {StepShape::RemoveSelectedRow, DeleteFrame, "Delete frame %1"};
    case ListStep::CutFrame:
        return {StepShape::RemoveSelectedRow, CutFrame, "Cut frame %1"};
    case ListStep::PasteFrame:
        break;
    }
    return {StepShape::InsertRows, PasteFrame, "Paste frame %1"};
}

// The row the operation acts on: where New appends, where Insert and Paste insert, what Delete and Cut
// remove.
int RowOf(const ProjectModel &model, ListStep step)
{
    switch (step) {
    case ListStep::NewFrame:
        return model.FrameCount + 1;
    case ListStep::InsertFrame:
    case ListStep::PasteFrame:
        return InsertionRow(model);
    case ListStep::DeleteFrame:
    case ListStep::CutFrame:
        break;
    }
    return model.SelRow;
}

void Replay(EditHistory &history, PreviewEditor &editor, void (EditHistory::*replay)())
{
    editor.leaveForHistory();
    (history.*replay)();
    editor.followHistory();
}

} // namespace

ListOutcome RunListStep(ProjectModel &model, EditHistory &history, ListStep step)
{
    const ListStepKind kind = KindOf(step);
    const int row = RowOf(model, step);
    history.openStep(kind.shape, row);
    const ListOutcome outcome = kind.operation(model);
    history.closeStep(QString::fromLatin1(kind.label).arg(row));
    return outcome;
}

QString FrameEditLabel(FrameEdit edit)
{
    switch (edit) {
    case FrameEdit::PenStroke:
        return QStringLiteral("Pen stroke");
    case FrameEdit::Stamp:
        return QStringLiteral("Stamp");
    case FrameEdit::DropRegion:
        return QStringLiteral("Drop region");
    case FrameEdit::LiftRegion:
        return QStringLiteral("Lift region");
    case FrameEdit::CutRegion:
        return QStringLiteral("Cut region");
    case FrameEdit::CopyRegion:
        return QStringLiteral("Copy region");
    case FrameEdit::DeleteRegion:
        return QStringLiteral("Delete region");
    case FrameEdit::None:
        break;
    }
    return QStringLiteral("Drawing");
}

QString CellEditLabel(CellEdit edit, int row)
{
    switch (edit) {
    case CellEdit::BoardNumber:
        return QStringLiteral("Board number of frame %1").arg(row);
    case CellEdit::ChangeToggled:
        return QStringLiteral("Change mark of frame %1").arg(row);
    case CellEdit::Time:
        return QStringLiteral("Time of frame %1").arg(row);
    case CellEdit::None:
        break;
    }
    return QStringLiteral("Frame %1").arg(row);
}

QString AppendFileLabel()
{
    return QStringLiteral("Append from file");
}

QString NewProjectLabel()
{
    return QStringLiteral("New project");
}

QString OpenProjectLabel(const QString &path)
{
    return QStringLiteral("Open ") + QFileInfo(path).fileName();
}

bool CanUndoEdit(const EditHistory &history, const PreviewEditor &editor)
{
    return editor.state() == EditingState::Placing || history.canUndo();
}

QString UndoEditLabel(const EditHistory &history, const PreviewEditor &editor)
{
    return editor.state() == EditingState::Placing ? QStringLiteral("Placing") : history.undoLabel();
}

void UndoEdit(EditHistory &history, PreviewEditor &editor)
{
    if (editor.state() == EditingState::Placing) {
        editor.abandonPlacing();
        return;
    }
    Replay(history, editor, &EditHistory::undo);
}

void RedoEdit(EditHistory &history, PreviewEditor &editor)
{
    Replay(history, editor, &EditHistory::redo);
}
