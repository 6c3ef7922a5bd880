// The main window's project files: open, save, append to the list and the save question on closing.
// Reading, checking and writing live in the core (src/io); these handlers show the dialogs, the
// messages and the result.
#include "app/TFmVelmora.h"

#include "app/PromptSeam.h"
#include "history/RecordedEdits.h"
#include "io/ProjectFiles.h"
#include "io/ProjectTransfer.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

namespace {

// The file types' names are read in the operator's language; their patterns stay as they are.
QString CurrentFormatFilter()
{
    return TFmVelmora::tr("New Korvel File") + QStringLiteral(" (*.nkv)");
}

QString OlderFormatFilter()
{
    return TFmVelmora::tr("Old Korvel File") + QStringLiteral(" (*.kvf)");
}

// The file type chosen in the open dialog decides the format, whatever the file's name or content.
ProjectFormat FormatOfFilter(int filterIndex)
{
    return filterIndex == 1 ? ProjectFormat::Older : ProjectFormat::Current;
}

const QString CaptionBeforePath = QStringLiteral("Velmora - ");

QString CaptionFor(const QString &path)
{
    return CaptionBeforePath + path;
}

} // namespace

QString TFmVelmora::projectFilePath() const
{
    // The caption follows Open, Save and their undoing, so it names the project's file at every moment.
    const QString &caption = model_.Captions.Caption;
    return caption.startsWith(CaptionBeforePath) ? caption.mid(CaptionBeforePath.size()) : QString();
}

void TFmVelmora::connectFiles()
{
    connect(FileOpen1, &QAction::triggered, this, &TFmVelmora::FileOpen1Execute);
    connect(FileSave1, &QAction::triggered, this, [this] { FileSave1Execute(); });
    connect(FileSaveAs1, &QAction::triggered, this, [this] { FileSave1Execute(); });
    connect(Button1, &QPushButton::clicked, this, &TFmVelmora::Button1Click);
}

std::optional<FileChoice> TFmVelmora::chooseProjectToRead()
{
    const auto choice =
        prompts_.chooseOpenFile({{CurrentFormatFilter(), OlderFormatFilter()}, openFilterIndex_, {}});
    if (choice) {
        openFilterIndex_ = choice->filterIndex;
    }
    return choice;
}

void TFmVelmora::FileOpen1Execute()
{
    const auto choice = chooseProjectToRead();
    if (!choice) {
        return;
    }
    openProject(choice->path, FormatOfFilter(choice->filterIndex));
}

void TFmVelmora::openProjectFile(const QString &path)
{
    openProject(path, FormatOfExtension(path));
}

void TFmVelmora::openProject(const QString &path, ProjectFormat format)
{
    const CheckedProjectFile read = ReadProjectFile(path, format, {});
    // A file that cannot be read changes nothing and is no step.
    if (!read.result.ok()) {
        prompts_.showMessage(read.result.message());
        return;
    }
    if (!keepProjectForUndo()) {
        return;
    }
    OpenProject(model_, read.file, path);
    model_.Captions = {CaptionFor(path), SignSizePanelText(model_),
                       read.file.modules ? ModulePanelText(model_) : QString()};
    recordProjectStep(OpenProjectLabel(path));
    showProjectCaptions();
    UpdateViewSize();
    showFrameList();
    DrawMatrix();
    // Said now, not first at the close question, where Yes would then be a dead end.
    if (const auto notice = OpenedProjectSaveNotice(model_, read.file)) {
        prompts_.showMessage(*notice);
    }
}

bool TFmVelmora::FileSave1Execute()
{
    const auto choice = prompts_.chooseSaveFile({{CurrentFormatFilter()}, 0, QStringLiteral("nkv")});
    if (!choice || choice->filterIndex != 0) {
        return false;
    }
    const FileResult saved = SaveProject(model_, choice->path);
    if (!saved.ok()) {
        prompts_.showMessage(saved.message());
        return false;
    }
    model_.Captions.Caption = CaptionFor(choice->path);
    showProjectCaptions();
    return true;
}

void TFmVelmora::Button1Click()
{
    // A stroke held on the preview ends here: the file dialog takes its release.
    closeFrameStep();
    const auto choice = chooseProjectToRead();
    if (!choice) {
        return;
    }
    const CheckedProjectFile read =
        ReadProjectFile(choice->path, FormatOfFilter(choice->filterIndex), {{}, true, model_.FrameCount});
    if (!read.result.ok()) {
        prompts_.showMessage(read.result.message());
        return;
    }
    history_.openStep(StepShape::InsertRows, model_.FrameCount + 1);
    AppendProject(model_, read.file);
    history_.closeStep(AppendFileLabel());
    showHistoryState();
    showFrameList();
    DrawMatrix();
}

void TFmVelmora::closeEvent(QCloseEvent *event)
{
    // The transfer must not be cut off: the window closes once it has ended.
    if (downloading_) {
        closeWhenDownloadEnds_ = true;
        event->ignore();
        return;
    }
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TFmVelmora::FormCloseQuery()
{
    return askToSaveChange();
}

bool TFmVelmora::askToSaveChange()
{
    switch (prompts_.askYesNoCancel(tr("Do you want to save the change ?"))) {
    case SaveAnswer::Yes:
        // Going on after a save that did not happen would lose the work the operator meant to keep.
        return FileSave1Execute();
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}
