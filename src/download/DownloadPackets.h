#pragma once

#include "download/DownloadPlan.h"

#include <cstdint>
#include <vector>

// The packets the sign is sent. None carries a length or a checksum; each ends with 0xFE, and dot bytes
// travel as they are (one may itself be 0xFE).

inline constexpr int DotBytesPerPacket = 32;
inline constexpr std::uint8_t PacketEnd = 0xFE;

// How the two download variants differ on the wire.
struct DownloadVariantTraits {
    int lineCode;
    // Data packets: "D", the packet number's low byte, its high byte only in the full download, the dot
    // bytes, 0xFE. The end packet has the same length.
    int packetLength;
    bool numberHighByte;
    int dataPauseMs;
};

DownloadVariantTraits TraitsOf(DownloadVariant variant);

// "H", HeightDot, WidthDot, board high byte, board low byte, frame count, the times when there are two
// or more frames, 0xFE; every value as its low 8 bits.
std::vector<std::uint8_t> HeaderPacket(int heightDot, int widthDot, const PlannedLine &line);

// "E", then 0xAA up to the last byte, 0xFE.
std::vector<std::uint8_t> EndPacket(DownloadVariant variant);
