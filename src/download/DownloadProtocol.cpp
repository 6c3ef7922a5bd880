#include "download/DownloadProtocol.h"

#include "download/DownloadPace.h"
#include "download/DownloadPackets.h"
#include "download/SerialPorts.h"
#include "download/SignByteOrder.h"
#include "model/ProjectModel.h"

#include <algorithm>
#include <array>

namespace {

constexpr int MostSendings = 101;
constexpr int FirstHeaderPauseMs = 5000;
constexpr int LaterHeaderPauseMs = 180;
constexpr int EndPauseMs = 120;
constexpr int ReplyPollMs = 2;
const QString UploadAgainMessage =
    QStringLiteral("Upload File Error\uFF01Please Upload this File Again\uFF01");
// A data packet's reply is read up to 256 bytes; a header's up to its length + 3, which for a line of
// 255 frames is more than 256, so the buffer holds the longer of the two.
constexpr int DataReadLimit = 256;
constexpr int LongestHeaderReadLimit = 7 + 255 + 3;
constexpr int ReceiveBufferBytes = std::max(DataReadLimit, LongestHeaderReadLimit);

class Transfer {
public:
    Transfer(const ProjectModel &model, DownloadVariant variant, SerialPorts &ports, int port,
             DownloadPace &pace)
        : model_(model), variant_(variant), traits_(TraitsOf(variant)), ports_(ports), port_(port),
          pace_(pace)
    {
    }

    bool open();
    bool sendLine(const PlannedLine &line, int position, int lineCount);
    // Answers whether the port took the end packet; the sign never answers it.
    bool sendEnd();
    void close() { ports_.close(port_); }

private:
    // Flush, write, the fixed pause, then read into the cleared buffer: at most `readLimit` bytes, until
    // the packet's own bytes and "OK" are in or the reply window has passed. Answers whether "OK" stands
    // right after the packet's own bytes.
    bool sendAndJudge(const std::uint8_t *packet, int length, int pauseMs, int readLimit);
    bool sendDataPacket(const std::uint8_t *packet);

    const ProjectModel &model_;
    DownloadVariant variant_;
    DownloadVariantTraits traits_;
    SerialPorts &ports_;
    int port_;
    DownloadPace &pace_;
    std::array<std::uint8_t, ReceiveBufferBytes> received_ = {};
    qint64 dotsWalked_ = 0;
    bool firstHeader_ = true;
};

bool Transfer::open()
{
    QString failure;
    if (ports_.open(port_) != 0) {
        failure = QStringLiteral("Open COM Port Error");
    } else if (ports_.setup(port_, traits_.lineCode, Mode8N1) != 0) {
        failure = QStringLiteral("COM Port Setup Error");
    } else if (ports_.setFlow(port_, NoFlowControl) != 0) {
        failure = QStringLiteral("Open COM Port Error");
    }
    if (failure.isEmpty()) {
        return true;
    }
    pace_.warning(failure);
    close();
    return false;
}

bool Transfer::sendAndJudge(const std::uint8_t *packet, int length, int pauseMs, int readLimit)
{
    ports_.flush(port_, FlushBothQueues);
    ports_.write(port_, packet, length);
    pace_.pause(pauseMs);
    received_.fill(0);
    const int complete = length + 2;
    int got = 0;
    const qint64 windowStart = pace_.now();
    for (;;) {
        const int taken = ports_.read(port_, received_.data() + got, readLimit - got);
        if (taken < 0) {
            break;
        }
        got += taken;
        if (got >= complete || got >= readLimit || pace_.now() - windowStart >= ReplyWindowMs) {
            break;
        }
        pace_.pause(ReplyPollMs);
    }
    return received_[length] == 'O' && received_[length + 1] == 'K';
}

bool Transfer::sendDataPacket(const std::uint8_t *packet)
{
    for (int sending = 0; sending < MostSendings; ++sending) {
        if (sendAndJudge(packet, traits_.packetLength, traits_.dataPauseMs, DataReadLimit)) {
            return true;
        }
    }
    pace_.message(UploadAgainMessage);
    return false;
}

bool Transfer::sendLine(const PlannedLine &line, int position, int lineCount)
{
    pace_.lineStarting(position, lineCount, line.board);
    const std::vector<std::uint8_t> header = HeaderPacket(model_.HeightDot, model_.WidthDot, line);
    const bool longPause = firstHeader_ || variant_ == DownloadVariant::SingleLine;
    firstHeader_ = false;
    const int headerLength = static_cast<int>(header.size());
    if (!sendAndJudge(header.data(), headerLength, longPause ? FirstHeaderPauseMs : LaterHeaderPauseMs,
                      headerLength + 3)) {
        pace_.warning(QStringLiteral("The Data of the File Error!!"));
        if (variant_ == DownloadVariant::Full) {
            pace_.message(QStringLiteral("Line No.:%1 Error!!").arg(line.board));
        }
        return false;
    }

    std::vector<std::uint8_t> dotBytes;
    for (int frame = 0; frame < line.frameCount; ++frame) {
        AppendFrameDotBytes(model_, line.firstSlot + frame, dotBytes);
    }
    const int dotOffset = traits_.numberHighByte ? 3 : 2;
    std::array<std::uint8_t, 4 + DotBytesPerPacket> packet = {};
    int packetNumber = 0;
    int filled = 0;
    for (const std::uint8_t byte : dotBytes) {
        if (filled == 0) {
            ++packetNumber;
            packet[0] = 'D';
            packet[1] = static_cast<std::uint8_t>(packetNumber);
            packet[2] = static_cast<std::uint8_t>(packetNumber >> 8);
        }
        for (int dot = 0; dot < 8; ++dot) {
            pace_.dotWalked(++dotsWalked_);
        }
        packet[dotOffset + filled] = byte;
        if (++filled == DotBytesPerPacket) {
            packet[dotOffset + DotBytesPerPacket] = PacketEnd;
            if (!sendDataPacket(packet.data())) {
                return false;
            }
            filled = 0;
        }
    }
    return true;
}

bool Transfer::sendEnd()
{
    const std::vector<std::uint8_t> end = EndPacket(variant_);
    ports_.flush(port_, FlushBothQueues);
    const int length = static_cast<int>(end.size());
    // A sign that hung up after its last "OK" never learns that the transfer ended: that is no success.
    const bool taken = ports_.write(port_, end.data(), length) == length;
    pace_.pause(EndPauseMs);
    if (!taken) {
        pace_.message(UploadAgainMessage);
    }
    return taken;
}

} // namespace

DownloadOutcome RunDownload(const ProjectModel &model, const DownloadPlan &plan, DownloadVariant variant,
                            SerialPorts &ports, int port, DownloadPace &pace)
{
    Transfer transfer(model, variant, ports, port, pace);
    if (!transfer.open()) {
        return DownloadOutcome::PortFailed;
    }
    pace.transferStarting();
    const int lineCount = static_cast<int>(plan.lines.size());
    for (int i = 0; i < lineCount; ++i) {
        if (!transfer.sendLine(plan.lines[static_cast<std::size_t>(i)], i + 1, lineCount)) {
            transfer.close();
            return DownloadOutcome::NotAnswered;
        }
    }
    const bool ended = transfer.sendEnd();
    transfer.close();
    return ended ? DownloadOutcome::Done : DownloadOutcome::NotAnswered;
}
