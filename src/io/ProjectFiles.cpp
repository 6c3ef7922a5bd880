#include "io/ProjectFiles.h"

#include "io/CurrentFormatReader.h"
#include "io/CurrentFormatWriter.h"
#include "io/OlderFormatReader.h"
#include "io/ProjectTransfer.h"
#include "io/SaveFileCommit.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

FileResult SaveFailure(const QString &path, const QString &reason)
{
    return FileResult::failed(QStringLiteral("Cannot save '%1': %2.").arg(path, reason));
}

} // namespace

ProjectFormat FormatOfExtension(const QString &path)
{
    return path.endsWith(QLatin1String(".kvf"), Qt::CaseInsensitive) ? ProjectFormat::Older
                                                                     : ProjectFormat::Current;
}

CheckedProjectFile ReadProjectFile(const QString &path, ProjectFormat format, ReadRequest request)
{
    request.fileName = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {FileResult::failed(QStringLiteral("Cannot open '%1': %2.").arg(path, file.errorString())),
                {}};
    }
    return format == ProjectFormat::Current ? ReadCurrentFormat(file, request)
                                            : ReadOlderFormat(file, request);
}

FileResult SaveProject(const ProjectModel &model, const QString &path)
{
    const CheckedProjectFile captured = CaptureProject(model);
    if (!captured.result.ok()) {
        return captured.result;
    }
    // A device or a pipe would be replaced by a regular file (a symbolic link is followed to its target).
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return SaveFailure(path, QStringLiteral("not a regular file"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return SaveFailure(path, file.errorString());
    }
    if (!WriteCurrentFormat(captured.file, file)) {
        // The reason is read before cancelling, which would put its own in its place.
        const QString reason = file.errorString();
        file.cancelWriting();
        return SaveFailure(path, reason);
    }
    if (const auto failure = CommitSaveFile(file)) {
        return SaveFailure(path, *failure);
    }
    return FileResult::done();
}
