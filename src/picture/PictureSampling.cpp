#include "picture/PictureSampling.h"

#include "picture/EditSurface.h"

#include <QPainter>

namespace {

constexpr int openDarkBelow = 128;

// Pixels as they are seen on a white page: a picture with transparency is laid over white first.
QImage OverWhite(const QImage &source)
{
    if (!source.hasAlphaChannel()) {
        return source;
    }
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, source);
    return flat;
}

// Source coordinate of picture coordinate i: the single-precision factor times i, exactly (a double
// holds the product of a float and a small integer without rounding), truncated.
int SourceCoordinate(int i, float scale)
{
    return static_cast<int>(static_cast<double>(i) * static_cast<double>(scale));
}

} // namespace

QImage SamplePicture(const QImage &source, int editZoom)
{
    const int n = EditSurfaceSize / editZoom;
    const QImage picture = OverWhite(source);
    const bool oneToOne = editZoom == 1;
    const float sx = oneToOne ? 1.0F : static_cast<float>(picture.width()) / static_cast<float>(n);
    const float sy = oneToOne ? 1.0F : static_cast<float>(picture.height()) / static_cast<float>(n);

    QImage surface = BlankEditSurface();
    for (int i = 0; i < n; ++i) {
        const int x = SourceCoordinate(i, sx);
        for (int j = 0; j < n; ++j) {
            const int y = SourceCoordinate(j, sy);
            if (picture.valid(x, y) && qRed(picture.pixel(x, y)) < openDarkBelow) {
                PaintPicturePixel(surface, editZoom, i, j, PictureInk::Black);
            }
        }
    }
    return surface;
}
