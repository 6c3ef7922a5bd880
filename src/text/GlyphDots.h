#pragma once

#include <array>
#include <cstdint>

// The dots of one glyph read from a font file, at most 24 columns by 32 rows; 1 lit, 0 dark. A glyph
// starts all dark, so whatever a file fails to deliver stays dark.
class GlyphDots {
public:
    static constexpr int MaxWidth = 24;
    static constexpr int MaxHeight = 32;

    GlyphDots(int width, int height) : width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint8_t at(int x, int y) const { return dots_[static_cast<std::size_t>(x * MaxHeight + y)]; }
    void set(int x, int y, std::uint8_t dot) { dots_[static_cast<std::size_t>(x * MaxHeight + y)] = dot; }

private:
    int width_ = 0;
    int height_ = 0;
    std::array<std::uint8_t, MaxWidth *MaxHeight> dots_ = {};
};
