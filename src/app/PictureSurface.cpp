#include "app/PictureSurface.h"

#include <QMouseEvent>
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

void PictureSurface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void PictureSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->position().toPoint());
}
