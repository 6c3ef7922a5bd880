#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>

class DownloadPace;
class SerialPorts;

// How long after the fixed pause a sending's reply is awaited. A sign that answers a little late is
// still heard; one that answers later than this gets the packet again.
inline constexpr int ReplyWindowMs = 300;

// How long the replies still owed by a packet's sendings are awaited, before another packet goes, once
// none has come: longer than the time between two sendings of a packet (the pause and the reply
// window), so a late sign's replies, which follow each other at that distance, are all taken in.
inline constexpr int OwedQuietMs = 2 * ReplyWindowMs;

// The sendings of the packets and the sign's replies to them. Every sending is owed one reply: as many
// bytes as the packet has, then "OK" (any other two bytes there refuse it); the sign answers in the
// order it was sent to. A reply that comes while a packet is being sent answers one of that packet's
// sendings, since the replies owed by the packet before were awaited and discarded before it went, so
// a late reply is not taken for a later packet's and a packet is acknowledged only by an "OK" the sign
// sent for it. A reply owed that has not come once the line has been quiet for OwedQuietMs is taken
// for lost, as a sign that drops a reply would otherwise slow every packet after it.
class ReplyLedger {
public:
    ReplyLedger(SerialPorts &ports, int port, DownloadPace &pace) : ports_(ports), port_(port), pace_(pace) {}

    // Awaits the replies still owed by the last packet's sendings, for as long as they keep coming (one
    // at least every OwedQuietMs), and discards them with whatever else has arrived. Called before a
    // packet other than the one they answer is sent.
    void settle();

    // One sending of a packet of `length` bytes: flush (unless a reply to an earlier sending of the same
    // packet is still owed, which the flush would cut), write, the fixed pause, then reads of at most
    // `readLimit` bytes in all until a reply acknowledges the packet, every reply owed has come or the
    // reply window has passed. Answers whether a reply acknowledged the packet.
    bool send(const std::uint8_t *packet, int length, int pauseMs, int readLimit);

private:
    // Reads what has arrived, at most `count` bytes, and takes the whole replies among it. Answers the
    // number of bytes read, or a negative value when the port has failed.
    int takeArrived(int count);

    // A header of 255 frames (262 bytes) and its reply's "OK" fit, and a data packet's read of 256.
    static constexpr int Capacity = 7 + 255 + 3;

    SerialPorts &ports_;
    int port_;
    DownloadPace &pace_;
    std::array<std::uint8_t, Capacity> received_ = {};
    // Bytes of a reply begun but not complete.
    int got_ = 0;
    // The length of the packet being sent; its replies are this and 2 bytes long.
    int length_ = 0;
    int owed_ = 0;
    bool acknowledged_ = false;
};
