#pragma once

#include "download/DownloadPace.h"
#include "download/SerialPorts.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Virtual time for the protocol tests: pauses move the clock on at once and are recorded, so a download
// with its five-second header pause runs in microseconds. Progress and messages are recorded too.
class VirtualPace final : public DownloadPace {
public:
    void pause(int ms) override
    {
        pauses.push_back(ms);
        clock += ms;
    }
    qint64 now() override { return clock; }
    void dotWalked(qint64 total) override { dots = total; }
    void packetSentAgain(const QString &status) override { sentAgain << status; }
    void warning(const QString &text, const QString &reason) override
    {
        warnings << (reason.isEmpty() ? text : text + QStringLiteral(" / ") + reason);
    }
    void message(const QString &text) override { messages << text; }

    qint64 clock = 0;
    qint64 dots = 0;
    std::vector<int> pauses;
    QStringList sentAgain;
    QStringList warnings;
    QStringList messages;
};

// A sign on the far end of the serial layer, in virtual time. It records every role called and every
// packet written, and answers each packet as `answer` says: by default at once with the packet's own
// bytes and "OK". A reply becomes readable when its delay has passed; a flush discards the replies that
// are readable.
class ScriptedSign final : public SerialPorts {
public:
    struct Reply {
        Bytes bytes;
        qint64 delayMs = 0;
    };
    // Called with the packet's index among all packets written (0-based) and its bytes.
    using Answer = std::function<std::optional<Reply>(int index, const Bytes &packet)>;
    // An answer that acknowledges the packets whose index `acknowledged` accepts and ignores the others.
    static Answer AcknowledgeOnly(std::function<bool(int index)> acknowledged)
    {
        return [acknowledged](int index, const Bytes &packet) {
            return acknowledged(index) ? std::optional<Reply>(Acknowledge(packet)) : std::nullopt;
        };
    }

    explicit ScriptedSign(VirtualPace &pace) : pace_(&pace) {}

    static Reply Acknowledge(const Bytes &packet, qint64 delayMs = 0)
    {
        Bytes bytes = packet;
        bytes.push_back('O');
        bytes.push_back('K');
        return {bytes, delayMs};
    }

    int open(int port) override { return record(QStringLiteral("open %1").arg(port), openResult); }
    int setup(int port, int lineCode, int mode) override
    {
        return record(QStringLiteral("setup %1 %2 %3").arg(port).arg(lineCode).arg(mode), setupResult);
    }
    int setFlow(int port, int setting) override
    {
        return record(QStringLiteral("flow %1 %2").arg(port).arg(setting), flowResult);
    }
    int flush(int port, int queues) override
    {
        // Only what has arrived is discarded; a reply still on its way comes after the flush.
        while (!pending_.empty() && pending_.front().due <= pace_->now()) {
            pending_.pop_front();
        }
        return record(QStringLiteral("flush %1 %2").arg(port).arg(queues), 0);
    }
    int write(int port, const std::uint8_t *bytes, int count) override
    {
        packets.emplace_back(bytes, bytes + count);
        if (static_cast<int>(packets.size()) > writesBeforeHangUp) {
            return record(QStringLiteral("write %1 %2").arg(port).arg(count), -1);
        }
        if (const auto reply = answer(static_cast<int>(packets.size()) - 1, packets.back())) {
            pending_.push_back({reply->bytes, pace_->now() + reply->delayMs});
        }
        return record(QStringLiteral("write %1 %2").arg(port).arg(count), count);
    }
    int read(int port, std::uint8_t *buffer, int count) override
    {
        readLimits.push_back(count);
        int taken = 0;
        while (!pending_.empty() && pending_.front().due <= pace_->now() && taken < count) {
            Bytes &bytes = pending_.front().bytes;
            const int n = std::min(count - taken, static_cast<int>(bytes.size()));
            std::copy_n(bytes.begin(), n, buffer + taken);
            bytes.erase(bytes.begin(), bytes.begin() + n);
            taken += n;
            if (bytes.empty()) {
                pending_.pop_front();
            }
        }
        record(QStringLiteral("read %1").arg(port), 0);
        return taken;
    }
    int close(int port) override { return record(QStringLiteral("close %1").arg(port), 0); }
    QString failureReason(int) const override { return reason; }

    Answer answer = [](int, const Bytes &packet) { return std::optional<Reply>(Acknowledge(packet)); };
    int openResult = 0;
    int setupResult = 0;
    int flowResult = 0;
    // What the port says about its last failure.
    QString reason;
    // The port fails every write after this many: the sign has hung up.
    int writesBeforeHangUp = std::numeric_limits<int>::max();

    QStringList calls;
    std::vector<Bytes> packets;
    std::vector<int> readLimits;

private:
    struct Pending {
        Bytes bytes;
        qint64 due;
    };
    int record(const QString &call, int result)
    {
        calls << call;
        return result;
    }

    VirtualPace *pace_;
    std::deque<Pending> pending_;
};
