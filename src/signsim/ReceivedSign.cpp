#include "signsim/ReceivedSign.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint8_t EndByte = 0xFE;
constexpr int DotBytesPerPacket = 32;
constexpr int HeaderFixedBytes = 7;

} // namespace

int ReceivedLine::arrivedPackets() const
{
    int count = 0;
    for (const bool in : arrived) {
        count += in ? 1 : 0;
    }
    return count;
}

std::size_t ReceivedLine::byteOf(int frame, int x, int y) const
{
    // Rows of a band outermost, then modules right to left, bands bottom to top, byte columns right to
    // left: the byte's place counted from the start of its frame.
    const int modules = width / moduleWidth;
    const int bands = height / 8;
    const int bytesAcross = moduleWidth / 8;
    const int row = y % 8;
    const int moduleFromRight = modules - 1 - x / moduleWidth;
    const int bandFromBottom = bands - 1 - y / 8;
    const int columnFromRight = bytesAcross - 1 - (x % moduleWidth) / 8;
    const std::size_t inFrame = static_cast<std::size_t>(
        ((row * modules + moduleFromRight) * bands + bandFromBottom) * bytesAcross + columnFromRight);
    return static_cast<std::size_t>(frame) * static_cast<std::size_t>(width * height / 8) + inFrame;
}

bool ReceivedLine::dotArrived(int frame, int x, int y) const
{
    const std::size_t at = byteOf(frame, x, y);
    return at < dotBytes.size() && arrived[at / DotBytesPerPacket];
}

bool ReceivedLine::dot(int frame, int x, int y) const
{
    if (!dotArrived(frame, x, y)) {
        return false;
    }
    return (dotBytes[byteOf(frame, x, y)] >> (7 - x % 8)) & 1;
}

int ReceivedSign::packetLength(std::uint8_t kind) const
{
    switch (kind) {
    case 'H':
        // Known once the frame count (offset 5) is in: times follow only for two or more frames.
        return pending_.size() < 6 ? 6 : HeaderFixedBytes + (pending_[5] >= 2 ? pending_[5] : 0);
    case 'D':
    case 'E':
        return config_.singleLine ? 3 + DotBytesPerPacket : 4 + DotBytesPerPacket;
    default:
        return 0;
    }
}

void ReceivedSign::receive(const std::uint8_t *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (pending_.empty() && packetLength(bytes[i]) == 0) {
            ++stray_;
            continue;
        }
        pending_.push_back(bytes[i]);
        const int length = packetLength(pending_.front());
        if (static_cast<int>(pending_.size()) == length && (pending_.front() != 'H' || length > 6)) {
            packetComplete();
        }
    }
}

void ReceivedSign::packetComplete()
{
    ReceivedPacket packet;
    packet.bytes.swap(pending_);
    const bool wellEnded = packet.bytes.back() == EndByte;
    switch (packet.bytes.front()) {
    case 'H':
        packet.kind = PacketKind::Header;
        if (wellEnded) {
            startLine(packet);
        }
        break;
    case 'D':
        packet.kind = PacketKind::Data;
        packet.number = packet.bytes[1] | (config_.singleLine ? 0 : packet.bytes[2] << 8);
        if (wellEnded) {
            fileData(packet);
        }
        break;
    default:
        packet.kind = PacketKind::End;
        packet.filed = wellEnded;
        if (wellEnded) {
            finishLine();
        }
        break;
    }
    if (onPacket) {
        onPacket(packet, currentLine());
    }
    if (receiving_ && current_.complete()) {
        finishLine();
    }
    if (packet.kind == PacketKind::End && packet.filed && onEnd) {
        onEnd();
    }
}

void ReceivedSign::startLine(ReceivedPacket &packet)
{
    finishLine();
    const std::vector<std::uint8_t> &b = packet.bytes;
    ReceivedLine line;
    line.height = b[1];
    line.width = b[2];
    if (config_.width > 0) {
        if ((config_.width & 0xFF) != line.width) {
            return;
        }
        line.width = config_.width;
    }
    line.board = b[3] << 8 | b[4];
    line.frameCount = b[5];
    if (line.frameCount >= 2) {
        line.times.assign(b.begin() + 6, b.begin() + 6 + line.frameCount);
    }
    line.moduleWidth = config_.moduleWidth;
    if (line.width == 0 || line.height == 0 || line.width % config_.moduleWidth != 0 ||
        line.height % 8 != 0 || config_.moduleWidth % 8 != 0) {
        return;
    }
    const int bytes = line.frameCount * line.width * line.height / 8;
    line.expectedPackets = bytes / DotBytesPerPacket;
    line.arrived.assign(static_cast<std::size_t>(line.expectedPackets), false);
    line.dotBytes.assign(static_cast<std::size_t>(line.expectedPackets) * DotBytesPerPacket, 0);
    current_ = std::move(line);
    receiving_ = true;
    lastFiled_ = 0;
    packet.filed = true;
}

void ReceivedSign::fileData(ReceivedPacket &packet)
{
    if (!receiving_) {
        return;
    }
    // A one-byte number wraps after 255: the packet is either the last one again (a resending) or the next.
    int index = packet.number;
    if (config_.singleLine) {
        index = (lastFiled_ & 0xFF) == packet.number ? lastFiled_ : lastFiled_ + 1;
        if ((index & 0xFF) != packet.number) {
            return;
        }
    }
    if (index < 1 || index > current_.expectedPackets) {
        return;
    }
    const std::size_t slot = static_cast<std::size_t>(index - 1);
    const int dotOffset = config_.singleLine ? 2 : 3;
    std::copy_n(packet.bytes.begin() + dotOffset, DotBytesPerPacket,
                current_.dotBytes.begin() + static_cast<std::ptrdiff_t>(slot * DotBytesPerPacket));
    current_.arrived[slot] = true;
    lastFiled_ = index;
    packet.filed = true;
}

void ReceivedSign::finishLine()
{
    if (!receiving_) {
        return;
    }
    receiving_ = false;
    const ReceivedLine finished = std::exchange(current_, ReceivedLine());
    ++linesReceived_;
    if (onLine) {
        onLine(finished);
    }
}
