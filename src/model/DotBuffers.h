#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

// The dot buffers of a project: one byte per dot (1 lit, 0 dark), indexed [x][y] with the 256 row bytes
// of column 0 first, then column 1, and so on. They are sized for the largest sign and the longest list
// and allocated once, zero-filled by the system: pages nobody has written stay untouched, so a fresh
// window costs little until frames are drawn on.

inline constexpr int MaxWidthDot = 1024;
inline constexpr int MaxHeightDot = 256;
inline constexpr int MaxFrames = 500;
inline constexpr std::size_t PlaneBytes = std::size_t{MaxWidthDot} * MaxHeightDot;

// Offset of dot (x, y) inside one plane.
constexpr std::size_t DotIndex(int x, int y)
{
    return static_cast<std::size_t>(x) * MaxHeightDot + static_cast<std::size_t>(y);
}

constexpr bool InsidePlane(int x, int y)
{
    return x >= 0 && x < MaxWidthDot && y >= 0 && y < MaxHeightDot;
}

// Copies or darkens columns 0..width-1, rows 0..height-1 of a plane (cut at the plane's edges). The
// columns of a window as high as the plane lie back to back, so they take one call.
void CopyDotWindow(const std::uint8_t *from, std::uint8_t *to, int width, int height);
void ClearDotWindow(std::uint8_t *plane, int width, int height);

// A block of zero-filled memory taken from the system with calloc, so that large blocks come as
// untouched zero pages instead of being written once at start-up.
class ZeroedBlock {
public:
    explicit ZeroedBlock(std::size_t bytes);

    std::uint8_t *data() { return bytes_.get(); }
    const std::uint8_t *data() const { return bytes_.get(); }

private:
    struct FreeDeleter {
        void operator()(std::uint8_t *p) const;
    };
    std::unique_ptr<std::uint8_t, FreeDeleter> bytes_;
};

// One 1024 x 256 dot plane (the single-frame buffers: ClipFrameDots, FloatDots, ClipRegionDots).
class DotPlane {
public:
    DotPlane() : block_(PlaneBytes) {}

    std::uint8_t at(int x, int y) const { return block_.data()[DotIndex(x, y)]; }
    // Positions outside the plane count as dark.
    std::uint8_t atOrDark(int x, int y) const { return InsidePlane(x, y) ? at(x, y) : 0; }
    void set(int x, int y, std::uint8_t dot) { block_.data()[DotIndex(x, y)] = dot; }

    std::uint8_t *data() { return block_.data(); }
    const std::uint8_t *data() const { return block_.data(); }

    // Darkens columns 0..width-1, rows 0..height-1 (cut at the plane's edges).
    void clearWindow(int width, int height);
    // Copies the same window from another plane.
    void copyWindowFrom(const DotPlane &source, int width, int height);

private:
    ZeroedBlock block_;
};

// FrameDots: 500 planes. Every write goes through writableFrame(), which remembers that the slot may hold
// lit dots; clearing a slot that was never written is then free, and clearing all 500 slots touches only
// the ones in use. Which plane of the block serves which slot is the store's own affair, so a list shift
// of whole planes changes slots without copying a dot.
class FrameStore {
public:
    FrameStore();

    const std::uint8_t *frame(int f) const { return block_.data() + PlaneBytes * plane_[f]; }
    std::uint8_t *writableFrame(int f)
    {
        written_[f] = true;
        return planeOf(f);
    }
    std::uint8_t at(int f, int x, int y) const { return frame(f)[DotIndex(x, y)]; }
    void set(int f, int x, int y, std::uint8_t dot) { writableFrame(f)[DotIndex(x, y)] = dot; }

    bool mayHoldLitDots(int f) const { return written_[f]; }

    // Slot `to` takes the window of slot `from` (columns 0..width-1, rows 0..height-1); its dots outside
    // the window stay. A slot never written since it was last cleaned is dark, so its window is not
    // copied: the destination's window is darkened only if the destination was written, and a window
    // that covers the whole plane leaves it clean. Moving a list of rarely drawn frames then touches
    // only the frames that hold dots.
    void copyWindow(int from, int to, int width, int height);

    // The whole planes of slots first..last-1 move round as std::rotate moves elements: slot `middle`'s
    // becomes slot `first`'s, and the planes before `middle` end up in the last slots.
    void rotateSlots(int first, int middle, int last);

    // Darkens the whole slot, also dots outside the sign that a region drop may have lit.
    void clearSlot(int f);
    void clearAll();

private:
    std::uint8_t *planeOf(int f) { return block_.data() + PlaneBytes * plane_[f]; }

    ZeroedBlock block_;
    std::array<std::uint16_t, MaxFrames> plane_{};
    std::array<bool, MaxFrames> written_{};
};
