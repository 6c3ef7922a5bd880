#include "signshow/SignShowWindow.h"

#include "signsim/SignLineService.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A QTimer takes an int of milliseconds; a longer wait wakes once a minute and finds the same frame.
constexpr qint64 LongestTimerWaitMs = 60 * 1000;

} // namespace

SignShowWindow::SignShowWindow(SignLineService &service, std::vector<int> colorCodes, QWidget *parent)
    : QWidget(parent), shown_(std::move(colorCodes))
{
    // The device a download goes to, where the operator looks for it.
    setWindowTitle(
        QCoreApplication::translate("SignShowWindow", "velmora-signsim on %1").arg(service.devicePath()));
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("ReceivedLines"));
    lines_->setMinimumWidth(220);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    // The sign's own black around the dots, as in the editor's preview.
    QPalette dark = picture_->palette();
    dark.setColor(QPalette::Window, Qt::black);
    picture_->setPalette(dark);
    picture_->setAutoFillBackground(true);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(picture_);
    scroll_->setWidgetResizable(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("ShownStatus"));

    auto *right = new QVBoxLayout;
    right->addWidget(scroll_, 1);
    right->addWidget(status_);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lines_);
    layout->addLayout(right, 1);
    resize(800, 300);

    clock_.start();
    nextFrame_.setSingleShot(true);
    nextFrame_.setTimerType(Qt::PreciseTimer);
    connect(&nextFrame_, &QTimer::timeout, this, &SignShowWindow::refreshPicture);
    connect(lines_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item) {
            shown_.choose(item->data(Qt::UserRole).toInt(), now());
            refreshPicture();
        }
    });
    service.onPacket = [this](const ReceivedPacket &, const ReceivedLine *line) {
        shown_.packetArrived(line);
        refreshPicture();
    };
    service.onLine = [this](const ReceivedLine &line) {
        shown_.lineArrived(line, now());
        refreshList();
        refreshPicture();
    };
    refreshPicture();
}

void SignShowWindow::refreshList()
{
    const QSignalBlocker programChanges(lines_);
    lines_->clear();
    for (const int board : shown_.boards()) {
        auto *item = new QListWidgetItem(shown_.listText(board), lines_);
        item->setData(Qt::UserRole, board);
        if (shown_.chosenBoard() == board) {
            lines_->setCurrentItem(item);
        }
    }
}

void SignShowWindow::refreshPicture()
{
    const qint64 at = now();
    const QImage picture = shown_.picture(at);
    if (picture.size() != picture_->pixmap().size()) {
        fitPicture(picture.size());
    }
    picture_->setPixmap(QPixmap::fromImage(picture));
    status_->setText(shown_.statusText(at));
    if (const std::optional<qint64> wait = shown_.msUntilChange(at)) {
        nextFrame_.start(static_cast<int>(std::min(*wait, LongestTimerWaitMs)));
    } else {
        nextFrame_.stop();
    }
}

void SignShowWindow::fitPicture(QSize picture)
{
    const QSize missing = (picture - scroll_->viewport()->size()).expandedTo(QSize(0, 0));
    resize((size() + missing).boundedTo(screen()->availableGeometry().size()));
}
