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

QString ReplyRecord(const ReceivedPacket &packet, int ordinal, bool answered, const ReplyFaults &faults)
{
    const QString kind = packet.kind == PacketKind::Header ? QStringLiteral("header")
                         : packet.kind == PacketKind::Data
                             ? QStringLiteral("data packet %1").arg(packet.number)
                             : QStringLiteral("end");
    const QString fate = !answered                           ? QStringLiteral("not answered")
                         : faults.garbled.count(ordinal) > 0 ? QStringLiteral("answered garbled")
                                                             : QStringLiteral("answered");
    return QStringLiteral("packet %1: %2, %3").arg(ordinal).arg(kind, fate);
}
