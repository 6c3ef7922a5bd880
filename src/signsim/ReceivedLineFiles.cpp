#include "signsim/ReceivedLineFiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

constexpr int PixelsPerDot = 4;
constexpr int FrameGap = 2;

} // namespace

QString ReceivedLineText(const ReceivedLine &line)
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
    if (line.expectedPackets == 0 && line.dotBytes.empty()) {
        return text;
    }
    for (int frame = 0; frame < line.frameCount; ++frame) {
        text += QStringLiteral("frame %1\n").arg(frame + 1);
        for (int y = 0; y < line.height; ++y) {
            for (int x = 0; x < line.width; ++x) {
                text += !line.dotArrived(frame, x, y) ? QLatin1Char('?')
                        : line.dot(frame, x, y)       ? QLatin1Char('#')
                                                      : QLatin1Char('.');
            }
            text += QLatin1Char('\n');
        }
    }
    return text;
}

QImage ReceivedLinePicture(const ReceivedLine &line)
{
    const int frames = std::max(line.frameCount, 1);
    QImage picture(std::max(line.width, 1) * PixelsPerDot,
                   frames * (line.height * PixelsPerDot + FrameGap * PixelsPerDot), QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int frame = 0; frame < line.frameCount && !line.dotBytes.empty(); ++frame) {
        const int top = frame * (line.height + FrameGap) * PixelsPerDot;
        for (int y = 0; y < line.height; ++y) {
            for (int x = 0; x < line.width; ++x) {
                const QRgb colour = !line.dotArrived(frame, x, y) ? qRgb(90, 0, 90)
                                    : line.dot(frame, x, y)       ? qRgb(255, 176, 0)
                                                                  : qRgb(48, 48, 48);
                // A dot is a square with a dark seam to its right and below.
                for (int dy = 0; dy + 1 < PixelsPerDot; ++dy) {
                    auto *row = reinterpret_cast<QRgb *>(picture.scanLine(top + y * PixelsPerDot + dy));
                    std::fill_n(row + x * PixelsPerDot, PixelsPerDot - 1, colour);
                }
            }
        }
    }
    return picture;
}

bool WriteReceivedLine(const QString &folder, int index, const ReceivedLine &line)
{
    const QDir dir(folder);
    const QString stem = QStringLiteral("line-%1").arg(index, 3, 10, QLatin1Char('0'));
    QFile text(dir.filePath(stem + QStringLiteral(".txt")));
    if (!text.open(QIODevice::WriteOnly) || text.write(ReceivedLineText(line).toUtf8()) < 0) {
        return false;
    }
    return ReceivedLinePicture(line).save(dir.filePath(stem + QStringLiteral(".png")), "PNG");
}
