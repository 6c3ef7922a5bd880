// velmora-cli new: the project the editor's New leaves, written to a file.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"

#include "io/DecimalInt32.h"
#include "io/ProjectFiles.h"
#include "list/ColorCodeList.h"
#include "list/NewProject.h"
#include "list/SignSetup.h"

#include <algorithm>
#include <vector>

int RunNew(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the empty project the editor's New makes: one dark frame, listed as row 001, for the sign "
        "described by the options (by default the setup dialog's first choices)."));
    const QCommandLineOption out(QStringLiteral("o"), QStringLiteral("The '.nkv' file to write."),
                                 QStringLiteral("OUT"));
    const QCommandLineOption type(QStringLiteral("type"),
                                  QStringLiteral("The LED Type: %1.").arg(LedTypeCaptions().join(", ")),
                                  QStringLiteral("TYPE"), LedTypeCaptions().constFirst());
    const QCommandLineOption number(QStringLiteral("number"), QStringLiteral("The LED Number, 1 to 16."),
                                    QStringLiteral("N"), QStringLiteral("8"));
    const QCommandLineOption colors(
        QStringLiteral("colors"),
        QStringLiteral(
            "Colour codes of the modules from the left, comma-separated: 0 Yellow, 1 Red, 2 Green, "
            "3 Blue, 4 White; modules not named are yellow (default: modules 4 and 5 red)."),
        QStringLiteral("CODES"));
    parser.addOptions({out, type, number, colors});
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
    std::vector<int> codes;
    if (parser.isSet(colors)) {
        QString error;
        const auto given = ParseColorCodeList(parser.value(colors), error);
        if (!given) {
            return FailCommand("new", error);
        }
        codes = *given;
    } else {
        const auto defaults = DefaultSetupColors();
        const std::optional<int> modules = ParseDecimalInt32(parser.value(number));
        codes.assign(defaults.begin(), defaults.begin() + std::clamp(modules.value_or(0), 0, MaxLedNumber));
    }
    const CheckedSignSetup setup = ParseSignSetup(parser.value(type), parser.value(number), codes);
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
