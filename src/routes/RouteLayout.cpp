#include "routes/RouteLayout.h"

#include "routes/RouteSources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <set>

namespace {

// Where a parse error's byte offset lies, as an editor numbers lines and columns (from 1).
QString PositionOf(const QByteArray &json, qsizetype offset)
{
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < std::min(offset, json.size()); ++i) {
        if (json[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(offset - lineStart + 1);
}

// One zone's object read field by field; every problem is kept, named by the zone.
class ZoneReader {
public:
    ZoneReader(const QJsonObject &object, const QString &name, std::vector<RouteProblem> &errors)
        : object_(object), name_(name), errors_(errors)
    {
    }

    void fail(const QString &what) { errors_.push_back({0, QStringLiteral("zone '%1': %2").arg(name_, what), name_}); }

    std::optional<int> integer(const char *key, std::optional<int> fallback, int lowest)
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() && fallback) {
            return fallback;
        }
        // Far past any sign, and small enough that a zone's edges add up without overflow.
        constexpr double largest = 1 << 20;
        const double number = value.toDouble();
        if (!value.isDouble() || number < lowest || number > largest || std::trunc(number) != number) {
            fail(QStringLiteral("\"%1\" must be a whole number of at least %2").arg(QLatin1String(key)).arg(lowest));
            return std::nullopt;
        }
        return static_cast<int>(number);
    }

    QString string(const char *key)
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isString()) {
            fail(QStringLiteral("\"%1\" must be a string").arg(QLatin1String(key)));
        }
        return value.toString();
    }

    bool flag(const char *key)
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isBool()) {
            fail(QStringLiteral("\"%1\" must be true or false").arg(QLatin1String(key)));
        }
        return value.toBool();
    }

    void unknownKeys(const QStringList &known)
    {
        for (const QString &key : object_.keys()) {
            if (!known.contains(key)) {
                fail(QStringLiteral("unknown key \"%1\" (%2)").arg(key, known.join(", ")));
            }
        }
    }

private:
    const QJsonObject &object_;
    const QString &name_;
    std::vector<RouteProblem> &errors_;
};

std::optional<VerticalAlign> VerticalAlignOf(const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("middle")) {
        return VerticalAlign::Middle;
    }
    if (text == QLatin1String("top")) {
        return VerticalAlign::Top;
    }
    if (text == QLatin1String("bottom")) {
        return VerticalAlign::Bottom;
    }
    return std::nullopt;
}

// A font entry of the zone: known, and its file readable and whole.
std::optional<TextChoice> CheckedFont(ZoneReader &reader, const TextChoice &choice, const FontFolders &folders)
{
    if (const auto problem = FontChoiceProblem(choice)) {
        reader.fail(*problem);
        return std::nullopt;
    }
    if (const auto problem = FontSourceProblem(choice.source, folders)) {
        reader.fail(*problem);
        return std::nullopt;
    }
    return choice;
}

void ReadTextZone(ZoneReader &reader, LayoutZone &zone, const FontFolders &folders)
{
    reader.unknownKeys({"name", "x", "y", "width", "height", "picture", "font", "face", "size", "bold",
                        "italic", "underline", "fallback", "align", "valign"});
    TextChoice font;
    font.source = reader.string("font");
    font.face = reader.string("face");
    font.pointSize = reader.integer("size", 0, 1).value_or(0);
    font.bold = reader.flag("bold");
    font.italic = reader.flag("italic");
    font.underline = reader.flag("underline");
    if (const auto checked = CheckedFont(reader, font, folders)) {
        zone.font = *checked;
    }
    const QString fallback = reader.string("fallback");
    if (!fallback.isEmpty()) {
        // The fallback takes the zone's style boxes, so that both scripts of a text look alike.
        TextChoice choice = font;
        choice.source = fallback;
        choice.face.clear();
        choice.pointSize = 0;
        zone.fallback = CheckedFont(reader, choice, folders);
    }
}

void ReadPictureZone(ZoneReader &reader, LayoutZone &zone)
{
    reader.unknownKeys({"name", "x", "y", "width", "height", "picture", "picture_size", "align", "valign"});
    QString error;
    if (const auto zoom = PictureZoomOf(reader.string("picture_size"), error)) {
        zone.pictureZoom = *zoom;
    } else {
        reader.fail(error);
    }
}

std::optional<LayoutZone> ZoneOf(const QJsonValue &value, int index, const FontFolders &folders,
                                 std::vector<RouteProblem> &errors)
{
    const QJsonObject object = value.toObject();
    LayoutZone zone;
    zone.name = object.value(QLatin1String("name")).toString().trimmed();
    const QString named = zone.name.isEmpty() ? QStringLiteral("#%1").arg(index + 1) : zone.name;
    const std::size_t before = errors.size();
    ZoneReader reader(object, named, errors);
    if (!value.isObject()) {
        reader.fail(QStringLiteral("a zone is an object"));
        return std::nullopt;
    }
    if (zone.name.isEmpty()) {
        reader.fail(QStringLiteral("\"name\" is needed: the table's column of the zone"));
    }
    const QString lower = zone.name.toLower();
    if (lower == QLatin1String("board") || lower == QLatin1String("time")) {
        reader.fail(QStringLiteral("'%1' is the table's own column; name the zone otherwise").arg(zone.name));
    }
    const auto x = reader.integer("x", std::nullopt, 0);
    const auto y = reader.integer("y", std::nullopt, 0);
    const auto width = reader.integer("width", std::nullopt, 1);
    const auto height = reader.integer("height", std::nullopt, 1);
    zone.picture = reader.flag("picture");
    if (zone.picture) {
        ReadPictureZone(reader, zone);
    } else {
        ReadTextZone(reader, zone, folders);
    }
    QString error;
    if (const auto align = AlignOf(reader.string("align").toLower(), error)) {
        zone.align = *align;
    } else {
        reader.fail(error);
    }
    if (const auto valign = VerticalAlignOf(reader.string("valign").toLower())) {
        zone.valign = *valign;
    } else {
        reader.fail(QStringLiteral("valign must be top, middle or bottom, not '%1'").arg(reader.string("valign")));
    }
    if (errors.size() > before) {
        return std::nullopt;
    }
    zone.x = *x;
    zone.y = *y;
    zone.width = *width;
    zone.height = *height;
    return zone;
}

LayoutSign SignOf(const QJsonValue &value, std::vector<RouteProblem> &errors)
{
    LayoutSign sign;
    if (value.isUndefined()) {
        return sign;
    }
    const QJsonObject object = value.toObject();
    if (!value.isObject()) {
        errors.push_back({0, QStringLiteral("\"sign\" is an object of \"type\", \"number\" and \"colors\"")});
        return sign;
    }
    for (const QString &key : object.keys()) {
        if (key != QLatin1String("type") && key != QLatin1String("number") && key != QLatin1String("colors")) {
            errors.push_back({0, QStringLiteral("sign: unknown key \"%1\" (type, number, colors)").arg(key)});
        }
    }
    if (object.contains(QLatin1String("type"))) {
        sign.type = object.value(QLatin1String("type")).toString();
    }
    if (object.contains(QLatin1String("number"))) {
        const QJsonValue number = object.value(QLatin1String("number"));
        if (!number.isDouble() || number.toDouble() != number.toInt()) {
            errors.push_back({0, QStringLiteral("sign: \"number\" must be a whole number")});
        }
        sign.number = number.toInt();
    }
    if (object.contains(QLatin1String("colors"))) {
        std::vector<int> codes;
        const QJsonValue colors = object.value(QLatin1String("colors"));
        for (const QJsonValue code : colors.toArray()) {
            if (!code.isDouble() || code.toDouble() != code.toInt()) {
                errors.push_back({0, QStringLiteral("sign: \"colors\" must be an array of colour codes")});
                break;
            }
            codes.push_back(code.toInt());
        }
        if (!colors.isArray()) {
            errors.push_back({0, QStringLiteral("sign: \"colors\" must be an array of colour codes")});
        }
        sign.colors = codes;
    }
    return sign;
}

} // namespace

ReadLayout ReadRouteLayout(const QString &fileName, const QByteArray &json, const FontFolders &folders)
{
    ReadLayout read;
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        read.errors.push_back({0, QStringLiteral("not JSON at %1: %2").arg(PositionOf(json, parsed.offset), parsed.errorString())});
        return read;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || !root.value(QLatin1String("zones")).isArray()) {
        read.errors.push_back({0, QStringLiteral("a layout is an object with a \"zones\" array")});
        return read;
    }
    RouteLayout layout;
    layout.fileName = fileName;
    layout.sign = SignOf(root.value(QLatin1String("sign")), read.errors);
    for (const QString &key : root.keys()) {
        if (key != QLatin1String("sign") && key != QLatin1String("zones")) {
            read.errors.push_back({0, QStringLiteral("unknown key \"%1\" (sign, zones)").arg(key)});
        }
    }
    const QJsonArray zones = root.value(QLatin1String("zones")).toArray();
    if (zones.isEmpty()) {
        read.errors.push_back({0, QStringLiteral("the layout has no zones")});
    }
    std::set<QString> names;
    for (qsizetype i = 0; i < zones.size(); ++i) {
        // Told even of a faulty zone: the table could not tell which of the two its column fills.
        const QString name = zones[i].toObject().value(QLatin1String("name")).toString().trimmed();
        if (!name.isEmpty() && !names.insert(name.toLower()).second) {
            read.errors.push_back({0, QStringLiteral("zone '%1': another zone has that name").arg(name), name});
        }
        if (const auto zone = ZoneOf(zones[i], static_cast<int>(i), folders, read.errors)) {
            layout.zones.push_back(*zone);
        }
    }
    if (read.errors.empty()) {
        read.layout = std::move(layout);
    }
    return read;
}

std::vector<RouteProblem> ZonesOffSign(const RouteLayout &layout, int widthDot, int heightDot)
{
    std::vector<RouteProblem> errors;
    for (const LayoutZone &zone : layout.zones) {
        if (zone.x + zone.width > widthDot || zone.y + zone.height > heightDot) {
            errors.push_back({0,
                              QStringLiteral("zone '%1': %2 x %3 dots at (%4, %5) reach past the %6 x %7 sign")
                                  .arg(zone.name)
                                  .arg(zone.width)
                                  .arg(zone.height)
                                  .arg(zone.x)
                                  .arg(zone.y)
                                  .arg(widthDot)
                                  .arg(heightDot),
                              zone.name});
        }
    }
    return errors;
}

const LayoutZone *ZoneOfColumn(const RouteLayout &layout, const QString &column)
{
    for (const LayoutZone &zone : layout.zones) {
        if (zone.name.compare(column.trimmed(), Qt::CaseInsensitive) == 0) {
            return &zone;
        }
    }
    return nullptr;
}
