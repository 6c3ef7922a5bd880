// The main window's areas: the preview with its scroll bars, the bottom panel with the frame list and
// the two editing pages, and the status bar.
#include "app/TFmVelmora.h"

#include "app/BusImageView.h"
#include "app/FrameListModel.h"
#include "app/GraphicEditPage.h"
#include "app/NamedControl.h"
#include "app/TextEditPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int bottomPanelHeight = 245;
constexpr std::array<int, FrameColumnCount> frameColumnWidths = {45, 59, 268, 55, 47};
constexpr std::array<int, 4> statusPanelWidths = {150, 150, 150, 50};

} // namespace

QWidget *TFmVelmora::buildPreview()
{
    auto *area = new QWidget(this);
    BusImage = new BusImageView(area);
    ScrollBar1 = NamedControl<QScrollBar>("ScrollBar1", tr("Horizontal scroll"), area, Qt::Horizontal);
    ScrollBar2 = NamedControl<QScrollBar>("ScrollBar2", tr("Vertical scroll"), area, Qt::Vertical);
    for (QScrollBar *bar : {ScrollBar1, ScrollBar2}) {
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setEnabled(false);
    }
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFmVelmora::ScrollBar1Change);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TFmVelmora::ScrollBar2Change);
    connect(BusImage, &BusImageView::resized, this, &TFmVelmora::BusImageResized);

    auto *layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BusImage, 0, 0);
    layout->addWidget(ScrollBar2, 0, 1);
    layout->addWidget(ScrollBar1, 1, 0);
    return area;
}

QWidget *TFmVelmora::buildBottomPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(bottomPanelHeight);

    PageControl1 = NamedControl<QTabWidget>("PageControl1", tr("Editing pages"), panel);
    TextEdit = new TextEditPage(PageControl1);
    GraphicEdit = new GraphicEditPage(PageControl1);
    PageControl1->addTab(TextEdit, tr("Text Edit"));
    PageControl1->addTab(GraphicEdit, tr("Graphic Edit"));
    PageControl1->setCurrentWidget(TextEdit);

    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(buildFrameListArea(), 1);
    layout->addWidget(PageControl1, 1);
    return panel;
}

QWidget *TFmVelmora::buildFrameListArea()
{
    auto *area = new QWidget(this);
    const auto listButton = [area](const char *name, const QString &caption) {
        return NamedControl<QPushButton>(name, caption, area, caption);
    };
    btnAdd = listButton("btnAdd", tr("New"));
    btnInsert = listButton("btnInsert", tr("Insert"));
    btnDelect = listButton("btnDelect", tr("Delete"));
    btnCopy = listButton("btnCopy", tr("Copy"));
    btnCut = listButton("btnCut", tr("Cut"));
    btnPost = listButton("btnPost", tr("Paste"));
    Button1 = listButton("Button1", tr("Open"));
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton *button : {btnAdd, btnInsert, btnDelect, btnCopy, btnCut, btnPost, Button1}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();

    StringGrid = NamedControl<QTableView>("StringGrid", tr("Frame list"), area);
    frameList_ = std::make_unique<FrameListModel>(model_);
    StringGrid->setModel(frameList_.get());
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid->setShowGrid(true);
    StringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid->verticalHeader()->hide();
    StringGrid->verticalHeader()->setDefaultSectionSize(20);
    StringGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < FrameColumnCount; ++column) {
        StringGrid->setColumnWidth(column, frameColumnWidths[column]);
    }

    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(StringGrid, 1);
    return area;
}

void TFmVelmora::buildStatusBar()
{
    for (std::size_t panel = 0; panel < StatusBar1.size(); ++panel) {
        auto *label = new QLabel(statusBar());
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel + 1));
        // The hint panel and the last one (empty but while a line plays) widen for a longer text, so a hint
        // that names an undo step or says why nothing is drawn is read whole; the sign's panels keep theirs.
        const bool widensForText = panel == 0 || panel + 1 == StatusBar1.size();
        if (widensForText) {
            label->setMinimumWidth(statusPanelWidths[panel]);
        } else {
            label->setFixedWidth(statusPanelWidths[panel]);
        }
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(label);
        StatusBar1[panel] = label;
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}
