#include "text/TextComposer.h"
#include "support/GeneratedFonts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Composition into a plane that starts all lit, so that both the cleared window and every dot a path
// writes (or leaves alone) show.
class TextComposerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        std::memset(plane->data(), 1, PlaneBytes);
        request.workDir = dir.path();
        request.widthDot = 192;
        request.heightDot = 24;
        request.font = QFont(QStringLiteral("DejaVu Sans"));
        request.font.setPixelSize(12);
    }

    void useChinese(const char *label) { request.chinese = {true, QString::fromUtf8(label)}; }
    void useNumber(const char *label) { request.number = {true, QString::fromUtf8(label)}; }

    // Lit dots in columns [left, right) of the window's rows.
    int litIn(int left, int right) const
    {
        int lit = 0;
        for (int x = left; x < right; ++x) {
            for (int y = 0; y < request.heightDot + PictureMargin; ++y) {
                lit += plane->at(x, y);
            }
        }
        return lit;
    }
    int litInWindow() const { return litIn(0, request.widthDot + PictureMargin); }

    QTemporaryDir dir;
    std::unique_ptr<DotPlane> plane = std::make_unique<DotPlane>();
    TextRequest request;
};

TEST_F(TextComposerTest, ChineseGlyphsStandSideBySideFromTheTopLeft)
{
    WriteChineseFont(dir.path(), QStringLiteral("TS-16.15"));
    useChinese("16(TS-16)");
    request.text = QStringLiteral("中文");
    ASSERT_NE(ComposeText(request, *plane), nullptr);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(RowNumber(*plane, 0, y, 16), 67u + y);
        EXPECT_EQ(RowNumber(*plane, 16, y, 16), 132u + y);
    }
    EXPECT_EQ(litIn(32, 208), 0);
    EXPECT_EQ(RowNumber(*plane, 0, 16, 32), 0u);
}

TEST_F(TextComposerTest, AFileAbsentFromTheStartFolderIsReadFromTheInstalledOne)
{
    QTemporaryDir installed;
    ASSERT_TRUE(installed.isValid());
    WriteChineseFont(installed.path(), QStringLiteral("TS-16.15"));
    request.installedFontDir = installed.path();
    useChinese("16(TS-16)");
    request.text = QStringLiteral("中");
    ASSERT_NE(ComposeText(request, *plane), nullptr);
    EXPECT_EQ(RowNumber(*plane, 0, 0, 16), 67u);

    // The start folder's copy wins, even one that holds no glyph.
    WriteFontFile(dir.path(), QStringLiteral("TS-16.15"), {});
    ASSERT_NE(ComposeText(request, *plane), nullptr);
    EXPECT_EQ(litInWindow(), 0);
}

TEST_F(TextComposerTest, BytesArePairedFromTheFirstOnSoSingleByteCharactersGiveDarkCells)
{
    WriteChineseFont(dir.path(), QStringLiteral("STDFONT.24"));
    useChinese("24(明體)");
    request.text = QStringLiteral("A中");
    ComposeText(request, *plane);
    EXPECT_EQ(litInWindow(), 0);

    // Odd length: the last byte pairs with 0. A character without a Big5 form keeps its dark cell.
    request.text = QStringLiteral("中\U0001F600文B");
    ComposeText(request, *plane);
    EXPECT_EQ(RowNumber(*plane, 0, 0, 24), 67u);
    EXPECT_EQ(litIn(24, 48), 0);
    EXPECT_EQ(RowNumber(*plane, 48, 23, 24), 132u + 23);
    EXPECT_EQ(litIn(72, 208), 0);
}

TEST_F(TextComposerTest, OnlyDigitsTakeRoomWithADigitFile)
{
    WriteFontFile(dir.path(), QStringLiteral("Number24.24"), DigitFontText(24));
    useNumber("24 Pixel(KV)");
    request.text = QStringLiteral("12a3");
    ASSERT_NE(ComposeText(request, *plane), nullptr);
    for (int k = 0; k < 3; ++k) {
        for (int x = 0; x < 16; ++x) {
            for (int y = 0; y < 40; ++y) {
                ASSERT_EQ(plane->at(16 * k + x, y), y < 24 && DigitDotLit(k + 1, x, y) ? 1 : 0) << k;
            }
        }
    }
    EXPECT_EQ(litIn(48, 208), 0);
}

TEST_F(TextComposerTest, TheFirstRuleThatHoldsChoosesTheSource)
{
    request.chinese = {true, QStringLiteral("24(國喬)")};
    request.number = {true, QStringLiteral("32 Pixel(KV)")};
    EXPECT_STREQ(ChosenFontFile(request)->fileName, "KCCHIN24.F00");
    request.chinese.enabled = false;
    EXPECT_STREQ(ChosenFontFile(request)->fileName, "Number32.32");
    request.chinese = {true, QStringLiteral("16 X 16")};
    EXPECT_STREQ(ChosenFontFile(request)->fileName, "Number32.32");
    request.number = {true, QStringLiteral("32 pixel(KV)")};
    EXPECT_EQ(ChosenFontFile(request), nullptr);
    request.number = {false, QStringLiteral("32 Pixel(KV)")};
    EXPECT_EQ(ChosenFontFile(request), nullptr);
}

TEST_F(TextComposerTest, AChosenFileThatCannotBeReadGivesTheSystemFont)
{
    useNumber("24 Pixel(KV)");
    request.text = QStringLiteral("a");
    EXPECT_EQ(ComposeText(request, *plane), nullptr);
    EXPECT_GT(litInWindow(), 0) << "the letter, which a digit file would skip, is drawn";
}

TEST_F(TextComposerTest, TheWindowIsClearedAndNothingBeyondItOrThePlaneIsTouched)
{
    request.text.clear();
    ComposeText(request, *plane);
    EXPECT_EQ(litInWindow(), 0);
    EXPECT_EQ(plane->at(208, 0), 1);
    EXPECT_EQ(plane->at(0, 40), 1);

    // The largest sign, with more glyphs than the plane is wide: cut at its edges.
    WriteChineseFont(dir.path(), QStringLiteral("KCCHIN24.F00"));
    useChinese("24(國喬)");
    request.widthDot = MaxWidthDot;
    request.heightDot = MaxHeightDot;
    request.text = QString(50, QChar(0x4E2D));
    ComposeText(request, *plane);
    EXPECT_EQ(RowNumber(*plane, 1008, 5, 16), (67u + 5) >> 8);
    EXPECT_EQ(plane->at(MaxWidthDot - 1, MaxHeightDot - 1), 0);
}

} // namespace
