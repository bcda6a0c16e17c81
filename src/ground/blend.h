#pragma once
// The seven per-channel blend helpers, MaskBlend and Grayscale: the
// arithmetic every photo look is composed from. The row kernels that apply
// a helper to whole rows, and the blend pass over bitmaps built on them,
// are in ground/blend_rows.h.

#include "ground/bitmap.h"

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
