// velmora-cli records: which bus received what, read from the record of downloads.
#include "cli/RecordsCommand.h"

#include "cli/CommandLineProject.h"
#include "record/DownloadRecord.h"
#include "record/ProjectDigest.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The first moment --since admits: a date (its midnight) or a date and time, UTC unless the text
// names another offset.
std::optional<QDateTime> SinceOf(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid()) {
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    }
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid()) {
        return std::nullopt;
    }
    if (time.timeSpec() == Qt::LocalTime) {
        time.setTimeSpec(Qt::UTC);
    }
    return time;
}

QString ProjectText(const DownloadEntry &entry)
{
    const QString name = entry.project.isEmpty() ? QStringLiteral("(never saved)") : QFileInfo(entry.project).fileName();
    return entry.unsaved ? name + QStringLiteral(" (unsaved)") : name;
}

QString ListLine(const DownloadEntry &entry)
{
    return QStringLiteral("%1  bus %2  %3  %4  %5  %6  %7 s\n")
        .arg(entry.started.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
             entry.bus.isEmpty() ? QStringLiteral("-") : entry.bus, entry.port, ProjectText(entry),
             entry.sha256.isEmpty() ? QStringLiteral("-") : entry.sha256.left(4) + QChar(0x2026), entry.outcome,
             QString::number(static_cast<double>(entry.durationMs) / 1000.0, 'f', 1));
}

QJsonObject JsonOf(const DownloadEntry &entry)
{
    QJsonArray lines;
    for (const RecordedLine &line : entry.lines) {
        lines.append(QJsonObject{{QStringLiteral("board"), line.board}, {QStringLiteral("frames"), line.frames}});
    }
    return {
        {QStringLiteral("started"), entry.started.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("ended"), entry.ended.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("duration_ms"), entry.durationMs},
        {QStringLiteral("bus"), entry.bus},
        {QStringLiteral("port"), entry.port},
        {QStringLiteral("project"), entry.project},
        {QStringLiteral("unsaved"), entry.unsaved},
        {QStringLiteral("sha256"), entry.sha256},
        {QStringLiteral("sign"),
         QJsonObject{{QStringLiteral("type"), entry.signType},
                     {QStringLiteral("modules"), entry.modules},
                     {QStringLiteral("width"), entry.width},
                     {QStringLiteral("height"), entry.height}}},
        {QStringLiteral("variant"), entry.variant},
        {QStringLiteral("lines"), lines},
        {QStringLiteral("packets_sent"), entry.packetsSent},
        {QStringLiteral("packets_sent_again"), entry.packetsSentAgain},
        {QStringLiteral("outcome"), entry.outcome},
        {QStringLiteral("version"), entry.version},
    };
}

} // namespace

int RunRecords(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the downloads of the record, newest first, one line each: start (UTC), bus, port, project "
        "file, the start of its SHA-256, the outcome and the time taken. The record is --record PATH, else "
        "the file VELMORA_RECORD names, else $XDG_DATA_HOME/velmora/downloads.sqlite "
        "(~/.local/share/velmora/downloads.sqlite); a record not made yet holds no downloads."));
    const QCommandLineOption bus(QStringLiteral("bus"), QStringLiteral("Only the downloads to this bus."),
                                 QStringLiteral("ID"));
    const QCommandLineOption since(QStringLiteral("since"),
                                   QStringLiteral("Only downloads started at or after DATE (2026-12-08, or "
                                                  "2026-12-08T09:00:00; UTC unless an offset is given)."),
                                   QStringLiteral("DATE"));
    const QCommandLineOption project(
        QStringLiteral("project"),
        QStringLiteral("Only downloads of FILE's current bytes (by their SHA-256), wherever it was sent from."),
        QStringLiteral("FILE"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("The downloads as a JSON array with every field."));
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("The record database read."),
                                    QStringLiteral("PATH"));
    parser.addOptions({bus, since, project, json, record});
    if (const auto status = ParseCommand(parser, "records", arguments, 0)) {
        return *status;
    }
    std::optional<QDateTime> from;
    if (parser.isSet(since)) {
        from = SinceOf(parser.value(since));
        if (!from) {
            return FailCommand("records", QStringLiteral("--since takes a date such as 2026-12-08 or "
                                                         "2026-12-08T09:00:00, not '%1'")
                                              .arg(parser.value(since)));
        }
    }
    QString projectSha;
    if (parser.isSet(project)) {
        QString unreadable;
        const std::optional<QString> sha = FileSha256(parser.value(project), unreadable);
        if (!sha) {
            return FailCommand("records", unreadable);
        }
        projectSha = *sha;
    }
    const RecordReading reading = ReadDownloadRecord(DownloadRecordPath(parser.value(record)));
    if (!reading.error.isEmpty()) {
        return FailCommand("records", reading.error);
    }
    QJsonArray array;
    QString text;
    for (const DownloadEntry &entry : reading.entries) {
        if ((parser.isSet(bus) && entry.bus != parser.value(bus)) || (from && entry.started < *from) ||
            (!projectSha.isEmpty() && entry.sha256 != projectSha)) {
            continue;
        }
        array.append(JsonOf(entry));
        text += ListLine(entry);
    }
    PrintOut(parser.isSet(json) ? QString::fromUtf8(QJsonDocument(array).toJson()) : text);
    return 0;
}
