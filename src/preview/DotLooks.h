#pragma once

#include "model/ProjectModel.h"
#include "preview/DotRows.h"
#include "preview/PreviewGeometry.h"

#include <QRgb>

#include <cstdint>

// How the preview tells the sign's dots apart: dark in its module's colour (the colour itself, which has
// no bits above its 24), lit, or lit by the picture being placed. Equal looks are drawn in equal inks.

// A picture being placed or a floating region shows only while there is a frame to put it in.
bool ShowsPictureOverFrame(const ProjectModel &model);

// The two colours of one dot: its rim and its inside.
struct DotInks {
    QRgb rim;
    QRgb fill;
};

// A dot of `frame` as the preview shows it: the picture being placed over its dark dots when `placing`.
DotLook SignDotLook(const ProjectModel &model, const std::uint8_t *frame, int x, int y, bool placing);

DotInks InksOfLook(DotLook look);

// InksOfLook for a row of looks, as PaintDotRows asks for them.
void RowInksOfLooks(const DotLook *looks, int count, QRgb *rims, QRgb *fills);

// The looks of the dots of `frame` in rows `rows` (at most DotRowBand of them) and `columns`, row by row
// as PaintDotRows asks for them, with a key per row.
void ReadBandLooks(const ProjectModel &model, const std::uint8_t *frame, bool placing, IndexRange columns,
                   IndexRange rows, BandLooks &band);
