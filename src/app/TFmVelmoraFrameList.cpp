// The main window's frame list: the six list buttons and the cell selection. The rules live in the
// core (src/list); these handlers call them, show the dialogs and messages, and repaint.
#include "app/TFmVelmora.h"

#include "app/FrameListModel.h"
#include "app/PromptSeam.h"
#include "dialogs/TfmNote.h"
#include "dialogs/TfmSecond.h"
#include "history/RecordedEdits.h"
#include "preview/PreviewEditor.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

namespace {

// A press, release or drag of the right or middle button.
bool IsOtherThanLeftButton(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return static_cast<const QMouseEvent &>(event).button() != Qt::LeftButton;
    case QEvent::MouseMove:
        return (static_cast<const QMouseEvent &>(event).buttons() & ~Qt::LeftButton) != Qt::NoButton;
    default:
        return false;
    }
}

} // namespace

void TFmVelmora::connectFrameList()
{
    connect(btnAdd, &QPushButton::clicked, this, &TFmVelmora::btnAddClick);
    connect(btnInsert, &QPushButton::clicked, this, &TFmVelmora::btnInsertClick);
    connect(btnDelect, &QPushButton::clicked, this, &TFmVelmora::btnDelectClick);
    connect(btnCopy, &QPushButton::clicked, this, &TFmVelmora::btnCopyClick);
    connect(btnCut, &QPushButton::clicked, this, &TFmVelmora::btnCutClick);
    connect(btnPost, &QPushButton::clicked, this, &TFmVelmora::btnPostClick);
    connect(StringGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid()) {
                    StringGridSelectCell(current.column(), current.row() + 1);
                }
            });
    // A click on the cell that is already current moves nothing, so the view reports no change for
    // it; the press itself is watched instead.
    StringGrid->viewport()->installEventFilter(this);
}

bool TFmVelmora::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == StringGrid->viewport() && IsOtherThanLeftButton(*event)) {
        return true; // only the left button selects and edits; the others leave the list alone
    }
    if (watched == StringGrid->viewport() && press) {
        const QModelIndex cell = StringGrid->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (cell.isValid() && cell == StringGrid->currentIndex()) {
            StringGridSelectCell(cell.column(), cell.row() + 1);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFmVelmora::StringGridSelectCell(int column, int row)
{
    setFocusedCellHighlight(row <= model_.FrameCount);
    // The arrows can change the current frame under a held stroke: what it drew so far is one step.
    closeFrameStep();
    history_.openStep(StepShape::Cells);
    const CellEdit edit = EditSelectedCell(model_, column, row);
    bool refused = false;
    switch (edit) {
    case CellEdit::BoardNumber:
        editBoardNumber(row);
        break;
    case CellEdit::Time:
        refused = !editTime(row);
        break;
    case CellEdit::ChangeToggled:
    case CellEdit::None:
        break;
    }
    history_.closeStep(CellEditLabel(edit, row));
    showHistoryState();
    if (refused) {
        return;
    }
    if (SelectCell(model_, column, row)) {
        DrawMatrix();
    }
    showFrameList();
}

void TFmVelmora::editBoardNumber(int row)
{
    TfmNote &note = *dialogs_.fmNote;
    note.NoteText = model_.Cells.cell(ColBoard, row);
    prompts_.runModal(note);
    if (note.OKPressed) {
        model_.Cells.setCell(ColBoard, row, note.NoteText);
    }
}

bool TFmVelmora::editTime(int row)
{
    const QString text = model_.Cells.cell(ColTime, row);
    const std::optional<int> seconds = SecondsOfTimeCell(text);
    if (!seconds) {
        prompts_.showMessage(NotAnIntegerMessage(text));
        return false;
    }
    TfmSecond &delay = *dialogs_.fmSecond;
    delay.Seconds = *seconds;
    prompts_.runModal(delay);
    if (delay.OKPressed) {
        model_.Cells.setCell(ColTime, row, QString::number(delay.Seconds));
    }
    return true;
}

void TFmVelmora::showFrameList()
{
    frameList_->reload();
    const QSignalBlocker quiet(StringGrid->selectionModel());
    if (model_.FrameCount < 1) {
        StringGrid->selectionModel()->clear();
        return;
    }
    StringGrid->setCurrentIndex(frameList_->index(model_.SelRow - 1, model_.SelCol));
    // Why nothing could be drawn no longer holds once the list has a frame again.
    if (StatusBar1[0]->text() == EmptyListMessage()) {
        StatusBar1[0]->clear();
    }
}

void TFmVelmora::runListChange(ListStep step, bool repaint)
{
    // Keys can work the list while a button is still held on the preview: the stroke's step so far is
    // finished first, so the list change is a step of its own (the stroke goes on as a new step).
    closeFrameStep();
    const ListOutcome outcome = RunListStep(model_, history_, step);
    if (outcome == ListOutcome::TooManyFrames) {
        prompts_.showMessage(TooManyFramesMessage());
        return;
    }
    showHistoryState();
    if (outcome == ListOutcome::Nothing) {
        return;
    }
    showFrameList();
    if (repaint) {
        DrawMatrix();
    }
}

void TFmVelmora::btnAddClick()
{
    // Appending to an emptied list brings back a frame that is selected and shown.
    const bool wasEmpty = model_.FrameCount < 1;
    runListChange(ListStep::NewFrame, wasEmpty);
}

void TFmVelmora::btnInsertClick()
{
    runListChange(ListStep::InsertFrame, true);
}

void TFmVelmora::btnDelectClick()
{
    runListChange(ListStep::DeleteFrame, true);
}

void TFmVelmora::btnCopyClick()
{
    CopyFrame(model_);
}

void TFmVelmora::btnCutClick()
{
    runListChange(ListStep::CutFrame, true);
}

void TFmVelmora::btnPostClick()
{
    runListChange(ListStep::PasteFrame, true);
}
