#pragma once
// Blur and mosaic as filters on a bitmap. The looks blur and mosaic through
// these; the effect component offers them as Effect_SplitBlur,
// Effect_GaussianBlur and Effect_Mosaic. An empty bitmap passes through.

#include "ground/bitmap.h"

namespace corvessa {

// One SplitBlur pass of distance `distance` in place: every pixel becomes
// the mean of four pixels, the columns `distance` to its left and right in
// the rows `distance` above and below, with the rows and columns near the
// lower and right edges taken from near the opposite edges. The pass reads
// rows it has already rewritten; that order is part of the result.
// Distance 0 changes nothing; indices outside the picture are clamped.
void SplitBlur(TBitmap& bitmap, int distance);

// extraPasses + 1 SplitBlur passes of distance 3 in place; none for a
// negative count.
void GaussianBlur(TBitmap& bitmap, int extraPasses);

// `target` becomes `source` in blocks of blockSize x blockSize pixels, each
// the colour of its top-left pixel; blocks are anchored at (0, 0) and cut
// off at the right and bottom edges. A block size of 1 or less gives a copy.
// Source and target are different bitmaps.
void Mosaic(const TBitmap& source, TBitmap& target, int blockSize);

}  // namespace corvessa
