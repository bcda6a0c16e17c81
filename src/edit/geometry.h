#pragma once
// The geometry's steps one by one, for ApplyEdits and the tests.

#include "edit/edit.h"

namespace corvessa {

// The angle straightening turns by: `degrees` on the 0.1-degree grid,
// within -45..45.
double StraightenAngle(double degrees);
// The largest upright rectangle of the shape of a `width` x `height`
// picture inside that picture turned by `degrees` about its centre.
PixelRect StraightenedRect(int width, int height, double degrees);

// Quarter turns clockwise, then mirrored: an exact permutation of pixels.
TBitmap TurnAndMirror(const TBitmap& photo, int quarterTurns, bool flipHorizontal, bool flipVertical);
// Turned clockwise by `degrees` about its centre and cut to
// StraightenedRect, each pixel sampled bicubically.
TBitmap Straighten(const TBitmap& photo, double degrees);
// An exact copy of `rect`, which lies inside the photo.
TBitmap CopyRect(const TBitmap& photo, const PixelRect& rect);

}  // namespace corvessa
