// velmora-cli compose: a text composed with the editor's own composition, printed as the window of
// FloatDots that placing would carry over the sign.
#include "cli/ComposeCommand.h"

#include "cli/CommandLineProject.h"
#include "cli/TextOptions.h"
#include "text/FaceSubstitutes.h"
#include "text/FontFileDamage.h"
#include "text/FontFileTable.h"
#include "text/GlyphCoverage.h"
#include "text/TextChoice.h"

#include <QDir>

#include <cstdio>
#include <memory>

namespace {

const char *const command = "compose";

void AddOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Composes a text as the editor's \"Text Upload\" does and prints the picture placing would carry: "
        "WIDTH + 16 columns by HEIGHT + 16 rows, '#' for a lit dot and '.' for a dark one.\n\n"
        "--source presses the option beside the selector that holds the entry and picks the entry there: an "
        "entry of the Chinese selector (\"16 X 16\" ... \"48 X 48\", \"16(TS-16)\", \"16(TS)\", "
        "\"24(明體)\", "
        "\"24(楷書)\", \"24(國喬)\") means \"Chinea\"; of the English selector (\"5  X  7\", \"10 X 15 \", "
        "\"15 X 23\", \"21 X 31\") \"English\"; of the number selector (\"16 Pixel(H)\" ... \"48 Pixel(H)\", "
        "\"24 Pixel(KV)\", \"32 Pixel(KV)\") \"Number\"; 'other' means \"Other\", no selector, with the font "
        "of --face and --size. Entries are matched exactly, blanks included. A font file entry whose file "
        "cannot be read in the font folder draws with the system font, as in the editor, and says so on "
        "standard error; one shorter than its glyphs need is refused, and the characters a font file has no "
        "glyph for are named there."));
    parser.addOptions({
        {QStringLiteral("text"), QStringLiteral("The text to compose."), QStringLiteral("TEXT")},
        {QStringLiteral("source"),
         QStringLiteral("A size selector entry, or 'other' (default: \"5  X  7\")."),
         QStringLiteral("ENTRY")},
        FontDirOption(),
        {QStringLiteral("width"), QStringLiteral("The sign's width in dots, 1 to 1024 (default 192)."),
         QStringLiteral("DOTS")},
        {QStringLiteral("height"), QStringLiteral("The sign's height in dots, 1 to 256 (default 24)."),
         QStringLiteral("DOTS")},
        DpiOption(),
        {QStringLiteral("face"),
         QStringLiteral("With --source other: the system font's face (default SimSun)."),
         QStringLiteral("FACE")},
        {QStringLiteral("size"),
         QStringLiteral("With --source other: its point size (default the first English "
                        "size)."),
         QStringLiteral("POINTS")},
        {QStringLiteral("bold"), QStringLiteral("The \"Bold\" box checked.")},
        {QStringLiteral("italic"), QStringLiteral("The \"Italic\" box checked.")},
        {QStringLiteral("underline"), QStringLiteral("The \"Underline\" box checked.")},
    });
}

// The request the editor would compose from after the operator's steps with the choices of the options.
std::optional<TextRequest> RequestOf(const QCommandLineParser &parser, QString &error)
{
    const auto width = BoundedNumber(parser, QStringLiteral("width"), 192, 1, MaxWidthDot, error);
    const auto height = BoundedNumber(parser, QStringLiteral("height"), 24, 1, MaxHeightDot, error);
    const auto dpi = DpiOf(parser, error);
    const auto size = BoundedNumber(parser, QStringLiteral("size"), 0, 1, 1000, error);
    if (!width || !height || !dpi || !size) {
        return std::nullopt;
    }
    TextChoice choice;
    choice.source = parser.value(QStringLiteral("source"));
    choice.face = parser.value(QStringLiteral("face"));
    choice.pointSize = *size;
    choice.bold = parser.isSet(QStringLiteral("bold"));
    choice.italic = parser.isSet(QStringLiteral("italic"));
    choice.underline = parser.isSet(QStringLiteral("underline"));

    TextRequest request;
    switch (ApplyTextChoice(choice, *dpi, request)) {
    case TextChoiceProblem::UnknownSource:
        error = QStringLiteral("unknown --source '%1' (%2; see --help)")
                    .arg(choice.source, UnknownSourceHint(choice.source));
        return std::nullopt;
    case TextChoiceProblem::OwnFontWithoutOther:
        error = QStringLiteral("--face and --size go with --source other");
        return std::nullopt;
    case TextChoiceProblem::None:
        break;
    }
    request.text = parser.value(QStringLiteral("text"));
    SetFontFolders(parser, request);
    request.widthDot = *width;
    request.heightDot = *height;
    return request;
}

QString PictureText(const DotPlane &picture, int width, int height)
{
    QString text;
    text.reserve((width + 1) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            text += picture.at(x, y) ? QLatin1Char('#') : QLatin1Char('.');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

int RunCompose(const QStringList &arguments)
{
    QCommandLineParser parser;
    AddOptions(parser);
    if (const auto status = ParseCommand(parser, command, arguments, 0)) {
        return *status;
    }
    if (!parser.isSet(QStringLiteral("text"))) {
        return FailCommand(command, QStringLiteral("--text TEXT is needed (see --help)"));
    }
    if (const auto problem = FontFolderProblem(parser)) {
        return FailCommand(command, *problem);
    }
    QString error;
    const std::optional<TextRequest> request = RequestOf(parser, error);
    if (!request) {
        return FailCommand(command, error);
    }

    const FontFileEntry *chosen = ChosenFontFile(*request);
    // A file cut short would print dark cells where its glyphs belong, as if the text were drawn.
    if (chosen) {
        if (const auto damage = FontFileDamage(*chosen, {request->workDir, request->installedFontDir})) {
            return FailCommand(command,
                               QStringLiteral("font %1: %2").arg(QString::fromUtf8(chosen->label), *damage));
        }
    }

    InstallFaceSubstitutes();
    auto picture = std::make_unique<DotPlane>();
    const FontFileEntry *used = ComposeText(*request, *picture);
    if (used != chosen) {
        const QString path = QDir::toNativeSeparators(FontFilePath(request->workDir, chosen->fileName));
        std::fprintf(stderr, "velmora-cli compose: cannot read %s; drawn with the system font\n",
                     path.toUtf8().constData());
    } else if (used) {
        const std::vector<char32_t> missing = CharactersWithoutGlyph(request->text, *used);
        if (!missing.empty()) {
            std::fprintf(stderr, "velmora-cli compose: warning: %s\n",
                         MissingGlyphsText(*used, missing).toUtf8().constData());
        }
    }
    PrintOut(PictureText(*picture, std::min(request->widthDot + PictureMargin, MaxWidthDot),
                         std::min(request->heightDot + PictureMargin, MaxHeightDot)));
    return 0;
}
