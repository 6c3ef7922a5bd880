#include "cli/FleetDownload.h"

#include <QThread>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// The downloads that have ended and wait to be recorded, handed from their threads to this one.
class EndedDownloads {
public:
    void put(RecordedDownload download)
    {
        {
            const std::lock_guard lock(mutex_);
            ended_.push_back(std::move(download));
        }
        arrived_.notify_one();
    }

    RecordedDownload take()
    {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [this] { return !ended_.empty(); });
        RecordedDownload download = std::move(ended_.front());
        ended_.pop_front();
        return download;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<RecordedDownload> ended_;
};

} // namespace

bool RunFleetDownload(const DownloadJob &job, const QStringList &devices, const QStringList &buses,
                      CommandRecord &record)
{
    EndedDownloads ended;
    std::vector<std::unique_ptr<QThread>> transfers;
    for (qsizetype i = 0; i < devices.size(); ++i) {
        const QString device = devices[i];
        const QString bus = buses.isEmpty() ? QString() : buses[i];
        // A QThread, not a bare thread: the port's notifiers need the event dispatcher it brings.
        transfers.emplace_back(QThread::create([&job, &ended, device, bus] {
            ended.put(DownloadToDevice(job, device, bus, device + QStringLiteral(": ")));
        }));
        transfers.back()->start();
    }
    bool allDone = true;
    for (qsizetype i = 0; i < devices.size(); ++i) {
        const RecordedDownload download = ended.take();
        record.add(download.entry);
        std::fprintf(stderr, "%s\n", PortSummary(download).toUtf8().constData());
        std::fflush(stderr);
        allDone = allDone && download.outcome == DownloadOutcome::Done;
    }
    for (const auto &transfer : transfers) {
        transfer->wait();
    }
    return allDone;
}
