#include "support/GeneratedFonts.h"
#include "support/QtPrinters.h"
#include "support/TwoTonePictures.h"

#include <QFile>
#include <QJsonDocument>
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

    // The front and side signs of one table, as the user guide shows them.
    WriteChineseFont(dir.path(), QStringLiteral("TS-16.15"));
    WriteWholeFontFile(dir.path(), QStringLiteral("Number32.32"));
    for (const char *layout : {"front-192x32.json", "side-128x16.json"}) {
        const CliRun sign = RunCli({"build", QStringLiteral(VELMORA_EXAMPLES "/destinations.csv"), "--layout",
                                    QStringLiteral(VELMORA_EXAMPLES "/") + layout, "-o", path("sign.nkv"),
                                    "--font-dir", dir.path()});
        EXPECT_EQ(sign.exitCode, 0) << layout;
        EXPECT_EQ(sign.err, "") << layout;
    }
}

TEST_F(BuildCommand, LayoutErrorsNameTheLayoutAndTheZoneAndStrictWritesNothing)
{
    WriteChineseFont(dir.path(), QStringLiteral("TS-16.15"));
    write("routes.csv", "board,dest,via\n1,\xE4\xB8\xAD,x\n");
    write("faulty.json", R"json({"zones": [
        {"name": "dest", "x": 0, "y": 0, "width": 200, "height": 16, "font": "16(TS-16)"},
        {"name": "route", "x": 0, "y": 0, "width": 8, "height": 8, "font": "17(TS)"},
        {"name": "Route", "x": 0, "y": 0, "width": 8, "height": 8, "font": "5  X  7"},
        {"name": "time", "x": 0, "y": 0, "width": 8, "height": 8}]})json");
    const QStringList build = {"build", "routes.csv", "-o", "out.nkv", "--font-dir", ".", "--type", "24 X 32"};
    const CliRun faulty = RunCli(build + QStringList{"--layout", "faulty.json"}, dir.path());
    EXPECT_EQ(faulty.exitCode, 1);
    EXPECT_EQ(faulty.errLines(),
              (QStringList{"faulty.json: zone 'route': unknown font entry '17(TS)' (a size selector entry, or 'other')",
                           "faulty.json: zone 'Route': another zone has that name",
                           "faulty.json: zone 'time': 'time' is the table's own column; name the zone otherwise"}));

    write("layout.json", R"json({"sign": {"number": 4},
        "zones": [{"name": "dest", "x": 0, "y": 0, "width": 100, "height": 16, "font": "16(TS-16)"}]})json");
    const CliRun offSign = RunCli(build + QStringList{"--layout", "layout.json"}, dir.path());
    EXPECT_EQ(offSign.errLines(),
              QStringList{"layout.json: zone 'dest': 100 x 16 dots at (0, 0) reach past the 96 x 32 sign"})
        << "--type wins over the layout, its number of modules is the layout's";
    const CliRun unknownColumn = RunCli(build + QStringList{"--layout", "layout.json", "--number", "8"}, dir.path());
    EXPECT_EQ(unknownColumn.errLines(),
              QStringList{"routes.csv:1: unknown column 'via': layout.json has no zone of that name (board, time, dest)"});
    write("broken.json", "{\"zones\": [\n  {\"name\": \"dest\",]}");
    EXPECT_EQ(RunCli(build + QStringList{"--layout", "broken.json"}, dir.path()).errLines(),
              QStringList{"broken.json: not JSON at line 2, column 20: unterminated object"});

    // A character the zone's font has no glyph for: a warning, an error with --strict, and the report
    // tells it either way.
    write("routes.csv", "board,dest\n1,\xE4\xB8\xAD\n1,\xE4\xB8\xADx\n");
    const QStringList layoutBuild = build + QStringList{"--layout", "layout.json", "--number", "8"};
    const CliRun strict = RunCli(layoutBuild + QStringList{"--strict", "--report", "report.json"}, dir.path());
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_EQ(strict.errLines(), QStringList{"routes.csv:3: dest: no glyph in 16(TS-16) for 'x'"});
    EXPECT_FALSE(QFile::exists(path("out.nkv")));
    const auto report = [this] {
        QFile file(path("report.json"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(QJsonDocument::fromJson(file.readAll()).toJson(QJsonDocument::Compact));
    };
    EXPECT_EQ(report(), R"({"frames":[{"frame":1,"row":2,"zones":["dest"]},{"frame":2,"row":3,"zones":["dest"]}],)"
                        R"("messages":[{"column":"dest","level":"error","message":"dest: no glyph in 16(TS-16) for 'x'",)"
                        R"("row":3,"zone":"dest"}],"written":false})");
    const CliRun lenient = RunCli(layoutBuild + QStringList{"--report", "report.json"}, dir.path());
    EXPECT_EQ(lenient.exitCode, 0);
    EXPECT_EQ(lenient.errLines(), QStringList{"routes.csv:3: warning: dest: no glyph in 16(TS-16) for 'x'"});
    EXPECT_TRUE(report().endsWith(R"("level":"warning","message":"dest: no glyph in 16(TS-16) for 'x'",)"
                                  R"("row":3,"zone":"dest"}],"written":true})"));
}

} // namespace
