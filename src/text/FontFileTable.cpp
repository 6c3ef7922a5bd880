#include "text/FontFileTable.h"

#include "text/FontFileDamage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <limits>

namespace {

constexpr int noSplit = std::numeric_limits<int>::max();
constexpr auto chinese = FontSelector::Chinese;
constexpr auto number = FontSelector::Number;
constexpr auto big5 = GlyphEncoding::Big5Bitmap;
constexpr auto digits = GlyphEncoding::DigitText;

// The offsets of the Chinese files skip what precedes their first record (440 records of 32 bytes in the
// two 16-dot files; "TS2416.BIN" has 408 more before the rarely used characters; "KCCHIN24.F00" starts
// 55264 bytes in, which is not a whole number of records).
const std::array<FontFileEntry, 7> fontFiles = {{
    {"TS-16.15", chinese, "16(TS-16)", big5, 16, 16, 0, 14080, noSplit, 0},
    {"TS2416.BIN", chinese, "16(TS)", big5, 16, 16, 0, 14080, 5401, 27136},
    {"STDFONT.24", chinese, "24(明體)", big5, 24, 24, 1, 0, noSplit, 0},
    {"STDFONT.24K", chinese, "24(楷書)", big5, 24, 24, 1, 0, noSplit, 0},
    {"KCCHIN24.F00", chinese, "24(國喬)", big5, 24, 24, 0, 55264, noSplit, 0},
    {"Number24.24", number, "24 Pixel(KV)", digits, 16, 24},
    {"Number32.32", number, "32 Pixel(KV)", digits, 16, 32},
}};

bool CanOpenForReading(const QString &path)
{
    QFile file;
    return OpenFontFile(file, path);
}

// A file that opens is offered unless it is damaged: its glyphs would compose dark.
QStringList SelectorEntries(QStringList fixedEntries, FontSelector selector, const FontFolders &folders)
{
    for (const FontFileEntry &entry : fontFiles) {
        if (entry.selector == selector && CanOpenForReading(folders.pathOf(entry.fileName)) &&
            !FontFileDamage(entry, folders)) {
            fixedEntries.append(QString::fromUtf8(entry.label));
        }
    }
    return fixedEntries;
}

} // namespace

bool OpenFontFile(QFile &file, const QString &path)
{
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

std::int64_t FontFileEntry::recordOffset(int n) const
{
    const std::int64_t start = n > splitIndex ? laterOffset : firstOffset;
    return std::int64_t{recordBytes()} * (n - indexBias) + start;
}

std::span<const FontFileEntry> FontFiles()
{
    return fontFiles;
}

const FontFileEntry *FontFileForLabel(FontSelector selector, const QString &label)
{
    for (const FontFileEntry &entry : fontFiles) {
        if (entry.selector == selector && label == QString::fromUtf8(entry.label)) {
            return &entry;
        }
    }
    return nullptr;
}

QString FontFilePath(const QString &workDir, const char *fileName)
{
    return workDir + QDir::separator() + QString::fromLatin1(fileName);
}

QString FontFolders::pathOf(const char *fileName) const
{
    const QString own = FontFilePath(workDir, fileName);
    if (installed.isEmpty() || CanOpenForReading(own)) {
        return own;
    }
    const QString shared = FontFilePath(installed, fileName);
    return CanOpenForReading(shared) ? shared : own;
}

QString InstalledFontFolder(const QString &programDir)
{
    return QDir::cleanPath(programDir + QStringLiteral("/../share/velmora/fonts"));
}

QStringList ChineseSizeEntries()
{
    return {QStringLiteral("16 X 16"), QStringLiteral("24 X 24"), QStringLiteral("32 X 32"),
            QStringLiteral("48 X 48")};
}

QStringList NumberSizeEntries()
{
    return {QStringLiteral("16 Pixel(H)"), QStringLiteral("24 Pixel(H)"), QStringLiteral("32 Pixel(H)"),
            QStringLiteral("48 Pixel(H)")};
}

QStringList ChineseSelectorEntries(const FontFolders &folders)
{
    return SelectorEntries(ChineseSizeEntries(), FontSelector::Chinese, folders);
}

QStringList EnglishSelectorEntries()
{
    return {QStringLiteral("5  X  7"), QStringLiteral("10 X 15 "), QStringLiteral("15 X 23"),
            QStringLiteral("21 X 31")};
}

QStringList NumberSelectorEntries(const FontFolders &folders)
{
    return SelectorEntries(NumberSizeEntries(), FontSelector::Number, folders);
}
