#pragma once

#include "io/ProjectFile.h"

#include <QString>

class QIODevice;

// Reads a project in the older (".kvf") text format: width, height and frame count, then per frame the
// board words closed by "end", the change and time integers and one integer per dot, column by column;
// then, optionally, the word "new", the module width and the colour codes. The whole file is read and
// checked before anything is answered; refusals name the file, the fault and the token number.
CheckedProjectFile ReadOlderFormat(QIODevice &device, const ReadRequest &request);

// The messages for a board number that is not closed by "end" within its word limit.
QString OpenEntryErrorMessage();   // "Open File Failed!!The Data of File Error!!"
QString AppendEntryErrorMessage(); // "File Format Error!"
