#include "app/LedArtwork.h"

#include <QFont>
#include <QImage>
#include <QPainter>

QPixmap LedTextPicture(const QString &text, QSize size, int pitch)
{
    // The text is rasterised small, and every set pixel becomes a lit dot.
    const QSize dots(size.width() / pitch, size.height() / pitch);
    QImage mask(dots, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(dots.height() * 3 / 4);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), dots), Qt::AlignCenter, text);
    }
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor lit(255, 160, 0);
    const QColor dark(60, 40, 0);
    for (int x = 0; x < dots.width(); ++x) {
        for (int y = 0; y < dots.height(); ++y) {
            painter.setBrush(qRed(mask.pixel(x, y)) < 128 ? lit : dark);
            painter.drawEllipse(QRectF(x * pitch + 0.5, y * pitch + 0.5, pitch - 1, pitch - 1));
        }
    }
    return picture;
}
