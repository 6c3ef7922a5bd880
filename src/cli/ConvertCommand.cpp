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
    // Only the current format is ever written; a '.kvf' name would later be read as the other format.
    if (FormatOfExtension(out) == ProjectFormat::Older) {
        return FailCommand("convert", QStringLiteral("'%1': the older format is only read, never written; "
                                                     "name the output '.nkv'")
                                          .arg(out));
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
