#include "model/ProjectModel.h"

void FillDotColor(ProjectModel &model)
{
    for (int x = 0; x < model.WidthDot; ++x) {
        const auto value = ColorValueOfCode(model.LedColor[x / model.LedWidthDot]);
        if (!value) {
            continue;
        }
        for (int y = 0; y < model.HeightDot; ++y) {
            model.setDotColor(x, y, *value);
        }
    }
}

void RenumberLines(ProjectModel &model)
{
    if (model.FrameCount < 1) {
        return;
    }
    model.Cells.setCell(ColLine, 1, Format000(1));
    int line = 1;
    for (int row = 2; row <= model.FrameCount; ++row) {
        const bool continuesLine = model.ChangeFlag[row - 2] == 1;
        model.Cells.setCell(ColLine, row, continuesLine ? QString() : Format000(++line));
    }
}

void ClearFrameSlot(ProjectModel &model, int frame)
{
    model.FrameDots.clearSlot(frame);
    model.ChangeFlag[frame] = 0;
}

void ResetFrameListToOneFrame(ProjectModel &model)
{
    model.Cells.writeHeadings();
    model.FrameCount = 1;
    model.Cells.setRowCount(2);
    model.Cells.row(1) = {Format000(1), Format000(1), Format000(1), QString(), QString()};
}

void UpdateViewExtent(ProjectModel &model)
{
    ViewState &view = model.View;
    view.DotGap = DotGapFor(view.DotRadius);
    const int pitch = 2 * view.DotRadius + view.DotGap;
    view.ViewWidth = pitch * model.WidthDot;
    view.ViewHeight = pitch * model.HeightDot;
}

void ApplyStartupProject(ProjectModel &model)
{
    ResetFrameListToOneFrame(model);
    model.SelCol = 2;
    model.SelRow = 1;
    model.CurFrame = 0;
    model.Text.EditZoom = 12;

    model.LedNumber = 8;
    model.LedWidthDot = 24;
    model.WidthDot = 192;
    model.HeightDot = 24;
    model.View.DotRadius = 2;
    model.LedColor = {};
    model.LedColor[3] = static_cast<int>(LedColorCode::Red);
    model.LedColor[4] = static_cast<int>(LedColorCode::Red);
    FillDotColor(model);
    UpdateViewExtent(model);

    for (int frame = 0; frame < MaxFrames; ++frame) {
        ClearFrameSlot(model, frame);
    }
    model.Tools.PlaceMode = false;
}

void FillFontSizeTables(TextSettings &text, int logicalDpi)
{
    if (logicalDpi == 96) {
        text.ChineseFontSize = {13, 19, 26, 40, 0};
        text.EnglishFontSize = {8, 17, 26, 35, 0};
        text.NumberFontSize = {18, 27, 36, 52, 0};
    } else {
        text.ChineseFontSize = {11, 15, 21, 32, 0};
        text.EnglishFontSize = {6, 14, 21, 28, 0};
        text.NumberFontSize = {14, 21, 28, 42, 0};
    }
}
