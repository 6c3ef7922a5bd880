#pragma once

#include <QImage>
#include <QRgb>

// Direct access to the pixels of a 32-bit picture. The preview writes thousands of dots per repaint;
// taking the pixel memory from the QImage once keeps each write a plain store.
class PixelCanvas {
public:
    explicit PixelCanvas(QImage &image)
        : bits_(reinterpret_cast<QRgb *>(image.bits())), stride_(image.bytesPerLine() / sizeof(QRgb)),
          width_(image.width()), height_(image.height())
    {
    }

    int width() const { return width_; }
    int height() const { return height_; }
    QRgb *line(int y) const { return bits_ + y * stride_; }

private:
    QRgb *bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
};
