#include "cli/SignOptions.h"

#include "io/DecimalInt32.h"
#include "list/ColorCodeList.h"

#include <algorithm>
#include <vector>

namespace {

const QString type = QStringLiteral("type");
const QString number = QStringLiteral("number");
const QString colors = QStringLiteral("colors");

} // namespace

QList<QCommandLineOption> SignSetupOptions()
{
    return {
        {type,
         QStringLiteral("The LED Type: %1 (default %2).")
             .arg(LedTypeCaptions().join(", "), LedTypeCaptions().constFirst()),
         QStringLiteral("TYPE"), LedTypeCaptions().constFirst()},
        {number, QStringLiteral("The LED Number, 1 to 16 (default 8)."), QStringLiteral("N"),
         QStringLiteral("8")},
        {colors,
         QStringLiteral(
             "Colour codes of the modules from the left, comma-separated: 0 Yellow, 1 Red, 2 Green, "
             "3 Blue, 4 White; modules not named are yellow (default: modules 4 and 5 red)."),
         QStringLiteral("CODES")},
    };
}

CheckedSignSetup SignSetupOf(const QCommandLineParser &parser, const SignFallback &fallback)
{
    const auto valueOf = [&parser](const QString &option, const std::optional<QString> &given) {
        return parser.isSet(option) || !given ? parser.value(option) : *given;
    };
    const QString numberText = valueOf(number, fallback.number);
    std::vector<int> codes;
    if (parser.isSet(colors)) {
        QString error;
        const auto given = ParseColorCodeList(parser.value(colors), error);
        if (!given) {
            return {std::nullopt, error};
        }
        codes = *given;
    } else if (fallback.colors) {
        codes = *fallback.colors;
    } else {
        const auto defaults = DefaultSetupColors();
        const std::optional<int> modules = ParseDecimalInt32(numberText);
        codes.assign(defaults.begin(), defaults.begin() + std::clamp(modules.value_or(0), 0, MaxLedNumber));
    }
    return ParseSignSetup(valueOf(type, fallback.type), numberText, codes);
}
