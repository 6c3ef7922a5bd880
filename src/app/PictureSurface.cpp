#include "app/PictureSurface.h"

#include <QPaintEvent>
#include <QPainter>

PictureSurface::PictureSurface(QSize size, QWidget *parent)
    : QWidget(parent), picture_(size, QImage::Format_RGB32)
{
    picture_.fill(Qt::white);
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}
