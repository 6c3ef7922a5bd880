// velmora-cli download: a project sent to a sign over a serial device, as the editor's "Download" (or,
// with --line, its single-line "One") sends it.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"
#include "download/DownloadPace.h"
#include "download/DownloadProtocol.h"
#include "download/QtSerialPorts.h"
#include "io/DecimalInt32.h"
#include "lines/FrameLines.h"

#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

namespace {

// Real time, and everything the operator would read on standard error.
class ConsolePace final : public DownloadPace {
public:
    explicit ConsolePace(qint64 totalDots) : totalDots_(std::max<qint64>(totalDots, 1)) { clock_.start(); }

    void pause(int ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }
    qint64 now() override { return clock_.elapsed(); }
    void dotWalked(qint64 total) override
    {
        const int tenths = static_cast<int>(total * 10 / totalDots_);
        if (tenths != shownTenths_) {
            shownTenths_ = tenths;
            say(QStringLiteral("%1% of the dots sent").arg(tenths * 10));
        }
    }
    void lineStarting(int position, int lineCount, int board) override
    {
        say(QStringLiteral("line %1 of %2 (board %3)").arg(position).arg(lineCount).arg(board));
    }
    // A dead sign is named at once, then once a second while its packet is being sent again, rather than
    // with every sending.
    void packetSentAgain(const QString &status) override
    {
        if (!status.isEmpty() && (saidAgainAt_ < 0 || now() - saidAgainAt_ >= SentAgainIntervalMs)) {
            saidAgainAt_ = now();
            say(status);
        }
    }
    void warning(const QString &text, const QString &reason) override
    {
        say(reason.isEmpty() ? text : QStringLiteral("%1: %2").arg(text, reason));
    }
    void message(const QString &text) override { say(text); }

private:
    static constexpr qint64 SentAgainIntervalMs = 1000;

    static void say(const QString &text)
    {
        std::fprintf(stderr, "velmora-cli download: %s\n", text.toUtf8().constData());
        std::fflush(stderr);
    }

    QElapsedTimer clock_;
    qint64 totalDots_;
    int shownTenths_ = 0;
    qint64 saidAgainAt_ = -1;
};

} // namespace

int RunDownloadCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sends the project's lines to the sign on DEVICE (used as port COM1) as the editor's \"Download\" "
        "does; with --line N only line N, as its single-line variant does. Progress and messages go to "
        "standard error; the exit status is 0 only when the sign acknowledged everything."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The project file."));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("The serial device of the sign."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption line(QStringLiteral("line"),
                                  QStringLiteral("Send only line N (single-line variant)."),
                                  QStringLiteral("N"));
    parser.addOption(port);
    parser.addOption(line);
    parser.addOption(FormatOption());
    if (const auto status = ParseCommand(parser, "download", arguments, 1)) {
        return *status;
    }
    if (!parser.isSet(port)) {
        return FailCommand("download", QStringLiteral("--port DEVICE is required"));
    }
    const LoadedProject project = LoadProject(parser, parser.positionalArguments().constFirst());
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
        std::fprintf(stderr, "velmora-cli download: warning: %s\n",
                     plan.trailingBytesWarning.toUtf8().constData());
    }
    qint64 dots = 0;
    for (const PlannedLine &planned : plan.lines) {
        dots += qint64{planned.frameCount} * model.WidthDot * model.HeightDot;
    }
    QtSerialPorts ports({{FirstPortNumber, parser.value(port)}});
    ConsolePace pace(dots);
    return RunDownload(model, plan, variant, ports, FirstPortNumber, pace) == DownloadOutcome::Done ? 0 : 1;
}
