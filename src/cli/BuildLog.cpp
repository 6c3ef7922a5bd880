#include "cli/BuildLog.h"

#include "cli/CommandLineProject.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

QJsonValue OrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace

int BuildLog::fail(const QString &message)
{
    items_.append(QJsonObject{{"row", QJsonValue()},
                              {"column", QJsonValue()},
                              {"zone", QJsonValue()},
                              {"level", "error"},
                              {"message", message}});
    return FailCommand("build", message);
}

void BuildLog::errors(const QString &source, std::vector<RouteProblem> problems)
{
    print(source, std::move(problems), "error");
}

void BuildLog::warnings(const QString &source, std::vector<RouteProblem> warnings)
{
    print(source, std::move(warnings), "warning");
}

void BuildLog::print(const QString &source, std::vector<RouteProblem> lines, const char *level)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const RouteProblem &a, const RouteProblem &b) { return a.row < b.row; });
    const bool warning = QLatin1String(level) == QLatin1String("warning");
    for (const RouteProblem &line : lines) {
        const QString place = line.row > 0 ? QStringLiteral("%1:%2").arg(source).arg(line.row) : source;
        std::fprintf(stderr, "%s: %s%s\n", place.toUtf8().constData(), warning ? "warning: " : "",
                     line.what.toUtf8().constData());
        // A zone is filled from the table's column of its name.
        items_.append(QJsonObject{{"row", line.row > 0 ? QJsonValue(line.row) : QJsonValue()},
                                  {"column", line.row > 0 ? OrNull(line.zone) : QJsonValue()},
                                  {"zone", OrNull(line.zone)},
                                  {"level", QLatin1String(level)},
                                  {"message", line.what}});
    }
}

std::optional<QString> BuildLog::writeReport(const QString &path) const
{
    QJsonArray frames;
    for (std::size_t f = 0; f < frames_.size(); ++f) {
        frames.append(QJsonObject{{"frame", static_cast<int>(f) + 1},
                                  {"row", frames_[f].row},
                                  {"zones", QJsonArray::fromStringList(frames_[f].zones)}});
    }
    const QJsonObject report{{"written", written_}, {"messages", items_}, {"frames", frames}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(report).toJson()) < 0 || !file.commit()) {
        return QStringLiteral("cannot write the report '%1': %2").arg(path, file.errorString());
    }
    return std::nullopt;
}
