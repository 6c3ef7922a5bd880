// velmora-cli convert: a project in either format written in the current one.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"

#include "io/ProjectFiles.h"

int RunConvert(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads a project file in either format and saves it in the current format, as the "
                       "editor's Save would."));
    parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The project file to read."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The '.nkv' file to write."));
    parser.addOption(FormatOption());
    if (const auto status = ParseCommand(parser, "convert", arguments, 2)) {
        return *status;
    }
    const QString in = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    if (const auto problem = OutputNameProblem(out)) {
        return FailCommand("convert", *problem);
    }
    const LoadedProject project = LoadProject(parser, in);
    if (!project.model) {
        return FailCommand("convert", project.error);
    }
    const FileResult saved = SaveProject(*project.model, out);
    if (!saved.ok()) {
        return FailCommand("convert", saved.message());
    }
    return 0;
}
