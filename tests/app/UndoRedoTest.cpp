#include "EditorFixture.h"

#include "app/BusImageView.h"
#include "app/TextEditPage.h"
#include "dialogs/TfmStart.h"
#include "io/ProjectFiles.h"
#include "preview/PreviewGeometry.h"
#include "support/ProjectFileSamples.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>

namespace {

class UndoRedo : public EditorFixture {
protected:
    void SetUp() override
    {
        startIn({});
        QApplication::setActiveWindow(&window());
    }
    const ProjectModel &project() { return window().project(); }
    QPoint dotCentre(int col, int row)
    {
        const int radius = project().View.DotRadius;
        return DotBox(project().View, col, row).topLeft() + QPoint(radius, radius);
    }
    bool lit(int col, int row) { return project().FrameDots.at(project().CurFrame, col, row) == 1; }
    void pressKeys(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        target->setFocus();
        QTest::keyClick(target, key, modifiers);
    }
};

TEST_F(UndoRedo, MenuToolBarAndKeysUndoAndRedoWhatTheirHintsName)
{
    TFmVelmora &w = window();
    EXPECT_FALSE(w.Undo1->isEnabled());
    EXPECT_FALSE(w.Redo1->isEnabled());
    EXPECT_EQ(w.Undo1->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(w.Redo1->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    w.Pen1->trigger();
    QTest::mousePress(w.BusImage, Qt::LeftButton, {}, dotCentre(3, 3));
    EXPECT_FALSE(w.Undo1->isEnabled()) << "not in the middle of a stroke";
    QTest::mouseMove(w.BusImage, dotCentre(4, 3));
    QTest::mouseRelease(w.BusImage, Qt::LeftButton, {}, dotCentre(4, 3));
    ASSERT_TRUE(lit(3, 3) && lit(4, 3));
    w.btnAdd->click();
    EXPECT_EQ(w.Undo1->toolTip(), "Undo New frame 2");
    EXPECT_EQ(w.Undo1->statusTip(), "Undo New frame 2");

    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_EQ(project().FrameCount, 1);
    EXPECT_EQ(w.StringGrid->model()->rowCount(), 1);
    EXPECT_EQ(w.Redo1->toolTip(), "Redo New frame 2");
    w.ToolBar1->findChild<QWidget *>("ToolButton16")->setFocus();
    QTest::mouseClick(w.ToolBar1->findChild<QWidget *>("ToolButton16"), Qt::LeftButton);
    EXPECT_FALSE(lit(3, 3) || lit(4, 3)) << "the whole stroke is one step";
    EXPECT_FALSE(w.Undo1->isEnabled());
    EXPECT_EQ(w.Undo1->statusTip(), "Nothing to undo");

    pressKeys(w.StringGrid, Qt::Key_Y);
    EXPECT_TRUE(lit(3, 3) && lit(4, 3));
    pressKeys(w.StringGrid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(project().FrameCount, 2);
    EXPECT_FALSE(w.Redo1->isEnabled());

    const QString file = fontDir.filePath(QStringLiteral("p.nkv"));
    ASSERT_TRUE(SaveProject(project(), file).ok());
    prompts.queueFile({file, 0});
    w.FileOpen1->trigger();
    EXPECT_EQ(w.Undo1->toolTip(), "Undo Open p.nkv") << "opening is a step";
}

TEST_F(UndoRedo, AFocusedTextFieldKeepsItsOwnUndoKeys)
{
    window().btnAdd->click();
    QLineEdit &field = *window().TextEdit->editTextUp;
    field.setFocus();
    QTest::keyClicks(&field, QStringLiteral("AB"));
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "") << "the field undid its typing";
    QTest::keyClick(&field, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "AB") << "and redid it";

    QComboBox &selector = *window().TextEdit->ComboBox2; // an editable selector is a text field too
    selector.setFocus();
    selector.lineEdit()->selectAll();
    QTest::keyClicks(&selector, QStringLiteral("9"));
    QTest::keyClick(&selector, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(selector.currentText(), "5  X  7");
    EXPECT_EQ(project().FrameCount, 2) << "the project's New frame stays";
}

// The project before New or Open comes back whole: saved again it gives the same file.
TEST_F(UndoRedo, NewAndOpenAreStepsThatGiveTheProjectBeforeThemBack)
{
    TFmVelmora &w = window();
    w.Pen1->trigger();
    QTest::mouseClick(w.BusImage, Qt::LeftButton, {}, dotCentre(3, 3));
    w.btnAdd->click();
    w.ZoomIn->trigger();
    const QString before = fontDir.filePath(QStringLiteral("before.nkv"));
    prompts.queueFile({before, 0});
    w.FileSave1->trigger();
    auto shown = [&w] {
        return QStringList{w.windowTitle(), w.StatusBar1[1]->text(), w.StatusBar1[2]->text()};
    };
    const QStringList shownBefore = shown();

    prompts.queueDialogAnswer([](QDialog &dialog) { dynamic_cast<TfmStart &>(dialog).OKButton->click(); });
    w.FileNew1->trigger();
    ASSERT_EQ(project().WidthDot, 128);
    const QStringList shownNew = shown();
    EXPECT_EQ(w.Undo1->toolTip(), "Undo New project");
    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_EQ(shown(), shownBefore);
    EXPECT_EQ(project().View.DotRadius, 3) << "the zoom comes back too";
    EXPECT_EQ(project().FrameCount, 2);
    const QString undone = fontDir.filePath(QStringLiteral("undone.nkv"));
    ASSERT_TRUE(SaveProject(project(), undone).ok());
    EXPECT_EQ(ReadFileBytes(undone), ReadFileBytes(before));
    pressKeys(w.StringGrid, Qt::Key_Y);
    EXPECT_EQ(project().WidthDot, 128);
    EXPECT_EQ(shown(), shownNew);

    prompts.queueFile({fontDir.filePath(QStringLiteral("missing.nkv")), 0});
    w.FileOpen1->trigger();
    EXPECT_EQ(prompts.messages.size(), 1) << "a file that cannot be read is said so";
    EXPECT_EQ(w.Undo1->toolTip(), "Undo New project") << "and is no step";
    EXPECT_EQ(shown(), shownNew);
    prompts.queueFile({before, 0});
    w.FileOpen1->trigger();
    EXPECT_EQ(project().WidthDot, 192);
    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_EQ(shown(), shownNew);
    EXPECT_EQ(project().WidthDot, 128);
    EXPECT_EQ(project().FileName, "");
    pressKeys(w.StringGrid, Qt::Key_Z);
    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_EQ(project().FrameCount, 1) << "the steps before New are undone in turn";
    EXPECT_TRUE(lit(3, 3));
}

TEST_F(UndoRedo, UndoWhilePlacingOnlyEndsThePlacing)
{
    TFmVelmora &w = window();
    w.Pen1->trigger();
    QTest::mouseClick(w.BusImage, Qt::LeftButton, {}, dotCentre(3, 3));
    w.enterPlacing([](DotPlane &picture) { picture.set(8, 8, 1); });
    QTest::mouseMove(w.BusImage, dotCentre(20, 10));
    EXPECT_EQ(w.Undo1->toolTip(), "Undo Placing");
    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_FALSE(project().Tools.PlaceMode);
    EXPECT_TRUE(lit(3, 3)) << "the stroke before stays";
    EXPECT_FALSE(lit(20, 10)) << "nothing stamped";
    EXPECT_EQ(w.Undo1->toolTip(), "Undo Pen stroke");
    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_FALSE(lit(3, 3));

    w.enterPlacing([](DotPlane &picture) { picture.set(8, 8, 1); });
    EXPECT_TRUE(w.Undo1->isEnabled()) << "with no step left, Undo still ends placing";
    pressKeys(w.StringGrid, Qt::Key_Z);
    EXPECT_FALSE(project().Tools.PlaceMode);
}

} // namespace

// Keys still work the list while a button is held on the preview (Space on a focused list button, the
// arrows in the list): each list change is a step of its own between the parts of the stroke.
TEST_F(UndoRedo, ListChangesDuringAHeldStrokeAreStepsOfTheirOwn)
{
    TFmVelmora &w = window();
    w.btnAdd->click();
    w.StringGridSelectCell(2, 1);
    w.Pen1->trigger();
    QTest::mousePress(w.BusImage, Qt::LeftButton, {}, dotCentre(3, 3));
    w.btnDelect->click();
    QTest::mouseMove(w.BusImage, dotCentre(4, 3));
    QTest::mouseRelease(w.BusImage, Qt::LeftButton, {}, dotCentre(4, 3));
    ASSERT_EQ(project().FrameCount, 1);
    EXPECT_TRUE(lit(4, 3));
    for (const char *label : {"Pen stroke", "Delete frame 1", "Pen stroke"}) {
        EXPECT_EQ(w.Undo1->toolTip(), QStringLiteral("Undo ") + label);
        w.Undo1->trigger();
    }
    EXPECT_EQ(project().FrameCount, 2);
    EXPECT_FALSE(project().FrameDots.at(0, 3, 3) || project().FrameDots.at(1, 4, 3));
}
