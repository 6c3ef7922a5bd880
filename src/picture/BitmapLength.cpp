#include "picture/BitmapLength.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <optional>

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

// The header fields both checks need, widened so that no product of two of them can overflow.
struct BitmapHeader {
    qint64 rowsAt = 0; // where the pixel rows begin, after the headers and the palette
    qint64 width = 0;
    qint64 height = 0; // rows, whichever way they run
    qint64 bitsPerPixel = 0;
    quint32 compression = uncompressed;
    qint64 codedSize = 0; // what run-length kinds must give
};

std::optional<BitmapHeader> ReadHeader(const QByteArray &head)
{
    if (head.size() < 38 || !head.startsWith("BM")) {
        return std::nullopt;
    }
    const quint32 infoSize = Read<quint32>(head, fileHeaderSize);
    // The old core header has 16-bit sizes and no compression; the later ones share their first fields.
    const bool core = infoSize == coreHeaderSize;
    BitmapHeader header;
    header.rowsAt = std::max<qint64>(Read<quint32>(head, 10), fileHeaderSize + infoSize);
    header.width = core ? Read<quint16>(head, 18) : Read<qint32>(head, 18);
    header.height = std::llabs(core ? Read<qint16>(head, 20) : Read<qint32>(head, 22));
    header.bitsPerPixel = core ? Read<quint16>(head, 24) : Read<quint16>(head, 28);
    header.compression = core ? uncompressed : Read<quint32>(head, 30);
    header.codedSize = Read<quint32>(head, 34);
    return header;
}

} // namespace

bool BitmapIsCutShort(const QByteArray &head, qint64 fileSize)
{
    const std::optional<BitmapHeader> header = ReadHeader(head);
    if (!header || header->width <= 0) {
        return false;
    }
    const qint64 room = fileSize - header->rowsAt;
    const quint32 compression = header->compression;
    if (compression == uncompressed || compression == bitFields || compression == alphaBitFields) {
        // Every row is padded to whole 32-bit words. A header may claim up to 2^31 rows of 2^44 bytes,
        // whose product 64 bits cannot hold, so the rows are compared with the room divided among them.
        const qint64 rowBytes = (header->width * header->bitsPerPixel + 31) / 32 * 4;
        return room < 0 || (header->height > 0 && rowBytes > room / header->height);
    }
    if (compression == runLength8 || compression == runLength4) {
        return room < header->codedSize;
    }
    return room < 0;
}

qint64 BitmapPixels(const QByteArray &head)
{
    const std::optional<BitmapHeader> header = ReadHeader(head);
    return header && header->width > 0 ? header->width * header->height : 0;
}
