#include "preview/PreviewGeometry.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The start-up scale: radius 2, gap 1, pitch 5, picture at (18, 77).
ViewState StartupView()
{
    ViewState view;
    view.ViewLeft = 18;
    view.ViewTop = 77;
    return view;
}

std::unique_ptr<ProjectModel> SignOfSize(int widthDot, int heightDot, int radius)
{
    auto model = std::make_unique<ProjectModel>();
    model->WidthDot = widthDot;
    model->HeightDot = heightDot;
    model->View.DotRadius = radius;
    return model;
}

TEST(PreviewGeometry, DotBoxIsTwoRadiiAcrossOnePixelIntoItsCell)
{
    const ViewState view = StartupView();
    EXPECT_EQ(DotBox(view, 3, 0), QRect(34, 78, 4, 4));

    ViewState zoomed = view;
    zoomed.DotRadius = 3;
    zoomed.DotGap = 3;
    // Pitch 9; half the gap moves the dot one pixel further in.
    EXPECT_EQ(DotBox(zoomed, 2, 1), QRect(18 + 18 + 2, 77 + 9 + 2, 6, 6));
}

TEST(PreviewGeometry, DotAtPointTruncatesTowardZero)
{
    const ViewState view = StartupView();
    for (int X = 36; X <= 40; ++X) {
        EXPECT_EQ(DotAtPoint(view, X, 100).col, 3) << "X = " << X;
    }
    EXPECT_EQ(DotAtPoint(view, 34, 100).col, 2);
    // Left of the first dot, truncation toward zero still answers dot 0.
    for (int X = 17; X <= 25; ++X) {
        EXPECT_EQ(DotAtPoint(view, X, 100).col, 0) << "X = " << X;
    }
    // Rows follow the same rule from ViewTop.
    EXPECT_EQ(DotAtPoint(view, 36, 77 + 18).row, 3);
    EXPECT_EQ(DotAtPoint(view, 36, 77 + 16).row, 2);
}

TEST(PreviewGeometry, SnapToCellGoesBackToTheCellStart)
{
    const ViewState view = StartupView();
    const PixelPoint snapped = SnapToCell(view, 36, 77 + 14);
    EXPECT_EQ(snapped.x, 33);
    EXPECT_EQ(snapped.y, 77 + 10);
    EXPECT_EQ(SnapToCell(view, 33, 77).x, 33);
    EXPECT_EQ(SnapToCell(view, 32, 77).x, 28);
}

TEST(PreviewGeometry, StartupSignIsCentredInTheControl)
{
    auto model = SignOfSize(192, 24, 2);
    const ScrollRanges ranges = UpdateViewSize(*model, QSize(996, 274));
    EXPECT_EQ(model->View.ViewWidth, 960);
    EXPECT_EQ(model->View.ViewHeight, 120);
    EXPECT_FALSE(ranges.horizontal.enabled);
    EXPECT_FALSE(ranges.vertical.enabled);

    PlaceView(*model, QSize(996, 274), 40, 7);
    EXPECT_EQ(model->View.ViewLeft, 18);
    EXPECT_EQ(model->View.ViewTop, 77);
}

TEST(PreviewGeometry, PictureLargerThanControlFollowsTheScrollBars)
{
    auto model = SignOfSize(192, 24, 2);
    UpdateViewSize(*model, QSize(500, 274));
    PlaceView(*model, QSize(500, 274), 40, 7);
    EXPECT_EQ(model->View.ViewLeft, -40);
    EXPECT_EQ(model->View.ViewTop, 77);
}

TEST(PreviewGeometry, ScrollBarIsNeededFromExactlyAsWideOn)
{
    auto model = SignOfSize(192, 24, 2);

    const ScrollRanges exact = UpdateViewSize(*model, QSize(960, 120));
    EXPECT_TRUE(exact.horizontal.enabled);
    EXPECT_EQ(exact.horizontal.maximum, 2);
    EXPECT_TRUE(exact.vertical.enabled);
    EXPECT_EQ(exact.vertical.maximum, 2);

    const ScrollRanges wider = UpdateViewSize(*model, QSize(961, 100));
    EXPECT_FALSE(wider.horizontal.enabled);
    EXPECT_TRUE(wider.vertical.enabled);
    EXPECT_EQ(wider.vertical.maximum, 22);
}

TEST(PreviewGeometry, GapWidensToThreeFromRadiusThree)
{
    auto model = SignOfSize(192, 24, 2);
    UpdateViewSize(*model, QSize(996, 274));
    EXPECT_EQ(model->View.DotGap, 1);
    EXPECT_EQ(Pitch(model->View), 5);

    model->View.DotRadius = 3;
    UpdateViewSize(*model, QSize(996, 274));
    EXPECT_EQ(model->View.DotGap, 3);
    EXPECT_EQ(Pitch(model->View), 9);
    EXPECT_EQ(model->View.ViewWidth, 9 * 192);

    // Placing alone also keeps the gap in step with the radius.
    model->View.DotRadius = 2;
    PlaceView(*model, QSize(996, 274), 0, 0);
    EXPECT_EQ(model->View.DotGap, 1);
}

// Brute force over dot boxes: the visible range holds exactly the indices whose box meets the picture.
TEST(PreviewGeometry, VisibleRangesHoldExactlyTheDotsReachingIntoThePicture)
{
    struct Case {
        int radius;
        int gap;
        int origin;
        int extent;
    };
    const Case cases[] = {{2, 1, 18, 996}, {2, 1, -1003, 274}, {1, 1, -2, 10},
                          {3, 3, -4, 50},  {6, 3, 7, 1},       {20, 3, -91, 300}};
    for (const Case &c : cases) {
        ViewState view;
        view.DotRadius = c.radius;
        view.DotGap = c.gap;
        view.ViewLeft = c.origin;
        view.ViewTop = c.origin;
        const IndexRange columns = VisibleColumns(view, c.extent);
        const IndexRange rows = VisibleRows(view, c.extent);
        for (int i = -400; i < 400; ++i) {
            const QRect box = DotBox(view, i, i);
            const bool reaches = box.right() >= 0 && box.left() < c.extent;
            EXPECT_EQ(i >= columns.first && i < columns.end, reaches)
                << "column " << i << ", origin " << c.origin;
            EXPECT_EQ(i >= rows.first && i < rows.end, reaches) << "row " << i << ", origin " << c.origin;
        }
    }
}

TEST(PreviewGeometry, VisibleGridLinesStayInsideThePictureAndTheSign)
{
    ViewState view;
    view.DotRadius = 3;
    view.DotGap = 3;
    // Lines every 72 pixels from -100: k = 2 at 44 is the first inside, k = 5 at 260 the last before 274.
    view.ViewLeft = -100;
    view.ViewTop = -100;
    EXPECT_EQ(VisibleGridColumns(view, 1024, 274).first, 2);
    EXPECT_EQ(VisibleGridColumns(view, 1024, 274).end, 6);
    // A sign 24 dots high has lines k = 0..3 only.
    EXPECT_EQ(VisibleGridRows(view, 24, 274).end, 4);
    // The line at k = 0 sits on the picture's first pixel.
    view.ViewLeft = 0;
    EXPECT_EQ(VisibleGridColumns(view, 192, 996).first, 0);
    EXPECT_EQ(VisibleGridColumns(view, 192, 996).end, 14);
}

} // namespace
