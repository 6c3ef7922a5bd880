#include "model/DotBuffers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <numeric>

ZeroedBlock::ZeroedBlock(std::size_t bytes) : bytes_(static_cast<std::uint8_t *>(std::calloc(bytes, 1)))
{
    if (!bytes_) {
        throw std::bad_alloc();
    }
}

void ZeroedBlock::FreeDeleter::operator()(std::uint8_t *p) const
{
    std::free(p);
}

namespace {

bool CoversThePlane(int width, int height)
{
    return width >= MaxWidthDot && height >= MaxHeightDot;
}

} // namespace

void CopyDotWindow(const std::uint8_t *from, std::uint8_t *to, int width, int height)
{
    const int columns = std::clamp(width, 0, MaxWidthDot);
    const int rows = std::clamp(height, 0, MaxHeightDot);
    if (rows == MaxHeightDot) {
        std::memcpy(to, from, DotIndex(columns, 0));
        return;
    }
    for (int x = 0; x < columns; ++x) {
        std::memcpy(to + DotIndex(x, 0), from + DotIndex(x, 0), static_cast<std::size_t>(rows));
    }
}

void ClearDotWindow(std::uint8_t *plane, int width, int height)
{
    const int columns = std::clamp(width, 0, MaxWidthDot);
    const int rows = std::clamp(height, 0, MaxHeightDot);
    if (rows == MaxHeightDot) {
        std::memset(plane, 0, DotIndex(columns, 0));
        return;
    }
    for (int x = 0; x < columns; ++x) {
        std::memset(plane + DotIndex(x, 0), 0, static_cast<std::size_t>(rows));
    }
}

void DotPlane::clearWindow(int width, int height)
{
    ClearDotWindow(data(), width, height);
}

void DotPlane::copyWindowFrom(const DotPlane &source, int width, int height)
{
    CopyDotWindow(source.data(), data(), width, height);
}

FrameStore::FrameStore() : block_(PlaneBytes * MaxFrames)
{
    std::iota(plane_.begin(), plane_.end(), std::uint16_t{0});
}

void FrameStore::copyWindow(int from, int to, int width, int height)
{
    if (written_[from]) {
        CopyDotWindow(frame(from), writableFrame(to), width, height);
        return;
    }
    if (!written_[to]) {
        return;
    }
    ClearDotWindow(planeOf(to), width, height);
    if (CoversThePlane(width, height)) {
        written_[to] = false;
    }
}

void FrameStore::rotateSlots(int first, int middle, int last)
{
    std::rotate(plane_.begin() + first, plane_.begin() + middle, plane_.begin() + last);
    std::rotate(written_.begin() + first, written_.begin() + middle, written_.begin() + last);
}

void FrameStore::clearSlot(int f)
{
    if (!written_[f]) {
        return;
    }
    std::memset(planeOf(f), 0, PlaneBytes);
    written_[f] = false;
}

void FrameStore::clearAll()
{
    for (int f = 0; f < MaxFrames; ++f) {
        clearSlot(f);
    }
}
