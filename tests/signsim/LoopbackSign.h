#pragma once

#include "download/SerialPorts.h"
#include "signsim/ReceivedSign.h"
#include "signsim/SignReplies.h"

#include <QByteArray>

#include <algorithm>
#include <vector>

// The serial layer wired straight to the simulator's sign: what the downloader writes is what the sign
// receives, and the sign's replies are what the downloader reads.
class LoopbackSign final : public SerialPorts {
public:
    explicit LoopbackSign(SignConfig config, ReplyFaults faults = {}) : sign(config)
    {
        sign.onPacket = [this, faults](const ReceivedPacket &packet, const ReceivedLine *) {
            if (const auto reply = ReplyTo(packet, ++packets, faults)) {
                replies += *reply;
            }
        };
        sign.onLine = [this](const ReceivedLine &line) { lines.push_back(line); };
    }
    int open(int) override { return 0; }
    int setup(int, int, int) override { return 0; }
    int setFlow(int, int) override { return 0; }
    int flush(int, int) override
    {
        replies.clear();
        return 0;
    }
    int write(int, const std::uint8_t *bytes, int count) override
    {
        sign.receive(bytes, static_cast<std::size_t>(count));
        return count;
    }
    int read(int, std::uint8_t *buffer, int count) override
    {
        const int taken = std::min(count, static_cast<int>(replies.size()));
        std::copy_n(replies.constData(), taken, buffer);
        replies.remove(0, taken);
        return taken;
    }
    int close(int) override { return 0; }
    QString failureReason(int) const override { return {}; }

    ReceivedSign sign;
    // Every line the sign reported, in order.
    std::vector<ReceivedLine> lines;
    QByteArray replies;
    int packets = 0;
};
