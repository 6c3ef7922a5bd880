#pragma once

#include "model/DotBuffers.h"

#include <QImage>

// Writes the editor's picture into FloatDots for placing: every position of the window of WidthDot + 16
// by HeightDot + 16 dots (cut at the plane), lit or dark. Dot (i, j) is lit when picture pixel (i, j) is
// black, read at its block's top-left surface pixel (i·z, j·z) with a red component below 64; positions
// beyond the surface are dark, so the picture gives at most its N x N pixels.
void WriteUploadDots(const QImage &surface, int editZoom, int widthDot, int heightDot, DotPlane &floatDots);
