#include "support/SignFixtures.h"

void SetUpSign(ProjectModel &model, int widthDot, int heightDot, int moduleWidth, int radius)
{
    model.LedWidthDot = moduleWidth;
    model.LedNumber = (widthDot + moduleWidth - 1) / moduleWidth;
    model.WidthDot = widthDot;
    model.HeightDot = heightDot;
    for (int module = 0; module < model.LedNumber; ++module) {
        model.LedColor[module] = module % 5;
    }
    FillDotColor(model);
    model.CurFrame = 0;
    model.View.DotRadius = radius;
    UpdateViewExtent(model);
    model.Tools = ToolState{};
}

void LightScatteredDots(ProjectModel &model)
{
    for (int x = 0; x < model.WidthDot; ++x) {
        for (int y = 0; y < model.HeightDot; ++y) {
            if ((7 * x + 3 * y) % 5 == 0) {
                model.FrameDots.set(0, x, y, 1);
            }
        }
    }
}

void FillFloatingPicture(ProjectModel &model, int width, int height)
{
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            model.FloatDots.set(x, y, static_cast<std::uint8_t>((x + y) % 2 == 0));
        }
    }
}
