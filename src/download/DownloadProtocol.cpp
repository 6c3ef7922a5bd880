#include "download/DownloadProtocol.h"

#include "download/DownloadPace.h"
#include "download/DownloadPackets.h"
#include "download/SerialPorts.h"
#include "download/SignByteOrder.h"
#include "model/FrameCells.h"
#include "model/ProjectModel.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr int MostSendings = 101;
constexpr int FirstHeaderPauseMs = 5000;
constexpr int LaterHeaderPauseMs = 180;
constexpr int EndPauseMs = 120;
// A data packet's replies are read up to 256 bytes a sending; a header's up to its length + 3.
constexpr int DataReadLimit = 256;

// Asked for when shown, so that it reads in the language the window was given.
QString UploadAgainMessage()
{
    return QCoreApplication::translate("DownloadProtocol",
                                       "Upload File Error！Please Upload this File Again！");
}

class Transfer {
public:
    Transfer(const ProjectModel &model, DownloadVariant variant, SerialPorts &ports, int port,
             DownloadPace &pace)
        : model_(model), variant_(variant), traits_(TraitsOf(variant)), ports_(ports), port_(port),
          pace_(pace), replies_(ports, port, pace)
    {
    }

    bool open();
    bool sendLine(const PlannedLine &line, int position, int lineCount);
    // Answers whether the port took the end packet; the sign never answers it.
    bool sendEnd();
    void close() { ports_.close(port_); }

private:
    // Sends data packet `number` of `line` until the sign acknowledges it, at most MostSendings times;
    // from the second sending on the operator reads which packet is being sent again.
    bool sendDataPacket(const std::uint8_t *packet, int line, int number);

    const ProjectModel &model_;
    DownloadVariant variant_;
    DownloadVariantTraits traits_;
    SerialPorts &ports_;
    int port_;
    DownloadPace &pace_;
    ReplyLedger replies_;
    qint64 dotsWalked_ = 0;
    bool firstHeader_ = true;
};

bool Transfer::open()
{
    QString failure;
    if (ports_.open(port_) != 0) {
        failure = QCoreApplication::translate("DownloadProtocol", "Open COM Port Error");
    } else if (ports_.setup(port_, traits_.lineCode, Mode8N1) != 0) {
        failure = QCoreApplication::translate("DownloadProtocol", "COM Port Setup Error");
    } else if (ports_.setFlow(port_, NoFlowControl) != 0) {
        failure = QCoreApplication::translate("DownloadProtocol", "Open COM Port Error");
    }
    if (failure.isEmpty()) {
        return true;
    }
    pace_.warning(failure, ports_.failureReason(port_));
    close();
    return false;
}

bool Transfer::sendDataPacket(const std::uint8_t *packet, int line, int number)
{
    replies_.settle();
    for (int sending = 1; sending <= MostSendings; ++sending) {
        if (sending > 1) {
            pace_.packetSentAgain(
                QCoreApplication::translate("DownloadProtocol", "Line %1  packet %2  sent again (%3 of %4)")
                    .arg(Format000(line))
                    .arg(number)
                    .arg(sending)
                    .arg(MostSendings));
        }
        pace_.packetSending(sending);
        if (replies_.send(packet, traits_.packetLength, traits_.dataPauseMs, DataReadLimit)) {
            if (sending > 1) {
                pace_.packetSentAgain(QString());
            }
            return true;
        }
    }
    pace_.packetSentAgain(QString());
    pace_.message(UploadAgainMessage());
    return false;
}

bool Transfer::sendLine(const PlannedLine &line, int position, int lineCount)
{
    pace_.lineStarting(position, lineCount, line.board);
    const std::vector<std::uint8_t> header = HeaderPacket(model_.HeightDot, model_.WidthDot, line);
    const bool longPause = firstHeader_ || variant_ == DownloadVariant::SingleLine;
    firstHeader_ = false;
    const int headerLength = static_cast<int>(header.size());
    replies_.settle();
    pace_.packetSending(1);
    if (!replies_.send(header.data(), headerLength, longPause ? FirstHeaderPauseMs : LaterHeaderPauseMs,
                       headerLength + 3)) {
        pace_.warning(QCoreApplication::translate("DownloadProtocol", "The Data of the File Error!!"),
                      QString());
        if (variant_ == DownloadVariant::Full) {
            pace_.message(
                QCoreApplication::translate("DownloadProtocol", "Line No.:%1 Error!!").arg(line.board));
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
            if (!sendDataPacket(packet.data(), line.number, packetNumber)) {
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
    replies_.settle();
    ports_.flush(port_, FlushBothQueues);
    const int length = static_cast<int>(end.size());
    pace_.packetSending(1);
    // A sign that hung up after its last "OK" never learns that the transfer ended: that is no success.
    const bool taken = ports_.write(port_, end.data(), length) == length;
    pace_.pause(EndPauseMs);
    if (!taken) {
        pace_.message(UploadAgainMessage());
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
