#include "EditorFixture.h"

#include "app/TextEditPage.h"
#include "text/FaceSubstitutes.h"
#include "text/FontFileTable.h"
#include "text/TextComposer.h"
#include "support/GeneratedFonts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

class TextEdit : public EditorFixture {
protected:
    void SetUp() override
    {
        startIn({QStringLiteral("Number24.24")});
        QApplication::setActiveWindow(&window());
        window().PageControl1->setCurrentWidget(window().TextEdit);
    }
    TextEditPage &page() { return *window().TextEdit; }
    const TextSettings &text() { return window().project().Text; }
    void press(QRadioButton *option, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(option, button, {}, QPoint(4, option->height() / 2));
        QTest::mouseRelease(option, button, {}, QPoint(4, option->height() / 2));
    }
    // Picks the entry `steps` below the shown one with the arrow key, as the operator can.
    void stepDown(QComboBox *selector, int steps)
    {
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(selector, Qt::Key_Down);
        }
    }
    void typeInto(QComboBox *selector, const QString &typed)
    {
        selector->lineEdit()->selectAll();
        QTest::keyClicks(selector->lineEdit(), typed);
    }
    std::array<bool, 3> enabled()
    {
        return {page().ComboBox1->isEnabled(), page().ComboBox2->isEnabled(), page().ComboBox3->isEnabled()};
    }
};

TEST_F(TextEdit, OptionsActWhenAMouseButtonGoesDownEvenIfAlreadySelected)
{
    EXPECT_EQ(enabled(), (std::array{true, true, false}));
    press(page().RadioButton3);
    EXPECT_TRUE(page().RadioButton3->isChecked());
    EXPECT_EQ(enabled(), (std::array{false, false, true}));
    EXPECT_EQ(text().TextFont.family(), EnglishFace);
    EXPECT_EQ(text().TextFont.pointSize(), text().NumberFontSize[0]);

    press(page().RadioButton4);
    press(page().RadioButton4);
    EXPECT_EQ(prompts.fontsOffered.size(), 2u) << "the font dialog opens on every press";
    EXPECT_TRUE(page().RadioButton4->isChecked());
    EXPECT_FALSE(page().RadioButton4->isDown()) << "no button is left half pressed by the dialog";
    EXPECT_EQ(enabled(), (std::array{false, false, false}));

    press(page().RadioButton2, Qt::RightButton);
    EXPECT_EQ(enabled(), (std::array{false, true, false})) << "any mouse button runs the option";
}

TEST_F(TextEdit, SelectingAnOptionWithTheKeyboardOnlyMovesTheMark)
{
    press(page().RadioButton3);
    QTest::keyClick(page().RadioButton3, Qt::Key_Up);
    EXPECT_TRUE(page().RadioButton2->isChecked());
    EXPECT_EQ(enabled(), (std::array{false, false, true}));
    EXPECT_EQ(text().TextFont.pointSize(), text().NumberFontSize[0]);
}

TEST_F(TextEdit, SizeSelectorsSetTheSizeOnlyForTheirSystemSizes)
{
    stepDown(page().ComboBox2, 1);
    EXPECT_EQ(text().TextFont.pointSize(), text().EnglishFontSize[1]);

    press(page().RadioButton3);
    stepDown(page().ComboBox3, 3);
    ASSERT_EQ(page().ComboBox3->currentText(), "48 Pixel(H)");
    const int size = text().NumberFontSize[3];
    EXPECT_EQ(text().TextFont.pointSize(), size);
    stepDown(page().ComboBox3, 1);
    ASSERT_EQ(page().ComboBox3->currentText(), "24 Pixel(KV)");
    EXPECT_EQ(text().TextFont.pointSize(), size) << "a file entry keeps the size";
    typeInto(page().ComboBox3, QStringLiteral("zz"));
    EXPECT_EQ(text().TextFont.pointSize(), size) << "typed text matching no entry keeps the size";

    // Rebuilding the lists (as a new project does) shows the first entries but runs no handler.
    RebuildSelector(*page().ComboBox3, NumberSelectorEntries(window().project().WorkDir));
    EXPECT_EQ(page().ComboBox3->currentText(), "16 Pixel(H)");
    EXPECT_EQ(text().TextFont.pointSize(), size);
}

TEST_F(TextEdit, OtherTakesTheChosenFontAndTheStyleBoxesReplaceItsStyle)
{
    QFont chosen(QStringLiteral("DejaVu Serif"), 30);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    prompts.queueFont(chosen);
    press(page().RadioButton4);
    ASSERT_EQ(prompts.fontsOffered.size(), 1u);
    EXPECT_EQ(prompts.fontsOffered[0].family(), QFontInfo(QFont(EnglishFace)).family())
        << "the dialog opens with the face the text font is drawn with";
    EXPECT_EQ(prompts.fontsOffered[0].pointSize(), text().EnglishFontSize[0]);
    EXPECT_EQ(text().TextFont, chosen);
    EXPECT_EQ(page().editTextUp->font().family(), "DejaVu Serif");
    EXPECT_EQ(page().editTextUp->font().pointSize(), text().TextFontSize);

    QTest::mouseClick(page().CheckBox1, Qt::LeftButton);
    EXPECT_TRUE(text().TextFont.bold());
    EXPECT_FALSE(text().TextFont.italic() || text().TextFont.strikeOut() || text().TextFont.underline());
    EXPECT_EQ(text().TextFont.family(), "DejaVu Serif");
    EXPECT_EQ(text().TextFont.pointSize(), 30);
    EXPECT_TRUE(page().editTextUp->font().italic()) << "the style boxes leave the text box alone";

    // Cancelled, the dialog changes nothing.
    press(page().RadioButton4);
    EXPECT_EQ(text().TextFont.family(), "DejaVu Serif");
    EXPECT_TRUE(text().TextFont.bold());
}

TEST_F(TextEdit, TheFontButtonOnlyChangesTheTextFont)
{
    prompts.queueFont(QFont(QStringLiteral("DejaVu Sans Mono"), 14));
    page().Button2->click();
    EXPECT_EQ(text().TextFont.family(), "DejaVu Sans Mono");
    EXPECT_EQ(enabled(), (std::array{true, true, false}));
    EXPECT_NE(page().editTextUp->font().family(), "DejaVu Sans Mono");
}

TEST_F(TextEdit, UploadedDigitsComeFromTheFileAndStartPlacing)
{
    WriteFontFile(fontDir.path(), QStringLiteral("Number24.24"), DigitFontText(24));
    press(page().RadioButton3);
    stepDown(page().ComboBox3, 4);
    ASSERT_EQ(page().ComboBox3->currentText(), "24 Pixel(KV)");
    QTest::keyClicks(page().editTextUp, QStringLiteral("12a3"));
    window().Pen1->trigger();
    QTest::mouseClick(page().btnTextUp, Qt::LeftButton);

    const ProjectModel &project = window().project();
    EXPECT_TRUE(project.Tools.PlaceMode);
    EXPECT_TRUE(window().PointerTool->isChecked());
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 40; ++y) {
            const bool lit = x < 48 && y < 24 && DigitDotLit(x / 16 + 1, x % 16, y);
            ASSERT_EQ(project.FloatDots.at(x, y), lit ? 1 : 0) << x << "," << y;
        }
    }
}

TEST_F(TextEdit, AFixedNumberEntryDrawsTheWholeTextAsTheCoreComposesIt)
{
    press(page().RadioButton3);
    stepDown(page().ComboBox3, 1);
    QTest::keyClicks(page().editTextUp, QStringLiteral("a1"));
    QTest::mouseClick(page().btnTextUp, Qt::LeftButton);

    TextRequest request;
    request.text = QStringLiteral("a1");
    request.widthDot = 192;
    request.heightDot = 24;
    request.font = QFont(EnglishFace);
    request.font.setPointSize(text().NumberFontSize[1]);
    request.dpi = window().logicalDpiY();
    auto expected = std::make_unique<DotPlane>();
    ASSERT_EQ(ComposeText(request, *expected), nullptr);
    int lit = 0;
    for (int x = 0; x < 208; ++x) {
        for (int y = 0; y < 40; ++y) {
            ASSERT_EQ(window().project().FloatDots.at(x, y), expected->at(x, y)) << x << "," << y;
            lit += expected->at(x, y);
        }
    }
    EXPECT_GT(lit, 0);
}

} // namespace
