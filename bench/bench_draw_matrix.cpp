#include "RatioReporter.h"

#include "preview/MatrixRenderer.h"
#include "preview/PreviewGeometry.h"
#include "support/ReferenceMatrixRenderer.h"
#include "support/SignFixtures.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// DrawMatrix against the one-ellipse-per-dot reference and against a plain fill of the same picture, for
// the start-up sign and the largest sign in the editor's usual preview and in a full-screen one, then the
// ratios reference / fast and fast / fill per case.

namespace {

using Renderer = void (*)(QImage &, ProjectModel &, int, int);

// Each case draws into one picture and fills that same picture, so where its pages happen to lie in the
// caches weighs on both alike.
struct Scenario {
    std::string name;
    bool largestSign = false;
    int radius = 2;
    std::shared_ptr<QImage> picture;
};

std::vector<Scenario> Scenarios()
{
    std::vector<Scenario> scenarios;
    for (const bool largest : {false, true}) {
        for (const int radius : {2, 6}) {
            for (const QSize picture : {QSize(996, 274), QSize(1920, 1080)}) {
                const std::string sign = largest ? "1024x256" : "192x24";
                scenarios.push_back(
                    {sign + "/r" + std::to_string(radius) + "/" + std::to_string(picture.width()) + "x" +
                         std::to_string(picture.height()),
                     largest, radius, std::make_shared<QImage>(picture, QImage::Format_RGB32)});
            }
        }
    }
    return scenarios;
}

void DrawRepeatedly(benchmark::State &state, const Scenario &scenario, Renderer draw)
{
    auto model = std::make_unique<ProjectModel>();
    if (scenario.largestSign) {
        SetUpSign(*model, 1024, 256, 64, scenario.radius);
    } else {
        ApplyStartupProject(*model);
        model->View.DotRadius = scenario.radius;
    }
    UpdateViewSize(*model, scenario.picture->size());
    LightScatteredDots(*model);
    QImage &target = *scenario.picture;
    for (auto _ : state) {
        draw(target, *model, 0, 0);
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}

// What writing the picture costs at the least: one colour into every pixel.
void FillPicture(benchmark::State &state, const std::shared_ptr<QImage> &picture)
{
    QImage &target = *picture;
    for (auto _ : state) {
        target.fill(QtColorOf(LedColorValue::Black));
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}

} // namespace

// The fast drawing and the fill it is held to run this many times each, and each counts its fastest run:
// a repaint takes tens of microseconds, where a moment's work elsewhere on the machine would otherwise
// decide their ratio. The reference, many times slower, runs once.
constexpr int Repetitions = 5;
constexpr double SecondsPerRepetition = 0.1;

benchmark::internal::Benchmark *Repeated(benchmark::internal::Benchmark *benchmark)
{
    return benchmark->Repetitions(Repetitions)
        ->MinTime(SecondsPerRepetition)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics(RatioReporter::Fastest, &RatioReporter::FastestRepetition);
}

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<Scenario> scenarios = Scenarios();
    for (const Scenario &scenario : scenarios) {
        Repeated(benchmark::RegisterBenchmark(("fast/" + scenario.name).c_str(), DrawRepeatedly, scenario,
                                              &DrawMatrix))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("reference/" + scenario.name).c_str(), DrawRepeatedly, scenario,
                                     &ReferenceDrawMatrix)
            ->Unit(benchmark::kMicrosecond);
        Repeated(
            benchmark::RegisterBenchmark(("fill/" + scenario.name).c_str(), FillPicture, scenario.picture))
            ->Unit(benchmark::kMicrosecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nreference / fast (target: above 1x, the editor's code the faster):\n");
    for (const Scenario &scenario : scenarios) {
        reporter.printRatio(scenario.name, "reference/" + scenario.name, "fast/" + scenario.name);
    }
    std::printf("\nfast / plain fill of the same picture, fastest of %d runs each (target: at most 2x):\n",
                Repetitions);
    for (const Scenario &scenario : scenarios) {
        reporter.printRatio(scenario.name, "fast/" + scenario.name, "fill/" + scenario.name);
    }
    benchmark::Shutdown();
    return 0;
}
