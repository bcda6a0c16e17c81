#pragma once
// Compositing a photo with an overlay picture from the program's pic
// folder: the photo seen through the picture against a solid colour, the
// picture screened or overlaid onto the photo, and recolouring a picture
// with a colour the user picks.

#include "ground/bitmap.h"
#include "looks/render_context.h"

namespace corvessa {

// Dest (given Photo's size) shows Photo where `picture` is white and a
// solid colour where it is black. The colour is `defaultFill`; in Change
// Color mode the user's choice, or on cancel the colour last set on Dest.
// Photo and Dest are different bitmaps. A missing or broken picture throws
// before Dest is touched.
void MaskOverlay(const TBitmap& photo, TBitmap& dest, PictureName picture, Rgb defaultFill,
                 const RenderContext& ctx);

// How OverlayPicture puts a picture onto the photo.
enum class OverlayBlend {
    kScreen,   // BlendScreen(photo, picture): lights, stars, weather, dreams
    kOverlay,  // BlendOverlay(photo, picture), the photo compared with 128: gradients, textures
};

// Dest (given Photo's size) becomes Photo combined with `picture`
// stretched to its size by `blend`. In Change Color mode the picture is
// recoloured first (ColorizeOverlay). Photo and Dest are different bitmaps.
void OverlayPicture(const TBitmap& photo, TBitmap& dest, PictureName picture, OverlayBlend blend,
                    const RenderContext& ctx);

// Asks for a colour (always); unless cancelled, greys `picture` and
// overlays it with that colour in place.
void ColorizeOverlay(TBitmap& picture, const RenderContext& ctx);

}  // namespace corvessa
