#pragma once
// Compositing a photo with an overlay picture from the program's pic
// folder: the photo seen through the picture against a solid colour, the
// picture screened or overlaid onto the photo, and recolouring a picture
// with a colour the user picks.

#include <string>

#include "routines/bitmap.h"
#include "routines/render_context.h"

namespace corvessa {

// Dest (given Photo's size) shows Photo where pic/<category>/<number>.ssl
// is white and a solid colour where it is black. The colour is
// `defaultFill`; in Change Color mode the user's choice, or on cancel the
// colour last set on Dest. Photo and Dest are different bitmaps. A missing
// or broken picture throws before Dest is touched.
void MaskOverlay(const TBitmap& photo, TBitmap& dest, const std::string& category,
                 const std::string& number, Rgb defaultFill, const RenderContext& ctx);

// Dest (given Photo's size) becomes Photo combined with
// pic/<category>/<number>.ssl stretched to its size: overlay for the
// categories "gradient" and "texture" (any letter case), screen for all
// others. In Change Color mode the picture is recoloured first
// (ColorizeOverlay). Photo and Dest are different bitmaps.
void OverlayPicture(const TBitmap& photo, TBitmap& dest, const std::string& category,
                    const std::string& number, const RenderContext& ctx);

// Asks for a colour (always); unless cancelled, greys `picture` and
// overlays it with that colour in place.
void ColorizeOverlay(TBitmap& picture, const RenderContext& ctx);

}  // namespace corvessa
