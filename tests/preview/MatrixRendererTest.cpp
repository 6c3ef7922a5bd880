#include "preview/MatrixRenderer.h"
#include "preview/PreviewGeometry.h"

#include "RenderedImages.h"
#include "support/ReferenceMatrixRenderer.h"
#include "support/SignFixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QSize PreviewControl(996, 274);
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

QImage BlankPicture(QSize size)
{
    return QImage(size, QImage::Format_RGB32);
}

std::unique_ptr<ProjectModel> StartupSign()
{
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    UpdateViewSize(*model, PreviewControl);
    return model;
}

// Both renderers put lit dot 3 of the start-up sign (picture at (18, 77)) on pixels 34..37 across and
// 78..81 down, touching nothing around them.
TEST(MatrixRenderer, DotCoversTwoRadiiOfPixels)
{
    auto model = StartupSign();
    model->FrameDots.set(0, 3, 0, 1);
    for (const auto draw : {&DrawMatrix, &ReferenceDrawMatrix}) {
        QImage picture = BlankPicture(PreviewControl);
        draw(picture, *model, 0, 0);
        for (int x = 34; x <= 37; ++x) {
            EXPECT_EQ(picture.pixel(x, 79), White) << "x = " << x;
        }
        for (int y = 78; y <= 81; ++y) {
            EXPECT_EQ(picture.pixel(35, y), White) << "y = " << y;
        }
        EXPECT_EQ(picture.pixel(33, 79), Black);
        EXPECT_EQ(picture.pixel(38, 79), Black);
        EXPECT_EQ(picture.pixel(35, 77), Black);
        EXPECT_EQ(picture.pixel(35, 82), Black);
    }
}

TEST(MatrixRenderer, DarkDotsShowTheirModuleColourAsRim)
{
    auto model = StartupSign();
    QImage picture = BlankPicture(PreviewControl);
    DrawMatrix(picture, *model, 0, 0);
    // Column 72 (module 4, red) has its dot on pixels 379..382, column 71 (module 3, yellow) on 374..377.
    EXPECT_EQ(picture.pixel(379, 79), 0xFFFF0000);
    EXPECT_EQ(picture.pixel(380, 79), Black);
    EXPECT_EQ(picture.pixel(374, 79), 0xFFFF8000);
    EXPECT_EQ(picture.pixel(375, 80), Black);
}

TEST(MatrixRenderer, DrawDotMatchesAFullRepaint)
{
    auto model = StartupSign();
    LightScatteredDots(*model);
    QImage picture = BlankPicture(PreviewControl);
    DrawMatrix(picture, *model, 0, 0);

    // Dot (1, 0) is dark and (0, 0) lit in the scattered pattern; the pen flips both.
    ASSERT_EQ(model->FrameDots.at(0, 1, 0), 0);
    ASSERT_EQ(model->FrameDots.at(0, 0, 0), 1);
    model->FrameDots.set(0, 1, 0, 1);
    model->FrameDots.set(0, 0, 0, 0);
    DrawDot(picture, *model, 1, 0);
    DrawDot(picture, *model, 0, 0);

    QImage repainted = BlankPicture(PreviewControl);
    DrawMatrix(repainted, *model, 0, 0);
    EXPECT_TRUE(SamePixels(picture, repainted));
}

// Playback shows a frame as the sign does: the given slot, without the picture being placed or the lifted
// region, and the current frame stays what it was.
TEST(MatrixRenderer, SignFrameIsTheGivenFrameWithoutEditingOverlays)
{
    auto model = StartupSign();
    LightScatteredDots(*model);
    model->FrameDots.set(2, 5, 5, 1);
    model->FloatDots.set(0, 0, 1);
    model->Tools.PlaceMode = true;
    model->Tools.RegionFloat = true;
    model->Tools.RegionWidth = 1;
    model->Tools.RegionHeight = 1;
    QImage played = BlankPicture(PreviewControl);
    DrawSignFrame(played, *model, 2, 0, 0);
    EXPECT_EQ(model->CurFrame, 0);

    model->Tools.PlaceMode = false;
    model->Tools.RegionFloat = false;
    model->CurFrame = 2;
    QImage shown = BlankPicture(PreviewControl);
    DrawMatrix(shown, *model, 0, 0);
    EXPECT_TRUE(SamePixels(played, shown));
}

} // namespace
