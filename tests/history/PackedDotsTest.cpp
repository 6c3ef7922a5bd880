#include "history/PackedDots.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A scattered pattern that differs from column to column and row to row, so eight dots read at once
// from the wrong bits of a packed word show.
void Scatter(DotPlane &plane, int seed, int width, int height)
{
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            plane.set(x, y, static_cast<std::uint8_t>((x * 7 + y * 11 + seed) % 3 == 0));
        }
    }
}

bool SamePlanes(const DotPlane &a, const DotPlane &b)
{
    return std::memcmp(a.data(), b.data(), PlaneBytes) == 0;
}

TEST(PackedDots, GiveBackEveryDotOfWindowsOfAnySizeWhenLitOrFlipped)
{
    // Column heights that leave the columns at every offset inside the packed 64-bit words.
    const int sizes[][2] = {{5, 3}, {37, 13}, {100, 61}, {MaxWidthDot, MaxHeightDot}};
    for (const auto &size : sizes) {
        SCOPED_TRACE(size[1]);
        DotPlane before;
        DotPlane after;
        Scatter(before, 0, size[0], size[1]);
        Scatter(after, 1, size[0], size[1]);

        DotPlane lit;
        PackedDots::litDots(after.data()).lightIn(lit.data());
        EXPECT_TRUE(SamePlanes(lit, after));

        DotPlane flipped;
        std::memcpy(flipped.data(), before.data(), PlaneBytes);
        PackedDots::differences(before.data(), after.data()).flipIn(flipped.data());
        EXPECT_TRUE(SamePlanes(flipped, after));
    }
}

} // namespace
