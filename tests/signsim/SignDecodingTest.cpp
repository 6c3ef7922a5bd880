#include "signsim/LoopbackSign.h"
#include "signsim/ReceivedLineFiles.h"

#include "download/DownloadProtocol.h"
#include "download/ScriptedSign.h"
#include "lines/FrameLines.h"
#include "support/ProjectFileSamples.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every line the sign received carries the project's numbers and, dot for dot, its frames as far as
// whole packets carried them; dots past the last whole packet never arrived.
void ExpectSignHolds(const ProjectModel &model, const std::vector<ReceivedLine> &received, int firstLine)
{
    for (std::size_t i = 0; i < received.size(); ++i) {
        const ReceivedLine &line = received[i];
        const FrameLine sent = *FindLine(model, firstLine + static_cast<int>(i));
        ASSERT_EQ(line.height, model.HeightDot % 256);
        ASSERT_EQ(line.width, model.WidthDot);
        EXPECT_EQ(line.board, sent.boardText.toInt());
        ASSERT_EQ(line.frameCount, sent.frameCount);
        EXPECT_TRUE(line.complete());
        for (std::size_t t = 0; t < line.times.size(); ++t) {
            EXPECT_EQ(line.times[t], sent.timeTexts[static_cast<int>(t)].toInt());
        }
        int missing = 0;
        for (int frame = 0; frame < line.frameCount; ++frame) {
            for (int x = 0; x < model.WidthDot; ++x) {
                for (int y = 0; y < model.HeightDot; ++y) {
                    if (!line.dotArrived(frame, x, y)) {
                        ++missing;
                    } else if (line.dot(frame, x, y) !=
                               (model.FrameDots.at(sent.firstRow - 1 + frame, x, y) != 0)) {
                        FAIL() << "line " << firstLine + i << " frame " << frame << " dot " << x << "," << y;
                    }
                }
            }
        }
        const int bytes = line.frameCount * model.WidthDot * model.HeightDot / 8;
        EXPECT_EQ(missing, bytes % 32 * 8);
    }
}

TEST(SignDecodingTest, TheSignReceivesEveryLineDotForDot)
{
    std::mt19937 random(7);
    int downloads = 0;
    while (downloads < 8) {
        ProjectModel model;
        FillRandomProject(model, random, 6, 6);
        if (model.FrameCount == 0 || model.WidthDot > 255) {
            continue;
        }
        for (int row = 1; row <= model.FrameCount; ++row) {
            if (model.Cells.cell(ColTime, row).isEmpty()) {
                model.Cells.setCell(ColTime, row, QStringLiteral("4"));
            }
        }
        const DownloadPlan plan = PlanDownload(model, DownloadVariant::Full, 0);
        ASSERT_TRUE(plan.refusal.isEmpty());
        LoopbackSign port({model.LedWidthDot, false});
        VirtualPace pace;
        ASSERT_EQ(RunDownload(model, plan, DownloadVariant::Full, port, 1, pace), DownloadOutcome::Done);
        ASSERT_EQ(port.lines.size(), plan.lines.size());
        ExpectSignHolds(model, port.lines, 1);
        ++downloads;
    }
}

TEST(SignDecodingTest, SingleLinePacketsAreFiledPastTheirOneByteNumber)
{
    // Fifteen frames of the start-up sign are 270 packets: numbers wrap after 255.
    ProjectModel model;
    ApplyStartupProject(model);
    for (int f = 0; f < 15; ++f) {
        model.ChangeFlag[f] = f < 14 ? 1 : 0;
        model.Cells.setRowCount(f + 2);
        model.Cells.setCell(ColTime, f + 1, QString::number(f + 1));
        model.Cells.setCell(ColBoard, f + 1, QStringLiteral("12"));
        for (int x = 0; x < model.WidthDot; ++x) {
            model.FrameDots.set(f, x, (x / 3 + 5 * f) % model.HeightDot, 1);
        }
    }
    model.FrameCount = 15;
    RenumberLines(model);
    const DownloadPlan plan = PlanDownload(model, DownloadVariant::SingleLine, 1);
    // A sign whose replies to a few packets are lost gets those packets again and files them once.
    ReplyFaults faults;
    faults.dropped = {5, 260, 261};
    LoopbackSign port({24, true}, faults);
    VirtualPace pace;
    ASSERT_EQ(RunDownload(model, plan, DownloadVariant::SingleLine, port, 1, pace), DownloadOutcome::Done);
    ASSERT_EQ(port.lines.size(), 1u);
    EXPECT_EQ(port.lines[0].expectedPackets, 270);
    EXPECT_EQ(port.packets, 1 + 270 + 3 + 1);
    ExpectSignHolds(model, port.lines, 1);

    // One that never answers packet 7, however often it comes, fails the download after its 101 sendings.
    faults = {};
    faults.ignoredData = {7};
    LoopbackSign deaf({24, true}, faults);
    EXPECT_EQ(RunDownload(model, plan, DownloadVariant::SingleLine, deaf, 1, pace),
              DownloadOutcome::NotAnswered);
    EXPECT_EQ(deaf.packets, 1 + 6 + 101);
}

TEST(SignDecodingTest, ASignOverTwoHundredFiftyFiveDotsWideNeedsToKnowItsWidth)
{
    // 16 modules of 32 x 48: the header's width byte reads 0.
    ProjectModel model;
    ApplyStartupProject(model);
    model.LedNumber = 16;
    model.LedWidthDot = 32;
    model.WidthDot = 512;
    model.HeightDot = 48;
    for (int x = 0; x < model.WidthDot; ++x) {
        model.FrameDots.set(0, x, (x * 7) % model.HeightDot, 1);
    }
    const DownloadPlan plan = PlanDownload(model, DownloadVariant::Full, 0);
    VirtualPace pace;
    LoopbackSign unknowing({32, false});
    EXPECT_EQ(RunDownload(model, plan, DownloadVariant::Full, unknowing, 1, pace),
              DownloadOutcome::NotAnswered);
    LoopbackSign knowing({32, false, 512});
    ASSERT_EQ(RunDownload(model, plan, DownloadVariant::Full, knowing, 1, pace), DownloadOutcome::Done);
    ASSERT_EQ(knowing.lines.size(), 1u);
    ExpectSignHolds(model, knowing.lines, 1);
}

// A header alone can announce 255 frames of a sign 1024 dots wide: its picture is drawn at fewer pixels a
// dot, or not at all, rather than asking for gigabytes.
TEST(SignDecodingTest, ALineTooLargeForFourPixelsADotIsDrawnSmallerOrNotAtAll)
{
    const auto headerOnly = [](SignConfig config, int frames) {
        std::vector<std::uint8_t> header = {'H', 248, static_cast<std::uint8_t>(config.width & 0xFF),
                                            0,   7,   static_cast<std::uint8_t>(frames)};
        header.insert(header.end(), static_cast<std::size_t>(frames), 1);
        header.push_back(0xFE);
        header.push_back('E');
        header.insert(header.end(), 34, 0xAA);
        header.push_back(0xFE);
        LoopbackSign port(config);
        port.sign.receive(header.data(), header.size());
        EXPECT_EQ(port.sign.linesReceived(), 1);
        return port.lines.at(0);
    };
    const ReceivedLine twenty = headerOnly({24, false, 240}, 20);
    EXPECT_EQ(ReceivedLinePicture(twenty).size(), QSize(240 * 2, 20 * (248 + 2) * 2));
    const ReceivedLine widest = headerOnly({32, false, 1024}, 66);
    EXPECT_TRUE(ReceivedLinePicture(widest).isNull());
    QTemporaryDir folder;
    EXPECT_EQ(WriteReceivedLine(folder.path(), 1, widest),
              "line 1's 66 frame(s) of 1024 x 248 dots are too many to draw; only line-001.txt is written");
    // Every frame's rows are written, each dot a '?' for the packet that never came.
    qint64 textSize = ReceivedLineHeaderText(widest).size();
    for (int frame = 1; frame <= 66; ++frame) {
        textSize += QStringLiteral("frame %1\n").arg(frame).size() + 248 * (1024 + 1);
    }
    EXPECT_EQ(QFileInfo(folder.filePath(QStringLiteral("line-001.txt"))).size(), textSize);
}

} // namespace
