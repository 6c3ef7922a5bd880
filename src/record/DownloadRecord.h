#pragma once

#include "record/DownloadEntry.h"

#include <QString>

#include <memory>
#include <vector>

// The record of downloads: an SQLite database, one row per download, written in one transaction when
// the download has ended, so a program killed mid-download leaves no half row. It runs in WAL mode,
// so a reader (velmora-cli records, the editor's window) never holds up a download being recorded,
// and several programs may share one database (a depot's folder): a writer waits its turn a while.
//
// One DownloadRecord is one connection, used from the thread that opened it only.
class DownloadRecord {
public:
    ~DownloadRecord();
    DownloadRecord(const DownloadRecord &) = delete;
    DownloadRecord &operator=(const DownloadRecord &) = delete;

    // Opens the record at `path` for adding, making it (and its folder) when there is none. Answers
    // nothing and says why in `error` when it cannot be opened or is not a download record.
    static std::unique_ptr<DownloadRecord> openForAdding(const QString &path, QString &error);

    // Adds one download; answers why it could not be written, empty when it was.
    QString add(const DownloadEntry &entry);

private:
    explicit DownloadRecord(QString connection, QString path);

    QString connection_;
    QString path_;
};

// The downloads of a record, newest first, or why it cannot be read.
struct RecordReading {
    std::vector<DownloadEntry> entries;
    QString error;
};

// Reads the record at `path` without changing it. A record that does not exist yet holds no
// downloads; a file that is not a download record is an error.
RecordReading ReadDownloadRecord(const QString &path);

// Where the record is: `chosen` when given, else the environment's VELMORA_RECORD, else
// $XDG_DATA_HOME/velmora/downloads.sqlite ($HOME/.local/share when XDG_DATA_HOME is unset).
QString DownloadRecordPath(const QString &chosen = {});
