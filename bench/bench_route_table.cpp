#include "RatioReporter.h"

#include "io/ProjectFiles.h"
#include "list/NewProject.h"
#include "list/SignSetup.h"
#include "model/ProjectModel.h"
#include "routes/RouteFrames.h"
#include "routes/ZoneFrames.h"
#include "support/GeneratedFonts.h"
#include "text/TextChoice.h"
#include "text/TextComposer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

// A depot's whole destination set: a 500-row route table for a 512 x 48 sign built into a saved project,
// once as one Chinese text in a 24-dot bitmap font per row, once through a layout of three zones (route
// digits, the Chinese text, an English line in a system font). The reference is the least any build must
// do: compose the same texts and save one 500-frame project. A build should stay within twice that.

namespace {

const QString mingEntry = QStringLiteral("24(明體)");

const QString digitsEntry = QStringLiteral("24 Pixel(KV)");
const QString latinEntry = QStringLiteral("5  X  7");

struct Depot {
    QTemporaryDir dir;
    QByteArray table;
    QByteArray zonedTable;
    RouteLayout layout;
    std::vector<QString> texts;
    std::vector<QString> routes;
    std::vector<QString> english;
    SignSetup sign;
};

RouteLayout LayoutOf(const Depot &depot)
{
    const QByteArray json = R"json({"zones": [
        {"name": "route", "x": 0, "y": 0, "width": 64, "height": 48, "font": "24 Pixel(KV)"},
        {"name": "dest", "x": 70, "y": 0, "width": 442, "height": 24, "font": "24(明體)", "valign": "top"},
        {"name": "dest_en", "x": 70, "y": 26, "width": 442, "height": 22, "font": "5  X  7"}]})json";
    return *ReadRouteLayout(QStringLiteral("depot.json"), json, FontFolders(depot.dir.path())).layout;
}

Depot &TheDepot()
{
    static Depot *depot = [] {
        auto *made = new Depot;
        WriteChineseFont(made->dir.path(),
                         QString::fromLatin1(FontFileForLabel(FontSelector::Chinese, mingEntry)->fileName));
        const QString characters = QStringLiteral("中山路火車站市政府公園醫院大學新村東西南北港口機場");
        WriteWholeFontFile(made->dir.path(), QStringLiteral("Number24.24"));
        made->table = "board,time,text,font\r\n";
        made->zonedTable = "board,time,route,dest,dest_en\r\n";
        for (int row = 0; row < MaxFrames; ++row) {
            QString text;
            for (int c = 0; c < 4 + row % 8; ++c) {
                text += characters[(row * 7 + c * 3) % characters.size()];
            }
            made->texts.push_back(text);
            made->table += QStringLiteral("%1,5,%2,%3\r\n").arg(row / 2).arg(text, mingEntry).toUtf8();
            made->routes.push_back(QString::number(row / 2 + 1));
            made->english.push_back(QStringLiteral("Stop %1 via Harbour Road").arg(row));
            made->zonedTable += QStringLiteral("%1,5,%2,%3,%4\r\n")
                                    .arg(row / 2)
                                    .arg(made->routes.back(), text, made->english.back())
                                    .toUtf8();
        }
        made->layout = LayoutOf(*made);
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

// Reads, checks and builds the table (through the layout when given) and saves the project.
void BuildTable(benchmark::State &state, const QByteArray &table, const RouteLayout *layout)
{
    Depot &depot = TheDepot();
    const QString out = depot.dir.filePath(QStringLiteral("built.nkv"));
    const RouteFonts fonts{depot.dir.path(), {}, 96};
    for (auto _ : state) {
        const CsvRecords records = ReadCsvRecords(table);
        const RouteRows rows = CheckRouteTable(records.records, depot.dir.path(), layout);
        auto model = NewProjectModel(depot);
        const RouteBuild built =
            layout ? BuildZoneFrames(*model, rows.rows, *layout, fonts) : BuildRouteFrames(*model, rows.rows, fonts);
        if (!rows.problems.empty() || !built.problems.empty() || !built.warnings.empty() ||
            !SaveProject(*model, out).ok()) {
            state.SkipWithError("the table did not build");
        }
    }
}

TextRequest RequestOf(const Depot &depot, const QString &entry)
{
    TextRequest request;
    TextChoice choice;
    choice.source = entry;
    ApplyTextChoice(choice, 96, request);
    request.workDir = depot.dir.path();
    request.widthDot = depot.sign.WidthDot();
    request.heightDot = depot.sign.HeightDot();
    return request;
}

// Composes every text of the given columns in its font, then saves one built project.
void ComposeAndSave(benchmark::State &state,
                    const std::vector<std::pair<QString, const std::vector<QString> *>> &columns)
{
    Depot &depot = TheDepot();
    const QString out = depot.dir.filePath(QStringLiteral("reference.nkv"));
    auto saved = NewProjectModel(depot);
    BuildRouteFrames(*saved, CheckRouteTable(ReadCsvRecords(depot.table).records, depot.dir.path()).rows,
                     {depot.dir.path(), {}, 96});
    auto composed = std::make_unique<DotPlane>();
    for (auto _ : state) {
        for (const auto &[entry, texts] : columns) {
            TextRequest request = RequestOf(depot, entry);
            for (const QString &text : *texts) {
                request.text = text;
                benchmark::DoNotOptimize(ComposeText(request, *composed));
            }
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
    Depot &depot = TheDepot();
    benchmark::RegisterBenchmark("fast/500-row route table built and saved",
                                 [&depot](benchmark::State &state) { BuildTable(state, depot.table, nullptr); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reference/500 texts composed, one save",
                                 [&depot](benchmark::State &state) {
                                     ComposeAndSave(state, {{mingEntry, &depot.texts}});
                                 })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("fast/500-row table in three zones built and saved",
                                 [&depot](benchmark::State &state) {
                                     BuildTable(state, depot.zonedTable, &depot.layout);
                                 })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reference/1500 zone texts composed, one save",
                                 [&depot](benchmark::State &state) {
                                     ComposeAndSave(state, {{digitsEntry, &depot.routes},
                                                            {mingEntry, &depot.texts},
                                                            {latinEntry, &depot.english}});
                                 })
        ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nbuild / (compose + save) (target: at most 2x):\n");
    reporter.printRatio("500-row route table", "fast/500-row route table built and saved",
                        "reference/500 texts composed, one save");
    reporter.printRatio("500 rows in three zones", "fast/500-row table in three zones built and saved",
                        "reference/1500 zone texts composed, one save");
    benchmark::Shutdown();
    return 0;
}
