#include "EditorFixture.h"

#include "io/ProjectFiles.h"
#include "support/ProjectFileSamples.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

class FilesWindow : public EditorFixture {
protected:
    void SetUp() override { startIn({}); }

    QString path(const char *name) const { return fontDir.filePath(QString::fromLatin1(name)); }
    QString cell(int row, int column)
    {
        return window().StringGrid->model()->index(row - 1, column).data().toString();
    }
    int rows() { return window().StringGrid->model()->rowCount(); }
    const ProjectModel &project() { return window().project(); }

    // A sign of 6 modules of 16 x 16 dots with two frames, saved in the current format.
    QString savedSixModuleProject()
    {
        auto model = std::make_unique<ProjectModel>();
        ApplyStartupProject(*model);
        model->LedNumber = 6;
        model->LedWidthDot = 16;
        model->WidthDot = 96;
        model->HeightDot = 16;
        AppendFrame(*model);
        model->FrameDots.set(1, 95, 15, 1);
        const QString file = path("six.nkv");
        EXPECT_TRUE(SaveProject(*model, file).ok());
        return file;
    }

    // An older-format file of two 8 x 8 frames without the module trailer; `board` is the first one's words.
    QString olderFile(const char *name, const QByteArray &board = "7 end")
    {
        const QByteArray dots = QByteArray(" 0").repeated(64);
        WriteFileBytes(path(name), "8 8 2\n" + board + " 0 0" + dots + "\n8 end 0 0" + dots + "\n");
        return path(name);
    }
};

TEST_F(FilesWindow, SaveAsksForANameAndChangesOnlyTheCaption)
{
    prompts.queueFile({path("p.nkv"), 0});
    window().FileSave1->trigger();
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].filters, QStringList{"New Korvel File (*.nkv)"});
    EXPECT_EQ(prompts.fileDialogs[0].defaultSuffix, "nkv");
    EXPECT_EQ(QFileInfo(path("p.nkv")).size(), 2364);
    EXPECT_EQ(window().windowTitle(), "Velmora - " + path("p.nkv"));
    EXPECT_EQ(project().FileName, "");

    window().FileSaveAs1->trigger(); // cancelled
    EXPECT_EQ(prompts.fileDialogs.size(), 2u);
    EXPECT_EQ(window().windowTitle(), "Velmora - " + path("p.nkv"));
}

TEST_F(FilesWindow, AnOlderFileThatCannotBeSavedSaysSoWhenOpened)
{
    prompts.queueFile({savedSixModuleProject(), 0}); // 16-dot modules
    window().FileOpen1->trigger();
    WriteFileBytes(path("wide.kvf"), "1000 8 1\n1 end 0 0" + QByteArray(" 0").repeated(8000) + "\n");
    prompts.queueFile({path("wide.kvf"), 1});
    window().FileOpen1->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.constFirst().contains("set up the sign with New and append the file"));
}

TEST_F(FilesWindow, OpenReplacesTheProjectAndShowsItsGeometry)
{
    const QString file = savedSixModuleProject();
    prompts.queueFile({file, 0});
    window().FileOpen1->trigger();
    EXPECT_EQ(prompts.fileDialogs.at(0).filters,
              QStringList({"New Korvel File (*.nkv)", "Old Korvel File (*.kvf)"}));
    EXPECT_EQ(window().windowTitle(), "Velmora - " + file);
    EXPECT_EQ(project().FileName, file);
    EXPECT_EQ(window().StatusBar1[1]->text(), "96Dot X 16Dot");
    EXPECT_EQ(window().StatusBar1[2]->text(), QString::fromUtf8("16X16 X 6(片)"));
    EXPECT_EQ(project().View.ViewWidth, 5 * 96) << "the view follows the geometry";
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(cell(2, 2), "2") << "board \"002\" comes back without leading zeros";
    EXPECT_EQ(project().FrameDots.at(1, 95, 15), 1);
}

TEST_F(FilesWindow, AFileNamedAtStartOpensByItsExtensionAndARefusedOneLeavesTheProject)
{
    WriteFileBytes(path("text.nkv"), "8 8 1\n");
    window().openProjectFile(path("text.nkv"));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("Cannot load '" + path("text.nkv") + "'"));
    EXPECT_EQ(window().windowTitle(), "Velmora");
    EXPECT_EQ(project().WidthDot, 192);

    window().openProjectFile(olderFile("old.kvf"));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(window().windowTitle(), "Velmora - " + path("old.kvf"));
    EXPECT_EQ(project().WidthDot, 8);
    EXPECT_EQ(rows(), 2);
    EXPECT_TRUE(prompts.fileDialogs.empty());
}

TEST_F(FilesWindow, TheChosenFileTypeDecidesTheFormatAndIsKeptForTheNextOpen)
{
    prompts.queueFile({olderFile("old.kvf"), 1});
    window().FileOpen1->trigger();
    EXPECT_EQ(project().WidthDot, 8);
    EXPECT_EQ(project().LedWidthDot, 24) << "no trailer: the modules stay";
    EXPECT_EQ(window().StatusBar1[2]->text(), "");

    prompts.queueFile({olderFile("old2.kvf"), 0});
    window().FileOpen1->trigger();
    EXPECT_EQ(prompts.fileDialogs.at(1).filterIndex, 1) << "the older format's entry was kept";
    ASSERT_EQ(prompts.messages.size(), 1) << "text read as the current format is refused";
    EXPECT_TRUE(prompts.messages[0].startsWith("Cannot load '" + path("old2.kvf") + "'"));

    window().FileOpen1->trigger(); // cancelled
    EXPECT_EQ(prompts.fileDialogs.at(2).filterIndex, 0);
    EXPECT_EQ(window().windowTitle(), "Velmora - " + path("old.kvf")) << "the refused file named nothing";
}

TEST_F(FilesWindow, ADamagedEntryIsReportedAndChangesNothing)
{
    window().btnAdd->click();
    const QString damaged = olderFile("bad.kvf", "1" + QByteArray(" w").repeated(300) + " end");
    prompts.queueFile({damaged, 1});
    window().FileOpen1->trigger();
    prompts.queueFile({damaged, 1});
    window().Button1->click();
    EXPECT_EQ(prompts.messages,
              QStringList({"Open File Failed!!The Data of File Error!!", "File Format Error!"}));
    EXPECT_EQ(rows(), 2) << "the list was kept, not reset";
    EXPECT_EQ(window().windowTitle(), "Velmora");
}

TEST_F(FilesWindow, OpenButtonAppendsTheFramesAfterTheList)
{
    window().btnAdd->click();
    window().btnAdd->click();
    prompts.queueFile({olderFile("two.kvf"), 1});
    window().Button1->click();
    ASSERT_EQ(rows(), 5);
    EXPECT_EQ(cell(4, 0), "004");
    EXPECT_EQ(cell(5, 0), "005");
    EXPECT_EQ(cell(4, 2), "7");
    EXPECT_EQ(project().WidthDot, 192) << "the geometry stays";
    EXPECT_EQ(window().windowTitle(), "Velmora");
}

TEST_F(FilesWindow, TheCloseQuestionKeepsTheWindowUnlessTheWorkIsSavedOrGivenUp)
{
    prompts.queueYesNoCancel(SaveAnswer::Cancel);
    EXPECT_FALSE(window().close());
    EXPECT_EQ(prompts.questions, QStringList{"Do you want to save the change ?"});

    prompts.queueYesNoCancel(SaveAnswer::Yes); // and the save dialog is cancelled
    EXPECT_FALSE(window().close());

    prompts.queueFile({olderFile("letters.kvf", "A1 end"), 1});
    window().FileOpen1->trigger();
    prompts.queueYesNoCancel(SaveAnswer::Yes);
    prompts.queueFile({path("kept.nkv"), 0});
    EXPECT_FALSE(window().close()) << "a save that failed keeps the window";
    EXPECT_EQ(prompts.messages, QStringList{"'A1' is not a valid integer value"});
    EXPECT_FALSE(QFile::exists(path("kept.nkv")));

    prompts.queueFile({olderFile("digits.kvf"), 1});
    window().FileOpen1->trigger();
    prompts.queueYesNoCancel(SaveAnswer::Yes);
    prompts.queueFile({path("kept.nkv"), 0});
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(QFile::exists(path("kept.nkv")));
}

TEST_F(FilesWindow, NoClosesWithoutSaving)
{
    prompts.queueYesNoCancel(SaveAnswer::No);
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(prompts.fileDialogs.empty());
}

} // namespace
