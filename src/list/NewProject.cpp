#include "list/NewProject.h"

#include "list/SignSetup.h"
#include "model/ProjectModel.h"

void ApplyNewProject(ProjectModel &model, const SignSetup &setup)
{
    model.FileName.clear();
    model.LedNumber = setup.LedNumber();
    model.LedWidthDot = setup.LedWidthDot();
    model.WidthDot = setup.WidthDot();
    model.HeightDot = setup.HeightDot();
    for (int module = 0; module < setup.LedNumber(); ++module) {
        model.LedColor[static_cast<std::size_t>(module)] = setup.LedColor(module);
    }
    FillDotColor(model);

    model.View.DotRadius = 2;
    UpdateViewExtent(model);

    for (int frame = 0; frame < MaxFrames; ++frame) {
        ClearFrameSlot(model, frame);
    }
    model.Tools.PlaceMode = false;
    ResetFrameListToOneFrame(model);
    // The selection moves into the one remaining row, and its frame is the current one.
    model.SelRow = 1;
    model.CurFrame = 0;
}
