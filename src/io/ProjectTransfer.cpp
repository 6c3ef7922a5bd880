#include "io/ProjectTransfer.h"

#include "io/CurrentFormatWriter.h"
#include "io/ProjectFileLimits.h"
#include "list/CellSelection.h"
#include "model/ProjectModel.h"

#include <QCoreApplication>

namespace {

// Puts a file's frame into a clean slot: its cells (the "Line" column is left to RenumberLines), its
// Change flag and every dot its words cover.
void PutFrame(ProjectModel &model, int slot, const FileFrame &frame, const ProjectFile &file)
{
    ClearFrameSlot(model, slot);
    model.ChangeFlag[slot] = frame.change ? 1 : 0;
    model.Cells.row(slot + 1) = {Format000(slot + 1), QString(), frame.board,
                                 frame.change ? QStringLiteral("V") : QString(), frame.time};
    UnpackFrameDots(frame.dots, file.WidthDot, file.HeightDot, model.FrameDots.writableFrame(slot));
}

void PutFrames(ProjectModel &model, const ProjectFile &file, int firstSlot)
{
    const int frames = static_cast<int>(file.frames.size());
    model.Cells.setRowCount(firstSlot + frames + 1);
    for (int i = 0; i < frames; ++i) {
        PutFrame(model, firstSlot + i, file.frames[static_cast<std::size_t>(i)], file);
    }
    model.FrameCount = firstSlot + frames;
    RenumberLines(model);
}

FileResult CannotBeSaved(const QString &problem)
{
    return FileResult::failed(
        QCoreApplication::translate("ProjectTransfer", "The project cannot be saved: %1.").arg(problem));
}

} // namespace

void OpenProject(ProjectModel &model, const ProjectFile &file, const QString &path)
{
    model.FileName = path;
    model.WidthDot = file.WidthDot;
    model.HeightDot = file.HeightDot;
    PutFrames(model, file, 0);
    if (file.modules) {
        model.LedWidthDot = file.modules->LedWidthDot;
        model.LedNumber = file.WidthDot / file.modules->LedWidthDot;
        std::copy(file.modules->LedColor.begin(), file.modules->LedColor.end(), model.LedColor.begin());
        FillDotColor(model);
    }
    FollowShrinkingList(model);
}

void AppendProject(ProjectModel &model, const ProjectFile &file)
{
    const bool wasEmpty = model.FrameCount < 1;
    PutFrames(model, file, model.FrameCount);
    // Frames arriving in an emptied list: the first of them becomes the selected one, as "New" does.
    if (wasEmpty && model.FrameCount > 0) {
        SelectCell(model, model.SelCol, 1);
    }
}

std::optional<QString> OpenedProjectSaveNotice(const ProjectModel &model, const ProjectFile &file)
{
    if (file.modules) {
        return std::nullopt;
    }
    const auto problem = ModuleWidthProblem(model.LedWidthDot, model.WidthDot);
    if (!problem) {
        return std::nullopt;
    }
    return QCoreApplication::translate(
               "ProjectTransfer",
               "'%1' has no module data and keeps the modules of the sign before: %2, so the "
               "project cannot be saved. To save it, set up the sign with New and append the "
               "file with the list's \"Open\".")
        .arg(model.FileName, *problem);
}

CheckedProjectFile CaptureProject(const ProjectModel &model)
{
    CheckedProjectFile captured;
    if (const auto problem = ModuleWidthProblem(model.LedWidthDot, model.WidthDot)) {
        captured.result = CannotBeSaved(*problem);
        return captured;
    }
    ProjectFile &file = captured.file;
    file.WidthDot = model.WidthDot;
    file.HeightDot = model.HeightDot;
    for (int f = 0; f < model.FrameCount; ++f) {
        const RowCells &row = model.Cells.row(f + 1);
        file.frames.push_back({row[ColBoard], model.ChangeFlag[f] != 0, row[ColTime],
                               PackFrameDots(model.FrameDots.frame(f), model.WidthDot, model.HeightDot)});
    }
    // As many colours as the reader takes back: one per whole module of the sign.
    const int modules = model.WidthDot / model.LedWidthDot;
    file.modules =
        ModuleTrailer{model.LedWidthDot, {model.LedColor.begin(), model.LedColor.begin() + modules}};
    if (const auto problem = StoredWordProblem(file)) {
        captured.result = CannotBeSaved(*problem);
        return captured;
    }
    captured.result = CheckCellsForSaving(file);
    return captured;
}

QString SignSizePanelText(const ProjectModel &model)
{
    return QStringLiteral("%1Dot X %2Dot").arg(model.WidthDot).arg(model.HeightDot);
}

QString ModulePanelText(const ProjectModel &model)
{
    return QStringLiteral("%1X%2 X %3(片)").arg(model.LedWidthDot).arg(model.HeightDot).arg(model.LedNumber);
}
