// The main window's commands: actions, menus and the tool bar.
#include "app/TFmVelmora.h"

#include "app/Hints.h"
#include "app/ToolIcons.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction *NewAction(QObject *owner, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

// The standard edit command of the text field that has the focus; Qt's text fields handle the keys
// themselves, these actions only carry the commands' captions and hints.
template <typename Edit> void ConnectTextEdit(QAction *action, Edit edit)
{
    QObject::connect(action, &QAction::triggered, action, [edit] {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget())) {
            (field->*edit)();
        }
    });
}

} // namespace

void TFmVelmora::buildActions()
{
    FileNew1 = NewAction(this, "FileNew1", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    ApplyHint(*FileNew1, tr("New|Create a new file"));
    FileNew1->setIcon(ToolIcon(ToolImage::NewPage));
    FileOpen1 = NewAction(this, "FileOpen1", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    ApplyHint(*FileOpen1, tr("Open|Open a file"));
    FileOpen1->setIcon(ToolIcon(ToolImage::OpenFolder));
    FileSave1 = NewAction(this, "FileSave1", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    ApplyHint(*FileSave1, tr("Save|Save current file"));
    FileSave1->setIcon(ToolIcon(ToolImage::SaveDisk));
    FileSaveAs1 = NewAction(this, "FileSaveAs1", tr("Save &As..."));
    ApplyHint(*FileSaveAs1, tr("Save As|Save current file with different name"));
    FileExit1 = NewAction(this, "FileExit1", tr("E&xit"));
    ApplyHint(*FileExit1, tr("Exit|Exit application"));
    HelpAbout1 = NewAction(this, "HelpAbout1", tr("&About..."));
    ApplyHint(*HelpAbout1, tr("About|Displays program information, version number, and copyright"));
    connect(FileNew1, &QAction::triggered, this, &TFmVelmora::FileNew1Execute);
    connect(FileExit1, &QAction::triggered, this, &TFmVelmora::FileExit1Execute);
    connect(HelpAbout1, &QAction::triggered, this, &TFmVelmora::HelpAbout1Execute);
    HelpDownloadRecord1 = NewAction(this, "HelpDownloadRecord1", tr("Download Record..."));
    ApplyHint(*HelpDownloadRecord1,
              tr("Download Record|Shows which buses and ports the open project was downloaded to"));
    connect(HelpDownloadRecord1, &QAction::triggered, this, &TFmVelmora::HelpDownloadRecordExecute);

    const QString cutHint = tr("Cut|Cuts the selection and puts it on the Clipboard");
    const QString copyHint = tr("Copy|Copies the selection and puts it on the Clipboard");
    const QString pasteHint = tr("Paste|Inserts Clipboard contents");
    // Not placed on any menu or button, so their shortcuts never compete with the region commands: a
    // focused text field takes Ctrl+X, Ctrl+C, Ctrl+V and Del itself before any window shortcut.
    EditCut1 = NewAction(this, "EditCut1", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    EditCopy1 = NewAction(this, "EditCopy1", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    EditPaste1 = NewAction(this, "EditPaste1", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    ApplyHint(*EditCut1, cutHint);
    ApplyHint(*EditCopy1, copyHint);
    ApplyHint(*EditPaste1, pasteHint);
    ConnectTextEdit(EditCut1, &QLineEdit::cut);
    ConnectTextEdit(EditCopy1, &QLineEdit::copy);
    ConnectTextEdit(EditPaste1, &QLineEdit::paste);

    Cut1 = NewAction(this, "Cut1", tr("&Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = NewAction(this, "Copy1", tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste = NewAction(this, "Paste", tr("Past"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Cut1->setIcon(ToolIcon(ToolImage::Scissors));
    Copy1->setIcon(ToolIcon(ToolImage::TwoPages));
    Paste->setIcon(ToolIcon(ToolImage::Clipboard));
    ApplyHint(*Cut1, cutHint);
    ApplyHint(*Copy1, copyHint);
    ApplyHint(*Paste, pasteHint);
    for (QAction *command : {Cut1, Copy1, Paste}) {
        command->setEnabled(false);
    }
    Undo1 = NewAction(this, "Undo1", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = NewAction(this, "Redo1", tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Undo1->setIcon(ToolIcon(ToolImage::UndoArrow));
    Redo1->setIcon(ToolIcon(ToolImage::RedoArrow));

    // The Edit menu's "Delete" item is never shown; its Del key is this window-wide command.
    Delete1 = NewAction(this, "Delete1", tr("Delete"), QKeySequence(Qt::Key_Delete));
    addAction(Delete1);

    PointerTool = NewAction(this, "PointerTool", tr("Pointer"));
    PointerTool->setIcon(ToolIcon(ToolImage::Arrow));
    Pen1 = NewAction(this, "Pen1", tr("Pen"));
    Pen1->setIcon(ToolIcon(ToolImage::PointingHand));
    Select1 = NewAction(this, "Select1", tr("Select"));
    Select1->setIcon(ToolIcon(ToolImage::Selection));
    for (QAction *tool : {PointerTool, Pen1, Select1}) {
        tool->setCheckable(true);
    }
    PointerTool->setChecked(true);

    ZoomOut = NewAction(this, "ZoomOut", tr("Zoom out"));
    ZoomOut->setIcon(ToolIcon(ToolImage::ZoomOut));
    ZoomReset = NewAction(this, "ZoomReset", tr("Default zoom"));
    ZoomReset->setIcon(ToolIcon(ToolImage::ZoomReset));
    ZoomIn = NewAction(this, "ZoomIn", tr("Zoom in"));
    ZoomIn->setIcon(ToolIcon(ToolImage::ZoomIn));
    connect(ZoomOut, &QAction::triggered, this, &TFmVelmora::ToolButton5Click);
    connect(ZoomReset, &QAction::triggered, this, &TFmVelmora::ToolButton6Click);
    connect(ZoomIn, &QAction::triggered, this, &TFmVelmora::ToolButton13Click);

    Play1 = NewAction(this, "Play1", tr("Play"), QKeySequence(Qt::Key_F5));
    ApplyHint(*Play1, tr("Play|Play the line of the current frame as the sign shows it"));
    Play1->setIcon(ToolIcon(ToolImage::PlayTriangle));
    Play1->setCheckable(true);
    // Esc stops playing; the key is the window's only while a line plays.
    PlayStop = NewAction(this, "PlayStop", tr("Stop playing"), QKeySequence(Qt::Key_Escape));
    PlayStop->setEnabled(false);
    addAction(PlayStop);
}

void TFmVelmora::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addActions({FileNew1, FileOpen1, FileSave1});
    file->addSeparator();
    file->addAction(FileExit1);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->addActions({Undo1, Redo1});
    edit->addSeparator();
    edit->addActions({Cut1, Copy1, Paste});
    QAction *hiddenDelete = edit->addAction(tr("Delete"));
    hiddenDelete->setObjectName(QStringLiteral("Delete1Item"));
    hiddenDelete->setShortcut(Delete1->shortcut());
    hiddenDelete->setVisible(false);
    connect(hiddenDelete, &QAction::triggered, Delete1, &QAction::trigger);

    QMenu *option = menuBar()->addMenu(tr("Option"));
    option->setObjectName(QStringLiteral("Option1"));
    option->addActions({Pen1, Select1});
    option->addSeparator();
    option->addAction(Play1);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(HelpDownloadRecord1);
    help->addAction(HelpAbout1);
}

void TFmVelmora::buildToolBar()
{
    ToolBar1 = addToolBar(tr("Tools"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(20, 20));

    const auto addButton = [this](QAction *action, const char *name, bool hinted) {
        ToolBar1->addAction(action);
        QWidget *button = ToolBar1->widgetForAction(action);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(action->text().remove(QLatin1Char('&')));
        if (!hinted) {
            SuppressToolTip(*button);
        }
    };
    addButton(FileNew1, "ToolButton1", true);
    addButton(FileOpen1, "ToolButton2", true);
    addButton(FileSave1, "ToolButton4", true);
    ToolBar1->addSeparator();
    addButton(Cut1, "ToolButton8", true);
    addButton(Copy1, "ToolButton10", true);
    addButton(Paste, "ToolButton15", true);
    addButton(Undo1, "ToolButton16", true);
    addButton(Redo1, "ToolButton17", true);
    ToolBar1->addSeparator();
    addButton(PointerTool, "ToolButton3", false);
    addButton(Pen1, "ToolButton14", false);
    addButton(Select1, "ToolButton11", false);
    ToolBar1->addSeparator();
    addButton(ZoomOut, "ToolButton5", false);
    addButton(ZoomReset, "ToolButton6", false);
    addButton(ZoomIn, "ToolButton13", false);
    ToolBar1->addSeparator();

    const auto addDownloadButton = [this](const char *name, const QString &caption) {
        auto *button = new QToolButton(ToolBar1);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setAccessibleName(caption);
        ApplyHint(*button, QStringLiteral("RS232"));
        return std::pair{button, ToolBar1->addWidget(button)};
    };
    QAction *oneSlot = nullptr;
    std::tie(BitBtn1, oneSlot) = addDownloadButton("BitBtn1", tr("One"));
    oneSlot->setVisible(false);
    BitBtn3 = addDownloadButton("BitBtn3", tr("Download")).first;
    addButton(Play1, "PlayButton", true);
}
