#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class ProjectModel;

// The SHA-256 a record keeps of a project: of its file's bytes, or for a project that differs from
// its file, of the bytes it would be saved as (what the editor sent, in the form a file of it would
// hold), so that saving it afterwards gives a file the record knows.

// Lower-case hexadecimal SHA-256 of `bytes`.
QString Sha256Hex(const QByteArray &bytes);

// The SHA-256 of the file's current bytes, or nothing (with the reason in `error`) when it cannot be
// read.
std::optional<QString> FileSha256(const QString &path, QString &error);

// The editor's project as a record names it.
struct ProjectIdentity {
    // The file the project was last opened from or saved to; empty for one never saved.
    QString path;
    // The project differs from that file (or has none).
    bool unsaved = true;
    QString sha256;
    // The SHA-256 of the file's bytes as they are now; empty when there is no file or it cannot be read.
    QString fileSha256;

    // The SHA-256s under which the record knows this project's downloads: its file's bytes as they are
    // now, and when the project differs from them, the bytes it would be saved as.
    QStringList recordedDigests() const;
};

// The project is as saved when the bytes it would be saved as are the file's bytes; otherwise it is
// unsaved, and its SHA-256 is of the bytes it would be saved as (empty when the project cannot be
// saved at all, a cell not being a number).
ProjectIdentity IdentifyProject(const ProjectModel &model, const QString &filePath);
