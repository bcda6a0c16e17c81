#pragma once
// The display's colour profile, as the desktop publishes it: the ICC
// profile in the X root window's _ICC_PROFILE property (colord and the
// desktops' colour settings set it for the monitor), sRGB where none is set
// or the program runs without X. The views paint a photo converted from
// its profile to this one (widgets/image_view.h); a photo and a display
// that are both sRGB cost nothing.

#include <cstdint>
#include <vector>

#include "io/colour_profile.h"

namespace corvessa {

// The display profile the property's bytes give: a whole RGB profile, else
// sRGB.
inline ColourProfile DisplayProfileOf(const std::vector<uint8_t>& property) { return KeptProfile(property); }

// The bytes of the root window's _ICC_PROFILE property on the X display
// the program shows on; empty without one.
std::vector<uint8_t> ReadIccProfileProperty();

}  // namespace corvessa
