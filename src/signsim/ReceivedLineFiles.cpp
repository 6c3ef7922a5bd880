#include "signsim/ReceivedLineFiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

constexpr int LargestPixelsPerDot = 4;
constexpr int FrameGap = 2;
// About 64 MB of picture: every line a sign up to 255 dots wide can be sent is drawn at one pixel a dot
// or more.
constexpr qint64 MaxPicturePixels = qint64{1} << 24;

qint64 PicturePixels(const ReceivedLine &line, int pixelsPerDot)
{
    const qint64 frames = std::max(line.frameCount, 1);
    return qint64{std::max(line.width, 1)} * pixelsPerDot * frames * (line.height + FrameGap) * pixelsPerDot;
}

// Four pixels a dot, halved until the picture stays within the limit; 0 when one pixel a dot does not.
int PixelsPerDotOf(const ReceivedLine &line)
{
    int pixelsPerDot = LargestPixelsPerDot;
    while (pixelsPerDot > 0 && PicturePixels(line, pixelsPerDot) > MaxPicturePixels) {
        pixelsPerDot /= 2;
    }
    return pixelsPerDot;
}

} // namespace

QString ReceivedLineHeaderText(const ReceivedLine &line)
{
    QString text = QStringLiteral("board %1\nheight %2\nwidth %3\nframes %4\ntimes")
                       .arg(line.board)
                       .arg(line.height)
                       .arg(line.width)
                       .arg(line.frameCount);
    for (const int seconds : line.times) {
        text += QStringLiteral(" %1").arg(seconds);
    }
    text += QStringLiteral("\npackets %1 of %2\n").arg(line.arrivedPackets()).arg(line.expectedPackets);
    return text;
}

QString ReceivedFrameText(const ReceivedLine &line, int frame)
{
    QString text = QStringLiteral("frame %1\n").arg(frame + 1);
    text.reserve(text.size() + qsizetype{line.height} * (line.width + 1));
    for (int y = 0; y < line.height; ++y) {
        for (int x = 0; x < line.width; ++x) {
            text += !line.dotArrived(frame, x, y) ? QLatin1Char('?')
                    : line.dot(frame, x, y)       ? QLatin1Char('#')
                                                  : QLatin1Char('.');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QImage ReceivedLinePicture(const ReceivedLine &line)
{
    const int pixelsPerDot = PixelsPerDotOf(line);
    if (pixelsPerDot == 0) {
        return {};
    }
    const int frames = std::max(line.frameCount, 1);
    QImage picture(std::max(line.width, 1) * pixelsPerDot, frames * (line.height + FrameGap) * pixelsPerDot,
                   QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int frame = 0; frame < line.frameCount && !line.dotBytes.empty(); ++frame) {
        const int top = frame * (line.height + FrameGap) * pixelsPerDot;
        for (int y = 0; y < line.height; ++y) {
            for (int x = 0; x < line.width; ++x) {
                const QRgb colour = !line.dotArrived(frame, x, y) ? qRgb(90, 0, 90)
                                    : line.dot(frame, x, y)       ? qRgb(255, 176, 0)
                                                                  : qRgb(48, 48, 48);
                // A dot is a square with a dark seam to its right and below (at one pixel a dot, no seam).
                const int square = std::max(pixelsPerDot - 1, 1);
                for (int dy = 0; dy < square; ++dy) {
                    auto *row = reinterpret_cast<QRgb *>(picture.scanLine(top + y * pixelsPerDot + dy));
                    std::fill_n(row + x * pixelsPerDot, square, colour);
                }
            }
        }
    }
    return picture;
}

std::optional<QString> WriteReceivedLine(const QString &folder, int index, const ReceivedLine &line)
{
    const QDir dir(folder);
    const QString stem = QStringLiteral("line-%1").arg(index, 3, 10, QLatin1Char('0'));
    QFile text(dir.filePath(stem + QStringLiteral(".txt")));
    bool written = text.open(QIODevice::WriteOnly) && text.write(ReceivedLineHeaderText(line).toUtf8()) >= 0;
    for (int frame = 0; written && frame < line.frameCount && !line.dotBytes.empty(); ++frame) {
        written = text.write(ReceivedFrameText(line, frame).toUtf8()) >= 0;
    }
    if (!written) {
        return QStringLiteral("cannot write %1 into %2").arg(text.fileName(), folder);
    }
    const QImage picture = ReceivedLinePicture(line);
    if (picture.isNull()) {
        return QStringLiteral("line %1's %2 frame(s) of %3 x %4 dots are too many to draw; only %5.txt is "
                              "written")
            .arg(index)
            .arg(line.frameCount)
            .arg(line.width)
            .arg(line.height)
            .arg(stem);
    }
    if (!picture.save(dir.filePath(stem + QStringLiteral(".png")), "PNG")) {
        return QStringLiteral("cannot write %1.png into %2").arg(stem, folder);
    }
    return std::nullopt;
}
