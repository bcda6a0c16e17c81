#pragma once
// Pictures made smaller for the screen by area averaging, so that a photo
// shown smaller than its pixels looks like the photo: fine lines, grain and
// sketch strokes average out instead of turning into speckle. Only the
// screen sees these pictures; nothing the program renders or saves is made
// this way. No Qt.

#include <cstdint>

#include "ground/bitmap.h"

namespace corvessa {

struct DisplayArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// The source binned into blocks of kx x ky pixels (each the blocks' mean),
// kept between calls for the same source and block size: the costly pass
// over a large photo is made once per zoom level, and each repaint or pan
// works from the small binned picture.
class DisplayScaler {
public:
    // Forgets the binned picture (the source's pixels have changed).
    void Reset() { source_ = nullptr; }

    // `out` becomes the part `area` of `source` scaled to targetWidth x
    // targetHeight: along an axis the picture shrinks on, each target pixel
    // is the mean of the source pixels it covers; along one it grows on,
    // the nearest source pixel (target x takes source x * sw / tw, as every
    // scaled draw of the program does). `area` lies within the target.
    void Scale(const TBitmap& source, int targetWidth, int targetHeight, DisplayArea area, TBitmap& out);

private:
    const TBitmap* source_ = nullptr;
    int kx_ = 0, ky_ = 0;
    TBitmap binned_;
};

}  // namespace corvessa
