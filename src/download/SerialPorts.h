#pragma once

#include <QString>

#include <cstdint>

// The download's serial layer: the seven roles of the port library it speaks to, each taking the port
// number 1..10 first and answering 0 on success where the answer matters. The protocol knows the port
// only through these roles, so it runs the same over a real port, a pseudo-terminal or a test's sign.
class SerialPorts {
public:
    virtual ~SerialPorts() = default;

    virtual int open(int port) = 0;
    // Line code 14 is 38400 baud, 12 is 9600 baud; mode 3 is 8 data bits, no parity, 1 stop bit.
    virtual int setup(int port, int lineCode, int mode) = 0;
    // Setting 0: no flow control.
    virtual int setFlow(int port, int setting) = 0;
    // Queues 2: discard both what was received and what waits to be sent.
    virtual int flush(int port, int queues) = 0;
    // Answers the number of bytes taken, or a negative value when the port has failed.
    virtual int write(int port, const std::uint8_t *bytes, int count) = 0;
    // Takes what has arrived, at most `count` bytes, without waiting. Answers the number taken, or a
    // negative value when the port has failed (the far end hung up): no reply can come any more.
    virtual int read(int port, std::uint8_t *buffer, int count) = 0;
    virtual int close(int port) = 0;
    // Why the last role that failed on the port failed, as the system gave it and naming the device the
    // port stands for ("/dev/ttyUSB0: Permission denied"); empty when no reason is known.
    virtual QString failureReason(int port) const = 0;
};

inline constexpr int FirstPortNumber = 1;
inline constexpr int LastPortNumber = 10;

// The codes the download passes to the roles.
inline constexpr int LineCode38400 = 14;
inline constexpr int LineCode9600 = 12;
inline constexpr int Mode8N1 = 3;
inline constexpr int NoFlowControl = 0;
inline constexpr int FlushBothQueues = 2;
