#include "io/CurrentFormatReader.h"
#include "io/ProjectTransfer.h"
#include "support/ProjectFileSamples.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

CheckedProjectFile Read(const QByteArray &bytes, const ReadRequest &request = {QStringLiteral("t.nkv")})
{
    return ReadFromBytes(&ReadCurrentFormat, bytes, request);
}

std::int32_t WordAt(const QByteArray &bytes, int index)
{
    std::int32_t word = 0;
    std::memcpy(&word, bytes.constData() + 4 * index, 4);
    return word;
}

TEST(CurrentFormat, TheStartUpSignWithOneFrameIsTheWorkedSize)
{
    ProjectModel model;
    ApplyStartupProject(model);
    model.FrameDots.set(0, 0, 0, 1);
    model.FrameDots.set(0, 1, 23, 1);
    const QByteArray bytes = SavedBytes(model);
    ASSERT_EQ(bytes.size(), 2364);
    EXPECT_EQ(WordAt(bytes, 0), 585);
    EXPECT_EQ(WordAt(bytes, 1), 17);
    EXPECT_EQ(WordAt(bytes, 2), 36868);
    EXPECT_EQ(WordAt(bytes, 3), 1) << "board \"001\" is saved as 1";
    EXPECT_EQ(WordAt(bytes, 4), 0);
    EXPECT_EQ(WordAt(bytes, 5), 0) << "an empty time is 0";
    EXPECT_EQ(bytes.mid(24, 24), Words({1, 0, 0, 0, 0, 128})) << "columns 0 and 1";
    const int trailer = 3 + 3 + 192 * 3;
    EXPECT_EQ(WordAt(bytes, trailer), 182);
    EXPECT_EQ(bytes.mid(4 * (trailer + 1)), Words({7, 7, 7, 21, 21, 7, 7, 7}));
}

TEST(CurrentFormat, ColourCodesAndCellsAreEncodedAsTheFormatSays)
{
    ProjectModel model;
    ApplyStartupProject(model);
    model.LedColor = {0, 1, 2, 3, 4, 0, 0, 0};
    model.ChangeFlag[0] = 1;
    model.Cells.setCell(ColBoard, 1, QStringLiteral("-0042"));
    model.Cells.setCell(ColTime, 1, QStringLiteral("007"));
    const QByteArray bytes = SavedBytes(model);
    EXPECT_EQ(bytes.mid(12, 12), Words({-42, 1, 7}));
    EXPECT_EQ(bytes.right(32), Words({7, 21, 35, 49, 63, 7, 7, 7}));
}

TEST(CurrentFormat, DotWordsDecodeByHalvingSoNegativeWordsAreDarkAndHighBitsIgnored)
{
    // One frame of 3 x 12 dots: two words per column; a module of 3 dots.
    QByteArray bytes = Words({12 * 12 + 9, 1 * 1 + 16, 3 * 3 + 4, 5, 9, 0});
    bytes += Words({-1, 0x1F0, 0x0FFF, 0x80, -128, 0x7FFFFFFF});
    bytes += Words({3 * 7 + 14, 4 * 14 + 7});
    const CheckedProjectFile read = Read(bytes);
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_EQ(read.file.WidthDot, 3);
    EXPECT_EQ(read.file.HeightDot, 12);
    const FileFrame &frame = read.file.frames.at(0);
    EXPECT_EQ(frame.board, "5");
    EXPECT_TRUE(frame.change) << "any word but 0 sets the mark";
    EXPECT_EQ(frame.time, "") << "a time of 0 comes back empty";
    EXPECT_EQ(frame.dots, (std::vector<std::uint8_t>{0, 0xF0, 0xFF, 0x80, 0, 0xFF}));
    EXPECT_EQ(read.file.modules->LedWidthDot, 3);
    EXPECT_EQ(read.file.modules->LedColor, std::vector<int>{4});
}

TEST(CurrentFormat, AFileOfNoFramesIsLegal)
{
    const CheckedProjectFile read = Read(Words({24 * 24 + 9, 16, 24 * 24 + 4, 24 * 7 + 14, 7}));
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_TRUE(read.file.frames.empty());
    EXPECT_EQ(read.file.modules->LedColor.size(), 1u);
}

// Header values the model cannot hold, each with where it lies.
TEST(CurrentFormat, HeadersAndTrailersTheModelCannotHoldAreRefusedWithWhatAndWhere)
{
    const std::int64_t h24 = 24 * 24 + 9;
    const std::int64_t w24 = 24 * 24 + 4;
    const struct {
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {Words({8, 16, w24}), "Cannot load 't.nkv': the height code 8 is below 9 (byte 0)."},
        {Words({h24, 15, w24}), "the frame count code 15 is below 16 (byte 4)"},
        {Words({h24, 16, 3}), "the width code 3 is below 4 (byte 8)"},
        {Words({9, 16, w24}), "the height is 0 dots, but a sign is 1 to 256 dots high (byte 0)"},
        {Words({257 * 257 + 9, 16, w24}), "the height is 257 dots"},
        {Words({h24, 16, 1025 * 1025 + 4}),
         "the width is 1025 dots, but a sign is 1 to 1024 dots wide (byte 8)"},
        {Words({h24, 501 * 501 + 16, w24}),
         "it holds 501 frames, more than the 500 a list can hold (byte 4)"},
        {Words({h24, 16, w24, 14}), "the module width is 0 dots (byte 12)"},
        {Words({h24, 16, 1024 * 1024 + 4, 20 * 7 + 14}),
         "a module width of 20 dots makes 52 modules of the 1024-dot sign, more than 50 (byte 12)"},
        {Words({h24, 16}), "the file ends before its header is complete (byte 8)"},
        {Words({h24, 17, w24, 1, 0, 0}), "the file ends before frame 1 is complete (byte 24)"},
        {Words({h24, 16, w24}), "the file ends before the module width (byte 12)"},
        {Words({h24, 16, w24, 24 * 7 + 14}), "the file ends before all 1 module colours (byte 16)"},
        {Words({std::numeric_limits<std::int32_t>::min(), 16, w24}),
         "the height code -2147483648 is below 9"},
    };
    for (const auto &c : cases) {
        const CheckedProjectFile read = Read(c.bytes);
        EXPECT_EQ(read.result.outcome(), FileOutcome::Failed) << c.message;
        EXPECT_TRUE(read.result.message().contains(QLatin1String(c.message)))
            << read.result.message().toStdString();
    }
}

TEST(CurrentFormat, AppendingCountsTheListsFramesAndNeedsNoTrailer)
{
    const QByteArray twoFrames = Words({1 * 1 + 9, 2 * 2 + 16, 1 * 1 + 4, 1, 0, 0, 1, 2, 0, 0, 0});
    const CheckedProjectFile appended = Read(twoFrames, {QStringLiteral("t.nkv"), true, 498});
    ASSERT_TRUE(appended.result.ok()) << appended.result.message().toStdString();
    EXPECT_FALSE(appended.file.modules);
    const CheckedProjectFile tooMany = Read(twoFrames, {QStringLiteral("t.nkv"), true, 499});
    EXPECT_TRUE(tooMany.result.message().contains(
        QLatin1String("its 2 frames and the 499 in the list make more than the 500 a list can hold")));
}

} // namespace
