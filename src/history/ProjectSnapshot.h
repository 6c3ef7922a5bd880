#pragma once

#include "history/PackedDots.h"
#include "model/ProjectModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// A whole project as New and Open replace it, kept for their undo step: the sign's geometry and module
// colours, every colour of DotColor, the list's rows and Change marks, the selection, the zoom, the file
// name and the captions, and the lit dots of each slot that holds any. The 500 planes themselves are
// never copied: a slot keeps its lit dots as bits inside their bounding rectangle (at most 32 KB), and
// DotColor, which is uniform over whole modules, as runs of one colour. The tools, a floating region and
// the clipboards are not part of the project.
class ProjectSnapshot {
public:
    static ProjectSnapshot capture(const ProjectModel &model);

    // Makes the model hold exactly the captured project again.
    void restore(ProjectModel &model) const;

    // What the snapshot costs the history's memory budget.
    std::size_t bytes() const;

private:
    struct ColorRun {
        ColorRef color = 0;
        std::uint32_t count = 0;
    };
    struct SlotDots {
        int slot = 0;
        PackedDots dots;
    };

    int LedNumber_ = 0;
    int LedWidthDot_ = 0;
    int WidthDot_ = 0;
    int HeightDot_ = 0;
    std::array<int, MaxLedColors> LedColor_ = {};
    // DotColor in plane order.
    std::vector<ColorRun> dotColors_;

    int FrameCount_ = 0;
    // The list's rows, headings included.
    std::vector<RowCells> rows_;
    std::array<std::uint8_t, MaxFrames> ChangeFlag_ = {};
    std::vector<SlotDots> slots_;
    int SelCol_ = 0;
    int SelRow_ = 0;
    int CurFrame_ = 0;

    int DotRadius_ = 2;
    QString FileName_;
    ProjectCaptions Captions_;
};
