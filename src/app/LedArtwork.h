#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

// The editor's own artwork: a text drawn as an amber LED sign, one round dot per `pitch` pixels, on a
// black board of the given size. The splash and the about box show it.
QPixmap LedTextPicture(const QString &text, QSize size, int pitch);

// The same artwork as a scalable picture (SVG), one circle per dot: the desktop's icon.
QByteArray LedTextSvg(const QString &text, QSize size, int pitch);

// The editor's icon: the about box's "V" on a square board of 16 by 16 dots.
inline const QString IconText = QStringLiteral("V");
inline constexpr int IconDots = 16;
