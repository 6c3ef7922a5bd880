#include "ReceivedLineTexts.h"
#include "cli/CliRunner.h"
#include "support/LineProjects.h"
#include "support/QtPrinters.h"
#include "support/SignSimulator.h"

#include "io/ProjectFiles.h"
#include "record/DownloadRecord.h"
#include "record/ProjectDigest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

// Several signs at once and the record of what each received: velmora-cli download against simulators
// on pseudo-terminals at the real pace, the record a real SQLite file in a temporary folder.

namespace {

class FleetRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetUpLines(model, {2, 1, 3});
        projectPath = folder.filePath(QStringLiteral("routes.nkv"));
        ASSERT_TRUE(SaveProject(model, projectPath).ok());
        recordPath = folder.filePath(QStringLiteral("depot/downloads.sqlite"));
    }

    QString sha() const
    {
        QString unreadable;
        return FileSha256(projectPath, unreadable).value_or(QString());
    }

    ProjectModel model;
    QTemporaryDir folder;
    QString projectPath;
    QString recordPath;
};

TEST_F(FleetRecordTest, FourSignsAtOnceOneSilentAtItsSecondHeaderAndEachRecorded)
{
    std::array<SignSimulator, 4> signs;
    QStringList devices;
    for (int i = 0; i < 3; ++i) {
        devices << signs[i].start({"--out", folder.filePath(QStringLiteral("sign%1").arg(i)), "--exit-after-end"});
    }
    // Line 1's header and its 36 data packets arrive first; the 38th packet is line 2's header.
    devices << signs[3].start({"--drop", "38"});
    const CliRun run = RunCli({"download", projectPath, "--port", devices[0], "--port", devices[1], "--port",
                               devices[2], "--port", devices[3], "--bus", "1041", "--bus", "1042", "--bus",
                               "1043", "--bus", "1044", "--record", recordPath});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errLines().contains(devices[3] + ": The Data of the File Error!! Line No.:2 Error!!"))
        << run.err.toStdString();
    for (int i = 0; i < 3; ++i) {
        const QString received = folder.filePath(QStringLiteral("sign%1").arg(i));
        EXPECT_EQ(signs[i].finish(), "line 1: board 1, 2 frame(s), 36 of 36 packets\n"
                                     "line 2: board 2, 1 frame(s), 18 of 18 packets\n"
                                     "line 3: board 3, 3 frame(s), 54 of 54 packets\nend\n");
        EXPECT_EQ(ReadText(received + "/line-001.txt"), ExpectedLineText(model, 0, 2, 1, " 1 2"));
        EXPECT_EQ(ReadText(received + "/line-002.txt"), ExpectedLineText(model, 2, 1, 2, ""));
        EXPECT_EQ(ReadText(received + "/line-003.txt"), ExpectedLineText(model, 3, 3, 3, " 4 5 6"));
        // Three headers, 108 data packets and the end packet.
        EXPECT_EQ(run.errLines().filter(QRegularExpression("^" + QRegularExpression::escape(devices[i]) +
                                                           ": done, 3 lines, 112 packets, \\d+\\.\\d s$"))
                      .size(),
                  1)
            << run.err.toStdString();
    }

    const CliRun listed = RunCli({"records", "--json", "--record", recordPath});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(listed.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 4);
    for (const QJsonValue value : rows) {
        const QJsonObject row = value.toObject();
        const int sign = static_cast<int>(devices.indexOf(row["port"].toString()));
        ASSERT_GE(sign, 0);
        EXPECT_EQ(row["bus"].toString(), QString::number(1041 + sign));
        EXPECT_EQ(row["project"].toString(), projectPath);
        EXPECT_EQ(row["sha256"].toString(), sha());
        EXPECT_FALSE(row["unsaved"].toBool());
        EXPECT_EQ(row["sign"].toObject()["type"].toString(), "24 X 24");
        const QJsonArray lines = row["lines"].toArray();
        if (sign == 3) {
            EXPECT_EQ(lines.size(), 2);
            EXPECT_EQ(row["outcome"].toString(), "The Data of the File Error!! Line No.:2 Error!!");
        } else {
            ASSERT_EQ(lines.size(), 3);
            EXPECT_EQ(lines[2].toObject()["board"].toInt(), 3);
            EXPECT_EQ(lines[2].toObject()["frames"].toInt(), 3);
            EXPECT_EQ(row["outcome"].toString(), "done");
            EXPECT_EQ(row["packets_sent"].toInt(), 112);
        }
    }

    // "Which buses carry this file?" holds for the bytes as they were sent, not for the file once changed.
    EXPECT_EQ(RunCli({"records", "--project", projectPath, "--bus", "1042", "--record", recordPath}).outLines().size(),
              1);
    model.FrameDots.set(0, 0, 0, !model.FrameDots.at(0, 0, 0));
    ASSERT_TRUE(SaveProject(model, projectPath).ok());
    const CliRun changed = RunCli({"records", "--project", projectPath, "--record", recordPath});
    EXPECT_EQ(changed.exitCode, 0);
    EXPECT_EQ(changed.out, "");
}

TEST_F(FleetRecordTest, ARecordThatCannotBeWrittenStopsNoDownloadAndSaysSoOnce)
{
    // A folder that cannot be made: its place is taken by a file (a read-only folder would not stop
    // a test run as root).
    QFile blocker(folder.filePath(QStringLiteral("depot")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SignSimulator sign;
    const QString device = sign.start({"--single", "--exit-after-end"});
    const CliRun run = RunCli({"download", projectPath, "--port", device, "--line", "2", "--record", recordPath});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.errLines().filter("not recorded").size(), 1);
    EXPECT_TRUE(run.errLines().contains("velmora-cli download: not recorded: " + recordPath + ": the folder " +
                                        folder.filePath("depot") + " cannot be made"))
        << run.err.toStdString();
    EXPECT_TRUE(sign.finish().endsWith("end\n"));

    const CliRun notARecord = RunCli({"records", "--record", projectPath});
    EXPECT_EQ(notARecord.exitCode, 1);
    EXPECT_EQ(notARecord.errLines(),
              QStringList({"velmora-cli records: " + projectPath + " is not a download record (file is not a "
                                                                   "database)"}));
    const CliRun none = RunCli({"records", "--record", folder.filePath("none.sqlite")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

TEST_F(FleetRecordTest, KillingTheCommandMidDownloadLeavesTheRecordReadableWithoutAHalfRow)
{
    QString why;
    {
        const auto record = DownloadRecord::openForAdding(recordPath, why);
        ASSERT_TRUE(record) << why.toStdString();
        DownloadEntry earlier;
        earlier.started = earlier.ended = QDateTime::currentDateTimeUtc();
        earlier.port = QStringLiteral("/dev/ttyUSB0");
        earlier.outcome = QStringLiteral("done");
        ASSERT_EQ(record->add(earlier), "");
    }
    SignSimulator sign;
    const QString device = sign.start({});
    QProcess download;
    download.setReadChannel(QProcess::StandardError);
    download.start(QStringLiteral(VELMORA_CLI), {"download", projectPath, "--port", device, "--record", recordPath});
    QByteArray said;
    while (!said.contains("10% of the dots sent") && download.waitForReadyRead(30000)) {
        said += download.readAllStandardError();
    }
    ASSERT_TRUE(said.contains("10% of the dots sent")) << said.toStdString();
    download.kill();
    ASSERT_TRUE(download.waitForFinished(10000));

    const RecordReading reading = ReadDownloadRecord(recordPath);
    EXPECT_EQ(reading.error, "");
    ASSERT_EQ(reading.entries.size(), 1u);
    EXPECT_EQ(reading.entries.front().port, "/dev/ttyUSB0");
}

} // namespace
