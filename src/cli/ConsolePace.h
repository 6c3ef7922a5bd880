#pragma once

#include "download/DownloadPace.h"

#include <QElapsedTimer>
#include <QString>

// A download's pace on the command line: real time, and everything the operator would read on
// standard error, each line after "velmora-cli download: " and `prefix` (the device's
// "/dev/ttyUSB1: " when several signs are sent to at once, so their lines can be told apart).
class ConsolePace final : public DownloadPace {
public:
    ConsolePace(qint64 totalDots, QString prefix);

    void pause(int ms) override;
    qint64 now() override { return clock_.elapsed(); }
    void dotWalked(qint64 total) override;
    void lineStarting(int position, int lineCount, int board) override;
    // A dead sign is named at once, then once a second while its packet is being sent again, rather
    // than with every sending.
    void packetSentAgain(const QString &status) override;
    void warning(const QString &text, const QString &reason) override;
    void message(const QString &text) override { say(text); }

private:
    static constexpr qint64 SentAgainIntervalMs = 1000;

    void say(const QString &text) const;

    QElapsedTimer clock_;
    qint64 totalDots_;
    QString prefix_;
    int shownTenths_ = 0;
    qint64 saidAgainAt_ = -1;
};

// Prints "velmora-cli download: " and the text as one line on standard error, whole even when
// several transfers print at once.
void SayOnDownload(const QString &text);
