#pragma once

#include <QString>

// Whether something other than a regular file stands at `path`: a pipe, a device or a folder (a symbolic
// link is followed to what it names). Opening a pipe or a device to read may block or never end, and a
// file saved in its place would replace it. Where nothing exists the answer is false: opening or creating
// the file reports that itself.
bool IsOtherThanRegularFile(const QString &path);
