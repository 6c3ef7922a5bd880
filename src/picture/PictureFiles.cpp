#include "picture/PictureFiles.h"

#include "io/SaveFileCommit.h"
#include "picture/BitmapLength.h"
#include "picture/PictureSampling.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {

bool IsReadablePictureKind(const QString &extension)
{
    return QImageReader::supportedImageFormats().contains(extension.toLower().toLatin1());
}

SampledPicture Refused(const QString &message)
{
    return {FileResult::failed(message), {}};
}

} // namespace

SampledPicture SamplePictureFile(const QString &path, int editZoom)
{
    const QString extension = QFileInfo(path).suffix();
    if (!IsReadablePictureKind(extension)) {
        return Refused(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refused(QStringLiteral("Cannot open file %1").arg(path));
    }
    const QString notValid = QStringLiteral("Bitmap image is not valid");
    if (BitmapIsCutShort(file.peek(64), file.size())) {
        return Refused(notValid);
    }
    // The content decides how it is decoded: a known extension on a picture of another kind still reads.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        return Refused(notValid);
    }
    return {FileResult::done(), SamplePicture(picture, editZoom)};
}

FileResult SaveEditSurface(const QImage &surface, const QString &path)
{
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && QImageWriter(&file, "bmp").write(surface) && !CommitSaveFile(file);
    return written ? FileResult::done()
                   : FileResult::failed(QStringLiteral("Cannot create file %1").arg(path));
}
