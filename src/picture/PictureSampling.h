#pragma once

#include <QImage>

// Reduces (or enlarges) any picture to the editor's N x N picture, N = 192 / editZoom, and shows it on a
// fresh white surface. Picture pixel (i, j) takes the source pixel at (i·sx, j·sy), each coordinate
// truncated: the top-left pixel of each source block. The scale factors are single-precision, sx = width
// / N and sy = height / N, except for the full surface (zoom 1), which takes the source's top-left
// 192 x 192 pixels one to one; positions beyond a smaller source stay white. A pixel is black when its
// red component is below 128, so pure blue or green counts as black and pure red as white. Transparent
// parts count as the white they are shown on.
QImage SamplePicture(const QImage &source, int editZoom);
