#pragma once

#include "model/ProjectModel.h"

#include <QImage>

// The preview drawn the plain way: every dot of the sign, one QPainter ellipse each, then the lifted
// region and the grid lines with QPainter too. Slow on a large sign, but it follows the drawing rules
// one by one, so the fast renderer is checked and measured against it.
void ReferenceDrawMatrix(QImage &target, ProjectModel &model, int hScroll, int vScroll);
