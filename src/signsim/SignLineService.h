#pragma once

#include "signsim/ReceivedSign.h"
#include "signsim/SignReplies.h"
#include "signsim/SignSerialLine.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

// What the simulator does once its line is open: feeds every byte that arrives to its sign, sends each
// reply when it is due, prints a line for every line received and the end, writes the received lines'
// files when asked, and finishes as the options say. It runs in the application's event loop, so a
// window can show the sign while it answers.
class SignLineService : public QObject {
    Q_OBJECT
public:
    struct Options {
        ReplyFaults faults;
        // Hang up once this many packets have arrived and been answered; 0 never.
        int hangUpAfter = 0;
        bool exitAfterEnd = false;
        // Print every packet's record: its number as it arrived, its kind and whether it was answered.
        bool sayReplies = false;
        // Where line-NNN.txt and line-NNN.png go; none when empty.
        QString outFolder;
    };

    SignLineService(std::unique_ptr<SignSerialLine> line, SignConfig config, Options options);

    // The name a downloader opens.
    const QString &devicePath() const { return line_->devicePath(); }
    // The sign the bytes go to.
    const ReceivedSign &sign() const { return sign_; }
    // For a window: called after the service's own handling of every packet and every line.
    std::function<void(const ReceivedPacket &packet, const ReceivedLine *line)> onPacket;
    std::function<void(const ReceivedLine &line)> onLine;

signals:
    // The simulator is done: 0 after hanging up or the end as asked, 1 when the line is gone.
    void finished(int status);

private:
    void readArrived();
    // Sends the replies that are due, then hangs up or finishes when the options say so, else waits for
    // the next reply.
    void answer();
    void finish(int status);

    struct PendingReply {
        QByteArray bytes;
        QDeadlineTimer due;
    };

    std::unique_ptr<SignSerialLine> line_;
    ReceivedSign sign_;
    Options options_;
    QSocketNotifier readable_;
    QTimer replyTimer_;
    std::deque<PendingReply> replies_;
    int packetsReceived_ = 0;
    bool ended_ = false;
    bool finished_ = false;
};
