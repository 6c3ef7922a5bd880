#include "signsim/SignLineService.h"

#include "signsim/ReceivedLineFiles.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

void Say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

void Complain(const QString &message)
{
    std::fprintf(stderr, "velmora-signsim: %s\n", qPrintable(message));
}

// A sign whose modules cannot lay out a header's picture leaves it unanswered, so the downloader stops
// at that line; the operator reads why here rather than guessing at a silent sign.
void ComplainOfUnfitHeader(const ReceivedPacket &header, int moduleWidth)
{
    Complain(QStringLiteral("the header for board %1 (%2 x %3 dots, the width as its low 8 bits) is not "
                            "answered: this sign cannot lay out its picture with modules %4 dots across and "
                            "bands of 8 rows (--module-width sets the modules, --width a sign over 255 dots "
                            "wide)")
                 .arg(header.bytes[3] << 8 | header.bytes[4])
                 .arg(header.bytes[2])
                 .arg(header.bytes[1])
                 .arg(moduleWidth));
}

} // namespace

SignLineService::SignLineService(std::unique_ptr<SignSerialLine> line, SignConfig config, Options options)
    : line_(std::move(line)), sign_(config), options_(std::move(options)),
      readable_(line_->fd(), QSocketNotifier::Read)
{
    replyTimer_.setSingleShot(true);
    replyTimer_.setTimerType(Qt::PreciseTimer);
    connect(&replyTimer_, &QTimer::timeout, this, &SignLineService::answer);
    connect(&readable_, &QSocketNotifier::activated, this, &SignLineService::readArrived);

    sign_.onPacket = [this, moduleWidth = config.moduleWidth](const ReceivedPacket &packet,
                                                              const ReceivedLine *received) {
        ++packetsReceived_;
        if (packet.kind == PacketKind::Header && !packet.filed && packet.bytes.back() == 0xFE) {
            ComplainOfUnfitHeader(packet, moduleWidth);
        }
        const auto reply = ReplyTo(packet, packetsReceived_, options_.faults);
        if (reply) {
            replies_.push_back({*reply, QDeadlineTimer(options_.faults.lateMs, Qt::PreciseTimer)});
        }
        if (options_.sayReplies) {
            Say(ReplyRecord(packet, packetsReceived_, reply.has_value(), options_.faults));
        }
        if (onPacket) {
            onPacket(packet, received);
        }
    };
    sign_.onLine = [this](const ReceivedLine &received) {
        const int index = sign_.linesReceived();
        Say(QStringLiteral("line %1: board %2, %3 frame(s), %4 of %5 packets")
                .arg(index)
                .arg(received.board)
                .arg(received.frameCount)
                .arg(received.arrivedPackets())
                .arg(received.expectedPackets));
        if (!options_.outFolder.isEmpty()) {
            if (const auto problem = WriteReceivedLine(options_.outFolder, index, received)) {
                Complain(*problem);
            }
        }
        if (onLine) {
            onLine(received);
        }
    };
    sign_.onEnd = [this] {
        Say(QStringLiteral("end"));
        ended_ = true;
    };
}

void SignLineService::readArrived()
{
    std::uint8_t bytes[4096];
    const ssize_t count = ::read(line_->fd(), bytes, sizeof bytes);
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (count <= 0) {
        Complain(QStringLiteral("the line is gone"));
        finish(1);
        return;
    }
    sign_.receive(bytes, static_cast<std::size_t>(count));
    answer();
}

void SignLineService::answer()
{
    while (!finished_ && !replies_.empty() && replies_.front().due.hasExpired()) {
        if (!line_->writeAll(replies_.front().bytes.constData(),
                             static_cast<int>(replies_.front().bytes.size()))) {
            Complain(QStringLiteral("the line is gone"));
            finish(1);
            return;
        }
        replies_.pop_front();
    }
    if (finished_) {
        return;
    }
    if (options_.hangUpAfter > 0 && packetsReceived_ >= options_.hangUpAfter && replies_.empty()) {
        finish(0);
        line_->hangUp();
        Say(QStringLiteral("hung up after %1 packets").arg(packetsReceived_));
        return;
    }
    if (ended_ && replies_.empty() && options_.exitAfterEnd) {
        finish(0);
        return;
    }
    if (!replies_.empty()) {
        replyTimer_.start(static_cast<int>(replies_.front().due.remainingTime()));
    }
}

void SignLineService::finish(int status)
{
    if (finished_) {
        return;
    }
    finished_ = true;
    // Nothing more is read or answered, even before the event loop has ended.
    readable_.setEnabled(false);
    replyTimer_.stop();
    emit finished(status);
}
