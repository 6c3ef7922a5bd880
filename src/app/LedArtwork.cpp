#include "app/LedArtwork.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

const QColor litColour(255, 160, 0);
const QColor darkColour(60, 40, 0);

// The text rasterised one pixel per dot: a black pixel is a lit dot.
QImage DotMask(const QString &text, QSize dots)
{
    QImage mask(dots, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(dots.height() * 3 / 4);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, 0), dots), Qt::AlignCenter, text);
    return mask;
}

// Calls `dot(box, lit)` for every dot of the board, with the circle's bounding box in pixels.
template <typename DotFunction> void ForEachDot(const QString &text, QSize size, int pitch, DotFunction dot)
{
    const QImage mask = DotMask(text, QSize(size.width() / pitch, size.height() / pitch));
    for (int x = 0; x < mask.width(); ++x) {
        for (int y = 0; y < mask.height(); ++y) {
            dot(QRectF(x * pitch + 0.5, y * pitch + 0.5, pitch - 1, pitch - 1), qRed(mask.pixel(x, y)) < 128);
        }
    }
}

} // namespace

QPixmap LedTextPicture(const QString &text, QSize size, int pitch)
{
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    ForEachDot(text, size, pitch, [&painter](const QRectF &box, bool lit) {
        painter.setBrush(lit ? litColour : darkColour);
        painter.drawEllipse(box);
    });
    return picture;
}

QByteArray LedTextSvg(const QString &text, QSize size, int pitch)
{
    QByteArray svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                       "viewBox=\"0 0 %1 %2\">\n<rect width=\"%1\" height=\"%2\" fill=\"#000000\"/>\n")
            .arg(size.width())
            .arg(size.height())
            .toUtf8();
    ForEachDot(text, size, pitch, [&svg](const QRectF &box, bool lit) {
        svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(box.center().x())
                   .arg(box.center().y())
                   .arg(box.width() / 2)
                   .arg((lit ? litColour : darkColour).name())
                   .toUtf8();
    });
    return svg + "</svg>\n";
}
