#pragma once

#include "history/EditStep.h"

// Taking the parts of a step from the model and putting them back.

ListSelection CaptureSelection(const ProjectModel &model);
// The floating region as the tools hold it; not floating, it has no dots.
RegionState CaptureRegion(const ProjectModel &model);
// Row `row` (1-based) with the lit dots of its slot.
FrameContent CaptureFrame(const ProjectModel &model, int row);

// Whether two region states float the same lit dots; where they float, and an empty region floating or
// not, does not count.
bool SameFloatingDots(const RegionState &a, const RegionState &b);

// Puts the model back as it was before the step, or forward to its result.
void UndoStep(ProjectModel &model, const EditStep &step);
void RedoStep(ProjectModel &model, const EditStep &step);
