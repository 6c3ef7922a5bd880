// The main window's "Graphic Edit" page: the size choice, drawing with the mouse, Clear, Open, Save and
// Upload. The picture rules live in the core (src/picture); these handlers read the controls, call it,
// show the surface and hand the picture to placing.
#include "app/TFmVelmora.h"

#include "app/GraphicEditPage.h"
#include "app/PictureSurface.h"
#include "app/PointerButtons.h"
#include "app/PromptSeam.h"
#include "picture/EditSurface.h"
#include "picture/PictureFiles.h"
#include "picture/PictureUpload.h"

#include <QPushButton>

namespace {

// Open and Save show the same single file type; the extension is added to a name typed without one.
FileDialogSpec PictureFileDialog()
{
    return {{QStringLiteral("16x16 24x24 32x32 48x48 BMP File (*.bmp)")}, 0, QStringLiteral("bmp")};
}

} // namespace

void TFmVelmora::connectGraphicEdit()
{
    const GraphicEditPage &page = *GraphicEdit;
    connect(page.Button3, &QPushButton::clicked, this, &TFmVelmora::Button3Click);
    connect(page.Button5, &QPushButton::clicked, this, &TFmVelmora::Button5Click);
    connect(page.Button6, &QPushButton::clicked, this, &TFmVelmora::Button6Click);
    connect(page.Button4, &QPushButton::clicked, this, &TFmVelmora::Button4Click);
    connect(GraphicEdit, &GraphicEditPage::imageSizeClicked, this, &TFmVelmora::RadioGroup1Click);
    connect(page.EditImage, &PictureSurface::mousePressed, this, &TFmVelmora::EditImageMouseDown);
    connect(page.EditImage, &PictureSurface::mouseMoved, this, &TFmVelmora::EditImageMouseMove);
}

void TFmVelmora::showEditPicture(const QImage &surface)
{
    GraphicEdit->EditImage->picture() = surface;
    GraphicEdit->EditImage->update();
}

void TFmVelmora::RadioGroup1Click()
{
    // Another size discards the picture; choosing the size already in force keeps it.
    const int zoom = EditZoomOfItem(GraphicEdit->imageSizeItem());
    if (zoom == model_.Text.EditZoom) {
        return;
    }
    model_.Text.EditZoom = zoom;
    showEditPicture(BlankEditSurface());
}

void TFmVelmora::EditImageMouseDown(Qt::MouseButton button, QPoint position)
{
    PictureSurface &surface = *GraphicEdit->EditImage;
    surface.update(PaintUnderPointer(surface.picture(), model_.Text.EditZoom, position.x(), position.y(),
                                     InkOfPress(ButtonOf(button))));
}

void TFmVelmora::EditImageMouseMove(Qt::MouseButtons held, QPoint position)
{
    PictureSurface &surface = *GraphicEdit->EditImage;
    surface.update(PaintUnderPointer(surface.picture(), model_.Text.EditZoom, position.x(), position.y(),
                                     InkWhileHeld(HeldOf(held))));
}

void TFmVelmora::Button6Click()
{
    showEditPicture(BlankEditSurface());
}

void TFmVelmora::Button3Click()
{
    const auto choice = prompts_.chooseOpenFile(PictureFileDialog());
    if (!choice) {
        return;
    }
    // A file that cannot be read leaves the picture and its zoom as they were.
    const int zoom = EditZoomOfItem(GraphicEdit->imageSizeItem());
    const SampledPicture opened = SamplePictureFile(choice->path, zoom);
    if (!opened.result.ok()) {
        prompts_.showMessage(opened.result.message());
        return;
    }
    model_.Text.EditZoom = zoom;
    showEditPicture(opened.surface);
}

void TFmVelmora::Button5Click()
{
    const auto choice = prompts_.chooseSaveFile(PictureFileDialog());
    if (!choice) {
        return;
    }
    const FileResult saved = SaveEditSurface(GraphicEdit->EditImage->picture(), choice->path);
    if (!saved.ok()) {
        prompts_.showMessage(saved.message());
    }
}

void TFmVelmora::Button4Click()
{
    const QImage &surface = GraphicEdit->EditImage->picture();
    const int zoom = model_.Text.EditZoom;
    const int widthDot = model_.WidthDot;
    const int heightDot = model_.HeightDot;
    enterPlacing([&surface, zoom, widthDot, heightDot](DotPlane &floatDots) {
        WriteUploadDots(surface, zoom, widthDot, heightDot, floatDots);
    });
}
