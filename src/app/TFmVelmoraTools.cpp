// The main window's drawing tools: pointer, pen and select, the region commands, placing, and the
// pointer over the preview. The rules live in the core's PreviewEditor; these handlers forward events
// and paint what it answers.
#include "app/TFmVelmora.h"

#include "app/BusImageView.h"
#include "app/PointerButtons.h"
#include "preview/MatrixRenderer.h"
#include "preview/SelectionOutline.h"

#include <QAction>
#include <QLabel>

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
    // A floating region is dropped where it lies first: that drop is a step.
    runFrameCommand([this, &writePicture] { return editor_.enterPlacing(writePicture); });
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
    runFrameCommand([this] { return editor_.toggleSelect(); });
}

void TFmVelmora::Cut1Click()
{
    runFrameCommand([this] { return editor_.cut(); });
}

void TFmVelmora::Copy1Click()
{
    runFrameCommand([this] { return editor_.copy(); });
}

void TFmVelmora::PasteClick()
{
    runFrameCommand([this] { return editor_.paste(); });
}

void TFmVelmora::Delete1Click()
{
    runFrameCommand([this] { return editor_.deleteRegion(); });
}

// A gesture, from press to release, is one step: a whole pen stroke, a stamp, a lift.
void TFmVelmora::BusImageMouseDown(Qt::MouseButton button, QPoint position)
{
    history_.openStep(StepShape::CurrentFrame);
    applyPaint(editor_.mouseDown(ButtonOf(button), position.x(), position.y()));
    showToolState();
    showHistoryState();
}

void TFmVelmora::BusImageMouseMove(Qt::MouseButtons held, QPoint position)
{
    // The other button still held after one was released goes on drawing: that is a step too.
    if (held & (Qt::LeftButton | Qt::RightButton)) {
        history_.openStep(StepShape::CurrentFrame);
    }
    BusImage->setCursor(editor_.overFloatingRegion(position.x(), position.y()) ? Qt::SizeAllCursor
                                                                               : Qt::ArrowCursor);
    applyPaint(editor_.mouseMove(HeldOf(held), position.x(), position.y()));
}

void TFmVelmora::BusImageMouseUp(Qt::MouseButton, QPoint position)
{
    applyPaint(editor_.mouseUp(position.x(), position.y()));
    closeFrameStep();
    showToolState();
}
