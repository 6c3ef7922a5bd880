#include "support/TwoTonePictures.h"

#include "picture/EditSurface.h"
#include "picture/PictureUpload.h"

#include <gtest/gtest.h>

namespace {

TEST(EditSurfaceTest, ButtonsChooseTheInkAndBlackWinsWithBoth)
{
    EXPECT_EQ(InkOfPress(PointerButton::Left), PictureInk::Black);
    EXPECT_EQ(InkOfPress(PointerButton::Right), PictureInk::White);
    EXPECT_EQ(InkOfPress(PointerButton::Other), PictureInk::None);
    EXPECT_EQ(InkWhileHeld({true, true}), PictureInk::Black);
    EXPECT_EQ(InkWhileHeld({false, true}), PictureInk::White);
    EXPECT_EQ(InkWhileHeld({false, false}), PictureInk::None);
}

TEST(EditSurfaceTest, ThePointerPaintsTheBlockUnderItAndNothingOffTheSurface)
{
    QImage surface = BlankEditSurface();
    EXPECT_EQ(PaintUnderPointer(surface, 12, 35, 12, PictureInk::Black), QRect(24, 12, 12, 12));
    EXPECT_TRUE(BlockIs(surface, 12, 2, 1, true));
    EXPECT_EQ(BlackPixels(surface), 144);

    // Held and dragged beyond the surface, the pointer paints nothing.
    EXPECT_TRUE(PaintUnderPointer(surface, 12, -3, 5, PictureInk::Black).isEmpty());
    EXPECT_TRUE(PaintUnderPointer(surface, 1, 5, 192, PictureInk::Black).isEmpty());
    EXPECT_EQ(BlackPixels(surface), 144);
}

TEST(EditSurfaceTest, UploadWritesTheWholeWindowFromEachBlocksTopLeftPixel)
{
    // A 48 x 48 picture (zoom 4) with its left column and bottom row black; pixel (5, 5) is black but for
    // its top-left surface pixel, which alone decides.
    QImage surface = BlankEditSurface();
    for (int k = 0; k < 48; ++k) {
        PaintPicturePixel(surface, 4, 0, k, PictureInk::Black);
        PaintPicturePixel(surface, 4, k, 47, PictureInk::Black);
    }
    PaintPicturePixel(surface, 4, 5, 5, PictureInk::Black);
    surface.setPixel(20, 20, qRgb(255, 255, 255));

    DotPlane floatDots;
    floatDots.set(100, 39, 1); // left over inside the window: written dark
    floatDots.set(208, 0, 1);  // outside the window: not touched
    WriteUploadDots(surface, 4, 192, 24, floatDots);
    for (int i = 0; i < 208; ++i) {
        for (int j = 0; j < 40; ++j) {
            ASSERT_EQ(floatDots.at(i, j), (i == 0 && j < 40) ? 1 : 0) << i << ", " << j;
        }
    }
    EXPECT_EQ(floatDots.at(208, 0), 1);

    // A window wider than the plane is cut at its edge; the bottom row lies inside a higher sign's window.
    WriteUploadDots(surface, 4, MaxWidthDot, 64, floatDots);
    EXPECT_EQ(floatDots.at(47, 47), 1);
    EXPECT_EQ(floatDots.at(48, 47), 0);
    EXPECT_EQ(floatDots.at(0, 48), 0);
}

} // namespace
