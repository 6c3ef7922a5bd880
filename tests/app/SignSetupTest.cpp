#include "EditorFixture.h"

#include "app/BusImageView.h"
#include "dialogs/TfmStart.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

class SignSetupWindow : public EditorFixture {
protected:
    void SetUp() override { startIn({}); }

    // Runs New with the setup dialog shown and handled by `operate` as the operator would.
    void runNew(std::function<void(TfmStart &)> operate)
    {
        prompts.queueDialogAnswer([operate](QDialog &dialog) {
            auto &setup = dynamic_cast<TfmStart &>(dialog);
            setup.show();
            operate(setup);
        });
        window().FileNew1->trigger();
    }
    static void typeInto(QComboBox &list, const QString &text)
    {
        QTest::keyClick(list.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(list.lineEdit(), text);
    }
    static void clickModule(TfmStart &setup, int module)
    {
        QListWidget &list = *setup.ListBox1;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(module - 1)).center());
    }
    static std::vector<int> colorsOf(const TfmStart &setup)
    {
        return {setup.LedColor.begin(), setup.LedColor.begin() + setup.ListBox1->count()};
    }
    const ProjectModel &project() { return window().project(); }
};

TEST_F(SignSetupWindow, FirstNewWithOkGivesTheDialogsDefaultSign)
{
    runNew([](TfmStart &setup) {
        EXPECT_EQ(setup.size(), QSize(232, 274));
        EXPECT_EQ(setup.windowTitle(), "Setup");
        EXPECT_EQ(setup.ComboBox1->currentText(), "16 X 16");
        EXPECT_EQ(setup.ComboBox2->currentText(), "8");
        EXPECT_EQ(setup.ComboBox2->count(), 16);
        EXPECT_EQ(setup.ListBox1->count(), 8);
        EXPECT_EQ(setup.ListBox1->currentRow(), -1) << "no module selected";
        setup.ColorButtons[2]->click(); // Green, with no module selected
        EXPECT_EQ(colorsOf(setup), (std::vector<int>{0, 0, 0, 1, 1, 0, 0, 0}));
        setup.OKButton->click();
    });
    EXPECT_EQ(project().WidthDot, 128);
    EXPECT_EQ(project().HeightDot, 16);
    EXPECT_EQ(window().StatusBar1[1]->text(), "128Dot X 16Dot");
    EXPECT_EQ(window().StatusBar1[2]->text(), QString::fromUtf8("16X16 X 8(片)"));
    EXPECT_EQ(project().dotColor(3 * 16, 0), LedColorValue::Red);
    EXPECT_EQ(project().dotColor(5 * 16, 0), LedColorValue::Yellow);
    EXPECT_EQ(window().windowTitle(), "Velmora");
}

TEST_F(SignSetupWindow, ChangedNumberRecoloursModulesAndTheChoicesAreShownAgain)
{
    runNew([](TfmStart &setup) {
        typeInto(*setup.ComboBox1, "32 X 48");
        typeInto(*setup.ComboBox2, "1");
        EXPECT_EQ(setup.ListBox1->count(), 1);
        QTest::keyClicks(setup.ComboBox2->lineEdit(), "6");
        EXPECT_EQ(colorsOf(setup), std::vector<int>(16, 0)) << "every module yellow again";
        EXPECT_EQ(setup.ListBox1->currentRow(), 0);
        EXPECT_TRUE(setup.ColorButtons[0]->isChecked());
        clickModule(setup, 3);
        setup.ColorButtons[4]->click(); // White
        clickModule(setup, 1);
        EXPECT_TRUE(setup.ColorButtons[0]->isChecked());
        clickModule(setup, 3);
        EXPECT_TRUE(setup.ColorButtons[4]->isChecked());
        QTest::keyClick(setup.ComboBox2->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(setup.LedColor[2], 4) << "Enter changes no number";
        setup.OKButton->click();
    });
    EXPECT_EQ(project().WidthDot, 512);
    EXPECT_EQ(project().HeightDot, 48);
    EXPECT_EQ(window().StatusBar1[1]->text(), "512Dot X 48Dot");
    EXPECT_EQ(window().StatusBar1[2]->text(), QString::fromUtf8("32X48 X 16(片)"));
    EXPECT_EQ(project().LedColor[2], 4);

    window().btnAdd->click();
    runNew([](TfmStart &setup) {
        EXPECT_FALSE(setup.OKPressed) << "reset on every show";
        EXPECT_EQ(setup.ComboBox1->currentText(), "32 X 48");
        EXPECT_EQ(setup.ComboBox2->currentText(), "16");
        EXPECT_EQ(setup.LedColor[2], 4);
        setup.CancelButton->click();
    });
    EXPECT_EQ(project().FrameCount, 2) << "Cancel changes nothing";
}

TEST_F(SignSetupWindow, InputThatMakesNoSignIsRefusedInTheDialog)
{
    window().btnAdd->click();
    runNew([this](TfmStart &setup) {
        typeInto(*setup.ComboBox2, "x");
        EXPECT_EQ(prompts.messages, QStringList{"'x' is not a valid integer value"});
        EXPECT_EQ(setup.ListBox1->count(), 0);
        typeInto(*setup.ComboBox2, "20");
        EXPECT_EQ(setup.ListBox1->count(), 0) << "no modules beyond 16, and no message while typing a number";
        setup.OKButton->click();
        EXPECT_EQ(prompts.messages.constLast(), "The LED Number must be from 1 to 16, not 20.");
        typeInto(*setup.ComboBox2, "2");
        typeInto(*setup.ComboBox1, "16 X 17");
        setup.OKButton->click();
        EXPECT_TRUE(prompts.messages.constLast().startsWith("'16 X 17' is not a LED Type"));
        EXPECT_TRUE(setup.isVisible()) << "the dialog stays open";
        EXPECT_FALSE(setup.OKPressed);
        setup.CancelButton->click();
    });
    EXPECT_EQ(project().FrameCount, 2);
    EXPECT_EQ(project().WidthDot, 192);
}

TEST_F(SignSetupWindow, EnterPressesTheFocusedButtonButChangesNoNumber)
{
    runNew([](TfmStart &setup) {
        typeInto(*setup.ComboBox2, "4");
        QTest::keyClick(setup.ComboBox2->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(setup.isVisible() && !setup.OKPressed);
        setup.OKButton->setFocus();
        QTest::keyClick(setup.OKButton, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(setup.isVisible());
    });
    EXPECT_EQ(project().WidthDot, 64);
    runNew([](TfmStart &setup) {
        typeInto(*setup.ComboBox2, "2");
        setup.OKButton->setFocus();
        QTest::keyClick(setup.OKButton, Qt::Key_Return);
    });
    EXPECT_EQ(project().WidthDot, 32);
    runNew([](TfmStart &setup) {
        typeInto(*setup.ComboBox2, "5");
        setup.CancelButton->setFocus();
        QTest::keyClick(setup.CancelButton, Qt::Key_Return);
        EXPECT_FALSE(setup.isVisible());
    });
    EXPECT_EQ(project().WidthDot, 32) << "Enter on Cancel cancels";
}

TEST_F(SignSetupWindow, NewAfterZoomingResetsTheZoomAndCentresThePicture)
{
    window().ZoomIn->trigger();
    window().ZoomIn->trigger();
    window().ScrollBar1->setValue(40);
    window().ScrollBar2->setValue(3);
    window().btnAdd->click();
    ASSERT_TRUE(window().Undo1->isEnabled());
    runNew([](TfmStart &setup) { setup.OKButton->click(); });
    EXPECT_EQ(window().Undo1->toolTip(), "Undo New project") << "New is a step";
    EXPECT_EQ(project().View.DotRadius, 2);
    EXPECT_EQ(window().ScrollBar1->value(), 0);
    EXPECT_EQ(window().ScrollBar2->value(), 0);
    EXPECT_FALSE(window().ScrollBar1->isEnabled()) << "640 pixels fit";
    EXPECT_FALSE(window().ScrollBar2->isEnabled());
    EXPECT_EQ(project().View.ViewLeft, (window().BusImage->width() - 640) / 2);
}

} // namespace
