#include "list/CellSelection.h"

#include "model/ProjectModel.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The frame at `row` (1-based) is the first of its line.
bool StartsLine(const ProjectModel &model, int row)
{
    return row == 1 || model.ChangeFlag[row - 2] == 0;
}

// The frame belongs to a line of several frames: it is marked, or the frame before it is.
bool InMultiFrameLine(const ProjectModel &model, int row)
{
    return model.ChangeFlag[row - 1] == 1 || (row > 1 && model.ChangeFlag[row - 2] == 1);
}

void ToggleChange(ProjectModel &model, int row)
{
    const bool marking = model.ChangeFlag[row - 1] == 0;
    const QString time = marking ? JoinedFrameTime() : QString();
    model.ChangeFlag[row - 1] = marking ? 1 : 0;
    model.Cells.setCell(ColChange, row, marking ? QStringLiteral("V") : QString());
    if (StartsLine(model, row)) {
        model.Cells.setCell(ColTime, row, time);
    }
    // The last row has no next frame: its mark is only ever taken back there.
    if (row < model.FrameCount && model.ChangeFlag[row] == 0) {
        model.Cells.setCell(ColTime, row + 1, time);
    }
    RenumberLines(model);
}

// A mark can be set on a frame that has a next one to join; a set mark can always be taken back, also
// on a last row that kept it when the frame after it was deleted.
bool MayToggleChange(const ProjectModel &model, int row)
{
    return row < model.FrameCount || model.ChangeFlag[row - 1] == 1;
}

} // namespace

QString JoinedFrameTime()
{
    return QStringLiteral("3");
}

CellEdit EditSelectedCell(ProjectModel &model, int column, int row)
{
    const bool alreadySelected = column == model.SelCol && row == model.SelRow && row <= model.FrameCount;
    if (!alreadySelected) {
        return CellEdit::None;
    }
    switch (column) {
    case ColBoard:
        return CellEdit::BoardNumber;
    case ColChange:
        if (MayToggleChange(model, row)) {
            ToggleChange(model, row);
            return CellEdit::ChangeToggled;
        }
        return CellEdit::None;
    case ColTime:
        return InMultiFrameLine(model, row) ? CellEdit::Time : CellEdit::None;
    default:
        return CellEdit::None;
    }
}

std::optional<int> SecondsOfTimeCell(const QString &text)
{
    if (text.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const int seconds = text.toInt(&ok);
    return ok ? std::optional<int>(seconds) : std::nullopt;
}

QString NotAnIntegerMessage(const QString &text)
{
    return QCoreApplication::translate("CellSelection", "'%1' is not a valid integer value").arg(text);
}

bool SelectCell(ProjectModel &model, int column, int row)
{
    model.SelCol = column;
    model.SelRow = row;
    if (row - 1 == model.CurFrame) {
        return false;
    }
    model.CurFrame = row - 1;
    return true;
}

std::optional<int> DelaySecondsOf(const QString &text)
{
    bool ok = false;
    const int seconds = text.toInt(&ok);
    const bool digitsOnly = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
    if (!ok || !digitsOnly || seconds > MaxDelaySeconds) {
        return std::nullopt;
    }
    return seconds;
}

QString DelayOutOfRangeMessage(const QString &text)
{
    return QCoreApplication::translate(
               "CellSelection", "'%1' is not a time the sign can take: the Time is a whole number of seconds "
                                "from 0 to %2.")
        .arg(text)
        .arg(MaxDelaySeconds);
}

bool FollowShrinkingList(ProjectModel &model)
{
    if (model.FrameCount < 1) {
        // An emptied list shows frame 0, dark, until New or Paste brings a frame back.
        ClearFrameSlot(model, 0);
        return SelectCell(model, model.SelCol, 1);
    }
    if (model.SelRow <= model.FrameCount) {
        return false;
    }
    return SelectCell(model, model.SelCol, model.FrameCount);
}
