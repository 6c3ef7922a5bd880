#include "RatioReporter.h"

#include "io/OlderFormatReader.h"
#include "io/ProjectFiles.h"
#include "io/ProjectTransfer.h"
#include "list/FrameListOps.h"
#include "support/ProjectFileSamples.h"
#include "support/SignFixtures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

// Saving and opening the largest project (500 frames of 1024 x 256 dots, a 65 MB file) beside a plain
// write and read of the same number of bytes through the same kind of file, and the older format's
// reader beside a naive stream-extraction parse of the same text.

namespace {

// A sign of 1024 x 256 dots with `frames` frames, each with a different scatter of lit dots.
std::unique_ptr<ProjectModel> LargeProject(int frames)
{
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    SetUpSign(*model, MaxWidthDot, MaxHeightDot, 64, 2);
    while (model->FrameCount < frames) {
        AppendFrame(*model);
    }
    for (int f = 0; f < frames; ++f) {
        std::uint8_t *dots = model->FrameDots.writableFrame(f);
        for (int x = 0; x < MaxWidthDot; ++x) {
            for (int y = 0; y < MaxHeightDot; ++y) {
                dots[DotIndex(x, y)] = (7 * x + 3 * y + f) % 5 == 0 ? 1 : 0;
            }
        }
    }
    return model;
}

struct Files {
    QTemporaryDir dir;
    std::unique_ptr<ProjectModel> largest = LargeProject(MaxFrames);
    QString saved = dir.filePath(QStringLiteral("largest.nkv"));
    qint64 savedBytes = 0;
    QByteArray olderText = OlderFormatText(*LargeProject(20), true);
};

Files &Shared()
{
    static Files files;
    if (files.savedBytes == 0 && SaveProject(*files.largest, files.saved).ok()) {
        files.savedBytes = QFile(files.saved).size();
    }
    return files;
}

void SaveLargest(benchmark::State &state)
{
    Files &files = Shared();
    const QString path = files.dir.filePath(QStringLiteral("save.nkv"));
    for (auto _ : state) {
        if (!SaveProject(*files.largest, path).ok()) {
            state.SkipWithError("save failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * files.savedBytes);
}

void PlainWrite(benchmark::State &state)
{
    Files &files = Shared();
    const QByteArray bytes(files.savedBytes, '\x01');
    const QString path = files.dir.filePath(QStringLiteral("plain.bin"));
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            state.SkipWithError("plain write failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * files.savedBytes);
}

void OpenLargest(benchmark::State &state)
{
    Files &files = Shared();
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    for (auto _ : state) {
        const CheckedProjectFile read = ReadProjectFile(files.saved, ProjectFormat::Current, {});
        if (!read.result.ok()) {
            state.SkipWithError("open failed");
            break;
        }
        OpenProject(*model, read.file, files.saved);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * files.savedBytes);
}

void PlainRead(benchmark::State &state)
{
    Files &files = Shared();
    for (auto _ : state) {
        QFile file(files.saved);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("plain read failed");
            break;
        }
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * files.savedBytes);
}

void OlderReader(benchmark::State &state)
{
    Files &files = Shared();
    for (auto _ : state) {
        QBuffer buffer(&files.olderText);
        buffer.open(QIODevice::ReadOnly);
        const CheckedProjectFile read = ReadOlderFormat(buffer, {});
        if (!read.result.ok()) {
            state.SkipWithError("older reader failed");
            break;
        }
        benchmark::DoNotOptimize(read.file.frames.data());
    }
    state.SetBytesProcessed(state.iterations() * files.olderText.size());
}

// The plainest reading of the same text: stream extraction of every word and integer.
void NaiveOlderReader(benchmark::State &state)
{
    Files &files = Shared();
    const std::string text(files.olderText.constData(), static_cast<std::size_t>(files.olderText.size()));
    for (auto _ : state) {
        std::istringstream in(text);
        int width = 0;
        int height = 0;
        int frames = 0;
        in >> width >> height >> frames;
        std::vector<std::uint8_t> dots(std::size_t(width) * height);
        for (int f = 0; f < frames; ++f) {
            std::string word;
            do {
                in >> word;
            } while (word != "end");
            int change = 0;
            int time = 0;
            in >> change >> time;
            for (std::uint8_t &dot : dots) {
                int value = 0;
                in >> value;
                dot = value != 0;
            }
        }
        benchmark::DoNotOptimize(dots.data());
    }
    state.SetBytesProcessed(state.iterations() * files.olderText.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // A few runs each: every one moves tens of megabytes.
    constexpr int runs = 4;
    const auto add = [](const char *name, void (*run)(benchmark::State &)) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->Iterations(runs);
    };
    const auto ratio = [](const RatioReporter &reporter, const char *label, const char *slower,
                          const char *faster) {
        const std::string suffix = "/iterations:" + std::to_string(runs);
        reporter.printRatio(label, slower + suffix, faster + suffix);
    };
    add("files/save largest project", SaveLargest);
    add("plain/write same bytes", PlainWrite);
    add("files/open largest project", OpenLargest);
    add("plain/read same bytes", PlainRead);
    add("files/older-format reader", OlderReader);
    add("naive/older-format stream parse", NaiveOlderReader);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nproject file / plain file of the same size (target: at most 5x):\n");
    ratio(reporter, "save", "files/save largest project", "plain/write same bytes");
    ratio(reporter, "open", "files/open largest project", "plain/read same bytes");
    std::printf(
        "\nnaive stream parse / older-format reader (the reader's MB/s above; target: at least 50):\n");
    ratio(reporter, "older-format reader", "naive/older-format stream parse", "files/older-format reader");
    benchmark::Shutdown();
    return 0;
}
