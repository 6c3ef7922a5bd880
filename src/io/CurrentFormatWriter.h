#pragma once

#include "io/ProjectFile.h"

#include <QString>

#include <optional>

class QIODevice;

// The first cell the current format cannot carry, in list order (a row's board number before its time):
// every "Download Board Number" and every non-empty "Time" must be a decimal integer. The result's
// message is the conversion message "'%s' is not a valid integer value".
FileResult CheckCellsForSaving(const ProjectFile &file);

// The first value the current format cannot store in its signed 32-bit word (a header code, the module
// width or a colour code, each computed in 64 bits as the writer would store it), or nothing.
std::optional<QString> StoredWordProblem(const ProjectFile &file);

// Writes the project in the current (".nkv") format, frame by frame through a buffer. The file must
// carry its module trailer and have passed CheckCellsForSaving and StoredWordProblem; false when a cell
// is not a number after all or the device refuses a write.
bool WriteCurrentFormat(const ProjectFile &file, QIODevice &device);
