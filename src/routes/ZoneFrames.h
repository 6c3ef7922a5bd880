#pragma once

#include "routes/RouteFrames.h"
#include "routes/RouteLayout.h"

class ProjectModel;

// Builds the frames of a table checked against a layout: each zone filled from the row's cell of its
// name, a text by its font's cells (aligned by its advance, its cells' top, middle or bottom at the
// zone's), a picture sampled as the picture page does and placed by its whole size; whatever reaches past
// the zone is cut at its edge and named in a warning ("dest: 9 dots beyond the zone's right edge"). Zones
// may overlap: their lit dots add up. The zones must lie on the model's sign (ZonesOffSign).
RouteBuild BuildZoneFrames(ProjectModel &model, const std::vector<RouteRow> &rows, const RouteLayout &layout,
                           const RouteFonts &fonts);
