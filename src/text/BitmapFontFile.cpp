#include "text/BitmapFontFile.h"

#include <array>

namespace {

constexpr int largestRecordBytes = GlyphDots::MaxWidth * GlyphDots::MaxWidth / 8;

} // namespace

bool BitmapFontFile::open(const FontFolders &folders, const FontFileEntry &entry)
{
    entry_ = &entry;
    return OpenFontFile(file_, folders.pathOf(entry.fileName));
}

GlyphDots BitmapFontFile::glyph(int n)
{
    GlyphDots dots(entry_->glyphWidth, entry_->glyphHeight);
    std::array<unsigned char, largestRecordBytes> record = {};
    const int recordBytes = entry_->recordBytes();
    const qint64 offset = entry_->recordOffset(n);
    if (offset >= file_.size() || !file_.seek(offset)) {
        return dots;
    }
    // Whatever part of the record did not arrive stays zero, that is dark.
    file_.read(reinterpret_cast<char *>(record.data()), recordBytes);
    const int bytesPerRow = entry_->glyphWidth / 8;
    for (int y = 0; y < entry_->glyphHeight; ++y) {
        for (int x = 0; x < entry_->glyphWidth; ++x) {
            const unsigned char byte = record[static_cast<std::size_t>(y * bytesPerRow + x / 8)];
            dots.set(x, y, (byte >> (7 - x % 8)) & 1);
        }
    }
    return dots;
}
