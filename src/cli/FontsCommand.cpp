// velmora-cli fonts: the seven bitmap font files the editor offers, drawn from installed scalable faces,
// so that a machine without the original files still has every font entry.
#include "cli/FontsCommand.h"

#include "cli/CommandLineProject.h"
#include "text/FontFileGenerator.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

#include <optional>

namespace {

const char *const command = "fonts";

void AddOptions(QCommandLineParser &parser)
{
    const FontFaces standard;
    parser.setApplicationDescription(
        QStringLiteral("Writes the seven bitmap font files (\"TS-16.15\", \"TS2416.BIN\", \"STDFONT.24\", "
                       "\"STDFONT.24K\", \"KCCHIN24.F00\", \"Number24.24\", \"Number32.32\") into DIR in "
                       "the layout the editor reads, every glyph drawn without anti-aliasing: each Big5 "
                       "index as the character code page 950 gives it (an index without one stays dark), "
                       "the digits in bold, scaled to fill their 16 x 24 and 16 x 32 cells. A face is an "
                       "installed family name or a font file."));
    parser.addOptions({
        {QStringLiteral("out"), QStringLiteral("The folder to write into (made when missing)."),
         QStringLiteral("DIR")},
        {QStringLiteral("face-ming"),
         QStringLiteral("The Ming face of \"TS-16.15\", \"TS2416.BIN\", \"STDFONT.24\" and \"KCCHIN24.F00\" "
                        "(default %1).")
             .arg(standard.ming),
         QStringLiteral("FACE")},
        {QStringLiteral("face-kai"),
         QStringLiteral("The Kai face of \"STDFONT.24K\" (default %1).").arg(standard.kai),
         QStringLiteral("FACE")},
        {QStringLiteral("face-digits"),
         QStringLiteral("The face of the bold digits of \"Number24.24\" and \"Number32.32\" (default %1).")
             .arg(standard.digits),
         QStringLiteral("FACE")},
    });
}

// The family an option names: the name itself, or the first family of the font file it names.
std::optional<QString> FamilyOf(const QCommandLineParser &parser, const QString &option,
                                const QString &standard, QString &error)
{
    if (!parser.isSet(option)) {
        return standard;
    }
    const QString face = parser.value(option);
    if (!QFileInfo(face).isFile()) {
        return face;
    }
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(face));
    if (families.isEmpty()) {
        error = QStringLiteral("--%1: '%2' is no font file").arg(option, face);
        return std::nullopt;
    }
    return families.first();
}

} // namespace

int RunFonts(const QStringList &arguments)
{
    QCommandLineParser parser;
    AddOptions(parser);
    if (const auto status = ParseCommand(parser, command, arguments, 0)) {
        return *status;
    }
    if (!parser.isSet(QStringLiteral("out"))) {
        return FailCommand(command, QStringLiteral("--out DIR is needed (see --help)"));
    }
    const FontFaces standard;
    QString error;
    const auto ming = FamilyOf(parser, QStringLiteral("face-ming"), standard.ming, error);
    const auto kai = FamilyOf(parser, QStringLiteral("face-kai"), standard.kai, error);
    const auto digits = FamilyOf(parser, QStringLiteral("face-digits"), standard.digits, error);
    if (!ming || !kai || !digits) {
        return FailCommand(command, error);
    }
    const QString dir = parser.value(QStringLiteral("out"));
    const FileResult written = WriteFontFiles(dir, {*ming, *kai, *digits});
    if (!written.ok()) {
        return FailCommand(command, written.message());
    }
    for (const FontFileEntry &entry : FontFiles()) {
        PrintOut(QDir::toNativeSeparators(FontFilePath(dir, entry.fileName)) + QLatin1Char('\n'));
    }
    return 0;
}
