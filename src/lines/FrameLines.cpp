#include "lines/FrameLines.h"

#include "io/DecimalInt32.h"

namespace {

std::optional<int> LineNumberOfRow(const ProjectModel &model, int row)
{
    return ParseDecimalInt32(QStringView(model.Cells.cell(ColLine, row)));
}

FrameLine LineStartingAt(const ProjectModel &model, int firstRow, int number)
{
    FrameLine line;
    line.number = number;
    line.firstRow = firstRow;
    line.boardText = model.Cells.cell(ColBoard, firstRow);
    int row = firstRow;
    do {
        line.timeTexts << model.Cells.cell(ColTime, row);
        ++row;
    } while (row <= model.FrameCount && model.Cells.cell(ColLine, row).isEmpty());
    line.frameCount = row - firstRow;
    return line;
}

} // namespace

int LastLine(const ProjectModel &model)
{
    for (int row = model.FrameCount; row >= 1; --row) {
        if (const auto number = LineNumberOfRow(model, row)) {
            return *number;
        }
    }
    return 0;
}

std::optional<FrameLine> FindLine(const ProjectModel &model, int number)
{
    for (int row = 1; row <= model.FrameCount; ++row) {
        if (LineNumberOfRow(model, row) == number) {
            return LineStartingAt(model, row, number);
        }
    }
    return std::nullopt;
}

std::optional<FrameLine> LineOfRow(const ProjectModel &model, int row)
{
    if (row < 1 || row > model.FrameCount) {
        return std::nullopt;
    }
    for (int start = row; start >= 1; --start) {
        if (const auto number = LineNumberOfRow(model, start)) {
            return LineStartingAt(model, start, *number);
        }
    }
    return std::nullopt;
}
