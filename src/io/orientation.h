#pragma once
#include "ground/bitmap.h"

namespace corvessa {

// Turns a photo stored with the camera's orientation tag (1..8) upright:
// 2 mirrors left-right, 3 turns half round, 4 mirrors top-bottom, 5
// transposes, 6 turns a quarter clockwise, 7 transverses, 8 turns a
// quarter anticlockwise. 1 and unknown values leave the photo as it is.
void ApplyOrientation(TBitmap& photo, int orientation);

}  // namespace corvessa
