#pragma once

class ProjectModel;
class SignSetup;

// New: an empty project for the sign `setup` describes. FileName is emptied; the geometry, module
// colours and DotColor follow the setup; the zoom goes back to radius 2 with its view sizes; all 500
// frames are cleared; the list is reset to its one frame, selected in row 1 (CurFrame 0); placing ends.
// The drawing tool, a lifted region and both clipboards stay as they were.
void ApplyNewProject(ProjectModel &model, const SignSetup &setup);
