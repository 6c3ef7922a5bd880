#include "io/ProjectFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

class NewCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

TEST_F(NewCommand, WritesTheProjectNewLeavesForTheGivenSign)
{
    const CliRun defaults = RunCli({"new", "-o", path("default.nkv")});
    ASSERT_EQ(defaults.exitCode, 0) << defaults.err.toStdString();
    EXPECT_EQ(RunCli({"info", path("default.nkv")}).out,
              "WidthDot 128\nHeightDot 16\nLedWidthDot 16\nLedNumber 8\nLedColor 0 0 0 1 1 0 0 0\n"
              "No.\tLine\tDownload Board Number\tChange\tTime\n"
              "001\t001\t1\t\t\n");

    const CliRun chosen =
        RunCli({"new", "-o", path("chosen.nkv"), "--type", "24 X 32", "--number", "6", "--colors", "2,0,4"});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    const CheckedProjectFile read = ReadProjectFile(path("chosen.nkv"), ProjectFormat::Current, {});
    ASSERT_TRUE(read.result.ok()) << read.result.message().toStdString();
    EXPECT_EQ(read.file.WidthDot, 144);
    EXPECT_EQ(read.file.HeightDot, 32);
    ASSERT_EQ(read.file.frames.size(), 1u);
    EXPECT_EQ(read.file.frames[0].dots, std::vector<std::uint8_t>(144 * 4, 0)) << "one dark frame";
    EXPECT_EQ(read.file.modules->LedColor, (std::vector<int>{2, 0, 4, 0, 0, 0}));
}

TEST_F(NewCommand, RefusesWhatMakesNoSignAndWritesNothing)
{
    const QList<QStringList> failures = {
        {"--type", "24 X 33"}, {"--number", "0"},   {"--number", "17"},
        {"--number", "six"},   {"--colors", "0,5"}, {"--number", "2", "--colors", "1,1,1"},
        {"--colors", "1,,2"},
    };
    for (const QStringList &options : failures) {
        const CliRun failed = RunCli(QStringList{"new", "-o", path("x.nkv")} + options);
        EXPECT_EQ(failed.exitCode, 1) << options.join(' ').toStdString();
        EXPECT_EQ(failed.err.count('\n'), 1) << failed.err.toStdString();
    }
    EXPECT_EQ(RunCli({"new"}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("x.nkv")));
    EXPECT_TRUE(RunCli({"new", "--help"}).out.startsWith("Usage: velmora-cli new "));
}

} // namespace
