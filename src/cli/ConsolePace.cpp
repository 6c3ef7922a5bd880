#include "cli/ConsolePace.h"

#include <QThread>

#include <cstdio>

ConsolePace::ConsolePace(qint64 totalDots, QString prefix)
    : totalDots_(std::max<qint64>(totalDots, 1)), prefix_(std::move(prefix))
{
    clock_.start();
}

void ConsolePace::pause(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

void ConsolePace::dotWalked(qint64 total)
{
    const int tenths = static_cast<int>(total * 10 / totalDots_);
    if (tenths != shownTenths_) {
        shownTenths_ = tenths;
        say(QStringLiteral("%1% of the dots sent").arg(tenths * 10));
    }
}

void ConsolePace::lineStarting(int position, int lineCount, int board)
{
    say(QStringLiteral("line %1 of %2 (board %3)").arg(position).arg(lineCount).arg(board));
}

void ConsolePace::packetSentAgain(const QString &status)
{
    if (!status.isEmpty() && (saidAgainAt_ < 0 || now() - saidAgainAt_ >= SentAgainIntervalMs)) {
        saidAgainAt_ = now();
        say(status);
    }
}

void ConsolePace::warning(const QString &text, const QString &reason)
{
    say(reason.isEmpty() ? text : QStringLiteral("%1: %2").arg(text, reason));
}

void ConsolePace::say(const QString &text) const
{
    SayOnDownload(prefix_ + text);
}

void SayOnDownload(const QString &text)
{
    // One write of the whole line: stdio takes the stream's lock for it, so lines of transfers that
    // run at once never mix.
    std::fprintf(stderr, "velmora-cli download: %s\n", text.toUtf8().constData());
    std::fflush(stderr);
}
