// velmora-cli render: one frame drawn by the preview's own renderer, to a PNG picture.
#include "cli/CommandLineProject.h"
#include "cli/ProjectCommands.h"

#include "preview/MatrixRenderer.h"
#include "io/DecimalInt32.h"

#include <QImage>
#include <QRegularExpression>

#include <cstdint>

namespace {

// Pictures of more pixels than this (about 1 GB of image memory) are refused: a radius typed by mistake
// must not ask for more.
constexpr std::int64_t MaxPicturePixels = std::int64_t{1} << 28;

struct PictureSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// ViewWidth x ViewHeight for a radius, computed wide: a large radius must not wrap before it is checked.
PictureSize PictureSizeAt(const ProjectModel &model, int dotRadius)
{
    const std::int64_t pitch = 2 * std::int64_t{dotRadius} + DotGapFor(dotRadius);
    return {pitch * model.WidthDot, pitch * model.HeightDot};
}

// A radius written as digits that a 32-bit int cannot hold: a whole number, only far too large.
bool IsBeyondAnInt(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\+?[0-9]+$"));
    return digits.match(text).hasMatch() && !ParseDecimalInt32(text);
}

QString PictureLimitText()
{
    return QStringLiteral("more than the %1 pixels (2^28) a picture may have").arg(MaxPicturePixels);
}

bool NamesAPng(const QString &path)
{
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

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
    if (!NamesAPng(parser.value(output))) {
        return FailCommand("render", QStringLiteral("'%1': only .png is written").arg(parser.value(output)));
    }
    const std::optional<int> dotRadius = ParseDecimalInt32(parser.value(radius));
    if (IsBeyondAnInt(parser.value(radius))) {
        return FailCommand("render", QStringLiteral("a radius of %1 makes a picture of %2")
                                         .arg(parser.value(radius), PictureLimitText()));
    }
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
    const PictureSize size = PictureSizeAt(model, *dotRadius);
    if (size.width > MaxPicturePixels / size.height) {
        return FailCommand("render", QStringLiteral("a radius of %1 makes a picture of %2 x %3 pixels, %4")
                                         .arg(*dotRadius)
                                         .arg(size.width)
                                         .arg(size.height)
                                         .arg(PictureLimitText()));
    }
    model.CurFrame = *frame;
    model.View.DotRadius = *dotRadius;
    UpdateViewExtent(model);
    const ViewState &view = model.View;
    // A picture exactly the size of the view leaves no margin: the renderer puts the view at its corner.
    QImage picture(view.ViewWidth, view.ViewHeight, QImage::Format_RGB32);
    if (picture.isNull()) {
        return FailCommand("render", QStringLiteral("no memory for a picture of %1 x %2 pixels")
                                         .arg(view.ViewWidth)
                                         .arg(view.ViewHeight));
    }
    DrawMatrix(picture, model, 0, 0);
    if (!picture.save(parser.value(output), "PNG")) {
        return FailCommand("render", QStringLiteral("cannot write '%1'").arg(parser.value(output)));
    }
    return 0;
}
