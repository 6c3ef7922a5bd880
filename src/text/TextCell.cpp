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
    return {static_cast<int>(std::min<qsizetype>(cells * entry->glyphWidth, MaxWidthDot * 64)), 0,
            entry->glyphHeight};
}

TextCell CellHoldingRows(TextCell cell, LitRows lit)
{
    if (lit.any()) {
        cell.top = std::min(cell.top, lit.first);
        cell.bottom = std::max(cell.bottom, lit.last + 1);
    }
    return cell;
}

int TopKeepingLitRows(int top, LitRows lit, int room)
{
    if (!lit.any() || lit.last - lit.first >= room) {
        return top;
    }
    return std::clamp(top, -lit.first, room - 1 - lit.last);
}
