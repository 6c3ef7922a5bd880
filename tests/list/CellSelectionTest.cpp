#include "FrameListTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ChangeMark, TogglingOnATwoFrameListJoinsAndSeparatesTheFrames)
{
    auto model = ProjectWithFrames(2);
    SelectCell(*model, ColChange, 1);
    ASSERT_EQ(Click(*model, ColChange, 1), CellEdit::ChangeToggled);
    EXPECT_EQ(model->Cells.row(1), (RowCells{"001", "001", "001", "V", "3"}));
    EXPECT_EQ(model->Cells.row(2), (RowCells{"002", "", "002", "", "3"}));

    ASSERT_EQ(Click(*model, ColChange, 1), CellEdit::ChangeToggled);
    EXPECT_EQ(model->Cells.row(1), (RowCells{"001", "001", "001", "", ""}));
    EXPECT_EQ(model->Cells.row(2), (RowCells{"002", "002", "002", "", ""}));
}

TEST(ChangeMark, TheLastRowCannotBeMarked)
{
    auto model = ProjectWithFrames(2);
    SelectCell(*model, ColChange, 2);
    EXPECT_EQ(Click(*model, ColChange, 2), CellEdit::None);
    EXPECT_EQ(model->ChangeFlag[1], 0);
    EXPECT_EQ(model->Cells.cell(ColChange, 2), "");
}

TEST(ChangeMark, AMarkLeftOnTheLastRowCanBeTakenBack)
{
    auto model = ProjectWithFrames(3);
    SelectCell(*model, ColChange, 2);
    Click(*model, ColChange, 2); // frames 2 and 3 form a line
    SelectCell(*model, ColBoard, 3);
    DeleteFrame(*model); // row 2 is now the last and keeps "V"
    ASSERT_EQ(model->Cells.row(2), (RowCells{"002", "002", "002", "V", "3"}));
    AppendFrame(*model);
    EXPECT_EQ(model->Cells.row(3), (RowCells{"003", "", "003", "", "3"})) << "it joins the line with a time";
    SelectCell(*model, ColBoard, 3);
    DeleteFrame(*model);
    SelectCell(*model, ColChange, 2);
    EXPECT_EQ(Click(*model, ColChange, 2), CellEdit::ChangeToggled);
    EXPECT_EQ(model->Cells.row(2), (RowCells{"002", "002", "002", "", ""}));
    EXPECT_EQ(model->ChangeFlag[1], 0);
    EXPECT_EQ(Click(*model, ColChange, 2), CellEdit::None) << "and it still cannot be set there";
    AppendFrame(*model);
    EXPECT_EQ(model->Cells.cell(ColLine, 3), "003") << "a new frame is not joined to it";
}

TEST(ChangeMark, MarkingRowsOneAndTwoMakesOneLineOfThreeFrames)
{
    auto model = ProjectWithFrames(3);
    SelectCell(*model, ColChange, 1);
    Click(*model, ColChange, 1);
    Click(*model, ColChange, 2); // selects row 2
    Click(*model, ColChange, 2); // marks it
    EXPECT_EQ(Column(*model, ColLine), QStringList({"001", "", ""}));
    EXPECT_EQ(Column(*model, ColChange), QStringList({"V", "V", ""}));
    EXPECT_EQ(Column(*model, ColTime), QStringList({"3", "3", "3"}));

    // Unmarking the middle frame ends the line after it; the third frame stands alone again.
    Click(*model, ColChange, 2);
    EXPECT_EQ(Column(*model, ColLine), QStringList({"001", "", "002"}));
    EXPECT_EQ(Column(*model, ColTime), QStringList({"3", "3", ""}));
}

TEST(CellClick, OnlyAClickOnTheSelectedCellEdits)
{
    auto model = ProjectWithFrames(2);
    ASSERT_EQ(model->SelCol, ColBoard);
    EXPECT_EQ(Click(*model, ColChange, 1), CellEdit::None) << "another cell is only selected";
    EXPECT_EQ(model->ChangeFlag[0], 0);
    EXPECT_EQ(Click(*model, ColBoard, 2), CellEdit::None);
    EXPECT_EQ(model->CurFrame, 1);
    EXPECT_EQ(Click(*model, ColBoard, 2), CellEdit::BoardNumber);
}

TEST(CellClick, TimeIsEditedOnlyInALineOfSeveralFrames)
{
    auto model = ProjectWithFrames(3);
    SelectCell(*model, ColTime, 1);
    EXPECT_EQ(Click(*model, ColTime, 1), CellEdit::None);
    model->ChangeFlag[0] = 1;
    EXPECT_EQ(Click(*model, ColTime, 1), CellEdit::Time);
    Click(*model, ColTime, 2);
    EXPECT_EQ(Click(*model, ColTime, 2), CellEdit::Time) << "the frame after a marked one belongs to the line";
    Click(*model, ColTime, 3);
    EXPECT_EQ(Click(*model, ColTime, 3), CellEdit::None);
}

TEST(CellClick, SelectingAnotherRowChangesTheCurrentFrame)
{
    auto model = ProjectWithFrames(3);
    EXPECT_TRUE(SelectCell(*model, ColBoard, 3));
    EXPECT_EQ(model->CurFrame, 2);
    EXPECT_FALSE(SelectCell(*model, ColTime, 3)) << "same frame, no repaint needed";
}

TEST(TimeCell, EmptyMeansZeroAndOtherTextIsNotANumber)
{
    EXPECT_EQ(SecondsOfTimeCell(""), 0);
    EXPECT_EQ(SecondsOfTimeCell("3"), 3);
    EXPECT_EQ(SecondsOfTimeCell("120"), 120);
    EXPECT_FALSE(SecondsOfTimeCell("3s").has_value());
    EXPECT_EQ(NotAnIntegerMessage("3s"), "'3s' is not a valid integer value");
}

} // namespace
