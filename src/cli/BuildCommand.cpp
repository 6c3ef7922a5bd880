// velmora-cli build: a route table turned into a finished project, one frame per row, every frame built
// through the editor's own New, composition, picture upload and placing.
#include "cli/BuildCommand.h"

#include "cli/BuildLog.h"

#include "cli/CommandLineProject.h"
#include "cli/SignOptions.h"
#include "cli/TextOptions.h"

#include "io/ProjectFiles.h"
#include "io/RegularFile.h"
#include "list/NewProject.h"
#include "routes/RouteFrames.h"
#include "routes/RouteLayout.h"
#include "routes/ZoneFrames.h"
#include "routes/RouteSign.h"
#include "routes/RouteSources.h"
#include "text/FaceSubstitutes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

const char *const command = "build";
const QString like = QStringLiteral("like");
const QString layoutOption = QStringLiteral("layout");
const QString strictOption = QStringLiteral("strict");
const QString reportOption = QStringLiteral("report");

void AddOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Builds a project from a route table (CSV as spreadsheets write it, UTF-8) whose heading row names "
        "its columns in any order: board (required, 0..65535; rows of one board that follow one another form "
        "one line), time (1..255 seconds, default 3), text, font (a size selector entry, or 'other'; default "
        "\"5  X  7\"), face, size, bold, italic, underline (yes/no), align (left, centre, right), x and y "
        "(the "
        "dot where the composed picture's top-left dot goes), picture (relative to the table's folder) and "
        "picture_size (16, 24, 32, 48, default). Every row that cannot be built (a faulty value, a font file "
        "that cannot be read or is cut short, a picture that cannot be read) is reported as TABLE:ROW and "
        "nothing is written; characters the font file has no glyph for, and text or a picture cut at the "
        "sign's edges or lighting no dot, are warnings. With --layout, the frames are made of the layout's "
        "zones and the table's columns are board, time and one per zone, named as the zone; each zone's "
        "cell fills it (empty: the zone stays dark), and whatever reaches past a zone is cut at its edge "
        "with a warning."));
    parser.addPositionalArgument(QStringLiteral("TABLE"), QStringLiteral("The route table."));
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("The '.nkv' file to write."), QStringLiteral("OUT")});
    parser.addOptions(SignSetupOptions());
    parser.addOptions({
        {like, QStringLiteral("Take the sign (geometry and module colours) of this project instead."),
         QStringLiteral("PROJECT")},
        {layoutOption,
         QStringLiteral("Build the frames from this layout's zones (JSON: an optional \"sign\" and the "
                        "\"zones\", see the user guide)."),
         QStringLiteral("LAYOUT")},
        {strictOption, QStringLiteral("Take every warning as an error: nothing is written.")},
        {reportOption,
         QStringLiteral("Write every error and warning, and the zones each frame filled, as JSON into this "
                        "file, also when the build fails."),
         QStringLiteral("REPORT")},
        FormatOption(),
        FontDirOption(),
        DpiOption(),
    });
}

// The sign of --like, or of --type, --number and --colors, each taken from the layout when not given.
CheckedSignSetup SignOf(const QCommandLineParser &parser, const LayoutSign &fromLayout)
{
    if (!parser.isSet(like)) {
        SignFallback fallback{fromLayout.type, std::nullopt, fromLayout.colors};
        if (fromLayout.number) {
            fallback.number = QString::number(*fromLayout.number);
        }
        return SignSetupOf(parser, fallback);
    }
    for (const char *sign : {"type", "number", "colors"}) {
        if (parser.isSet(QLatin1String(sign))) {
            return {std::nullopt, QStringLiteral("--like takes the sign of a project; --%1 cannot go with it")
                                      .arg(QLatin1String(sign))};
        }
    }
    const LoadedProject loaded = LoadProject(parser, parser.value(like));
    if (!loaded.model) {
        return {std::nullopt, loaded.error};
    }
    CheckedSignSetup setup = SignSetupOfProject(*loaded.model);
    if (!setup.setup) {
        setup.error = QStringLiteral("%1: %2").arg(parser.value(like), setup.error);
    }
    return setup;
}

// Reads and checks the table, its values and the files its rows draw from: its rows, or none when the
// problems have been reported, every one of them.
std::optional<std::vector<RouteRow>> CheckedRows(const QString &table, const FontFolders &folders,
                                                 const RouteLayout *layout, BuildLog &log)
{
    if (IsOtherThanRegularFile(table)) {
        log.fail(QStringLiteral("cannot read the table '%1': not a regular file").arg(table));
        return std::nullopt;
    }
    QFile file(table);
    if (!file.open(QIODevice::ReadOnly)) {
        log.fail(QStringLiteral("cannot read the table '%1': %2").arg(table, file.errorString()));
        return std::nullopt;
    }
    const CsvRecords read = ReadCsvFile(file);
    if (!read.error.isEmpty()) {
        log.errors(table, {{read.errorRow, read.error}});
        return std::nullopt;
    }
    RouteRows checked = CheckRouteTable(read.records, QFileInfo(table).absolutePath(), layout);
    const std::vector<RouteProblem> unreadable = CheckRouteSources(checked.sources, folders);
    checked.problems.insert(checked.problems.end(), unreadable.begin(), unreadable.end());
    if (!checked.problems.empty()) {
        log.errors(table, checked.problems);
        return std::nullopt;
    }
    if (checked.rows.empty()) {
        log.errors(table, {{1, QStringLiteral("the table has no frame rows")}});
        return std::nullopt;
    }
    return std::move(checked.rows);
}

// The layout file read and checked, its problems told; none without --layout.
std::optional<RouteLayout> LayoutOf(const QString &path, const FontFolders &folders, BuildLog &log)
{
    QFile file(path);
    if (IsOtherThanRegularFile(path) || !file.open(QIODevice::ReadOnly)) {
        log.fail(QStringLiteral("cannot read the layout '%1': %2")
                     .arg(path, IsOtherThanRegularFile(path) ? QStringLiteral("not a regular file")
                                                              : file.errorString()));
        return std::nullopt;
    }
    ReadLayout read = ReadRouteLayout(path, file.read(MaxCsvBytes), folders);
    log.errors(path, read.errors);
    return std::move(read.layout);
}

// Whether `out` is the file at `input`: the project written over the table or a picture it names would
// destroy what it is built from.
bool IsSameFile(const QString &out, const QString &input)
{
    const QString existing = QFileInfo(out).canonicalFilePath();
    return !existing.isEmpty() && existing == QFileInfo(input).canonicalFilePath();
}

std::optional<QString> OverwrittenInput(const QString &out, const QString &table,
                                        const std::vector<RouteRow> &rows)
{
    if (IsSameFile(out, table)) {
        return QStringLiteral("'%1' is the table itself; name the output '.nkv'").arg(out);
    }
    for (const RouteRow &row : rows) {
        const QStringList inputs = QStringList(row.cells) << row.picturePath;
        for (const QString &input : inputs) {
            if (!input.isEmpty() && IsSameFile(out, input)) {
                return QStringLiteral("'%1' is the picture of row %2; name the output '.nkv'")
                    .arg(out)
                    .arg(row.row);
            }
        }
    }
    return std::nullopt;
}

// Everything the command does once its options are read, every error and warning told through `log`.
int Build(const QCommandLineParser &parser, BuildLog &log)
{
    if (!parser.isSet(QStringLiteral("o"))) {
        return log.fail(QStringLiteral("-o OUT.nkv is needed"));
    }
    const QString out = parser.value(QStringLiteral("o"));
    if (const auto problem = OutputNameProblem(out)) {
        return log.fail(*problem);
    }
    if (const auto problem = FontFolderProblem(parser)) {
        return log.fail(*problem);
    }
    QString error;
    const std::optional<int> dpi = DpiOf(parser, error);
    if (!dpi) {
        return log.fail(error);
    }
    TextRequest folders;
    SetFontFolders(parser, folders);
    const FontFolders fontFolders(folders.workDir, folders.installedFontDir);
    std::optional<RouteLayout> layout;
    if (parser.isSet(layoutOption)) {
        // Font faces decide which characters a fallback font composes; the substitutes must be in place.
        InstallFaceSubstitutes();
        layout = LayoutOf(parser.value(layoutOption), fontFolders, log);
        if (!layout) {
            return 1;
        }
    }
    const CheckedSignSetup sign = SignOf(parser, layout ? layout->sign : LayoutSign{});
    if (!sign.setup) {
        return log.fail(sign.error);
    }
    if (layout) {
        const auto offSign = ZonesOffSign(*layout, sign.setup->WidthDot(), sign.setup->HeightDot());
        log.errors(layout->fileName, offSign);
        if (!offSign.empty()) {
            return 1;
        }
    }
    const QString table = parser.positionalArguments().constFirst();
    const std::optional<std::vector<RouteRow>> rows =
        CheckedRows(table, fontFolders, layout ? &*layout : nullptr, log);
    if (!rows) {
        return 1;
    }
    if (const auto problem = OverwrittenInput(out, table, *rows)) {
        return log.fail(*problem);
    }

    InstallFaceSubstitutes();
    ProjectModel model;
    ApplyStartupProject(model);
    ApplyNewProject(model, *sign.setup);
    const RouteFonts fonts{folders.workDir, folders.installedFontDir, *dpi};
    const RouteBuild built =
        layout ? BuildZoneFrames(model, *rows, *layout, fonts) : BuildRouteFrames(model, *rows, fonts);
    log.frames(built.frames);
    const bool strict = parser.isSet(strictOption);
    if (strict) {
        log.errors(table, built.warnings);
    } else {
        log.warnings(table, built.warnings);
    }
    log.errors(table, built.problems);
    if (!built.problems.empty() || (strict && !built.warnings.empty())) {
        return 1;
    }
    const FileResult saved = SaveProject(model, out);
    if (!saved.ok()) {
        return log.fail(saved.message());
    }
    log.written();
    return 0;
}

} // namespace

int RunBuild(const QStringList &arguments)
{
    QCommandLineParser parser;
    AddOptions(parser);
    if (const auto status = ParseCommand(parser, command, arguments, 1)) {
        return *status;
    }
    BuildLog log;
    int status = Build(parser, log);
    if (parser.isSet(reportOption)) {
        if (const auto problem = log.writeReport(parser.value(reportOption))) {
            status = FailCommand(command, *problem);
        }
    }
    return status;
}
