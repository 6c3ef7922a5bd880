#pragma once

#include "model/LedColors.h"
#include "model/ProjectModel.h"

#include <QImage>

// Draws the one-pixel outline of a selection rectangle (preview pixels; corners in either order) into
// the preview's picture: its left and top edges on Left and Top, its right and bottom edges one pixel
// inside Right and Bottom, cut at the picture. A rectangle without width or height draws nothing.
void DrawSelectionOutline(QImage &picture, const PixelRect &rect, ColorRef colour);
