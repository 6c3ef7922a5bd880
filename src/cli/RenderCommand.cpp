// velmora-cli render: one frame drawn by the preview's own renderer, to a PNG picture.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"

#include "preview/MatrixRenderer.h"
#include "io/DecimalInt32.h"

#include <QImage>

namespace {

// Pictures wider or higher than this are refused: a radius typed by mistake must not ask for gigabytes.
constexpr int MaxPictureSide = 32767;

} // namespace

int RunRender(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws a frame as the editor's preview does, into a PNG picture of exactly ViewWidth x "
        "ViewHeight pixels."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The project file."));
    parser.addOption(FrameOption());
    parser.addOption(FormatOption());
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PNG picture to write."), QStringLiteral("OUT.png"));
    const QCommandLineOption radius(QStringLiteral("radius"), QStringLiteral("The dot radius in pixels (2)."),
                                    QStringLiteral("R"), QStringLiteral("2"));
    parser.addOption(output);
    parser.addOption(radius);
    if (const auto status = ParseCommand(parser, "render", arguments, 1)) {
        return *status;
    }
    if (!parser.isSet(output)) {
        return FailCommand("render", QStringLiteral("-o OUT.png is needed"));
    }
    const std::optional<int> dotRadius = ParseDecimalInt32(parser.value(radius));
    if (!dotRadius || *dotRadius < 1) {
        return FailCommand(
            "render",
            QStringLiteral("the radius '%1' is not a whole number of at least 1").arg(parser.value(radius)));
    }
    const LoadedProject project = LoadProject(parser, parser.positionalArguments().constFirst());
    if (!project.model) {
        return FailCommand("render", project.error);
    }
    ProjectModel &model = *project.model;
    QString error;
    const std::optional<int> frame = ChosenFrame(parser, model, error);
    if (!frame) {
        return FailCommand("render", error);
    }
    model.CurFrame = *frame;
    model.View.DotRadius = *dotRadius;
    UpdateViewExtent(model);
    const ViewState &view = model.View;
    if (view.ViewWidth > MaxPictureSide || view.ViewHeight > MaxPictureSide) {
        return FailCommand("render",
                           QStringLiteral("a radius of %1 makes a picture of %2 x %3 pixels, more than %4 "
                                          "on a side")
                               .arg(*dotRadius)
                               .arg(view.ViewWidth)
                               .arg(view.ViewHeight)
                               .arg(MaxPictureSide));
    }
    // A picture exactly the size of the view leaves no margin: the renderer puts the view at its corner.
    QImage picture(view.ViewWidth, view.ViewHeight, QImage::Format_RGB32);
    DrawMatrix(picture, model, 0, 0);
    if (!picture.save(parser.value(output), "PNG")) {
        return FailCommand("render", QStringLiteral("cannot write '%1'").arg(parser.value(output)));
    }
    return 0;
}
