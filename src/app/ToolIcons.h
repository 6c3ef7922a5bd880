#pragma once

#include <QIcon>

// The tool bar's image list, drawn by the editor itself. The numbers are the image indices the tool bar
// and menus refer to.
enum class ToolImage {
    Scissors = 0,
    TwoPages = 1,
    Clipboard = 2,
    NewPage = 3,
    OpenFolder = 4,
    SaveDisk = 5,
    UndoArrow = 21,
    RedoArrow = 22,
    ZoomReset = 13,
    ZoomIn = 15,
    ZoomOut = 16,
    Arrow = 17,
    PointingHand = 18,
    Selection = 19,
    PlayTriangle = 20,
};

QIcon ToolIcon(ToolImage image);
