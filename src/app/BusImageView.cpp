#include "app/BusImageView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

BusImageView::BusImageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BusImage"));
    setAccessibleName(tr("Preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 32);
    // A picture being placed follows the pointer with no button held.
    setMouseTracking(true);
}

void BusImageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void BusImageView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    picture_ = QImage(event->size(), QImage::Format_RGB32);
    picture_.fill(Qt::black);
    emit resized();
}

void BusImageView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void BusImageView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->position().toPoint());
}

void BusImageView::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->position().toPoint());
}
