#include "signsim/LoopbackSign.h"

#include "download/DownloadProtocol.h"
#include "download/ScriptedSign.h"
#include "preview/MatrixRenderer.h"
#include "signshow/ShownSign.h"
#include "support/LineProjects.h"

#include <gtest/gtest.h>

namespace {

// Frame slot `slot` as velmora-cli render draws it: DrawMatrix at radius 2 into a picture of the view's
// size.
QImage RenderedFrame(ProjectModel &model, int slot)
{
    model.CurFrame = slot;
    model.View.DotRadius = 2;
    UpdateViewExtent(model);
    QImage picture(model.View.ViewWidth, model.View.ViewHeight, QImage::Format_RGB32);
    DrawMatrix(picture, model, 0, 0);
    return picture;
}

// A project of a three-frame line (board 1, times 1 2 3) and a one-frame line (board 2) downloaded by the
// editor's own protocol into the simulator's decoder, whose notifications go to the show. The show gets
// the project's module colours (modules 4 and 5 red), so its pictures must be the editor's exactly.
class ShownSignTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpLines(model, {3, 1});
        const auto passOn = port.sign.onPacket;
        port.sign.onPacket = [this, passOn](const ReceivedPacket &packet, const ReceivedLine *line) {
            passOn(packet, line);
            shown.packetArrived(line);
            ++packets;
            if (packets == FirstFrameFilled || packets == FirstFrameFilled + 1) {
                arrivingPictures.push_back(shown.picture(0));
                arrivingStatus << shown.statusText(0);
            }
        };
        const auto keep = port.sign.onLine;
        port.sign.onLine = [this, keep](const ReceivedLine &line) {
            keep(line);
            shown.lineArrived(line, 0);
        };
        const DownloadPlan plan = PlanDownload(model, DownloadVariant::Full, 0);
        ASSERT_TRUE(plan.refusal.isEmpty());
        VirtualPace pace;
        ASSERT_EQ(RunDownload(model, plan, DownloadVariant::Full, port, 1, pace), DownloadOutcome::Done);
    }

    // The header, then 18 packets of 32 bytes fill a 192 x 24 frame.
    static constexpr int FirstFrameFilled = 1 + 18;

    ProjectModel model;
    LoopbackSign port{{24, false}};
    ShownSign shown{{0, 0, 0, 1, 1}};
    int packets = 0;
    std::vector<QImage> arrivingPictures;
    QStringList arrivingStatus;
};

TEST_F(ShownSignTest, ShowsEveryReceivedFrameAsTheEditorDrawsIt)
{
    ASSERT_EQ(shown.boards(), (std::vector<int>{1, 2}));
    EXPECT_EQ(shown.listText(1), "Board 1  3 frame(s)  1 2 3 s");
    // The last line in plays; a one-frame line simply stays.
    EXPECT_EQ(shown.chosenBoard(), 2);
    EXPECT_EQ(shown.picture(0), RenderedFrame(model, 3));
    EXPECT_EQ(shown.msUntilChange(0), std::nullopt);

    // While a line arrives its frames fill in packet by packet.
    ASSERT_EQ(arrivingPictures.size(), 2u);
    EXPECT_EQ(arrivingPictures[0], RenderedFrame(model, 0));
    EXPECT_EQ(arrivingStatus, QStringList({"Board 1 arriving  frame 1/3  18 of 54 packets",
                                           "Board 1 arriving  frame 2/3  19 of 54 packets"}));
    EXPECT_NE(arrivingPictures[1], RenderedFrame(model, 1));

    // A colour the sign was not told of is drawn yellow: the same dots, another rim.
    ShownSign yellow({});
    yellow.lineArrived(port.lines.back(), 0);
    EXPECT_NE(yellow.picture(0), shown.picture(0));
    EXPECT_EQ(yellow.picture(0).size(), shown.picture(0).size());
}

TEST_F(ShownSignTest, TheChosenLineAlternatesItsFramesByTheirTimes)
{
    const qint64 chosenAt = 10'000;
    shown.choose(1, chosenAt);
    const std::vector<std::pair<qint64, int>> frameAt = {{0, 0},    {999, 0},  {1000, 1}, {2999, 1},
                                                         {3000, 2}, {5999, 2}, {6000, 0}, {7500, 1}};
    for (const auto &[elapsed, frame] : frameAt) {
        EXPECT_EQ(shown.frameShown(chosenAt + elapsed), frame) << elapsed;
        EXPECT_EQ(shown.picture(chosenAt + elapsed), RenderedFrame(model, frame)) << elapsed;
    }
    EXPECT_EQ(shown.msUntilChange(chosenAt + 1500), 1500);
    EXPECT_EQ(shown.statusText(chosenAt + 3000), "Board 1  frame 3/3  3 s");
}

// Headers for ever new boards, each announcing a long line, are not all held: the lines in longest go.
TEST(ShownSignMemoryTest, HoldsLinesOnlyUpToItsBoundLettingTheOldestGo)
{
    ShownSign sign({});
    ReceivedLine line;
    line.height = 8;
    line.width = 24;
    line.moduleWidth = 24;
    line.frameCount = 1;
    line.dotBytes.resize(ShownSign::MaxHeldBytes / 4);
    for (int board = 1; board <= 6; ++board) {
        line.board = board;
        sign.lineArrived(line, 0);
    }
    EXPECT_EQ(sign.boards(), (std::vector<int>{4, 5, 6}));
    // A board sent again is in newest: the oldest other one goes.
    line.board = 4;
    sign.lineArrived(line, 0);
    line.board = 7;
    sign.lineArrived(line, 0);
    EXPECT_EQ(sign.boards(), (std::vector<int>{4, 6, 7}));
    EXPECT_EQ(sign.chosenBoard(), 7);
}

} // namespace
