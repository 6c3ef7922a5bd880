#include "history/RecordedEdits.h"

#include "io/ProjectTransfer.h"
#include "list/FrameListTestSupport.h"
#include "list/NewProject.h"
#include "list/SignSetup.h"

#include <QSize>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Everything a step may change and the operator can see: every listed frame's dots, the list, the
// selection and the floating region.
struct ProjectState {
    int FrameCount = 0;
    std::vector<RowCells> rows;
    std::vector<std::uint8_t> changeFlags;
    std::vector<std::vector<std::uint8_t>> frames;
    int SelCol = 0;
    int SelRow = 0;
    int CurFrame = 0;
    bool RegionFloat = false;

    bool operator==(const ProjectState &) const = default;
};

ProjectState StateOf(const ProjectModel &model)
{
    ProjectState state{model.FrameCount,       {}, {}, {}, model.SelCol, model.SelRow, model.CurFrame,
                       model.Tools.RegionFloat};
    for (int row = 1; row <= model.FrameCount; ++row) {
        state.rows.push_back(model.Cells.row(row));
        state.changeFlags.push_back(model.ChangeFlag[row - 1]);
        const std::uint8_t *dots = model.FrameDots.frame(row - 1);
        state.frames.emplace_back(dots, dots + PlaneBytes);
    }
    return state;
}

// The start-up sign in a 996 x 274 preview (picture at (18, 77), pitch 5), driven as the window drives
// it: every gesture and command inside one step.
class History : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyStartupProject(model);
        UpdateViewSize(model, QSize(996, 274));
        PlaceView(model, QSize(996, 274), 0, 0);
    }
    static int X(int col) { return 18 + col * 5 + 3; }
    static int Y(int row) { return 77 + row * 5 + 3; }

    template <typename Edit> void frameStep(Edit edit)
    {
        history.openStep(StepShape::CurrentFrame);
        edit();
        history.closeStep(FrameEditLabel(editor.takeFrameEdit()));
    }
    void stroke(PointerButton button, std::initializer_list<std::pair<int, int>> dots)
    {
        frameStep([&] {
            auto dot = dots.begin();
            editor.mouseDown(button, X(dot->first), Y(dot->second));
            for (++dot; dot != dots.end(); ++dot) {
                editor.mouseMove({button == PointerButton::Left, button == PointerButton::Right},
                                 X(dot->first), Y(dot->second));
            }
            editor.mouseUp(X(dots.begin()->first), Y(dots.begin()->second));
        });
    }
    void lift(int c0, int r0, int c1, int r1)
    {
        if (!model.Tools.SelectTool) {
            editor.toggleSelect();
        }
        frameStep([&] {
            editor.mouseDown(PointerButton::Left, X(c0), Y(r0));
            editor.mouseMove({true, false}, X(c1), Y(r1));
            editor.mouseUp(X(c1), Y(r1));
        });
    }
    void stampAt(int col, int row)
    {
        editor.mouseMove({}, X(col), Y(row));
        frameStep([&] {
            editor.mouseDown(PointerButton::Left, X(col), Y(row));
            editor.mouseUp(X(col), Y(row));
        });
    }
    void cellStep(int column, int row, const QString &text = {})
    {
        history.openStep(StepShape::Cells);
        const CellEdit edit = Click(model, column, row);
        if (edit == CellEdit::BoardNumber || edit == CellEdit::Time) {
            model.Cells.setCell(column, row, text);
        }
        history.closeStep(CellEditLabel(edit, row));
    }
    void listStep(ListStep step) { RunListStep(model, history, step); }
    // Runs one step, keeping the states it must give back on undo and on redo.
    template <typename Step> void step(Step run)
    {
        ProjectState before = StateOf(model);
        run();
        ASSERT_EQ(history.stepCount(), static_cast<int>(steps.size()) + 1) << "a step was recorded";
        steps.push_back({std::move(before), StateOf(model)});
    }

    ProjectModel model;
    PreviewEditor editor{model};
    EditHistory history{model};
    std::vector<std::pair<ProjectState, ProjectState>> steps;
};

TEST_F(History, ASessionUndoneStepByStepGivesBackEveryStateAndRedoneTheLast)
{
    editor.togglePen();
    step([&] { stroke(PointerButton::Left, {{2, 2}, {3, 2}, {4, 3}, {20, 10}}); });
    step([&] { listStep(ListStep::NewFrame); });
    step([&] { listStep(ListStep::NewFrame); });
    SelectCell(model, ColBoard, 2);
    step([&] { stroke(PointerButton::Left, {{5, 5}, {6, 5}, {7, 5}}); });
    step([&] { stroke(PointerButton::Right, {{6, 5}}); });
    step([&] { lift(4, 4, 8, 7); });
    editor.mouseDown(PointerButton::Left, X(5), Y(5)); // a drag is no step of its own
    editor.mouseMove({true, false}, X(15), Y(15));
    editor.mouseUp(X(15), Y(15));
    step([&] { frameStep([&] { editor.cut(); }); });
    frameStep([&] { editor.paste(); });
    step([&] { stampAt(30, 12); });
    editor.enterPlacing([](DotPlane &picture) { picture.set(1, 1, 1), picture.set(9, 3, 1); });
    step([&] { stampAt(60, 12); });
    step([&] { listStep(ListStep::InsertFrame); });
    SelectCell(model, ColBoard, 1);
    step([&] { listStep(ListStep::DeleteFrame); });
    SelectCell(model, ColBoard, 3);
    step([&] { listStep(ListStep::CutFrame); });
    SelectCell(model, ColBoard, 1);
    step([&] { listStep(ListStep::PasteFrame); });
    step([&] { cellStep(ColBoard, 1, QStringLiteral("42")); });
    SelectCell(model, ColChange, 1);
    step([&] { cellStep(ColChange, 1); });
    SelectCell(model, ColTime, 2);
    step([&] { cellStep(ColTime, 2, QStringLiteral("7")); });
    step([&] {
        const ProjectFile file = CaptureProject(model).file;
        history.openStep(StepShape::InsertRows, model.FrameCount + 1);
        AppendProject(model, file);
        history.closeStep(AppendFileLabel());
    });
    SelectCell(model, ColBoard, 3); // selecting alone is no step
    EXPECT_EQ(history.stepCount(), static_cast<int>(steps.size()));
    EXPECT_EQ(history.undoLabel(), "Append from file");

    for (auto done = steps.rbegin(); done != steps.rend(); ++done) {
        UndoEdit(history, editor);
        ASSERT_EQ(StateOf(model), done->first) << "undo of step " << steps.rend() - done;
    }
    EXPECT_FALSE(history.canUndo());
    for (auto done = steps.begin(); done != steps.end(); ++done) {
        RedoEdit(history, editor);
        ASSERT_EQ(StateOf(model), done->second) << "redo of step " << done - steps.begin() + 1;
    }
    EXPECT_FALSE(history.canRedo());

    UndoEdit(history, editor);
    UndoEdit(history, editor);
    SelectCell(model, ColBoard, 1);
    cellStep(ColBoard, 1, QStringLiteral("77"));
    EXPECT_FALSE(history.canRedo()) << "a new edit drops the redo steps";
    EXPECT_EQ(history.undoLabel(), "Board number of frame 1");
}

TEST_F(History, UndoingALiftPutsTheDotsBackAndEndsTheFloatAndUndoCancelsPlacingFirst)
{
    model.FrameDots.set(0, 5, 5, 1);
    lift(4, 4, 8, 8);
    ASSERT_EQ(history.undoLabel(), "Lift region");
    ASSERT_TRUE(model.Tools.RegionFloat);
    UndoEdit(history, editor);
    EXPECT_EQ(model.FrameDots.at(0, 5, 5), 1);
    EXPECT_FALSE(model.Tools.RegionFloat);
    EXPECT_FALSE(editor.commands().cutAndCopy);
    RedoEdit(history, editor);
    EXPECT_EQ(model.FrameDots.at(0, 5, 5), 0);
    EXPECT_TRUE(model.Tools.RegionFloat && editor.commands().cutAndCopy);
    EXPECT_EQ(model.FloatDots.at(1, 1), 1) << "the lifted dot floats again";

    frameStep([&] { editor.enterPlacing([](DotPlane &picture) { picture.set(0, 0, 1); }); });
    EXPECT_EQ(history.undoLabel(), "Drop region") << "placing drops the floating region first";
    EXPECT_EQ(UndoEditLabel(history, editor), "Placing");
    UndoEdit(history, editor);
    EXPECT_EQ(editor.state(), EditingState::Idle) << "the first undo only ends placing";
    EXPECT_EQ(model.FrameDots.at(0, 5, 5), 1) << "the drop stays";
    EXPECT_EQ(history.undoLabel(), "Drop region");
    UndoEdit(history, editor);
    EXPECT_EQ(editor.state(), EditingState::Floating) << "the next undoes the drop";
    EXPECT_EQ(model.FloatDots.at(1, 1), 1);

    editor.togglePen();
    editor.selectPointerTool();
    history.openStep(StepShape::CurrentFrame);
    EXPECT_FALSE(history.canUndo()) << "no undo in the middle of a stroke";
}

// All of a project that New replaces: geometry, every colour, the list, the lit dots of every slot (listed
// or not, inside the sign or beyond it), selection, zoom, file name and captions.
struct WholeProject {
    ProjectState listed;
    std::array<int, 4> geometry = {};
    std::array<int, MaxLedColors> LedColor = {};
    std::vector<ColorRef> dotColors;
    std::vector<std::vector<std::size_t>> litDots;
    int DotRadius = 0;
    QString FileName;
    QStringList captions;

    bool operator==(const WholeProject &) const = default;
};

WholeProject WholeProjectOf(const ProjectModel &model)
{
    WholeProject whole{StateOf(model),
                       {model.LedNumber, model.LedWidthDot, model.WidthDot, model.HeightDot},
                       model.LedColor,
                       {},
                       std::vector<std::vector<std::size_t>>(MaxFrames),
                       model.View.DotRadius,
                       model.FileName,
                       {model.Captions.Caption, model.Captions.SizePanel, model.Captions.ModulePanel}};
    for (int x = 0; x < MaxWidthDot; ++x) {
        for (int y = 0; y < MaxHeightDot; ++y) {
            whole.dotColors.push_back(model.dotColor(x, y));
        }
    }
    for (int slot = 0; slot < MaxFrames; ++slot) {
        for (std::size_t dot = 0; model.FrameDots.mayHoldLitDots(slot) && dot < PlaneBytes; ++dot) {
            if (model.FrameDots.frame(slot)[dot]) {
                whole.litDots[static_cast<std::size_t>(slot)].push_back(dot);
            }
        }
    }
    return whole;
}

TEST_F(History, NewIsAStepThatKeepsTheWholeProjectBeforeItCompactly)
{
    editor.togglePen();
    stroke(PointerButton::Left, {{2, 2}, {3, 2}});
    listStep(ListStep::NewFrame);
    model.FrameDots.set(0, 1000, 250, 1); // beyond the sign, as a region dropped over its edge leaves it
    model.FrameDots.set(7, 9, 9, 1);      // beyond the list, as a shorter file opened leaves it
    model.ChangeFlag[7] = 1;
    model.Cells.setCell(ColBoard, 2, QStringLiteral("42"));
    model.setDotColor(900, 100, LedColorValue::Blue);
    model.View.DotRadius = 4;
    model.FileName = QStringLiteral("/tmp/a.nkv");
    model.Captions = {QStringLiteral("Velmora - /tmp/a.nkv"), QStringLiteral("192Dot X 24Dot"), QString()};
    const WholeProject before = WholeProjectOf(model);
    const std::size_t stepsBytes = history.bytes();

    history.openStep(StepShape::WholeProject);
    ASSERT_TRUE(history.openStepFits());
    ApplyNewProject(model, *ParseSignSetup(QStringLiteral("32 X 48"), QStringLiteral("16"), {}).setup);
    model.Captions = {QStringLiteral("Velmora"), QStringLiteral("512Dot X 48Dot"), QString()};
    history.closeStep(NewProjectLabel());
    const WholeProject after = WholeProjectOf(model);
    EXPECT_LT(history.bytes() - stepsBytes, std::size_t{64} << 10) << "lit dots and colour runs, not planes";

    UndoEdit(history, editor);
    EXPECT_TRUE(WholeProjectOf(model) == before);
    RedoEdit(history, editor);
    EXPECT_TRUE(WholeProjectOf(model) == after);
    UndoEdit(history, editor);
    EXPECT_EQ(history.undoLabel(), "New frame 2") << "the steps before New stay";
    UndoEdit(history, editor);
    UndoEdit(history, editor);
    EXPECT_EQ(model.FrameDots.at(0, 2, 2), 0);

    EditHistory small{model, {std::size_t{4} << 10, 200}};
    small.openStep(StepShape::WholeProject);
    EXPECT_FALSE(small.openStepFits()) << "the save question is asked instead";
    small.abandonStep();
    EXPECT_FALSE(small.stepOpen());
}

TEST_F(History, StepsStayWithinTheirLimitsDroppingTheOldestFirst)
{
    EditHistory limited{model, {std::size_t{64} << 10, 3}};
    for (int row = 0; row < 5; ++row) {
        limited.openStep(StepShape::CurrentFrame);
        model.FrameDots.set(0, row, row, 1);
        limited.closeStep(QString::number(row));
    }
    EXPECT_EQ(limited.stepCount(), 3);
    limited.undo();
    limited.undo();
    limited.undo();
    EXPECT_FALSE(limited.canUndo());
    EXPECT_EQ(model.FrameDots.at(0, 1, 1), 1) << "the two oldest steps were dropped";
    EXPECT_EQ(model.FrameDots.at(0, 2, 2), 0);

    // A stroke over the whole width costs a bit per dot of its rectangle, not a byte.
    limited.clear();
    limited.openStep(StepShape::CurrentFrame);
    for (int dot = 0; dot < 1000; ++dot) {
        model.FrameDots.set(0, dot, (dot * 37) % 256, 1);
    }
    limited.closeStep(QStringLiteral("wide"));
    EXPECT_EQ(limited.stepCount(), 1);
    EXPECT_LT(limited.bytes(), std::size_t{64} << 10);
}

} // namespace
