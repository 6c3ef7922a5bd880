#include "RatioReporter.h"

#include "io/ProjectFiles.h"
#include "list/NewProject.h"
#include "list/SignSetup.h"
#include "model/ProjectModel.h"
#include "routes/RouteFrames.h"
#include "support/GeneratedFonts.h"
#include "text/TextComposer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

// A depot's whole destination set: a 500-row route table for a 512 x 48 sign, Chinese text in a 24-dot
// bitmap font, built into a saved project. The reference is the least any build must do: compose the same
// 500 texts and save one 500-frame project. The build should stay within three times that.

namespace {

const QString mingEntry = QStringLiteral("24(明體)");

struct Depot {
    QTemporaryDir dir;
    QByteArray table;
    std::vector<QString> texts;
    SignSetup sign;
};

Depot &TheDepot()
{
    static Depot *depot = [] {
        auto *made = new Depot;
        WriteChineseFont(made->dir.path(),
                         QString::fromLatin1(FontFileForLabel(FontSelector::Chinese, mingEntry)->fileName));
        const QString characters = QStringLiteral("中山路火車站市政府公園醫院大學新村東西南北港口機場");
        made->table = "board,time,text,font\r\n";
        for (int row = 0; row < MaxFrames; ++row) {
            QString text;
            for (int c = 0; c < 4 + row % 8; ++c) {
                text += characters[(row * 7 + c * 3) % characters.size()];
            }
            made->texts.push_back(text);
            made->table += QStringLiteral("%1,5,%2,%3\r\n").arg(row / 2).arg(text, mingEntry).toUtf8();
        }
        made->sign = *ParseSignSetup(QStringLiteral("32 X 48"), QStringLiteral("16"), {}).setup;
        return made;
    }();
    return *depot;
}

std::unique_ptr<ProjectModel> NewProjectModel(const Depot &depot)
{
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    ApplyNewProject(*model, depot.sign);
    return model;
}

void BuildTable(benchmark::State &state)
{
    Depot &depot = TheDepot();
    const QString out = depot.dir.filePath(QStringLiteral("built.nkv"));
    for (auto _ : state) {
        const CsvRecords records = ReadCsvRecords(depot.table);
        const RouteRows rows = CheckRouteTable(records.records, depot.dir.path());
        auto model = NewProjectModel(depot);
        const RouteBuild built = BuildRouteFrames(*model, rows.rows, {depot.dir.path(), {}, 96});
        if (!rows.problems.empty() || !built.problems.empty() || !SaveProject(*model, out).ok()) {
            state.SkipWithError("the table did not build");
        }
    }
}

void ComposeAndSave(benchmark::State &state)
{
    Depot &depot = TheDepot();
    const QString out = depot.dir.filePath(QStringLiteral("reference.nkv"));
    auto saved = NewProjectModel(depot);
    BuildRouteFrames(*saved, CheckRouteTable(ReadCsvRecords(depot.table).records, depot.dir.path()).rows,
                     {depot.dir.path(), {}, 96});
    TextRequest request;
    request.chinese = {true, mingEntry};
    request.workDir = depot.dir.path();
    request.widthDot = depot.sign.WidthDot();
    request.heightDot = depot.sign.HeightDot();
    auto composed = std::make_unique<DotPlane>();
    for (auto _ : state) {
        for (const QString &text : depot.texts) {
            request.text = text;
            benchmark::DoNotOptimize(ComposeText(request, *composed));
        }
        if (!SaveProject(*saved, out).ok()) {
            state.SkipWithError("the project was not saved");
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("fast/500-row route table built and saved", BuildTable)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reference/500 texts composed, one save", ComposeAndSave)
        ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nbuild / (compose + save) (target: at most 3x):\n");
    reporter.printRatio("500-row route table", "fast/500-row route table built and saved",
                        "reference/500 texts composed, one save");
    benchmark::Shutdown();
    return 0;
}
