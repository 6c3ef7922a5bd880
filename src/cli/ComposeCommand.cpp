// velmora-cli compose: a text composed with the editor's own composition, printed as the window of
// FloatDots that placing would carry over the sign.
#include "cli/ComposeCommand.h"

#include "cli/CommandLineProject.h"
#include "text/FaceSubstitutes.h"
#include "text/FontFileTable.h"
#include "text/TextComposer.h"
#include "text/TextFontRules.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

const char *const command = "compose";
const QString other = QStringLiteral("other");

// The option a --source label presses: the option beside the selector that holds the entry, or "Other".
std::optional<ScriptOption> OptionOfSource(const QString &label)
{
    if (label == other) {
        return ScriptOption::Other;
    }
    if (ChineseSizeEntries().contains(label) || FontFileForLabel(FontSelector::Chinese, label)) {
        return ScriptOption::Chinese;
    }
    if (EnglishSelectorEntries().contains(label)) {
        return ScriptOption::English;
    }
    if (NumberSizeEntries().contains(label) || FontFileForLabel(FontSelector::Number, label)) {
        return ScriptOption::Number;
    }
    return std::nullopt;
}

// A whole number from `lowest` to `highest` given with option `name`, or `fallback` when not given.
std::optional<int> BoundedNumber(const QCommandLineParser &parser, const QString &name, int fallback,
                                 int lowest, int highest, QString &error)
{
    if (!parser.isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        error = QStringLiteral("--%1 must be a whole number from %2 to %3, not '%4'")
                    .arg(name)
                    .arg(lowest)
                    .arg(highest)
                    .arg(parser.value(name));
        return std::nullopt;
    }
    return value;
}

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
        "standard error."));
    parser.addOptions({
        {QStringLiteral("text"), QStringLiteral("The text to compose."), QStringLiteral("TEXT")},
        {QStringLiteral("source"),
         QStringLiteral("A size selector entry, or 'other' (default: \"5  X  7\")."),
         QStringLiteral("ENTRY")},
        {QStringLiteral("font-dir"),
         QStringLiteral("The one folder of the font files (default: the current one, then the installed "
                        "data folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("width"), QStringLiteral("The sign's width in dots, 1 to 1024 (default 192)."),
         QStringLiteral("DOTS")},
        {QStringLiteral("height"), QStringLiteral("The sign's height in dots, 1 to 256 (default 24)."),
         QStringLiteral("DOTS")},
        {QStringLiteral("dpi"), QStringLiteral("The resolution point sizes are drawn at (default 96)."),
         QStringLiteral("N")},
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

// The request the editor would compose from after the operator's steps: start-up font, the option and
// entry of --source, the font of --face and --size under "Other", then the style boxes.
std::optional<TextRequest> RequestOf(const QCommandLineParser &parser, QString &error)
{
    const QString source = parser.isSet(QStringLiteral("source")) ? parser.value(QStringLiteral("source"))
                                                                  : EnglishSelectorEntries().first();
    const std::optional<ScriptOption> option = OptionOfSource(source);
    if (!option) {
        error = QStringLiteral("unknown --source '%1' (a size selector entry, or 'other'; see --help)")
                    .arg(source);
        return std::nullopt;
    }
    const bool ownFont = parser.isSet(QStringLiteral("face")) || parser.isSet(QStringLiteral("size"));
    if (ownFont && option != ScriptOption::Other) {
        error = QStringLiteral("--face and --size go with --source other");
        return std::nullopt;
    }
    const auto width = BoundedNumber(parser, QStringLiteral("width"), 192, 1, MaxWidthDot, error);
    const auto height = BoundedNumber(parser, QStringLiteral("height"), 24, 1, MaxHeightDot, error);
    const auto dpi = BoundedNumber(parser, QStringLiteral("dpi"), 96, 1, 9600, error);
    const auto size = BoundedNumber(parser, QStringLiteral("size"), 0, 1, 1000, error);
    if (!width || !height || !dpi || !size) {
        return std::nullopt;
    }

    TextSettings text;
    FillFontSizeTables(text, *dpi);
    ApplyScriptOption(text, ScriptOption::English, EnglishSelectorEntries().first());
    ApplyScriptOption(text, *option, source);
    if (parser.isSet(QStringLiteral("face"))) {
        text.TextFont.setFamily(parser.value(QStringLiteral("face")));
    }
    if (*size > 0) {
        text.TextFont.setPointSize(*size);
    }
    ApplyTextStyle(text.TextFont, parser.isSet(QStringLiteral("bold")),
                   parser.isSet(QStringLiteral("italic")), parser.isSet(QStringLiteral("underline")));

    TextRequest request;
    request.text = parser.value(QStringLiteral("text"));
    request.chinese = {option == ScriptOption::Chinese, source};
    request.number = {option == ScriptOption::Number, source};
    // --font-dir names the one folder to look in; without it the current folder comes first and the
    // installed data folder after it, as in the editor.
    if (parser.isSet(QStringLiteral("font-dir"))) {
        request.workDir = parser.value(QStringLiteral("font-dir"));
    } else {
        request.workDir = QDir::currentPath();
        request.installedFontDir = InstalledFontFolder(QCoreApplication::applicationDirPath());
    }
    request.widthDot = *width;
    request.heightDot = *height;
    request.font = text.TextFont;
    request.dpi = *dpi;
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
    if (parser.isSet(QStringLiteral("font-dir")) &&
        !QDir(parser.value(QStringLiteral("font-dir"))).exists()) {
        return FailCommand(
            command, QStringLiteral("no font folder '%1'").arg(parser.value(QStringLiteral("font-dir"))));
    }
    QString error;
    const std::optional<TextRequest> request = RequestOf(parser, error);
    if (!request) {
        return FailCommand(command, error);
    }

    InstallFaceSubstitutes();
    auto picture = std::make_unique<DotPlane>();
    const FontFileEntry *chosen = ChosenFontFile(*request);
    if (ComposeText(*request, *picture) != chosen) {
        const QString path = QDir::toNativeSeparators(FontFilePath(request->workDir, chosen->fileName));
        std::fprintf(stderr, "velmora-cli compose: cannot read %s; drawn with the system font\n",
                     path.toUtf8().constData());
    }
    PrintOut(PictureText(*picture, std::min(request->widthDot + PictureMargin, MaxWidthDot),
                         std::min(request->heightDot + PictureMargin, MaxHeightDot)));
    return 0;
}
