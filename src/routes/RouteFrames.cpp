#include "routes/RouteFrames.h"

#include "list/FrameListOps.h"
#include "model/ProjectModel.h"
#include "picture/PictureFiles.h"
#include "picture/PictureUpload.h"
#include "preview/RegionOps.h"
#include "routes/RouteSources.h"
#include "text/GlyphCoverage.h"
#include "text/TextCell.h"
#include "text/TextComposer.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>

namespace {

// The lit dots of a picture waiting to be placed, as a box of columns and rows (right and bottom inclusive).
struct LitBox {
    bool empty = true;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// The window a picture to be placed occupies in FloatDots.
struct PlacingWindow {
    int width = 0;
    int height = 0;
};

PlacingWindow WindowOf(const ProjectModel &model)
{
    return {std::min(model.WidthDot + PictureMargin, MaxWidthDot),
            std::min(model.HeightDot + PictureMargin, MaxHeightDot)};
}

// Column by column, each column's rows lying back to back: a search for the first and the last lit dot
// of a column instead of a test of every dot, as every frame's picture is measured.
LitBox LitBoxOf(const DotPlane &picture, PlacingWindow window)
{
    LitBox box;
    for (int x = 0; x < window.width; ++x) {
        const std::uint8_t *column = picture.data() + DotIndex(x, 0);
        const std::uint8_t *end = column + window.height;
        const auto *first = static_cast<const std::uint8_t *>(std::memchr(column, 1, end - column));
        if (!first) {
            continue;
        }
        const auto last = std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(first), 1);
        const int top = static_cast<int>(first - column);
        const int bottom = static_cast<int>(end - column) - 1 - static_cast<int>(last - std::make_reverse_iterator(end));
        if (box.empty) {
            box = {false, x, top, x, bottom};
        }
        box.top = std::min(box.top, top);
        box.right = x;
        box.bottom = std::max(box.bottom, bottom);
    }
    return box;
}

// The start of a span of `length` dots set in [low, high): where `align` puts it, at `low` when it does
// not fit, so that its beginning shows.
int AlignedStart(int length, int low, int high, TextAlign align)
{
    const int room = high - low;
    if (length >= room || align == TextAlign::Left) {
        return low;
    }
    return align == TextAlign::Right ? high - length : low + (room - length) / 2;
}

// How many of `length` dots from `start` fall outside the `size` dots from 0: never more than all of them.
int DotsOutside(int start, int length, int size)
{
    const int visible = std::max(0, std::min(start + length, size) - std::max(start, 0));
    return length - visible;
}

// How many lit columns and rows of the whole picture fall outside the sign when its box is placed at `at`.
QString CutDescription(const ProjectModel &model, const LitBox &whole, DotCorner at)
{
    const int across = DotsOutside(at.col + whole.left, whole.width(), model.WidthDot);
    const int down = DotsOutside(at.row + whole.top, whole.height(), model.HeightDot);
    // A box that reaches the edge of the largest window was cut there too: more is cut than it shows.
    const QString more = QStringLiteral(" or more");
    QStringList parts;
    if (across > 0) {
        parts
            << QStringLiteral("%1 dots%2 across").arg(across).arg(whole.right >= MaxWidthDot - 1 ? more : "");
    }
    if (down > 0) {
        parts << QStringLiteral("%1 dots%2 down").arg(down).arg(whole.bottom >= MaxHeightDot - 1 ? more : "");
    }
    return parts.join(QStringLiteral(", "));
}

// Placing's stamp at `at`, then FloatDots cleared as placing leaves it. The stamp adds the picture's lit
// dots that land on the sign, as StampPlacedPicture does, but visits only the picture's lit box (every dot
// outside it is dark) instead of the whole sign, once for every frame of the table.
void StampAt(ProjectModel &model, const LitBox &box, DotCorner at)
{
    model.Tools.PlaceCol = at.col;
    model.Tools.PlaceRow = at.row;
    const int top = std::max(at.row + box.top, 0);
    const int bottom = std::min(at.row + box.bottom + 1, model.HeightDot);
    std::uint8_t *frame = model.FrameDots.writableFrame(model.CurFrame);
    for (int x = std::max(at.col + box.left, 0); x < std::min(at.col + box.right + 1, model.WidthDot); ++x) {
        const std::uint8_t *column = model.FloatDots.data() + DotIndex(x - at.col, 0);
        for (int y = top; y < bottom; ++y) {
            if (column[y - at.row] == 1) {
                frame[DotIndex(x, y)] = 1;
            }
        }
    }
    // Darkening the lit box darkens the whole window.
    for (int x = box.left; x <= box.right; ++x) {
        std::memset(model.FloatDots.data() + DotIndex(x, box.top), 0, static_cast<std::size_t>(box.height()));
    }
}

// Writes a picture to be placed for a sign of the given size, as composition and upload do.
using PictureWriter = std::function<void(int widthDot, int heightDot, DotPlane &out)>;

class FrameBuilder {
public:
    FrameBuilder(ProjectModel &model, const RouteFonts &fonts, RouteBuild &build)
        : model_(model), fonts_(fonts), build_(build)
    {
    }

    QStringList build(const RouteRow &route)
    {
        QStringList filled;
        int textLeft = 0;
        if (!route.picturePath.isEmpty()) {
            textLeft = placePicture(route);
            filled << QStringLiteral("picture");
        }
        if (!route.text.isEmpty()) {
            placeText(route, textLeft);
            filled << QStringLiteral("text");
        }
        return filled;
    }

private:
    // Samples and uploads the picture, stamps its lit dots at the left edge, centred vertically; answers
    // the first column right of it.
    int placePicture(const RouteRow &route)
    {
        const SampledPicture sampled = SamplePictureFile(route.picturePath, route.pictureZoom);
        if (!sampled.result.ok()) {
            build_.problems.push_back({route.row, sampled.result.message()});
            return 0;
        }
        const PictureWriter upload = [&sampled, &route](int widthDot, int heightDot, DotPlane &out) {
            WriteUploadDots(sampled.surface, route.pictureZoom, widthDot, heightDot, out);
        };
        const LitBox box = write(upload);
        if (box.empty) {
            build_.warnings.push_back({route.row, QStringLiteral("the picture lights no dot")});
            return 0;
        }
        const DotCorner at{-box.left,
                           AlignedStart(box.height(), 0, model_.HeightDot, TextAlign::Centre) - box.top};
        stamp(route, QStringLiteral("picture"), box, whole(upload, box), at);
        return std::min(box.width(), model_.WidthDot);
    }

    // Composes the text, stamps it where x and y say, or with its cells aligned right of `areaLeft` and
    // centred vertically.
    void placeText(const RouteRow &route, int areaLeft)
    {
        TextRequest request;
        ApplyTextChoice(route.font, fonts_.dpi, request);
        request.text = route.text;
        request.workDir = fonts_.workDir;
        request.installedFontDir = fonts_.installedFontDir;
        const FontFileEntry *chosen = ChosenFontFile(request);
        const FontFileEntry *used = nullptr;
        const PictureWriter compose = [&request, &used](int widthDot, int heightDot, DotPlane &out) {
            request.widthDot = widthDot;
            request.heightDot = heightDot;
            used = ComposeText(request, out);
        };
        const LitBox box = write(compose);
        if (used != chosen) {
            const QString path =
                FontFolders(fonts_.workDir, fonts_.installedFontDir).pathOf(chosen->fileName);
            build_.problems.push_back({route.row, UnreadableFontFileMessage(path)});
            return;
        }
        // A bitmap font file draws only its own characters: Latin text in a Chinese file leaves a gap.
        const std::vector<char32_t> missing = used ? CharactersWithoutGlyph(route.text, *used)
                                                   : std::vector<char32_t>();
        if (!missing.empty()) {
            build_.warnings.push_back({route.row, QStringLiteral("text: ") + MissingGlyphsText(*used, missing)});
        }
        // Missing characters named, nothing more is to be said of a text that lights nothing for them.
        if (box.empty) {
            if (missing.empty() && !route.text.trimmed().isEmpty()) {
                build_.warnings.push_back(
                    {route.row,
                     QStringLiteral("the text lights no dot: the font has none of its characters")});
            }
            return;
        }
        // Placed by its cells, not by what its letters light, so that the texts of one font share their
        // rows and the same text lands on the same dots whatever frame it is in.
        const LitBox lit = whole(compose, box);
        const LitRows rows{lit.top, lit.bottom};
        const TextCell cell = CellHoldingRows(ComposedCell(request), rows);
        const DotCorner at =
            route.x ? DotCorner{*route.x, *route.y}
                    : DotCorner{AlignedStart(cell.advance, areaLeft, model_.WidthDot, route.align),
                                TopKeepingLitRows((model_.HeightDot - cell.height()) / 2 - cell.top, rows,
                                                  model_.HeightDot)};
        stamp(route, QStringLiteral("text"), box, lit, at);
    }

    // Writes the picture into FloatDots as the editor does for this sign; answers its lit box there.
    LitBox write(const PictureWriter &writer)
    {
        writer(model_.WidthDot, model_.HeightDot, model_.FloatDots);
        return LitBoxOf(model_.FloatDots, WindowOf(model_));
    }

    // The lit box of the whole picture. One that reaches past the sign may have been cut at the edge of
    // FloatDots' window already; it is written again for the largest sign to tell by how much.
    LitBox whole(const PictureWriter &writer, const LitBox &box)
    {
        if (box.right < model_.WidthDot && box.bottom < model_.HeightDot) {
            return box;
        }
        if (!scratch_) {
            scratch_ = std::make_unique<DotPlane>();
        }
        writer(MaxWidthDot - PictureMargin, MaxHeightDot - PictureMargin, *scratch_);
        return LitBoxOf(*scratch_, {MaxWidthDot, MaxHeightDot});
    }

    // Stamps the picture in FloatDots, whose lit box there is `box`; `whole` tells what is cut.
    void stamp(const RouteRow &route, const QString &what, const LitBox &box, const LitBox &whole, DotCorner at)
    {
        const QString cut = CutDescription(model_, whole, at);
        if (!cut.isEmpty()) {
            build_.warnings.push_back({route.row, QStringLiteral("the %1 is cut: %2").arg(what, cut)});
        }
        StampAt(model_, box, at);
    }

    ProjectModel &model_;
    const RouteFonts &fonts_;
    RouteBuild &build_;
    std::unique_ptr<DotPlane> scratch_;
};

// The list cells and Change mark of frame `f`, the row's frame in a list where the rows before and after
// it may belong to the same line.
void WriteListRow(ProjectModel &model, int f, const RouteRow &route, bool lineGoesOn, bool lineBegan)
{
    model.ChangeFlag[f] = lineGoesOn ? 1 : 0;
    model.Cells.setCell(ColBoard, f + 1, Format000(route.board));
    model.Cells.setCell(ColChange, f + 1, lineGoesOn ? QStringLiteral("V") : QString());
    model.Cells.setCell(ColTime, f + 1, lineGoesOn || lineBegan ? QString::number(route.time) : QString());
}

} // namespace

void BuildRouteList(ProjectModel &model, const std::vector<RouteRow> &rows, RouteBuild &build,
                    const FrameFiller &fill)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int f = static_cast<int>(i);
        if (f > 0 && AppendFrame(model) != ListOutcome::Done) {
            build.problems.push_back({rows[i].row, TooManyFramesMessage()});
            break;
        }
        const bool lineGoesOn = i + 1 < rows.size() && rows[i + 1].board == rows[i].board;
        const bool lineBegan = i > 0 && rows[i - 1].board == rows[i].board;
        WriteListRow(model, f, rows[i], lineGoesOn, lineBegan);
        model.CurFrame = f;
        build.frames.push_back({rows[i].row, fill(rows[i])});
    }
    model.CurFrame = 0;
    RenumberLines(model);
}

RouteBuild BuildRouteFrames(ProjectModel &model, const std::vector<RouteRow> &rows, const RouteFonts &fonts)
{
    RouteBuild build;
    FrameBuilder builder(model, fonts, build);
    BuildRouteList(model, rows, build, [&builder](const RouteRow &route) { return builder.build(route); });
    return build;
}
