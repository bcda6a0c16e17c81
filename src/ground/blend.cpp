#include "ground/blend.h"

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "ground/blend_rows.h"
#include "ground/cpu_features.h"

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

StretchedMaskWeights::StretchedMaskWeights(const NearestStretch& stretch)
    : stretch_(stretch),
      perSourcePixel_(stretch.Source().Width() <= stretch.TargetWidth() ? 3 * size_t(stretch.Source().Width()) + 1 : 0) {}

void StretchedMaskWeights::Row(int sourceRow, uint8_t* weights) {
    const uint8_t* in = stretch_.Source().Row(sourceRow);
    const int width = stretch_.TargetWidth();
    if (perSourcePixel_.empty()) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* m = in + stretch_.ColumnOffset(x);
            weights[3 * x] = weights[3 * x + 1] = weights[3 * x + 2] = uint8_t(FastMaskWeight(m[2], m[1], m[0]));
        }
        return;
    }
    // Each source pixel's weight three times, where the pixel's own bytes
    // are, so a target pixel copies the three bytes at its column's offset:
    // as one 4-byte copy whose last byte the next pixel's copy overwrites.
    uint8_t* perSource = perSourcePixel_.data();
    const size_t sourceBytes = perSourcePixel_.size() - 1;
    for (size_t i = 0; i < sourceBytes; i += 3)
        perSource[i] = perSource[i + 1] = perSource[i + 2] = uint8_t(FastMaskWeight(in[i + 2], in[i + 1], in[i]));
    for (int x = 0; x + 1 < width; ++x) std::memcpy(weights + 3 * x, perSource + stretch_.ColumnOffset(x), 4);
    if (width > 0) std::memcpy(weights + 3 * (width - 1), perSource + stretch_.ColumnOffset(width - 1), 3);
}

const uint8_t* StretchedMaskWeights::ForTargetRow(int y) {
    const int sourceRow = stretch_.SourceRow(y);
    if (targetRow_.empty()) targetRow_.resize(3 * size_t(stretch_.TargetWidth()) + 1);
    if (sourceRow != targetRowSource_) {
        Row(sourceRow, targetRow_.data());
        targetRowSource_ = sourceRow;
    }
    return targetRow_.data();
}

void MaskBlend(TBitmap& base, const TBitmap& over, const TBitmap& mask) {
    if (base.Empty()) return;
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

CORVESSA_VECTOR_KERNEL(GrayRowTo, detail::GrayRowToBlocks, detail::GrayRowToPixels,
                       (const uint8_t* __restrict in, uint8_t* __restrict out, int pixels), (in, out, pixels))

void Grayscale(TBitmap& b) {
    if (b.Empty()) return;  // a picture 0 wide has rows but no row memory
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
