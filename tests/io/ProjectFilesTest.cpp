#include "io/ProjectFiles.h"
#include "support/ProjectFileSamples.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProjectFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ApplyStartupProject(model);
    }

    QTemporaryDir dir;
    ProjectModel model;
};

TEST_F(ProjectFiles, SavedFilesReadBackInTheFormatAsked)
{
    const QString path = dir.filePath(QStringLiteral("p.nkv"));
    ASSERT_TRUE(SaveProject(model, path).ok());
    EXPECT_EQ(QFileInfo(path).size(), 2364);
    EXPECT_TRUE(ReadProjectFile(path, ProjectFormat::Current, {}).result.ok());
    // Chosen as the older format, the binary file is read as text and refused.
    const CheckedProjectFile asText = ReadProjectFile(path, ProjectFormat::Older, {});
    EXPECT_TRUE(asText.result.message().startsWith("Cannot load '" + path + "': "))
        << asText.result.message().toStdString();
}

TEST_F(ProjectFiles, AFailedSaveLeavesTheEarlierFileAndNothingElse)
{
    const QString path = dir.filePath(QStringLiteral("p.nkv"));
    WriteFileBytes(path, "earlier");
    model.Cells.setCell(ColBoard, 1, QStringLiteral("A1"));
    EXPECT_EQ(SaveProject(model, path).message(), "'A1' is not a valid integer value");
    EXPECT_EQ(ReadFileBytes(path), "earlier");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.nkv"}) << "no temporary is left";

    const QString nowhere = dir.filePath(QStringLiteral("missing/p.nkv"));
    model.Cells.setCell(ColBoard, 1, QStringLiteral("1"));
    EXPECT_TRUE(SaveProject(model, nowhere).message().startsWith("Cannot save '" + nowhere + "': "));
}

TEST_F(ProjectFiles, AMissingFileIsReportedByName)
{
    const QString path = dir.filePath(QStringLiteral("none.kvf"));
    EXPECT_TRUE(
        ReadProjectFile(path, ProjectFormat::Older, {}).result.message().startsWith("Cannot open '" + path));
}

TEST_F(ProjectFiles, OnlyKvfNamesTheOlderFormat)
{
    EXPECT_EQ(FormatOfExtension("a/b.KVF"), ProjectFormat::Older);
    EXPECT_EQ(FormatOfExtension("a.kvf.bak"), ProjectFormat::Current);
    EXPECT_EQ(FormatOfExtension("noextension"), ProjectFormat::Current);
}

} // namespace
