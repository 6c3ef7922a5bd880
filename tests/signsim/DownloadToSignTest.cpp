#include "cli/CliRunner.h"
#include "support/LineProjects.h"
#include "support/SignSimulator.h"
#include "ReceivedLineTexts.h"

#include "io/ProjectFiles.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// velmora-cli download and velmora-signsim on the two ends of a pseudo-terminal, at the real pace: each
// download waits five seconds for the first header's reply, so these few tests cover what only the real
// port and timing show; the byte-level cases are the protocol tests'.

namespace {

class DownloadToSignTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetUpLines(model, {2, 1, 3});
        projectPath = folder.filePath(QStringLiteral("bus.nkv"));
        ASSERT_TRUE(SaveProject(model, projectPath).ok());
    }

    ProjectModel model;
    QTemporaryDir folder;
    QString projectPath;
    SignSimulator sign;
};

TEST_F(DownloadToSignTest, EveryLineArrivesDotForDot)
{
    const QString received = folder.filePath(QStringLiteral("received"));
    const QString device = sign.start({"--out", received, "--exit-after-end"});
    const CliRun run = RunCli({"download", projectPath, "--port", device});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.errLines().contains("velmora-cli download: line 3 of 3 (board 3)"));
    EXPECT_TRUE(run.errLines().contains("velmora-cli download: 100% of the dots sent"));
    EXPECT_EQ(sign.finish(), "line 1: board 1, 2 frame(s), 36 of 36 packets\n"
                             "line 2: board 2, 1 frame(s), 18 of 18 packets\n"
                             "line 3: board 3, 3 frame(s), 54 of 54 packets\nend\n");
    EXPECT_EQ(ReadText(received + "/line-001.txt"), ExpectedLineText(model, 0, 2, 1, " 1 2"));
    EXPECT_EQ(ReadText(received + "/line-002.txt"), ExpectedLineText(model, 2, 1, 2, ""));
    EXPECT_EQ(ReadText(received + "/line-003.txt"), ExpectedLineText(model, 3, 3, 3, " 4 5 6"));
    EXPECT_TRUE(QFile::exists(received + "/line-003.png"));
}

TEST_F(DownloadToSignTest, ASilentSignStopsAtTheFirstHeader)
{
    const QString device = sign.start({"--silent"});
    const CliRun run = RunCli({"download", projectPath, "--port", device});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errLines().mid(1), QStringList({"velmora-cli download: The Data of the File Error!!",
                                                  "velmora-cli download: Line No.:1 Error!!"}));
}

TEST_F(DownloadToSignTest, ASignThatHangsUpMidLineFailsTheDownload)
{
    // Late replies are still heard; once the sign is gone every sending fails at once.
    const QString device = sign.start({"--late", "100", "--hang-up-after", "5"});
    const CliRun run = RunCli({"download", projectPath, "--port", device});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        run.errLines().last(),
        QStringLiteral("velmora-cli download: Upload File Error\uFF01Please Upload this File Again\uFF01"));
    EXPECT_EQ(sign.finish(), "hung up after 5 packets\n");
}

TEST_F(DownloadToSignTest, ASignAnsweringAfterTheReplyWindowHasEveryPacketTrulyAnswered)
{
    // Two modules of 16 x 16 make two packets, each answered 400 ms after it arrived: each is sent again
    // (and said so), and the reply owed by its second sending is awaited rather than taken for the next.
    const QString small = folder.filePath(QStringLiteral("small.nkv"));
    ASSERT_EQ(RunCli({"new", "-o", small, "--type", "16 X 16", "--number", "2"}).exitCode, 0);
    const QString device =
        sign.start({"--module-width", "16", "--late", "400", "--replies", "--exit-after-end"});
    const CliRun run = RunCli({"download", small, "--port", device});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.errLines().contains("velmora-cli download: Line 001  packet 1  sent again (2 of 101)"));
    // The sign's record of its replies backs the success: each data packet was answered.
    const QString record = sign.finish();
    EXPECT_TRUE(record.contains(QRegularExpression(": data packet 1, answered\n"))) << record.toStdString();
    EXPECT_TRUE(record.contains(QRegularExpression(": data packet 2, answered\n"))) << record.toStdString();
    EXPECT_TRUE(record.contains("line 1: board 1, 1 frame(s), 2 of 2 packets\n"));
    EXPECT_TRUE(record.endsWith("end\n"));
}

TEST_F(DownloadToSignTest, AHeaderItsModulesCannotLayOutIsLeftUnansweredAndSaysWhy)
{
    // New's first sign, 8 modules of 16 x 16, to a simulator of 24-dot modules.
    const QString device = sign.start({});
    QFile line(device);
    ASSERT_TRUE(line.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    line.write(QByteArray::fromHex("481080000101FE"));
    EXPECT_EQ(sign.errorsWithin(5000).toStdString(),
              "velmora-signsim: the header for board 1 (128 x 16 dots, the width as its low 8 bits) is not "
              "answered: this sign cannot lay out its picture with modules 24 dots across and bands of 8 "
              "rows (--module-width sets the modules, --width a sign over 255 dots wide)\n");
}

TEST_F(DownloadToSignTest, MistakesEndWithOneLineAndNothingSent)
{
    EXPECT_TRUE(RunCli({"download", "--help"}).out.startsWith("Usage: velmora-cli download "));
    const CliRun noPort = RunCli({"download", projectPath});
    EXPECT_EQ(noPort.exitCode, 1);
    EXPECT_EQ(noPort.errLines(), QStringList({"velmora-cli download: --port DEVICE is required"}));
    // Buses name the ports in order, so their counts must agree; a sign is sent to once.
    const CliRun buses = RunCli({"download", projectPath, "--port", "/dev/a", "--port", "/dev/b", "--bus", "7"});
    EXPECT_EQ(buses.exitCode, 1);
    EXPECT_EQ(buses.errLines(), QStringList({"velmora-cli download: --bus must be given once for every --port, "
                                             "in the same order (2 --port, 1 --bus)"}));
    EXPECT_EQ(RunCli({"download", projectPath, "--port", "/dev/a", "--port", "/dev/a"}).errLines(),
              QStringList({"velmora-cli download: --port /dev/a is given twice; a sign is sent to once"}));
    const CliRun noLine = RunCli({"download", projectPath, "--port", "/nonexistent/tty", "--line", "4"});
    EXPECT_EQ(noLine.errLines(),
              QStringList({"velmora-cli download: --line must be a line of the list, 1 .. 3"}));
    const CliRun noDevice = RunCli({"download", projectPath, "--port", "/nonexistent/tty", "--line", "3"});
    EXPECT_EQ(noDevice.exitCode, 1);
    EXPECT_EQ(noDevice.errLines(),
              QStringList({"velmora-cli download: Open COM Port Error: /nonexistent/tty: "
                           "No such file or directory"}));

    // A fault the simulator cannot read is refused before it opens a line, not quietly left out.
    QProcess simulator;
    simulator.start(QStringLiteral(VELMORA_SIGNSIM), {"--hang-up-after", "x"});
    ASSERT_TRUE(simulator.waitForFinished(10000));
    EXPECT_EQ(simulator.exitCode(), 1);
    EXPECT_EQ(simulator.readAllStandardOutput(), "");
    EXPECT_EQ(simulator.readAllStandardError().toStdString(),
              "velmora-signsim: --hang-up-after takes a number of packets, 1 or more\n");
}

} // namespace
