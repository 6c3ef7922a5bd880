// velmora-cli new: the project the editor's New leaves, written to a file.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"
#include "cli/SignOptions.h"

#include "io/ProjectFiles.h"
#include "list/NewProject.h"

int RunNew(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the empty project the editor's New makes: one dark frame, listed as row 001, for the sign "
        "described by the options (by default the setup dialog's first choices)."));
    const QCommandLineOption out(QStringLiteral("o"), QStringLiteral("The '.nkv' file to write."),
                                 QStringLiteral("OUT"));
    parser.addOption(out);
    parser.addOptions(SignSetupOptions());
    if (const auto status = ParseCommand(parser, "new", arguments, 0)) {
        return *status;
    }
    if (!parser.isSet(out)) {
        return FailCommand("new", QStringLiteral("-o OUT.nkv is needed"));
    }
    const QString path = parser.value(out);
    if (const auto problem = OutputNameProblem(path)) {
        return FailCommand("new", *problem);
    }
    const CheckedSignSetup setup = SignSetupOf(parser);
    if (!setup.setup) {
        return FailCommand("new", setup.error);
    }
    ProjectModel model;
    ApplyStartupProject(model);
    ApplyNewProject(model, *setup.setup);
    const FileResult saved = SaveProject(model, path);
    if (!saved.ok()) {
        return FailCommand("new", saved.message());
    }
    return 0;
}
