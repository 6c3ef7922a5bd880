#include "support/GeneratedFonts.h"
#include "support/TwoTonePictures.h"

#include <QFile>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

class BuildCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char *name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
};

TEST_F(BuildCommand, BuildsASpreadsheetsTableIntoTheProjectItDescribes)
{
    WriteChineseFont(dir.path(), QStringLiteral("TS2416.BIN"));
    write("routes.csv", "\xEF\xBB\xBF"
                        "text,font,board,time\r\n"
                        "\xE4\xB8\xAD,16(TS),12,4\r\n"
                        "\"Say, \"\"hi\"\"\",,12,4\r\n"
                        "Depot,,7,\r\n");
    const CliRun built =
        RunCli({"build", "routes.csv", "-o", "routes.nkv", "--number", "4", "--font-dir", "."}, dir.path());
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_EQ(built.err, "");
    EXPECT_EQ(RunCli({"info", path("routes.nkv")}).out,
              "WidthDot 64\nHeightDot 16\nLedWidthDot 16\nLedNumber 4\nLedColor 0 0 0 1\n"
              "No.\tLine\tDownload Board Number\tChange\tTime\n"
              "001\t001\t12\tV\t4\n"
              "002\t\t12\t\t4\n"
              "003\t002\t7\t\t\n");
    // The glyph's 16-dot cell is centred on the 64 columns whatever it lights (glyph 67 + y lights only
    // its columns 9 to 15), so it starts at column 24.
    const QStringList rows = RunCli({"dots", path("routes.nkv"), "--frame", "1"}).outLines();
    ASSERT_EQ(rows.size(), 16);
    for (int y = 0; y < 16; ++y) {
        std::uint32_t value = 0;
        for (int x = 24; x < 40; ++x) {
            value = (value << 1) | (rows[y][x] == QLatin1Char('#') ? 1u : 0u);
        }
        EXPECT_EQ(value, 67u + y);
    }

    const CliRun like = RunCli({"build", "routes.csv", "-o", "like.nkv", "--like", "routes.nkv"}, dir.path());
    EXPECT_EQ(like.exitCode, 0) << like.err.toStdString();
    EXPECT_EQ(RunCli({"info", path("like.nkv")}).out, RunCli({"info", path("routes.nkv")}).out);
}

TEST_F(BuildCommand, AFaultyRowLeavesTheOutputAsItWas)
{
    write("old.nkv", "kept");
    // Values, font files and pictures are all checked in one pass, every faulty row named in row order.
    WriteChineseFont(dir.path(), QStringLiteral("STDFONT.24"), 1000);
    write("faulty.csv", "board,text,picture,font\n"
                        "1,\xE4\xB8\xAD,,24(\xE6\x98\x8E\xE9\xAB\x94)\n"
                        "1,B,nowhere.bmp,\n"
                        "70000,C,gone.bmp,\n"
                        "2,,,24(\xE6\x98\x8E\xE9\xAB\x94)\n");
    const CliRun failed = RunCli({"build", "faulty.csv", "-o", "old.nkv", "--font-dir", "."}, dir.path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.errLines(),
              (QStringList{QStringLiteral("faulty.csv:2: font 24(明體): STDFONT.24 is 1000 bytes, shorter than "
                                          "the 942768 bytes its glyphs need"),
                           QStringLiteral("faulty.csv:3: Cannot open file %1").arg(path("nowhere.bmp")),
                           "faulty.csv:4: board must be a whole number from 0 to 65535, not '70000'",
                           QStringLiteral("faulty.csv:4: Cannot open file %1").arg(path("gone.bmp"))}));
    QFile old(path("old.nkv"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "kept");
    EXPECT_EQ(RunCli({"build", "faulty.csv", "-o", "x.nkv", "--like", "old.nkv", "--number", "2"}, dir.path())
                  .exitCode,
              1);

    // A project written over the table, or over a picture the table names, would destroy its source.
    TwoTonePicture(16, 16, [](int x, int) { return x < 8; }).save(path("badge.bmp"));
    write("sound.csv", "board,picture\n1,\n2,badge.bmp\n");
    for (const char *out : {"sound.csv", "./badge.bmp"}) {
        const CliRun over = RunCli({"build", "sound.csv", "-o", out}, dir.path());
        EXPECT_EQ(over.exitCode, 1);
        EXPECT_EQ(over.errLines().size(), 1) << over.err.toStdString();
        EXPECT_TRUE(over.err.contains("name the output '.nkv'")) << over.err.toStdString();
    }
    QFile table(path("sound.csv"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll(), "board,picture\n1,\n2,badge.bmp\n");
}

TEST_F(BuildCommand, TheDocumentedExampleBuildsWithoutCuts)
{
    WriteChineseFont(dir.path(), QStringLiteral("STDFONT.24"));
    const CliRun built =
        RunCli({"build", QStringLiteral(VELMORA_EXAMPLES "/routes.csv"), "-o", path("routes.nkv"), "--type",
                "24 X 32", "--number", "8", "--font-dir", dir.path()});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_EQ(built.err, "");
    const QStringList info = RunCli({"info", path("routes.nkv")}).outLines();
    EXPECT_EQ(info.mid(6),
              (QStringList{"001\t001\t101\t\t", "002\t002\t12\tV\t4", "003\t\t12\t\t4", "004\t003\t7\t\t"}));
    // The badge's ring touches the left edge on its middle rows.
    const QStringList rows = RunCli({"dots", path("routes.nkv"), "--frame", "2"}).outLines();
    ASSERT_EQ(rows.size(), 32);
    EXPECT_EQ(rows[15].left(2), "##");
}

} // namespace
