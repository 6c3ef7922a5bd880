#include "history/PackedDots.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// A dark plane to compare against; calloc'd, so reading it costs no memory of its own.
const std::uint8_t *DarkPlane()
{
    static const DotPlane dark;
    return dark.data();
}

} // namespace

PackedDots PackedDots::differences(const std::uint8_t *a, const std::uint8_t *b, int width, int height)
{
    const auto rows = static_cast<std::size_t>(std::clamp(height, 0, MaxHeightDot));
    const int columns = std::clamp(width, 0, MaxWidthDot);
    int left = -1;
    int right = -1;
    std::size_t top = rows;
    std::size_t bottom = 0;
    for (int x = 0; x < columns; ++x) {
        const std::uint8_t *ca = a + DotIndex(x, 0);
        const std::uint8_t *cb = b + DotIndex(x, 0);
        if (std::memcmp(ca, cb, rows) == 0) {
            continue;
        }
        left = left < 0 ? x : left;
        right = x;
        std::size_t first = 0;
        while (ca[first] == cb[first]) {
            ++first;
        }
        std::size_t last = rows - 1;
        while (ca[last] == cb[last]) {
            --last;
        }
        top = std::min(top, first);
        bottom = std::max(bottom, last);
    }
    PackedDots packed;
    if (left < 0) {
        return packed;
    }
    packed.left_ = left;
    packed.top_ = static_cast<int>(top);
    packed.width_ = right - left + 1;
    packed.height_ = static_cast<int>(bottom - top + 1);
    const auto columnBits = static_cast<std::size_t>(packed.height_);
    packed.bits_.assign((static_cast<std::size_t>(packed.width_) * columnBits + 63) / 64, 0);
    for (int x = left; x <= right; ++x) {
        const std::uint8_t *ca = a + DotIndex(x, packed.top_);
        const std::uint8_t *cb = b + DotIndex(x, packed.top_);
        const std::size_t first = static_cast<std::size_t>(x - left) * columnBits;
        for (std::size_t y = 0; y < columnBits; ++y) {
            const std::size_t bit = first + y;
            packed.bits_[bit / 64] |= std::uint64_t{ca[y] != cb[y]} << (bit % 64);
        }
    }
    return packed;
}

PackedDots PackedDots::litDots(const std::uint8_t *plane, int width, int height)
{
    return differences(plane, DarkPlane(), width, height);
}

namespace {

// Eight positions' bits spread to eight dot bytes (0 or 1) in memory order, so eight dots are flipped or
// lit with one 64-bit operation whatever the machine's byte order.
struct SpreadTable {
    std::uint64_t dots[256];
};

constexpr SpreadTable MakeSpreadTable()
{
    SpreadTable table{};
    for (unsigned bits = 0; bits < 256; ++bits) {
        std::uint8_t bytes[8] = {};
        for (unsigned k = 0; k < 8; ++k) {
            bytes[k] = static_cast<std::uint8_t>((bits >> k) & 1U);
        }
        table.dots[bits] = std::bit_cast<std::uint64_t>(bytes);
    }
    return table;
}

constexpr SpreadTable Spread = MakeSpreadTable();

} // namespace

template <typename Apply> void PackedDots::forEachPosition(std::uint8_t *plane, Apply apply) const
{
    const auto columnBits = static_cast<std::size_t>(height_);
    for (int x = 0; x < width_; ++x) {
        std::uint8_t *column = plane + DotIndex(left_ + x, top_);
        const std::size_t first = static_cast<std::size_t>(x) * columnBits;
        std::size_t y = 0;
        for (; y + 8 <= columnBits; y += 8) {
            const std::size_t bit = first + y;
            const std::size_t word = bit / 64;
            const std::size_t shift = bit % 64;
            std::uint64_t eight = bits_[word] >> shift;
            if (shift > 56) {
                eight |= bits_[word + 1] << (64 - shift);
            }
            std::uint64_t dots;
            std::memcpy(&dots, column + y, sizeof dots);
            apply(dots, Spread.dots[eight & 0xFFU]);
            std::memcpy(column + y, &dots, sizeof dots);
        }
        for (; y < columnBits; ++y) {
            const std::size_t bit = first + y;
            std::uint64_t dot = column[y];
            apply(dot, (bits_[bit / 64] >> (bit % 64)) & 1U);
            column[y] = static_cast<std::uint8_t>(dot);
        }
    }
}

void PackedDots::flipIn(std::uint8_t *plane) const
{
    forEachPosition(plane, [](std::uint64_t &dots, std::uint64_t set) { dots ^= set; });
}

void PackedDots::lightIn(std::uint8_t *plane) const
{
    forEachPosition(plane, [](std::uint64_t &dots, std::uint64_t set) { dots |= set; });
}
