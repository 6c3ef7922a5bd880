#include "signsim/SignReplies.h"

std::optional<QByteArray> ReplyTo(const ReceivedPacket &packet, int ordinal, const ReplyFaults &faults)
{
    if (faults.silent || !packet.filed || faults.dropped.count(ordinal) > 0 ||
        (packet.kind == PacketKind::Data && faults.ignoredData.count(packet.number) > 0)) {
        return std::nullopt;
    }
    QByteArray reply(reinterpret_cast<const char *>(packet.bytes.data()),
                     static_cast<qsizetype>(packet.bytes.size()));
    reply += "OK";
    if (faults.garbled.count(ordinal) > 0) {
        for (char &byte : reply) {
            byte = static_cast<char>(~byte);
        }
    }
    return reply;
}
