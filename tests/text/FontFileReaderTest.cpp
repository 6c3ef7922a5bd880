#include "support/GeneratedFonts.h"
#include "text/BitmapFontFile.h"
#include "text/DigitFontFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::uint32_t GlyphRow(const GlyphDots &glyph, int y)
{
    std::uint32_t value = 0;
    for (int x = 0; x < glyph.width(); ++x) {
        value = (value << 1) | glyph.at(x, y);
    }
    return value;
}

// Every row of glyph n holds n plus its row number, so a wrong offset, row stride or bit order shows.
void ExpectGeneratedGlyph(const GlyphDots &glyph, int n)
{
    for (int y = 0; y < glyph.height(); ++y) {
        ASSERT_EQ(GlyphRow(glyph, y), static_cast<std::uint32_t>(n + y)) << "glyph " << n << " row " << y;
    }
}

const FontFileEntry &Entry(FontSelector selector, const char *label)
{
    const FontFileEntry *entry = FontFileForLabel(selector, QString::fromUtf8(label));
    EXPECT_NE(entry, nullptr) << label;
    return *entry;
}

class FontFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(FontFileReaderTest, EveryChineseFileGivesTheFirstAndLastGlyphOfBothRanges)
{
    for (const char *label : {"16(TS-16)", "16(TS)", "24(明體)", "24(楷書)", "24(國喬)"}) {
        const FontFileEntry &entry = Entry(FontSelector::Chinese, label);
        WriteChineseFont(dir.path(), QString::fromLatin1(entry.fileName));
        BitmapFontFile file;
        ASSERT_TRUE(file.open(dir.path(), entry)) << label;
        for (const int n : {1, 5401, 5402, 5495, HighestBig5Index}) {
            SCOPED_TRACE(label);
            ExpectGeneratedGlyph(file.glyph(n), n);
        }
    }
}

TEST_F(FontFileReaderTest, ARecordCutByTheEndOfTheFileDrawsItsMissingPartDark)
{
    const FontFileEntry &entry = Entry(FontSelector::Chinese, "24(明體)");
    // Glyphs 1 and 2 whole, then the first 12 rows (36 bytes) of glyph 3.
    WriteChineseFont(dir.path(), QStringLiteral("STDFONT.24"), 72 * 2 + 36);
    BitmapFontFile file;
    ASSERT_TRUE(file.open(dir.path(), entry));
    ExpectGeneratedGlyph(file.glyph(2), 2);
    const GlyphDots cut = file.glyph(3);
    EXPECT_EQ(GlyphRow(cut, 11), 3u + 11u);
    for (int y = 12; y < 24; ++y) {
        EXPECT_EQ(GlyphRow(cut, y), 0u) << y;
    }
    for (const int n : {4, HighestBig5Index}) {
        for (int y = 0; y < 24; ++y) {
            ASSERT_EQ(GlyphRow(file.glyph(n), y), 0u) << n;
        }
    }
}

class DigitFileReaderTest : public FontFileReaderTest {
protected:
    void ExpectDigit(const DigitFontFile &file, int d, int height, int litUpTo)
    {
        const GlyphDots glyph = file.glyph(d);
        for (int k = 0; k < 16 * height; ++k) {
            const int x = k / height;
            const int y = k % height;
            ASSERT_EQ(glyph.at(x, y), k < litUpTo && DigitDotLit(d, x, y) ? 1 : 0)
                << d << " at " << x << "," << y;
        }
    }
};

TEST_F(DigitFileReaderTest, DigitsAreReadColumnByColumnFromTheirOwnBlock)
{
    for (const auto &[label, height] : {std::pair{"24 Pixel(KV)", 24}, std::pair{"32 Pixel(KV)", 32}}) {
        const FontFileEntry &entry = Entry(FontSelector::Number, label);
        WriteFontFile(dir.path(), QString::fromLatin1(entry.fileName), DigitFontText(height));
        DigitFontFile file;
        ASSERT_TRUE(file.open(dir.path(), entry));
        for (int d = 0; d < 10; ++d) {
            ExpectDigit(file, d, height, 16 * height);
        }
    }
}

TEST_F(DigitFileReaderTest, ValuesMissingAtTheEndOrAfterABadTokenAreDark)
{
    const FontFileEntry &entry = Entry(FontSelector::Number, "32 Pixel(KV)");
    // Digit 9 is values 4608..5119: without the last value its bottom-right dot is dark.
    const QList<QByteArray> values = DigitFontText(32).simplified().split(' ');
    WriteFontFile(dir.path(), QStringLiteral("Number32.32"), values.mid(0, 5119).join('\n'));
    DigitFontFile shortFile;
    ASSERT_TRUE(shortFile.open(dir.path(), entry));
    ExpectDigit(shortFile, 8, 32, 512);
    ExpectDigit(shortFile, 9, 32, 511);

    // A token that is no decimal integer in digit 7 of the 24-row file (values 2688..3071) ends the
    // values there: digit 7 keeps its first 100 values, the later digits are dark.
    QList<QByteArray> spoiled = DigitFontText(24).simplified().split(' ');
    spoiled[2688 + 100] = "1x";
    WriteFontFile(dir.path(), QStringLiteral("Number24.24"), spoiled.join(' '));
    DigitFontFile badFile;
    ASSERT_TRUE(badFile.open(dir.path(), Entry(FontSelector::Number, "24 Pixel(KV)")));
    ExpectDigit(badFile, 6, 24, 384);
    ExpectDigit(badFile, 7, 24, 100);
    ExpectDigit(badFile, 8, 24, 0);

    // A device under the font's name (here one of endless zero bytes) is no font file: it is not read.
    const QString endless = dir.filePath(QStringLiteral("Number24.24"));
    ASSERT_TRUE(QFile::remove(endless));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), endless));
    EXPECT_FALSE(DigitFontFile().open(dir.path(), Entry(FontSelector::Number, "24 Pixel(KV)")));
}

} // namespace
