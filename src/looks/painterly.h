#pragma once
// Drawing- and painting-like looks: colour negative, blends of the photo
// with a blurred copy of itself, mosaic painting and pencil sketch, built
// on the blur and mosaic filters.

#include "ground/bitmap.h"
#include "looks/render_context.h"

namespace corvessa {

// Every channel becomes 255 minus its value, in place.
void InvertColors(TBitmap& b);

// Dest becomes Source blended with a blurred copy of itself by `mode`
// (1 lighten, 2 darken, 3 darken in grey, 4 grey darken, 5 grey overlay,
// 6 screen, 7 colour pencil); any other mode leaves Dest the blurred
// photo. Source and Dest are different bitmaps.
void SketchBlend(const TBitmap& source, TBitmap& dest, int mode);

// Sharpens `b` in place towards the lower right: each channel v becomes
// clamp(v + (v - n) div 2) with n the already rewritten upper-left
// neighbour.
void DiagonalSharpen(TBitmap& b);

// Dest becomes a mosaic of Source (blocks of the larger side div 15),
// sharpened three times and overlaid on Source. Source and Dest are
// different bitmaps.
void MosaicPainting(const TBitmap& source, TBitmap& dest);

// Dest becomes a grey pencil drawing of Source; in Change Color mode
// overlaid with the user's colour (on cancel left grey). Source and Dest
// are different bitmaps.
void PencilSketch(const TBitmap& source, TBitmap& dest, const RenderContext& ctx);

}  // namespace corvessa
