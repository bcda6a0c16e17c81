#pragma once
// Line patterns: a small pattern picture scaled to a square tile, repeated
// over the photo, and a solid colour let through where it is dark.

#include "ground/bitmap.h"
#include "looks/render_context.h"

namespace corvessa {

// Covers `big` with copies of `tile` from the top-left corner, so pixel
// (x, y) becomes tile pixel (x mod tw, y mod th); copies are cut off at the
// right and bottom edges. On return `tile` is the top band of `big`
// (big's width by th). `tile` is at least 1 by 1 and a different bitmap.
void TilePicture(TBitmap& big, TBitmap& tile);

// The pattern picture of line look n.
constexpr PictureName LinePatternPicture(int n) { return {"line", n}; }

// Dest (given Photo's size) becomes Photo with the pattern LinePatternPicture(n)
// tiled over it in green, or in Change Color mode the user's colour (on
// cancel the colour last set on Dest). Tiles are the shorter side div 16
// (n < 8) or div 8 (n >= 8); a photo too small for a 1-pixel tile gives an
// exact copy of the photo. Photo and Dest are different bitmaps; a missing
// or broken pattern throws before Dest is touched.
void LinePattern(const TBitmap& photo, TBitmap& dest, int n, const RenderContext& ctx);

}  // namespace corvessa
