#include "text/TextComposer.h"
#include "support/GeneratedFonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ComposeRun {
    int exitCode = -1;
    QStringList rows;
    QStringList errorLines;
};

// Runs velmora-cli compose in `dir`, where the test made its font files.
ComposeRun Compose(const QString &dir, const QStringList &arguments)
{
    const CliRun run = RunCli(QStringList{QStringLiteral("compose")} + arguments, dir);
    return {run.exitCode, run.outLines(), run.errLines()};
}

// The number row y holds across columns [left, left + width), reading '#' as 1.
std::uint32_t RowNumber(const ComposeRun &run, int left, int y, int width)
{
    std::uint32_t value = 0;
    for (int x = left; x < left + width; ++x) {
        value = (value << 1) | (run.rows[y][x] == QLatin1Char('#') ? 1u : 0u);
    }
    return value;
}

class ComposeCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(ComposeCommand, PrintsChineseGlyphsFromTheFontFolderFromBothIndexRanges)
{
    WriteChineseFont(dir.path(), QStringLiteral("TS2416.BIN"));
    // 乂 is the pair (0xC9, 0x40), glyph 5402, the first one of the later offsets.
    const ComposeRun run =
        Compose(dir.path(), {"--text", "中乂", "--source", "16(TS)", "--width", "32", "--height", "16"});
    ASSERT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
    ASSERT_EQ(run.rows.size(), 32);
    EXPECT_EQ(run.rows[0].size(), 48);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(RowNumber(run, 0, y, 16), 67u + y);
        EXPECT_EQ(RowNumber(run, 16, y, 16), 5402u + y);
    }
    EXPECT_EQ(run.rows[16], QString(48, QLatin1Char('.')));
}

TEST_F(ComposeCommand, DigitFilesSkipLettersNamingThemAMissingFileFallsBackAndACutFileIsRefused)
{
    WriteFontFile(dir.path(), QStringLiteral("Number32.32"), DigitFontText(32));
    const ComposeRun digits = Compose(dir.path(), {"--text", "9x0", "--source", "32 Pixel(KV)", "--width", "32",
                                               "--height", "32", "--font-dir", dir.path()});
    ASSERT_EQ(digits.exitCode, 0);
    EXPECT_EQ(digits.errorLines, QStringList{"velmora-cli compose: warning: no glyph in 32 Pixel(KV) for 'x'"});
    for (int x = 0; x < 48; ++x) {
        for (int y = 0; y < 48; ++y) {
            const bool lit = x < 32 && y < 32 && DigitDotLit(x < 16 ? 9 : 0, x % 16, y);
            ASSERT_EQ(digits.rows[y][x] == QLatin1Char('#'), lit) << x << "," << y;
        }
    }

    const ComposeRun fallback =
        Compose(dir.path(), {"--text", "9x0", "--source", "24 Pixel(KV)", "--font-dir", dir.path()});
    EXPECT_EQ(fallback.exitCode, 0);
    ASSERT_EQ(fallback.errorLines.size(), 1);
    EXPECT_TRUE(fallback.errorLines[0].contains("Number24.24")) << fallback.errorLines[0].toStdString();

    QFile cut(dir.filePath(QStringLiteral("STDFONT.24")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    ASSERT_EQ(cut.write(QByteArray(1000, '\0')), 1000);
    cut.close();
    const ComposeRun refused =
        Compose(dir.path(), {"--text", "中", "--source", "24(明體)", "--font-dir", dir.path()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.rows.isEmpty());
    EXPECT_EQ(refused.errorLines, QStringList{"velmora-cli compose: font 24(明體): STDFONT.24 is 1000 bytes, "
                                              "shorter than the 942768 bytes its glyphs need"});
}

TEST_F(ComposeCommand, WithoutAFontFolderAFileAbsentFromTheCurrentOneComesFromTheInstalledDataFolder)
{
    // An installed layout: the program in bin, its font files in share/velmora/fonts.
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/velmora/fonts") && root.mkpath("work"));
    const QString program = root.filePath("bin/velmora-cli");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_CLI), program));
    WriteChineseFont(root.filePath("share/velmora/fonts"), QStringLiteral("TS-16.15"));
    const QStringList arguments = {"--text", "中", "--source", "16(TS-16)", "--width", "16", "--height", "16"};

    const CliRun installed = RunCli(QStringList{"compose"} + arguments, root.filePath("work"), program);
    ASSERT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    EXPECT_TRUE(installed.err.isEmpty()) << installed.err.toStdString();
    const ComposeRun run{installed.exitCode, installed.outLines(), installed.errLines()};
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(RowNumber(run, 0, y, 16), 67u + y);
    }

    const CliRun ownFolder =
        RunCli(QStringList{"compose", "--font-dir", root.filePath("work")} + arguments, {}, program);
    EXPECT_EQ(ownFolder.exitCode, 0);
    EXPECT_TRUE(ownFolder.err.contains("TS-16.15")) << "--font-dir is the one folder looked in";
}

TEST_F(ComposeCommand, TheSystemFontGivesTheDotsTheEditorComposes)
{
    const ComposeRun run = Compose(dir.path(), {"--text", "Ab 1", "--source", "other", "--face", "DejaVu Sans",
                                            "--size", "11", "--bold", "--underline", "--dpi", "120"});
    ASSERT_EQ(run.exitCode, 0);
    TextRequest request;
    request.text = QStringLiteral("Ab 1");
    request.widthDot = 192;
    request.heightDot = 24;
    request.font = QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
    request.font.setUnderline(true);
    request.dpi = 120;
    auto expected = std::make_unique<DotPlane>();
    ComposeText(request, *expected);
    ASSERT_EQ(run.rows.size(), 40);
    int lit = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 208; ++x) {
            ASSERT_EQ(run.rows[y][x] == QLatin1Char('#'), expected->at(x, y) == 1) << x << "," << y;
            lit += expected->at(x, y);
        }
    }
    EXPECT_GT(lit, 0);
}

TEST_F(ComposeCommand, MistakesEndWithOneLineOnStandardError)
{
    const QList<QStringList> mistakes = {
        {"--source", "other"},
        {"--text", "a", "--source", "5 X 7"},
        {"--text", "a", "--source", "English"},
        {"--text", "a", "--face", "DejaVu Sans"},
        {"--text", "a", "--width", "1025"},
        {"--text", "a", "--height", "0"},
        {"--text", "a", "--dpi", "many"},
        {"--text", "a", "--font-dir", dir.filePath("absent")},
        {"--text", "a", "--colour", "red"},
    };
    for (const QStringList &arguments : mistakes) {
        const ComposeRun run = Compose(dir.path(), arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.rows.isEmpty());
        ASSERT_EQ(run.errorLines.size(), 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errorLines[0].startsWith("velmora-cli compose: ")) << run.errorLines[0].toStdString();
    }
    const ComposeRun help = Compose(dir.path(), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.rows.join('\n').contains("--source <ENTRY>"));
}

} // namespace
