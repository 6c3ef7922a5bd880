#pragma once

#include "model/ProjectModel.h"

#include <cstdint>
#include <vector>

// Appends the WidthDot x HeightDot / 8 dot bytes of frame `slot` in the order the sign takes them. A
// byte holds 8 neighbouring dots of one row, the leftmost in the most significant bit. The bytes go
// row by row within the bands of 8 rows (r = 0..7), and for each r: modules from the rightmost to the
// leftmost, within a module bands from the bottom to the top, within a band byte columns from the
// rightmost to the leftmost. The geometry must add up (see CheckSignGeometry).
void AppendFrameDotBytes(const ProjectModel &model, int slot, std::vector<std::uint8_t> &bytes);
