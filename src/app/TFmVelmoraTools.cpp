// The main window's drawing tools: pointer, pen and select, the region commands, placing, and the
// pointer over the preview. The rules live in the core's PreviewEditor; these handlers forward events
// and paint what it answers.
#include "app/TFmVelmora.h"

#include "app/BusImageView.h"
#include "preview/MatrixRenderer.h"
#include "preview/SelectionOutline.h"

#include <QAction>
#include <QLabel>

namespace {

PointerButton ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PointerButton::Left;
    case Qt::RightButton:
        return PointerButton::Right;
    default:
        return PointerButton::Other;
    }
}

} // namespace

void TFmVelmora::connectTools()
{
    connect(PointerTool, &QAction::triggered, this, &TFmVelmora::ToolButton3Click);
    connect(Pen1, &QAction::triggered, this, &TFmVelmora::Pen1Click);
    connect(Select1, &QAction::triggered, this, &TFmVelmora::Select1Click);
    connect(Cut1, &QAction::triggered, this, &TFmVelmora::Cut1Click);
    connect(Copy1, &QAction::triggered, this, &TFmVelmora::Copy1Click);
    connect(Paste, &QAction::triggered, this, &TFmVelmora::PasteClick);
    connect(Delete1, &QAction::triggered, this, &TFmVelmora::Delete1Click);
    connect(BusImage, &BusImageView::mousePressed, this, &TFmVelmora::BusImageMouseDown);
    connect(BusImage, &BusImageView::mouseMoved, this, &TFmVelmora::BusImageMouseMove);
    connect(BusImage, &BusImageView::mouseReleased, this, &TFmVelmora::BusImageMouseUp);
}

void TFmVelmora::applyPaint(const PreviewPaint &paint)
{
    if (paint.listEmpty) {
        StatusBar1[0]->setText(EmptyListMessage());
    }
    if (paint.repaint) {
        DrawMatrix();
    }
    if (paint.dot) {
        ::DrawDot(BusImage->picture(), model_, paint.dot->col, paint.dot->row);
    }
    if (paint.eraseOutline) {
        DrawSelectionOutline(BusImage->picture(), *paint.eraseOutline, LedColorValue::Black);
    }
    if (paint.outline) {
        DrawSelectionOutline(BusImage->picture(), *paint.outline, LedColorValue::White);
    }
    BusImage->update();
}

void TFmVelmora::showToolState()
{
    const ToolState &tools = model_.Tools;
    PointerTool->setChecked(!tools.PenTool && !tools.SelectTool);
    Pen1->setChecked(tools.PenTool);
    Select1->setChecked(tools.SelectTool);
    Cut1->setEnabled(editor_.commands().cutAndCopy);
    Copy1->setEnabled(editor_.commands().cutAndCopy);
    Paste->setEnabled(editor_.commands().paste);
}

void TFmVelmora::enterPlacing(const PreviewEditor::PictureWriter &writePicture)
{
    applyPaint(editor_.enterPlacing(writePicture));
    showToolState();
}

void TFmVelmora::ToolButton3Click()
{
    editor_.selectPointerTool();
    showToolState();
}

void TFmVelmora::Pen1Click()
{
    editor_.togglePen();
    showToolState();
}

void TFmVelmora::Select1Click()
{
    applyPaint(editor_.toggleSelect());
    showToolState();
}

void TFmVelmora::Cut1Click()
{
    applyPaint(editor_.cut());
    showToolState();
}

void TFmVelmora::Copy1Click()
{
    applyPaint(editor_.copy());
    showToolState();
}

void TFmVelmora::PasteClick()
{
    applyPaint(editor_.paste());
    showToolState();
}

void TFmVelmora::Delete1Click()
{
    applyPaint(editor_.deleteRegion());
    showToolState();
}

void TFmVelmora::BusImageMouseDown(Qt::MouseButton button, QPoint position)
{
    applyPaint(editor_.mouseDown(ButtonOf(button), position.x(), position.y()));
    showToolState();
}

void TFmVelmora::BusImageMouseMove(Qt::MouseButtons held, QPoint position)
{
    BusImage->setCursor(editor_.overFloatingRegion(position.x(), position.y()) ? Qt::SizeAllCursor
                                                                               : Qt::ArrowCursor);
    applyPaint(editor_.mouseMove({held.testFlag(Qt::LeftButton), held.testFlag(Qt::RightButton)}, position.x(),
                                 position.y()));
}

void TFmVelmora::BusImageMouseUp(Qt::MouseButton, QPoint position)
{
    applyPaint(editor_.mouseUp(position.x(), position.y()));
    showToolState();
}
