#include "EditorFixture.h"

#include "app/BusImageView.h"

#include <QAction>
#include <QScrollBar>

namespace {

class PreviewZoom : public EditorFixture {
protected:
    void SetUp() override { startIn({}); }
    const ViewState &view() { return window().project().View; }
    int previewWidth() { return window().BusImage->width(); }
};

TEST_F(PreviewZoom, ZoomOutStopsAtRadiusOne)
{
    window().ZoomOut->trigger();
    EXPECT_EQ(view().DotRadius, 1);
    EXPECT_EQ(view().ViewWidth, 3 * 192);
    window().ZoomOut->trigger();
    EXPECT_EQ(view().DotRadius, 1);
}

TEST_F(PreviewZoom, ZoomInFromTwoWidensTheGapAndDrawsGridLines)
{
    window().ZoomIn->trigger();
    EXPECT_EQ(view().DotRadius, 3);
    EXPECT_EQ(view().DotGap, 3);
    EXPECT_EQ(view().ViewWidth, 9 * 192);
    // The first vertical grid line runs down the picture's left edge.
    const QImage &picture = window().BusImage->picture();
    const int y = std::max(view().ViewTop, 0) + 4;
    EXPECT_EQ(picture.pixel(view().ViewLeft + 8 * 9, y), qRgb(255, 255, 0));
}

TEST_F(PreviewZoom, ScrollBarsAppearWhenThePictureOutgrowsThePreview)
{
    window().ZoomIn->trigger(); // 1728 pixels wide, wider than the preview
    ASSERT_GT(view().ViewWidth, previewWidth());
    EXPECT_TRUE(window().ScrollBar1->isEnabled());
    EXPECT_EQ(window().ScrollBar1->minimum(), 0);
    EXPECT_EQ(window().ScrollBar1->maximum(), view().ViewWidth - previewWidth() + 2);
    EXPECT_EQ(view().ViewLeft, 0);

    window().ScrollBar1->setValue(37);
    EXPECT_EQ(view().ViewLeft, -37) << "scrolling moves the picture";

    window().ZoomReset->trigger();
    EXPECT_EQ(view().DotRadius, 2);
    EXPECT_FALSE(window().ScrollBar1->isEnabled());
    EXPECT_EQ(view().ViewLeft, (previewWidth() - 960) / 2);
}

TEST_F(PreviewZoom, APictureExactlyAsWideAsThePreviewScrollsByTwoPixels)
{
    window().ZoomIn->trigger();
    ASSERT_EQ(view().ViewWidth, 1728);
    window().resize(window().width() - previewWidth() + 1728, window().height());
    QApplication::processEvents();
    ASSERT_EQ(previewWidth(), 1728);
    EXPECT_TRUE(window().ScrollBar1->isEnabled());
    EXPECT_EQ(window().ScrollBar1->maximum(), 2);
}

TEST_F(PreviewZoom, ThePictureFollowsTheResizedWindow)
{
    const int previewHeight = window().BusImage->height();
    window().resize(window().width(), window().height() - previewHeight + 100);
    QApplication::processEvents();
    ASSERT_EQ(window().BusImage->height(), 100);
    EXPECT_EQ(window().BusImage->picture().size(), window().BusImage->size());
    EXPECT_TRUE(window().ScrollBar2->isEnabled());
    EXPECT_EQ(window().ScrollBar2->maximum(), 120 - 100 + 2);
    EXPECT_EQ(view().ViewTop, 0);
}

} // namespace
