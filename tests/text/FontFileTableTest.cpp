#include "text/FontFileTable.h"

#include "support/GeneratedFonts.h"
#include "text/FontFileDamage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QStringList chineseSizes = {"16 X 16", "24 X 24", "32 X 32", "48 X 48"};
const QStringList numberSizes = {"16 Pixel(H)", "24 Pixel(H)", "32 Pixel(H)", "48 Pixel(H)"};

TEST(FontSelectorEntriesTest, WithoutFontFilesOnlyTheFourSizesAreOffered)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(ChineseSelectorEntries(dir.path()), chineseSizes);
    EXPECT_EQ(NumberSelectorEntries(dir.path()), numberSizes);
    EXPECT_EQ(EnglishSelectorEntries(), QStringList({"5  X  7", "10 X 15 ", "15 X 23", "21 X 31"}));
}

TEST(FontSelectorEntriesTest, PresentFilesAreAppendedInTheFixedOrderWhateverOrderTheyWereMadeIn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"Number32.32", "KCCHIN24.F00", "STDFONT.24", "TS-16.15", "Number24.24",
                             "STDFONT.24K", "TS2416.BIN"}) {
        WriteWholeFontFile(dir.path(), QString::fromLatin1(name));
    }
    EXPECT_EQ(ChineseSelectorEntries(dir.path()),
              chineseSizes + QStringList({"16(TS-16)", "16(TS)", "24(明體)", "24(楷書)", "24(國喬)"}));
    EXPECT_EQ(NumberSelectorEntries(dir.path()), numberSizes + QStringList({"24 Pixel(KV)", "32 Pixel(KV)"}));
}

TEST(FontSelectorEntriesTest, NamesAreMatchedExactlyAndOnlyFilesThatOpenCount)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteWholeFontFile(dir.path(), QStringLiteral("TS-16.15"));
    // Another case is another file on this platform.
    ASSERT_TRUE(QDir(dir.path()).rename(QStringLiteral("TS-16.15"), QStringLiteral("ts-16.15")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("TS2416.BIN"))); // a folder cannot be read
    WriteWholeFontFile(dir.path(), QStringLiteral("STDFONT.24K"));
    WriteWholeFontFile(dir.path(), QStringLiteral("Number32.32"));
    // A pipe would block the opening until something writes to it: only regular files are tried.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("KCCHIN24.F00"))).constData(), 0600), 0);
    EXPECT_EQ(ChineseSelectorEntries(dir.path()), chineseSizes + QStringList({"24(楷書)"}));
    EXPECT_EQ(NumberSelectorEntries(dir.path()), numberSizes + QStringList({"32 Pixel(KV)"}));
}

TEST(FontSelectorEntriesTest, AFontFolderWithALongPathIsReadWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString deep = dir.path() + QStringLiteral("/a-font-folder-whose-path-is-far-longer-than-a-hundred-"
                                                     "characters/so-that-a-cut-path-would-miss-every-file");
    ASSERT_GT(deep.size(), 100);
    ASSERT_TRUE(QDir().mkpath(deep));
    WriteWholeFontFile(deep, QStringLiteral("TS2416.BIN"));
    EXPECT_EQ(FontFilePath(deep, "TS2416.BIN"), deep + QDir::separator() + QStringLiteral("TS2416.BIN"));
    EXPECT_EQ(ChineseSelectorEntries(deep), chineseSizes + QStringList({"16(TS)"}));
}

TEST(FontSelectorEntriesTest, AFileShorterThanItsGlyphsNeedIsNotOfferedButNamed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteWholeFontFile(dir.path(), QStringLiteral("TS-16.15"));
    WriteWholeFontFile(dir.path(), QStringLiteral("Number32.32"));
    WriteChineseFont(dir.path(), QStringLiteral("STDFONT.24"), 1000);
    // The last glyph of the 24-dot file whose glyphs start 55264 bytes in is one byte short.
    WriteChineseFont(dir.path(), QStringLiteral("KCCHIN24.F00"), 55264 + 72 * 13094 + 71);
    QList<QByteArray> values = DigitFontText(24).simplified().split(' ');
    values.removeLast();
    WriteFontFile(dir.path(), QStringLiteral("Number24.24"), values.join(' '));
    EXPECT_EQ(ChineseSelectorEntries(dir.path()), chineseSizes + QStringList({"16(TS-16)"}));
    EXPECT_EQ(NumberSelectorEntries(dir.path()), numberSizes + QStringList({"32 Pixel(KV)"}));
    EXPECT_EQ(SkippedFontFileNotices(dir.path()),
              (QStringList{"Font 24(明體) is not offered: STDFONT.24 is 1000 bytes, shorter than the 942768 "
                           "bytes its glyphs need",
                           "Font 24(國喬) is not offered: KCCHIN24.F00 is 998103 bytes, shorter than the 998104 "
                           "bytes its glyphs need",
                           "Font 24 Pixel(KV) is not offered: Number24.24 holds 3839 values, fewer than the 3840 "
                           "its digits need"}));
}

} // namespace

TEST(FontSelectorEntriesTest, FilesAbsentFromTheStartFolderComeFromTheInstalledOneAndTheStartFolderWins)
{
    QTemporaryDir start;
    QTemporaryDir installed;
    ASSERT_TRUE(start.isValid() && installed.isValid());
    WriteWholeFontFile(start.path(), QStringLiteral("STDFONT.24"));
    WriteWholeFontFile(start.path(), QStringLiteral("Number32.32"));
    for (const char *name : {"STDFONT.24", "TS-16.15", "Number24.24"}) {
        WriteWholeFontFile(installed.path(), QString::fromLatin1(name));
    }
    const FontFolders folders(start.path(), installed.path());
    EXPECT_EQ(ChineseSelectorEntries(folders), chineseSizes + QStringList({"16(TS-16)", "24(明體)"}));
    EXPECT_EQ(NumberSelectorEntries(folders), numberSizes + QStringList({"24 Pixel(KV)", "32 Pixel(KV)"}));
    EXPECT_EQ(folders.pathOf("STDFONT.24"), FontFilePath(start.path(), "STDFONT.24"));
    EXPECT_EQ(folders.pathOf("TS-16.15"), FontFilePath(installed.path(), "TS-16.15"));
    EXPECT_EQ(folders.pathOf("TS2416.BIN"), FontFilePath(start.path(), "TS2416.BIN")) << "found nowhere";
    EXPECT_EQ(InstalledFontFolder(QStringLiteral("/opt/velmora/bin")),
              QStringLiteral("/opt/velmora/share/velmora/fonts"));
}
