// velmora-cli dots: one frame's dots as text.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"

int RunDots(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints a frame as HeightDot lines of WidthDot "
                                                    "characters, '#' for a lit dot and '.' for a dark one."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The project file."));
    parser.addOption(FrameOption());
    parser.addOption(FormatOption());
    if (const auto status = ParseCommand(parser, "dots", arguments, 1)) {
        return *status;
    }
    const LoadedProject project = LoadProject(parser, parser.positionalArguments().constFirst());
    if (!project.model) {
        return FailCommand("dots", project.error);
    }
    const ProjectModel &model = *project.model;
    QString error;
    const std::optional<int> frame = ChosenFrame(parser, model, error);
    if (!frame) {
        return FailCommand("dots", error);
    }
    QString text;
    text.reserve((model.WidthDot + 1) * model.HeightDot);
    for (int y = 0; y < model.HeightDot; ++y) {
        for (int x = 0; x < model.WidthDot; ++x) {
            text += model.FrameDots.at(*frame, x, y) ? QLatin1Char('#') : QLatin1Char('.');
        }
        text += QLatin1Char('\n');
    }
    PrintOut(text);
    return 0;
}
