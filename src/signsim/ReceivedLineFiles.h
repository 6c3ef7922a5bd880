#pragma once

#include "signsim/ReceivedSign.h"

#include <QImage>
#include <QString>

// What the simulator writes for each line it received.

// The header fields, then each frame's dots, one text line per row, '#' lit, '.' dark and '?' for a dot
// whose packet never arrived:
//   board 300
//   height 24
//   width 192
//   frames 3
//   times 2 3 5
//   packets 54 of 54
//   frame 1
//   ####....
QString ReceivedLineText(const ReceivedLine &line);

// The frames one below the other with a dark gap between them, four pixels a dot.
QImage ReceivedLinePicture(const ReceivedLine &line);

// Writes line-NNN.txt and line-NNN.png for the `index`-th line received (1-based) into `folder`.
bool WriteReceivedLine(const QString &folder, int index, const ReceivedLine &line);
