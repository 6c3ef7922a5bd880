#include "io/ProjectFiles.h"
#include "support/ProjectFileSamples.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

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

TEST_F(ProjectFiles, ASaveNeverTurnsADeviceOrAPipeIntoAFile)
{
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(SaveProject(model, pipe).message(), "Cannot save '" + pipe + "': not a regular file.");
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile()) << "the pipe is still a pipe";
    EXPECT_FALSE(SaveProject(model, dir.path()).ok()) << "nor a folder";

    const QString file = dir.filePath(QStringLiteral("p.nkv"));
    WriteFileBytes(file, "earlier");
    const QString link = dir.filePath(QStringLiteral("link.nkv"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_TRUE(SaveProject(model, link).ok()) << "a link to a regular file is followed";
    EXPECT_EQ(QFileInfo(file).size(), 2364);
}

TEST_F(ProjectFiles, AFailedWriteNamesItsFirstCause)
{
    // A file size limit stands in for a full disk: the write fails part way, as it would there. The
    // small start-up project still waits in the file's buffer when its first write fails, at the commit.
    for (const auto &[width, limit] : {std::pair{1024, 4096}, std::pair{192, 0}}) {
        model.WidthDot = width;
        model.HeightDot = width == 1024 ? 256 : 24;
        rlimit previous{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString path = dir.filePath(QStringLiteral("p%1.nkv").arg(width));
        const FileResult saved = SaveProject(model, path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
        EXPECT_EQ(saved.message(),
                  "Cannot save '" + path + "': " + QString::fromLocal8Bit(std::strerror(EFBIG)) + ".");
        EXPECT_FALSE(QFile::exists(path));
    }
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
