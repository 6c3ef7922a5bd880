#pragma once

#include <QByteArrayView>
#include <QString>

// Text of the older project files is 8-bit code page 950 (Big5). Bytes that do not form a character of
// the code page become U+FFFD each, so a damaged word still reads as text instead of failing.
QString DecodeCodePage950(QByteArrayView bytes);
