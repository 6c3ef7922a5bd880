#include "download/DownloadPackets.h"

#include "download/SerialPorts.h"

DownloadVariantTraits TraitsOf(DownloadVariant variant)
{
    if (variant == DownloadVariant::Full) {
        return {LineCode38400, 4 + DotBytesPerPacket, true, 20};
    }
    return {LineCode9600, 3 + DotBytesPerPacket, false, 120};
}

std::vector<std::uint8_t> HeaderPacket(int heightDot, int widthDot, const PlannedLine &line)
{
    std::vector<std::uint8_t> packet = {'H',
                                        static_cast<std::uint8_t>(heightDot),
                                        static_cast<std::uint8_t>(widthDot),
                                        static_cast<std::uint8_t>(line.board >> 8),
                                        static_cast<std::uint8_t>(line.board),
                                        static_cast<std::uint8_t>(line.frameCount)};
    for (const int seconds : line.times) {
        packet.push_back(static_cast<std::uint8_t>(seconds));
    }
    packet.push_back(PacketEnd);
    return packet;
}

std::vector<std::uint8_t> EndPacket(DownloadVariant variant)
{
    std::vector<std::uint8_t> packet(static_cast<std::size_t>(TraitsOf(variant).packetLength), 0xAA);
    packet.front() = 'E';
    packet.back() = PacketEnd;
    return packet;
}
