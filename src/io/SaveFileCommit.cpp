#include "io/SaveFileCommit.h"

#include <QSaveFile>

std::optional<QString> CommitSaveFile(QSaveFile &file)
{
    if (!file.flush()) {
        // Read before cancelling, which would put its own reason in its place.
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}
