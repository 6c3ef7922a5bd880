#include "list/SignSetup.h"

#include "io/DecimalInt32.h"
#include "list/CellSelection.h"
#include "model/LedColors.h"
#include "model/ProjectModel.h"

#include <QCoreApplication>

namespace {

constexpr bool EveryOfferedSignFits()
{
    for (const LedTypeSize &size : LedSize) {
        if (MaxLedNumber * size.width > MaxWidthDot || size.height > MaxHeightDot) {
            return false;
        }
    }
    return MaxLedNumber <= MaxLedColors;
}

// Every setup that can be accepted is a sign within the model's limits and its colour table, so a new
// project never needs the width and height refusals that opening a file has.
static_assert(EveryOfferedSignFits());

} // namespace

struct SignSetupParser {
    static CheckedSignSetup parse(const QString &typeText, const QString &numberText,
                                  std::span<const int> colorCodes);
};

namespace {

CheckedSignSetup Refused(const QString &message)
{
    return {std::nullopt, message};
}

} // namespace

QStringList LedTypeCaptions()
{
    QStringList captions;
    for (const LedTypeSize &size : LedSize) {
        captions << QStringLiteral("%1 X %2").arg(size.width).arg(size.height);
    }
    return captions;
}

std::array<int, MaxLedNumber> DefaultSetupColors()
{
    std::array<int, MaxLedNumber> colors = {};
    colors[3] = static_cast<int>(LedColorCode::Red);
    colors[4] = static_cast<int>(LedColorCode::Red);
    return colors;
}

CheckedSignSetup SignSetupParser::parse(const QString &typeText, const QString &numberText,
                                        std::span<const int> colorCodes)
{
    const QStringList captions = LedTypeCaptions();
    const auto type = captions.indexOf(typeText);
    if (type < 0) {
        return Refused(QCoreApplication::translate("SignSetup", "'%1' is not a LED Type: choose one of %2.")
                           .arg(typeText, captions.join(QStringLiteral(", "))));
    }
    const std::optional<int> number = ParseDecimalInt32(numberText);
    if (!number) {
        return Refused(NotAnIntegerMessage(numberText));
    }
    if (*number < MinLedNumber || *number > MaxLedNumber) {
        return Refused(
            QCoreApplication::translate("SignSetup", "The LED Number must be from %1 to %2, not %3.")
                .arg(MinLedNumber)
                .arg(MaxLedNumber)
                .arg(*number));
    }
    if (colorCodes.size() > static_cast<std::size_t>(*number)) {
        return Refused(QCoreApplication::translate("SignSetup", "%1 colour codes were given for %2 modules.")
                           .arg(colorCodes.size())
                           .arg(*number));
    }
    SignSetup setup;
    setup.ledType_ = static_cast<int>(type);
    setup.ledNumber_ = *number;
    for (std::size_t module = 0; module < colorCodes.size(); ++module) {
        const int code = colorCodes[module];
        if (!ColorValueOfCode(code)) {
            return Refused(QCoreApplication::translate(
                               "SignSetup",
                               "The colour code %1 of module %2 is not one of 0 (Yellow), 1 (Red), "
                               "2 (Green), 3 (Blue), 4 (White).")
                               .arg(code)
                               .arg(module + 1));
        }
        setup.ledColor_[module] = code;
    }
    return {setup, {}};
}

CheckedSignSetup ParseSignSetup(const QString &typeText, const QString &numberText,
                                std::span<const int> colorCodes)
{
    return SignSetupParser::parse(typeText, numberText, colorCodes);
}
