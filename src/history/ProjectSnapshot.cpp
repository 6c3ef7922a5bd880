#include "history/ProjectSnapshot.h"

#include "history/EditStep.h"

ProjectSnapshot ProjectSnapshot::capture(const ProjectModel &model)
{
    ProjectSnapshot snapshot;
    snapshot.LedNumber_ = model.LedNumber;
    snapshot.LedWidthDot_ = model.LedWidthDot;
    snapshot.WidthDot_ = model.WidthDot;
    snapshot.HeightDot_ = model.HeightDot;
    snapshot.LedColor_ = model.LedColor;
    // The whole plane, not only the sign: an older file without module data keeps the colours that lie
    // beyond the sign before it.
    for (int x = 0; x < MaxWidthDot; ++x) {
        for (int y = 0; y < MaxHeightDot; ++y) {
            const ColorRef color = model.dotColor(x, y);
            if (snapshot.dotColors_.empty() || snapshot.dotColors_.back().color != color) {
                snapshot.dotColors_.push_back({color, 0});
            }
            ++snapshot.dotColors_.back().count;
        }
    }

    snapshot.FrameCount_ = model.FrameCount;
    for (int row = 0; row < model.Cells.rowCount(); ++row) {
        snapshot.rows_.push_back(model.Cells.row(row));
    }
    snapshot.ChangeFlag_ = model.ChangeFlag;
    // Every slot, listed or not: Open leaves the frames beyond the file's in the buffer, and a list that
    // grows again shows them.
    for (int slot = 0; slot < MaxFrames; ++slot) {
        if (model.FrameDots.mayHoldLitDots(slot)) {
            PackedDots lit = PackedDots::litDots(model.FrameDots.frame(slot));
            if (!lit.empty()) {
                snapshot.slots_.push_back({slot, std::move(lit)});
            }
        }
    }
    snapshot.SelCol_ = model.SelCol;
    snapshot.SelRow_ = model.SelRow;
    snapshot.CurFrame_ = model.CurFrame;

    snapshot.DotRadius_ = model.View.DotRadius;
    snapshot.FileName_ = model.FileName;
    snapshot.Captions_ = model.Captions;
    return snapshot;
}

void ProjectSnapshot::restore(ProjectModel &model) const
{
    model.LedNumber = LedNumber_;
    model.LedWidthDot = LedWidthDot_;
    model.WidthDot = WidthDot_;
    model.HeightDot = HeightDot_;
    model.LedColor = LedColor_;
    std::size_t position = 0;
    for (const ColorRun &run : dotColors_) {
        for (std::uint32_t i = 0; i < run.count; ++i, ++position) {
            model.setDotColor(static_cast<int>(position / MaxHeightDot),
                              static_cast<int>(position % MaxHeightDot), run.color);
        }
    }

    model.FrameCount = FrameCount_;
    model.Cells.setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        model.Cells.row(static_cast<int>(row)) = rows_[row];
    }
    model.ChangeFlag = ChangeFlag_;
    model.FrameDots.clearAll();
    for (const SlotDots &kept : slots_) {
        kept.dots.lightIn(model.FrameDots.writableFrame(kept.slot));
    }
    model.SelCol = SelCol_;
    model.SelRow = SelRow_;
    model.CurFrame = CurFrame_;

    model.View.DotRadius = DotRadius_;
    UpdateViewExtent(model);
    model.FileName = FileName_;
    model.Captions = Captions_;
}

std::size_t ProjectSnapshot::bytes() const
{
    std::size_t total = sizeof(ProjectSnapshot) + dotColors_.size() * sizeof(ColorRun);
    for (const QString &text : {FileName_, Captions_.Caption, Captions_.SizePanel, Captions_.ModulePanel}) {
        total += TextBytes(text);
    }
    for (const RowCells &row : rows_) {
        total += TextBytes(row);
    }
    for (const SlotDots &kept : slots_) {
        total += sizeof(SlotDots) + kept.dots.bytes();
    }
    return total;
}
