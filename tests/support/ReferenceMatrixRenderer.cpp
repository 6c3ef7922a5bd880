#include "support/ReferenceMatrixRenderer.h"

#include "preview/PreviewGeometry.h"

#include <QPainter>

namespace {

const QColor Lit = QColor::fromRgb(QtColorOf(LedColorValue::White));
const QColor Floating = QColor::fromRgb(QtColorOf(LedColorValue::Floating));

void PaintDot(QPainter &painter, const ViewState &view, int x, int y, const QColor &rim, const QColor &fill)
{
    painter.setPen(QPen(rim, 1));
    painter.setBrush(fill);
    // QPainter's aliased ellipse reaches one pixel past its rectangle on the right and at the bottom, so
    // the rectangle is one pixel smaller than the 2r x 2r box the dot must cover.
    const QRect box = DotBox(view, x, y);
    painter.drawEllipse(QRect(box.topLeft(), box.size() - QSize(1, 1)));
}

void PaintSignDots(QPainter &painter, const ProjectModel &model)
{
    const ToolState &tools = model.Tools;
    for (int x = 0; x < model.WidthDot; ++x) {
        for (int y = 0; y < model.HeightDot; ++y) {
            if (model.FrameDots.at(model.CurFrame, x, y) == 1) {
                PaintDot(painter, model.View, x, y, Lit, Lit);
            } else if (tools.PlaceMode && model.FrameCount > 0 && x >= tools.PlaceCol &&
                       y >= tools.PlaceRow &&
                       model.FloatDots.atOrDark(x - tools.PlaceCol, y - tools.PlaceRow) == 1) {
                PaintDot(painter, model.View, x, y, Floating, Floating);
            } else {
                PaintDot(painter, model.View, x, y, QColor::fromRgb(QtColorOf(model.dotColor(x, y))),
                         Qt::black);
            }
        }
    }
}

void PaintLiftedRegion(QPainter &painter, const ProjectModel &model)
{
    const ViewState &view = model.View;
    const ToolState &tools = model.Tools;
    const int col0 = (tools.DragRect.Left - view.ViewLeft) / Pitch(view);
    const int row0 = (tools.DragRect.Top - view.ViewTop) / Pitch(view);
    for (int i = 0; i < tools.RegionWidth; ++i) {
        for (int j = 0; j < tools.RegionHeight; ++j) {
            if (model.FloatDots.atOrDark(i, j) == 1) {
                PaintDot(painter, view, col0 + i, row0 + j, Floating, Floating);
            }
        }
    }
}

void PaintGridLines(QPainter &painter, const ProjectModel &model)
{
    const ViewState &view = model.View;
    const int spacing = 8 * Pitch(view);
    // A flat cap leaves out each line's end point.
    QPen pen(QColor::fromRgb(QtColorOf(LedColorValue::GridLine)), 1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (int k = 0; k <= model.WidthDot / 8; ++k) {
        const int x = view.ViewLeft + k * spacing;
        painter.drawLine(x, view.ViewTop, x, view.ViewTop + view.ViewHeight);
    }
    for (int k = 0; k <= model.HeightDot / 8; ++k) {
        const int y = view.ViewTop + k * spacing;
        painter.drawLine(view.ViewLeft, y, view.ViewLeft + view.ViewWidth, y);
    }
}

} // namespace

void ReferenceDrawMatrix(QImage &target, ProjectModel &model, int hScroll, int vScroll)
{
    PlaceView(model, target.size(), hScroll, vScroll);
    target.fill(Qt::black);
    QPainter painter(&target);
    PaintSignDots(painter, model);
    if (model.Tools.RegionFloat && model.FrameCount > 0) {
        PaintLiftedRegion(painter, model);
    }
    if (model.View.DotGap > 2) {
        PaintGridLines(painter, model);
    }
}
