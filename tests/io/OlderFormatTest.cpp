#include "io/OlderFormatReader.h"
#include "support/ProjectFileSamples.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

CheckedProjectFile Read(const QByteArray &text, bool appending = false)
{
    return ReadFromBytes(&ReadOlderFormat, text, {QStringLiteral("t.kvf"), appending, 0});
}

// A 2 x 2 sign of one frame whose board words are `board`, then `rest`.
QByteArray OneFrame(const QByteArray &board, const QByteArray &rest = "new 1 3 4")
{
    return "2 2 1\n" + board + " 1 7\n1 0 0 1\n" + rest;
}

TEST(OlderFormat, ReadsBoardWordsMarksTimesDotsAndTheTrailer)
{
    const CheckedProjectFile read =
        Read("2\t2 2\r\n12 34  end 1 7 1 0 0 1\n0012 end 0 0 0 0 0 1 new 1 3 4\n");
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    ASSERT_EQ(read.file.frames.size(), 2u);
    const FileFrame &first = read.file.frames[0];
    EXPECT_EQ(first.board, "12 34") << "further words joined by one space";
    EXPECT_TRUE(first.change);
    EXPECT_EQ(first.time, "7");
    EXPECT_EQ(first.dots, (std::vector<std::uint8_t>{0x1, 0x2})) << "column by column, from row 0";
    const FileFrame &second = read.file.frames[1];
    EXPECT_EQ(second.board, "0012") << "words are taken as they are";
    EXPECT_FALSE(second.change);
    EXPECT_EQ(second.time, "");
    EXPECT_EQ(second.dots, (std::vector<std::uint8_t>{0x0, 0x2}));
    EXPECT_EQ(read.file.modules->LedWidthDot, 1);
    EXPECT_EQ(read.file.modules->LedColor, (std::vector<int>{3, 4}));
}

TEST(OlderFormat, AFirstWordEndIsTheBoardText)
{
    const CheckedProjectFile read = Read(OneFrame("end"));
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_EQ(read.file.frames[0].board, "end");
}

TEST(OlderFormat, TheTrailerIsThereOnlyAfterTheWordNew)
{
    for (const QByteArray &rest : {QByteArray(""), QByteArray("old 1 3 4"), QByteArray("NEW 1 3 4")}) {
        const CheckedProjectFile read = Read(OneFrame("1 end", rest));
        ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
        EXPECT_FALSE(read.file.modules) << rest.constData();
    }
}

TEST(OlderFormat, EndMustComeWithin254FurtherWords)
{
    const auto board = [](int furtherWords, const QByteArray &last) {
        QByteArray words = "1";
        for (int i = 1; i < furtherWords; ++i) {
            words += " w";
        }
        return words + ' ' + last;
    };
    EXPECT_TRUE(Read(OneFrame(board(254, "end"))).result.ok());
    EXPECT_EQ(Read(OneFrame(board(255, "end"))).result.message(),
              "Open File Failed!!The Data of File Error!!");
    EXPECT_EQ(Read(OneFrame(board(300, "end"))).result.message(),
              "Open File Failed!!The Data of File Error!!");
    EXPECT_EQ(Read(OneFrame(board(255, "end")), true).result.message(), "File Format Error!");
}

TEST(OlderFormat, BoardWordsAreCodePage950)
{
    // 0xA4 0xA4 is 中; 0xFF is no character of the code page and must not stop the reading.
    const CheckedProjectFile read = Read(OneFrame("\xA4\xA4 A\xFF end"));
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_EQ(read.file.frames[0].board, QString::fromUtf8("中 A\xEF\xBF\xBD"));
}

TEST(OlderFormat, DamagedFilesAreRefusedWithWhatAndWhichToken)
{
    const QByteArray longWord(256, 'x');
    const struct {
        QByteArray text;
        const char *message;
    } cases[] = {
        {"0 2 1", "Cannot load 't.kvf': the width is 0 dots, but a sign is 1 to 1024 dots wide (token 1)."},
        {"2 257 1", "the height is 257 dots, but a sign is 1 to 256 dots high (token 2)"},
        {"2 2 -1", "the frame count is -1 (token 3)"},
        {"2 2 501", "it holds 501 frames"},
        {"2 x 1", "the height is 'x', not an integer (token 2)"},
        {"2 2 99999999999", "the frame count is '99999999999', not an integer"},
        {"2 " + QByteArray(30, 'y') + "\x01", "the height is 'yyyyyyyyyyyyyyyyyyyy...', not an integer"},
        {"2 2 1 1 end 1 7 1 0 0 1.0", "the dots of frame 1 is '1.0', not an integer (token 11)"},
        {"2 2 1 1 end 1 7 1 0", "the file ends before the dots of frame 1 (after token 9)"},
        {"2 2 1 1 w w", "the file ends before the board number of frame 1 (after token 6)"},
        {"2 2 1 " + longWord + " end",
         "the board number of frame 1 is a word longer than 255 characters (token 4)"},
        {OneFrame("1 end", "new 0"),
         "the module width is 0 dots, but a module of the 2-dot sign is 1 to 2 dots wide (token 13)"},
        {"60 1 0 new 1", "a module width of 1 dots makes 60 modules of the 60-dot sign, more than 50"},
        {OneFrame("1 end", "new 1 3"), "the file ends before the colour of module 2 (after token 14)"},
    };
    for (const auto &c : cases) {
        const CheckedProjectFile read = Read(c.text);
        EXPECT_EQ(read.result.outcome(), FileOutcome::Failed) << c.message;
        EXPECT_TRUE(read.result.message().contains(QLatin1String(c.message)))
            << read.result.message().toStdString();
    }
}

TEST(OlderFormat, ModuleDataTheCurrentFormatCannotStoreIsRefused)
{
    const struct {
        QByteArray trailer;
        const char *message;
    } cases[] = {
        {"new 2147483647", "the module width is 2147483647 dots"},
        {"new 3", "the module width is 3 dots, but a module of the 2-dot sign is 1 to 2 dots wide"},
        {"new 1 153391689 4", "the colour code 153391689 of module 1 does not fit"},
        {"new 1 3 -2147483648", "the colour code -2147483648 of module 2 does not fit"},
    };
    for (const auto &c : cases) {
        const CheckedProjectFile read = Read(OneFrame("1 end", c.trailer));
        EXPECT_TRUE(read.result.message().contains(QLatin1String(c.message)))
            << read.result.message().toStdString();
    }
    const CheckedProjectFile widest = Read(OneFrame("1 end", "new 1 153391688 -153391689"));
    ASSERT_TRUE(widest.result.ok()) << widest.result.message().toStdString();
    EXPECT_EQ(widest.file.modules->LedColor, (std::vector<int>{153391688, -153391689}));
}

TEST(OlderFormat, AppendingIgnoresWhateverFollowsTheFrames)
{
    const CheckedProjectFile read = Read(OneFrame("1 end", "new 0"), true);
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_FALSE(read.file.modules);
}

} // namespace
