#pragma once

#include "download/DownloadProtocol.h"
#include "record/DownloadEntry.h"

// A download run and described for the record. `entry` brings what only the caller knows (bus, port,
// project and its SHA-256); the rest (times, sign, lines, packets, outcome, version) is filled in here.
struct RecordedDownload {
    DownloadOutcome outcome = DownloadOutcome::PortFailed;
    DownloadEntry entry;
};

RecordedDownload RunRecordedDownload(const ProjectModel &model, const DownloadPlan &plan,
                                     DownloadVariant variant, SerialPorts &ports, int port,
                                     DownloadPace &pace, DownloadEntry entry);
