#include "routes/RouteSign.h"

#include "model/ProjectModel.h"

#include <algorithm>
#include <vector>

CheckedSignSetup SignSetupOfProject(const ProjectModel &model)
{
    const auto type = std::find_if(LedSize.begin(), LedSize.end(), [&model](const LedTypeSize &size) {
        return size.width == model.LedWidthDot && size.height == model.HeightDot;
    });
    if (type == LedSize.end() || model.WidthDot % model.LedWidthDot != 0) {
        return {std::nullopt,
                QStringLiteral("its sign of %1 x %2 dots in modules %3 dots wide is no LED Type")
                    .arg(model.WidthDot)
                    .arg(model.HeightDot)
                    .arg(model.LedWidthDot)};
    }
    const int modules = model.WidthDot / model.LedWidthDot;
    const std::vector<int> colors(model.LedColor.begin(),
                                  model.LedColor.begin() + std::min(modules, MaxLedColors));
    return ParseSignSetup(LedTypeCaptions()[static_cast<int>(type - LedSize.begin())],
                          QString::number(modules), colors);
}
