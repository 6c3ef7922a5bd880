#include "model/ProjectModel.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameStoreTest, StartsDarkAndUntouched)
{
    FrameStore frames;
    EXPECT_FALSE(frames.mayHoldLitDots(0));
    EXPECT_FALSE(frames.mayHoldLitDots(MaxFrames - 1));
    EXPECT_EQ(frames.at(MaxFrames - 1, MaxWidthDot - 1, MaxHeightDot - 1), 0);
}

TEST(FrameStoreTest, ClearingASlotDarkensAllOfItIncludingDotsBeyondTheSign)
{
    FrameStore frames;
    frames.set(7, 0, 0, 1);
    frames.set(7, 1023, 255, 1);
    frames.set(8, 3, 4, 1);
    ASSERT_TRUE(frames.mayHoldLitDots(7));
    frames.clearSlot(7);
    EXPECT_EQ(frames.at(7, 0, 0), 0);
    EXPECT_EQ(frames.at(7, 1023, 255), 0);
    EXPECT_FALSE(frames.mayHoldLitDots(7));
    EXPECT_EQ(frames.at(8, 3, 4), 1) << "the neighbouring slot is not touched";
}

TEST(FrameStoreTest, DotsAreStoredColumnByColumn)
{
    FrameStore frames;
    frames.set(2, 1, 0, 1);
    EXPECT_EQ(frames.frame(2)[256], 1) << "column 1 starts after the 256 row bytes of column 0";
    EXPECT_EQ(DotIndex(3, 5), 3u * 256u + 5u);
}

TEST(ClearFrameSlotTest, DarkensTheDotsAndClearsTheChangeFlag)
{
    ProjectModel model;
    model.FrameDots.set(4, 10, 10, 1);
    model.ChangeFlag[4] = 1;
    ClearFrameSlot(model, 4);
    EXPECT_EQ(model.FrameDots.at(4, 10, 10), 0);
    EXPECT_EQ(model.ChangeFlag[4], 0);
}

TEST(StartupFramesTest, ClearsFramesOfAnEarlierProjectAndLeavesUnusedOnesUntouched)
{
    ProjectModel model;
    model.FrameDots.set(499, 100, 100, 1);
    ApplyStartupProject(model);
    EXPECT_EQ(model.FrameDots.at(499, 100, 100), 0);
    for (int f = 0; f < MaxFrames; ++f) {
        ASSERT_FALSE(model.FrameDots.mayHoldLitDots(f)) << "frame " << f;
    }
}

TEST(DotPlaneTest, ClearsOnlyItsWindowCutAtThePlanesEdges)
{
    DotPlane plane;
    plane.set(5, 5, 1);
    plane.set(20, 3, 1);
    plane.set(1023, 255, 1);
    plane.clearWindow(10, 10);
    EXPECT_EQ(plane.at(5, 5), 0);
    EXPECT_EQ(plane.at(20, 3), 1);
    plane.clearWindow(1040, 272);
    EXPECT_EQ(plane.at(1023, 255), 0);
    EXPECT_EQ(plane.atOrDark(-1, 0), 0);
    EXPECT_EQ(plane.atOrDark(1024, 0), 0);
}

} // namespace
