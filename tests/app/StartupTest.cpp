#include "EditorFixture.h"

#include "app/BusImageView.h"
#include "app/GraphicEditPage.h"
#include "app/PictureSurface.h"
#include "app/TFmVelmora.h"
#include "app/TextEditPage.h"
#include "app/VelmoraForms.h"
#include "preview/PreviewGeometry.h"
#include "dialogs/TfmCOMPort.h"
#include "dialogs/TfmNote.h"
#include "dialogs/TfmSecond.h"
#include "dialogs/TfmStart.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QStringList Entries(const QComboBox &selector)
{
    QStringList entries;
    for (int i = 0; i < selector.count(); ++i) {
        entries << selector.itemText(i);
    }
    return entries;
}

TEST_F(EditorFixture, TheFirstShowSetsTheScrollRangesForTheStartupSign)
{
    startIn({}, QSize(1280, 440));
    ASSERT_LT(window().BusImage->height(), 5 * 24) << "a preview shorter than the start-up sign";
    EXPECT_TRUE(window().ScrollBar2->isEnabled());
    EXPECT_EQ(window().ScrollBar2->maximum(), 5 * 24 - window().BusImage->height() + 2);
}

TEST_F(EditorFixture, ShowsTheStartupSignListAndStatusTexts)
{
    startIn({});
    EXPECT_EQ(window().windowTitle(), "Velmora");
    EXPECT_EQ(window().StatusBar1[1]->text(), "192 Dot X 24 Dot");
    EXPECT_EQ(window().StatusBar1[2]->text(), "24X24 X 8");
    EXPECT_TRUE(window().StatusBar1[3]->text().isEmpty());
    const std::array<int, 4> widths = {150, 150, 150, 50};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        EXPECT_EQ(window().StatusBar1[i]->width(), widths[i]);
    }

    const QAbstractItemModel &list = *window().StringGrid->model();
    ASSERT_EQ(list.rowCount(), 1);
    const QStringList expected = {"001", "001", "001", "", ""};
    const QStringList headings = {"No.", "Line", "Download Board Number", "Change", "Time"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(list.index(0, column).data().toString(), expected[column]);
        EXPECT_EQ(list.headerData(column, Qt::Horizontal).toString(), headings[column]);
    }
    EXPECT_EQ(window().StringGrid->columnWidth(2), 268);
    EXPECT_FALSE(list.flags(list.index(0, 1)) & Qt::ItemIsSelectable) << "the fixed columns cannot be selected";
    EXPECT_TRUE(list.flags(list.index(0, 2)) & Qt::ItemIsSelectable);

    EXPECT_EQ(window().project().WorkDir, fontDir.path());
    EXPECT_TRUE(window().project().FileName.isEmpty());
    EXPECT_EQ(window().project().Text.TextFont.family(), "SimSun");
    EXPECT_EQ(window().project().Text.TextFont.pointSize(), 8) << "offscreen screens are 96 dots per inch";
    EXPECT_GT(window().project().Text.TextFontSize, 0);
}

TEST_F(EditorFixture, DrawsTheSignCentredWithModulesFourAndFiveRed)
{
    startIn({});
    const ProjectModel &project = window().project();
    const QImage &picture = window().BusImage->picture();
    ASSERT_EQ(picture.size(), window().BusImage->size());
    ASSERT_GT(picture.width(), 960);
    EXPECT_EQ(project.View.ViewLeft, (picture.width() - 960) / 2);
    EXPECT_EQ(project.View.ViewTop, (picture.height() - 120) / 2);
    EXPECT_FALSE(window().ScrollBar1->isEnabled());
    EXPECT_FALSE(window().ScrollBar2->isEnabled());

    // The rim of a dark dot is the colour of its module, the inside stays black.
    const auto rimColour = [&](int x, int y) {
        const QRect box = DotBox(project.View, x, y);
        return picture.pixel(box.left(), box.top() + box.height() / 2);
    };
    EXPECT_EQ(rimColour(71, 0), qRgb(255, 128, 0));
    EXPECT_EQ(rimColour(72, 0), qRgb(255, 0, 0));
    EXPECT_EQ(rimColour(119, 23), qRgb(255, 0, 0));
    EXPECT_EQ(rimColour(120, 23), qRgb(255, 128, 0));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(EditorFixture, ControlsStartAsTheOperatorExpects)
{
    startIn({});
    TFmVelmora &w = window();
    for (QAction *command : {w.Cut1, w.Copy1, w.Paste}) {
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    }
    EXPECT_TRUE(w.PointerTool->isChecked());
    EXPECT_FALSE(w.Pen1->isChecked());
    EXPECT_FALSE(w.Select1->isChecked());
    EXPECT_FALSE(w.BitBtn1->isVisible());
    EXPECT_TRUE(w.BitBtn3->isVisible());
    EXPECT_EQ(w.BitBtn3->text(), "Download");
    EXPECT_EQ(w.BitBtn3->toolTip(), "RS232");

    const TextEditPage &text = *w.TextEdit;
    EXPECT_TRUE(text.RadioButton2->isChecked());
    EXPECT_FALSE(text.RadioButton1->isVisible());
    EXPECT_FALSE(text.ComboBox1->isVisible());
    EXPECT_TRUE(text.ComboBox1->isEnabled());
    EXPECT_TRUE(text.ComboBox2->isEnabled());
    EXPECT_FALSE(text.ComboBox3->isEnabled());
    EXPECT_EQ(text.editTextUp->maxLength(), 10);
    EXPECT_EQ(Entries(*text.ComboBox2), QStringList({"5  X  7", "10 X 15 ", "15 X 23", "21 X 31"}));
    for (const QComboBox *selector : {text.ComboBox1, text.ComboBox2, text.ComboBox3}) {
        EXPECT_EQ(selector->currentIndex(), 0);
    }
    EXPECT_EQ(w.GraphicEdit->imageSizeItem(), 0);
    EXPECT_EQ(w.GraphicEdit->EditImage->picture().pixel(100, 100), qRgb(255, 255, 255));
}

TEST_F(EditorFixture, EveryControlCarriesItsSystemNameAndItsCaption)
{
    startIn({});
    for (const char *name : {"btnAdd", "btnInsert", "btnDelect", "btnCopy", "btnCut", "btnPost", "Button1",
                             "StringGrid", "BusImage", "ScrollBar1", "ScrollBar2", "ComboBox1", "ComboBox2",
                             "ComboBox3", "editTextUp", "btnTextUp", "RadioGroup1", "EditImage", "ToolButton3",
                             "ToolButton5", "ToolButton6", "ToolButton8", "ToolButton10", "ToolButton11",
                             "ToolButton13", "ToolButton14", "ToolButton15", "BitBtn1", "BitBtn3",
                             "ProgressBar1", "Button2", "Button3", "Button4", "Button5", "Button6"}) {
        const QWidget *control = window().findChild<QWidget *>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(window().findChild<QWidget *>("btnDelect")->accessibleName(), "Delete");
}

TEST_F(EditorFixture, OffersTheWholeFontFilesOfTheDirectoryCurrentAtFirstShowAndNamesADamagedOne)
{
    // A copy cut short would compose dark cells: its entry is left out, and the status bar says why.
    WriteChineseFont(fontDir.path(), QStringLiteral("STDFONT.24K"), 1000);
    startIn({"Number24.24", "STDFONT.24", "TS-16.15"});
    const TextEditPage &text = *window().TextEdit;
    EXPECT_EQ(Entries(*text.ComboBox1),
              QStringList({"16 X 16", "24 X 24", "32 X 32", "48 X 48", "16(TS-16)", "24(明體)"}));
    EXPECT_EQ(Entries(*text.ComboBox3),
              QStringList({"16 Pixel(H)", "24 Pixel(H)", "32 Pixel(H)", "48 Pixel(H)", "24 Pixel(KV)"}));
    EXPECT_EQ(window().StatusBar1[0]->text(), "Font 24(楷書) is not offered: STDFONT.24K is 1000 bytes, shorter "
                                              "than the 942768 bytes its glyphs need");
}

TEST_F(EditorFixture, FontFilesAbsentFromTheStartFolderAreOfferedFromTheInstalledOneInTheSameOrder)
{
    QTemporaryDir installed;
    ASSERT_TRUE(installed.isValid());
    for (const char *name : {"TS-16.15", "STDFONT.24K", "Number24.24"}) {
        WriteWholeFontFile(installed.path(), QString::fromLatin1(name));
    }
    installedFontDir = installed.path();
    startIn({"STDFONT.24", "Number32.32"});
    const TextEditPage &text = *window().TextEdit;
    EXPECT_EQ(Entries(*text.ComboBox1),
              QStringList({"16 X 16", "24 X 24", "32 X 32", "48 X 48", "16(TS-16)", "24(明體)", "24(楷書)"}));
    EXPECT_EQ(Entries(*text.ComboBox3), QStringList({"16 Pixel(H)", "24 Pixel(H)", "32 Pixel(H)",
                                                     "48 Pixel(H)", "24 Pixel(KV)", "32 Pixel(KV)"}));
}

TEST_F(EditorFixture, DialogsExistWithTheirCaptionsAndDesignSizes)
{
    startIn({});
    EXPECT_EQ(forms->fmNote->windowTitle(), "Note (Only Numeral)");
    EXPECT_EQ(forms->fmNote->size(), QSize(287, 112));
    EXPECT_EQ(forms->fmSecond->windowTitle(), "Setup Delay Time");
    EXPECT_EQ(forms->fmSecond->size(), QSize(235, 106));
    EXPECT_EQ(forms->fmStart->windowTitle(), "Setup");
    EXPECT_EQ(forms->fmStart->size(), QSize(232, 274));
    EXPECT_EQ(forms->fmCOMPort->windowTitle(), "COM Port Setup");
    EXPECT_EQ(forms->fmCOMPort->size(), QSize(249, 211));
}

TEST_F(EditorFixture, RestoringAMinimisedWindowIsNotAFirstShow)
{
    startIn({});
    window().ZoomIn->trigger();
    ASSERT_EQ(window().project().View.DotRadius, 3);
    window().showMinimized();
    window().showNormal();
    window().hide();
    window().show();
    EXPECT_EQ(window().project().View.DotRadius, 3);
}

} // namespace
