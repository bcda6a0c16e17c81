#pragma once
// How far apart the ten thumbnails of one category are: the mean absolute
// byte difference between two thumbnails, over all 45 pairs of the ten.
// A user tells looks apart in the 105 x 105 strip, where each overlay
// picture is sampled only every 15 to 20 of its pixels; a category whose
// closest pair is near zero shows two looks the user cannot tell apart.

#include <span>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::lookpack {

// Mean of |a - b| over every byte; the two must have one size.
double MeanAbsDifference(const TBitmap& a, const TBitmap& b);

struct PairDifference {
    int a = 0, b = 0;  // effect numbers, 1-based
    double difference = 0;
};
struct StripSpread {
    std::vector<PairDifference> pairs;  // every pair, closest first
    double median = 0;                  // of the pair differences
    const PairDifference& Closest() const { return pairs.front(); }
};
// At least two thumbnails.
StripSpread SpreadOf(std::span<const TBitmap> thumbnails);

// Runs `render` (corvessa-render) with --strip `category` on `photo`, with
// --pic `picDir` unless it is empty, in a scratch folder, and returns the
// thumbnails 1.bmp .. 10.bmp it wrote. Throws with the renderer's error
// output when it fails.
std::vector<TBitmap> RenderedStrip(const std::string& render, const std::string& picDir, const std::string& category,
                                   const std::string& photo);

}  // namespace corvessa::lookpack
