#include "text/GlyphCoverage.h"

#include "text/Big5GlyphIndex.h"
#include "text/Big5Text.h"

#include <QList>
#include <QStringList>

#include <algorithm>

#include <set>

namespace {

// Whether each character of the text (as UCS-4) gets its own glyph from a Big5 file.
std::vector<bool> Big5Drawn(const QString &text)
{
    std::vector<qsizetype> starts;
    const QByteArray bytes = Big5Bytes(text, &starts);
    std::vector<bool> drawn(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype start = starts[i];
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : bytes.size();
        drawn[i] = end - start == 2 && start % 2 == 0 &&
                   Big5GlyphIndex(static_cast<unsigned char>(bytes[start]),
                                  static_cast<unsigned char>(bytes[start + 1])) >= 1;
    }
    return drawn;
}

std::vector<bool> DigitsDrawn(const QList<uint> &characters)
{
    std::vector<bool> drawn;
    drawn.reserve(static_cast<std::size_t>(characters.size()));
    for (const uint character : characters) {
        drawn.push_back(character >= U'0' && character <= U'9');
    }
    return drawn;
}

} // namespace

std::vector<char32_t> CharactersWithoutGlyph(const QString &text, const FontFileEntry &entry)
{
    const QList<uint> characters = text.toUcs4();
    const std::vector<bool> drawn =
        entry.encoding == GlyphEncoding::Big5Bitmap ? Big5Drawn(text) : DigitsDrawn(characters);
    std::vector<char32_t> missing;
    std::set<char32_t> named;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const char32_t character = characters[static_cast<qsizetype>(i)];
        if (!drawn[i] && named.insert(character).second) {
            missing.push_back(character);
        }
    }
    return missing;
}

QString MissingGlyphsText(const FontFileEntry &entry, const std::vector<char32_t> &missing)
{
    return MissingGlyphsText(QString::fromUtf8(entry.label), missing);
}

QString MissingGlyphsText(const QString &fonts, const std::vector<char32_t> &missing)
{
    constexpr std::size_t namedAtMost = 20;
    QStringList quoted;
    for (std::size_t i = 0; i < std::min(missing.size(), namedAtMost); ++i) {
        quoted << QStringLiteral("'%1'").arg(QString::fromUcs4(&missing[i], 1));
    }
    QString text = QStringLiteral("no glyph in %1 for %2").arg(fonts, quoted.join(", "));
    if (missing.size() > namedAtMost) {
        text += QStringLiteral(" and %1 more").arg(missing.size() - namedAtMost);
    }
    return text;
}
