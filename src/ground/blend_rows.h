#pragma once
// The blend helpers applied to whole rows, as fast as the processor allows,
// and the blend pass over bitmaps built on them; MaskBlend's row mix and
// the grey conversion of a row. Every kernel gives exactly the bytes of the
// helper applied byte by byte (tests/reference_routines.h keeps the plain
// versions to compare with).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ground/bitmap.h"
#include "ground/blend.h"
#include "ground/parallel.h"

namespace corvessa {

// The two helpers that divide, as 256 x 256 tables indexed [a][b]: a
// division per byte keeps a loop from being vectorised, a lookup is cheap.
const uint8_t* ColorDodgeTable();
const uint8_t* ColorBurnTable();

namespace detail {

// Row loops per helper, chosen by specialisation (a function's address is
// not a constant the compiler may compare in every build, e.g. with the
// sanitizers).
template <BlendFn F>
struct BlendRowLoop {
    static void Run(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
        for (size_t i = 0; i < n; ++i) out[i] = uint8_t(F(a[i], b[i]));
    }
};

inline void TableRow(const uint8_t* table, const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) out[i] = table[size_t(a[i]) << 8 | b[i]];
}

template <>
struct BlendRowLoop<BlendColorDodge> {
    static void Run(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
        TableRow(ColorDodgeTable(), a, b, out, n);
    }
};

template <>
struct BlendRowLoop<BlendColorBurn> {
    static void Run(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
        TableRow(ColorBurnTable(), a, b, out, n);
    }
};

// Overlay and hard light without branches: 255 - v is v ^ 0xFF, so with
// `flip` 0xFF where the compared argument is 128 or more (0 elsewhere) both
// cases are ((x ^ flip) * (y ^ flip) shr 7) ^ flip. The product of a value
// below 128 and one below 256 fits in 16 bits, so 8 lanes go through a
// vector register. `onFirst` says which argument is compared with 128.
template <bool onFirst>
void OverlayRow(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const uint8_t x = a[i], y = b[i];
        const uint8_t flip = uint8_t(int8_t(onFirst ? x : y) >> 7);
        const uint16_t p = uint8_t(x ^ flip), q = uint8_t(y ^ flip);
        out[i] = uint8_t(uint8_t(uint16_t(p * q) >> 7) ^ flip);
    }
}

template <>
struct BlendRowLoop<BlendOverlay> {
    static void Run(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) { OverlayRow<true>(a, b, out, n); }
};

template <>
struct BlendRowLoop<BlendHardLight> {
    static void Run(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) { OverlayRow<false>(a, b, out, n); }
};

template <>
struct BlendRowLoop<BlendScreen> {
    static void Run(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
        for (size_t i = 0; i < n; ++i)
            out[i] = uint8_t(255 - (uint16_t(uint16_t(255 - a[i]) * uint16_t(255 - b[i])) >> 8));
    }
};

}  // namespace detail

// out[i] = F(a[i], b[i]) for n bytes; out may be a or b.
template <BlendFn F>
void BlendRow(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
    detail::BlendRowLoop<F>::Run(a, b, out, n);
}

// T := F(A, B) byte by byte over every row (blue, green and red alike).
// A, B and T have the same size; T may be A or B, since each byte is read
// before it is written.
template <BlendFn F>
void BlendPass(TBitmap& t, const TBitmap& a, const TBitmap& b) {
    const size_t n = t.RowBytes();
    ForEachRow(t.Height(), n, [&](int y) { BlendRow<F>(a.Row(y), b.Row(y), t.Row(y), n); });
}

// x div 255 for 0 <= x <= 255 * 255 (every MaskBlend sum) without a division.
constexpr unsigned Div255(unsigned x) { return (x + 1 + (x >> 8)) >> 8; }

// The MaskBlend weight of every pixel of a mask row, written three times
// (once for each channel's byte) into `weights`.
void MaskWeightRow(const uint8_t* mask, int pixels, uint8_t* weights);

// MaskWeightRow of the rows a NearestStretch makes, without making them.
// An enlarged row repeats source pixels: each source pixel of the row is
// weighed once and its weight spread, without a branch per target pixel
// (the uneven runs would be mispredicted). A shrunk row weighs only the
// pixels it keeps. One object per thread: it holds its own buffer.
class StretchedMaskWeights {
public:
    // `stretch` must outlive this object.
    explicit StretchedMaskWeights(const NearestStretch& stretch);
    // The weights (three per pixel) of the target row made from `sourceRow`.
    void Row(int sourceRow, uint8_t* weights);
    // The weights of target row y, worked out again only when its source
    // row differs from the previous call's. Valid until the next call.
    const uint8_t* ForTargetRow(int y);

private:
    const NearestStretch& stretch_;
    std::vector<uint8_t> perSourcePixel_;  // empty when the row is shrunk
    std::vector<uint8_t> targetRow_;
    int targetRowSource_ = -1;
};

// out[i] = (w[i]*over[i] + (255 - w[i])*base[i]) div 255 for n bytes: the
// MaskBlend mix with the weights per byte. out may be over or base.
// Every intermediate fits in 16 bits (the sum is at most 255 * 255, and
// Div255 adds at most 255 to it), so the loop runs in 16-bit vector lanes.
inline void MixRow(const uint8_t* weights, const uint8_t* over, const uint8_t* base, uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const uint16_t w = weights[i];
        const uint16_t sum = uint16_t(uint16_t(w * over[i]) + uint16_t(uint16_t(255 - w) * base[i]));
        out[i] = uint8_t(uint16_t(sum + 1 + (sum >> 8)) >> 8);
    }
}

namespace detail {

inline void GrayPixel(const uint8_t* in, uint8_t* out) {
    const uint8_t g = uint8_t((28 * in[0] + 151 * in[1] + 77 * in[2]) >> 8);
    out[0] = out[1] = out[2] = g;
}

// The grey weights as five taps per byte of a 24-byte block (8 pixels, a
// whole number of 16-bit vectors): byte j of the block, channel j mod 3,
// gets weight[t] * byte(j + t - 2), with the taps that reach outside the
// byte's own pixel set to 0.
struct GreyTaps {
    uint16_t weight[5][24];
};
constexpr GreyTaps MakeGreyTaps() {
    GreyTaps taps{};
    const uint16_t channelWeight[3] = {28, 151, 77};
    for (int j = 0; j < 24; ++j)
        for (int t = 0; t < 5; ++t) {
            const int channel = j % 3 + t - 2;  // the channel that tap t reads
            if (channel >= 0 && channel < 3) taps.weight[t][j] = channelWeight[channel];
        }
    return taps;
}
inline constexpr GreyTaps kGreyTaps = MakeGreyTaps();

}  // namespace detail

// Grey in place for one row of `pixels` pixels (see Grayscale), pixel by
// pixel.
inline void GrayRow(uint8_t* row, int pixels) {
    for (int x = 0; x < pixels; ++x) detail::GrayPixel(row + 3 * x, row + 3 * x);
}

// GrayRow of `in` written to `out`, which must not overlap it, with the
// fastest of the kernels below that the processor runs.
void GrayRowTo(const uint8_t* __restrict in, uint8_t* __restrict out, int pixels);

namespace detail {

// GrayRowTo for any x86-64. Each byte is worked out from the bytes of its
// own pixel with fixed weights per position in an 8-pixel block, so blocks
// run in 16-bit vector lanes instead of pixel by pixel; the sum (at most
// 256 * 255) fits in 16 bits. A block reads two bytes either side of
// itself with weight 0, so the first pixel and the last ones go pixel by
// pixel. (In place, those reads would meet the stores of the block before,
// which stalls the loads.)
inline void GrayRowToBlocks(const uint8_t* __restrict in, uint8_t* __restrict out, int pixels) {
    const size_t n = size_t(pixels) * 3;
    if (n == 0) return;
    GrayPixel(in, out);
    size_t i = 3;
    const auto& w = kGreyTaps.weight;
    for (; i + 26 <= n; i += 24) {
        const uint8_t* block = in + i;
        for (int j = 0; j < 24; ++j) {
            const uint16_t sum = uint16_t(uint16_t(w[0][j] * block[j - 2]) + uint16_t(w[1][j] * block[j - 1]) +
                                          uint16_t(w[2][j] * block[j]) + uint16_t(w[3][j] * block[j + 1]) +
                                          uint16_t(w[4][j] * block[j + 2]));
            out[i + size_t(j)] = uint8_t(sum >> 8);
        }
    }
    for (; i < n; i += 3) GrayPixel(in + i, out + i);
}

// GrayRowTo one pixel at a time, one weighted sum per pixel. Slower than
// the blocks with plain SSE2 but three times faster where the compiler has
// AVX2's byte shuffles to split the pixels into channels.
inline void GrayRowToPixels(const uint8_t* __restrict in, uint8_t* __restrict out, int pixels) {
    for (size_t x = 0; x < size_t(pixels > 0 ? pixels : 0); ++x) {
        const uint8_t* p = in + 3 * x;
        const uint8_t g = uint8_t(uint16_t(uint16_t(28 * p[0]) + uint16_t(151 * p[1]) + uint16_t(77 * p[2])) >> 8);
        out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = g;
    }
}

}  // namespace detail

}  // namespace corvessa
