#include "download/DownloadPlan.h"
#include "support/LineProjects.h"

#include <gtest/gtest.h>

namespace {

QString RefusalOf(const ProjectModel &model, DownloadVariant variant = DownloadVariant::Full, int line = 1)
{
    return PlanDownload(model, variant, line).refusal;
}

TEST(DownloadPlanTest, EveryNeededCellIsCheckedBeforeAnythingIsSent)
{
    ProjectModel model;
    SetUpLines(model, {1, 2, 1});
    // A one-frame line's time is not sent, so it is not checked either.
    model.Cells.setCell(ColTime, 1, QStringLiteral("soon"));
    const DownloadPlan plan = PlanDownload(model, DownloadVariant::Full, 0);
    ASSERT_TRUE(plan.refusal.isEmpty());
    ASSERT_EQ(plan.lines.size(), 3u);
    EXPECT_EQ(plan.lines[1].board, 2);
    EXPECT_EQ(plan.lines[1].firstSlot, 1);
    EXPECT_EQ(plan.lines[1].times, std::vector<int>({2, 3}));
    EXPECT_TRUE(plan.lines[2].times.empty());

    model.Cells.setCell(ColTime, 3, QStringLiteral("3s"));
    EXPECT_EQ(RefusalOf(model), "'3s' is not a valid integer value");
    // The single-line download checks only its own line.
    EXPECT_TRUE(RefusalOf(model, DownloadVariant::SingleLine, 3).isEmpty());
    model.Cells.setCell(ColTime, 3, QStringLiteral("256"));
    EXPECT_EQ(
        RefusalOf(model),
        "Row 3: the Time 256 is outside 0 .. 255 seconds, the times a sign can be sent. Nothing was sent.");
    model.Cells.setCell(ColTime, 3, QStringLiteral("255"));

    model.Cells.setCell(ColBoard, 4, QString());
    EXPECT_EQ(RefusalOf(model), "'' is not a valid integer value");
    model.Cells.setCell(ColBoard, 4, QStringLiteral("65536"));
    EXPECT_EQ(RefusalOf(model),
              "Row 4: the Download Board Number 65536 is outside 0 .. 65535, the board numbers "
              "a sign can be sent. Nothing was sent.");
    model.Cells.setCell(ColBoard, 4, QStringLiteral("-1"));
    EXPECT_FALSE(RefusalOf(model).isEmpty());
    EXPECT_TRUE(PlanDownload(model, DownloadVariant::Full, 0).lines.empty());
}

TEST(DownloadPlanTest, ALineOfMoreThan255FramesIsRefused)
{
    ProjectModel model;
    SetUpLines(model, {256});
    EXPECT_EQ(RefusalOf(model), "Line 1 (rows 1 .. 256) has 256 frames; a line can be sent with at most 255 "
                                "frames. Nothing was sent.");
    SetUpLines(model, {255});
    EXPECT_TRUE(RefusalOf(model).isEmpty());
}

TEST(DownloadPlanTest, ModulesThatDoNotMakeUpTheSignAreRefused)
{
    ProjectModel model;
    SetUpLines(model, {1});
    // An older file without module data: 200 dots wide, still 8 modules of 24.
    model.WidthDot = 200;
    EXPECT_TRUE(
        RefusalOf(model).startsWith("The sign's modules do not make up its picture: 8 modules of 24 dots "
                                    "are not 200 dots wide"));
    model.WidthDot = 192;
    model.HeightDot = 20;
    EXPECT_FALSE(RefusalOf(model).isEmpty());
}

TEST(DownloadPlanTest, LinesWhoseBytesDoNotFillWholePacketsAreNamed)
{
    ProjectModel model;
    SetUpLines(model, {1, 2, 4});
    EXPECT_TRUE(PlanDownload(model, DownloadVariant::Full, 0).trailingBytesWarning.isEmpty());
    // Five modules of 24 x 24: 360 bytes a frame, 8 past the last whole packet.
    model.LedNumber = 5;
    model.WidthDot = 120;
    EXPECT_EQ(PlanDownload(model, DownloadVariant::Full, 0).trailingBytesWarning,
              "Only whole packets of 32 dot bytes are sent, so the sign will not get\n"
              "line 1: the last 8 of its 360 dot bytes,\nline 2: the last 16 of its 720 dot bytes.");
}

} // namespace
