#pragma once

#include "cli/DeviceDownload.h"

#include <QStringList>

// Sends the job to every device at once, each in a thread of its own with its own port, pace and
// replies, so a sign that fails or hangs up slows none of the others. As each ends, this thread (the
// record's only writer) records it and prints its summary line. `buses` is empty or names the bus on
// each device. Answers whether every device's download succeeded.
bool RunFleetDownload(const DownloadJob &job, const QStringList &devices, const QStringList &buses,
                      CommandRecord &record);
