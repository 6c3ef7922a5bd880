#pragma once

#include "model/ProjectModel.h"

// The dot-level work of the select tool and the region clipboard on the current frame. A region's
// place is held in preview pixels; its dot position is worked out at the moment of use, so scrolling
// or zooming moves a floating region relative to the frame's dots. Every write to a frame stays inside
// its 1024 x 256 array.

struct DotCorner {
    int col = 0;
    int row = 0;
};

// The dot column and row of a pixel rectangle's top-left corner.
DotCorner RegionCorner(const ProjectModel &model, const PixelRect &rect);

// Takes the lit dots of the region at SelRect out of the current frame into FloatDots.
void LiftRegion(ProjectModel &model);

// Adds the floating region's lit dots to the current frame at `corner`; nothing is cleared.
void DropRegion(ProjectModel &model, DotCorner corner);

// Darkens the current frame's dots inside the region's rectangle at `corner`.
void ClearRegionRectangle(ProjectModel &model, DotCorner corner);

// Adds the placed picture's lit dots to the current frame, inside the sign only.
void StampPlacedPicture(ProjectModel &model);
