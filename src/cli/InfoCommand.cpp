// velmora-cli info: a project file as the editor shows it after opening.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject InfoAsJson(const ProjectModel &model)
{
    QJsonArray colours;
    for (int i = 0; i < model.LedNumber; ++i) {
        colours.append(model.LedColor[static_cast<std::size_t>(i)]);
    }
    QJsonArray frames;
    for (int row = 1; row <= model.FrameCount; ++row) {
        QJsonObject frame;
        for (int column = 0; column < FrameColumnCount; ++column) {
            frame.insert(model.Cells.cell(column, 0), model.Cells.cell(column, row));
        }
        frames.append(frame);
    }
    return {{QStringLiteral("WidthDot"), model.WidthDot},
            {QStringLiteral("HeightDot"), model.HeightDot},
            {QStringLiteral("LedWidthDot"), model.LedWidthDot},
            {QStringLiteral("LedNumber"), model.LedNumber},
            {QStringLiteral("LedColor"), colours},
            {QStringLiteral("frames"), frames}};
}

// The geometry one value a line, then the list as tab-separated rows under its headings.
QString InfoAsText(const ProjectModel &model)
{
    QStringList colours;
    for (int i = 0; i < model.LedNumber; ++i) {
        colours << QString::number(model.LedColor[static_cast<std::size_t>(i)]);
    }
    QString text = QStringLiteral("WidthDot %1\nHeightDot %2\nLedWidthDot %3\nLedNumber %4\nLedColor %5\n")
                       .arg(model.WidthDot)
                       .arg(model.HeightDot)
                       .arg(model.LedWidthDot)
                       .arg(model.LedNumber)
                       .arg(colours.join(QLatin1Char(' ')));
    for (int row = 0; row <= model.FrameCount; ++row) {
        const RowCells &cells = model.Cells.row(row);
        text += QStringList(cells.begin(), cells.end()).join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

int RunInfo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows a project file's sign geometry, module colours and frame list, lines numbered, as "
        "the editor shows them after opening it."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The project file."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead of text."));
    parser.addOption(json);
    parser.addOption(FormatOption());
    if (const auto status = ParseCommand(parser, "info", arguments, 1)) {
        return *status;
    }
    const LoadedProject project = LoadProject(parser, parser.positionalArguments().constFirst());
    if (!project.model) {
        return FailCommand("info", project.error);
    }
    if (parser.isSet(json)) {
        PrintOut(
            QString::fromUtf8(QJsonDocument(InfoAsJson(*project.model)).toJson(QJsonDocument::Indented)));
    } else {
        PrintOut(InfoAsText(*project.model));
    }
    return 0;
}
