#include "text/TextFontRules.h"
#include "text/FaceSubstitutes.h"
#include "text/FontFileTable.h"

#include <gtest/gtest.h>

namespace {

class TextFontRulesTest : public ::testing::Test {
protected:
    void SetUp() override { FillFontSizeTables(text, 96); }
    TextSettings text;
};

TEST_F(TextFontRulesTest, OnlyTheFourSystemSizesOfASelectorStandForASize)
{
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::Chinese, QStringLiteral("48 X 48")), 40);
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::English, QStringLiteral("10 X 15 ")), 17);
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::Number, QStringLiteral("16 Pixel(H)")), 18);
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::English, QStringLiteral("10 X 15")), std::nullopt);
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::Number, QStringLiteral("24 Pixel(KV)")), std::nullopt);
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::Chinese, QStringLiteral("16(TS)")), std::nullopt);
    EXPECT_EQ(SelectorFontSize(text, ScriptOption::Number, QStringLiteral("16 X 16")), std::nullopt);
}

TEST_F(TextFontRulesTest, OptionsSetFaceCharsetAndSizeButKeepTheStyle)
{
    text.TextFont.setPointSize(30);
    ApplyTextStyle(text.TextFont, true, false, true);
    ApplyScriptOption(text, ScriptOption::Chinese, QStringLiteral("24 X 24"));
    EXPECT_EQ(text.TextFont.family(), ChineseFace);
    EXPECT_EQ(text.TextFontCharset, 136);
    EXPECT_EQ(text.TextFont.pointSize(), 19);
    EXPECT_TRUE(text.TextFont.bold() && text.TextFont.underline());

    // A file entry has no size: the one there was stays.
    ApplyScriptOption(text, ScriptOption::Number, QStringLiteral("32 Pixel(KV)"));
    EXPECT_EQ(text.TextFont.family(), EnglishFace);
    EXPECT_EQ(text.TextFontCharset, 0);
    EXPECT_EQ(text.TextFont.pointSize(), 19);

    ApplySelectorSize(text, ScriptOption::Number, QStringLiteral("48 Pixel(H)"));
    EXPECT_EQ(text.TextFont.pointSize(), 52);
    ApplySelectorSize(text, ScriptOption::Number, QStringLiteral("typed"));
    EXPECT_EQ(text.TextFont.pointSize(), 52);
}

TEST_F(TextFontRulesTest, TheStyleBoxesReplaceTheWholeStyle)
{
    QFont chosen(QStringLiteral("DejaVu Sans"), 20);
    chosen.setStyleName(QStringLiteral("Bold Oblique"));
    chosen.setStrikeOut(true);
    ApplyTextStyle(chosen, false, true, false);
    EXPECT_TRUE(chosen.styleName().isEmpty());
    EXPECT_FALSE(chosen.bold());
    EXPECT_TRUE(chosen.italic());
    EXPECT_FALSE(chosen.underline());
    EXPECT_FALSE(chosen.strikeOut());
    EXPECT_EQ(chosen.pointSize(), 20);
    EXPECT_EQ(chosen.family(), QStringLiteral("DejaVu Sans"));
}

} // namespace
