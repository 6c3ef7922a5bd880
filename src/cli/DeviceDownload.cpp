#include "cli/DeviceDownload.h"

#include "cli/ConsolePace.h"
#include "download/QtSerialPorts.h"
#include "model/ProjectModel.h"
#include "record/DownloadRecord.h"

RecordedDownload DownloadToDevice(const DownloadJob &job, const QString &device, const QString &bus,
                                  const QString &prefix)
{
    qint64 dots = 0;
    for (const PlannedLine &planned : job.plan.lines) {
        dots += qint64{planned.frameCount} * job.model.WidthDot * job.model.HeightDot;
    }
    QtSerialPorts ports({{FirstPortNumber, device}});
    ConsolePace pace(dots, prefix);
    DownloadEntry entry;
    entry.bus = bus;
    entry.port = device;
    entry.project = job.projectPath;
    entry.sha256 = job.sha256;
    return RunRecordedDownload(job.model, job.plan, job.variant, ports, FirstPortNumber, pace, entry);
}

QString PortSummary(const RecordedDownload &download)
{
    const DownloadEntry &entry = download.entry;
    if (download.outcome != DownloadOutcome::Done) {
        return QStringLiteral("%1: %2").arg(entry.port, entry.outcome);
    }
    const qsizetype lines = static_cast<qsizetype>(entry.lines.size());
    QString summary = QStringLiteral("%1: done, %2 %3, %4 packets")
                          .arg(entry.port)
                          .arg(lines)
                          .arg(lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                          .arg(entry.packetsSent);
    if (entry.packetsSentAgain > 0) {
        summary += QStringLiteral(" (%1 sent again)").arg(entry.packetsSentAgain);
    }
    return summary + QStringLiteral(", %1 s").arg(static_cast<double>(entry.durationMs) / 1000.0, 0, 'f', 1);
}

CommandRecord::CommandRecord(const QString &path)
{
    QString why;
    record_ = DownloadRecord::openForAdding(path, why);
    if (!record_) {
        notRecorded(why);
    }
}

CommandRecord::~CommandRecord() = default;

void CommandRecord::add(const DownloadEntry &entry)
{
    if (!record_) {
        return;
    }
    const QString why = record_->add(entry);
    if (!why.isEmpty()) {
        notRecorded(why);
    }
}

void CommandRecord::notRecorded(const QString &why)
{
    if (!saidWhy_) {
        saidWhy_ = true;
        SayOnDownload(QStringLiteral("not recorded: %1").arg(why));
    }
}
