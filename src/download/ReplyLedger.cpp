#include "download/ReplyLedger.h"

#include "download/DownloadPace.h"
#include "download/SerialPorts.h"

#include <algorithm>

namespace {

constexpr int ReplyPollMs = 2;

} // namespace

int ReplyLedger::takeArrived(int count)
{
    const int taken = ports_.read(port_, received_.data() + got_, std::min(count, Capacity - got_));
    if (taken <= 0) {
        return taken;
    }
    got_ += taken;
    const int replyLength = length_ + 2;
    while (owed_ > 0 && got_ >= replyLength) {
        --owed_;
        acknowledged_ = acknowledged_ || (received_[length_] == 'O' && received_[length_ + 1] == 'K');
        std::copy(received_.begin() + replyLength, received_.begin() + got_, received_.begin());
        got_ -= replyLength;
    }
    if (owed_ == 0) {
        // Bytes beyond the replies owed answer no sending.
        got_ = 0;
    }
    return taken;
}

void ReplyLedger::settle()
{
    qint64 lastReply = pace_.now();
    while (owed_ > 0) {
        const int owedBefore = owed_;
        if (takeArrived(Capacity) < 0) {
            break;
        }
        if (owed_ < owedBefore) {
            lastReply = pace_.now();
        } else if (pace_.now() - lastReply >= OwedQuietMs) {
            break;
        }
        if (owed_ > 0) {
            pace_.pause(ReplyPollMs);
        }
    }
    owed_ = 0;
    got_ = 0;
}

bool ReplyLedger::send(const std::uint8_t *packet, int length, int pauseMs, int readLimit)
{
    if (owed_ == 0) {
        ports_.flush(port_, FlushBothQueues);
        got_ = 0;
    }
    length_ = length;
    acknowledged_ = false;
    if (ports_.write(port_, packet, length) == length) {
        ++owed_;
    }
    pace_.pause(pauseMs);
    const qint64 windowStart = pace_.now();
    int read = 0;
    for (;;) {
        const int taken = takeArrived(readLimit - read);
        if (taken < 0) {
            break;
        }
        read += taken;
        if (acknowledged_ || owed_ == 0 || read >= readLimit || pace_.now() - windowStart >= ReplyWindowMs) {
            break;
        }
        pace_.pause(ReplyPollMs);
    }
    return acknowledged_;
}
