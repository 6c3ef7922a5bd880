#pragma once

#include "download/DownloadPlan.h"
#include "download/ReplyLedger.h"

class DownloadPace;
class ProjectModel;
class SerialPorts;

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
