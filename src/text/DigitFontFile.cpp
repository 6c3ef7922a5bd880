#include "text/DigitFontFile.h"

#include <QFile>

#include <optional>

namespace {

constexpr int digitCount = 10;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads the next white-space-separated value and answers whether it is above 0, or nothing at the end of
// the file or for a token that is not a decimal integer. The token is judged as it is read and never
// held, and reading stops at its first wrong character: a value of any length, or a file without a
// blank in it (a binary file, a device that never ends), costs no memory.
std::optional<bool> NextValueIsAboveZero(QFile &file)
{
    char c = 0;
    do {
        if (!file.getChar(&c)) {
            return std::nullopt;
        }
    } while (IsBlank(c));
    const bool negative = c == '-';
    bool digits = false;
    bool nonZero = false;
    if (c == '-' || c == '+') {
        if (!file.getChar(&c)) {
            return std::nullopt;
        }
    }
    for (;;) {
        if (IsBlank(c)) {
            break;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        digits = true;
        nonZero = nonZero || c != '0';
        if (!file.getChar(&c)) {
            break;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    return nonZero && !negative;
}

} // namespace

bool DigitFontFile::open(const FontFolders &folders, const FontFileEntry &entry)
{
    entry_ = &entry;
    lit_.clear();
    QFile file;
    if (!OpenFontFile(file, folders.pathOf(entry.fileName))) {
        return false;
    }
    const std::size_t wanted = static_cast<std::size_t>(digitCount * entry.valuesPerGlyph());
    while (lit_.size() < wanted) {
        const std::optional<bool> lit = NextValueIsAboveZero(file);
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
