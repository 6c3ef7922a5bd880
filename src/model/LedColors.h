#pragma once

#include <QRgb>

#include <cstdint>
#include <optional>

// Colour values are kept in the sign's own 0x00BBGGRR layout (0x0000FF is red) everywhere in the model;
// QtColorOf() is the one place that turns them into what Qt draws with.
using ColorRef = std::uint32_t;

namespace LedColorValue {
inline constexpr ColorRef Black = 0x000000;
inline constexpr ColorRef Yellow = 0x0080FF;
inline constexpr ColorRef Red = 0x0000FF;
inline constexpr ColorRef Green = 0x00FF00;
inline constexpr ColorRef Blue = 0xFF0000;
inline constexpr ColorRef White = 0xFFFFFF;
// A picture being placed or a lifted region: RGB(64, 255, 64).
inline constexpr ColorRef Floating = 0x40FF40;
// Grid lines every 8 dots: RGB(255, 255, 0).
inline constexpr ColorRef GridLine = 0x00FFFF;
} // namespace LedColorValue

// Module colour codes, in the order of the setup dialog's radio buttons.
enum class LedColorCode { Yellow = 0, Red = 1, Green = 2, Blue = 3, White = 4 };

// The colour value of a module colour code; no value for a code outside 0..4.
std::optional<ColorRef> ColorValueOfCode(int code);

constexpr QRgb QtColorOf(ColorRef value)
{
    const unsigned red = value & 0xFFu;
    const unsigned green = (value >> 8) & 0xFFu;
    const unsigned blue = (value >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}
