#pragma once

#include <QString>
#include <QtGlobal>

// What the download needs from its surroundings besides the port: the passing of time, the progress
// it reports and the messages the operator reads. The editor keeps its window painted during the
// pauses and shows the messages in boxes; the command line sleeps and prints; the tests count virtual
// milliseconds and record.
class DownloadPace {
public:
    virtual ~DownloadPace() = default;

    // Blocks for `ms` milliseconds.
    virtual void pause(int ms) = 0;
    // Milliseconds on a steady clock.
    virtual qint64 now() = 0;

    // Called once the port is open and set up, right before the first packet: the transfer begins.
    virtual void transferStarting() {}
    // Called after every dot the transfer has walked, with the number walked so far in this download.
    virtual void dotWalked(qint64) {}
    // Called when a line's header packet is about to be sent: its position in this download (1-based),
    // how many lines the download sends, and the line's board number.
    virtual void lineStarting(int, int, int) {}

    // Called before every sending of a data packet after its first, with what the operator reads while
    // it is being sent again ("Line 002  packet 17  sent again (12 of 101)"), and with an empty text
    // once the packet is acknowledged or given up.
    virtual void packetSentAgain(const QString &) {}
    // Called before every sending of a packet, header and end packets included: 1 for its first
    // sending, 2 and on for the times it is sent again.
    virtual void packetSending(int) {}

    // A box captioned "Warning" with an exclamation mark and OK; `reason`, when not empty, is what the
    // system said about the port, which the operator reads along with the text.
    virtual void warning(const QString &text, const QString &reason) = 0;
    // A plain message box.
    virtual void message(const QString &text) = 0;
};
