#include "text/TextCell.h"

#include "text/Big5Text.h"
#include "text/SystemFontText.h"

#include <algorithm>

TextCell ComposedCell(const TextRequest &request)
{
    const FontFileEntry *entry = ChosenFontFile(request);
    if (!entry) {
        return SystemFontCell(request.text, request.font, request.dpi);
    }
    const QByteArray bytes = Big5Bytes(request.text);
    const qsizetype cells = entry->encoding == GlyphEncoding::Big5Bitmap
                                ? (bytes.size() + 1) / 2
                                : std::count_if(bytes.begin(), bytes.end(),
                                                [](char byte) { return byte >= '0' && byte <= '9'; });
    return {static_cast<int>(std::min<qsizetype>(cells * entry->glyphWidth, MaxWidthDot * 64)),
            entry->glyphHeight, entry->glyphHeight};
}
