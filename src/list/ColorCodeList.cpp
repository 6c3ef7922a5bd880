#include "list/ColorCodeList.h"

#include "io/DecimalInt32.h"
#include "model/LedColors.h"

#include <QStringList>

std::optional<std::vector<int>> ParseColorCodeList(const QString &text, QString &error)
{
    std::vector<int> codes;
    for (const QString &entry : text.split(QLatin1Char(','))) {
        const std::optional<int> code = ParseDecimalInt32(entry);
        if (!code || !ColorValueOfCode(*code)) {
            error = QStringLiteral("'%1' in --colors is not a colour code 0..4").arg(entry);
            return std::nullopt;
        }
        codes.push_back(*code);
    }
    return codes;
}
