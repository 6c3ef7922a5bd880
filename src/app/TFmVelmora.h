#pragma once

#include "history/EditHistory.h"
#include "preview/PreviewEditor.h"
#include "list/FrameListOps.h"
#include "model/ProjectModel.h"
#include "io/ProjectFile.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class BusImageView;
class FrameListModel;
class GraphicEditPage;
class LinePlayer;
class PromptSeam;
struct FileChoice;
class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;
class TAboutBox;
class TextEditPage;
class TfmCOMPort;
class TfmNote;
class TfmSecond;
class TfmStart;
enum class DownloadVariant;
struct DownloadEntry;
enum class ListStep;

// The dialogs the main window shows; created after it, in the start-up order.
struct DialogForms {
    TAboutBox *AboutBox = nullptr;
    TfmNote *fmNote = nullptr;
    TfmSecond *fmSecond = nullptr;
    TfmStart *fmStart = nullptr;
    TfmCOMPort *fmCOMPort = nullptr;
};

// The main window. It owns the one project model for its whole life; its handlers connect the
// operator's actions to the core and show the results.
class TFmVelmora : public QMainWindow {
    Q_OBJECT
public:
    explicit TFmVelmora(PromptSeam &prompts, QWidget *parent = nullptr);
    ~TFmVelmora() override;

    void attachDialogs(const DialogForms &dialogs) { dialogs_ = dialogs; }

    const ProjectModel &project() const { return model_; }

    // The installed data folder that font files absent from WorkDir are taken from; none unless set.
    void setInstalledFontFolder(const QString &folder) { installedFontDir_ = folder; }

    // A project file named when the editor was started: opened as Open opens a chosen file, in the
    // format its extension says; a refused file gives its message and the project stays.
    void openProjectFile(const QString &path);

    // The start-up state, set when the window is first shown; opening a damaged project file runs it
    // again to put back the start-up project.
    void FormShow();

    // Repaints the whole preview from the model.
    void DrawMatrix();
    // After the radius or the sign size changed: view sizes and scroll ranges.
    void UpdateViewSize();

    // Commands shared by menu and tool bar.
    QAction *FileNew1 = nullptr;
    QAction *FileOpen1 = nullptr;
    QAction *FileSave1 = nullptr;
    QAction *FileSaveAs1 = nullptr;
    QAction *FileExit1 = nullptr;
    QAction *HelpAbout1 = nullptr;
    QAction *HelpDownloadRecord1 = nullptr;
    QAction *EditCut1 = nullptr;
    QAction *EditCopy1 = nullptr;
    QAction *EditPaste1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste = nullptr;
    QAction *Undo1 = nullptr;
    QAction *Redo1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *Pen1 = nullptr;
    QAction *Select1 = nullptr;
    QAction *PointerTool = nullptr;
    QAction *ZoomOut = nullptr;
    QAction *ZoomReset = nullptr;
    QAction *ZoomIn = nullptr;
    QAction *Play1 = nullptr;
    QAction *PlayStop = nullptr;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *BitBtn1 = nullptr;
    QToolButton *BitBtn3 = nullptr;
    BusImageView *BusImage = nullptr;
    QScrollBar *ScrollBar1 = nullptr;
    QScrollBar *ScrollBar2 = nullptr;
    QPushButton *btnAdd = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnDelect = nullptr;
    QPushButton *btnCopy = nullptr;
    QPushButton *btnCut = nullptr;
    QPushButton *btnPost = nullptr;
    QPushButton *Button1 = nullptr;
    QTableView *StringGrid = nullptr;
    QTabWidget *PageControl1 = nullptr;
    TextEditPage *TextEdit = nullptr;
    GraphicEditPage *GraphicEdit = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    std::array<QLabel *, 4> StatusBar1 = {};

    // The hidden scratch picture of the system-font text path.
    QImage Image2{436, 404, QImage::Format_RGB32};

    // The one entry to placing for every picture source: the picture follows the pointer over the
    // preview until a left click stamps it into the current frame.
    void enterPlacing(const PreviewEditor::PictureWriter &writePicture);

    // Selecting cell (column, row) of the list, row 1 being the first frame: a click on the cell that
    // is already selected edits it; then its frame becomes the current one.
    void StringGridSelectCell(int column, int row);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Builders of the window's areas, one per area.
    void buildActions();
    void buildMenus();
    void buildToolBar();
    QWidget *buildPreview();
    QWidget *buildBottomPanel();
    QWidget *buildFrameListArea();
    void buildStatusBar();

    void rebuildFontSelectors();
    void setFocusedCellHighlight(bool on);

    void connectFrameList();
    void connectFiles();
    void connectTools();
    void connectHistory();
    // Runs a tool command as one undoable step of the current frame and shows its result.
    void runFrameCommand(const std::function<PreviewPaint()> &command);
    void closeFrameStep();
    // Shows whether Undo and Redo can act, and on what.
    void showHistoryState();
    // Before New or Open replaces the project: keeps it for Undo when the history can hold it, and
    // otherwise asks the save question first. Answers whether to go on.
    bool keepProjectForUndo();
    // After the project was replaced: the step that gives the one before back, or, when that could not
    // be kept, no steps at all (they belonged to the project that is gone).
    void recordProjectStep(const QString &label);
    // The project's caption and the status bar's sign panels as the model holds them.
    void showProjectCaptions();
    void Undo1Execute();
    // After undo or redo: the list, the preview, the tools and what is left to undo or redo.
    void showReplayedStep();
    void Redo1Execute();
    void applyPaint(const PreviewPaint &paint);
    // Shows the tools' pressed and checked states and the region commands' availability.
    void showToolState();

    void ToolButton3Click();
    void Pen1Click();
    void Select1Click();
    void Cut1Click();
    void Copy1Click();
    void PasteClick();
    void Delete1Click();
    void BusImageMouseDown(Qt::MouseButton button, QPoint position);
    void BusImageMouseMove(Qt::MouseButtons held, QPoint position);
    void BusImageMouseUp(Qt::MouseButton button, QPoint position);
    void editBoardNumber(int row);
    bool editTime(int row);
    // Shows the list's cells and its selected cell as the model holds them.
    void showFrameList();
    // Runs a list operation as one undoable step and shows its result.
    void runListChange(ListStep step, bool repaint);

    void btnAddClick();
    void btnInsertClick();
    void btnDelectClick();
    void btnCopyClick();
    void btnCutClick();
    void btnPostClick();
    // The downloads: "Download" (every line) and the hidden "One" (a single line).
    void connectDownload();
    void BitBtn3Click();
    void BitBtn1Click();
    void runDownload(DownloadVariant variant);
    // Adds the download to the record; says once a run when it cannot.
    void recordDownload(const DownloadEntry &entry);
    // The file the project was last opened from or saved to, as the caption names it; empty for none.
    QString projectFilePath() const;
    // "Download Record...": the record's downloads of the open project.
    void HelpDownloadRecordExecute();
    void FileExit1Execute();
    // New: the setup dialog, then an empty project for the sign chosen there.
    void FileNew1Execute();
    void FileOpen1Execute();
    void openProject(const QString &path, ProjectFormat format);
    // Answers whether the project was written.
    bool FileSave1Execute();
    void Button1Click();
    // The save question on closing; answers whether the window may close.
    bool FormCloseQuery();
    // "Do you want to save the change ?": answers whether to go on (Yes and a save that happened, or
    // No).
    bool askToSaveChange();
    // The open dialog, which keeps the file type chosen last from one use to the next.
    std::optional<FileChoice> chooseProjectToRead();
    void HelpAbout1Execute();
    void ToolButton5Click();
    void ToolButton13Click();
    void ToolButton6Click();
    void ScrollBar1Change();
    void ScrollBar2Change();
    void BusImageResized();

    // Line playback in the preview.
    void connectPlay();
    void Play1Click(bool checked);
    void stopPlaying();
    void showPlayedFrame();
    bool playing() const;

    // The "Text Edit" page: text upload, the script options, the size selectors, the style boxes and the
    // font button.
    void connectTextEdit();
    void btnTextUpClick();
    void RadioButton1MouseDown();
    void RadioButton2MouseDown();
    void RadioButton3MouseDown();
    void RadioButton4MouseDown();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void Button2Click();

    // The "Graphic Edit" page: the size choice, drawing on the picture, Open, Save, Clear and Upload.
    void connectGraphicEdit();
    void showEditPicture(const QImage &surface);
    void RadioGroup1Click();
    void EditImageMouseDown(Qt::MouseButton button, QPoint position);
    void EditImageMouseMove(Qt::MouseButtons held, QPoint position);
    void Button3Click();
    void Button5Click();
    void Button6Click();
    void Button4Click();

    PromptSeam &prompts_;
    DialogForms dialogs_;
    ProjectModel model_;
    // Declared after the model and without a Qt parent: it goes before the model does, and the list
    // control, told of that, never asks a destroyed model for its cells while the window is torn down.
    std::unique_ptr<FrameListModel> frameList_;
    PreviewEditor editor_{model_};
    // A download is running; closing the window waits for its end.
    bool downloading_ = false;
    bool closeWhenDownloadEnds_ = false;
    bool saidNotRecorded_ = false;
    EditHistory history_{model_};
    bool firstShowDone_ = false;
    int openFilterIndex_ = 0;
    LinePlayer *player_ = nullptr;
    QString installedFontDir_;
};
