#include "EditorFixture.h"

#include "dialogs/DigitsOnlyField.h"
#include "dialogs/TfmNote.h"
#include "dialogs/TfmSecond.h"
#include "support/QtPrinters.h"

#include <QPushButton>
#include <QTableView>

namespace {

class FrameListWindow : public EditorFixture {
protected:
    void SetUp() override { startIn({}); }

    QString cell(int row, int column) { return grid().model()->index(row - 1, column).data().toString(); }
    int rows() { return grid().model()->rowCount(); }
    QTableView &grid() { return *window().StringGrid; }
    void clickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect place = grid().visualRect(grid().model()->index(row - 1, column));
        QTest::mouseClick(grid().viewport(), button, {}, place.center());
    }
    // Answers the next note or delay dialog by typing into its field as the operator would.
    template <typename Dialog> void answerDialog(std::function<void(Dialog &)> typing)
    {
        prompts.queueDialogAnswer([typing](QDialog &dialog) {
            auto &typed = dynamic_cast<Dialog &>(dialog);
            typed.show();
            typing(typed);
        });
    }
};

TEST_F(FrameListWindow, NewTwiceAddsNumberedRows)
{
    window().btnAdd->click();
    window().btnAdd->click();
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(3, 0), "003");
    EXPECT_EQ(cell(3, 1), "003");
    EXPECT_EQ(cell(3, 2), "003");
}

TEST_F(FrameListWindow, ClickingTheSelectedChangeCellTogglesTheMark)
{
    window().btnAdd->click();
    clickCell(1, 3); // selects
    EXPECT_EQ(cell(1, 3), "");
    clickCell(1, 3); // edits
    EXPECT_EQ(cell(1, 3), "V");
    EXPECT_EQ(cell(1, 4), "3");
    EXPECT_EQ(cell(2, 4), "3");
    EXPECT_EQ(cell(2, 1), "");
    clickCell(1, 3);
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(2, 1), "002");
}

TEST_F(FrameListWindow, OnlyTheLeftButtonSelectsOrEditsACell)
{
    window().btnAdd->click();
    clickCell(1, 3); // selects the Change cell of row 1
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        clickCell(1, 3, button);
        QTest::mouseDClick(grid().viewport(), button, {},
                           grid().visualRect(grid().model()->index(0, 4)).center());
        clickCell(2, 2, button);
    }
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(1, 4), "");
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(window().project().SelRow, 1);
    EXPECT_EQ(window().project().SelCol, 3);
    EXPECT_EQ(window().project().CurFrame, 0);
}

TEST_F(FrameListWindow, SelectingARowMakesItsFrameCurrent)
{
    window().btnAdd->click();
    window().btnAdd->click();
    clickCell(3, 2);
    EXPECT_EQ(window().project().CurFrame, 2);
    EXPECT_EQ(window().project().SelRow, 3);
    QTest::keyClick(&grid(), Qt::Key_Up);
    EXPECT_EQ(window().project().CurFrame, 1);
    clickCell(2, 0); // a fixed column cannot be selected
    EXPECT_EQ(window().project().SelCol, 2);
}

TEST_F(FrameListWindow, TheNoteDialogTakesDigitsFromBothKeyboardsOnly)
{
    answerDialog<TfmNote>([](TfmNote &note) {
        note.Edit1->clear();
        note.Edit1->showAccepted(QString());
        QTest::keyClicks(note.Edit1, QStringLiteral("4a2"));
        QTest::keyClick(note.Edit1, Qt::Key_7, Qt::KeypadModifier);
        QTest::keyClick(note.Edit1, Qt::Key_Return);
    });
    clickCell(1, 2); // already selected at start-up: edits
    EXPECT_EQ(prompts.shown, QStringList({"fmNote"}));
    EXPECT_EQ(cell(1, 2), "427");
}

TEST_F(FrameListWindow, AnEmptiedBoardNumberIsWrittenAndCancelKeepsTheCell)
{
    answerDialog<TfmNote>([](TfmNote &note) {
        note.Edit1->selectAll();
        QTest::keyClick(note.Edit1, Qt::Key_Backspace);
        note.OKButton->click();
    });
    clickCell(1, 2);
    EXPECT_EQ(cell(1, 2), "");

    answerDialog<TfmNote>([](TfmNote &note) {
        QTest::keyClicks(note.Edit1, QStringLiteral("9"));
        note.CancelButton->click();
    });
    clickCell(1, 2);
    EXPECT_EQ(cell(1, 2), "");
}

TEST_F(FrameListWindow, TheDelayDialogRefusesKeypadDigitsAndGivesZeroWhenEmpty)
{
    window().btnAdd->click();
    clickCell(1, 3);
    clickCell(1, 3); // frames 1 and 2 form a line with times "3"
    answerDialog<TfmSecond>([](TfmSecond &delay) {
        EXPECT_EQ(delay.Edit1->text(), "3");
        QTest::keyClick(delay.Edit1, Qt::Key_5, Qt::KeypadModifier);
        EXPECT_EQ(delay.Edit1->text(), "3");
        QTest::keyClicks(delay.Edit1, QStringLiteral("0"));
        QTest::keyClick(delay.Edit1, Qt::Key_Return);
    });
    clickCell(2, 4);
    clickCell(2, 4);
    EXPECT_EQ(cell(2, 4), "30");

    answerDialog<TfmSecond>([](TfmSecond &delay) {
        delay.Edit1->selectAll();
        QTest::keyClick(delay.Edit1, Qt::Key_Backspace);
        delay.OKButton->click();
    });
    clickCell(2, 4);
    EXPECT_EQ(cell(2, 4), "0");
}

TEST_F(FrameListWindow, TheDelayDialogShowsTheWholeTimeAndTakesOnlyZeroTo255)
{
    TfmSecond delay(prompts);
    delay.Seconds = 1234567890; // as a file may give it
    delay.show();
    EXPECT_EQ(delay.Edit1->text(), "1234567890");
    delay.OKButton->click();
    EXPECT_TRUE(delay.isVisible()) << "refused: the dialog stays open";
    EXPECT_FALSE(delay.OKPressed);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.constFirst().contains("from 0 to 255"))
        << prompts.messages.constFirst().toStdString();

    delay.Edit1->selectAll();
    QTest::keyClicks(delay.Edit1, QStringLiteral("255"));
    delay.OKButton->click();
    EXPECT_FALSE(delay.isVisible());
    EXPECT_TRUE(delay.OKPressed);
    EXPECT_EQ(delay.Seconds, 255);
}

TEST_F(FrameListWindow, PastedLettersNeverReachADigitsOnlyField)
{
    DigitsOnlyField field(true);
    field.showAccepted(QStringLiteral("12"));
    field.insert(QStringLiteral("x9")); // as a paste from the field's menu does
    EXPECT_EQ(field.text(), "12");
    field.insert(QStringLiteral("34"));
    EXPECT_EQ(field.text(), "1234");
}

TEST_F(FrameListWindow, DeletingTheLastRowSelectsTheNewLastRow)
{
    window().btnAdd->click();
    window().btnAdd->click();
    clickCell(3, 2);
    window().btnDelect->click();
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(window().project().SelRow, 2);
    EXPECT_EQ(window().project().CurFrame, 1);
    EXPECT_EQ(grid().currentIndex().row(), 1);
}

TEST_F(FrameListWindow, TheFiveHundredAndFirstFrameIsRefusedWithAMessage)
{
    for (int frame = 1; frame < 500; ++frame) {
        window().btnAdd->click();
    }
    ASSERT_EQ(rows(), 500);
    EXPECT_TRUE(prompts.messages.isEmpty());
    window().btnAdd->click();
    EXPECT_EQ(prompts.messages, QStringList({"The Max of the Frames is 500!!"}));
    EXPECT_EQ(rows(), 500);
}

TEST_F(FrameListWindow, AnEmptiedListComesBackWithNew)
{
    window().btnDelect->click();
    EXPECT_EQ(rows(), 0);
    window().btnInsert->click();
    window().btnCut->click();
    EXPECT_EQ(rows(), 0);
    window().btnAdd->click();
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(1, 0), "001");
    EXPECT_EQ(grid().currentIndex().row(), 0);
}

} // namespace
