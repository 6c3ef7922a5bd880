#include "lines/FrameLines.h"
#include "list/FrameListOps.h"

#include <gtest/gtest.h>

namespace {

// Six frames: line 1 = frames 1..3 (times 1, 2, 3), line 2 = frame 4, line 3 = frames 5..6.
class FrameLinesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyStartupProject(model);
        for (int f = 1; f < 6; ++f) {
            AppendFrame(model);
        }
        for (const int frame : {0, 1, 4}) {
            model.ChangeFlag[frame] = 1;
        }
        RenumberLines(model);
        for (int row = 1; row <= 6; ++row) {
            model.Cells.setCell(ColTime, row, QString::number(row));
            model.Cells.setCell(ColBoard, row, QString::number(100 + row));
        }
    }
    ProjectModel model;
};

TEST_F(FrameLinesTest, LinesAreRunsOfRowsAfterANumberedLineCell)
{
    EXPECT_EQ(LastLine(model), 3);

    const auto first = FindLine(model, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->firstRow, 1);
    EXPECT_EQ(first->frameCount, 3);
    EXPECT_EQ(first->boardText, "101");
    EXPECT_EQ(first->timeTexts, QStringList({"1", "2", "3"}));

    const auto last = FindLine(model, 3);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->firstRow, 5);
    EXPECT_EQ(last->lastRow(), 6);
    EXPECT_FALSE(FindLine(model, 4));

    // Every row of a line finds that line; rows outside the list find none.
    EXPECT_EQ(LineOfRow(model, 3)->firstRow, 1);
    EXPECT_EQ(LineOfRow(model, 4)->number, 2);
    EXPECT_EQ(LineOfRow(model, 4)->frameCount, 1);
    EXPECT_EQ(LineOfRow(model, 6)->number, 3);
    EXPECT_FALSE(LineOfRow(model, 0));
    EXPECT_FALSE(LineOfRow(model, 7));
}

TEST_F(FrameLinesTest, AnEmptyListHasNoLines)
{
    model.FrameCount = 0;
    EXPECT_EQ(LastLine(model), 0);
    EXPECT_FALSE(FindLine(model, 1));
}

} // namespace
