#include "text/Big5GlyphIndex.h"

namespace {

constexpr int positionsPerLead = 157;
constexpr int firstRareIndex = 5402;

// Position of the trail byte within its lead byte's row, 1 to 157, or 0 for a byte that is no trail.
int TrailPosition(unsigned char trail)
{
    if (trail >= 0x40 && trail <= 0x7E) {
        return trail - 0x40 + 1;
    }
    if (trail >= 0xA1 && trail <= 0xFE) {
        return trail - 0xA1 + 64;
    }
    return 0;
}

} // namespace

int Big5GlyphIndex(unsigned char lead, unsigned char trail)
{
    const int t = TrailPosition(trail);
    if (t == 0) {
        return -1;
    }
    if (lead >= 0xA4 && lead <= 0xC6) {
        return (lead - 0xA4) * positionsPerLead + t;
    }
    if (lead >= 0xC9 && lead <= 0xF9) {
        return firstRareIndex - 1 + (lead - 0xC9) * positionsPerLead + t;
    }
    return -1;
}
