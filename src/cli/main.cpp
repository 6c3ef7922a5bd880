#include "about/ProgramInfo.h"
#include "cli/BuildCommand.h"
#include "cli/CliCommand.h"
#include "cli/ComposeCommand.h"
#include "cli/FontsCommand.h"
#include "cli/ProjectCommands.h"
#include "cli/RecordsCommand.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Every subcommand of the command line; each lives in a file of its own in this folder.
const CliCommand commands[] = {
    {"help", "this overview; 'help SUBCOMMAND' tells more about one", nullptr},
    {"compose", "a text composed as the editor's text upload does, '#' lit and '.' dark", RunCompose},
    {"info", "a project file's sign, module colours and frame list", RunInfo},
    {"dots", "one frame of a project file as text, '#' lit and '.' dark", RunDots},
    {"render", "one frame of a project file drawn as the preview draws it, to PNG", RunRender},
    {"download", "a project file's lines sent to a sign over a serial device", RunDownloadCommand},
    {"records", "the record of downloads: which bus received which project, when", RunRecords},
    {"convert", "a project file in either format saved in the current one", RunConvert},
    {"new", "the empty project the editor's New makes for a given sign, saved", RunNew},
    {"fonts", "the seven bitmap font files drawn from installed faces", RunFonts},
    {"build", "a whole project from a route table, one frame per row", RunBuild},
};

// The command line answers on standard output and with one line of its own on standard error; Qt's
// remarks about the session it runs in (a missing runtime folder, say) are not the user's business.
void KeepQtRemarksQuiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "velmora-cli: %s\n", qPrintable(message));
    }
}

// The arguments without a choice of another platform for Qt ("-platform NAME", also with two dashes):
// the command line draws off-screen whatever it is given, so that it runs where no display is.
std::vector<char *> WithoutPlatformChoice(int argc, char **argv)
{
    std::vector<char *> kept;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool choosesPlatform = i > 0 && (argument == "-platform" || argument == "--platform");
        if (choosesPlatform) {
            ++i; // its value goes with it
            continue;
        }
        kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

void PrintOverview()
{
    std::printf("usage: velmora-cli SUBCOMMAND [OPTIONS]\n\nsubcommands:\n");
    for (const CliCommand &command : commands) {
        std::printf("  %-10s %s\n", command.name, command.summary);
    }
    std::printf("\n'velmora-cli SUBCOMMAND --help' tells more about each; 'velmora-cli --version' tells the\n"
                "version, copyright and licence.\n\n%s\n",
                ProgramInfo::LicenceLine().c_str());
}

} // namespace

int main(int argc, char **argv)
{
    // The command line draws text and pictures without a display, whatever the environment says.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepQtRemarksQuiet);
    std::vector<char *> kept = WithoutPlatformChoice(argc, argv);
    int keptCount = static_cast<int>(kept.size()) - 1;
    QGuiApplication app(keptCount, kept.data());
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        QStringList names;
        for (const CliCommand &command : commands) {
            if (command.run) {
                names << QLatin1String(command.name);
            }
        }
        std::fprintf(stderr, "velmora-cli: a subcommand is needed: %s (see velmora-cli --help)\n",
                     qPrintable(names.join(QStringLiteral(", "))));
        return 1;
    }
    // "help SUBCOMMAND" is that subcommand's --help.
    if (arguments.size() == 2 && arguments.first() == QLatin1String("help")) {
        arguments = {arguments.last(), QStringLiteral("--help")};
    } else if (QStringList{"--help", "-h", "help"}.contains(arguments.first())) {
        PrintOverview();
        return 0;
    } else if (arguments.first() == QLatin1String("--version")) {
        std::fputs(ProgramInfo::VersionText("velmora-cli").c_str(), stdout);
        return 0;
    }
    const QString name = arguments.takeFirst();
    for (const CliCommand &command : commands) {
        if (command.run && name == QLatin1String(command.name)) {
            return command.run(arguments);
        }
    }
    std::fprintf(stderr, "velmora-cli: unknown subcommand '%s' (see velmora-cli --help)\n", qPrintable(name));
    return 1;
}
