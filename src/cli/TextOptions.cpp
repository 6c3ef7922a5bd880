#include "cli/TextOptions.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString fontDir = QStringLiteral("font-dir");

} // namespace

QCommandLineOption FontDirOption()
{
    return {fontDir,
            QStringLiteral("The one folder of the font files (default: the current one, then the installed "
                           "data folder)."),
            QStringLiteral("DIR")};
}

QCommandLineOption DpiOption()
{
    return {QStringLiteral("dpi"), QStringLiteral("The resolution point sizes are drawn at (default 96)."),
            QStringLiteral("N")};
}

std::optional<int> BoundedNumber(const QCommandLineParser &parser, const QString &name, int fallback,
                                 int lowest, int highest, QString &error)
{
    if (!parser.isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        error = QStringLiteral("--%1 must be a whole number from %2 to %3, not '%4'")
                    .arg(name)
                    .arg(lowest)
                    .arg(highest)
                    .arg(parser.value(name));
        return std::nullopt;
    }
    return value;
}

std::optional<int> DpiOf(const QCommandLineParser &parser, QString &error)
{
    return BoundedNumber(parser, QStringLiteral("dpi"), 96, 1, 9600, error);
}

std::optional<QString> FontFolderProblem(const QCommandLineParser &parser)
{
    if (parser.isSet(fontDir) && !QDir(parser.value(fontDir)).exists()) {
        return QStringLiteral("no font folder '%1'").arg(parser.value(fontDir));
    }
    return std::nullopt;
}

void SetFontFolders(const QCommandLineParser &parser, TextRequest &request)
{
    if (parser.isSet(fontDir)) {
        request.workDir = parser.value(fontDir);
    } else {
        request.workDir = QDir::currentPath();
        request.installedFontDir = InstalledFontFolder(QCoreApplication::applicationDirPath());
    }
}
