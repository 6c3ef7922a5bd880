#pragma once

#include "io/ProjectFile.h"

#include <QString>

#include <optional>

class ProjectModel;

// Moving a project between the model and a file's checked content. Both directions keep the model's
// invariants: every slot that takes a file's frame is cleaned first, the lines are renumbered, and the
// list's selection follows a list that became shorter.

// Replaces the project with the file: FileName, the geometry and FrameCount, the list's rows and cells,
// the Change flags and dots of frames 0 .. N-1, and (when the file has its trailer) the module width,
// module count, colours and DotColor. Frames beyond N keep their dots; CurFrame, the selection and the
// zoom stay unless the list became shorter than the selected row.
void OpenProject(ProjectModel &model, const ProjectFile &file, const QString &path);

// After OpenProject: an older file without module data keeps the sign's module width, and when that
// leaves more modules than a project can save, the notice names the cause and the way out (a sign set
// up with New, the file appended). Nothing when the opened project can be saved.
std::optional<QString> OpenedProjectSaveNotice(const ProjectModel &model, const ProjectFile &file);

// Appends the file's frames after the list's, keeping the file's dot coordinates; geometry, colours and
// FileName stay. The file's frames fit: its reader was told how many the list holds.
void AppendProject(ProjectModel &model, const ProjectFile &file);

// The project as the current format saves it, or the first cell it cannot save (the conversion message)
// or a module layout whose colours a file cannot carry.
CheckedProjectFile CaptureProject(const ProjectModel &model);

// The status bar's sign size ("192Dot X 24Dot") and module panels ("24X24 X 8(片)").
QString SignSizePanelText(const ProjectModel &model);
QString ModulePanelText(const ProjectModel &model);
