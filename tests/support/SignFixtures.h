#pragma once

#include "model/ProjectModel.h"

// Signs and pictures the preview tests and benchmarks draw.

// A sign of widthDot x heightDot dots made of modules moduleWidth dots wide whose colours cycle through
// all five LED colours, at the given radius, frame 0 current and nothing placed or lifted.
void SetUpSign(ProjectModel &model, int widthDot, int heightDot, int moduleWidth, int radius);

// Lights a scattered pattern of dots (about one in five) in frame 0 of the sign.
void LightScatteredDots(ProjectModel &model);

// Fills FloatDots columns 0..width-1, rows 0..height-1 with a checkered pattern of lit dots.
void FillFloatingPicture(ProjectModel &model, int width, int height);
