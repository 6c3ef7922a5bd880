#include "model/DotBuffers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

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

void DotPlane::clearWindow(int width, int height)
{
    const int columns = std::clamp(width, 0, MaxWidthDot);
    const int rows = std::clamp(height, 0, MaxHeightDot);
    for (int x = 0; x < columns; ++x) {
        std::memset(data() + DotIndex(x, 0), 0, static_cast<std::size_t>(rows));
    }
}

void DotPlane::copyWindowFrom(const DotPlane &source, int width, int height)
{
    const int columns = std::clamp(width, 0, MaxWidthDot);
    const int rows = std::clamp(height, 0, MaxHeightDot);
    for (int x = 0; x < columns; ++x) {
        std::memcpy(data() + DotIndex(x, 0), source.data() + DotIndex(x, 0), static_cast<std::size_t>(rows));
    }
}

void FrameStore::clearSlot(int f)
{
    if (!written_[f]) {
        return;
    }
    std::memset(block_.data() + PlaneBytes * static_cast<std::size_t>(f), 0, PlaneBytes);
    written_[f] = false;
}

void FrameStore::clearAll()
{
    for (int f = 0; f < MaxFrames; ++f) {
        clearSlot(f);
    }
}
