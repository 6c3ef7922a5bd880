#include "text/Big5GlyphIndex.h"
#include "text/Big5Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Big5GlyphIndexTest, BothLeadRangesRunFromTheirFirstToTheirLastPair)
{
    EXPECT_EQ(Big5GlyphIndex(0xA4, 0x40), 1);
    EXPECT_EQ(Big5GlyphIndex(0xA4, 0x7E), 63);
    EXPECT_EQ(Big5GlyphIndex(0xA4, 0xA1), 64);
    EXPECT_EQ(Big5GlyphIndex(0xA4, 0xFE), 157);
    EXPECT_EQ(Big5GlyphIndex(0xA5, 0x40), 158);
    EXPECT_EQ(Big5GlyphIndex(0xC6, 0x7E), 5401);
    EXPECT_EQ(Big5GlyphIndex(0xC6, 0xFE), 5495);
    EXPECT_EQ(Big5GlyphIndex(0xC9, 0x40), 5402);
    EXPECT_EQ(Big5GlyphIndex(0xF9, 0xFE), 13094);
}

TEST(Big5GlyphIndexTest, TheTailOfLeadC6SharesItsIndicesWithTheFirstPairsOfLeadC9)
{
    EXPECT_EQ(Big5GlyphIndex(0xC6, 0xA1), Big5GlyphIndex(0xC9, 0x40));
    EXPECT_EQ(Big5GlyphIndex(0xC6, 0xFE), Big5GlyphIndex(0xC9, 0xBF));
    EXPECT_EQ(Big5GlyphIndex(0xC9, 0xC0), 5496);
}

TEST(Big5GlyphIndexTest, PairsOutsideTheGlyphRangesHaveNoIndex)
{
    for (const unsigned char trail : {0x00, 0x3F, 0x7F, 0xA0, 0xFF}) {
        EXPECT_EQ(Big5GlyphIndex(0xA4, trail), -1) << int(trail);
    }
    for (const unsigned char lead : {0x00, 0x41, 0x7F, 0xA1, 0xA3, 0xC7, 0xC8, 0xFA, 0xFF}) {
        EXPECT_EQ(Big5GlyphIndex(lead, 0x40), -1) << int(lead);
        EXPECT_EQ(Big5GlyphIndex(lead, 0xA1), -1) << int(lead);
    }
}

TEST(Big5TextTest, ChineseBecomesBig5PairsAndAsciiStaysOneByte)
{
    EXPECT_EQ(Big5Bytes(QStringLiteral("中文")), QByteArray("\xA4\xA4\xA4\xE5"));
    EXPECT_EQ(Big5Bytes(QStringLiteral("A中1")), QByteArray("A\xA4\xA4"
                                                            "1"));
    EXPECT_EQ(Big5Bytes(QString()), QByteArray());
}

TEST(Big5TextTest, ACharacterWithoutABig5FormBecomesOnePairWithoutAGlyph)
{
    const QByteArray bytes = Big5Bytes(QStringLiteral("\U0001F600中ä"));
    ASSERT_EQ(bytes, QByteArray("\xFF\xFF\xA4\xA4\xFF\xFF"));
    EXPECT_EQ(Big5GlyphIndex(0xFF, 0xFF), -1);
}

} // namespace
