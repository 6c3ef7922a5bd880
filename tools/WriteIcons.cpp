// velmora-icons OUTDIR: the editor's icon in the desktop's icon theme layout (OUTDIR/hicolor/...), the
// scalable picture and the fixed sizes, all from the LED artwork the splash and the about box show.
#include "app/LedArtwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int masterSize = 256;
constexpr int pngSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-icons OUTDIR\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int pitch = masterSize / IconDots;
    if (!Write(out.filePath("hicolor/scalable/apps/velmora.svg"),
               LedTextSvg(IconText, QSize(masterSize, masterSize), pitch))) {
        std::fprintf(stderr, "velmora-icons: cannot write into %s\n", argv[1]);
        return 1;
    }
    // The small sizes are the large picture scaled down smoothly, so every size shows the same board.
    const QImage master = LedTextPicture(IconText, QSize(masterSize, masterSize), pitch).toImage();
    for (const int size : pngSizes) {
        const QString path = out.filePath(QStringLiteral("hicolor/%1x%1/apps/velmora.png").arg(size));
        if (!QDir().mkpath(QFileInfo(path).path()) ||
            !master.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(path, "PNG")) {
            std::fprintf(stderr, "velmora-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
