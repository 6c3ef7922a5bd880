#pragma once

#include "model/ProjectModel.h"

#include <vector>

// Projects for the download tests: the start-up sign (8 modules of 24 x 24 dots) with its list grouped
// into lines of the given frame counts. Line i's first row carries board number i, every row of a line
// of two or more frames the time of its row number; frame f lights its own pseudo-random dots, so any
// dot sent to the wrong place or frame shows.
void SetUpLines(ProjectModel &model, const std::vector<int> &framesPerLine);
