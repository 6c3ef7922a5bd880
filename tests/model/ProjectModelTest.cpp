#include "model/ProjectModel.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

class StartupProjectTest : public ::testing::Test {
protected:
    void SetUp() override { ApplyStartupProject(model); }
    ProjectModel model;
};

TEST_F(StartupProjectTest, IsEightModulesOf24DotsWithModulesFourAndFiveRed)
{
    EXPECT_EQ(model.LedNumber, 8);
    EXPECT_EQ(model.LedWidthDot, 24);
    EXPECT_EQ(model.WidthDot, 192);
    EXPECT_EQ(model.HeightDot, 24);
    EXPECT_EQ(model.dotColor(71, 0), LedColorValue::Yellow);
    EXPECT_EQ(model.dotColor(72, 0), LedColorValue::Red);
    EXPECT_EQ(model.dotColor(119, 23), LedColorValue::Red);
    EXPECT_EQ(model.dotColor(120, 23), LedColorValue::Yellow);
    EXPECT_EQ(model.dotColor(0, 0), LedColorValue::Yellow);
    EXPECT_EQ(model.dotColor(191, 23), LedColorValue::Yellow);
    // Outside the sign nothing was filled.
    EXPECT_EQ(model.dotColor(192, 0), 0u);
    EXPECT_EQ(model.dotColor(0, 24), 0u);
}

TEST_F(StartupProjectTest, HasOneFrameReading001InTheFirstThreeColumns)
{
    EXPECT_EQ(model.FrameCount, 1);
    ASSERT_EQ(model.Cells.rowCount(), 2);
    const RowCells headings = {"No.", "Line", "Download Board Number", "Change", "Time"};
    EXPECT_EQ(model.Cells.row(0), headings);
    const RowCells first = {"001", "001", "001", "", ""};
    EXPECT_EQ(model.Cells.row(1), first);
    EXPECT_EQ(model.SelCol, 2);
    EXPECT_EQ(model.SelRow, 1);
    EXPECT_EQ(model.CurFrame, 0);
}

TEST_F(StartupProjectTest, ViewIsRadiusTwoWithPitchFive)
{
    EXPECT_EQ(model.View.DotRadius, 2);
    EXPECT_EQ(model.View.DotGap, 1);
    EXPECT_EQ(model.View.ViewWidth, 960);
    EXPECT_EQ(model.View.ViewHeight, 120);
    EXPECT_FALSE(model.Tools.PlaceMode);
    EXPECT_EQ(model.Text.EditZoom, 12);
}

TEST(FillDotColorTest, KeepsEntriesOfUnknownCodesAndPositionsOutsideTheSign)
{
    ProjectModel model;
    model.LedNumber = 3;
    model.LedWidthDot = 16;
    model.WidthDot = 48;
    model.HeightDot = 16;
    model.setDotColor(20, 5, 0x123456);
    model.setDotColor(48, 0, 0x654321);
    model.LedColor = {2, 9, 4};
    FillDotColor(model);
    EXPECT_EQ(model.dotColor(15, 15), LedColorValue::Green);
    EXPECT_EQ(model.dotColor(20, 5), 0x123456u) << "code 9 names no colour";
    EXPECT_EQ(model.dotColor(32, 0), LedColorValue::White);
    EXPECT_EQ(model.dotColor(48, 0), 0x654321u);
}

TEST(LedColorsTest, ConvertsTheSignsColourLayoutToQt)
{
    EXPECT_EQ(QtColorOf(LedColorValue::Red), qRgb(255, 0, 0));
    EXPECT_EQ(QtColorOf(LedColorValue::Yellow), qRgb(255, 128, 0));
    EXPECT_EQ(QtColorOf(LedColorValue::Blue), qRgb(0, 0, 255));
    EXPECT_EQ(QtColorOf(LedColorValue::Floating), qRgb(64, 255, 64));
    EXPECT_EQ(QtColorOf(LedColorValue::GridLine), qRgb(255, 255, 0));
    EXPECT_FALSE(ColorValueOfCode(5).has_value());
    EXPECT_FALSE(ColorValueOfCode(-1).has_value());
}

// Builds a list of the given Change flags (one per frame) and returns the "Line" column, rows 1..n.
QStringList LinesFor(const std::vector<int> &flags)
{
    ProjectModel model;
    ResetFrameListToOneFrame(model);
    model.FrameCount = static_cast<int>(flags.size());
    model.Cells.setRowCount(model.FrameCount + 1);
    for (std::size_t f = 0; f < flags.size(); ++f) {
        model.ChangeFlag[f] = static_cast<std::uint8_t>(flags[f]);
        model.Cells.setCell(ColLine, static_cast<int>(f) + 1, QStringLiteral("stale"));
    }
    RenumberLines(model);
    QStringList lines;
    for (int row = 1; row <= model.FrameCount; ++row) {
        lines << model.Cells.cell(ColLine, row);
    }
    return lines;
}

TEST(RenumberLinesTest, NumbersLinesAndLeavesContinuationFramesEmpty)
{
    EXPECT_EQ(LinesFor({0}), QStringList({"001"}));
    EXPECT_EQ(LinesFor({0, 0, 0}), QStringList({"001", "002", "003"}));
    EXPECT_EQ(LinesFor({1, 0}), QStringList({"001", ""}));
    EXPECT_EQ(LinesFor({1, 1, 0}), QStringList({"001", "", ""}));
    EXPECT_EQ(LinesFor({0, 1, 0, 0, 1, 0}), QStringList({"001", "002", "", "003", "004", ""}));
}

TEST(RenumberLinesTest, FirstRowReads001WhateverItsMark)
{
    EXPECT_EQ(LinesFor({1, 1, 1, 0}).first(), "001");
    EXPECT_EQ(LinesFor({0, 1}).first(), "001");
}

TEST(RenumberLinesTest, AnEmptyListHasNothingToNumber)
{
    ProjectModel model;
    ResetFrameListToOneFrame(model);
    model.FrameCount = 0;
    model.Cells.setRowCount(1);
    RenumberLines(model);
    EXPECT_EQ(model.Cells.rowCount(), 1);
}

TEST(Format000Test, PadsToAtLeastThreeDigits)
{
    EXPECT_EQ(Format000(1), "001");
    EXPECT_EQ(Format000(42), "042");
    EXPECT_EQ(Format000(500), "500");
    EXPECT_EQ(Format000(1234), "1234");
}

TEST(FontSizeTablesTest, FollowTheScreensLogicalResolution)
{
    TextSettings text;
    FillFontSizeTables(text, 96);
    EXPECT_EQ(text.ChineseFontSize, (std::array<int, 5>{13, 19, 26, 40, 0}));
    EXPECT_EQ(text.EnglishFontSize, (std::array<int, 5>{8, 17, 26, 35, 0}));
    EXPECT_EQ(text.NumberFontSize, (std::array<int, 5>{18, 27, 36, 52, 0}));
    FillFontSizeTables(text, 120);
    EXPECT_EQ(text.ChineseFontSize, (std::array<int, 5>{11, 15, 21, 32, 0}));
    EXPECT_EQ(text.EnglishFontSize, (std::array<int, 5>{6, 14, 21, 28, 0}));
    EXPECT_EQ(text.NumberFontSize, (std::array<int, 5>{14, 21, 28, 42, 0}));
}

} // namespace
