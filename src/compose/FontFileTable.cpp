#include "compose/FontFileTable.h"

#include <QDir>
#include <QFile>

#include <array>

namespace {

enum class FontSelector { Chinese, Number };

struct FontFileEntry {
    const char *fileName;
    FontSelector selector;
    const char *label; // UTF-8
};

const std::array<FontFileEntry, 7> fontFiles = {{
    {"TS-16.15", FontSelector::Chinese, "16(TS-16)"},
    {"TS2416.BIN", FontSelector::Chinese, "16(TS)"},
    {"STDFONT.24", FontSelector::Chinese, "24(明體)"},
    {"STDFONT.24K", FontSelector::Chinese, "24(楷書)"},
    {"KCCHIN24.F00", FontSelector::Chinese, "24(國喬)"},
    {"Number24.24", FontSelector::Number, "24 Pixel(KV)"},
    {"Number32.32", FontSelector::Number, "32 Pixel(KV)"},
}};

// Only opening is tried, nothing is read: a file that opens is offered.
bool CanOpenForReading(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QStringList SelectorEntries(QStringList fixedEntries, FontSelector selector, const QString &workDir)
{
    for (const FontFileEntry &entry : fontFiles) {
        if (entry.selector == selector && CanOpenForReading(FontFilePath(workDir, entry.fileName))) {
            fixedEntries.append(QString::fromUtf8(entry.label));
        }
    }
    return fixedEntries;
}

} // namespace

QString FontFilePath(const QString &workDir, const char *fileName)
{
    return workDir + QDir::separator() + QString::fromLatin1(fileName);
}

QStringList ChineseSelectorEntries(const QString &workDir)
{
    return SelectorEntries({QStringLiteral("16 X 16"), QStringLiteral("24 X 24"), QStringLiteral("32 X 32"),
                            QStringLiteral("48 X 48")},
                           FontSelector::Chinese, workDir);
}

QStringList EnglishSelectorEntries()
{
    return {QStringLiteral("5  X  7"), QStringLiteral("10 X 15 "), QStringLiteral("15 X 23"),
            QStringLiteral("21 X 31")};
}

QStringList NumberSelectorEntries(const QString &workDir)
{
    return SelectorEntries({QStringLiteral("16 Pixel(H)"), QStringLiteral("24 Pixel(H)"),
                            QStringLiteral("32 Pixel(H)"), QStringLiteral("48 Pixel(H)")},
                           FontSelector::Number, workDir);
}
