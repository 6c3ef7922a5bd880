#include "routes/ZoneFrames.h"

#include "model/ProjectModel.h"
#include "picture/EditSurface.h"
#include "picture/PictureFiles.h"
#include "picture/PictureUpload.h"
#include "routes/RouteSources.h"
#include "text/GlyphCoverage.h"
#include "text/MixedScriptText.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace {

// Dots laid out as the planes lay them: column x from x * stride, one byte per row.
struct DotSource {
    const std::uint8_t *dots = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
};

// How far the lit dots of a stamp reached past each edge of its zone, in columns or rows, and whether it
// had any.
struct Overreach {
    bool lit = false;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The start of `length` dots in `room` by `align`; a longer span starts at 0, so its beginning shows.
int AcrossOffset(int length, int room, TextAlign align)
{
    if (length >= room || align == TextAlign::Left) {
        return 0;
    }
    return align == TextAlign::Right ? room - length : (room - length) / 2;
}

// A taller span is cut where the alignment does not hold it: below for top, above for bottom, both ways
// for middle.
int DownOffset(int length, int room, VerticalAlign align)
{
    switch (align) {
    case VerticalAlign::Top:
        return 0;
    case VerticalAlign::Bottom:
        return room - length;
    case VerticalAlign::Middle:
        break;
    }
    return (room - length) / 2;
}

// Adds the source's lit dots to the frame with its top-left at (left, top), inside the zone only.
Overreach StampInZone(ProjectModel &model, const DotSource &source, int left, int top, const LayoutZone &zone)
{
    Overreach reach;
    std::uint8_t *frame = model.FrameDots.writableFrame(model.CurFrame);
    const int zoneRight = zone.x + zone.width;
    const int zoneBottom = zone.y + zone.height;
    for (int x = 0; x < source.width; ++x) {
        const std::uint8_t *column = source.dots + static_cast<std::size_t>(x) * source.stride;
        const int col = left + x;
        for (int y = 0; y < source.height; ++y) {
            if (column[y] != 1) {
                continue;
            }
            const int row = top + y;
            reach.lit = true;
            reach.left = std::max(reach.left, zone.x - col);
            reach.right = std::max(reach.right, col - zoneRight + 1);
            reach.top = std::max(reach.top, zone.y - row);
            reach.bottom = std::max(reach.bottom, row - zoneBottom + 1);
            if (col >= zone.x && col < zoneRight && row >= zone.y && row < zoneBottom) {
                frame[DotIndex(col, row)] = 1;
            }
        }
    }
    return reach;
}

// A picture's N x N dots as its upload writes them, column by column.
struct PictureDots {
    int size = 0;
    std::vector<std::uint8_t> dots;
    bool lit = false;
};

class ZoneFiller {
public:
    ZoneFiller(ProjectModel &model, const RouteLayout &layout, const RouteFonts &fonts, RouteBuild &build)
        : model_(model), layout_(layout), fonts_(fonts), build_(build)
    {
        for (const LayoutZone &zone : layout.zones) {
            zoneFonts_.push_back({requestOf(zone.font), zone.fallback ? std::optional(requestOf(*zone.fallback))
                                                                     : std::nullopt});
        }
    }

    QStringList fill(const RouteRow &route)
    {
        QStringList filled;
        for (std::size_t z = 0; z < layout_.zones.size(); ++z) {
            const QString &cell = route.cells[static_cast<qsizetype>(z)];
            if (cell.isEmpty()) {
                continue;
            }
            const LayoutZone &zone = layout_.zones[z];
            if (zone.picture) {
                placePicture(route.row, zone, cell);
            } else {
                placeText(route.row, zone, zoneFonts_[z], cell);
            }
            filled << zone.name;
        }
        return filled;
    }

private:
    struct ZoneFonts {
        TextRequest font;
        std::optional<TextRequest> fallback;
    };

    TextRequest requestOf(const TextChoice &choice) const
    {
        TextRequest request;
        ApplyTextChoice(choice, fonts_.dpi, request);
        request.workDir = fonts_.workDir;
        request.installedFontDir = fonts_.installedFontDir;
        return request;
    }

    void warn(int row, const LayoutZone &zone, const QString &what)
    {
        build_.warnings.push_back({row, QStringLiteral("%1: %2").arg(zone.name, what), zone.name});
    }

    void placeText(int row, const LayoutZone &zone, ZoneFonts &fonts, const QString &text)
    {
        fonts.font.text = text;
        const MixedComposition composed = ComposeMixedText(
            fonts.font, fonts.fallback ? &*fonts.fallback : nullptr, *composed_, *scratch_);
        if (composed.unreadable) {
            const QString path =
                FontFolders(fonts_.workDir, fonts_.installedFontDir).pathOf(composed.unreadable->fileName);
            build_.problems.push_back(
                {row, QStringLiteral("%1: %2").arg(zone.name, UnreadableFontFileMessage(path)), zone.name});
            return;
        }
        if (!composed.missing.empty()) {
            warn(row, zone, MissingGlyphsText(composed.missingIn, composed.missing));
        }
        // The composed cell holds every lit row, so the picture below its bottom is dark.
        const TextCell &cell = composed.cell;
        const DotSource source{composed_->data(), MaxHeightDot,
                               std::min(cell.advance + PictureMargin, MaxWidthDot),
                               std::min(cell.bottom, MaxHeightDot)};
        const int top = TopKeepingLitRows(DownOffset(cell.height(), zone.height, zone.valign) - cell.top,
                                          composed.lit, zone.height);
        const Overreach reach = StampInZone(
            model_, source, zone.x + AcrossOffset(cell.advance, zone.width, zone.align), zone.y + top, zone);
        tellOverreach(row, zone, reach);
        // Missing characters named, nothing more is to be said of a text that lights nothing for them.
        if (!reach.lit && composed.missing.empty() && !text.trimmed().isEmpty()) {
            warn(row, zone, QStringLiteral("the text lights no dot: the font has none of its characters"));
        }
    }

    void placePicture(int row, const LayoutZone &zone, const QString &path)
    {
        const PictureDots *picture = pictureOf(row, zone, path);
        if (!picture) {
            return;
        }
        if (!picture->lit) {
            warn(row, zone, QStringLiteral("the picture lights no dot"));
            return;
        }
        const DotSource source{picture->dots.data(), picture->size, picture->size, picture->size};
        const Overreach reach =
            StampInZone(model_, source, zone.x + AcrossOffset(picture->size, zone.width, zone.align),
                        zone.y + DownOffset(picture->size, zone.height, zone.valign), zone);
        tellOverreach(row, zone, reach);
    }

    // The picture sampled at the zone's size, read once however many rows name it.
    const PictureDots *pictureOf(int row, const LayoutZone &zone, const QString &path)
    {
        const QString key = QStringLiteral("%1\n%2").arg(zone.pictureZoom).arg(path);
        if (const auto known = pictures_.constFind(key); known != pictures_.constEnd()) {
            return &*known;
        }
        const SampledPicture sampled = SamplePictureFile(path, zone.pictureZoom);
        if (!sampled.result.ok()) {
            build_.problems.push_back({row, QStringLiteral("%1: %2").arg(zone.name, sampled.result.message()),
                                       zone.name});
            return nullptr;
        }
        PictureDots picture;
        picture.size = EditSurfaceSize / zone.pictureZoom;
        WriteUploadDots(sampled.surface, zone.pictureZoom, picture.size, picture.size, *scratch_);
        for (int x = 0; x < picture.size; ++x) {
            const std::uint8_t *column = scratch_->data() + DotIndex(x, 0);
            picture.dots.insert(picture.dots.end(), column, column + picture.size);
        }
        picture.lit = std::find(picture.dots.begin(), picture.dots.end(), 1) != picture.dots.end();
        return &*pictures_.insert(key, std::move(picture));
    }

    void tellOverreach(int row, const LayoutZone &zone, const Overreach &reach)
    {
        for (const auto &[dots, edge] : {std::pair{reach.right, "right"}, std::pair{reach.bottom, "bottom"},
                                          std::pair{reach.left, "left"}, std::pair{reach.top, "top"}}) {
            if (dots > 0) {
                warn(row, zone,
                     QStringLiteral("%1 dots beyond the zone's %2 edge").arg(dots).arg(QLatin1String(edge)));
            }
        }
    }

    ProjectModel &model_;
    const RouteLayout &layout_;
    const RouteFonts &fonts_;
    RouteBuild &build_;
    std::vector<ZoneFonts> zoneFonts_;
    std::unique_ptr<DotPlane> composed_ = std::make_unique<DotPlane>();
    std::unique_ptr<DotPlane> scratch_ = std::make_unique<DotPlane>();
    QHash<QString, PictureDots> pictures_;
};

} // namespace

RouteBuild BuildZoneFrames(ProjectModel &model, const std::vector<RouteRow> &rows, const RouteLayout &layout,
                           const RouteFonts &fonts)
{
    RouteBuild build;
    ZoneFiller filler(model, layout, fonts, build);
    BuildRouteList(model, rows, build, [&filler](const RouteRow &route) { return filler.fill(route); });
    return build;
}
