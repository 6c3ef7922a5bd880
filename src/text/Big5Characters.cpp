#include "text/Big5Characters.h"

#include "io/CodePage950.h"
#include "text/Big5GlyphIndex.h"

#include <QChar>
#include <QList>
#include <QString>

namespace {

// The one character a pair decodes to in code page 950, or 0 when it decodes to none, to a replacement
// for bytes the code page lacks, or to a character of the private use area, which no face draws as the
// pair meant.
char32_t CharacterOfPair(unsigned char lead, unsigned char trail)
{
    const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
    const QList<uint> decoded = DecodeCodePage950(QByteArrayView(pair, 2)).toUcs4();
    if (decoded.size() != 1 || decoded[0] == QChar::ReplacementCharacter ||
        QChar::category(decoded[0]) == QChar::Other_PrivateUse) {
        return 0;
    }
    return decoded[0];
}

} // namespace

std::vector<char32_t> CharactersByGlyphIndex()
{
    std::vector<char32_t> characters(HighestGlyphIndex + 1, 0);
    // From the last lead byte down, so that a later lead byte's character takes a shared index first.
    for (int lead = 0xFF; lead >= 0x80; --lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const int n = Big5GlyphIndex(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if (n >= 1 && characters[static_cast<std::size_t>(n)] == 0) {
                characters[static_cast<std::size_t>(n)] =
                    CharacterOfPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            }
        }
    }
    return characters;
}
