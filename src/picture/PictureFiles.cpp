#include "picture/PictureFiles.h"

#include "io/RegularFile.h"
#include "io/SaveFileCommit.h"
#include "picture/BitmapLength.h"
#include "picture/PictureSampling.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace {

bool IsReadablePictureKind(const QString &extension)
{
    return QImageReader::supportedImageFormats().contains(extension.toLower().toLatin1());
}

SampledPicture Refused(const QString &message)
{
    return {FileResult::failed(message), {}};
}

// The most pixels a picture may have: a photograph of any camera, within about 1 GB at 32 bits a pixel.
constexpr qint64 maxPicturePixels = qint64{1} << 28;
// The decoder's memory cap (one for the whole program, 256 MB or less by default) would refuse pictures
// accepted here, so it is raised to what the largest needs: 64-bit pixels, as 16-bit PNG channels decode,
// are the widest it makes.
constexpr int decoderLimitMegabytes = static_cast<int>(maxPicturePixels * 8 >> 20);

qint64 PixelsOf(QSize size)
{
    return qint64{size.width()} * size.height();
}

// The pixels the header announces, before anything is decoded.
qint64 AnnouncedPixels(const QByteArray &head, const QImageReader &reader)
{
    const QSize size = reader.size();
    return size.isValid() ? PixelsOf(size) : BitmapPixels(head);
}

SampledPicture RefusedAsTooLarge(const QString &path)
{
    return Refused(QCoreApplication::translate("PictureFiles", "%1 is too large: at most %2 pixels")
                       .arg(path, QLocale(QLocale::English).toString(maxPicturePixels)));
}

// Whether a picture of the size and kind the reader announces stays within the memory the decoder
// itself would allocate.
bool WithinAllocationLimit(const QImageReader &reader)
{
    const QSize size = reader.size();
    const int bitsPerPixel = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    const qint64 bytes = qint64(size.width()) * size.height() * bitsPerPixel / 8;
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return size.isValid() && bitsPerPixel > 0 && (limit == 0 || bytes <= limit);
}

// A run-length bitmap may skip pixels (a jump, or a line or the whole picture ended early), and the
// decoder leaves those as whatever memory held. Decoding into a picture cleared beforehand gives them
// colour 0, as a fresh bitmap shows them (the bitmap decoder fills a given picture of its size and kind,
// and makes a new one otherwise); a picture too large for that is decoded as it comes.
QImage DecodeBitmap(QImageReader &reader)
{
    QImage picture;
    if (WithinAllocationLimit(reader)) {
        picture = QImage(reader.size(), reader.imageFormat());
        picture.fill(0);
    }
    return reader.read(&picture) ? picture : QImage();
}

// Programs that write 32-bit bitmaps often declare an alpha channel and leave it zero everywhere; viewers
// show such a file opaque, and so it is read here: its colours alone decide.
QImage WithoutUnusedAlpha(QImage picture)
{
    if (!picture.hasAlphaChannel()) {
        return picture;
    }
    picture.convertTo(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        if (std::any_of(line, line + picture.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; })) {
            return picture;
        }
    }
    picture.reinterpretAsFormat(QImage::Format_RGB32);
    return picture;
}

} // namespace

SampledPicture SamplePictureFile(const QString &path, int editZoom)
{
    const QString extension = QFileInfo(path).suffix();
    if (!IsReadablePictureKind(extension)) {
        return Refused(QCoreApplication::translate("PictureFiles", "Unknown picture file extension (.%1)")
                           .arg(extension));
    }
    // Only a regular file is opened: a pipe or a device would block the opening or never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return Refused(QCoreApplication::translate("PictureFiles", "Cannot open file %1").arg(path));
    }
    const QString notValid = QCoreApplication::translate("PictureFiles", "Bitmap image is not valid");
    const QByteArray head = file.peek(64);
    if (BitmapIsCutShort(head, file.size())) {
        return Refused(notValid);
    }
    // The content decides how it is decoded: a known extension on a picture of another kind still reads.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (AnnouncedPixels(head, reader) > maxPicturePixels) {
        return RefusedAsTooLarge(path);
    }
    QImageReader::setAllocationLimit(decoderLimitMegabytes);
    const bool bitmap = head.startsWith("BM");
    QImage picture = bitmap ? WithoutUnusedAlpha(DecodeBitmap(reader)) : reader.read();
    if (picture.isNull()) {
        return Refused(notValid);
    }
    // A kind whose header does not tell its size is judged once decoded.
    if (PixelsOf(picture.size()) > maxPicturePixels) {
        return RefusedAsTooLarge(path);
    }
    return {FileResult::done(), SamplePicture(picture, editZoom)};
}

QString BitmapSavePath(const QString &chosen)
{
    return QFileInfo(chosen).fileName().contains(QLatin1Char('.')) ? chosen : chosen + QStringLiteral(".bmp");
}

FileResult SaveEditSurface(const QImage &surface, const QString &path)
{
    const QString cannotCreate =
        QCoreApplication::translate("PictureFiles", "Cannot create file %1").arg(path);
    if (IsOtherThanRegularFile(path)) {
        return FileResult::failed(cannotCreate +
                                  QCoreApplication::translate("PictureFiles", ": not a regular file"));
    }
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && QImageWriter(&file, "bmp").write(surface) && !CommitSaveFile(file);
    return written ? FileResult::done() : FileResult::failed(cannotCreate);
}
