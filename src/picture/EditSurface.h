#pragma once

#include "preview/PreviewEditor.h"

#include <QImage>
#include <QRect>

// The picture editor's drawing surface: 192 x 192 pixels, white, with black picture pixels. A picture of
// N x N pixels is shown magnified by the edit zoom z = 192 / N, picture pixel (i, j) being the z x z block
// from (i·z, j·z), right and bottom exclusive. The picture exists only as this surface.

inline constexpr int EditSurfaceSize = 192;
inline constexpr int ImageSizeItems = 5;

// Picture size N of the size choice's items "16 X 16", "24 X 24", "32 X 32", "48 X 48" and "Default".
int PictureSizeOfItem(int item);
// Surface pixels per picture pixel for an item: 12, 8, 6, 4, 1.
int EditZoomOfItem(int item);

// A white surface.
QImage BlankEditSurface();

enum class PictureInk { None, Black, White };

// A press of the left button paints black, of the right one white, of any other nothing.
PictureInk InkOfPress(PointerButton button);
// While the pointer moves: black with the left button held (also with both), else white with the right.
PictureInk InkWhileHeld(HeldButtons held);

// Paints picture pixel (i, j) in the ink: its whole block.
void PaintPicturePixel(QImage &surface, int editZoom, int i, int j, PictureInk ink);

// Paints the picture pixel under surface pixel (X, Y) and answers the surface rectangle it changed; an
// empty one when there is no ink or the pointer lies off the surface (the mouse may be held and dragged
// beyond it).
QRect PaintUnderPointer(QImage &surface, int editZoom, int X, int Y, PictureInk ink);
