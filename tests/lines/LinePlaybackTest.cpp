#include "lines/LinePlayback.h"

#include <gtest/gtest.h>

namespace {

FrameLine LineWithTimes(int number, const QStringList &times)
{
    FrameLine line;
    line.number = number;
    line.firstRow = 4;
    line.frameCount = static_cast<int>(times.size());
    line.timeTexts = times;
    return line;
}

TEST(LinePlayback, FramesFollowInOrderForTheirTimesRoundAndRound)
{
    const LinePlayback play(LineWithTimes(3, {"1", "2", "3"}));
    const std::vector<std::pair<qint64, int>> shownAt = {{0, 0},    {999, 0},  {1000, 1},
                                                         {2999, 1}, {3000, 2}, {5999, 2},
                                                         {6000, 0}, {7000, 1}, {6 * 1000 * 1000 + 3500, 2}};
    for (const auto &[elapsed, frame] : shownAt) {
        EXPECT_EQ(play.frameAt(elapsed), frame) << elapsed << " ms";
    }
    EXPECT_EQ(play.msUntilChange(0), 1000);
    EXPECT_EQ(play.msUntilChange(1500), 1500);
    EXPECT_EQ(play.msUntilChange(5999), 1);
    EXPECT_EQ(play.msUntilChange(6000), 1000) << "the second round starts over";
    EXPECT_EQ(play.statusText(1), "Line 003  frame 2/3  2 s");
}

TEST(LinePlayback, AFrameWithoutATimeTheSignTakesShowsForAMomentAndSaysWhy)
{
    const LinePlayback play(LineWithTimes(12, {"2", "", "0", "300", "abc", "-1", "255"}));
    EXPECT_EQ(play.frameAt(2000), 1);
    EXPECT_EQ(play.msUntilChange(2000), LinePlayback::UntimedFrameMs);
    EXPECT_EQ(play.frameAt(2000 + 4 * LinePlayback::UntimedFrameMs), 5);
    EXPECT_EQ(play.frameAt(2000 + 5 * LinePlayback::UntimedFrameMs), 6);
    EXPECT_EQ(play.msUntilChange(2000 + 5 * LinePlayback::UntimedFrameMs), 255 * 1000);

    EXPECT_EQ(play.statusText(1), "Line 012  frame 2/7  frame 2 has no time");
    EXPECT_EQ(play.statusText(2), "Line 012  frame 3/7  frame 3 has no time");
    EXPECT_EQ(play.statusText(3), "Line 012  frame 4/7  frame 4 time \"300\" is not 1 to 255 s");
    EXPECT_EQ(play.statusText(4), "Line 012  frame 5/7  frame 5 time \"abc\" is not 1 to 255 s");
    EXPECT_FALSE(FrameSeconds(play.line(), 5));
    EXPECT_EQ(FrameSeconds(play.line(), 6), 255);
}

TEST(LinePlayback, AOneFrameLineSimplyStaysWhateverItsTime)
{
    const LinePlayback play(LineWithTimes(4, {"0"}));
    EXPECT_EQ(play.frameAt(0), 0);
    EXPECT_EQ(play.frameAt(1000 * 1000), 0);
    EXPECT_FALSE(play.msUntilChange(0));
    EXPECT_EQ(play.statusText(0), "Line 004  frame 1/1");
}

} // namespace
