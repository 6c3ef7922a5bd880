#pragma once

#include "download/DownloadPlan.h"

class DownloadPace;
class ProjectModel;
class SerialPorts;

// How long after the fixed pause the download keeps reading a reply that is not complete yet. A sign
// that answers a little late is still heard, and a reply that comes later than this is discarded by
// the flush before the next sending, so it can never acknowledge another packet.
inline constexpr int ReplyWindowMs = 300;

enum class DownloadOutcome {
    Done,        // the sign acknowledged every packet; the end packet was sent
    PortFailed,  // the port could not be opened or set up; nothing was sent
    NotAnswered, // a header or data packet was not acknowledged, or the port failed before the end packet
};

// Runs a planned download over port `port`: the opening sequence, each line's header packet and data
// packets with their pauses and resendings, the end packet. Messages go to the pace as the operator
// reads them; the port is closed on every way out. The project is only read.
DownloadOutcome RunDownload(const ProjectModel &model, const DownloadPlan &plan, DownloadVariant variant,
                            SerialPorts &ports, int port, DownloadPace &pace);
