#pragma once

#include "download/DownloadPace.h"
#include "download/DownloadProtocol.h"

#include <QStringList>

#include <vector>

// What one download did, as a record of it needs: the lines whose header went out, how many packets
// were sent and sent again, and the messages the operator was shown.
struct DownloadTally {
    // Positions (0-based) in the plan's lines of the lines whose header packet was sent.
    std::vector<int> linesStarted;
    // Packets sent at least once (headers, data packets and the end packet).
    int packetsSent = 0;
    // Sendings beyond each packet's first.
    int packetsSentAgain = 0;
    // Every warning (with the port's reason after ": ") and message, in the order shown.
    QStringList messages;
};

// The outcome as the operator would put it: "done", or the messages shown, in order.
QString OutcomeText(DownloadOutcome outcome, const DownloadTally &tally);

// A pace that passes everything on to the one it wraps and keeps the tally of the download.
class TallyingPace final : public DownloadPace {
public:
    explicit TallyingPace(DownloadPace &inner) : inner_(inner) {}

    const DownloadTally &tally() const { return tally_; }

    void pause(int ms) override { inner_.pause(ms); }
    qint64 now() override { return inner_.now(); }
    void transferStarting() override { inner_.transferStarting(); }
    void dotWalked(qint64 total) override { inner_.dotWalked(total); }
    void lineStarting(int position, int lineCount, int board) override;
    void packetSentAgain(const QString &status) override { inner_.packetSentAgain(status); }
    void packetSending(int sending) override;
    void warning(const QString &text, const QString &reason) override;
    void message(const QString &text) override;

private:
    DownloadPace &inner_;
    DownloadTally tally_;
};
