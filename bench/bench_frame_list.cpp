#include "RatioReporter.h"

#include "list/CellSelection.h"
#include "list/FrameListOps.h"
#include "support/SignFixtures.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>

// Delete and Insert at row 1 of a full list of the largest sign move every other frame by one slot. A
// frame never drawn on is not copied, so they are measured beside a plain memory move of the bytes of
// the frames that hold dots: a list where a tenth of the frames hold dots, from a fresh project (its
// first moves touch pages no frame used before) and again once those pages are in use, and a list
// where every frame holds dots.

namespace {

constexpr int signWidth = 1024;
constexpr int signHeight = 256;
constexpr std::size_t frameBytes = std::size_t{signWidth} * signHeight;

// A full list in which every `spacing`-th frame holds dots over the whole sign.
std::unique_ptr<ProjectModel> FullList(int spacing)
{
    auto model = std::make_unique<ProjectModel>();
    SetUpSign(*model, signWidth, signHeight, 64, 2);
    ResetFrameListToOneFrame(*model);
    while (AppendFrame(*model) == ListOutcome::Done) {
    }
    for (int frame = 0; frame < MaxFrames; frame += spacing) {
        std::memset(model->FrameDots.writableFrame(frame), 1, frameBytes);
    }
    SelectCell(*model, ColBoard, 1);
    return model;
}

int FramesHoldingDots(int spacing)
{
    return (MaxFrames + spacing - 1) / spacing;
}

void DeleteAndInsertAtRowOne(ProjectModel &model)
{
    DeleteFrame(model);
    InsertFrame(model);
    benchmark::ClobberMemory();
}

// One Delete and one Insert at row 1 per iteration: the list is full again afterwards.
void ListWarm(benchmark::State &state, int spacing)
{
    auto model = FullList(spacing);
    DeleteAndInsertAtRowOne(*model);
    for (auto _ : state) {
        DeleteAndInsertAtRowOne(*model);
    }
}

// The first Delete and Insert of a fresh project.
void ListCold(benchmark::State &state, int spacing)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = FullList(spacing);
        state.ResumeTiming();
        DeleteAndInsertAtRowOne(*model);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

struct FreeBlock {
    void operator()(std::uint8_t *p) const { std::free(p); }
};
using Block = std::unique_ptr<std::uint8_t, FreeBlock>;

Block DrawnBlock(std::size_t bytes)
{
    Block block(static_cast<std::uint8_t *>(std::calloc(bytes, 1)));
    std::memset(block.get(), 1, bytes);
    return block;
}

// The bytes of the frames that hold dots moved by memmove one slot down and back up, as a list of
// frames that all hold dots would move them.
void PlainMoveWarm(benchmark::State &state, int frames)
{
    const std::size_t bytes = frameBytes * static_cast<std::size_t>(frames);
    Block block = DrawnBlock(bytes + frameBytes);
    for (auto _ : state) {
        std::memmove(block.get(), block.get() + frameBytes, bytes);
        std::memmove(block.get() + frameBytes, block.get(), bytes);
        benchmark::DoNotOptimize(block.get());
        benchmark::ClobberMemory();
    }
}

// The same bytes moved out into memory never used before and back: the first touch is paid as the
// fresh list's first moves pay it.
void PlainMoveCold(benchmark::State &state, int frames)
{
    const std::size_t bytes = frameBytes * static_cast<std::size_t>(frames);
    for (auto _ : state) {
        state.PauseTiming();
        Block drawn = DrawnBlock(bytes);
        Block fresh(static_cast<std::uint8_t *>(std::calloc(bytes, 1)));
        state.ResumeTiming();
        std::memmove(fresh.get(), drawn.get(), bytes);
        std::memmove(drawn.get(), fresh.get(), bytes);
        benchmark::DoNotOptimize(drawn.get());
        benchmark::ClobberMemory();
        state.PauseTiming();
        drawn.reset();
        fresh.reset();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const int tenth = FramesHoldingDots(10);
    benchmark::RegisterBenchmark("list/a tenth hold dots, cold", ListCold, 10)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plain/memmove of a tenth, cold", PlainMoveCold, tenth)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("list/a tenth hold dots, warm", ListWarm, 10)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plain/memmove of a tenth, warm", PlainMoveWarm, tenth)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("list/every frame holds dots", ListWarm, 1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plain/memmove of every frame", PlainMoveWarm, MaxFrames - 1)
        ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\ndelete+insert at row 1 / plain move of the frames holding dots (target: at most 2x):\n");
    reporter.printRatio("a tenth hold dots, cold", "list/a tenth hold dots, cold", "plain/memmove of a tenth, cold");
    reporter.printRatio("a tenth hold dots, warm", "list/a tenth hold dots, warm", "plain/memmove of a tenth, warm");
    reporter.printRatio("every frame holds dots", "list/every frame holds dots", "plain/memmove of every frame");
    benchmark::Shutdown();
    return 0;
}
