#include "preview/DotMask.h"

#include "preview/RecentlyUsed.h"

#include <QPainter>

#include <algorithm>

namespace {

// Colours the probe ellipse is drawn in; any three distinct colours tell rim, fill and untouched apart.
constexpr QRgb ProbeBackground = 0xFF000000;
constexpr QRgb ProbeRim = 0xFFFF0000;
constexpr QRgb ProbeFill = 0xFF0000FF;

// The probe is painted in horizontal strips of at most this many pixels, so a dot larger than the
// screen does not need a picture of its full size.
constexpr int ProbeStripPixels = 1 << 22;

// Radii kept at once.
constexpr std::size_t CachedRadii = 4;

} // namespace

DotMask::DotMask(int radius) : side_(2 * radius)
{
    const int stripRows = std::clamp(ProbeStripPixels / side_, 1, side_);
    QImage probe(side_, stripRows, QImage::Format_RGB32);
    for (int top = 0; top < side_; top += stripRows) {
        probe.fill(ProbeBackground);
        QPainter painter(&probe);
        painter.setPen(QPen(QColor::fromRgb(ProbeRim), 1));
        painter.setBrush(QColor::fromRgb(ProbeFill));
        // An aliased QPainter ellipse covers one pixel more than its rectangle's width and height.
        painter.drawEllipse(QRect(0, -top, side_ - 1, side_ - 1));
        painter.end();
        for (int y = 0; y < stripRows && top + y < side_; ++y) {
            appendRow(probe, y);
        }
    }
}

void DotMask::appendRow(const QImage &probe, int probeRow)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(probe.constScanLine(probeRow));
    int x = 0;
    while (x < side_) {
        const QRgb colour = pixels[x];
        const int start = x;
        while (x < side_ && pixels[x] == colour) {
            ++x;
        }
        if (colour == ProbeRim || colour == ProbeFill) {
            runs_.push_back({start, x - start, colour == ProbeRim});
        }
    }
    rowStarts_.push_back(runs_.size());
}

std::shared_ptr<const DotMask> DotMaskForRadius(int radius)
{
    static RecentlyUsed<int, DotMask> masks(CachedRadii);
    return masks.get(radius, [](int key) { return std::make_shared<const DotMask>(key); });
}

void StampDot(const PixelCanvas &target, const DotMask &mask, QPoint topLeft, QRgb rim, QRgb fill)
{
    const int firstRow = std::max(0, -topLeft.y());
    const int endRow = std::min(mask.side(), target.height() - topLeft.y());
    for (int dy = firstRow; dy < endRow; ++dy) {
        QRgb *line = target.line(topLeft.y() + dy);
        for (const MaskRun &run : mask.row(dy)) {
            const int from = std::max(0, topLeft.x() + run.offset);
            const int to = std::min(target.width(), topLeft.x() + run.offset + run.length);
            if (from < to) {
                std::fill(line + from, line + to, run.rim ? rim : fill);
            }
        }
    }
}
