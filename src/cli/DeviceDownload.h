#pragma once

#include "download/DownloadPlan.h"
#include "record/RecordedDownload.h"

#include <QString>

#include <memory>

class DownloadRecord;
class ProjectModel;

// What every sign of one velmora-cli download is sent, and what its record says of the project.
struct DownloadJob {
    const ProjectModel &model;
    const DownloadPlan &plan;
    DownloadVariant variant;
    // The project file's absolute path and the SHA-256 of its bytes.
    QString projectPath;
    QString sha256;
};

// Sends the job to the sign on `device` (as port COM1), saying on standard error what happens, each
// line after `prefix`. Shares nothing with a transfer to another device, so several run at once.
RecordedDownload DownloadToDevice(const DownloadJob &job, const QString &device, const QString &bus,
                                  const QString &prefix);

// The line that tells how a port's download ended: "/dev/ttyUSB1: done, 4 lines, 96 packets, 8.7 s",
// or the device and the messages shown.
QString PortSummary(const RecordedDownload &download);

// The record of velmora-cli's downloads, which never stops one: when it cannot be opened or written,
// standard error says why once and the downloads go on unrecorded.
class CommandRecord {
public:
    explicit CommandRecord(const QString &path);
    ~CommandRecord();

    void add(const DownloadEntry &entry);

private:
    void notRecorded(const QString &why);

    std::unique_ptr<DownloadRecord> record_;
    bool saidWhy_ = false;
};
