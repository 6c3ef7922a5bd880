#include "app/TfmLOGO.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr QSize pictureSize(545, 161);
constexpr QPoint pictureOrigin(0, 8);

// The name drawn as an amber LED sign: the text is rasterised small, and every set pixel becomes a dot.
QPixmap LogoPicture()
{
    constexpr int pitch = 5;
    const QSize dots(pictureSize.width() / pitch, pictureSize.height() / pitch);
    QImage mask(dots, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter text(&mask);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(22);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        text.setFont(font);
        text.setPen(Qt::black);
        text.drawText(QRect(0, 0, dots.width(), dots.height()), Qt::AlignCenter, QStringLiteral("VELMORA"));
    }
    QPixmap picture(pictureSize);
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

} // namespace

TfmLOGO::TfmLOGO(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("fmLOGO"));
    setWindowTitle(QStringLiteral("Velmora LOGO"));
    setAccessibleName(windowTitle());
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(LogoPicture());
    Image1->setGeometry(QRect(pictureOrigin, pictureSize));
    setFixedSize(pictureOrigin.x() + pictureSize.width(), pictureOrigin.y() + pictureSize.height());
}

void TfmLOGO::placeOnScreen(QSize screen)
{
    const int spareWidth = screen.width() - pictureSize.width();
    const int spareHeight = screen.height() - pictureSize.height();
    if (spareWidth > 0 && spareHeight > 0) {
        move(spareWidth / 2, spareHeight / 2);
    }
}
