#include "EditorFixture.h"

#include "app/TAboutBox.h"
#include "app/TextEditPage.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableView>
#include <QToolBar>

namespace {

class Commands : public EditorFixture {
protected:
    void SetUp() override
    {
        startIn({});
        QApplication::setActiveWindow(&window());
    }
    QStringList menuTexts(const QString &menuName)
    {
        QStringList texts;
        for (const QAction *item : window().findChild<QMenu *>(menuName)->actions()) {
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        return texts;
    }
};

TEST_F(Commands, MenusHoldTheirItemsWithDeleteHidden)
{
    EXPECT_EQ(menuTexts("File1"), QStringList({"&New", "&Open", "&Save", "-", "E&xit"}));
    EXPECT_EQ(menuTexts("Edit1"), QStringList({"&Undo", "&Redo", "-", "&Cut", "Copy", "Past", "Delete"}));
    EXPECT_FALSE(window().findChild<QMenu *>("Edit1")->actions().last()->isVisible());
    EXPECT_EQ(menuTexts("Option1"), QStringList({"Pen", "Select", "-", "Play"}));
    EXPECT_EQ(menuTexts("Help1"), QStringList({"Download Record...", "&About..."}));
    EXPECT_EQ(window().FileNew1->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(window().FileSave1->toolTip(), "Save");
    EXPECT_EQ(window().FileSave1->statusTip(), "Save current file");
}

TEST_F(Commands, TheLongHintOfTheControlUnderTheMouseShowsInTheFirstPanel)
{
    QWidget *newButton = window().ToolBar1->widgetForAction(window().FileNew1);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(newButton, &enter);
    EXPECT_EQ(window().StatusBar1[0]->text(), "Create a new file");
    EXPECT_EQ(window().StatusBar1[1]->text(), "192 Dot X 24 Dot") << "the other panels stay";
}

TEST_F(Commands, EditKeysActOnAFocusedTextFieldAndReachTheRegionCommandsOtherwise)
{
    QSignalSpy cut(window().Cut1, &QAction::triggered);
    QSignalSpy remove(window().Delete1, &QAction::triggered);
    window().Cut1->setEnabled(true);

    QLineEdit &field = *window().TextEdit->editTextUp;
    field.setFocus();
    field.setText(QStringLiteral("ABC"));
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "") << "Ctrl+X cut the text";
    field.setText(QStringLiteral("ABC"));
    field.setCursorPosition(0);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "BC");

    QComboBox &selector = *window().TextEdit->ComboBox2; // an editable selector is a text field too
    selector.setFocus();
    selector.lineEdit()->selectAll();
    QTest::keyClick(&selector, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(selector.currentText(), "");
    EXPECT_EQ(cut.count(), 0);
    EXPECT_EQ(remove.count(), 0);

    window().StringGrid->setFocus();
    QTest::keyClick(window().StringGrid, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(window().StringGrid, Qt::Key_Delete);
    EXPECT_EQ(cut.count(), 1) << "Ctrl+X reached Cut, once";
    EXPECT_EQ(remove.count(), 1) << "Del reached the hidden Delete, once";
}

TEST_F(Commands, AboutShowsTheAboutBoxAndExitClosesTheWindow)
{
    window().HelpAbout1->trigger();
    EXPECT_EQ(prompts.shown, QStringList({"AboutBox"}));
    QStringList lines;
    for (const QLabel *label : forms->AboutBox->findChildren<QLabel *>()) {
        lines << label->text();
    }
    EXPECT_TRUE(lines.contains("KV  Velmora"));
    EXPECT_TRUE(lines.contains("Version  1.0"));
    EXPECT_EQ(forms->AboutBox->windowTitle(), "About");

    prompts.queueYesNoCancel(SaveAnswer::No);
    window().FileExit1->trigger();
    EXPECT_FALSE(window().isVisible());
}

} // namespace
