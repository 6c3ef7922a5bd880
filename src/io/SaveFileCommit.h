#pragma once

#include <QString>

#include <optional>

class QSaveFile;

// Commits a file written through QSaveFile. Its last writes still wait in the file's buffer, and the
// commit does not notice when writing them out fails (a full disk): the file would be kept short or
// empty and the save taken as done. Writing them out first finds that failure while the earlier file
// is still in place. On failure the file is discarded and the first cause is returned.
std::optional<QString> CommitSaveFile(QSaveFile &file);
