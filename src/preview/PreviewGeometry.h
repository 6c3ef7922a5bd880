#pragma once

#include "model/ProjectModel.h"

#include <QRect>
#include <QSize>

// Where the preview puts every dot. One dot per LED, drawn 2r pixels across inside a cell of pitch
// 2r + gap; the picture (ViewWidth x ViewHeight) is centred in the control when it fits and scrolled
// otherwise. Divisions truncate toward zero, as the pointer tools expect.

// Distance in pixels from one dot to the next: 2 * DotRadius + DotGap.
int Pitch(const ViewState &view);

// Pixels covered by dot (x, y): 2r x 2r, starting one pixel plus half a gap into its cell. x and y may
// lie outside the sign (a lifted region can hang over its edge).
QRect DotBox(const ViewState &view, int x, int y);

struct DotPosition {
    int col = 0;
    int row = 0;
};

// The dot the pen or a placed picture refers to at control pixel (X, Y).
DotPosition DotAtPoint(const ViewState &view, int X, int Y);

// The top-left pixel of the cell under (X, Y), where selections and drags start.
PixelPoint SnapToCell(const ViewState &view, int X, int Y);

struct ScrollBarRange {
    bool enabled = false;
    int maximum = 0;
};

struct ScrollRanges {
    ScrollBarRange horizontal;
    ScrollBarRange vertical;
};

// Recomputes the picture size for the current radius and answers the scroll bar ranges for a control of
// the given size. A bar is only needed when the picture is at least as large as the control.
ScrollRanges UpdateViewSize(ProjectModel &model, QSize control);

// Positions the picture in the control: centred along an axis where it fits, else moved by the scroll
// bar's position. Uses the ViewWidth / ViewHeight last computed by UpdateViewSize.
void PlaceView(ProjectModel &model, QSize control, int hScroll, int vScroll);

// Half-open range of indices.
struct IndexRange {
    int first = 0;
    int end = 0;
};

// Every column index (not limited to the sign) whose dot reaches into a picture pictureWidth pixels
// wide, and likewise every row index for a picture pictureHeight high. Renderers visit only these.
IndexRange VisibleColumns(const ViewState &view, int pictureWidth);
IndexRange VisibleRows(const ViewState &view, int pictureHeight);

// The part of two ranges both contain; empty ranges come out with end <= first.
IndexRange Intersect(IndexRange a, IndexRange b);

// From radius 3 on, grid lines run along the cell edge before every eighth dot, k = 0 .. dots / 8, so
// the last one closes the sign when its size is a multiple of 8.
inline constexpr int GridStep = 8;

// The grid lines k whose vertical line (at ViewLeft + 8 k pitch) or horizontal line (at ViewTop + 8 k
// pitch) lies inside the picture.
IndexRange VisibleGridColumns(const ViewState &view, int widthDot, int pictureWidth);
IndexRange VisibleGridRows(const ViewState &view, int heightDot, int pictureHeight);
