#include "picture/PictureUpload.h"

#include "text/SystemFontText.h"

#include <algorithm>

namespace {

// The picture's dot (8, 8) follows the pointer, so the window reaches 16 dots beyond the sign.
constexpr int placingMargin = 16;

} // namespace

void WriteUploadDots(const QImage &surface, int editZoom, int widthDot, int heightDot, DotPlane &floatDots)
{
    const int width = std::min(widthDot + placingMargin, MaxWidthDot);
    const int height = std::min(heightDot + placingMargin, MaxHeightDot);
    for (int i = 0; i < width; ++i) {
        for (int j = 0; j < height; ++j) {
            // The same rule as a text drawn on a scratch picture: lit when the red component is below 64.
            floatDots.set(i, j, IsLitPixel(surface, i * editZoom, j * editZoom) ? 1 : 0);
        }
    }
}
