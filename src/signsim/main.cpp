// velmora-signsim: a sign on the far end of a serial line, for trying the download without one.
#include "signsim/ReceivedLineFiles.h"
#include "signsim/ReceivedSign.h"
#include "signsim/SignReplies.h"
#include "signsim/SignSerialLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

#include <cerrno>
#include <cstdio>
#include <deque>
#include <poll.h>
#include <unistd.h>

namespace {

struct PendingReply {
    QByteArray bytes;
    QDeadlineTimer due;
};

int Fail(const QString &message)
{
    std::fprintf(stderr, "velmora-signsim: %s\n", qPrintable(message));
    return 1;
}

// "3,7,12" as a set of packet numbers; none when a part is not a positive number.
std::optional<std::set<int>> PacketNumbers(const QString &text)
{
    std::set<int> numbers;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok || number < 1) {
            return std::nullopt;
        }
        numbers.insert(number);
    }
    return numbers;
}

void Say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A sign on the far end of a serial line. Opens a new pseudo-terminal and prints its device path on "
        "the "
        "first line (or opens --device), answers every packet with its own bytes and \"OK\", and reports "
        "each line it received."));
    parser.addHelpOption();
    const QCommandLineOption device(QStringLiteral("device"), QStringLiteral("Use this serial device."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption single(
        QStringLiteral("single"),
        QStringLiteral("Take the single-line download's 35-byte packets (9600 baud)."));
    const QCommandLineOption moduleWidth(QStringLiteral("module-width"),
                                         QStringLiteral("Dots across one of the sign's modules (24)."),
                                         QStringLiteral("DOTS"), QStringLiteral("24"));
    const QCommandLineOption out(
        QStringLiteral("out"),
        QStringLiteral("Write line-NNN.txt (header fields and dots) and line-NNN.png for "
                       "every line received into DIR."),
        QStringLiteral("DIR"));
    const QCommandLineOption late(QStringLiteral("late"), QStringLiteral("Answer every packet MS ms late."),
                                  QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption drop(
        QStringLiteral("drop"),
        QStringLiteral("Do not answer these packets (numbered from 1 as they arrive)."),
        QStringLiteral("N,M,..."));
    const QCommandLineOption garble(QStringLiteral("garble"),
                                    QStringLiteral("Answer these packets with every byte inverted."),
                                    QStringLiteral("N,M,..."));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption hangUpAfter(
        QStringLiteral("hang-up-after"),
        QStringLiteral("Hang up once N packets have arrived and been answered."), QStringLiteral("N"));
    const QCommandLineOption exitAfterEnd(QStringLiteral("exit-after-end"),
                                          QStringLiteral("Exit once the end packet has arrived."));
    parser.addOptions(
        {device, single, moduleWidth, out, late, drop, garble, silent, hangUpAfter, exitAfterEnd});
    parser.process(app);

    SignConfig config;
    config.singleLine = parser.isSet(single);
    bool ok = false;
    config.moduleWidth = parser.value(moduleWidth).toInt(&ok);
    if (!ok || config.moduleWidth < 8 || config.moduleWidth % 8 != 0) {
        return Fail(QStringLiteral("--module-width must be a positive multiple of 8"));
    }
    ReplyFaults faults;
    faults.silent = parser.isSet(silent);
    faults.lateMs = parser.value(late).toInt(&ok);
    const auto dropped = PacketNumbers(parser.value(drop));
    const auto garbled = PacketNumbers(parser.value(garble));
    if (!ok || faults.lateMs < 0 || !dropped || !garbled) {
        return Fail(
            QStringLiteral("--late, --drop and --garble take non-negative milliseconds and packet numbers"));
    }
    faults.dropped = *dropped;
    faults.garbled = *garbled;
    const int hangUpAt = parser.isSet(hangUpAfter) ? parser.value(hangUpAfter).toInt() : 0;
    const QString outFolder = parser.value(out);
    if (!outFolder.isEmpty() && !QDir().mkpath(outFolder)) {
        return Fail(QStringLiteral("cannot create %1").arg(outFolder));
    }

    QString error;
    std::unique_ptr<SignSerialLine> line =
        parser.isSet(device)
            ? SignSerialLine::openDevice(parser.value(device), config.singleLine ? 9600 : 38400, error)
            : SignSerialLine::openPseudoTerminal(error);
    if (!line) {
        return Fail(error);
    }
    Say(line->devicePath());

    ReceivedSign sign(config);
    std::deque<PendingReply> replies;
    int packetsReceived = 0;
    bool ended = false;
    sign.onPacket = [&](const ReceivedPacket &packet, const ReceivedLine *) {
        ++packetsReceived;
        if (const auto reply = ReplyTo(packet, packetsReceived, faults)) {
            replies.push_back({*reply, QDeadlineTimer(faults.lateMs, Qt::PreciseTimer)});
        }
    };
    sign.onLine = [&](const ReceivedLine &received) {
        const int index = static_cast<int>(sign.lines().size());
        Say(QStringLiteral("line %1: board %2, %3 frame(s), %4 of %5 packets")
                .arg(index)
                .arg(received.board)
                .arg(received.frameCount)
                .arg(received.arrivedPackets())
                .arg(received.expectedPackets));
        if (!outFolder.isEmpty() && !WriteReceivedLine(outFolder, index, received)) {
            Fail(QStringLiteral("cannot write line %1 into %2").arg(index).arg(outFolder));
        }
    };
    sign.onEnd = [&] {
        Say(QStringLiteral("end"));
        ended = true;
    };

    for (;;) {
        while (!replies.empty() && replies.front().due.hasExpired()) {
            if (!line->writeAll(replies.front().bytes.constData(),
                                static_cast<int>(replies.front().bytes.size()))) {
                return Fail(QStringLiteral("the line is gone"));
            }
            replies.pop_front();
        }
        if (hangUpAt > 0 && packetsReceived >= hangUpAt && replies.empty()) {
            line->hangUp();
            Say(QStringLiteral("hung up after %1 packets").arg(packetsReceived));
            return 0;
        }
        if (ended && replies.empty() && parser.isSet(exitAfterEnd)) {
            return 0;
        }
        pollfd watch{line->fd(), POLLIN, 0};
        const int timeout = replies.empty() ? -1 : static_cast<int>(replies.front().due.remainingTime());
        if (poll(&watch, 1, timeout) < 0 && errno != EINTR) {
            return Fail(QStringLiteral("cannot wait for the line"));
        }
        if (watch.revents & POLLIN) {
            std::uint8_t bytes[4096];
            const ssize_t count = ::read(line->fd(), bytes, sizeof bytes);
            if (count <= 0) {
                return Fail(QStringLiteral("the line is gone"));
            }
            sign.receive(bytes, static_cast<std::size_t>(count));
        }
    }
}
