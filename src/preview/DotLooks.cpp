#include "preview/DotLooks.h"

#include "preview/VectorClones.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr QRgb LitColour = QtColorOf(LedColorValue::White);
constexpr QRgb DarkFill = QtColorOf(LedColorValue::Black);
constexpr QRgb FloatingColour = QtColorOf(LedColorValue::Floating);

constexpr DotLook LitLook = 0x01000000u;
constexpr DotLook FloatingLook = 0x02000000u;

bool PlacedPictureLit(const ProjectModel &model, int x, int y)
{
    const ToolState &tools = model.Tools;
    return tools.PlaceMode && ShowsPictureOverFrame(model) && x >= tools.PlaceCol && y >= tools.PlaceRow &&
           model.FloatDots.atOrDark(x - tools.PlaceCol, y - tools.PlaceRow) == 1;
}

// Eight looks, inks or keys at once: eight rows of a column, or eight columns of a row.
using Eight = std::uint32_t __attribute__((vector_size(32)));
using EightBytes = std::uint8_t __attribute__((vector_size(8)));
constexpr int EightWide = 8;

// The looks of eight dots down a column, from their lit bytes and module colours.
[[gnu::always_inline]] inline void LooksDown(const std::uint8_t *lit, const ColorRef *colours, Eight &looks)
{
    EightBytes litBytes;
    Eight colour;
    std::memcpy(&litBytes, lit, sizeof litBytes);
    std::memcpy(&colour, colours, sizeof colour);
    const Eight isLit = __builtin_convertvector(litBytes == 1, Eight);
    looks = (isLit & LitLook) | (~isLit & colour & 0xFFFFFFu);
}

// A row's key takes in the next column's look: equal rows take in equal looks, so keep equal keys. Keys
// only propose rows to compare in full, so two cheap operations are mixing enough. One key, or eight rows'
// keys at once.
template <typename Key> [[gnu::always_inline]] inline void TakeIntoKeys(Key &keys, const Key &looks)
{
    keys = ((keys << 7) | (keys >> 25)) + looks;
}

// Eight columns of eight looks each become eight rows of eight.
[[gnu::always_inline]] inline void Transpose(Eight (&m)[EightWide])
{
    constexpr Eight PairsLow = {0, 8, 1, 9, 4, 12, 5, 13};
    constexpr Eight PairsHigh = {2, 10, 3, 11, 6, 14, 7, 15};
    constexpr Eight QuadsLow = {0, 1, 8, 9, 4, 5, 12, 13};
    constexpr Eight QuadsHigh = {2, 3, 10, 11, 6, 7, 14, 15};
    constexpr Eight HalvesLow = {0, 1, 2, 3, 8, 9, 10, 11};
    constexpr Eight HalvesHigh = {4, 5, 6, 7, 12, 13, 14, 15};
    Eight pairs[EightWide];
#pragma GCC unroll 4
    for (int k = 0; k < EightWide; k += 2) {
        pairs[k] = __builtin_shuffle(m[k], m[k + 1], PairsLow);
        pairs[k + 1] = __builtin_shuffle(m[k], m[k + 1], PairsHigh);
    }
    Eight quads[EightWide];
#pragma GCC unroll 2
    for (int k = 0; k < EightWide; k += 4) {
        quads[k] = __builtin_shuffle(pairs[k], pairs[k + 2], QuadsLow);
        quads[k + 1] = __builtin_shuffle(pairs[k], pairs[k + 2], QuadsHigh);
        quads[k + 2] = __builtin_shuffle(pairs[k + 1], pairs[k + 3], QuadsLow);
        quads[k + 3] = __builtin_shuffle(pairs[k + 1], pairs[k + 3], QuadsHigh);
    }
#pragma GCC unroll 4
    for (int k = 0; k < EightWide / 2; ++k) {
        m[k] = __builtin_shuffle(quads[k], quads[k + 4], HalvesLow);
        m[k + 4] = __builtin_shuffle(quads[k], quads[k + 4], HalvesHigh);
    }
}

// How far ahead of the column being read the next columns' dots are asked for.
constexpr std::size_t ColumnsAhead = 6;

// A band's dots lie a column at a time, `stride` apart, DotRowBand of them from `lit` and `colours`. They
// are read a block of eight columns at a time, taken into the rows' keys column by column, and written
// row by row.
struct ColumnBlockReader {
    const std::uint8_t *lit;
    const ColorRef *colours;
    std::size_t stride;
    DotLook *looks;
    std::size_t rowStride;
    Eight topKeys{};
    Eight bottomKeys{};

    [[gnu::always_inline]] inline void readColumn(int column, Eight &top, Eight &bottom)
    {
        const std::size_t at = static_cast<std::size_t>(column) * stride;
        // Each column's band lies in cache lines of its own; asking for those of a column a few ahead
        // while this one is worked on keeps the reads from waiting on memory a column at a time.
        __builtin_prefetch(lit + at + ColumnsAhead * stride);
        __builtin_prefetch(colours + at + ColumnsAhead * stride);
        LooksDown(lit + at, colours + at, top);
        LooksDown(lit + at + EightWide, colours + at + EightWide, bottom);
        TakeIntoKeys(topKeys, top);
        TakeIntoKeys(bottomKeys, bottom);
    }

    [[gnu::always_inline]] inline void writeRows(Eight (&top)[EightWide], Eight (&bottom)[EightWide],
                                                 int firstColumn)
    {
        Transpose(top);
        Transpose(bottom);
#pragma GCC unroll 8
        for (std::size_t r = 0; r < EightWide; ++r) {
            std::memcpy(looks + r * rowStride + firstColumn, &top[r], sizeof(Eight));
            std::memcpy(looks + (r + EightWide) * rowStride + firstColumn, &bottom[r], sizeof(Eight));
        }
    }
};

// The whole of ReadBandLooks's work when nothing is being placed, without a branch per dot. The columns
// of a last, partial block past the band's last are dark.
VELMORA_VECTOR_CLONES void ReadColumnsAcross(ColumnBlockReader &reader, int columns, std::uint32_t *keys)
{
    static_assert(DotRowBand == 2 * EightWide && BandColumnBlock == EightWide);
    int x = 0;
    for (; x + EightWide <= columns; x += EightWide) {
        Eight top[EightWide];
        Eight bottom[EightWide];
#pragma GCC unroll 8
        for (int c = 0; c < EightWide; ++c) {
            reader.readColumn(x + c, top[c], bottom[c]);
        }
        reader.writeRows(top, bottom, x);
    }
    if (x < columns) {
        Eight top[EightWide] = {};
        Eight bottom[EightWide] = {};
        for (int c = 0; x + c < columns; ++c) {
            reader.readColumn(x + c, top[c], bottom[c]);
        }
        reader.writeRows(top, bottom, x);
    }
    std::memcpy(keys, &reader.topKeys, sizeof(Eight));
    std::memcpy(keys + EightWide, &reader.bottomKeys, sizeof(Eight));
}

} // namespace

bool ShowsPictureOverFrame(const ProjectModel &model)
{
    return model.FrameCount > 0;
}

DotLook SignDotLook(const ProjectModel &model, const std::uint8_t *frame, int x, int y, bool placing)
{
    if (frame[DotIndex(x, y)] == 1) {
        return LitLook;
    }
    return placing && PlacedPictureLit(model, x, y) ? FloatingLook : model.dotColor(x, y) & 0xFFFFFFu;
}

DotInks InksOfLook(DotLook look)
{
    switch (look) {
    case LitLook:
        return {LitColour, LitColour};
    case FloatingLook:
        return {FloatingColour, FloatingColour};
    default:
        return {QtColorOf(look), DarkFill};
    }
}

// Eight at a time as InksOfLook gives them (QtColorOf turns a colour into the picture's: red from the low
// byte, blue from the third), the few left over one by one.
VELMORA_VECTOR_CLONES void RowInksOfLooks(const DotLook *looks, int count, QRgb *rims, QRgb *fills)
{
    static_assert(QtColorOf(0x123456) == 0xFF563412u);
    int x = 0;
    for (; x + EightWide <= count; x += EightWide) {
        Eight look;
        std::memcpy(&look, looks + x, sizeof look);
        const Eight isLit = (Eight)(look == LitLook);
        const Eight isFloating = (Eight)(look == FloatingLook);
        const Eight own = (isLit & LitColour) | (isFloating & FloatingColour);
        const Eight dark = ~(isLit | isFloating);
        const Eight picture =
            0xFF000000u | ((look & 0xFFu) << 16) | (look & 0xFF00u) | ((look >> 16) & 0xFFu);
        const Eight rim = own | (dark & picture);
        const Eight fill = own | (dark & DarkFill);
        std::memcpy(rims + x, &rim, sizeof rim);
        std::memcpy(fills + x, &fill, sizeof fill);
    }
    for (; x < count; ++x) {
        const DotInks inks = InksOfLook(looks[x]);
        rims[x] = inks.rim;
        fills[x] = inks.fill;
    }
}

void ReadBandLooks(const ProjectModel &model, const std::uint8_t *frame, bool placing, IndexRange columns,
                   IndexRange rows, BandLooks &band)
{
    const std::size_t stride = DotIndex(1, 0);
    const int columnCount = columns.end - columns.first;
    if (!placing && rows.first + DotRowBand <= MaxHeightDot) {
        // Rows of the dot buffers past the band's end are read too (and their looks never used): each
        // column holds every row a sign can have, so they lie inside it.
        ColumnBlockReader reader{frame + DotIndex(columns.first, rows.first),
                                 model.dotColorsDown(columns.first, rows.first), stride, band.looks.data(),
                                 band.rowStride};
        ReadColumnsAcross(reader, columnCount, band.keys.data());
        return;
    }
    for (int y = rows.first; y < rows.end; ++y) {
        const std::size_t r = static_cast<std::size_t>(y - rows.first);
        DotLook *row = band.looks.data() + r * band.rowStride;
        std::uint32_t key = 0;
        for (int x = columns.first; x < columns.end; ++x) {
            row[x - columns.first] = SignDotLook(model, frame, x, y, placing);
            TakeIntoKeys(key, row[x - columns.first]);
        }
        band.keys[r] = key;
    }
}
