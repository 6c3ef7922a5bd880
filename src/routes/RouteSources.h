#pragma once

#include "routes/RouteRows.h"
#include "text/FontFileTable.h"

#include <optional>
#include <vector>

// The files a route table's rows draw from, checked before anything is built so that one run names every
// file that would stop the build together with the rows' faulty values: a font file must open and hold
// every glyph its layout places; a picture must open and be read as a picture.

// Every problem with the rows' files: "cannot read the font file PATH", "font LABEL: FILE is X bytes,
// shorter than the N bytes its glyphs need", or the picture's own reading message. A font file matters
// only to a row with text. Each file is read once, however many rows name it.
std::vector<RouteProblem> CheckRouteSources(const std::vector<RouteRowSources> &sources,
                                            const FontFolders &folders);

// The problem with the font file a font entry names, if it names one.
std::optional<QString> FontSourceProblem(const QString &source, const FontFolders &folders);

// What a row is told when its font file cannot be opened.
QString UnreadableFontFileMessage(const QString &path);
