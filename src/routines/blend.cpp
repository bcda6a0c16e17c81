#include "routines/blend.h"

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace corvessa {

int MaskWeight(int r, int g, int b) {
    // The sum order (red + green, then + blue) and the extended constants
    // decide the rare ties; keep them as they are.
    const long double sum = (static_cast<long double>(r) * 0.3L + static_cast<long double>(g) * 0.59L) +
                            static_cast<long double>(b) * 0.11L;
    return static_cast<int>(std::nearbyintl(sum));  // default rounding: halves to even
}

namespace {

// MaskWeight without extended arithmetic for all but the ties. The exact
// value is (30r + 59g + 11b) / 100; the extended evaluation is off by far
// less than 0.01, the least distance of a non-tie from a half, so only an
// exact half (remainder 50) can round differently and takes the long way.
inline int FastMaskWeight(int r, int g, int b) {
    const int hundredths = 30 * r + 59 * g + 11 * b;
    const int whole = hundredths / 100, rest = hundredths - whole * 100;
    if (rest == 50) return MaskWeight(r, g, b);
    return whole + (rest > 50);
}

}  // namespace

namespace {

template <BlendFn F>
constexpr std::array<uint8_t, 65536> MakeTable() {
    std::array<uint8_t, 65536> table{};
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) table[size_t(a << 8 | b)] = uint8_t(F(a, b));
    return table;
}

constexpr std::array<uint8_t, 65536> kColorDodge = MakeTable<BlendColorDodge>();
constexpr std::array<uint8_t, 65536> kColorBurn = MakeTable<BlendColorBurn>();

}  // namespace

const uint8_t* ColorDodgeTable() { return kColorDodge.data(); }
const uint8_t* ColorBurnTable() { return kColorBurn.data(); }

void MaskWeightRow(const uint8_t* mask, int pixels, uint8_t* weights) {
    for (int x = 0; x < pixels; ++x) {
        const uint8_t* m = mask + 3 * x;
        const uint8_t w = uint8_t(FastMaskWeight(m[2], m[1], m[0]));
        weights[3 * x] = weights[3 * x + 1] = weights[3 * x + 2] = w;
    }
}

void StretchedMaskWeightRow(const NearestStretch& stretch, int sourceRow, uint8_t* weights) {
    const uint8_t* in = stretch.Source().Row(sourceRow);
    const int width = stretch.TargetWidth();
    uint32_t weighed = UINT32_MAX;
    uint8_t w = 0;
    for (int x = 0; x < width; ++x) {
        const uint32_t offset = stretch.ColumnOffset(x);
        if (offset != weighed) {
            w = uint8_t(FastMaskWeight(in[offset + 2], in[offset + 1], in[offset]));
            weighed = offset;
        }
        weights[3 * x] = weights[3 * x + 1] = weights[3 * x + 2] = w;
    }
}

void MaskBlend(TBitmap& base, const TBitmap& over, const TBitmap& mask) {
    const int width = base.Width();
    const size_t n = base.RowBytes();
    ForEachRowBand(base.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> weights(n);
        for (int y = begin; y < end; ++y) {
            MaskWeightRow(mask.Row(y), width, weights.data());
            MixRow(weights.data(), over.Row(y), base.Row(y), base.Row(y), n);
        }
    });
}

void Grayscale(TBitmap& b) {
    const int width = b.Width();
    const size_t n = b.RowBytes();
    ForEachRowBand(b.Height(), n, [&](int begin, int end) {
        std::vector<uint8_t> grey(n);
        for (int y = begin; y < end; ++y) {
            GrayRowTo(b.Row(y), grey.data(), width);
            std::memcpy(b.Row(y), grey.data(), n);
        }
    });
}

}  // namespace corvessa
