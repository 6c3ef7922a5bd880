#include "preview/SelectionOutline.h"

#include <algorithm>

namespace {

void HorizontalLine(QImage &picture, int y, int left, int right, QRgb colour)
{
    if (y < 0 || y >= picture.height()) {
        return;
    }
    auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
    for (int x = std::max(left, 0); x < std::min(right, picture.width()); ++x) {
        line[x] = colour;
    }
}

void VerticalLine(QImage &picture, int x, int top, int bottom, QRgb colour)
{
    if (x < 0 || x >= picture.width()) {
        return;
    }
    for (int y = std::max(top, 0); y < std::min(bottom, picture.height()); ++y) {
        reinterpret_cast<QRgb *>(picture.scanLine(y))[x] = colour;
    }
}

} // namespace

void DrawSelectionOutline(QImage &picture, const PixelRect &rect, ColorRef colour)
{
    const int left = std::min(rect.Left, rect.Right);
    const int right = std::max(rect.Left, rect.Right);
    const int top = std::min(rect.Top, rect.Bottom);
    const int bottom = std::max(rect.Top, rect.Bottom);
    if (left == right || top == bottom) {
        return;
    }
    const QRgb value = QtColorOf(colour);
    HorizontalLine(picture, top, left, right, value);
    HorizontalLine(picture, bottom - 1, left, right, value);
    VerticalLine(picture, left, top, bottom, value);
    VerticalLine(picture, right - 1, top, bottom, value);
}
