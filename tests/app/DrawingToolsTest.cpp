#include "EditorFixture.h"

#include "app/BusImageView.h"
#include "preview/PreviewGeometry.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

class DrawingTools : public EditorFixture {
protected:
    void SetUp() override
    {
        startIn({});
        QApplication::setActiveWindow(&window());
    }
    const ProjectModel &project() { return window().project(); }
    QWidget *preview() { return window().BusImage; }
    // The centre of dot (col, row) on the preview: where both pointer rules find that dot.
    QPoint dotCentre(int col, int row)
    {
        const int radius = project().View.DotRadius;
        return DotBox(project().View, col, row).topLeft() + QPoint(radius, radius);
    }
    bool lit(int col, int row) { return project().FrameDots.at(project().CurFrame, col, row) == 1; }
    QRgb pixelAt(QPoint point) { return window().BusImage->picture().pixel(point); }
};

TEST_F(DrawingTools, ThePenSetsAndErasesDotsOnThePreview)
{
    window().Pen1->trigger();
    EXPECT_TRUE(window().Pen1->isChecked());
    EXPECT_FALSE(window().PointerTool->isChecked());
    QTest::mouseClick(preview(), Qt::LeftButton, {}, dotCentre(10, 5));
    EXPECT_TRUE(lit(10, 5));
    EXPECT_EQ(pixelAt(dotCentre(10, 5)), qRgb(255, 255, 255));
    QTest::mouseClick(preview(), Qt::RightButton, {}, dotCentre(10, 5));
    EXPECT_FALSE(lit(10, 5));
    EXPECT_EQ(pixelAt(dotCentre(10, 5)), qRgb(0, 0, 0));

    window().Pen1->trigger();
    EXPECT_TRUE(window().PointerTool->isChecked()) << "turning the pen off presses the pointer";
}

TEST_F(DrawingTools, ALiftedRegionEnablesCutAndCopyAndTheKeysReachThem)
{
    window().Pen1->trigger();
    QTest::mouseClick(preview(), Qt::LeftButton, {}, dotCentre(3, 3));
    window().Select1->trigger();
    EXPECT_TRUE(window().Select1->isChecked());
    EXPECT_FALSE(window().Pen1->isChecked());

    QTest::mousePress(preview(), Qt::LeftButton, {}, dotCentre(2, 2));
    QTest::mouseMove(preview(), dotCentre(4, 4));
    QTest::mouseRelease(preview(), Qt::LeftButton, {}, dotCentre(5, 5));
    EXPECT_TRUE(project().Tools.RegionFloat);
    EXPECT_FALSE(lit(3, 3));
    EXPECT_EQ(pixelAt(dotCentre(3, 3)), qRgb(64, 255, 64)) << "the lifted dot floats in green";
    EXPECT_TRUE(window().Cut1->isEnabled());
    EXPECT_TRUE(window().Copy1->isEnabled());
    EXPECT_FALSE(window().Paste->isEnabled());

    QTest::mouseMove(preview(), dotCentre(3, 3));
    EXPECT_EQ(preview()->cursor().shape(), Qt::SizeAllCursor);

    window().StringGrid->setFocus();
    QTest::keyClick(window().StringGrid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(lit(3, 3)) << "Copy drops the region where it lies";
    EXPECT_TRUE(window().Paste->isEnabled());

    QTest::keyClick(window().StringGrid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(window().PointerTool->isChecked()) << "placing selects the pointer tool";
    EXPECT_FALSE(window().Cut1->isEnabled());
    QTest::mouseMove(preview(), dotCentre(40, 10));
    QTest::mouseClick(preview(), Qt::LeftButton, {}, dotCentre(40, 10));
    EXPECT_TRUE(lit(40 - 8 + 1, 10 - 8 + 1)) << "the picture's dot (8, 8) lies under the pointer";
}

TEST_F(DrawingTools, PlacingShowsThePictureOverDarkDotsAndARightClickAbandonsIt)
{
    window().enterPlacing([](DotPlane &floatDots) { floatDots.set(8, 8, 1); });
    QTest::mouseMove(preview(), dotCentre(20, 12));
    EXPECT_EQ(pixelAt(dotCentre(20, 12)), qRgb(64, 255, 64));
    QTest::mouseClick(preview(), Qt::RightButton, {}, dotCentre(20, 12));
    EXPECT_FALSE(project().Tools.PlaceMode);
    EXPECT_FALSE(lit(20, 12));
    EXPECT_EQ(pixelAt(dotCentre(20, 12)), qRgb(0, 0, 0));
}

TEST_F(DrawingTools, AnEmptiedListTakesNoDrawingAndSaysWhy)
{
    window().enterPlacing([](DotPlane &floatDots) { floatDots.set(8, 8, 1); });
    QTest::mouseMove(preview(), dotCentre(20, 12));
    window().btnDelect->click(); // the only frame
    EXPECT_EQ(pixelAt(dotCentre(20, 12)), qRgb(0, 0, 0)) << "the preview stays dark";
    QTest::mouseClick(preview(), Qt::LeftButton, {}, dotCentre(20, 12));
    EXPECT_FALSE(lit(20, 12));
    EXPECT_EQ(window().StatusBar1[0]->text(), "The list is empty: add a frame with New");
    QApplication::sendPostedEvents();
    QLabel &panel = *window().StatusBar1[0];
    EXPECT_GE(panel.width(), panel.fontMetrics().horizontalAdvance(panel.text())) << "read whole";
    window().btnAdd->click();
    EXPECT_EQ(window().StatusBar1[0]->text(), "") << "said no longer once the list has a frame";
}

} // namespace
