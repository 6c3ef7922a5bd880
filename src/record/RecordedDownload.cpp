#include "record/RecordedDownload.h"

#include "about/ProgramInfo.h"
#include "download/DownloadTally.h"
#include "model/ProjectModel.h"

#include <QElapsedTimer>

namespace {

QDateTime WholeSecondsUtc()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.addMSecs(-now.time().msec());
}

} // namespace

RecordedDownload RunRecordedDownload(const ProjectModel &model, const DownloadPlan &plan,
                                     DownloadVariant variant, SerialPorts &ports, int port,
                                     DownloadPace &pace, DownloadEntry entry)
{
    entry.started = WholeSecondsUtc();
    QElapsedTimer clock;
    clock.start();
    TallyingPace tallying(pace);
    const DownloadOutcome outcome = RunDownload(model, plan, variant, ports, port, tallying);
    entry.durationMs = clock.elapsed();
    entry.ended = WholeSecondsUtc();

    const DownloadTally &tally = tallying.tally();
    entry.signType = QStringLiteral("%1 X %2").arg(model.LedWidthDot).arg(model.HeightDot);
    entry.modules = model.LedNumber;
    entry.width = model.WidthDot;
    entry.height = model.HeightDot;
    entry.variant = variant == DownloadVariant::Full ? QStringLiteral("full") : QStringLiteral("single line");
    for (const int position : tally.linesStarted) {
        const PlannedLine &line = plan.lines[static_cast<std::size_t>(position)];
        entry.lines.push_back({line.board, line.frameCount});
    }
    entry.packetsSent = tally.packetsSent;
    entry.packetsSentAgain = tally.packetsSentAgain;
    entry.outcome = OutcomeText(outcome, tally);
    entry.version = QString::fromLatin1(ProgramInfo::Version.data(), ProgramInfo::Version.size());
    return {outcome, entry};
}
