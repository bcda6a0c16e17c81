#pragma once
// Where a portrait's subject is, and how much a look changes it there. A
// face in a portrait or a landscape with a person sits in the middle of
// the frame, in its upper part: the head zone, the middle 40 % across
// from 12 % to 45 % down. The frames must leave it alone, and the light
// accents and sparkles keep off it and off the middle of the frame.

#include <string>

#include "ground/bitmap.h"

namespace corvessa::lookpack {

// A rectangle in fractions of a picture's width and height.
struct Zone {
    double x0, y0, x1, y1;
};
inline constexpr Zone kHeadZone{0.3, 0.12, 0.7, 0.45};
inline constexpr Zone kMiddleZone{0.25, 0.25, 0.75, 0.75};

// Mean of |a - b| over every byte inside `zone`; a and b of one size.
double MeanChangeIn(const TBitmap& a, const TBitmap& b, const Zone& zone);

// Mean luminance (as the mask blend weighs it) inside `zone`.
double MeanLumaIn(const TBitmap& picture, const Zone& zone);

// Photos shaped as a portrait (2:3) and as a landscape (3:2), generated
// (the trunk photo), for measuring looks on a subject.
TBitmap PortraitPhoto();
TBitmap LandscapePhoto();

}  // namespace corvessa::lookpack
