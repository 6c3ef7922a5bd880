#include "RatioReporter.h"

#include "history/RecordedEdits.h"
#include "preview/PreviewGeometry.h"
#include "preview/RegionOps.h"
#include "support/SignFixtures.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>

// Undo and redo of the largest steps against the operation itself, measured in the same run: Delete of
// frame 1 in a full list of 500 frames of the largest sign (every other frame moves), and Cut of a region
// as large as that sign. Then what a pen stroke of 1000 dots costs the history.

namespace {

constexpr int signWidth = 1024;
constexpr int signHeight = 256;

// A full list of the largest sign; each benchmark lights frame 1 in a scattered pattern.
struct FullList {
    FullList()
    {
        SetUpSign(*model, signWidth, signHeight, 64, 1);
        ResetFrameListToOneFrame(*model);
        while (AppendFrame(*model) == ListOutcome::Done) {
        }
        SelectCell(*model, ColBoard, 1);
    }
    std::unique_ptr<ProjectModel> model = std::make_unique<ProjectModel>();
    PreviewEditor editor{*model};
    EditHistory history{*model};
};

FullList &Project()
{
    static FullList project;
    return project;
}

void DeleteFrameOne(benchmark::State &state)
{
    ProjectModel &model = *Project().model;
    for (auto _ : state) {
        DeleteFrame(model);
        state.PauseTiming();
        InsertFrame(model);
        state.ResumeTiming();
    }
}

// Times undo (`undoTimed`) or redo of the one step in the history, the other direction untimed; the
// step is done again at the end.
void TimeReplay(benchmark::State &state, FullList &project, bool undoTimed)
{
    const auto untimed = [&state](auto replay) {
        state.PauseTiming();
        replay();
        state.ResumeTiming();
    };
    const auto undo = [&project] { UndoEdit(project.history, project.editor); };
    const auto redo = [&project] { RedoEdit(project.history, project.editor); };
    for (auto _ : state) {
        if (undoTimed) {
            undo();
            untimed(redo);
        } else {
            untimed(undo);
            redo();
        }
    }
}

void ReplayDeleteFrameOne(benchmark::State &state, bool undoTimed)
{
    FullList &project = Project();
    project.history.clear();
    LightScatteredDots(*project.model);
    RunListStep(*project.model, project.history, ListStep::DeleteFrame);
    TimeReplay(state, project, undoTimed);
    UndoEdit(project.history, project.editor);
}

// The whole sign lifted: the region Cut takes.
void LiftWholeSign(ProjectModel &model)
{
    const int pitch = Pitch(model.View);
    model.Tools.SelRect = {0, 0, signWidth * pitch, signHeight * pitch};
    LiftRegion(model);
    model.Tools.RegionFloat = true;
}

void CutWholeSign(benchmark::State &state)
{
    FullList &project = Project();
    ProjectModel &model = *project.model;
    LightScatteredDots(model);
    LiftWholeSign(model);
    auto frame = std::make_unique<DotPlane>();
    auto floating = std::make_unique<DotPlane>();
    std::memcpy(frame->data(), model.FrameDots.frame(0), PlaneBytes);
    std::memcpy(floating->data(), model.FloatDots.data(), PlaneBytes);
    const ToolState tools = model.Tools;
    for (auto _ : state) {
        project.editor.cut();
        state.PauseTiming();
        std::memcpy(model.FrameDots.writableFrame(0), frame->data(), PlaneBytes);
        std::memcpy(model.FloatDots.data(), floating->data(), PlaneBytes);
        model.Tools = tools;
        state.ResumeTiming();
    }
}

void ReplayCutWholeSign(benchmark::State &state, bool undoTimed)
{
    FullList &project = Project();
    project.history.clear();
    project.history.openStep(StepShape::CurrentFrame);
    project.editor.cut();
    project.history.closeStep(FrameEditLabel(project.editor.takeFrameEdit()));
    TimeReplay(state, project, undoTimed);
    UndoEdit(project.history, project.editor);
}

// A stroke of 1000 dots, nothing floating: a wave across the largest sign, and 1000 dots scattered over
// all its columns.
void PrintPenStrokeBytes()
{
    FullList &project = Project();
    ProjectModel &model = *project.model;
    model.Tools.RegionFloat = false;
    const auto strokeBytes = [&](auto dotRow) {
        project.history.clear();
        project.history.openStep(StepShape::CurrentFrame);
        for (int dot = 0; dot < 1000; ++dot) {
            model.FrameDots.set(0, dot, dotRow(dot), model.FrameDots.at(0, dot, dotRow(dot)) ^ 1);
        }
        project.history.closeStep(QStringLiteral("Pen stroke"));
        const std::size_t bytes = project.history.bytes();
        UndoEdit(project.history, project.editor);
        return bytes;
    };
    const std::size_t wave =
        strokeBytes([](int x) { return 128 + static_cast<int>(std::lround(100 * std::sin(x / 50.0))); });
    const std::size_t scattered = strokeBytes([](int x) { return (x * 37) % signHeight; });
    std::printf("\nhistory bytes of a pen stroke of 1000 dots (target: under 65536):\n");
    std::printf("  %-32s %8zu\n  %-32s %8zu\n", "a wave across the sign", wave, "scattered over every column",
                scattered);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("op/delete frame 1", DeleteFrameOne)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("undo/delete frame 1", ReplayDeleteFrameOne, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("redo/delete frame 1", ReplayDeleteFrameOne, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("op/cut whole sign", CutWholeSign)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("undo/cut whole sign", ReplayCutWholeSign, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("redo/cut whole sign", ReplayCutWholeSign, false)
        ->Unit(benchmark::kMicrosecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nundo or redo / the operation itself (target: under 2x):\n");
    reporter.printRatio("undo of delete frame 1", "undo/delete frame 1", "op/delete frame 1");
    reporter.printRatio("redo of delete frame 1", "redo/delete frame 1", "op/delete frame 1");
    reporter.printRatio("undo of cut of the whole sign", "undo/cut whole sign", "op/cut whole sign");
    reporter.printRatio("redo of cut of the whole sign", "redo/cut whole sign", "op/cut whole sign");
    PrintPenStrokeBytes();
    benchmark::Shutdown();
    return 0;
}
