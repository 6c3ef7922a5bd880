#include "support/LineProjects.h"

#include "list/FrameListOps.h"

void SetUpLines(ProjectModel &model, const std::vector<int> &framesPerLine)
{
    ApplyStartupProject(model);
    int frames = 0;
    for (const int count : framesPerLine) {
        frames += count;
    }
    while (model.FrameCount < frames) {
        AppendFrame(model);
    }
    int row = 1;
    for (std::size_t line = 0; line < framesPerLine.size(); ++line) {
        const int count = framesPerLine[line];
        model.Cells.setCell(ColBoard, row, Format000(static_cast<int>(line) + 1));
        for (int i = 0; i < count; ++i, ++row) {
            model.ChangeFlag[row - 1] = i + 1 < count ? 1 : 0;
            model.Cells.setCell(ColTime, row, count > 1 ? QString::number(row) : QString());
        }
    }
    RenumberLines(model);
    for (int frame = 0; frame < frames; ++frame) {
        unsigned seed = 2654435761u * static_cast<unsigned>(frame + 1);
        for (int x = 0; x < model.WidthDot; ++x) {
            for (int y = 0; y < model.HeightDot; ++y) {
                seed = seed * 1103515245u + 12345u;
                model.FrameDots.set(frame, x, y, static_cast<std::uint8_t>((seed >> 16) % 3 == 0));
            }
        }
    }
}
