// velmora-cli download: a project sent to a sign over a serial device, as the editor's "Download" (or,
// with --line, its single-line "One") sends it; with several --port, to several signs at once.
#include "cli/CommandLineProject.h"
#include "cli/ConsolePace.h"
#include "cli/DeviceDownload.h"
#include "cli/FleetDownload.h"
#include "cli/ProjectCommands.h"
#include "io/DecimalInt32.h"
#include "lines/FrameLines.h"
#include "record/DownloadRecord.h"
#include "record/ProjectDigest.h"

#include <QFileInfo>
#include <QSet>

namespace {

// Signs sent to at once by one command: a depot's rack of cables, each transfer in a thread of its own.
constexpr int MostPorts = 16;

// Why the --port and --bus values cannot be used, or nothing.
std::optional<QString> PortsProblem(const QStringList &devices, const QStringList &buses)
{
    if (devices.isEmpty()) {
        return QStringLiteral("--port DEVICE is required");
    }
    if (devices.size() > MostPorts) {
        return QStringLiteral("at most %1 --port may be given, not %2").arg(MostPorts).arg(devices.size());
    }
    QSet<QString> seen;
    for (const QString &device : devices) {
        const QString path = QFileInfo(device).absoluteFilePath();
        if (seen.contains(path)) {
            return QStringLiteral("--port %1 is given twice; a sign is sent to once").arg(device);
        }
        seen.insert(path);
    }
    if (!buses.isEmpty() && buses.size() != devices.size()) {
        return QStringLiteral("--bus must be given once for every --port, in the same order (%1 --port, %2 "
                              "--bus)")
            .arg(devices.size())
            .arg(buses.size());
    }
    return std::nullopt;
}

} // namespace

int RunDownloadCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sends the project's lines to the sign on DEVICE (used as port COM1) as the editor's \"Download\" "
        "does; with --line N only line N, as its single-line variant does. With --port given several "
        "times (at most 16) the project goes to every sign at once, each transfer on its own, and one line "
        "per port on standard error says how it ended. Progress and messages go to standard error; the "
        "exit status is 0 only when every sign acknowledged everything.\n\n"
        "Every download is recorded (see 'velmora-cli records'): in --record PATH, else in the file "
        "VELMORA_RECORD names, else in $XDG_DATA_HOME/velmora/downloads.sqlite "
        "(~/.local/share/velmora/downloads.sqlite). A record that cannot be written stops no download; "
        "standard error says once why it was not recorded.\n\n"
        "DEVICE is a serial device such as /dev/ttyUSB0 or /dev/ttyS0 (the editor's port COMn is the "
        "device VELMORA_COMn names, else the n-th serial port, /dev/ttyS(n-1)). Using a serial device "
        "needs access to it: on Debian, membership of the group dialout (adduser USER dialout, then log "
        "in again)."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The project file."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The serial device of a sign; repeat for several signs."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption bus(QStringLiteral("bus"),
                                 QStringLiteral("The bus (vehicle) the sign of the --port in the same place "
                                                "is on, for the record; once for every --port."),
                                 QStringLiteral("ID"));
    const QCommandLineOption line(QStringLiteral("line"),
                                  QStringLiteral("Send only line N (single-line variant)."),
                                  QStringLiteral("N"));
    const QCommandLineOption record(QStringLiteral("record"),
                                    QStringLiteral("The record database the downloads are added to."),
                                    QStringLiteral("PATH"));
    parser.addOption(port);
    parser.addOption(bus);
    parser.addOption(line);
    parser.addOption(record);
    parser.addOption(FormatOption());
    if (const auto status = ParseCommand(parser, "download", arguments, 1)) {
        return *status;
    }
    const QStringList devices = parser.values(port);
    const QStringList buses = parser.values(bus);
    if (const auto problem = PortsProblem(devices, buses)) {
        return FailCommand("download", *problem);
    }
    const QString path = parser.positionalArguments().constFirst();
    const LoadedProject project = LoadProject(parser, path);
    if (!project.model) {
        return FailCommand("download", project.error);
    }
    const ProjectModel &model = *project.model;
    if (model.FrameCount == 0) {
        return FailCommand("download", QStringLiteral("the list has no frames; nothing was sent"));
    }
    const DownloadVariant variant = parser.isSet(line) ? DownloadVariant::SingleLine : DownloadVariant::Full;
    int lineNumber = 0;
    if (variant == DownloadVariant::SingleLine) {
        const std::optional<int> number = ParseDecimalInt32(parser.value(line));
        if (!number || *number < 1 || *number > LastLine(model)) {
            return FailCommand(
                "download",
                QStringLiteral("--line must be a line of the list, 1 .. %1").arg(LastLine(model)));
        }
        lineNumber = *number;
    }
    const DownloadPlan plan = PlanDownload(model, variant, lineNumber);
    if (!plan.refusal.isEmpty()) {
        return FailCommand("download", plan.refusal);
    }
    if (!plan.trailingBytesWarning.isEmpty()) {
        SayOnDownload(QStringLiteral("warning: ") + plan.trailingBytesWarning);
    }
    QString unreadable;
    const DownloadJob job{model, plan, variant, QFileInfo(path).absoluteFilePath(),
                          FileSha256(path, unreadable).value_or(QString())};
    CommandRecord downloads(DownloadRecordPath(parser.value(record)));
    if (devices.size() > 1) {
        return RunFleetDownload(job, devices, buses, downloads) ? 0 : 1;
    }
    const RecordedDownload download =
        DownloadToDevice(job, devices.constFirst(), buses.value(0), QString());
    downloads.add(download.entry);
    return download.outcome == DownloadOutcome::Done ? 0 : 1;
}
