#include "text/FontFileTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

void CreateFile(const QString &dir, const QString &name)
{
    QFile file(dir + QLatin1Char('/') + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write("x");
}

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
        CreateFile(dir.path(), QString::fromLatin1(name));
    }
    EXPECT_EQ(ChineseSelectorEntries(dir.path()),
              chineseSizes + QStringList({"16(TS-16)", "16(TS)", "24(明體)", "24(楷書)", "24(國喬)"}));
    EXPECT_EQ(NumberSelectorEntries(dir.path()), numberSizes + QStringList({"24 Pixel(KV)", "32 Pixel(KV)"}));
}

TEST(FontSelectorEntriesTest, NamesAreMatchedExactlyAndOnlyFilesThatOpenCount)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CreateFile(dir.path(), QStringLiteral("ts-16.15")); // other case: another file on this platform
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("TS2416.BIN"))); // a folder cannot be read
    CreateFile(dir.path(), QStringLiteral("STDFONT.24K"));
    CreateFile(dir.path(), QStringLiteral("Number32.32"));
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
    CreateFile(deep, QStringLiteral("TS2416.BIN"));
    EXPECT_EQ(FontFilePath(deep, "TS2416.BIN"), deep + QDir::separator() + QStringLiteral("TS2416.BIN"));
    EXPECT_EQ(ChineseSelectorEntries(deep), chineseSizes + QStringList({"16(TS)"}));
}

} // namespace

TEST(FontSelectorEntriesTest, FilesAbsentFromTheStartFolderComeFromTheInstalledOneAndTheStartFolderWins)
{
    QTemporaryDir start;
    QTemporaryDir installed;
    ASSERT_TRUE(start.isValid() && installed.isValid());
    CreateFile(start.path(), QStringLiteral("STDFONT.24"));
    CreateFile(start.path(), QStringLiteral("Number32.32"));
    for (const char *name : {"STDFONT.24", "TS-16.15", "Number24.24"}) {
        CreateFile(installed.path(), QString::fromLatin1(name));
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
