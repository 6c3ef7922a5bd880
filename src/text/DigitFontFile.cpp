#include "text/DigitFontFile.h"

#include <QFile>

#include <optional>

namespace {

constexpr int digitCount = 10;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads the next white-space-separated token; an empty token means the end of the file.
QByteArray NextToken(QFile &file)
{
    QByteArray token;
    char c = 0;
    while (file.getChar(&c)) {
        if (!IsBlank(c)) {
            token.append(c);
        } else if (!token.isEmpty()) {
            break;
        }
    }
    return token;
}

// Whether a decimal integer token is above 0, without converting it, so that no value is too long to
// read; no value for a token that is not a decimal integer.
std::optional<bool> IsAboveZero(const QByteArray &token)
{
    const bool negative = token.startsWith('-');
    const qsizetype first = (negative || token.startsWith('+')) ? 1 : 0;
    if (first == token.size()) {
        return std::nullopt;
    }
    bool nonZero = false;
    for (qsizetype i = first; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9') {
            return std::nullopt;
        }
        nonZero = nonZero || token[i] != '0';
    }
    return nonZero && !negative;
}

} // namespace

bool DigitFontFile::open(const FontFolders &folders, const FontFileEntry &entry)
{
    entry_ = &entry;
    lit_.clear();
    QFile file(folders.pathOf(entry.fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const std::size_t wanted = static_cast<std::size_t>(digitCount * entry.valuesPerGlyph());
    while (lit_.size() < wanted) {
        const std::optional<bool> lit = IsAboveZero(NextToken(file));
        if (!lit) {
            break;
        }
        lit_.push_back(*lit ? 1 : 0);
    }
    return true;
}

GlyphDots DigitFontFile::glyph(int d) const
{
    GlyphDots dots(entry_->glyphWidth, entry_->glyphHeight);
    const int height = entry_->glyphHeight;
    const std::size_t first = static_cast<std::size_t>(d * entry_->valuesPerGlyph());
    for (int k = 0; k < entry_->valuesPerGlyph() && first + static_cast<std::size_t>(k) < lit_.size(); ++k) {
        dots.set(k / height, k % height, lit_[first + static_cast<std::size_t>(k)]);
    }
    return dots;
}
