#pragma once

#include <QPixmap>
#include <QString>

// The editor's own artwork: a text drawn as an amber LED sign, one round dot per `pitch` pixels, on a
// black board of the given size. The splash and the about box show it.
QPixmap LedTextPicture(const QString &text, QSize size, int pitch);
