#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int iconSize = 20;

void DrawScissors(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(5, 2), QPointF(13, 13));
    p.drawLine(QPointF(15, 2), QPointF(7, 13));
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawEllipse(QPointF(5.5, 15.5), 2.5, 2.5);
    p.drawEllipse(QPointF(14.5, 15.5), 2.5, 2.5);
}

void DrawPage(QPainter &p, const QRectF &page)
{
    const qreal fold = 4;
    QPainterPath path;
    path.moveTo(page.topLeft());
    path.lineTo(page.right() - fold, page.top());
    path.lineTo(page.right(), page.top() + fold);
    path.lineTo(page.bottomRight());
    path.lineTo(page.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(page.right() - fold, page.top()), QPointF(page.right() - fold, page.top() + fold));
    p.drawLine(QPointF(page.right() - fold, page.top() + fold), QPointF(page.right(), page.top() + fold));
}

void DrawTwoPages(QPainter &p)
{
    DrawPage(p, QRectF(2.5, 1.5, 10, 12));
    DrawPage(p, QRectF(7.5, 6.5, 10, 12));
}

void DrawClipboard(QPainter &p)
{
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(190, 140, 70));
    p.drawRoundedRect(QRectF(3.5, 3.5, 13, 15), 1.5, 1.5);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(7.5, 1.5, 5, 4));
    DrawPage(p, QRectF(6.5, 7.5, 9, 10));
}

void DrawFolder(QPainter &p)
{
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath back;
    back.moveTo(2.5, 5.5);
    back.lineTo(7.5, 5.5);
    back.lineTo(9.5, 7.5);
    back.lineTo(16.5, 7.5);
    back.lineTo(16.5, 16.5);
    back.lineTo(2.5, 16.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(255, 225, 120));
    QPainterPath front;
    front.moveTo(2.5, 16.5);
    front.lineTo(5.5, 10.5);
    front.lineTo(19.0, 10.5);
    front.lineTo(16.5, 16.5);
    front.closeSubpath();
    p.drawPath(front);
}

void DrawDisk(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(40, 60, 150));
    p.drawRect(QRectF(2.5, 2.5, 15, 15));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 9, 6));
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(QRectF(6.5, 11.5, 7, 6));
}

// A magnifier; the sign inside says what the button does.
// A curved arrow turning back to the left (undo) or on to the right (redo).
void DrawTurningArrow(QPainter &p, ToolImage image)
{
    if (image == ToolImage::RedoArrow) {
        p.translate(iconSize, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(5, 8);
    curve.cubicTo(QPointF(10, 3), QPointF(17, 6), QPointF(15, 12));
    curve.cubicTo(QPointF(14, 15), QPointF(11, 16), QPointF(8, 16));
    p.drawPath(curve);
    QPainterPath head;
    head.moveTo(2, 5);
    head.lineTo(8, 4);
    head.lineTo(5, 11);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    p.drawPath(head);
}

void DrawMagnifier(QPainter &p, ToolImage image)
{
    const QPointF centre(8, 8);
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(18, 18));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(centre, 6, 6);
    p.setPen(QPen(Qt::black, 1.5));
    if (image == ToolImage::ZoomIn || image == ToolImage::ZoomOut) {
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
    }
    if (image == ToolImage::ZoomIn) {
        p.drawLine(QPointF(8, 5), QPointF(8, 11));
    }
    if (image == ToolImage::ZoomReset) {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4.5, 4.5, 7, 7), 30 * 16, 240 * 16);
        p.drawLine(QPointF(11.2, 6.0), QPointF(11.2, 8.8));
        p.drawLine(QPointF(11.2, 8.8), QPointF(8.6, 8.0));
    }
}

void DrawArrow(QPainter &p)
{
    QPainterPath arrow;
    arrow.moveTo(5, 2);
    arrow.lineTo(5, 16);
    arrow.lineTo(8.5, 12.5);
    arrow.lineTo(11, 18);
    arrow.lineTo(13, 17);
    arrow.lineTo(10.5, 11.5);
    arrow.lineTo(15, 11.5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void DrawPointingHand(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 180));
    p.drawRoundedRect(QRectF(7.5, 1.5, 3, 10), 1.5, 1.5);
    p.drawRoundedRect(QRectF(5.5, 8.5, 11, 10), 3, 3);
    for (qreal x : {10.5, 13.0}) {
        p.drawLine(QPointF(x, 9), QPointF(x, 12));
    }
}

void DrawSelection(QPainter &p)
{
    QPen dashed(Qt::black, 1, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 3.5, 15, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 40));
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 2; ++y) {
            p.drawEllipse(QPointF(6.5 + 3.5 * x, 8.5 + 3.5 * y), 1.3, 1.3);
        }
    }
}

void DrawPlayTriangle(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(5.5, 3.5);
    triangle.lineTo(16.5, 10);
    triangle.lineTo(5.5, 16.5);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(40, 190, 40));
    p.drawPath(triangle);
}

void DrawImage(QPainter &p, ToolImage image)
{
    switch (image) {
    case ToolImage::Scissors:
        return DrawScissors(p);
    case ToolImage::TwoPages:
        return DrawTwoPages(p);
    case ToolImage::Clipboard:
        return DrawClipboard(p);
    case ToolImage::NewPage:
        return DrawPage(p, QRectF(4.5, 2.5, 11, 15));
    case ToolImage::OpenFolder:
        return DrawFolder(p);
    case ToolImage::SaveDisk:
        return DrawDisk(p);
    case ToolImage::UndoArrow:
    case ToolImage::RedoArrow:
        return DrawTurningArrow(p, image);
    case ToolImage::ZoomReset:
    case ToolImage::ZoomIn:
    case ToolImage::ZoomOut:
        return DrawMagnifier(p, image);
    case ToolImage::Arrow:
        return DrawArrow(p);
    case ToolImage::PointingHand:
        return DrawPointingHand(p);
    case ToolImage::Selection:
        return DrawSelection(p);
    case ToolImage::PlayTriangle:
        return DrawPlayTriangle(p);
    }
}

} // namespace

QIcon ToolIcon(ToolImage image)
{
    QPixmap pixmap(iconSize, iconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawImage(painter, image);
    painter.end();
    return QIcon(pixmap);
}
