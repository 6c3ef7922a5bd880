#pragma once

#include "model/DotBuffers.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Some dots of one plane, one bit each, kept inside the smallest rectangle that holds every set bit.
// The history keeps its dots this way: a changed frame as the positions that changed (applying them again
// flips them back, so one record serves undo and redo), a frame or a floating region as its lit dots.
// Dots are 1 or 0 and nothing else, so a flip is exact.
class PackedDots {
public:
    // The positions of the window (columns 0..width-1, rows 0..height-1) where the two planes differ.
    static PackedDots differences(const std::uint8_t *a, const std::uint8_t *b, int width = MaxWidthDot,
                                  int height = MaxHeightDot);
    // The lit dots of the window.
    static PackedDots litDots(const std::uint8_t *plane, int width = MaxWidthDot, int height = MaxHeightDot);

    bool empty() const { return bits_.empty(); }
    std::size_t bytes() const { return bits_.size() * sizeof(std::uint64_t); }

    // Flips the plane's dots at the set positions.
    void flipIn(std::uint8_t *plane) const;
    // Lights the plane's dots at the set positions; the others stay as they are.
    void lightIn(std::uint8_t *plane) const;

    bool operator==(const PackedDots &) const = default;

private:
    template <typename Apply> void forEachPosition(std::uint8_t *plane, Apply apply) const;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    // Column by column, `height_` bits per column.
    std::vector<std::uint64_t> bits_;
};
