#pragma once
// The seven per-channel blend helpers, the blend pass that applies one of
// them to whole bitmaps, MaskBlend and Grayscale. Every photo effect is
// composed from these.

#include <cstdint>

#include "routines/bitmap.h"
#include "routines/parallel.h"

namespace corvessa {

// a, b and the result are channel values 0..255.
constexpr int BlendColorDodge(int a, int b) {
    if (b == 255) return 255;
    const int v = (a * 256) / (255 - b);
    return v > 255 ? 255 : v;
}
// Divides by 256, not 255: Screen(0, 0) is 1.
constexpr int BlendScreen(int a, int b) { return 255 - (((255 - a) * (255 - b)) >> 8); }
constexpr int BlendLighten(int a, int b) { return a > b ? a : b; }
constexpr int BlendDarken(int a, int b) { return a < b ? a : b; }
// The step at 128 is on the second argument.
constexpr int BlendHardLight(int a, int b) {
    return b < 128 ? (a * b) >> 7 : 255 - (((255 - a) * (255 - b)) >> 7);
}
constexpr int BlendColorBurn(int a, int b) {
    if (b == 0) return 0;
    const int v = 255 - ((255 - a) * 256) / b;
    return v < 0 ? 0 : v;
}
// The step at 128 is on the first argument.
constexpr int BlendOverlay(int a, int b) {
    return a < 128 ? (a * b) >> 7 : 255 - (((255 - a) * (255 - b)) >> 7);
}

using BlendFn = int (*)(int, int);

// The two helpers that divide, as 256 x 256 tables indexed [a][b]: a
// division per byte keeps a loop from being vectorised, a lookup is cheap.
const uint8_t* ColorDodgeTable();
const uint8_t* ColorBurnTable();

// out[i] = F(a[i], b[i]) for n bytes; out may be a or b.
template <BlendFn F>
void BlendRow(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) {
    if constexpr (F == &BlendColorDodge || F == &BlendColorBurn) {
        const uint8_t* table = F == &BlendColorDodge ? ColorDodgeTable() : ColorBurnTable();
        for (size_t i = 0; i < n; ++i) out[i] = table[size_t(a[i]) << 8 | b[i]];
    } else {
        for (size_t i = 0; i < n; ++i) out[i] = uint8_t(F(a[i], b[i]));
    }
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

// out[i] = (w[i]*over[i] + (255 - w[i])*base[i]) div 255 for n bytes: the
// MaskBlend mix with the weights per byte. out may be over or base.
inline void MixRow(const uint8_t* weights, const uint8_t* over, const uint8_t* base, uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const unsigned w = weights[i];
        out[i] = uint8_t(Div255(w * over[i] + (255 - w) * base[i]));
    }
}

// Grey in place for one row of `pixels` pixels (see Grayscale).
inline void GrayRow(uint8_t* row, int pixels) {
    for (int x = 0; x < pixels; ++x) {
        uint8_t* p = row + 3 * x;
        const uint8_t g = uint8_t((28 * p[0] + 151 * p[1] + 77 * p[2]) >> 8);
        p[0] = p[1] = p[2] = g;
    }
}

// The luminance weight of a mask pixel: Round(R*0.3 + G*0.59 + B*0.11)
// evaluated in extended precision, halves to even.
int MaskWeight(int r, int g, int b);

// Mixes Over into Base in place, weighted by the luminance of Mask:
// Base := (w*Over + (255-w)*Base) div 255 per channel. Over and Mask are at
// least as large as Base.
void MaskBlend(TBitmap& base, const TBitmap& over, const TBitmap& mask);

// Grey in place: g = (28*blue + 151*green + 77*red) shr 8 into all channels.
void Grayscale(TBitmap& b);

}  // namespace corvessa
