// velmora-cli build: a route table turned into a finished project, one frame per row, every frame built
// through the editor's own New, composition, picture upload and placing.
#include "cli/BuildCommand.h"

#include "cli/CommandLineProject.h"
#include "cli/SignOptions.h"
#include "cli/TextOptions.h"

#include "io/ProjectFiles.h"
#include "io/RegularFile.h"
#include "list/NewProject.h"
#include "routes/RouteFrames.h"
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
        "sign's edges or lighting no dot, are warnings."));
    parser.addPositionalArgument(QStringLiteral("TABLE"), QStringLiteral("The route table."));
    parser.addOption(
        {QStringLiteral("o"), QStringLiteral("The '.nkv' file to write."), QStringLiteral("OUT")});
    parser.addOptions(SignSetupOptions());
    parser.addOptions({
        {like, QStringLiteral("Take the sign (geometry and module colours) of this project instead."),
         QStringLiteral("PROJECT")},
        FormatOption(),
        FontDirOption(),
        DpiOption(),
    });
}

// The sign of --like, or of --type, --number and --colors.
CheckedSignSetup SignOf(const QCommandLineParser &parser)
{
    if (!parser.isSet(like)) {
        return SignSetupOf(parser);
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

void PrintRowLines(const QString &table, std::vector<RouteProblem> lines, const QString &prefix)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const RouteProblem &a, const RouteProblem &b) { return a.row < b.row; });
    for (const RouteProblem &line : lines) {
        std::fprintf(stderr, "%s:%d: %s%s\n", table.toUtf8().constData(), line.row,
                     prefix.toUtf8().constData(), line.what.toUtf8().constData());
    }
}

// Reads and checks the table, its values and the files its rows draw from: its rows, or none when the
// problems have been reported, every one of them.
std::optional<std::vector<RouteRow>> CheckedRows(const QString &table, const FontFolders &folders)
{
    if (IsOtherThanRegularFile(table)) {
        FailCommand(command, QStringLiteral("cannot read the table '%1': not a regular file").arg(table));
        return std::nullopt;
    }
    QFile file(table);
    if (!file.open(QIODevice::ReadOnly)) {
        FailCommand(command, QStringLiteral("cannot read the table '%1': %2").arg(table, file.errorString()));
        return std::nullopt;
    }
    const CsvRecords read = ReadCsvFile(file);
    if (!read.error.isEmpty()) {
        PrintRowLines(table, {{read.errorRow, read.error}}, {});
        return std::nullopt;
    }
    RouteRows checked = CheckRouteTable(read.records, QFileInfo(table).absolutePath());
    const std::vector<RouteProblem> unreadable = CheckRouteSources(checked.sources, folders);
    checked.problems.insert(checked.problems.end(), unreadable.begin(), unreadable.end());
    if (!checked.problems.empty()) {
        PrintRowLines(table, checked.problems, {});
        return std::nullopt;
    }
    if (checked.rows.empty()) {
        PrintRowLines(table, {{1, QStringLiteral("the table has no frame rows")}}, {});
        return std::nullopt;
    }
    return std::move(checked.rows);
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
        if (!row.picturePath.isEmpty() && IsSameFile(out, row.picturePath)) {
            return QStringLiteral("'%1' is the picture of row %2; name the output '.nkv'")
                .arg(out)
                .arg(row.row);
        }
    }
    return std::nullopt;
}

} // namespace

int RunBuild(const QStringList &arguments)
{
    QCommandLineParser parser;
    AddOptions(parser);
    if (const auto status = ParseCommand(parser, command, arguments, 1)) {
        return *status;
    }
    if (!parser.isSet(QStringLiteral("o"))) {
        return FailCommand(command, QStringLiteral("-o OUT.nkv is needed"));
    }
    const QString out = parser.value(QStringLiteral("o"));
    if (const auto problem = OutputNameProblem(out)) {
        return FailCommand(command, *problem);
    }
    if (const auto problem = FontFolderProblem(parser)) {
        return FailCommand(command, *problem);
    }
    QString error;
    const std::optional<int> dpi = DpiOf(parser, error);
    if (!dpi) {
        return FailCommand(command, error);
    }
    const CheckedSignSetup sign = SignOf(parser);
    if (!sign.setup) {
        return FailCommand(command, sign.error);
    }
    TextRequest folders;
    SetFontFolders(parser, folders);
    const QString table = parser.positionalArguments().constFirst();
    const std::optional<std::vector<RouteRow>> rows =
        CheckedRows(table, {folders.workDir, folders.installedFontDir});
    if (!rows) {
        return 1;
    }
    if (const auto problem = OverwrittenInput(out, table, *rows)) {
        return FailCommand(command, *problem);
    }

    InstallFaceSubstitutes();
    ProjectModel model;
    ApplyStartupProject(model);
    ApplyNewProject(model, *sign.setup);
    const RouteBuild built =
        BuildRouteFrames(model, *rows, {folders.workDir, folders.installedFontDir, *dpi});
    PrintRowLines(table, built.warnings, QStringLiteral("warning: "));
    if (!built.problems.empty()) {
        PrintRowLines(table, built.problems, {});
        return 1;
    }
    const FileResult saved = SaveProject(model, out);
    if (!saved.ok()) {
        return FailCommand(command, saved.message());
    }
    return 0;
}
