#include "record/DownloadRecord.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Marks the database as a download record ("VlmR"), so another program's database is never mistaken
// for one, nor written into.
constexpr int RecordApplicationId = 0x566C6D52;
// A writer sharing the record waits this long for another to finish its row.
constexpr int BusyTimeoutMs = 10000;

// "IF NOT EXISTS": two programs may find the same new record empty at once; the second's making of it
// then changes nothing.
const QString Schema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS downloads ("
    " id INTEGER PRIMARY KEY,"
    " started TEXT NOT NULL, ended TEXT NOT NULL, duration_ms INTEGER NOT NULL,"
    " bus TEXT NOT NULL, port TEXT NOT NULL,"
    " project TEXT NOT NULL, unsaved INTEGER NOT NULL, sha256 TEXT NOT NULL,"
    " sign_type TEXT NOT NULL, modules INTEGER NOT NULL, width INTEGER NOT NULL, height INTEGER NOT NULL,"
    " variant TEXT NOT NULL, lines TEXT NOT NULL,"
    " packets_sent INTEGER NOT NULL, packets_sent_again INTEGER NOT NULL,"
    " outcome TEXT NOT NULL, version TEXT NOT NULL)");
const QString Columns = QStringLiteral(
    "started, ended, duration_ms, bus, port, project, unsaved, sha256, sign_type, modules, width, height, "
    "variant, lines, packets_sent, packets_sent_again, outcome, version");

QString NewConnectionName()
{
    static QAtomicInt next;
    return QStringLiteral("velmora-record-%1").arg(next.fetchAndAddRelaxed(1));
}

QString ReasonOf(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// A text field left unset (no bus named, a project never saved) is kept as empty text: SQL's NULL,
// which Qt binds for a null string, would break the columns' NOT NULL.
QVariant Text(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString TimeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QString LinesText(const std::vector<RecordedLine> &lines)
{
    QJsonArray array;
    for (const RecordedLine &line : lines) {
        array.append(QJsonObject{{QStringLiteral("board"), line.board}, {QStringLiteral("frames"), line.frames}});
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<RecordedLine> LinesOf(const QString &text)
{
    std::vector<RecordedLine> lines;
    for (const QJsonValue value : QJsonDocument::fromJson(text.toUtf8()).array()) {
        const QJsonObject line = value.toObject();
        lines.push_back({line.value(QStringLiteral("board")).toInt(), line.value(QStringLiteral("frames")).toInt()});
    }
    return lines;
}

// Whether the open database is a download record, may become one (it holds nothing yet), or why it
// is neither.
enum class RecordKind { Record, Empty, Other };

RecordKind KindOf(const QSqlDatabase &database, QString &error)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next()) {
        error = ReasonOf(query.lastError());
        return RecordKind::Other;
    }
    if (query.value(0).toInt() == RecordApplicationId) {
        return RecordKind::Record;
    }
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
        error = ReasonOf(query.lastError());
        return RecordKind::Other;
    }
    return query.value(0).toInt() == 0 ? RecordKind::Empty : RecordKind::Other;
}

QString NotARecord(const QString &path, const QString &why)
{
    return why.isEmpty() ? QStringLiteral("%1 is not a download record").arg(path)
                         : QStringLiteral("%1 is not a download record (%2)").arg(path, why);
}

// Makes an empty database a download record: WAL mode, the mark and the table, the last two at once.
QString MakeRecord(QSqlDatabase &database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !database.transaction()) {
        return ReasonOf(query.lastError().isValid() ? query.lastError() : database.lastError());
    }
    if (!query.exec(QStringLiteral("PRAGMA application_id=%1").arg(RecordApplicationId)) ||
        !query.exec(Schema) || !database.commit()) {
        const QString reason = ReasonOf(query.lastError().isValid() ? query.lastError() : database.lastError());
        database.rollback();
        return reason;
    }
    return {};
}

// Runs `use` on a connection to `path` with `options`, then lets the connection go.
template <typename Use>
auto WithConnection(const QString &path, const QString &options, Use use)
{
    const QString name = NewConnectionName();
    auto result = [&] {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(options);
        return use(database);
    }();
    QSqlDatabase::removeDatabase(name);
    return result;
}

DownloadEntry EntryOf(const QSqlQuery &query)
{
    DownloadEntry entry;
    int column = 0;
    const auto next = [&] { return query.value(column++); };
    entry.started = QDateTime::fromString(next().toString(), Qt::ISODate);
    entry.ended = QDateTime::fromString(next().toString(), Qt::ISODate);
    entry.durationMs = next().toLongLong();
    entry.bus = next().toString();
    entry.port = next().toString();
    entry.project = next().toString();
    entry.unsaved = next().toBool();
    entry.sha256 = next().toString();
    entry.signType = next().toString();
    entry.modules = next().toInt();
    entry.width = next().toInt();
    entry.height = next().toInt();
    entry.variant = next().toString();
    entry.lines = LinesOf(next().toString());
    entry.packetsSent = next().toInt();
    entry.packetsSentAgain = next().toInt();
    entry.outcome = next().toString();
    entry.version = next().toString();
    return entry;
}

} // namespace

DownloadRecord::DownloadRecord(QString connection, QString path)
    : connection_(std::move(connection)), path_(std::move(path))
{
}

DownloadRecord::~DownloadRecord()
{
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

std::unique_ptr<DownloadRecord> DownloadRecord::openForAdding(const QString &path, QString &error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("%1: the folder %2 cannot be made").arg(path, folder);
        return nullptr;
    }
    const QString name = NewConnectionName();
    QString reason;
    bool opened = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!database.open()) {
            reason = QStringLiteral("%1: %2").arg(path, ReasonOf(database.lastError()));
        } else {
            QString why;
            switch (KindOf(database, why)) {
            case RecordKind::Record:
                opened = true;
                break;
            case RecordKind::Empty:
                why = MakeRecord(database);
                opened = why.isEmpty();
                if (!opened) {
                    reason = QStringLiteral("%1: %2").arg(path, why);
                }
                break;
            case RecordKind::Other:
                reason = NotARecord(path, why);
                break;
            }
        }
        if (!opened) {
            database.close();
        }
    }
    if (!opened) {
        QSqlDatabase::removeDatabase(name);
        error = reason;
        return nullptr;
    }
    return std::unique_ptr<DownloadRecord>(new DownloadRecord(name, path));
}

QString DownloadRecord::add(const DownloadEntry &entry)
{
    QSqlDatabase database = QSqlDatabase::database(connection_, false);
    if (!database.transaction()) {
        return QStringLiteral("%1: %2").arg(path_, ReasonOf(database.lastError()));
    }
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO downloads (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                 "?, ?, ?, ?)")
                      .arg(Columns));
    for (const QVariant &value :
         {Text(TimeText(entry.started)), Text(TimeText(entry.ended)), QVariant(entry.durationMs), Text(entry.bus),
          Text(entry.port), Text(entry.project), QVariant(entry.unsaved ? 1 : 0), Text(entry.sha256),
          Text(entry.signType), QVariant(entry.modules), QVariant(entry.width), QVariant(entry.height),
          Text(entry.variant), Text(LinesText(entry.lines)), QVariant(entry.packetsSent),
          QVariant(entry.packetsSentAgain), Text(entry.outcome), Text(entry.version)}) {
        query.addBindValue(value);
    }
    if (!query.exec() || !database.commit()) {
        const QString reason = ReasonOf(query.lastError().isValid() ? query.lastError() : database.lastError());
        database.rollback();
        return QStringLiteral("%1: %2").arg(path_, reason);
    }
    return {};
}

RecordReading ReadDownloadRecord(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        return {};
    }
    return WithConnection(
        path, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs),
        [&](QSqlDatabase &database) {
            RecordReading reading;
            if (!database.open()) {
                reading.error = QStringLiteral("%1: %2").arg(path, ReasonOf(database.lastError()));
                return reading;
            }
            QString why;
            if (KindOf(database, why) != RecordKind::Record) {
                reading.error = NotARecord(path, why);
                return reading;
            }
            QSqlQuery query(database);
            if (!query.exec(QStringLiteral("SELECT %1 FROM downloads ORDER BY started DESC, id DESC").arg(Columns))) {
                reading.error = QStringLiteral("%1: %2").arg(path, ReasonOf(query.lastError()));
                return reading;
            }
            while (query.next()) {
                reading.entries.push_back(EntryOf(query));
            }
            return reading;
        });
}

QString DownloadRecordPath(const QString &chosen)
{
    if (!chosen.isEmpty()) {
        return chosen;
    }
    const QString fromEnvironment = qEnvironmentVariable("VELMORA_RECORD");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    // The XDG rule: a relative XDG_DATA_HOME is to be ignored.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return dataHome + QStringLiteral("/velmora/downloads.sqlite");
}
