#pragma once

#include "io/FileResult.h"

#include <QImage>
#include <QString>

// Picture files of the picture editor. Opening reads any picture kind the program can read (BMP, PNG,
// JPEG, ...) and samples it to the editor's picture; saving writes the whole surface as a Windows bitmap.
// Both answer the exact message the operator sees instead of showing anything, so the editor and the
// command line report failures alike.

// The file's picture shown on a fresh surface at `editZoom` (see SamplePicture), or the reason it could
// not be read: "Unknown picture file extension (.ext)" when the extension names no picture kind the
// program reads, "Cannot open file PATH" when the file cannot be opened, "Bitmap image is not valid" when
// its content cannot be decoded, "PATH is too large: at most 268,435,456 pixels" for a picture of more than
// 2^28 pixels (judged by its header, before decoding). A failure answers no surface, so the caller's
// picture stays as it was.
// A bitmap whose alpha channel is zero everywhere is read opaque, as viewers show it.
struct SampledPicture {
    FileResult result = FileResult::done();
    QImage surface;
};

SampledPicture SamplePictureFile(const QString &path, int editZoom);

// The file a save of the surface really writes: a name without any extension gets ".bmp", as the save
// dialog adds it, whichever dialog the desktop shows, so the question before a file is replaced names it.
QString BitmapSavePath(const QString &chosen);

// Writes the surface as a Windows bitmap file, whatever the name's extension, replacing an older file
// only once the new one is complete; "Cannot create file PATH" when that fails, and "Cannot create file
// PATH: not a regular file", with nothing written, when a device, a pipe or a folder has that name.
FileResult SaveEditSurface(const QImage &surface, const QString &path);
