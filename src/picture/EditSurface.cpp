#include "picture/EditSurface.h"

#include <QColor>
#include <QPainter>

#include <array>

namespace {

constexpr std::array<int, ImageSizeItems> pictureSizes = {16, 24, 32, 48, EditSurfaceSize};

QRect BlockOf(int editZoom, int i, int j)
{
    return {i * editZoom, j * editZoom, editZoom, editZoom};
}

} // namespace

int PictureSizeOfItem(int item)
{
    return pictureSizes.at(static_cast<std::size_t>(item));
}

int EditZoomOfItem(int item)
{
    return EditSurfaceSize / PictureSizeOfItem(item);
}

QImage BlankEditSurface()
{
    QImage surface(EditSurfaceSize, EditSurfaceSize, QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
}

PictureInk InkOfPress(PointerButton button)
{
    switch (button) {
    case PointerButton::Left:
        return PictureInk::Black;
    case PointerButton::Right:
        return PictureInk::White;
    default:
        return PictureInk::None;
    }
}

PictureInk InkWhileHeld(HeldButtons held)
{
    if (held.left) {
        return PictureInk::Black;
    }
    return held.right ? PictureInk::White : PictureInk::None;
}

void PaintPicturePixel(QImage &surface, int editZoom, int i, int j, PictureInk ink)
{
    if (ink == PictureInk::None) {
        return;
    }
    // The block filled together with its one-pixel outline in the same colour is the whole block.
    QPainter painter(&surface);
    painter.fillRect(BlockOf(editZoom, i, j), ink == PictureInk::Black ? Qt::black : Qt::white);
}

QRect PaintUnderPointer(QImage &surface, int editZoom, int X, int Y, PictureInk ink)
{
    if (ink == PictureInk::None || !surface.rect().contains(X, Y)) {
        return {};
    }
    const int i = X / editZoom;
    const int j = Y / editZoom;
    PaintPicturePixel(surface, editZoom, i, j, ink);
    return BlockOf(editZoom, i, j) & surface.rect();
}
