#include "download/DownloadTally.h"

QString OutcomeText(DownloadOutcome outcome, const DownloadTally &tally)
{
    if (outcome == DownloadOutcome::Done) {
        return QStringLiteral("done");
    }
    return tally.messages.join(QLatin1Char(' '));
}

void TallyingPace::lineStarting(int position, int lineCount, int board)
{
    tally_.linesStarted.push_back(position - 1);
    inner_.lineStarting(position, lineCount, board);
}

void TallyingPace::packetSending(int sending)
{
    ++(sending == 1 ? tally_.packetsSent : tally_.packetsSentAgain);
    inner_.packetSending(sending);
}

void TallyingPace::warning(const QString &text, const QString &reason)
{
    tally_.messages << (reason.isEmpty() ? text : QStringLiteral("%1: %2").arg(text, reason));
    inner_.warning(text, reason);
}

void TallyingPace::message(const QString &text)
{
    tally_.messages << text;
    inner_.message(text);
}
