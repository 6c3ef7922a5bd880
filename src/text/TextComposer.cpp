#include "text/TextComposer.h"

#include "text/Big5GlyphIndex.h"
#include "text/Big5Text.h"
#include "text/BitmapFontFile.h"
#include "text/DigitFontFile.h"
#include "text/SystemFontText.h"

namespace {

// Writes a glyph with its top-left corner at column `left`: every dot when `withDark`, else only the
// lit ones. Nothing is clipped to the sign; only the plane's edges cut.
void PutGlyph(const GlyphDots &glyph, int left, bool withDark, DotPlane &out)
{
    for (int x = 0; x < glyph.width(); ++x) {
        for (int y = 0; y < glyph.height(); ++y) {
            const std::uint8_t dot = glyph.at(x, y);
            if ((dot || withDark) && InsidePlane(left + x, y)) {
                out.set(left + x, y, dot);
            }
        }
    }
}

// Pairs are taken strictly from the first byte on: a single-byte character pairs with the byte after it
// (or with 0 at the end), that pair has no glyph, and its cell stays dark.
bool ComposeBig5(const TextRequest &request, const FontFileEntry &entry, DotPlane &out)
{
    BitmapFontFile file;
    if (!file.open({request.workDir, request.installedFontDir}, entry)) {
        return false;
    }
    const QByteArray bytes = Big5Bytes(request.text);
    // Cells from the plane's right edge on cannot show: a very long text stops being read there.
    for (qsizetype p = 0; p < bytes.size() && p / 2 * entry.glyphWidth < MaxWidthDot; p += 2) {
        const auto lead = static_cast<unsigned char>(bytes[p]);
        const auto trail = p + 1 < bytes.size() ? static_cast<unsigned char>(bytes[p + 1]) : 0;
        const int n = Big5GlyphIndex(lead, trail);
        if (n >= 1) {
            PutGlyph(file.glyph(n), static_cast<int>(p / 2) * entry.glyphWidth, true, out);
        }
    }
    return true;
}

// Only the digits take room; every other byte is skipped.
bool ComposeDigits(const TextRequest &request, const FontFileEntry &entry, DotPlane &out)
{
    DigitFontFile file;
    if (!file.open({request.workDir, request.installedFontDir}, entry)) {
        return false;
    }
    int cell = 0;
    for (const char byte : Big5Bytes(request.text)) {
        if (cell * entry.glyphWidth >= MaxWidthDot) {
            break;
        }
        if (byte >= '0' && byte <= '9') {
            PutGlyph(file.glyph(byte - '0'), cell * entry.glyphWidth, false, out);
            ++cell;
        }
    }
    return true;
}

} // namespace

const FontFileEntry *ChosenFontFile(const TextRequest &request)
{
    if (request.chinese.enabled) {
        if (const FontFileEntry *entry = FontFileForLabel(FontSelector::Chinese, request.chinese.text)) {
            return entry;
        }
    }
    if (request.number.enabled) {
        return FontFileForLabel(FontSelector::Number, request.number.text);
    }
    return nullptr;
}

const FontFileEntry *ComposeText(const TextRequest &request, DotPlane &out)
{
    const int width = request.widthDot + PictureMargin;
    const int height = request.heightDot + PictureMargin;
    out.clearWindow(width, height);

    if (const FontFileEntry *entry = ChosenFontFile(request)) {
        const bool composed = entry->encoding == GlyphEncoding::Big5Bitmap
                                  ? ComposeBig5(request, *entry, out)
                                  : ComposeDigits(request, *entry, out);
        if (composed) {
            return entry;
        }
    }
    SampleScratch(DrawSystemFontScratch(request.text, request.font, request.dpi, width, height), width,
                  height, out);
    return nullptr;
}
