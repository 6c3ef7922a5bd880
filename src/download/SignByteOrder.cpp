#include "download/SignByteOrder.h"

void AppendFrameDotBytes(const ProjectModel &model, int slot, std::vector<std::uint8_t> &bytes)
{
    const int bands = model.HeightDot / 8;
    const int bytesAcrossModule = model.LedWidthDot / 8;
    const std::uint8_t *dots = model.FrameDots.frame(slot);
    bytes.reserve(bytes.size() + static_cast<std::size_t>(model.WidthDot) * model.HeightDot / 8);
    for (int r = 0; r < 8; ++r) {
        for (int module = model.LedNumber - 1; module >= 0; --module) {
            for (int band = bands - 1; band >= 0; --band) {
                const int y = 8 * band + r;
                for (int column = bytesAcrossModule - 1; column >= 0; --column) {
                    const int left = module * model.LedWidthDot + 8 * column;
                    std::uint8_t byte = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        byte = static_cast<std::uint8_t>(byte << 1 | (dots[DotIndex(left + bit, y)] ? 1 : 0));
                    }
                    bytes.push_back(byte);
                }
            }
        }
    }
}
