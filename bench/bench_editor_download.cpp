#include "app/TFmVelmora.h"
#include "app/VelmoraForms.h"
#include "dialogs/TfmCOMPort.h"
#include "download/DownloadPlan.h"
#include "io/ProjectFiles.h"
#include "support/LineProjects.h"
#include "support/ScriptedPrompts.h"
#include "support/SignSimulator.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

// The editor's "Download" as the operator runs it, off-screen, against velmora-signsim on a
// pseudo-terminal with every pause really waited, beside velmora-cli download of the same project to
// the same kind of sign. What each spends on its own work is the processor time it used (user and
// system) while the download ran; it is printed as a share of the pauses the protocol mandates, which
// is the time the transfer must take however fast the program is. Target for the editor: below 2 %.

namespace {

constexpr double TargetPercent = 2.0;

// Two lines of twelve frames of the start-up sign: 432 data packets, so the packets' pauses (20 ms each)
// outweigh the first header's 5 s, as in any list worth downloading, and a run takes about 14 s.
const std::vector<int> FramesPerLine = {12, 12};

double Seconds(const timeval &time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

double ProcessorSeconds(const rusage &usage)
{
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double OwnProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return ProcessorSeconds(usage);
}

// The pauses of a full download of `model`: 5 s after the first header, 180 ms after every further one,
// 20 ms after each whole data packet, 120 ms after the end packet.
double MandatedPauseSeconds(const ProjectModel &model)
{
    const DownloadPlan plan = PlanDownload(model, DownloadVariant::Full, 0);
    if (!plan.refusal.isEmpty()) {
        std::fprintf(stderr, "bench_editor_download: %s\n", qPrintable(plan.refusal));
        std::exit(1);
    }
    const int bytesPerFrame = model.WidthDot * model.HeightDot / 8;
    double ms = 5000 + 180.0 * static_cast<double>(plan.lines.size() - 1) + 120;
    for (const PlannedLine &line : plan.lines) {
        ms += 20.0 * (line.frameCount * bytesPerFrame / 32);
    }
    return ms / 1000;
}

void CheckReceived(SignSimulator &sign, const char *who)
{
    const QString report = sign.finish();
    if (!report.endsWith(QStringLiteral("end\n")) || report.contains(QStringLiteral("missing"))) {
        std::fprintf(stderr, "bench_editor_download: the sign did not receive %s's download whole:\n%s", who,
                     qPrintable(report));
        std::exit(1);
    }
}

// The editor's window opens the project and downloads it to the simulator, the port dialog answered as
// the operator would; answers the processor seconds the download took.
double EditorDownload(const QString &projectPath, const QString &workDir)
{
    ScriptedPrompts prompts;
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(workDir);
    auto forms = std::make_unique<VelmoraForms>(prompts);
    TFmVelmora &window = *forms->FmVelmora;
    window.resize(1280, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_editor_download: the editor's window was not shown\n");
        std::exit(1);
    }
    prompts.queueFile({projectPath, 0});
    window.FileOpen1->trigger();

    SignSimulator sign;
    qputenv("VELMORA_COM2", sign.start({"--exit-after-end"}).toLocal8Bit());
    prompts.queueDialogAnswer([](QDialog &shown) {
        auto &portDialog = dynamic_cast<TfmCOMPort &>(shown);
        portDialog.show();
        portDialog.ComboBox1->setCurrentIndex(1);
        portDialog.Button1->click();
        portDialog.hide();
    });
    const double before = OwnProcessorSeconds();
    window.BitBtn3->click();
    const double used = OwnProcessorSeconds() - before;
    CheckReceived(sign, "the editor");
    if (!prompts.warnings.isEmpty() || !prompts.messages.isEmpty()) {
        std::fprintf(stderr, "bench_editor_download: the editor said: %s\n",
                     qPrintable((prompts.warnings + prompts.messages).join(QLatin1Char('\n'))));
        std::exit(1);
    }
    forms.reset();
    QDir::setCurrent(previousDir);
    return used;
}

// velmora-cli download of the same project to a simulator of its own; answers the processor seconds of
// the whole command, its start and the reading of the project included.
double CommandLineDownload(const QString &projectPath)
{
    SignSimulator sign;
    const QByteArray device = sign.start({"--exit-after-end"}).toLocal8Bit();
    const QByteArray project = projectPath.toLocal8Bit();
    const char *arguments[] = {VELMORA_CLI, "download", project.constData(), "--port", device.constData(),
                               nullptr};
    // Its progress lines are not what is measured.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, VELMORA_CLI, &actions, nullptr, const_cast<char *const *>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_editor_download: velmora-cli download failed\n");
        std::exit(1);
    }
    CheckReceived(sign, "velmora-cli");
    return ProcessorSeconds(usage);
}

void PrintShare(const char *who, double used, double pauses)
{
    const double percent = 100 * used / pauses;
    std::printf("  %-44s %6.2f %%   (%.3f s of processor time over %.2f s of pauses)\n", who, percent, used,
                pauses);
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    auto model = std::make_unique<ProjectModel>();
    SetUpLines(*model, FramesPerLine);
    const QString projectPath = QDir(folder.path()).filePath(QStringLiteral("lines.nkv"));
    // Both downloads are recorded, as every download is, but into the run's own folder: a benchmark
    // must not add rows to the operator's record of what the buses carry.
    qputenv("VELMORA_RECORD", QDir(folder.path()).filePath(QStringLiteral("downloads.sqlite")).toLocal8Bit());
    if (!folder.isValid() || !SaveProject(*model, projectPath).ok()) {
        std::fprintf(stderr, "bench_editor_download: the project could not be written\n");
        return 1;
    }
    const double pauses = MandatedPauseSeconds(*model);
    std::printf("A full download of %d frames of %d x %d dots in %zu lines to velmora-signsim, pauses waited:\n",
                model->FrameCount, model->WidthDot, model->HeightDot, FramesPerLine.size());
    std::fflush(stdout);
    const double editor = EditorDownload(projectPath, folder.path());
    const double commandLine = CommandLineDownload(projectPath);
    std::printf("\nown work / mandated pauses (target for the editor: below %.0f %%):\n", TargetPercent);
    PrintShare("editor's window", editor, pauses);
    PrintShare("velmora-cli download (start included)", commandLine, pauses);
    return 0;
}
