#pragma once

#include "io/ProjectFile.h"

#include <QString>

class ProjectModel;

// Project files on disk: reading one in either format and saving the project in the current one. Every
// failure comes back as the message the operator sees, naming the file.

// The format by the file's extension, for callers without a file dialog: ".kvf" (any case) is the older
// format, anything else the current one.
ProjectFormat FormatOfExtension(const QString &path);

// Reads and checks the whole file; `request` says whether it is appended (its fileName is set here). A
// path that exists but is not a regular file (a pipe, a device, a folder) is refused unopened.
CheckedProjectFile ReadProjectFile(const QString &path, ProjectFormat format, ReadRequest request);

// Checks every cell, then writes the project through a temporary file that replaces `path` only once it
// is complete, so a failed save leaves any earlier file as it was. A target that exists and is not a
// regular file (a device, a pipe, a folder) is refused; a failure names its first cause.
FileResult SaveProject(const ProjectModel &model, const QString &path);
