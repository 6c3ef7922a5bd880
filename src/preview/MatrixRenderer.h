#pragma once

#include "model/ProjectModel.h"

#include <QImage>

// The preview as the sign shows it: one round dot per LED, lit dots white, dark dots black with a rim in
// their module's LED colour, a picture being placed and a lifted region in green, and from radius 3 on
// yellow grid lines every 8 dots. Only the dots and lines that reach into the picture are visited; the
// frame's dots are laid out line by line from their radius's mask (PaintDotRows), each pixel written
// once, and the lifted region and the pen's single dots are stamped from the same mask, so a large sign
// costs no more than what the control shows.

// Repaints the whole off-screen picture (Format_RGB32, the size of the control) for the current frame,
// after placing the view for the given scroll bar positions. DotRadius is at least 1: zooming out stops
// there.
void DrawMatrix(QImage &target, ProjectModel &model, int hScroll, int vScroll);

// Repaints the whole picture like DrawMatrix, but with frame slot `frameSlot` as the sign shows it: no
// picture being placed and no lifted region over it. Line playback shows its frames this way; the model's
// current frame and its dots stay as they are.
void DrawSignFrame(QImage &target, ProjectModel &model, int frameSlot, int hScroll, int vScroll);

// Repaints the one dot (x, y) where the last DrawMatrix put it, from the current frame alone (as the pen
// leaves it): lit or dark, ignoring any picture being placed or lifted.
void DrawDot(QImage &target, const ProjectModel &model, int x, int y);
