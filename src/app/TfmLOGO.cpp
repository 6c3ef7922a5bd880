#include "app/TfmLOGO.h"

#include "app/LedArtwork.h"

#include <QLabel>

namespace {

constexpr QSize pictureSize(545, 161);
constexpr QPoint pictureOrigin(0, 8);

} // namespace

TfmLOGO::TfmLOGO(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("fmLOGO"));
    setWindowTitle(QStringLiteral("Velmora LOGO"));
    setAccessibleName(windowTitle());
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(LedTextPicture(QStringLiteral("VELMORA"), pictureSize, 5));
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
