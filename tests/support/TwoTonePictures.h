#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

// A picture of the given size, black where `dark` holds and white elsewhere.
inline QImage TwoTonePicture(int width, int height, const std::function<bool(int x, int y)> &dark)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, dark(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return picture;
}

// An irregular pattern, so that a wrong column or row shows.
inline bool Scattered(int x, int y)
{
    return (x * 7 + y * 3 + x * y) % 5 == 0;
}

inline bool IsBlack(const QImage &surface, int x, int y)
{
    return surface.pixel(x, y) == qRgb(0, 0, 0);
}

inline bool IsWhite(const QImage &surface, int x, int y)
{
    return surface.pixel(x, y) == qRgb(255, 255, 255);
}

inline int BlackPixels(const QImage &surface)
{
    int black = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            black += IsBlack(surface, x, y) ? 1 : 0;
        }
    }
    return black;
}

// Whether every surface pixel of picture pixel (i, j) has the one colour `black` says.
inline bool BlockIs(const QImage &surface, int editZoom, int i, int j, bool black)
{
    for (int y = j * editZoom; y < (j + 1) * editZoom; ++y) {
        for (int x = i * editZoom; x < (i + 1) * editZoom; ++x) {
            if (!(black ? IsBlack(surface, x, y) : IsWhite(surface, x, y))) {
                return false;
            }
        }
    }
    return true;
}

// Saves a picture file into the folder in the kind its name says; fails the test when it cannot.
inline QString WritePictureFile(const QTemporaryDir &dir, const QString &name, const QImage &picture)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
    return path;
}
