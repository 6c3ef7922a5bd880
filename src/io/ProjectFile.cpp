#include "io/ProjectFile.h"

#include "model/DotBuffers.h"

#include <array>
#include <cstring>

namespace {

// Eight dot bytes (each 0 or 1) loaded as one integer, row y0 in the lowest byte.
std::uint64_t LoadEightRows(const std::uint8_t *rows)
{
    std::uint64_t value = 0;
    for (int k = 7; k >= 0; --k) {
        value = (value << 8) | rows[k];
    }
    return value;
}

// Gathers the lowest bit of each of the eight bytes into one byte (byte k to bit k) with one multiply:
// every byte's bit lands in a distinct place of the top byte, and nothing below it can carry upward.
std::uint8_t GatherBits(std::uint64_t eightRows)
{
    return static_cast<std::uint8_t>((eightRows * 0x0102040810204080ull) >> 56);
}

// For every dot word, the eight dot bytes it stands for, row y0 first.
using SpreadTable = std::array<std::array<std::uint8_t, 8>, 256>;

SpreadTable MakeSpreadTable()
{
    SpreadTable table = {};
    for (int word = 0; word < 256; ++word) {
        for (int k = 0; k < 8; ++k) {
            table[word][k] = static_cast<std::uint8_t>((word >> k) & 1);
        }
    }
    return table;
}

} // namespace

std::vector<std::uint8_t> PackFrameDots(const std::uint8_t *plane, int widthDot, int heightDot)
{
    const int words = WordsPerColumn(heightDot);
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(widthDot) * words);
    std::uint8_t *out = packed.data();
    for (int x = 0; x < widthDot; ++x) {
        const std::uint8_t *column = plane + DotIndex(x, 0);
        for (int j = 0; j < words; ++j) {
            *out++ = GatherBits(LoadEightRows(column + 8 * j));
        }
    }
    return packed;
}

void UnpackFrameDots(const std::vector<std::uint8_t> &words, int widthDot, int heightDot, std::uint8_t *plane)
{
    static const SpreadTable spread = MakeSpreadTable();
    const int perColumn = WordsPerColumn(heightDot);
    const std::uint8_t *in = words.data();
    for (int x = 0; x < widthDot; ++x) {
        std::uint8_t *column = plane + DotIndex(x, 0);
        for (int j = 0; j < perColumn; ++j) {
            std::memcpy(column + 8 * j, spread[*in++].data(), 8);
        }
    }
}
