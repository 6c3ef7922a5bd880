#include "history/RecordedEdits.h"

#include "model/ProjectModel.h"

#include <QCoreApplication>
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
        return {StepShape::InsertRows, AppendFrame, QT_TRANSLATE_NOOP("RecordedEdits", "New frame %1")};
    case ListStep::InsertFrame:
        return {StepShape::InsertRows, InsertFrame, QT_TRANSLATE_NOOP("RecordedEdits", "Insert frame %1")};
    case ListStep::DeleteFrame:
        return {StepShape::RemoveSelectedRow, DeleteFrame,
                QT_TRANSLATE_NOOP("RecordedEdits", "Delete frame %1")};
    case ListStep::CutFrame:
        return {StepShape::RemoveSelectedRow, CutFrame, QT_TRANSLATE_NOOP("RecordedEdits", "Cut frame %1")};
    case ListStep::PasteFrame:
        break;
    }
    return {StepShape::InsertRows, PasteFrame, QT_TRANSLATE_NOOP("RecordedEdits", "Paste frame %1")};
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
    history.closeStep(QCoreApplication::translate("RecordedEdits", kind.label).arg(row));
    return outcome;
}

QString FrameEditLabel(FrameEdit edit)
{
    switch (edit) {
    case FrameEdit::PenStroke:
        return QCoreApplication::translate("RecordedEdits", "Pen stroke");
    case FrameEdit::Stamp:
        return QCoreApplication::translate("RecordedEdits", "Stamp");
    case FrameEdit::DropRegion:
        return QCoreApplication::translate("RecordedEdits", "Drop region");
    case FrameEdit::LiftRegion:
        return QCoreApplication::translate("RecordedEdits", "Lift region");
    case FrameEdit::CutRegion:
        return QCoreApplication::translate("RecordedEdits", "Cut region");
    case FrameEdit::CopyRegion:
        return QCoreApplication::translate("RecordedEdits", "Copy region");
    case FrameEdit::DeleteRegion:
        return QCoreApplication::translate("RecordedEdits", "Delete region");
    case FrameEdit::None:
        break;
    }
    return QCoreApplication::translate("RecordedEdits", "Drawing");
}

QString CellEditLabel(CellEdit edit, int row)
{
    switch (edit) {
    case CellEdit::BoardNumber:
        return QCoreApplication::translate("RecordedEdits", "Board number of frame %1").arg(row);
    case CellEdit::ChangeToggled:
        return QCoreApplication::translate("RecordedEdits", "Change mark of frame %1").arg(row);
    case CellEdit::Time:
        return QCoreApplication::translate("RecordedEdits", "Time of frame %1").arg(row);
    case CellEdit::None:
        break;
    }
    return QCoreApplication::translate("RecordedEdits", "Frame %1").arg(row);
}

QString AppendFileLabel()
{
    return QCoreApplication::translate("RecordedEdits", "Append from file");
}

QString NewProjectLabel()
{
    return QCoreApplication::translate("RecordedEdits", "New project");
}

QString OpenProjectLabel(const QString &path)
{
    return QCoreApplication::translate("RecordedEdits", "Open %1").arg(QFileInfo(path).fileName());
}

bool CanUndoEdit(const EditHistory &history, const PreviewEditor &editor)
{
    return editor.state() == EditingState::Placing || history.canUndo();
}

QString UndoEditLabel(const EditHistory &history, const PreviewEditor &editor)
{
    return editor.state() == EditingState::Placing ? QCoreApplication::translate("RecordedEdits", "Placing")
                                                   : history.undoLabel();
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
