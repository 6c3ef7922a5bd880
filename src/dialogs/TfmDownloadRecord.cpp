#include "dialogs/TfmDownloadRecord.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

std::vector<DownloadEntry> DownloadsOfProject(const std::vector<DownloadEntry> &entries, const QString &path,
                                              const QStringList &digests)
{
    const QString file = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    std::vector<DownloadEntry> found;
    for (const DownloadEntry &entry : entries) {
        const bool sameBytes = !entry.sha256.isEmpty() && digests.contains(entry.sha256);
        const bool sameFile = !file.isEmpty() && entry.project == file;
        if (sameBytes || sameFile) {
            found.push_back(entry);
        }
    }
    return found;
}

namespace {

QString LinesText(const DownloadEntry &entry)
{
    QStringList lines;
    for (const RecordedLine &line : entry.lines) {
        lines << QStringLiteral("%1: %2").arg(line.board).arg(line.frames);
    }
    return lines.join(QStringLiteral(", "));
}

} // namespace

TfmDownloadRecord::TfmDownloadRecord(const std::vector<DownloadEntry> &entries, const QStringList &currentDigests,
                                     const QString &heading, const QString &problem, const QString &recordPath,
                                     QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmDownloadRecord"));
    setWindowTitle(tr("Download Record"));
    auto *layout = new QVBoxLayout(this);
    Heading = new QLabel(problem.isEmpty() ? heading : problem, this);
    Heading->setObjectName(QStringLiteral("Heading"));
    Heading->setWordWrap(true);
    layout->addWidget(Heading);

    const QStringList columns = {tr("Started (UTC)"), tr("Bus"),     tr("Port"),    tr("Project"),
                                 tr("Bytes"),         tr("SHA-256"), tr("Lines (board: frames)"),
                                 tr("Packets"),       tr("Outcome"), tr("Seconds")};
    Downloads = new QTableWidget(static_cast<int>(entries.size()), static_cast<int>(columns.size()), this);
    Downloads->setObjectName(QStringLiteral("Downloads"));
    Downloads->setAccessibleName(tr("Downloads"));
    Downloads->setHorizontalHeaderLabels(columns);
    Downloads->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Downloads->setSelectionBehavior(QAbstractItemView::SelectRows);
    Downloads->verticalHeader()->hide();
    for (int row = 0; row < Downloads->rowCount(); ++row) {
        const DownloadEntry &entry = entries[static_cast<std::size_t>(row)];
        const QString project = entry.project.isEmpty() ? tr("(never saved)") : entry.project;
        const QString packets = entry.packetsSentAgain == 0
                                    ? QString::number(entry.packetsSent)
                                    : tr("%1 (%2 sent again)").arg(entry.packetsSent).arg(entry.packetsSentAgain);
        const QStringList cells = {
            entry.started.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            entry.bus,
            entry.port,
            entry.unsaved ? tr("%1 (unsaved)").arg(project) : project,
            currentDigests.contains(entry.sha256) ? tr("as now") : tr("earlier"),
            entry.sha256.left(12),
            LinesText(entry),
            packets,
            entry.outcome,
            QString::number(static_cast<double>(entry.durationMs) / 1000.0, 'f', 1),
        };
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(column == 5 ? entry.sha256 : cells[column]);
            Downloads->setItem(row, column, item);
        }
    }
    Downloads->resizeColumnsToContents();
    layout->addWidget(Downloads, 1);

    auto *where = new QLabel(tr("Record: %1").arg(recordPath), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(where);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(960, 420);
}
