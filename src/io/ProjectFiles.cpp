#include "io/ProjectFiles.h"

#include "io/CurrentFormatReader.h"
#include "io/CurrentFormatWriter.h"
#include "io/OlderFormatReader.h"
#include "io/ProjectTransfer.h"
#include "io/RegularFile.h"
#include "io/SaveFileCommit.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {

FileResult SaveFailure(const QString &path, const QString &reason)
{
    return FileResult::failed(
        QCoreApplication::translate("ProjectFiles", "Cannot save '%1': %2.").arg(path, reason));
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
    if (IsOtherThanRegularFile(path)) {
        return {FileResult::failed(
                    QCoreApplication::translate("ProjectFiles", "Cannot open '%1': not a regular file.")
                        .arg(path)),
                {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {FileResult::failed(QCoreApplication::translate("ProjectFiles", "Cannot open '%1': %2.")
                                       .arg(path, file.errorString())),
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
    if (IsOtherThanRegularFile(path)) {
        return SaveFailure(path, QCoreApplication::translate("ProjectFiles", "not a regular file"));
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
