#pragma once
// The blank-photo check Open makes: a photo that came out of the reader as
// one uniform colour is painted white.

#include "ground/bitmap.h"
#include "ground/random.h"

namespace corvessa {

// A photo that came out of the reader as one uniform colour (eleven random
// samples all equal to the pixel at (4, 8)) is painted white. Photos too
// small to have that pixel are never whitened. Seeds `random` from the
// clock. Returns whether the photo was whitened.
bool BlankPhotoCheck(TBitmap& photo, RandomGenerator& random);
// The test of BlankPhotoCheck alone, and its whitening.
bool LooksBlank(const TBitmap& photo, RandomGenerator& random);
void PaintWhite(TBitmap& photo);

}  // namespace corvessa
