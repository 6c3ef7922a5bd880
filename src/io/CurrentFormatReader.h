#pragma once

#include "io/ProjectFile.h"

class QIODevice;

// Reads a project in the current (".nkv") format: 32-bit little-endian words, the squared header codes,
// the frame records with their dot words, then the module width and colour codes. The whole file is
// read and checked before anything is answered; a file the model cannot hold, or one that ends early,
// is refused with a message naming the file, the fault and its byte offset.
CheckedProjectFile ReadCurrentFormat(QIODevice &device, const ReadRequest &request);
