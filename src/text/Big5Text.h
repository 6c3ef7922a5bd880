#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The text box holds Unicode; the bitmap and digit fonts read the text as the bytes of code page 950
// (Big5). A character without a code page 950 form becomes the pair 0xFF 0xFF, which is no Big5
// character and no digit: it keeps its cell, and the cell stays dark. With `characterStarts`, the offset
// of each character's first byte is appended there, one per character (not per UTF-16 unit).
QByteArray Big5Bytes(const QString &text, std::vector<qsizetype> *characterStarts = nullptr);
