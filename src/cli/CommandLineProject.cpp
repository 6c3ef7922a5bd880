#include "cli/CommandLineProject.h"

#include "io/DecimalInt32.h"
#include "io/ProjectFiles.h"
#include "io/ProjectTransfer.h"

#include <QRegularExpression>

#include <cstdio>

int FailCommand(const char *command, const QString &message)
{
    std::fprintf(stderr, "velmora-cli %s: %s\n", command, message.toUtf8().constData());
    return 1;
}

std::optional<int> ParseCommand(QCommandLineParser &parser, const char *command, const QStringList &arguments,
                                int positionalCount)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QString name = QStringLiteral("velmora-cli %1").arg(QLatin1String(command));
    if (!parser.parse(QStringList{name} + arguments)) {
        return FailCommand(command, parser.errorText());
    }
    if (parser.isSet(help)) {
        // Qt names the program by its path; the usage line names the subcommand instead.
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ") + name);
        PrintOut(text);
        return 0;
    }
    if (parser.positionalArguments().size() != positionalCount) {
        return FailCommand(command, QStringLiteral("expects %1 file name(s), got %2 (see --help)")
                                        .arg(positionalCount)
                                        .arg(parser.positionalArguments().size()));
    }
    return std::nullopt;
}

QCommandLineOption FormatOption()
{
    return {QStringLiteral("format"),
            QStringLiteral(
                "Read the project file as 'nkv' (current format) or 'kvf' (older format); "
                "by default '.kvf' files are read as the older format, all others as the current one."),
            QStringLiteral("nkv|kvf")};
}

QCommandLineOption FrameOption()
{
    return {QStringLiteral("frame"), QStringLiteral("The frame, numbered from 1 as the list numbers rows."),
            QStringLiteral("N")};
}

LoadedProject LoadProject(const QCommandLineParser &parser, const QString &path)
{
    ProjectFormat format = FormatOfExtension(path);
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        if (name != QLatin1String("nkv") && name != QLatin1String("kvf")) {
            return {nullptr, QStringLiteral("unknown format '%1' (nkv or kvf)").arg(name)};
        }
        format = name == QLatin1String("kvf") ? ProjectFormat::Older : ProjectFormat::Current;
    }
    const CheckedProjectFile read = ReadProjectFile(path, format, {});
    if (!read.result.ok()) {
        return {nullptr, read.result.message()};
    }
    auto model = std::make_unique<ProjectModel>();
    ApplyStartupProject(*model);
    OpenProject(*model, read.file, path);
    return {std::move(model), {}};
}

std::optional<int> ChosenFrame(const QCommandLineParser &parser, const ProjectModel &model, QString &error)
{
    if (!parser.isSet(QStringLiteral("frame"))) {
        error = QStringLiteral("--frame N is needed");
        return std::nullopt;
    }
    const QString text = parser.value(QStringLiteral("frame"));
    const std::optional<int> frame = ParseDecimalInt32(text);
    if (!frame || *frame < 1 || *frame > model.FrameCount) {
        error = QStringLiteral("there is no frame '%1': the project has %2 frame(s)")
                    .arg(text)
                    .arg(model.FrameCount);
        return std::nullopt;
    }
    return *frame - 1;
}

std::optional<QString> OutputNameProblem(const QString &out)
{
    if (out.endsWith(QLatin1String(".nkv"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    if (FormatOfExtension(out) == ProjectFormat::Older) {
        return QStringLiteral("'%1': the older format is only read, never written; name the output '.nkv'")
            .arg(out);
    }
    return QStringLiteral("'%1': only .nkv is written; name the output '.nkv'").arg(out);
}

void PrintOut(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}
