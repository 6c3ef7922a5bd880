#include "preview/PixelRuns.h"

#include "preview/VectorClones.h"

#include <cstdint>
#include <cstring>

namespace {

using Pixels = std::uint32_t __attribute__((vector_size(32)));
constexpr int VectorPixels = 8;

} // namespace

int PixelsBeforeAlignment(const QRgb *out, int count)
{
    const std::size_t misalignment = reinterpret_cast<std::uintptr_t>(out) % sizeof(Pixels);
    const int before = static_cast<int>((sizeof(Pixels) - misalignment) % sizeof(Pixels) / sizeof(QRgb));
    return before < count ? before : count;
}

VELMORA_VECTOR_CLONES void FillPixels(QRgb *out, int count, QRgb colour)
{
    const Pixels pixels = Pixels{} + colour;
    int at = 0;
    for (const int before = PixelsBeforeAlignment(out, count); at < before; ++at) {
        out[at] = colour;
    }
    for (; at + 2 * VectorPixels <= count; at += 2 * VectorPixels) {
        std::memcpy(out + at, &pixels, sizeof pixels);
        std::memcpy(out + at + VectorPixels, &pixels, sizeof pixels);
    }
    for (; at < count; ++at) {
        out[at] = colour;
    }
}

VELMORA_VECTOR_CLONES void CopyPixels(QRgb *out, const QRgb *from, int count)
{
    int at = 0;
    for (const int before = PixelsBeforeAlignment(out, count); at < before; ++at) {
        out[at] = from[at];
    }
    for (; at + 2 * VectorPixels <= count; at += 2 * VectorPixels) {
        Pixels first;
        Pixels second;
        std::memcpy(&first, from + at, sizeof first);
        std::memcpy(&second, from + at + VectorPixels, sizeof second);
        std::memcpy(out + at, &first, sizeof first);
        std::memcpy(out + at + VectorPixels, &second, sizeof second);
    }
    for (; at < count; ++at) {
        out[at] = from[at];
    }
}
