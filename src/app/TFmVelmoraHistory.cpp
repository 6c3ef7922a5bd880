// The main window's undo and redo. The other handlers open a step before they call the core and close
// it after; the history (src/history) keeps what the step changed, and these handlers undo and redo
// steps and show what is left to undo or redo.
#include "app/TFmVelmora.h"

#include "app/Hints.h"
#include "app/TextFieldUndoKeys.h"
#include "history/RecordedEdits.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

void TFmVelmora::connectHistory()
{
    QApplication::instance()->installEventFilter(new TextFieldUndoKeys(this));
    connect(Undo1, &QAction::triggered, this, &TFmVelmora::Undo1Execute);
    connect(Redo1, &QAction::triggered, this, &TFmVelmora::Redo1Execute);
    showHistoryState();
}

void TFmVelmora::showHistoryState()
{
    const bool canUndo = CanUndoEdit(history_, editor_);
    Undo1->setEnabled(canUndo);
    Redo1->setEnabled(history_.canRedo());
    const QString undo = tr("Undo %1").arg(UndoEditLabel(history_, editor_));
    const QString redo = tr("Redo %1").arg(history_.redoLabel());
    ApplyHint(*Undo1, canUndo ? undo + QLatin1Char('|') + undo : tr("Undo|Nothing to undo"));
    ApplyHint(*Redo1, history_.canRedo() ? redo + QLatin1Char('|') + redo : tr("Redo|Nothing to redo"));
}

bool TFmVelmora::keepProjectForUndo()
{
    // A stroke held on the preview ends here: the dialogs take its release.
    closeFrameStep();
    history_.openStep(StepShape::WholeProject);
    if (history_.openStepFits()) {
        return true;
    }
    history_.abandonStep();
    return askToSaveChange();
}

void TFmVelmora::recordProjectStep(const QString &label)
{
    if (history_.stepOpen()) {
        history_.closeStep(label);
    } else {
        history_.clear();
    }
    showHistoryState();
}

void TFmVelmora::showProjectCaptions()
{
    const ProjectCaptions &captions = model_.Captions;
    setWindowTitle(captions.Caption);
    StatusBar1[1]->setText(captions.SizePanel);
    StatusBar1[2]->setText(captions.ModulePanel);
}

void TFmVelmora::runFrameCommand(const std::function<PreviewPaint()> &command)
{
    history_.openStep(StepShape::CurrentFrame);
    applyPaint(command());
    closeFrameStep();
    showToolState();
}

void TFmVelmora::closeFrameStep()
{
    history_.closeStep(FrameEditLabel(editor_.takeFrameEdit()));
    showHistoryState();
}

void TFmVelmora::Undo1Execute()
{
    UndoEdit(history_, editor_);
    showReplayedStep();
}

void TFmVelmora::Redo1Execute()
{
    RedoEdit(history_, editor_);
    showReplayedStep();
}

void TFmVelmora::showReplayedStep()
{
    // Undo and redo of New and Open change the sign, its zoom and the captions too.
    showProjectCaptions();
    UpdateViewSize();
    showFrameList();
    DrawMatrix();
    showToolState();
    showHistoryState();
}
