#include "RatioReporter.h"

#include "list/CellSelection.h"
#include "list/FrameListOps.h"
#include "support/SignFixtures.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

// Insert and Delete at row 1 of a full list of the largest sign move every other frame by one slot.
// They are measured beside a plain memory move of the same bytes: moving a frame must cost no more
// than copying its WidthDot x HeightDot dots.

namespace {

constexpr int signWidth = 1024;
constexpr int signHeight = 256;

std::unique_ptr<ProjectModel> FullList()
{
    auto model = std::make_unique<ProjectModel>();
    SetUpSign(*model, signWidth, signHeight, 64, 2);
    ResetFrameListToOneFrame(*model);
    while (AppendFrame(*model) == ListOutcome::Done) {
    }
    SelectCell(*model, ColBoard, 1);
    return model;
}

// One Delete and one Insert at row 1: the list is full again afterwards.
void DeleteAndInsertAtRowOne(benchmark::State &state)
{
    auto model = FullList();
    for (auto _ : state) {
        DeleteFrame(*model);
        InsertFrame(*model);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 2 * (MaxFrames - 1) * std::int64_t{signWidth} * signHeight);
}

// The same bytes moved by memmove, one slot down and back up.
void PlainMemoryMove(benchmark::State &state)
{
    const std::size_t frameBytes = std::size_t{signWidth} * signHeight;
    const std::size_t bytes = frameBytes * (MaxFrames - 1);
    auto frames = std::make_unique<std::uint8_t[]>(frameBytes * MaxFrames);
    std::memset(frames.get(), 1, frameBytes * MaxFrames);
    for (auto _ : state) {
        std::memmove(frames.get(), frames.get() + frameBytes, bytes);
        std::memmove(frames.get() + frameBytes, frames.get(), bytes);
        benchmark::DoNotOptimize(frames.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 2 * static_cast<std::int64_t>(bytes));
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("list/delete+insert at row 1", DeleteAndInsertAtRowOne)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plain/memmove of the same bytes", PlainMemoryMove)
        ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nlist operation / plain move (target: at most 3x):\n");
    reporter.printRatio("delete+insert at row 1", "list/delete+insert at row 1",
                        "plain/memmove of the same bytes");
    benchmark::Shutdown();
    return 0;
}
