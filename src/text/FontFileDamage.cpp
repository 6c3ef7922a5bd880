#include "text/FontFileDamage.h"

#include "text/Big5GlyphIndex.h"
#include "text/DigitFontFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr int digitCount = 10;

// How much of its layout a file holds, against how much the layout needs: bytes of a Big5 file, values
// of a digit file.
struct Extent {
    std::int64_t held = 0;
    std::int64_t needed = 0;
};

std::optional<Extent> Big5Extent(const FontFileEntry &entry, const QString &path)
{
    QFile file;
    if (!OpenFontFile(file, path)) {
        return std::nullopt;
    }
    return Extent{file.size(), Big5LayoutBytes(entry)};
}

std::optional<Extent> DigitExtent(const FontFileEntry &entry, const FontFolders &folders)
{
    DigitFontFile file;
    if (!file.open(folders, entry)) {
        return std::nullopt;
    }
    return Extent{static_cast<std::int64_t>(file.valuesRead()),
                  std::int64_t{digitCount} * entry.valuesPerGlyph()};
}

} // namespace

std::int64_t Big5LayoutBytes(const FontFileEntry &entry)
{
    return entry.recordOffset(HighestGlyphIndex) + entry.recordBytes();
}

std::optional<QString> FontFileDamage(const FontFileEntry &entry, const FontFolders &folders)
{
    const bool big5 = entry.encoding == GlyphEncoding::Big5Bitmap;
    const std::optional<Extent> extent =
        big5 ? Big5Extent(entry, folders.pathOf(entry.fileName)) : DigitExtent(entry, folders);
    if (!extent || extent->held >= extent->needed) {
        return std::nullopt;
    }
    const QString damage =
        big5 ? QCoreApplication::translate("FontFileDamage",
                                           "%1 is %2 bytes, shorter than the %3 bytes its glyphs need")
             : QCoreApplication::translate("FontFileDamage",
                                           "%1 holds %2 values, fewer than the %3 its digits need");
    return damage.arg(QString::fromLatin1(entry.fileName)).arg(extent->held).arg(extent->needed);
}

QStringList SkippedFontFileNotices(const FontFolders &folders)
{
    QStringList notices;
    for (const FontFileEntry &entry : FontFiles()) {
        if (const auto damage = FontFileDamage(entry, folders)) {
            notices << QCoreApplication::translate("FontFileDamage", "Font %1 is not offered: %2")
                           .arg(QString::fromUtf8(entry.label), *damage);
        }
    }
    return notices;
}
