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

#include <QFileInfo>
#include <QPushButton>

namespace {

// The file types' names are read in the operator's language; their patterns stay as they are.
QString BitmapFilter()
{
    return TFmVelmora::tr("16x16 24x24 32x32 48x48 BMP File") + QStringLiteral(" (*.bmp)");
}

const QString bitmapExtension = QStringLiteral("bmp");

// Save writes only bitmaps; Open reads the other usual picture kinds too, offered beside the bitmaps.
FileDialogSpec SavePictureDialog()
{
    return {{BitmapFilter()}, 0, bitmapExtension};
}

FileDialogSpec OpenPictureDialog()
{
    return {{BitmapFilter(), TFmVelmora::tr("Pictures") + QStringLiteral(" (*.bmp *.png *.jpg *.jpeg)")},
            0,
            bitmapExtension};
}

// The desktop's usual question before a file is replaced.
QString ReplaceQuestion(const QString &path)
{
    return TFmVelmora::tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName());
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
    const auto choice = prompts_.chooseOpenFile(OpenPictureDialog());
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
    const auto choice = prompts_.chooseSaveFile(SavePictureDialog());
    if (!choice) {
        return;
    }
    // Any file is asked about, a project as much as a picture; a device or a pipe is refused unasked.
    const QString path = BitmapSavePath(choice->path);
    if (QFileInfo(path).isFile() && !prompts_.askYesNo(ReplaceQuestion(path))) {
        return;
    }
    const FileResult saved = SaveEditSurface(GraphicEdit->EditImage->picture(), path);
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
