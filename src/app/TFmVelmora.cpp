#include "app/TFmVelmora.h"

#include "app/BusImageView.h"
#include "app/FrameListModel.h"
#include "app/GraphicEditPage.h"
#include "app/LinePlayer.h"
#include "app/PictureSurface.h"
#include "app/PromptSeam.h"
#include "app/TAboutBox.h"
#include "app/TextEditPage.h"
#include "app/TextlessProgressBar.h"
#include "text/FontFileTable.h"
#include "text/FontFileDamage.h"
#include "preview/MatrixRenderer.h"
#include "preview/PreviewGeometry.h"
#include "text/TextFontRules.h"

#include <QComboBox>
#include <QDir>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {

void ApplyScrollRange(QScrollBar &bar, const ScrollBarRange &range)
{
    const QSignalBlocker quiet(bar);
    bar.setEnabled(range.enabled);
    if (range.enabled) {
        bar.setRange(0, range.maximum);
    }
}

int LogicalDpi(const QWidget &window)
{
    const QScreen *screen = window.screen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

// Point size of a font that may have been given in pixels, at the screen's logical resolution.
int PointSizeOf(const QFont &font, int logicalDpi)
{
    return font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 72.0 / logicalDpi);
}

} // namespace

TFmVelmora::TFmVelmora(PromptSeam &prompts, QWidget *parent) : QMainWindow(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("FmVelmora"));
    setWindowTitle(model_.Captions.Caption);
    setAccessibleName(windowTitle());
    resize(1024, 653);

    buildActions();
    buildMenus();
    buildToolBar();

    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildPreview(), 1);
    layout->addWidget(buildBottomPanel());
    ProgressBar1 = new TextlessProgressBar(centre);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // Filled with the window's own background, the bar repaints alone when it moves, not with the window
    // behind it.
    ProgressBar1->setAutoFillBackground(true);
    layout->addWidget(ProgressBar1);
    setCentralWidget(centre);
    buildStatusBar();
    connectHistory();
    connectFrameList();
    connectFiles();
    connectDownload();
    connectTools();
    connectGraphicEdit();
    connectTextEdit();
    // Last: playing stops on every command built above.
    connectPlay();
}

TFmVelmora::~TFmVelmora() = default;

bool TFmVelmora::event(QEvent *event)
{
    // The long hint of the control under the mouse goes to the first status panel, leaving the other
    // panels in place.
    if (event->type() == QEvent::StatusTip) {
        StatusBar1[0]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TFmVelmora::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Restoring a minimised window shows it again; only the first show sets the start-up state.
    if (!firstShowDone_) {
        firstShowDone_ = true;
        FormShow();
    }
}

void TFmVelmora::FormShow()
{
    model_.WorkDir = QDir::currentPath();
    model_.FileName.clear();

    BusImage->picture().fill(Qt::black);
    Image2.fill(Qt::white);
    GraphicEdit->EditImage->picture().fill(Qt::white);

    const int dpi = LogicalDpi(*this);
    FillFontSizeTables(model_.Text, dpi);
    for (QComboBox *selector : {TextEdit->ComboBox1, TextEdit->ComboBox2, TextEdit->ComboBox3}) {
        const QSignalBlocker quiet(selector);
        selector->setCurrentIndex(0);
    }
    model_.SelCol = 2;
    model_.SelRow = 1;

    // The start-up text font is that of "English" with its first size; the style is left as it is.
    ApplyScriptOption(model_.Text, ScriptOption::English, TextEdit->ComboBox2->currentText());

    ApplyStartupProject(model_);
    showFrameList();
    setFocusedCellHighlight(false);
    GraphicEdit->selectImageSize(0);

    model_.Captions.SizePanel = QStringLiteral("192 Dot X 24 Dot");
    model_.Captions.ModulePanel = QStringLiteral("24X24 X 8");
    showProjectCaptions();

    // The preview's first resize came before there was a sign; the scroll ranges follow it now.
    UpdateViewSize();
    DrawMatrix();
    rebuildFontSelectors();
    model_.Text.TextFontSize = PointSizeOf(TextEdit->editTextUp->font(), dpi);
}

void TFmVelmora::rebuildFontSelectors()
{
    const FontFolders folders(model_.WorkDir, installedFontDir_);
    RebuildSelector(*TextEdit->ComboBox1, ChineseSelectorEntries(folders));
    RebuildSelector(*TextEdit->ComboBox3, NumberSelectorEntries(folders));
    // An entry missing for a damaged file would otherwise look like a file that is not there.
    const QStringList skipped = SkippedFontFileNotices(folders);
    if (!skipped.isEmpty()) {
        StatusBar1[0]->setText(skipped.join(QStringLiteral("; ")));
    }
    const QSignalBlocker quiet(TextEdit->ComboBox2);
    TextEdit->ComboBox2->setCurrentIndex(0);
}

void TFmVelmora::setFocusedCellHighlight(bool on)
{
    QPalette palette = StringGrid->palette();
    const QPalette standard = QApplication::palette(StringGrid);
    palette.setColor(QPalette::Highlight, on ? standard.color(QPalette::Highlight) : standard.color(QPalette::Base));
    palette.setColor(QPalette::HighlightedText,
                     on ? standard.color(QPalette::HighlightedText) : standard.color(QPalette::Text));
    StringGrid->setPalette(palette);
}

void TFmVelmora::DrawMatrix()
{
    // While a line plays, the preview shows its frame as the sign does, at the current zoom and scroll.
    if (playing()) {
        ::DrawSignFrame(BusImage->picture(), model_, player_->shownSlot(), ScrollBar1->value(),
                        ScrollBar2->value());
    } else {
        ::DrawMatrix(BusImage->picture(), model_, ScrollBar1->value(), ScrollBar2->value());
    }
    BusImage->update();
}

void TFmVelmora::UpdateViewSize()
{
    const ScrollRanges ranges = ::UpdateViewSize(model_, BusImage->size());
    ApplyScrollRange(*ScrollBar1, ranges.horizontal);
    ApplyScrollRange(*ScrollBar2, ranges.vertical);
}

void TFmVelmora::BusImageResized()
{
    // The off-screen picture has followed the control; the scroll ranges follow it too.
    UpdateViewSize();
    DrawMatrix();
}

void TFmVelmora::FileExit1Execute()
{
    close();
}

void TFmVelmora::HelpAbout1Execute()
{
    prompts_.runModal(*dialogs_.AboutBox);
}

void TFmVelmora::ToolButton5Click()
{
    if (model_.View.DotRadius <= 1) {
        return;
    }
    --model_.View.DotRadius;
    UpdateViewSize();
    DrawMatrix();
}

void TFmVelmora::ToolButton13Click()
{
    ++model_.View.DotRadius;
    UpdateViewSize();
    DrawMatrix();
}

void TFmVelmora::ToolButton6Click()
{
    model_.View.DotRadius = 2;
    UpdateViewSize();
    DrawMatrix();
}

void TFmVelmora::ScrollBar1Change()
{
    DrawMatrix();
}

void TFmVelmora::ScrollBar2Change()
{
    DrawMatrix();
}
