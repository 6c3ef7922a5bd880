#include "RatioReporter.h"

#include "preview/MatrixRenderer.h"
#include "preview/PreviewEditor.h"
#include "support/ReferenceMatrixRenderer.h"
#include "support/SignFixtures.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

// While a picture is placed, every pointer move repaints the whole preview. One move (state update and
// repaint) on the largest sign is measured with the editor's renderer and with the naive one.

namespace {

using Renderer = void (*)(QImage &, ProjectModel &, int, int);

void PlacingMove(benchmark::State &state, Renderer draw)
{
    auto model = std::make_unique<ProjectModel>();
    SetUpSign(*model, 1024, 256, 64, 2);
    LightScatteredDots(*model);
    const QSize preview(996, 274);
    UpdateViewSize(*model, preview);
    QImage picture(preview, QImage::Format_RGB32);
    draw(picture, *model, 0, 0);
    PreviewEditor editor(*model);
    editor.enterPlacing([](DotPlane &floatDots) {
        for (int x = 0; x < 160; ++x) {
            for (int y = 0; y < 24; ++y) {
                floatDots.set(x, y, (x + y) % 3 == 0 ? 1 : 0);
            }
        }
    });
    int step = 0;
    for (auto _ : state) {
        const int x = 100 + (step++ % 50) * 7;
        editor.mouseMove({}, x, 120);
        draw(picture, *model, 0, 0);
        benchmark::DoNotOptimize(picture.constBits());
        benchmark::ClobberMemory();
    }
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("fast/placing move 1024x256", PlacingMove, &DrawMatrix)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("reference/placing move 1024x256", PlacingMove, &ReferenceDrawMatrix)
        ->Unit(benchmark::kMicrosecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nreference / fast (target: above 1x, the editor's code the faster):\n");
    reporter.printRatio("placing move 1024x256", "reference/placing move 1024x256", "fast/placing move 1024x256");
    benchmark::Shutdown();
    return 0;
}
