#pragma once

#include "model/DotBuffers.h"
#include "model/FrameCells.h"
#include "model/LedColors.h"

#include <QFont>
#include <QString>

#include <array>
#include <cstdint>

// Largest number of modules whose colours the model keeps; the setup dialog offers at most 16.
inline constexpr int MaxLedColors = 50;

// Preview scale and position in pixels; the preview's rules keep them consistent.
struct ViewState {
    int DotRadius = 2;
    int DotGap = 1;
    int ViewWidth = 0;
    int ViewHeight = 0;
    int ViewLeft = 0;
    int ViewTop = 0;
};

// A rectangle in preview pixels, Left, Top, Right, Bottom.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const PixelRect &) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// State of the drawing tools and of the picture floating over the preview.
struct ToolState {
    bool SelectTool = false;
    bool PenTool = false;
    bool PlaceMode = false;
    int PlaceCol = 0;
    int PlaceRow = 0;
    bool RegionFloat = false;
    bool RegionDrag = false;
    PixelRect SelRect;
    PixelRect DragRect;
    PixelPoint DragAnchor;
    int RegionWidth = 0;
    int RegionHeight = 0;
};

// Text composition and picture editor settings.
struct TextSettings {
    // Point sizes per entry of the three size selectors; the fifth entry is never set.
    std::array<int, 5> ChineseFontSize = {};
    std::array<int, 5> EnglishFontSize = {};
    std::array<int, 5> NumberFontSize = {};
    int TextFontSize = 0;
    int EditZoom = 12;
    // The system font text is drawn with (face, size, style); its character set is kept beside it because
    // Qt fonts have none.
    QFont TextFont;
    int TextFontCharset = 0;
};

// What the window's caption and the status bar's sign panels say about the project. They follow from how
// the project came to be, not from its geometry alone (the start-up panels read differently from New's,
// an older file without module data leaves the module panel empty, a save names its file), so the
// project keeps them and Undo of New or Open shows them again.
struct ProjectCaptions {
    QString Caption = QStringLiteral("Velmora");
    QString SizePanel;
    QString ModulePanel;
};

// The whole project as the main window holds it: sign geometry, the frame list, every frame's dots, the
// colour of every dot position, the preview's view, the tools, the list clipboard and the file names.
// Plain state with the system's names; the operations that keep its invariants are the free functions
// below and the ones in the list, preview and tool code.
class ProjectModel {
public:
    // Sign geometry.
    int LedNumber = 0;
    int LedWidthDot = 0;
    int WidthDot = 0;
    int HeightDot = 0;

    // Frame list.
    int FrameCount = 0;
    std::array<std::uint8_t, MaxFrames> ChangeFlag = {};
    int SelCol = 0;
    int SelRow = 0;
    int CurFrame = 0;
    FrameCells Cells;

    // Dots.
    FrameStore FrameDots;
    DotPlane FloatDots;
    DotPlane ClipRegionDots;

    // List clipboard.
    RowCells ClipFrameCells;
    std::uint8_t ClipFrameChange = 0;
    DotPlane ClipFrameDots;

    // Colours.
    std::array<int, MaxLedColors> LedColor = {};
    ColorRef dotColor(int x, int y) const { return dotColors_[DotIndex(x, y)]; }
    // The colours of column x from row y down, one after the other as the dot planes lie.
    const ColorRef *dotColorsDown(int x, int y) const { return &dotColors_[DotIndex(x, y)]; }
    void setDotColor(int x, int y, ColorRef value) { dotColors_[DotIndex(x, y)] = value; }

    ViewState View;
    ToolState Tools;
    TextSettings Text;

    QString WorkDir;
    QString FileName;
    ProjectCaptions Captions;

private:
    // DotColor [1024][256], same layout as the dot planes.
    std::unique_ptr<ColorRef[]> dotColors_ = std::make_unique<ColorRef[]>(PlaneBytes);
};

// Fills DotColor for every position of the sign from LedColor: the colour of module x / LedWidthDot.
// A code outside 0..4 leaves the entry as it was; positions outside the sign keep what they held.
void FillDotColor(ProjectModel &model);

// Numbers the "Line" column: row 1 is always "001"; a row whose preceding frame is marked Change
// continues that line (empty cell), any other row starts the next line.
void RenumberLines(ProjectModel &model);

// The one operation that makes a frame slot clean: all dots dark and its Change flag cleared.
void ClearFrameSlot(ProjectModel &model, int frame);

// Resets the list to the one frame of a new project: headings, FrameCount 1, row 1 "001", "001", "001"
// with empty "Change" and "Time". Frames' dots are not touched.
void ResetFrameListToOneFrame(ProjectModel &model);

// The start-up sign: 8 modules of 24 x 24 dots, modules 4 and 5 red, all frames dark, one frame in the
// list, radius 2, nothing floating or being placed.
void ApplyStartupProject(ProjectModel &model);

// The gap between neighbouring dots, in pixels, for a dot radius: 3 from radius 3 on, else 1.
constexpr int DotGapFor(int dotRadius)
{
    return dotRadius >= 3 ? 3 : 1;
}

// Pitch-dependent view sizes: DotGap for the radius, ViewWidth and ViewHeight the pitch times the sign's
// dots.
void UpdateViewExtent(ProjectModel &model);

// The point size tables of the three size selectors, by the screen's logical resolution.
void FillFontSizeTables(TextSettings &text, int logicalDpi);
