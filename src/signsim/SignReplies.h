#pragma once

#include "signsim/ReceivedSign.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <set>

// How the simulated sign answers, with the faults a test may inject. A sign answers every packet it
// could file with the packet's own bytes followed by "OK".
struct ReplyFaults {
    // Every reply this many milliseconds after its packet arrived.
    int lateMs = 0;
    // Packets, numbered from 1 in the order they arrived, that get no reply, or a garbled one (every byte
    // inverted).
    std::set<int> dropped;
    std::set<int> garbled;
    // Data packets, by the number they carry, that get no reply in any line however often they are sent:
    // a sign that never answers a packet, whatever its sendings are numbered as they arrive.
    std::set<int> ignoredData;
    bool silent = false;
};

// The reply to the `ordinal`-th packet received, or none.
std::optional<QByteArray> ReplyTo(const ReceivedPacket &packet, int ordinal, const ReplyFaults &faults);

// The record of a packet and its fate, for comparing with what the downloader reports:
// "packet 38: data packet 18, answered", "packet 39: data packet 18, not answered", "... answered
// garbled".
QString ReplyRecord(const ReceivedPacket &packet, int ordinal, bool answered, const ReplyFaults &faults);
