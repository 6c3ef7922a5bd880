#include "RatioReporter.h"

#include "app/WindowDownloadPace.h"
#include "download/DownloadProtocol.h"
#include "download/SerialPorts.h"
#include "support/LineProjects.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include "app/TextlessProgressBar.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

// A download's own cost beside the time the protocol must take anyway: its fixed pauses and the bytes on
// the wire at 38400 baud (10 bits a byte, packets out and replies back). The pauses are counted, not
// slept, and the sign answers at once, so what is measured is the download's work: laying out the dots,
// building packets, the serial layer's calls, judging replies, and the progress bar following every dot
// with the window's events processed every few milliseconds. Target: below 5 % of the mandated time.

namespace {

// A sign that answers every packet at once with its own bytes and "OK", counting the bytes that would
// travel.
class EchoSign final : public SerialPorts {
public:
    int open(int) override { return 0; }
    int setup(int, int, int) override { return 0; }
    int setFlow(int, int) override { return 0; }
    int flush(int, int) override
    {
        replyLength_ = 0;
        return 0;
    }
    int write(int, const std::uint8_t *bytes, int count) override
    {
        std::memcpy(reply_, bytes, static_cast<std::size_t>(count));
        reply_[count] = 'O';
        reply_[count + 1] = 'K';
        replyLength_ = count + 2;
        wireBytes += count + replyLength_;
        return count;
    }
    int read(int, std::uint8_t *buffer, int count) override
    {
        const int taken = std::min(count, replyLength_);
        std::memcpy(buffer, reply_, static_cast<std::size_t>(taken));
        replyLength_ = 0;
        return taken;
    }
    int close(int) override { return 0; }
    QString failureReason(int) const override { return {}; }

    qint64 wireBytes = 0;

private:
    std::uint8_t reply_[512] = {};
    int replyLength_ = 0;
};

// The editor's pace for progress and messages, with the pauses counted instead of slept.
class CountedPauses final : public DownloadPace {
public:
    CountedPauses(PromptSeam &prompts, QProgressBar &progress) : window_(prompts, &progress)
    {
        clock_.start();
    }

    void pause(int ms) override { pausedMs += ms; }
    qint64 now() override { return clock_.elapsed(); }
    void dotWalked(qint64 total) override { window_.dotWalked(total); }
    void warning(const QString &text, const QString &reason) override { window_.warning(text, reason); }
    void message(const QString &text) override { window_.message(text); }

    qint64 pausedMs = 0;

private:
    WindowDownloadPace window_;
    QElapsedTimer clock_;
};

struct Scenario {
    std::string name;
    std::vector<int> framesPerLine;
};

std::unique_ptr<ProjectModel> ProjectOf(const Scenario &scenario)
{
    auto model = std::make_unique<ProjectModel>();
    SetUpLines(*model, scenario.framesPerLine);
    return model;
}

// Runs the download; reports the mandated seconds of the last run.
double DownloadOnce(const ProjectModel &model, QProgressBar &progress)
{
    ScriptedPrompts prompts;
    EchoSign sign;
    CountedPauses pace(prompts, progress);
    progress.setRange(0, model.FrameCount * model.WidthDot * model.HeightDot);
    const DownloadPlan plan = PlanDownload(model, DownloadVariant::Full, 0);
    if (RunDownload(model, plan, DownloadVariant::Full, sign, 1, pace) != DownloadOutcome::Done) {
        std::abort();
    }
    return pace.pausedMs / 1000.0 + sign.wireBytes * 10.0 / 38400.0;
}

void Download(benchmark::State &state, const Scenario &scenario)
{
    const auto model = ProjectOf(scenario);
    // As the editor's: a bar along the window, without its percentage text.
    TextlessProgressBar progress;
    progress.setTextVisible(false);
    progress.resize(1000, 16);
    progress.show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DownloadOnce(*model, progress));
    }
}

// The time the same download must take on the wire: its pauses and bytes at 38400 baud.
void Mandated(benchmark::State &state, const Scenario &scenario)
{
    const auto model = ProjectOf(scenario);
    TextlessProgressBar progress;
    for (auto _ : state) {
        state.SetIterationTime(DownloadOnce(*model, progress));
    }
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<Scenario> scenarios = {{"20 lines of 3 frames", std::vector<int>(20, 3)},
                                             {"one line of 60 frames", {60}}};
    for (const Scenario &scenario : scenarios) {
        benchmark::RegisterBenchmark(("download/" + scenario.name).c_str(), Download, scenario)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("mandated/" + scenario.name).c_str(), Mandated, scenario)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nmandated time / the download's own time "
                "(target: above 20x, the download's own work below 5 %%):\n");
    for (const Scenario &scenario : scenarios) {
        reporter.printRatio(scenario.name, "mandated/" + scenario.name + "/iterations:1/manual_time",
                            "download/" + scenario.name);
    }
    benchmark::Shutdown();
    return 0;
}
