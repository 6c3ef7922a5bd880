#include "routes/RouteRows.h"

#include "routes/RouteLayout.h"

#include "model/DotBuffers.h"
#include "picture/EditSurface.h"

#include <QDir>
#include <QHash>

#include <set>

namespace {

constexpr int MaxBoard = 65535;
constexpr int MaxTime = 255;
constexpr int MaxPointSize = 1000;
// The header packet counts a line's frames in one byte.
constexpr int MaxLineFrames = 255;

// The fields of one row by column name; columns the row does not reach read empty.
class RowFields {
public:
    RowFields(const QHash<QString, int> &columns, const QStringList &fields)
        : columns_(columns), fields_(fields)
    {
    }
    QString operator[](const QString &column) const
    {
        const int index = columns_.value(column, -1);
        return index >= 0 && index < fields_.size() ? fields_[index].trimmed() : QString();
    }
    // The font entry keeps its blanks: entries are matched exactly.
    QString untrimmed(const QString &column) const
    {
        const int index = columns_.value(column, -1);
        return index >= 0 && index < fields_.size() ? fields_[index] : QString();
    }

private:
    const QHash<QString, int> &columns_;
    const QStringList &fields_;
};

// A whole number from `lowest` to `highest` in `column`, `fallback` when the field is empty.
std::optional<int> Bounded(const RowFields &fields, const QString &column, std::optional<int> fallback,
                           int lowest, int highest, QString &error)
{
    const QString text = fields[column];
    if (text.isEmpty() && fallback) {
        return fallback;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        error = text.isEmpty() ? QStringLiteral("%1 is needed").arg(column)
                               : QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                                     .arg(column)
                                     .arg(lowest)
                                     .arg(highest)
                                     .arg(text);
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Box(const RowFields &fields, const QString &column, QString &error)
{
    const QString text = fields[column].toLower();
    if (text.isEmpty() || text == QLatin1String("0") || text == QLatin1String("no") ||
        text == QLatin1String("false")) {
        return false;
    }
    if (text == QLatin1String("1") || text == QLatin1String("yes") || text == QLatin1String("true")) {
        return true;
    }
    error = QStringLiteral("%1 must be yes or no, not '%2'").arg(column, fields[column]);
    return std::nullopt;
}

std::optional<TextChoice> FontOf(const RowFields &fields, QString &error)
{
    TextChoice choice;
    choice.source = fields.untrimmed(QStringLiteral("font"));
    choice.face = fields[QStringLiteral("face")];
    const auto size = Bounded(fields, QStringLiteral("size"), 0, 1, MaxPointSize, error);
    if (!size) {
        return std::nullopt;
    }
    choice.pointSize = *size;
    for (auto [column, box] : {std::pair{"bold", &choice.bold}, std::pair{"italic", &choice.italic},
                               std::pair{"underline", &choice.underline}}) {
        const auto checked = Box(fields, QLatin1String(column), error);
        if (!checked) {
            return std::nullopt;
        }
        *box = *checked;
    }
    if (const auto problem = FontChoiceProblem(choice)) {
        error = *problem;
        return std::nullopt;
    }
    return choice;
}

// The picture a row names, relative to the table's folder; empty when it names none.
QString PicturePathOf(const RowFields &fields, const QDir &tableDir)
{
    const QString picture = fields[QStringLiteral("picture")];
    return picture.isEmpty() ? QString() : QDir::cleanPath(tableDir.filePath(picture));
}

// The editor's text box holds one line; a break typed into a spreadsheet cell would be composed as a stray
// glyph.
bool HoldsLineBreak(const QString &text, QString &error)
{
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        error = QStringLiteral("the text holds a line break; a frame's text is one line");
        return true;
    }
    return false;
}

// The board and time of a row, or the first thing wrong with them in `error`.
std::optional<RouteRow> BoardAndTimeOf(const RowFields &fields, QString &error)
{
    const auto board = Bounded(fields, QStringLiteral("board"), std::nullopt, 0, MaxBoard, error);
    const auto time = board ? Bounded(fields, QStringLiteral("time"), 3, 0, MaxTime, error) : std::nullopt;
    if (!time) {
        return std::nullopt;
    }
    RouteRow route;
    route.board = *board;
    route.time = *time;
    return route;
}

// One row's frame, or the first thing wrong with it in `error`.
std::optional<RouteRow> RowOf(const RowFields &fields, const QDir &tableDir, QString &error)
{
    std::optional<RouteRow> route = BoardAndTimeOf(fields, error);
    if (!route) {
        return std::nullopt;
    }
    const auto font = FontOf(fields, error);
    if (!font) {
        return std::nullopt;
    }
    const auto align = AlignOf(fields[QStringLiteral("align")].toLower(), error);
    if (!align) {
        return std::nullopt;
    }
    const bool hasX = !fields[QStringLiteral("x")].isEmpty();
    if (hasX != !fields[QStringLiteral("y")].isEmpty()) {
        error = QStringLiteral("x and y go together");
        return std::nullopt;
    }
    const auto x = Bounded(fields, QStringLiteral("x"), 0, -MaxWidthDot, MaxWidthDot, error);
    const auto y =
        x ? Bounded(fields, QStringLiteral("y"), 0, -MaxHeightDot, MaxHeightDot, error) : std::nullopt;
    const auto zoom = y ? PictureZoomOf(fields[QStringLiteral("picture_size")], error) : std::nullopt;
    if (!zoom) {
        return std::nullopt;
    }
    route->text = fields.untrimmed(QStringLiteral("text"));
    if (HoldsLineBreak(route->text, error)) {
        return std::nullopt;
    }
    route->font = *font;
    route->align = *align;
    if (hasX) {
        route->x = *x;
        route->y = *y;
    }
    route->picturePath = PicturePathOf(fields, tableDir);
    route->pictureZoom = *zoom;
    return route;
}

// A row filling a layout's zones: its text, or its picture's path relative to the table's folder.
std::optional<RouteRow> LayoutRowOf(const RowFields &fields, const RouteLayout &layout, const QDir &tableDir,
                                    QString &error)
{
    std::optional<RouteRow> route = BoardAndTimeOf(fields, error);
    if (!route) {
        return std::nullopt;
    }
    for (const LayoutZone &zone : layout.zones) {
        const QString cell = fields.untrimmed(zone.name.toLower());
        if (zone.picture) {
            route->cells << (cell.trimmed().isEmpty() ? QString()
                                                      : QDir::cleanPath(tableDir.filePath(cell.trimmed())));
        } else if (HoldsLineBreak(cell, error)) {
            error = zone.name + QStringLiteral(": ") + error;
            return std::nullopt;
        } else {
            route->cells << (cell.trimmed().isEmpty() ? QString() : cell);
        }
    }
    return route;
}

bool AllEmpty(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!field.trimmed().isEmpty()) {
            return false;
        }
    }
    return true;
}

// The first column (from 0) the heading leaves unnamed but the row fills.
std::optional<int> ValueUnderUnnamedColumn(const QStringList &heading, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (heading[i].trimmed().isEmpty() && !fields[i].trimmed().isEmpty()) {
            return i;
        }
    }
    return std::nullopt;
}

// The heading's columns by name, or the problem with the heading.
std::optional<QHash<QString, int>> ColumnsOf(const QStringList &heading, const RouteLayout *layout,
                                             QString &error)
{
    QStringList known = RouteColumns();
    if (layout) {
        known = {QStringLiteral("board"), QStringLiteral("time")};
        for (const LayoutZone &zone : layout->zones) {
            known << zone.name.toLower();
        }
    }
    QHash<QString, int> columns;
    for (int i = 0; i < heading.size(); ++i) {
        const QString name = heading[i].trimmed().toLower();
        // Spreadsheets save a column that once held something with an empty heading; it names nothing.
        if (name.isEmpty()) {
            continue;
        }
        if (!known.contains(name)) {
            // Spreadsheets set to some languages separate fields with semicolons or tabs.
            const bool otherSeparator = name.contains(QLatin1Char(';')) || name.contains(QLatin1Char('\t'));
            error = otherSeparator
                        ? QStringLiteral("unknown column '%1': the fields must be separated by commas")
                              .arg(heading[i])
                    : layout ? QStringLiteral("unknown column '%1': %2 has no zone of that name (%3)")
                                   .arg(heading[i], layout->fileName, known.join(", "))
                             : QStringLiteral("unknown column '%1' (%2)").arg(heading[i], known.join(", "));
            return std::nullopt;
        }
        if (columns.contains(name)) {
            error = QStringLiteral("column '%1' is named twice").arg(name);
            return std::nullopt;
        }
        columns.insert(name, i);
    }
    if (!columns.contains(QStringLiteral("board"))) {
        error = QStringLiteral("the heading names no board column");
        return std::nullopt;
    }
    return columns;
}

// A project keeps a time of 0 as no time at all, and the download refuses a frame without a time in a line
// of several frames; such a frame needs 1 second or more to be sent.
void CheckLineTimes(RouteRows &checked)
{
    const std::vector<RouteRow> &rows = checked.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool joined = (i > 0 && rows[i - 1].board == rows[i].board) ||
                            (i + 1 < rows.size() && rows[i + 1].board == rows[i].board);
        if (joined && rows[i].time == 0) {
            checked.problems.push_back(
                {rows[i].row,
                 QStringLiteral("time must be from 1 to %1 in a line of several frames, which the "
                                "download cannot send with no time")
                     .arg(MaxTime)});
        }
    }
}

// The download refuses a line of more frames than its header can count; the row that would be one too many
// is named.
void CheckLineLengths(RouteRows &checked)
{
    const std::vector<RouteRow> &rows = checked.rows;
    int length = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        length = i > 0 && rows[i - 1].board == rows[i].board ? length + 1 : 1;
        if (length == MaxLineFrames + 1) {
            checked.problems.push_back(
                {rows[i].row, QStringLiteral("board %1's line has more than %2 frames, which the download "
                                             "cannot send")
                                  .arg(rows[i].board)
                                  .arg(MaxLineFrames)});
        }
    }
}

} // namespace

std::optional<TextAlign> AlignOf(const QString &text, QString &error)
{
    if (text.isEmpty() || text == QLatin1String("centre") || text == QLatin1String("center")) {
        return TextAlign::Centre;
    }
    if (text == QLatin1String("left")) {
        return TextAlign::Left;
    }
    if (text == QLatin1String("right")) {
        return TextAlign::Right;
    }
    error = QStringLiteral("align must be left, centre or right, not '%1'").arg(text);
    return std::nullopt;
}

std::optional<int> PictureZoomOf(const QString &text, QString &error)
{
    const QString size = text.isEmpty() ? QStringLiteral("default") : text.toLower();
    for (int item = 0; item < ImageSizeItems; ++item) {
        const int n = PictureSizeOfItem(item);
        const bool isDefault = item == ImageSizeItems - 1;
        const QString caption = QStringLiteral("%1 x %1").arg(n);
        if (isDefault ? size == QLatin1String("default")
                      : size == QString::number(n) || size.simplified() == caption) {
            return EditZoomOfItem(item);
        }
    }
    error = QStringLiteral("picture_size must be 16, 24, 32, 48 or default, not '%1'").arg(text);
    return std::nullopt;
}

std::optional<QString> FontChoiceProblem(const TextChoice &choice)
{
    TextRequest probe;
    switch (ApplyTextChoice(choice, 96, probe)) {
    case TextChoiceProblem::UnknownSource:
        return QStringLiteral("unknown font entry '%1' (%2)").arg(choice.source, UnknownSourceHint(choice.source));
    case TextChoiceProblem::OwnFontWithoutOther:
        return QStringLiteral("face and size go with the font 'other'");
    case TextChoiceProblem::None:
        break;
    }
    return std::nullopt;
}

QStringList RouteColumns()
{
    return {"board",  "time",      "text",  "font", "face", "size",    "bold",
            "italic", "underline", "align", "x",    "y",    "picture", "picture_size"};
}

RouteRows CheckRouteTable(const std::vector<QStringList> &records, const QString &tableDir,
                          const RouteLayout *layout)
{
    RouteRows checked;
    if (records.empty()) {
        checked.problems.push_back({1, QStringLiteral("the table has no heading row")});
        return checked;
    }
    QString error;
    const auto columns = ColumnsOf(records.front(), layout, error);
    if (!columns) {
        checked.problems.push_back({1, error});
        return checked;
    }
    const QDir dir(tableDir);
    std::set<int> endedBoards;
    std::optional<int> previousBoard;
    int frames = 0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        if (AllEmpty(records[r])) {
            continue;
        }
        if (records[r].size() > records.front().size()) {
            checked.problems.push_back({row, QStringLiteral("%1 fields, but the heading names %2 columns")
                                                 .arg(records[r].size())
                                                 .arg(records.front().size())});
            continue;
        }
        if (const auto unnamed = ValueUnderUnnamedColumn(records.front(), records[r])) {
            checked.problems.push_back(
                {row,
                 QStringLiteral("a value in column %1, which the heading leaves unnamed").arg(*unnamed + 1)});
            continue;
        }
        if (++frames > MaxFrames) {
            checked.problems.push_back({row, QStringLiteral("more than %1 frames").arg(MaxFrames)});
            break;
        }
        const RowFields fields(*columns, records[r]);
        std::optional<RouteRow> route;
        if (layout) {
            // The layout's fonts are checked with the layout; only pictures come from the rows.
            for (const LayoutZone &zone : layout->zones) {
                const QString cell = fields[zone.name.toLower()];
                if (zone.picture && !cell.isEmpty()) {
                    checked.sources.push_back({row, {}, false, QDir::cleanPath(dir.filePath(cell))});
                }
            }
            route = LayoutRowOf(fields, *layout, dir, error);
        } else {
            checked.sources.push_back({row, fields.untrimmed(QStringLiteral("font")),
                                       !fields.untrimmed(QStringLiteral("text")).isEmpty(),
                                       PicturePathOf(fields, dir)});
            route = RowOf(fields, dir, error);
        }
        if (!route) {
            checked.problems.push_back({row, error});
        }
        // A board that cannot be read ends no line; one that can is checked even when the rest of its
        // row is faulty, so that a faulty row does not hide a board appearing again.
        QString ignored;
        const auto board = Bounded(fields, QStringLiteral("board"), std::nullopt, 0, MaxBoard, ignored);
        // A board appearing again still ends the line before it, so that the board after it is judged
        // by the table as it stands: in 1, 2, 1, 2 both the second 1 and the second 2 are named.
        if (board && board != previousBoard) {
            const bool again = endedBoards.contains(*board);
            if (previousBoard) {
                endedBoards.insert(*previousBoard);
            }
            previousBoard = board;
            if (again) {
                if (route) {
                    checked.problems.push_back(
                        {row, QStringLiteral("board %1 appears again after other boards").arg(*board)});
                }
                continue;
            }
        }
        if (route) {
            route->row = row;
            checked.rows.push_back(*route);
        }
    }
    CheckLineTimes(checked);
    CheckLineLengths(checked);
    if (!checked.problems.empty()) {
        checked.rows.clear();
    }
    return checked;
}
