#pragma once
// Making a photo smaller for sharing: Lanczos-3, in linear light (the
// photo's bytes taken as sRGB-encoded, as every viewer shows them), so a
// fine pattern of light and dark keeps its brightness instead of going
// dark as it does when the bytes themselves are averaged. Separable (rows
// first, then columns) and on every row thread. No Qt.

#include "ground/bitmap.h"

namespace corvessa {

// The size that fits `width` x `height` inside `boxWidth` x `boxHeight`,
// its shape kept (each side rounded, at least 1). Never larger than the
// photo: a photo that fits already keeps its size.
struct PictureSize {
    int width = 0, height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};
PictureSize FitInside(int width, int height, int boxWidth, int boxHeight);
// The size whose longer side is `longEdge`, or the photo's own when it is
// not longer.
PictureSize WithLongEdge(int width, int height, int longEdge);

// `source` resampled to `width` x `height` (each at least 1) by Lanczos-3
// in linear light; the same size gives a copy. Throws NotEnoughMemory, and
// WorkStopped when the work was given up on (ground/stop.h).
TBitmap Resample(const TBitmap& source, int width, int height);

// sRGB's encoding of a byte as light (0..1) and back, rounded.
float LinearOfByte(uint8_t value);
uint8_t ByteOfLinear(float light);

}  // namespace corvessa
