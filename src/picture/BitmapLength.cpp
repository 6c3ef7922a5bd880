#include "picture/BitmapLength.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr quint32 coreHeaderSize = 12;

// Compression codes of the info header.
constexpr quint32 uncompressed = 0;
constexpr quint32 runLength8 = 1;
constexpr quint32 runLength4 = 2;
constexpr quint32 bitFields = 3;
constexpr quint32 alphaBitFields = 6;

template <typename T> T Read(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

} // namespace

bool BitmapIsCutShort(const QByteArray &head, qint64 fileSize)
{
    if (head.size() < 38 || !head.startsWith("BM")) {
        return false;
    }
    const quint32 pixelsAt = Read<quint32>(head, 10);
    const quint32 infoSize = Read<quint32>(head, fileHeaderSize);
    // The old core header has 16-bit sizes and no compression; the later ones share their first fields.
    const bool core = infoSize == coreHeaderSize;
    const qint64 width = core ? Read<quint16>(head, 18) : Read<qint32>(head, 18);
    const qint64 height = std::llabs(core ? Read<qint16>(head, 20) : Read<qint32>(head, 22));
    const qint64 bitsPerPixel = core ? Read<quint16>(head, 24) : Read<quint16>(head, 28);
    const quint32 compression = core ? uncompressed : Read<quint32>(head, 30);

    qint64 pixelBytes = 0;
    if (compression == uncompressed || compression == bitFields || compression == alphaBitFields) {
        // Every row is padded to whole 32-bit words.
        pixelBytes = (width * bitsPerPixel + 31) / 32 * 4 * height;
    } else if (compression == runLength8 || compression == runLength4) {
        pixelBytes = Read<quint32>(head, 34); // the coded size, which these kinds must give
    }
    const qint64 rowsAt = std::max<qint64>(pixelsAt, fileHeaderSize + infoSize);
    return width > 0 && rowsAt + pixelBytes > fileSize;
}
