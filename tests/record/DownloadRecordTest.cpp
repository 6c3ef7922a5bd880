#include "support/LineProjects.h"
#include "support/QtPrinters.h"

#include "io/ProjectFiles.h"
#include "record/DownloadRecord.h"
#include "record/ProjectDigest.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

DownloadEntry SampleEntry(const QString &started, const QString &bus)
{
    DownloadEntry entry;
    entry.started = QDateTime::fromString(started, Qt::ISODate);
    entry.ended = entry.started.addSecs(9);
    entry.durationMs = 8712;
    entry.bus = bus;
    entry.port = QStringLiteral("/dev/ttyUSB1");
    entry.project = QStringLiteral("/depot/routes.nkv");
    entry.unsaved = true;
    entry.sha256 = QStringLiteral("3f2a") + QString(60, QLatin1Char('0'));
    entry.signType = QStringLiteral("24 X 32");
    entry.modules = 6;
    entry.width = 144;
    entry.height = 32;
    entry.variant = QStringLiteral("single line");
    entry.lines = {{300, 3}, {7, 1}};
    entry.packetsSent = 96;
    entry.packetsSentAgain = 4;
    entry.outcome = QStringLiteral("Upload File Error\uFF01Please Upload this File Again\uFF01");
    entry.version = QStringLiteral("1.0");
    return entry;
}

void ExpectSameEntry(const DownloadEntry &read, const DownloadEntry &written)
{
    EXPECT_EQ(read.started, written.started);
    EXPECT_EQ(read.ended, written.ended);
    EXPECT_EQ(read.durationMs, written.durationMs);
    EXPECT_EQ(read.bus, written.bus);
    EXPECT_EQ(read.port, written.port);
    EXPECT_EQ(read.project, written.project);
    EXPECT_EQ(read.unsaved, written.unsaved);
    EXPECT_EQ(read.sha256, written.sha256);
    EXPECT_EQ(read.signType, written.signType);
    EXPECT_EQ(read.modules, written.modules);
    EXPECT_EQ(read.width, written.width);
    EXPECT_EQ(read.height, written.height);
    EXPECT_EQ(read.variant, written.variant);
    ASSERT_EQ(read.lines.size(), written.lines.size());
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        EXPECT_EQ(read.lines[i].board, written.lines[i].board);
        EXPECT_EQ(read.lines[i].frames, written.lines[i].frames);
    }
    EXPECT_EQ(read.packetsSent, written.packetsSent);
    EXPECT_EQ(read.packetsSentAgain, written.packetsSentAgain);
    EXPECT_EQ(read.outcome, written.outcome);
    EXPECT_EQ(read.version, written.version);
}

TEST(DownloadRecord, KeepsEveryFieldAndGivesTheNewestFirst)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shared/depot/downloads.sqlite"));
    EXPECT_TRUE(ReadDownloadRecord(path).entries.empty());
    EXPECT_FALSE(QFile::exists(path)) << "reading must not make the record";

    const DownloadEntry older = SampleEntry(QStringLiteral("2026-12-08T09:14:03Z"), QStringLiteral("1042"));
    const DownloadEntry newer = SampleEntry(QStringLiteral("2026-12-09T07:00:00Z"), QString());
    QString why;
    {
        const auto record = DownloadRecord::openForAdding(path, why);
        ASSERT_TRUE(record) << why.toStdString();
        EXPECT_EQ(record->add(older), "");
    }
    {
        // Opened again, as the next download does: the rows already there stay.
        const auto record = DownloadRecord::openForAdding(path, why);
        ASSERT_TRUE(record) << why.toStdString();
        EXPECT_EQ(record->add(newer), "");
    }
    const RecordReading reading = ReadDownloadRecord(path);
    EXPECT_EQ(reading.error, "");
    ASSERT_EQ(reading.entries.size(), 2u);
    ExpectSameEntry(reading.entries[0], newer);
    ExpectSameEntry(reading.entries[1], older);

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    QSqlQuery mode(QStringLiteral("PRAGMA journal_mode"), database);
    ASSERT_TRUE(mode.next());
    EXPECT_EQ(mode.value(0).toString(), "wal");
}

TEST(DownloadRecord, AFileThatIsNoRecordIsNeitherReadNorWritten)
{
    QTemporaryDir folder;
    const QString text = folder.filePath(QStringLiteral("notes.sqlite"));
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("timetable notes, not a database at all\n");
    notes.close();

    // Another program's SQLite database.
    const QString other = folder.filePath(QStringLiteral("other.sqlite"));
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        database.setDatabaseName(other);
        ASSERT_TRUE(database.open());
        ASSERT_TRUE(QSqlQuery(database).exec(QStringLiteral("CREATE TABLE buses (id TEXT)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    for (const QString &path : {text, other}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QString why;
        EXPECT_FALSE(DownloadRecord::openForAdding(path, why));
        EXPECT_TRUE(why.startsWith(path + " is not a download record")) << why.toStdString();
        EXPECT_TRUE(ReadDownloadRecord(path).error.startsWith(path + " is not a download record"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before) << path.toStdString();
    }
}

TEST(ProjectDigest, AProjectAsSavedIsItsFileAndAChangedOneWhatItWouldSaveAs)
{
    QTemporaryDir folder;
    auto model = std::make_unique<ProjectModel>();
    SetUpLines(*model, {2, 1});
    const QString path = folder.filePath(QStringLiteral("routes.nkv"));
    ASSERT_TRUE(SaveProject(*model, path).ok());
    QString why;
    const QString onDisk = FileSha256(path, why).value_or(QString());
    ASSERT_EQ(onDisk.size(), 64);

    const ProjectIdentity saved = IdentifyProject(*model, path);
    EXPECT_FALSE(saved.unsaved);
    EXPECT_EQ(saved.path, path);
    EXPECT_EQ(saved.sha256, onDisk);

    model->FrameDots.set(1, 5, 5, !model->FrameDots.at(1, 5, 5));
    const ProjectIdentity changed = IdentifyProject(*model, path);
    EXPECT_TRUE(changed.unsaved);
    const QString savedLater = folder.filePath(QStringLiteral("later.nkv"));
    ASSERT_TRUE(SaveProject(*model, savedLater).ok());
    EXPECT_EQ(changed.sha256, FileSha256(savedLater, why).value_or(QString()));
    EXPECT_NE(changed.sha256, onDisk);
    // The record window looks for both: the file as it is now and what the changed project would save as.
    EXPECT_EQ(saved.recordedDigests(), QStringList{onDisk});
    EXPECT_EQ(changed.recordedDigests(), (QStringList{onDisk, changed.sha256}));

    const ProjectIdentity neverSaved = IdentifyProject(*model, QString());
    EXPECT_TRUE(neverSaved.unsaved);
    EXPECT_EQ(neverSaved.sha256, changed.sha256);
}

} // namespace
