#pragma once
// A look at less than full strength: the look mixed with the photo it was
// rendered from, byte by byte.

#include <cstddef>
#include <cstdint>

#include "ground/bitmap.h"

namespace corvessa {

inline constexpr int kFullStrength = 100;

// (s * look + (100 - s) * photo + 50) div 100 for one byte and strength s
// (0..100): exactly the look at 100, exactly the photo at 0.
constexpr uint8_t MixByStrength(int look, int photo, int s) {
    return uint8_t((s * look + (kFullStrength - s) * photo + 50) / kFullStrength);
}

// out[i] = MixByStrength(look[i], photo[i], s) for n bytes; out may be
// look or photo.
void MixRowByStrength(const uint8_t* look, const uint8_t* photo, uint8_t* out, size_t n, int s);

// `out` becomes `look` at strength s (clamped to 0..100) over `photo`, on
// all cores. Look and photo have the same size; out may be either of them.
void MixByStrength(const TBitmap& look, const TBitmap& photo, int s, TBitmap& out);

}  // namespace corvessa
