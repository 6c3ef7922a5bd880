#include "model/LedColors.h"

std::optional<ColorRef> ColorValueOfCode(int code)
{
    switch (code) {
    case 0:
        return LedColorValue::Yellow;
    case 1:
        return LedColorValue::Red;
    case 2:
        return LedColorValue::Green;
    case 3:
        return LedColorValue::Blue;
    case 4:
        return LedColorValue::White;
    default:
        return std::nullopt;
    }
}
