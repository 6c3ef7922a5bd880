#include "EditorFixture.h"

#include "app/BusImageView.h"
#include "app/LinePlayer.h"
#include "io/ProjectFiles.h"
#include "preview/PreviewGeometry.h"
#include "support/ProjectFileSamples.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

// Line 1 is frame 1; line 2 is frames 2..4 with times 1, 2 and 3. Frame f lights dot (f, 0) only, so the
// lit dot on the preview says which frame shows. Row 3 is current; the player's clock is the test's.
class Play : public EditorFixture {
protected:
    void SetUp() override
    {
        startIn({});
        QApplication::setActiveWindow(&window());
        auto model = std::make_unique<ProjectModel>();
        ApplyStartupProject(*model);
        for (int frame = 1; frame <= 4; ++frame) {
            if (frame > 1) {
                AppendFrame(*model);
            }
            model->FrameDots.set(frame - 1, frame, 0, 1);
        }
        model->ChangeFlag[1] = model->ChangeFlag[2] = 1;
        RenumberLines(*model);
        for (int row = 2; row <= 4; ++row) {
            model->Cells.setCell(ColTime, row, QString::number(row - 1));
        }
        const QString file = fontDir.filePath(QStringLiteral("lines.nkv"));
        ASSERT_TRUE(SaveProject(*model, file).ok());
        prompts.queueFile({file, 0});
        window().FileOpen1->trigger();
        window().StringGridSelectCell(2, 3);
        ASSERT_EQ(project().CurFrame, 2);
        window().findChild<LinePlayer *>()->setClock([this] { return now; });
    }
    const ProjectModel &project() { return window().project(); }
    QString status() { return window().StatusBar1[3]->text(); }
    void pressKey(Qt::Key key) { QTest::keyClick(window().StringGrid, key); }
    // The player's timer fires once the clock has reached `ms`.
    void advanceTo(qint64 ms)
    {
        now = ms;
        window().findChild<LinePlayer *>()->advance();
    }
    QPoint dotCentre(int col, int row)
    {
        const int radius = project().View.DotRadius;
        return DotBox(project().View, col, row).topLeft() + QPoint(radius, radius);
    }
    // The frame whose dot is lit on the preview; 0 when none or several are.
    int shownFrame()
    {
        int shown = 0;
        for (int frame = 1; frame <= 4; ++frame) {
            if (window().BusImage->picture().pixel(dotCentre(frame, 0)) == 0xFFFFFFFF) {
                shown = shown == 0 ? frame : -1;
            }
        }
        return std::max(shown, 0);
    }

    qint64 now = 0;
};

TEST_F(Play, PlaysTheCurrentLineInOrderForItsTimesAndLeavesTheProjectUntouched)
{
    const QByteArray before = SavedBytes(project());
    pressKey(Qt::Key_F5);
    EXPECT_TRUE(window().Play1->isChecked());
    const std::vector<std::tuple<qint64, int, QString>> expected = {
        {0, 2, "Line 002  frame 1/3  1 s"},    {999, 2, "Line 002  frame 1/3  1 s"},
        {1000, 3, "Line 002  frame 2/3  2 s"}, {3000, 4, "Line 002  frame 3/3  3 s"},
        {6000, 2, "Line 002  frame 1/3  1 s"}, {7500, 3, "Line 002  frame 2/3  2 s"}};
    for (const auto &[ms, frame, text] : expected) {
        advanceTo(ms);
        EXPECT_EQ(shownFrame(), frame) << ms << " ms";
        EXPECT_EQ(status(), text);
    }
    EXPECT_EQ(project().CurFrame, 2);
    EXPECT_EQ(project().SelRow, 3);

    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(window().Play1->isChecked());
    EXPECT_EQ(shownFrame(), 3) << "the current frame shows again";
    EXPECT_EQ(status(), "");
    EXPECT_EQ(SavedBytes(project()), before);

    window().StringGridSelectCell(2, 1);
    window().Play1->trigger();
    EXPECT_EQ(status(), "Line 001  frame 1/1") << "a one-frame line simply shows";
    EXPECT_EQ(shownFrame(), 1);
}

TEST_F(Play, F5AClickOrACommandStopsPlayingWithoutActingButZoomKeepsIt)
{
    window().Pen1->trigger();
    pressKey(Qt::Key_F5);
    advanceTo(1000);
    window().ZoomIn->trigger();
    EXPECT_TRUE(window().Play1->isChecked());
    EXPECT_EQ(shownFrame(), 3) << "the played frame at the new zoom";

    QTest::mouseClick(window().BusImage, Qt::LeftButton, {}, dotCentre(10, 5));
    EXPECT_FALSE(window().Play1->isChecked());
    EXPECT_EQ(project().FrameDots.at(2, 10, 5), 0) << "the click that stopped drew no dot";
    QTest::mouseClick(window().BusImage, Qt::LeftButton, {}, dotCentre(10, 5));
    EXPECT_EQ(project().FrameDots.at(2, 10, 5), 1) << "the next click draws";

    window().Play1->trigger();
    QTableView &list = *window().StringGrid;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(0, 2)).center());
    EXPECT_FALSE(window().Play1->isChecked());
    EXPECT_EQ(project().SelRow, 3) << "the click that stopped selected nothing";
    EXPECT_EQ(shownFrame(), 3) << "the current frame shows again";

    window().Play1->trigger();
    pressKey(Qt::Key_F5);
    EXPECT_FALSE(window().Play1->isChecked());

    window().Play1->trigger();
    QTest::mouseClick(window().btnAdd, Qt::LeftButton);
    EXPECT_FALSE(window().Play1->isChecked());
    EXPECT_EQ(project().FrameCount, 5);
    window().Play1->trigger();
    window().Pen1->trigger();
    EXPECT_FALSE(window().Play1->isChecked());
    EXPECT_EQ(status(), "");

    // A stroke held while F5 starts playing ends with its release: one finished step, undone alone.
    window().Pen1->trigger();
    QTest::mousePress(window().BusImage, Qt::LeftButton, {}, dotCentre(12, 5));
    pressKey(Qt::Key_F5);
    QTest::mouseRelease(window().BusImage, Qt::LeftButton, {}, dotCentre(12, 5));
    EXPECT_TRUE(window().Undo1->isEnabled());
    pressKey(Qt::Key_Escape);
    QTest::mouseClick(window().btnAdd, Qt::LeftButton);
    window().Undo1->trigger();
    EXPECT_EQ(project().FrameCount, 5);
    window().Undo1->trigger();
    EXPECT_EQ(project().FrameCount, 5);
    EXPECT_EQ(project().FrameDots.at(2, 12, 5), 0);
}

} // namespace
