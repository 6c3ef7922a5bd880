#include "text/SystemFontText.h"
#include "text/FaceSubstitutes.h"
#include "text/TextComposer.h"
#include "text/TextFontRules.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The start-up text font at the given resolution: "English" with its first size.
QFont StartupFont(int dpi)
{
    TextSettings text;
    FillFontSizeTables(text, dpi);
    ApplyScriptOption(text, ScriptOption::English, EnglishSelectorEntries().first());
    return text.TextFont;
}

// Rows [top, bottom) that hold a lit pixel.
std::pair<int, int> InkedRows(const QImage &scratch)
{
    int top = scratch.height();
    int bottom = 0;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (IsLitPixel(scratch, x, y)) {
                top = std::min(top, y);
                bottom = y + 1;
            }
        }
    }
    return {top, bottom};
}

TEST(SystemFontTextTest, TheChineseAndEnglishFacesFallBackToAMingFace)
{
    InstallFaceSubstitutes();
    for (const QString &face : {EnglishFace, ChineseFace}) {
        const QString family = QFontInfo(QFont(face)).family();
        if (QFontDatabase::hasFamily(face)) {
            EXPECT_EQ(family, face);
        } else {
            EXPECT_TRUE(family.startsWith(QStringLiteral("AR PL UMing"))) << family.toStdString();
        }
    }
}

TEST(SystemFontTextTest, EnglishTextInTheDefaultSizeIsCrispBlackOnWhite)
{
    InstallFaceSubstitutes();
    const QImage scratch =
        DrawSystemFontScratch(QStringLiteral("Velmora 1024"), StartupFont(96), 96, 208, 40);
    int black = 0;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            const QRgb pixel = scratch.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << x << "," << y << " " << std::hex << pixel;
            black += pixel == 0;
        }
    }
    EXPECT_GT(black, 20);
    // 8 points at 96 dots per inch is 11 pixels: the lettering fits the top rows of a 16-row sign.
    EXPECT_LE(InkedRows(scratch).second, 16);
}

TEST(SystemFontTextTest, OnlyARedComponentBelow64IsLitAndOutsideThePictureIsDark)
{
    QImage scratch(3, 1, QImage::Format_RGB32);
    scratch.setPixel(0, 0, qRgb(63, 255, 255));
    scratch.setPixel(1, 0, qRgb(64, 0, 0));
    scratch.setPixel(2, 0, qRgb(0, 0, 0));
    auto plane = std::make_unique<DotPlane>();
    plane->set(3, 0, 1);
    plane->set(0, 1, 1);
    SampleScratch(scratch, 4, 2, *plane);
    EXPECT_EQ(plane->at(0, 0), 1);
    EXPECT_EQ(plane->at(1, 0), 0);
    EXPECT_EQ(plane->at(2, 0), 1);
    EXPECT_EQ(plane->at(3, 0), 0);
    EXPECT_EQ(plane->at(0, 1), 0);
}

TEST(SystemFontTextTest, PointSizesBecomePixelsAtTheGivenResolution)
{
    InstallFaceSubstitutes();
    QFont font(EnglishFace);
    font.setPointSize(18);
    const auto [top96, bottom96] = InkedRows(DrawSystemFontScratch(QStringLiteral("H"), font, 96, 100, 100));
    const auto [top192, bottom192] =
        InkedRows(DrawSystemFontScratch(QStringLiteral("H"), font, 192, 100, 100));
    const int height96 = bottom96 - top96;
    EXPECT_NEAR(bottom192 - top192, 2 * height96, 2);
}

TEST(SystemFontTextTest, TextOnAWideSignComesOutWhole)
{
    InstallFaceSubstitutes();
    TextRequest request;
    request.widthDot = MaxWidthDot;
    request.heightDot = 48;
    // Ten full-width characters, as many as the text box takes, at the largest number size.
    request.text = QStringLiteral("中文中文中文中文中文");
    request.font = QFont(EnglishFace);
    request.font.setPointSize(52);
    auto plane = std::make_unique<DotPlane>();
    ASSERT_EQ(ComposeText(request, *plane), nullptr);
    int litBeyond436 = 0;
    for (int x = 436; x < MaxWidthDot; ++x) {
        for (int y = 0; y < 64; ++y) {
            litBeyond436 += plane->at(x, y);
        }
    }
    EXPECT_GT(litBeyond436, 0);
}

TEST(SystemFontTextTest, AVeryLongTextIsCutAtThePicturesEdgeNeverWrappedBelow)
{
    InstallFaceSubstitutes();
    const QFont font = StartupFont(96);
    const QImage longest = DrawSystemFontScratch(QString(4000000, QLatin1Char('A')), font, 96, 1024, 256);
    // Four hundred letters already run past the 1024 pixels: the rest can add nothing.
    EXPECT_EQ(longest, DrawSystemFontScratch(QString(400, QLatin1Char('A')), font, 96, 1024, 256));
    EXPECT_LE(InkedRows(longest).second, 16);
}

} // namespace
