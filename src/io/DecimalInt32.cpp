#include "io/DecimalInt32.h"

#include <QByteArray>

#include <cstdint>
#include <limits>

std::optional<int> ParseDecimalInt32(std::string_view text)
{
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        at = 1;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    // The magnitude is bounded as it grows, so no digit string however long can overflow it.
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<int>::min()}
                                        : std::int64_t{std::numeric_limits<int>::max()};
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<int> ParseDecimalInt32(QStringView text)
{
    // Only ASCII digits and signs can make a number; anything else fails below as it should.
    for (const QChar c : text) {
        if (c.unicode() > 0x7F) {
            return std::nullopt;
        }
    }
    const QByteArray ascii = text.toLatin1();
    return ParseDecimalInt32(std::string_view(ascii.constData(), static_cast<std::size_t>(ascii.size())));
}
