#pragma once

#include "signsim/ReceivedSign.h"

#include <QImage>
#include <QString>

#include <optional>

// What the simulator writes for each line it received.

// A line's text is its header fields, then each frame's dots, one text line per row, '#' lit, '.' dark and
// '?' for a dot whose packet never arrived:
//   board 300
//   height 24
//   width 192
//   frames 3
//   times 2 3 5
//   packets 54 of 54
//   frame 1
//   ####....
// It is made and written a frame at a time: a line may hold 255 frames of a sign 1024 dots wide.
QString ReceivedLineHeaderText(const ReceivedLine &line);
QString ReceivedFrameText(const ReceivedLine &line, int frame);

// The frames one below the other with a dark gap between them, four pixels a dot, fewer for a line whose
// picture would otherwise pass the pixel limit; a null picture when even one pixel a dot would.
QImage ReceivedLinePicture(const ReceivedLine &line);

// Writes line-NNN.txt and line-NNN.png for the `index`-th line received (1-based) into `folder`; answers
// what could not be written, or nothing.
std::optional<QString> WriteReceivedLine(const QString &folder, int index, const ReceivedLine &line);
