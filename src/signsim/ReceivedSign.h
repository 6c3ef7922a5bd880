#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// What a sign makes of the bytes arriving on its serial line, worked out from the sign's side alone: it
// frames the packets (none carries a length, each ends with 0xFE), reads each line's header, files the
// numbered data packets and lays their dot bytes back out as the frames' dots with its own knowledge of
// its modules. It shares no code with the downloader, so the two cannot share a misunderstanding.

struct SignConfig {
    // Dots across one of the sign's modules; the header does not carry it, the sign knows it.
    int moduleWidth = 24;
    // The single-line download: 35-byte data and end packets whose number is one byte.
    bool singleLine = false;
    // Dots across the whole sign, as the sign knows it; 0 takes the header's width. The header carries
    // only the width's low 8 bits, so a sign over 255 dots wide must know its width to lay out its dots.
    int width = 0;
};

enum class PacketKind { Header, Data, End };

struct ReceivedPacket {
    PacketKind kind = PacketKind::Header;
    // The packet as it arrived, 0xFE included.
    std::vector<std::uint8_t> bytes;
    // A data packet's number as it travelled (one or two bytes).
    int number = 0;
    // Whether the sign could file it: a header with a usable geometry, or a data packet of the line being
    // received at the place its number gives. A sign answers only packets it could file.
    bool filed = false;
};

// One line as the sign received it.
struct ReceivedLine {
    int height = 0;
    int width = 0;
    int board = 0;
    int frameCount = 0;
    // The frames' times; empty for a line of one frame.
    std::vector<int> times;
    // Whole packets of 32 dot bytes the line's frames fill, and which of them have arrived.
    int expectedPackets = 0;
    std::vector<bool> arrived;
    // The dot bytes in the order they travelled; those of packets not arrived are zero.
    std::vector<std::uint8_t> dotBytes;
    int moduleWidth = 0;

    int arrivedPackets() const;
    bool complete() const { return arrivedPackets() == expectedPackets; }
    // Whether dot (x, y) of frame `frame` is lit as received; dots whose byte never arrived are dark.
    bool dot(int frame, int x, int y) const;
    // Whether dot (x, y) of frame `frame` travelled in a packet that arrived.
    bool dotArrived(int frame, int x, int y) const;

private:
    // Position of the dot's byte in the line's dot bytes.
    std::size_t byteOf(int frame, int x, int y) const;
};

class ReceivedSign {
public:
    explicit ReceivedSign(SignConfig config) : config_(config) {}

    // Every packet framed, after it has been filed; `line` is the line it belongs to, with the packet's dots
    // in (none for the end packet and for packets outside a line). A line's last packet comes before the
    // line itself.
    std::function<void(const ReceivedPacket &packet, const ReceivedLine *line)> onPacket;
    // A line that is over: all its packets arrived, or a new header or the end packet came first. The sign
    // keeps no line once it has been reported: a stream of headers must not pile up their dots.
    std::function<void(const ReceivedLine &line)> onLine;
    // The end packet.
    std::function<void()> onEnd;

    void receive(const std::uint8_t *bytes, std::size_t count);

    // How many lines have been reported.
    int linesReceived() const { return linesReceived_; }
    // The line being received, filling in packet by packet; none between lines.
    const ReceivedLine *currentLine() const { return receiving_ ? &current_ : nullptr; }
    // Bytes that began no packet.
    int strayBytes() const { return stray_; }

private:
    int packetLength(std::uint8_t kind) const;
    void packetComplete();
    void startLine(ReceivedPacket &packet);
    void fileData(ReceivedPacket &packet);
    // Ends the line being received, if any, and reports it.
    void finishLine();

    SignConfig config_;
    std::vector<std::uint8_t> pending_;
    int linesReceived_ = 0;
    ReceivedLine current_;
    bool receiving_ = false;
    // 1-based index of the last data packet filed in the current line.
    int lastFiled_ = 0;
    int stray_ = 0;
};
