#include "io/ProjectFileLimits.h"

#include "model/ProjectModel.h"

#include <QCoreApplication>

#include <cstdint>
#include <limits>

std::optional<QString> WidthProblem(int widthDot)
{
    if (widthDot >= 1 && widthDot <= MaxWidthDot) {
        return std::nullopt;
    }
    return QCoreApplication::translate("ProjectFileLimits",
                                       "the width is %1 dots, but a sign is 1 to %2 dots wide")
        .arg(widthDot)
        .arg(MaxWidthDot);
}

std::optional<QString> HeightProblem(int heightDot)
{
    if (heightDot >= 1 && heightDot <= MaxHeightDot) {
        return std::nullopt;
    }
    return QCoreApplication::translate("ProjectFileLimits",
                                       "the height is %1 dots, but a sign is 1 to %2 dots high")
        .arg(heightDot)
        .arg(MaxHeightDot);
}

std::optional<QString> FrameCountProblem(int frames, const ReadRequest &request)
{
    if (frames < 0) {
        return QCoreApplication::translate("ProjectFileLimits", "the frame count is %1").arg(frames);
    }
    const std::int64_t total = std::int64_t{frames} + (request.appending ? request.framesInList : 0);
    if (total <= MaxFrames) {
        return std::nullopt;
    }
    if (request.appending) {
        return QCoreApplication::translate(
                   "ProjectFileLimits",
                   "its %1 frames and the %2 in the list make more than the %3 a list can hold")
            .arg(frames)
            .arg(request.framesInList)
            .arg(MaxFrames);
    }
    return QCoreApplication::translate("ProjectFileLimits",
                                       "it holds %1 frames, more than the %2 a list can hold")
        .arg(frames)
        .arg(MaxFrames);
}

std::optional<QString> ModuleWidthProblem(int ledWidthDot, int widthDot)
{
    if (ledWidthDot < 1) {
        return QCoreApplication::translate("ProjectFileLimits", "the module width is %1 dots")
            .arg(ledWidthDot);
    }
    // Every column's module needs a colour, also the part-module a width that is not a multiple leaves.
    const std::int64_t modules = (std::int64_t{widthDot} + ledWidthDot - 1) / ledWidthDot;
    if (modules <= MaxLedColors) {
        return std::nullopt;
    }
    return QCoreApplication::translate(
               "ProjectFileLimits",
               "a module width of %1 dots makes %2 modules of the %3-dot sign, more than %4")
        .arg(ledWidthDot)
        .arg(modules)
        .arg(widthDot)
        .arg(MaxLedColors);
}

std::optional<QString> OlderModuleWidthProblem(int ledWidthDot, int widthDot)
{
    if (ledWidthDot >= 1 && ledWidthDot <= widthDot) {
        return ModuleWidthProblem(ledWidthDot, widthDot);
    }
    return QCoreApplication::translate(
               "ProjectFileLimits",
               "the module width is %1 dots, but a module of the %2-dot sign is 1 to %2 dots wide")
        .arg(ledWidthDot)
        .arg(widthDot);
}

bool FitsFileWord(std::int64_t word)
{
    return word >= std::numeric_limits<std::int32_t>::min() &&
           word <= std::numeric_limits<std::int32_t>::max();
}

std::int64_t ModuleWidthWord(int ledWidthDot)
{
    return std::int64_t{ledWidthDot} * 7 + 14;
}

std::int64_t ColourCodeWord(int code)
{
    return std::int64_t{code} * 14 + 7;
}

std::optional<QString> ColourCodeProblem(int code, int module)
{
    if (FitsFileWord(ColourCodeWord(code))) {
        return std::nullopt;
    }
    return QCoreApplication::translate(
               "ProjectFileLimits",
               "the colour code %1 of module %2 does not fit the current format's 32-bit word")
        .arg(code)
        .arg(module);
}

QString LoadRefusal(const ReadRequest &request, const QString &reason, const QString &where)
{
    return QCoreApplication::translate("ProjectFileLimits", "Cannot load '%1': %2 (%3).")
        .arg(request.fileName, reason, where);
}
