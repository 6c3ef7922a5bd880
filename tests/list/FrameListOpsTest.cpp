#include "FrameListTestSupport.h"

#include "support/SignFixtures.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameListNew, AppendsRowsNumberedInEveryColumn)
{
    auto model = ProjectWithFrames(3);
    EXPECT_EQ(model->FrameCount, 3);
    EXPECT_EQ(model->Cells.rowCount(), 4);
    EXPECT_EQ(model->Cells.row(2), (RowCells{"002", "002", "002", "", ""}));
    EXPECT_EQ(model->Cells.row(3), (RowCells{"003", "003", "003", "", ""}));
}

TEST(FrameListNew, AnAppendedFrameStartsDarkEvenOverAnEarlierProjectsDots)
{
    auto model = ProjectWithFrames(1);
    model->FrameDots.set(1, 5, 5, 1); // left in slot 1 by a longer project
    model->ChangeFlag[1] = 1;
    ASSERT_EQ(AppendFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameDots.at(1, 5, 5), 0);
    EXPECT_EQ(model->ChangeFlag[1], 0);
}

TEST(FrameListLimit, A501stFrameIsRefusedAndTheListStaysAsItWas)
{
    auto model = ProjectWithFrames(MaxFrames);
    ASSERT_EQ(model->FrameCount, 500);
    EXPECT_EQ(AppendFrame(*model), ListOutcome::TooManyFrames);
    EXPECT_EQ(InsertFrame(*model), ListOutcome::TooManyFrames);
    EXPECT_EQ(PasteFrame(*model), ListOutcome::TooManyFrames);
    EXPECT_EQ(model->FrameCount, 500);
    EXPECT_EQ(model->Cells.rowCount(), 501);
    EXPECT_EQ(model->Cells.cell(ColNo, 500), "500");
    EXPECT_EQ(TooManyFramesMessage(), "The Max of the Frames is 500!!");
}

TEST(FrameListInsert, OpensABlankFrameAtTheSelectedRowAndMovesTheRestDown)
{
    auto model = ProjectWithFrames(3);
    for (int row = 1; row <= 3; ++row) {
        MarkDots(*model, row);
    }
    model->Cells.setCell(ColBoard, 3, QStringLiteral("77"));
    SelectCell(*model, ColBoard, 2);
    ASSERT_EQ(InsertFrame(*model), ListOutcome::Done);
    EXPECT_EQ(Column(*model, ColNo), QStringList({"001", "002", "003", "004"}));
    EXPECT_EQ(Column(*model, ColBoard), QStringList({"001", "002", "002", "77"}))
        << "the blank frame reads its row number; moved rows keep their own board numbers";
    EXPECT_EQ(Column(*model, ColLine), QStringList({"001", "002", "003", "004"}));
    EXPECT_TRUE(HasMarkOf(*model, 1, 1));
    EXPECT_FALSE(HasMarkOf(*model, 2, 2)) << "the inserted frame is dark";
    EXPECT_TRUE(HasMarkOf(*model, 3, 2));
    EXPECT_TRUE(HasMarkOf(*model, 4, 3));
}

TEST(FrameListDelete, RemovesTheSelectedFrameAndCleansTheFreedSlot)
{
    auto model = ProjectWithFrames(3);
    for (int row = 1; row <= 3; ++row) {
        MarkDots(*model, row);
    }
    SelectCell(*model, ColBoard, 1);
    ASSERT_EQ(DeleteFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameCount, 2);
    EXPECT_EQ(Column(*model, ColNo), QStringList({"001", "002"}));
    EXPECT_EQ(Column(*model, ColBoard), QStringList({"002", "003"}));
    EXPECT_TRUE(HasMarkOf(*model, 1, 2));
    EXPECT_TRUE(HasMarkOf(*model, 2, 3));
    EXPECT_FALSE(model->FrameDots.mayHoldLitDots(2)) << "the freed last slot is clean";
}

TEST(FrameListDelete, OfTheLastRowSelectsTheNewLastRow)
{
    auto model = ProjectWithFrames(3);
    SelectCell(*model, ColTime, 3);
    ASSERT_EQ(DeleteFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->SelRow, 2);
    EXPECT_EQ(model->SelCol, ColTime);
    EXPECT_EQ(model->CurFrame, 1);
}

TEST(FrameListClipboard, CutThenPasteElsewhereMovesTextsMarkAndDots)
{
    auto model = ProjectWithFrames(4);
    MarkDots(*model, 1);
    SelectCell(*model, ColChange, 1);
    ASSERT_EQ(Click(*model, ColChange, 1), CellEdit::ChangeToggled); // frames 1 and 2 form a line
    model->Cells.setCell(ColBoard, 1, QStringLiteral("123"));

    SelectCell(*model, ColBoard, 1);
    ASSERT_EQ(CutFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameCount, 3);
    SelectCell(*model, ColBoard, 3);
    ASSERT_EQ(PasteFrame(*model), ListOutcome::Done);

    EXPECT_EQ(model->FrameCount, 4);
    EXPECT_EQ(model->Cells.row(3), (RowCells{"003", "003", "123", "V", "3"}));
    EXPECT_EQ(model->ChangeFlag[2], 1);
    EXPECT_TRUE(HasMarkOf(*model, 3, 1));
    EXPECT_EQ(Column(*model, ColLine), QStringList({"001", "002", "003", ""}));
}

TEST(FrameListClipboard, HoldsOnlyTheCopiedFrameAcrossTheWholePlane)
{
    auto model = ProjectWithFrames(1);
    model->ClipFrameDots.set(MaxWidthDot - 1, MaxHeightDot - 1, 1); // copied earlier on a larger sign
    MarkDots(*model, 1);
    ASSERT_EQ(CopyFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->ClipFrameDots.at(1, 2), 1);
    EXPECT_EQ(model->ClipFrameDots.at(MaxWidthDot - 1, MaxHeightDot - 1), 0);
}

TEST(FrameListClipboard, PasteBeforeAnyCopyInsertsAnEmptyFrameAndCanBeRepeated)
{
    auto model = ProjectWithFrames(1);
    MarkDots(*model, 1);
    ASSERT_EQ(PasteFrame(*model), ListOutcome::Done);
    ASSERT_EQ(PasteFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->Cells.row(1), (RowCells{"001", "001", "", "", ""}));
    EXPECT_FALSE(HasMarkOf(*model, 1, 1));
    EXPECT_TRUE(HasMarkOf(*model, 3, 1));
}

TEST(FrameListEmpty, AfterTheLastFrameIsDeletedOnlyNewOrPasteBringOneBack)
{
    auto model = ProjectWithFrames(1);
    MarkDots(*model, 1);
    ASSERT_EQ(DeleteFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameCount, 0);
    EXPECT_EQ(model->Cells.rowCount(), 1);
    EXPECT_EQ(model->CurFrame, 0) << "the preview shows a dark sign, never frame -1";
    EXPECT_FALSE(HasMarkOf(*model, 1, 1));
    for (ListOutcome outcome : {InsertFrame(*model), DeleteFrame(*model), CopyFrame(*model), CutFrame(*model)}) {
        EXPECT_EQ(outcome, ListOutcome::Nothing);
    }
    EXPECT_EQ(EditSelectedCell(*model, model->SelCol, 1), CellEdit::None);

    ASSERT_EQ(AppendFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameCount, 1);
    EXPECT_EQ(model->SelRow, 1);
    EXPECT_EQ(model->CurFrame, 0);
    EXPECT_EQ(model->Cells.row(1), (RowCells{"001", "001", "001", "", ""}));

    ASSERT_EQ(DeleteFrame(*model), ListOutcome::Done);
    ASSERT_EQ(PasteFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameCount, 1);
    EXPECT_EQ(model->SelRow, 1);
}

TEST(FrameListMoves, MoveOnlyFramesThatHoldDotsAndOnlyTheSignsWindow)
{
    auto model = ProjectWithFrames(5); // the start-up sign, 192 x 24
    model->FrameDots.set(0, 500, 100, 1); // beyond the sign, as a region dropped over its edge leaves it
    MarkDots(*model, 3);
    SelectCell(*model, ColBoard, 1);
    ASSERT_EQ(DeleteFrame(*model), ListOutcome::Done);
    EXPECT_EQ(model->FrameDots.at(0, 500, 100), 1) << "a move carries and darkens the sign's dots only";
    EXPECT_FALSE(model->FrameDots.mayHoldLitDots(3)) << "a dark frame moved onto a dark slot touches nothing";
    EXPECT_TRUE(HasMarkOf(*model, 2, 3));
    EXPECT_FALSE(HasMarkOf(*model, 3, 3)) << "the slot a drawn frame left is dark again";

    auto largest = ProjectWithFrames(3);
    SetUpSign(*largest, MaxWidthDot, MaxHeightDot, 64, 2);
    MarkDots(*largest, 2);
    SelectCell(*largest, ColBoard, 1);
    ASSERT_EQ(DeleteFrame(*largest), ListOutcome::Done);
    EXPECT_TRUE(HasMarkOf(*largest, 1, 2));
    EXPECT_FALSE(largest->FrameDots.mayHoldLitDots(1)) << "a dark frame over the whole plane leaves it clean";
    largest->FrameDots.set(2, 9, 9, 1); // beyond the list, as a longer project left it
    ASSERT_EQ(InsertFrame(*largest), ListOutcome::Done);
    EXPECT_EQ(largest->FrameDots.at(0, 9, 9), 0) << "the inserted frame is dark";
    EXPECT_TRUE(HasMarkOf(*largest, 2, 2));
}

} // namespace
