#include "app/BusImageView.h"

#include <QPainter>
#include <QResizeEvent>

BusImageView::BusImageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BusImage"));
    setAccessibleName(QStringLiteral("Preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 32);
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
