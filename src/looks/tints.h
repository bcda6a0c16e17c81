#pragma once
// Colour tints: routines that change the colours of a photo without
// moving any pixel.

#include "ground/bitmap.h"
#include "looks/render_context.h"

namespace corvessa {

// The mask pictures of the two mask tints.
inline constexpr PictureName kPictureColorTintMask{"color", 1};
inline constexpr PictureName kColorMaskTintMask{"color", 2};

// Dest becomes Source after two hard-light passes of every channel with
// itself (an S curve). Source and Dest are different bitmaps.
void ContrastCurve(const TBitmap& source, TBitmap& dest);

// Colour-burns `b` in place with `colour` (the photo is the first
// argument). In Change Color mode the user's choice replaces `colour`;
// on cancel `colour` is used.
void ColorBurnTint(TBitmap& b, Rgb colour, const RenderContext& ctx);

// Greys `b` and overlays it with green, magenta, yellow and orange
// quadrants in place.
void QuadColorTint(TBitmap& b);

// Tints `b` in place through the mask picture kPictureColorTintMask: mode 1 mixes
// the photo with its colour-burned grey, any other mode the grey photo
// with its colour-burned copy. Asks for the colour as ColorBurnTint does.
// A missing or broken mask throws before `b` is touched.
void PictureColorTint(TBitmap& b, int mode, Rgb colour, const RenderContext& ctx);

// Dest (given Photo's size) becomes Photo tinted with `colour` through the
// mask picture pic/color/2.ssl. In Change Color mode the user's choice
// replaces `colour`; on cancel `colour` is used. Photo and Dest are
// different bitmaps; a missing or broken mask throws before Dest is touched.
void ColorMaskTint(const TBitmap& photo, TBitmap& dest, Rgb colour, const RenderContext& ctx);

}  // namespace corvessa
