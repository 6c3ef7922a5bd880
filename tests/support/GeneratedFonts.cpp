#include "support/GeneratedFonts.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct ChineseLayout {
    const char *fileName;
    int glyphWidth;
    std::function<qint64(int n)> offsetOf;
};

// Written out here from the files' own layout, not taken from the program's table, so that a wrong
// constant there shows.
const ChineseLayout chineseLayouts[] = {
    {"TS-16.15", 16, [](int n) { return 32LL * n + 14080; }},
    {"TS2416.BIN", 16, [](int n) { return n <= 5401 ? 32LL * n + 14080 : 32LL * n + 27136; }},
    {"STDFONT.24", 24, [](int n) { return 72LL * (n - 1); }},
    {"STDFONT.24K", 24, [](int n) { return 72LL * (n - 1); }},
    {"KCCHIN24.F00", 24, [](int n) { return 72LL * n + 55264; }},
};

} // namespace

QByteArray GeneratedRecord(int n, int bytesPerRow, int rows)
{
    QByteArray record;
    for (int r = 0; r < rows; ++r) {
        const auto value = static_cast<std::uint32_t>(n + r);
        for (int b = bytesPerRow - 1; b >= 0; --b) {
            record.append(static_cast<char>((value >> (8 * b)) & 0xFF));
        }
    }
    return record;
}

void WriteChineseFont(const QString &dir, const QString &fileName, qint64 length)
{
    for (const ChineseLayout &layout : chineseLayouts) {
        if (fileName != QLatin1String(layout.fileName)) {
            continue;
        }
        const int bytesPerRow = layout.glyphWidth / 8;
        const qint64 recordBytes = bytesPerRow * layout.glyphWidth;
        QByteArray bytes(layout.offsetOf(HighestBig5Index) + recordBytes, '\0');
        for (int n = 1; n <= HighestBig5Index; ++n) {
            bytes.replace(layout.offsetOf(n), recordBytes,
                          GeneratedRecord(n, bytesPerRow, layout.glyphWidth));
        }
        WriteFontFile(dir, fileName, length < 0 ? bytes : bytes.left(length));
        return;
    }
    ADD_FAILURE() << "no such Chinese font file: " << fileName.toStdString();
}

std::uint32_t RowNumber(const DotPlane &plane, int left, int y, int width)
{
    std::uint32_t value = 0;
    for (int x = 0; x < width; ++x) {
        value = (value << 1) | plane.at(left + x, y);
    }
    return value;
}

bool DigitDotLit(int d, int x, int y)
{
    return x == d || y == d + 1;
}

QByteArray DigitFontText(int height)
{
    static const char *const litSpellings[] = {"1", "7", "+300"};
    static const char *const darkSpellings[] = {"0", "-5", "00"};
    static const char *const separators[] = {" ", "\t", "\r\n", "  \n"};
    QByteArray text;
    int k = 0;
    for (int d = 0; d < 10; ++d) {
        for (int x = 0; x < 16; ++x) {
            for (int y = 0; y < height; ++y, ++k) {
                text.append(DigitDotLit(d, x, y) ? litSpellings[k % 3] : darkSpellings[k % 3]);
                text.append(separators[k % 4]);
            }
        }
    }
    return text;
}

void WriteFontFile(const QString &dir, const QString &fileName, const QByteArray &bytes)
{
    QFile file(dir + QLatin1Char('/') + fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void WriteWholeFontFile(const QString &dir, const QString &fileName)
{
    if (fileName.startsWith(QLatin1String("Number"))) {
        WriteFontFile(dir, fileName, DigitFontText(fileName == QLatin1String("Number24.24") ? 24 : 32));
    } else {
        WriteChineseFont(dir, fileName);
    }
}
