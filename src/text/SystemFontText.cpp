#include "text/SystemFontText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double inchesPerMetre = 1.0 / 0.0254;
constexpr int litRedBelow = 64;

} // namespace

QImage DrawSystemFontScratch(const QString &text, const QFont &font, int dpi, int width, int height)
{
    QImage scratch(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    // The painter takes point sizes to pixels at the picture's own resolution.
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * inchesPerMetre));
    scratch.setDotsPerMeterX(dotsPerMetre);
    scratch.setDotsPerMeterY(dotsPerMetre);
    scratch.fill(Qt::white);

    QFont crisp = font;
    crisp.setStyleStrategy(QFont::StyleStrategy(crisp.styleStrategy() | QFont::NoAntialias));
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(crisp);
    painter.setPen(Qt::black);
    painter.drawText(scratch.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return scratch;
}

bool IsLitPixel(const QImage &scratch, int x, int y)
{
    return scratch.valid(x, y) && qRed(scratch.pixel(x, y)) < litRedBelow;
}

void SampleScratch(const QImage &scratch, int width, int height, DotPlane &out)
{
    const int columns = std::clamp(width, 0, MaxWidthDot);
    const int rows = std::clamp(height, 0, MaxHeightDot);
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            out.set(x, y, IsLitPixel(scratch, x, y) ? 1 : 0);
        }
    }
}
