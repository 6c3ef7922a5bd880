#include "preview/PreviewEditor.h"

#include "list/FrameListOps.h"

#include <QSize>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The start-up sign in a 996 x 274 preview: picture at (18, 77), pitch 5.
class PreviewEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyStartupProject(model);
        UpdateViewSize(model, QSize(996, 274));
        PlaceView(model, QSize(996, 274), 0, 0);
        ASSERT_EQ(model.View.ViewLeft, 18);
        ASSERT_EQ(model.View.ViewTop, 77);
    }

    // A pixel that both pointer rules read as dot / cell (col, row).
    static int X(int col) { return 18 + col * 5 + 3; }
    static int Y(int row) { return 77 + row * 5 + 3; }

    PreviewPaint press(PointerButton button, int col, int row) { return editor.mouseDown(button, X(col), Y(row)); }
    PreviewPaint dragTo(int col, int row) { return editor.mouseMove({true, false}, X(col), Y(row)); }
    PreviewPaint release(int col, int row) { return editor.mouseUp(X(col), Y(row)); }
    bool lit(int col, int row) const { return model.FrameDots.at(model.CurFrame, col, row) == 1; }
    void light(int col, int row) { model.FrameDots.set(model.CurFrame, col, row, 1); }

    // Lifts the dots of columns [c0, c1) and rows [r0, r1) with the select tool.
    void lift(int c0, int r0, int c1, int r1)
    {
        if (!model.Tools.SelectTool) {
            editor.toggleSelect();
        }
        press(PointerButton::Left, c0, r0);
        dragTo(c1, r1);
        release(c1, r1);
    }

    ProjectModel model;
    PreviewEditor editor{model};
};

TEST_F(PreviewEditing, PenSetsAndErasesSingleDotsInsideTheSignOnly)
{
    editor.togglePen();
    const PreviewPaint paint = press(PointerButton::Left, 5, 6);
    EXPECT_TRUE(lit(5, 6));
    ASSERT_TRUE(paint.dot.has_value());
    EXPECT_EQ(paint.dot->col, 5);
    EXPECT_FALSE(paint.repaint) << "the pen repaints one dot";
    dragTo(6, 6);
    EXPECT_TRUE(lit(6, 6));
    editor.mouseMove({false, true}, X(5), Y(6));
    EXPECT_FALSE(lit(5, 6));
    press(PointerButton::Left, 192, 0);
    press(PointerButton::Left, -1, 3);
    EXPECT_FALSE(model.FrameDots.at(0, 192, 0));
    EXPECT_FALSE(press(PointerButton::Left, 0, 24).dot.has_value());
}

TEST_F(PreviewEditing, AClickWithSelectFloatsAnEmptyRegion)
{
    editor.toggleSelect();
    press(PointerButton::Left, 4, 4);
    EXPECT_EQ(editor.state(), EditingState::RubberBand);
    EXPECT_FALSE(editor.commands().cutAndCopy);
    release(4, 4);
    EXPECT_EQ(editor.state(), EditingState::Floating);
    EXPECT_EQ(model.Tools.RegionWidth, 0);
    EXPECT_EQ(model.Tools.RegionHeight, 0);
    EXPECT_TRUE(editor.commands().cutAndCopy);
    EXPECT_FALSE(editor.commands().paste);
}

TEST_F(PreviewEditing, ARectangleDraggedUpLeftIsNormalisedAndExcludesTheReleaseCell)
{
    for (int col = 3; col <= 10; ++col) {
        light(col, 3);
    }
    editor.toggleSelect();
    press(PointerButton::Left, 10, 5);
    const PreviewPaint band = dragTo(6, 4);
    EXPECT_FALSE(band.repaint) << "the rubber band is drawn without a repaint";
    ASSERT_TRUE(band.eraseOutline && band.outline);
    release(4, 2);
    EXPECT_EQ(model.Tools.SelRect.Left, 18 + 4 * 5);
    EXPECT_EQ(model.Tools.SelRect.Right, 18 + 10 * 5);
    EXPECT_EQ(model.Tools.RegionWidth, 6);
    EXPECT_EQ(model.Tools.RegionHeight, 3);
    EXPECT_TRUE(lit(3, 3));
    EXPECT_TRUE(lit(10, 3)) << "the column where the band started is outside the region";
    for (int col = 4; col < 10; ++col) {
        EXPECT_FALSE(lit(col, 3)) << col;
        EXPECT_EQ(model.FloatDots.at(col - 4, 1), 1) << col;
    }
}

TEST_F(PreviewEditing, AFloatingRegionIsDraggedByWholeCellsAndDroppedByAClickOutside)
{
    light(2, 2);
    lift(2, 2, 4, 4);
    ASSERT_FALSE(lit(2, 2));

    editor.mouseDown(PointerButton::Right, X(3), Y(3)); // a drag may start with any button
    EXPECT_EQ(editor.state(), EditingState::Dragging);
    const PreviewPaint moved = editor.mouseUp(X(3) + 12, Y(3) + 5); // two cells and two pixels, one cell
    EXPECT_TRUE(moved.repaint && moved.outline);
    EXPECT_EQ(editor.state(), EditingState::Floating);
    EXPECT_EQ(model.Tools.SelRect.Left, 18 + 4 * 5);
    EXPECT_EQ(model.Tools.SelRect.Top, 77 + 3 * 5);

    press(PointerButton::Left, 100, 20); // outside, with the select tool: dropped, a new band starts
    EXPECT_TRUE(lit(4, 3));
    EXPECT_FALSE(lit(2, 2));
    EXPECT_EQ(editor.state(), EditingState::RubberBand);
}

TEST_F(PreviewEditing, WithThePointerAClickOutsideStampsTheRegionAndItKeepsFloating)
{
    light(2, 2);
    lift(2, 2, 4, 4);
    editor.mouseDown(PointerButton::Left, X(3), Y(3));
    editor.mouseMove({true, false}, X(3) + 25, Y(3));
    editor.mouseUp(X(3) + 25, Y(3));
    editor.selectPointerTool();
    press(PointerButton::Left, 100, 20);
    EXPECT_EQ(editor.state(), EditingState::Floating);
    EXPECT_TRUE(lit(7, 2));
    EXPECT_FALSE(lit(2, 2));
    press(PointerButton::Left, 100, 20);
    EXPECT_TRUE(lit(7, 2));
}

TEST_F(PreviewEditing, ARegionDroppedBeyondTheSignKeepsItsDotsInTheFrameArray)
{
    light(0, 0);
    lift(0, 0, 2, 2);
    editor.mouseDown(PointerButton::Left, X(0), Y(0));
    editor.mouseUp(X(0) + 191 * 5, Y(0)); // column 191: its neighbour lies beyond the sign
    editor.selectPointerTool();
    model.FloatDots.set(1, 0, 1);
    press(PointerButton::Left, 50, 10);
    EXPECT_TRUE(lit(191, 0));
    EXPECT_TRUE(model.FrameDots.at(0, 192, 0)) << "kept outside the sign, not shown";
}

TEST_F(PreviewEditing, ScrollingMovesAFloatingRegionRelativeToTheDots)
{
    light(1, 1);
    lift(1, 1, 2, 2);
    editor.selectPointerTool();
    model.View.ViewLeft -= 10; // two cells scrolled
    press(PointerButton::Left, 100, 20);
    EXPECT_TRUE(lit(3, 1));
}

TEST_F(PreviewEditing, ARegionLiftedInOneFrameDropsIntoTheFrameThatIsCurrentThen)
{
    light(1, 1);
    lift(1, 1, 2, 2);
    editor.selectPointerTool();
    model.CurFrame = 1;
    press(PointerButton::Left, 100, 20);
    EXPECT_TRUE(model.FrameDots.at(1, 1, 1));
    EXPECT_FALSE(model.FrameDots.at(0, 1, 1));
}

TEST_F(PreviewEditing, TogglingTheSelectToolDropsAFloatingRegionInsteadOfLosingIt)
{
    light(3, 3);
    lift(3, 3, 5, 5);
    ASSERT_FALSE(lit(3, 3));
    const PreviewPaint paint = editor.toggleSelect();
    EXPECT_TRUE(paint.repaint);
    EXPECT_TRUE(lit(3, 3));
    EXPECT_EQ(editor.state(), EditingState::Idle);
    EXPECT_FALSE(editor.commands().cutAndCopy);
    EXPECT_FALSE(editor.commands().paste);
}

TEST_F(PreviewEditing, PlacingFollowsThePointerAndStampsOnlyInsideTheSign)
{
    editor.togglePen();
    editor.enterPlacing([](DotPlane &floatDots) {
        floatDots.set(0, 0, 1); // lands left of and above the sign
        floatDots.set(8, 8, 1); // under the pointer
        floatDots.set(9, 9, 1);
    });
    EXPECT_EQ(editor.state(), EditingState::Placing);
    EXPECT_FALSE(model.Tools.PenTool) << "placing selects the pointer tool";
    editor.mouseMove({}, X(0), Y(0));
    EXPECT_EQ(model.Tools.PlaceCol, -8);
    EXPECT_EQ(model.Tools.PlaceRow, -8);
    press(PointerButton::Left, 0, 0);
    EXPECT_EQ(editor.state(), EditingState::Idle);
    EXPECT_TRUE(lit(0, 0));
    EXPECT_TRUE(lit(1, 1));
    EXPECT_EQ(model.FloatDots.at(8, 8), 0) << "the picture is used up";
}

TEST_F(PreviewEditing, ARightClickAbandonsPlacingAndPasteWorksAgain)
{
    light(2, 2);
    lift(2, 2, 3, 3);
    editor.copy();
    ASSERT_TRUE(editor.commands().paste);
    editor.paste();
    EXPECT_FALSE(editor.commands().cutAndCopy);
    editor.mouseMove({}, X(20), Y(10));
    press(PointerButton::Right, 20, 10);
    EXPECT_EQ(editor.state(), EditingState::Idle);
    EXPECT_FALSE(lit(12, 2));
    editor.paste();
    editor.mouseMove({}, X(20), Y(10));
    press(PointerButton::Left, 20, 10);
    EXPECT_TRUE(lit(12, 2));
}

TEST_F(PreviewEditing, EnteringPlacingDropsAFloatingRegionFirst)
{
    light(2, 2);
    lift(2, 2, 3, 3);
    editor.enterPlacing([](DotPlane &floatDots) { floatDots.clearWindow(208, 40); });
    EXPECT_TRUE(lit(2, 2));
    EXPECT_FALSE(model.Tools.RegionFloat);
    EXPECT_EQ(editor.state(), EditingState::Placing);
}

TEST_F(PreviewEditing, PlacingShowsOnlyThePictureItWasGiven)
{
    model.FloatDots.set(1000, 200, 1); // left in the plane by an earlier, larger region
    editor.enterPlacing([](DotPlane &floatDots) { floatDots.set(8, 8, 1); });
    EXPECT_EQ(model.FloatDots.at(1000, 200), 0);
    EXPECT_EQ(model.FloatDots.at(8, 8), 1);
}

TEST_F(PreviewEditing, ABandStartingOutsideTheSignLiftsAndCutsEverythingItCovers)
{
    model.WidthDot = MaxWidthDot;
    model.HeightDot = MaxHeightDot;
    UpdateViewSize(model, QSize(996, 274));
    PlaceView(model, QSize(996, 274), 0, 0); // the picture starts at (0, 0), pitch 5
    light(0, 0);
    light(MaxWidthDot - 1, MaxHeightDot - 1);
    editor.toggleSelect();
    editor.mouseDown(PointerButton::Left, MaxWidthDot * 5 + 3, MaxHeightDot * 5 + 3);
    editor.mouseUp(-7, -7); // released up and left of the sign
    EXPECT_EQ(model.Tools.SelRect.Left, 0);
    EXPECT_EQ(model.Tools.SelRect.Top, 0);
    EXPECT_FALSE(lit(0, 0));
    EXPECT_FALSE(lit(MaxWidthDot - 1, MaxHeightDot - 1)) << "lifted like every other dot it covers";
    editor.cut();
    EXPECT_EQ(model.ClipRegionDots.at(MaxWidthDot - 1, MaxHeightDot - 1), 1);
}

TEST_F(PreviewEditing, NothingIsDrawnOnAnEmptiedList)
{
    DeleteFrame(model);
    ASSERT_EQ(model.FrameCount, 0);
    editor.togglePen();
    EXPECT_TRUE(press(PointerButton::Left, 5, 5).listEmpty);
    EXPECT_TRUE(editor.enterPlacing([](DotPlane &floatDots) { floatDots.set(8, 8, 1); }).listEmpty);
    EXPECT_EQ(editor.state(), EditingState::Idle);
    lift(0, 0, 4, 4);
    EXPECT_EQ(editor.state(), EditingState::Idle);
    EXPECT_TRUE(editor.paste().listEmpty);
    EXPECT_FALSE(model.FrameDots.mayHoldLitDots(0)) << "frame 0 stays dark";

    AppendFrame(model);
    editor.togglePen();
    press(PointerButton::Left, 5, 5);
    EXPECT_TRUE(lit(5, 5));
}

TEST_F(PreviewEditing, CopyThenCutClearsTheRectangleAndKeepsTheRegionOnTheClipboard)
{
    light(2, 2);
    lift(2, 2, 4, 4);
    editor.copy();
    EXPECT_TRUE(lit(2, 2)) << "Copy drops the region where it lies";
    model.ClipRegionDots.set(model.WidthDot + 3, 0, 1); // left by an earlier cut of a wider region
    editor.cut();
    EXPECT_FALSE(lit(2, 2));
    EXPECT_EQ(model.ClipRegionDots.at(0, 0), 1);
    EXPECT_EQ(model.ClipRegionDots.at(model.WidthDot + 3, 0), 0) << "Paste would place it beside the region";
    EXPECT_TRUE(editor.commands().cutAndCopy) << "Cut and Copy leave the commands enabled";
    EXPECT_TRUE(editor.commands().paste);
}

TEST_F(PreviewEditing, CutThenCopyLeavesTheClipboardEmpty)
{
    light(2, 2);
    lift(2, 2, 4, 4);
    editor.cut();
    EXPECT_FALSE(lit(2, 2));
    editor.copy();
    EXPECT_EQ(model.ClipRegionDots.at(0, 0), 0);
}

TEST_F(PreviewEditing, DeleteAfterCopyClearsTheRegionsRectangle)
{
    light(2, 2);
    light(3, 3);
    lift(2, 2, 4, 4);
    editor.copy();
    editor.deleteRegion();
    EXPECT_FALSE(lit(2, 2));
    EXPECT_FALSE(lit(3, 3));
    EXPECT_EQ(model.ClipRegionDots.at(0, 0), 0);
    EXPECT_EQ(model.Tools.RegionWidth, 0);
}

} // namespace
