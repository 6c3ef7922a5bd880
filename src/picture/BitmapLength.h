#pragma once

#include <QByteArray>

// Whether a Windows bitmap file ends before the pixel rows its header announces. The decoder reads such
// a file without complaint and leaves the rows it never reached as whatever memory held, so a copy that
// broke off would open as a picture with noise in it.
//
// `head` is the start of the file (38 bytes suffice), `fileSize` its whole length. Anything that is not a
// bitmap header the check can read answers false: the decoder judges those files itself.
bool BitmapIsCutShort(const QByteArray &head, qint64 fileSize);
