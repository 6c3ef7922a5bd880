#pragma once

#include "model/ProjectModel.h"

#include <QFile>
#include <QString>

// What the simulator's --out writes for the line whose first frame is `slot`, built from the project,
// so a received line is compared with what was meant byte for byte.
inline QString ExpectedLineText(const ProjectModel &model, int slot, int frames, int board, const QString &times)
{
    const int packets = frames * model.WidthDot * model.HeightDot / 8 / 32;
    QString text = QStringLiteral("board %1\nheight %2\nwidth %3\nframes %4\ntimes%5\npackets %6 of %6\n")
                       .arg(board)
                       .arg(model.HeightDot)
                       .arg(model.WidthDot)
                       .arg(frames)
                       .arg(times)
                       .arg(packets);
    for (int f = 0; f < frames; ++f) {
        text += QStringLiteral("frame %1\n").arg(f + 1);
        for (int y = 0; y < model.HeightDot; ++y) {
            for (int x = 0; x < model.WidthDot; ++x) {
                text += model.FrameDots.at(slot + f, x, y) ? QLatin1Char('#') : QLatin1Char('.');
            }
            text += QLatin1Char('\n');
        }
    }
    return text;
}

inline QString ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
