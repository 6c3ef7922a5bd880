#pragma once

#include <QByteArray>

// What a Windows bitmap file's header announces, read before the decoder sees the file. `head` is the start
// of the file (38 bytes suffice). Anything that is not a bitmap header these can read is left to the
// decoder to judge.

// Whether the file ends before the pixel rows its header announces. The decoder reads such a file without
// complaint and leaves the rows it never reached as whatever memory held, so a copy that broke off would
// open as a picture with noise in it. `fileSize` is the file's whole length; false for no bitmap header.
bool BitmapIsCutShort(const QByteArray &head, qint64 fileSize);

// The pixels the header announces (width times height, computed wide), 0 for no bitmap header. The decoder
// gives no size at all for a bitmap beyond its own limit, so a bitmap's size is known from here.
qint64 BitmapPixels(const QByteArray &head);
