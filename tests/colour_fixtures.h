#pragma once
// Colour profiles made with Little CMS for the tests, and Little CMS's own
// conversions in full precision to hold the program's to.

#include <cstdint>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::test {

enum class TestProfile {
    kAdobeRgb,       // Adobe RGB (1998): wide green, gamma 563/256, D65
    kDisplayP3,      // P3 primaries, sRGB's curve, D65: phones' photos
    kProPhoto,       // ROMM primaries, gamma 1.8, D50
    kLinearRec2020,  // BT.2020 primaries, linear light
    kSrgb,           // Little CMS's own sRGB
    kTabulated,      // Adobe RGB's primaries, a curve given as a table
                     // that no JPEG XL colour encoding expresses
};
const char* NameOf(TestProfile profile);
// The ICC bytes of a version 4 RGB profile (a v2 one when `version2`).
std::vector<uint8_t> IccProfileOf(TestProfile profile, bool version2 = false);
// A CMYK printer profile whose inks are not the naive ones (cyan leaks
// into green, black is warm), so that a conversion through it is told
// from the naive one. Its A2B0 table maps CMYK (0 for no ink) to Lab.
std::vector<uint8_t> CmykIccProfile();

// Little CMS's conversion, in double precision and without its 8-bit
// shortcuts, of `picture` (blue, green, red) from `from` to `to` (empty:
// sRGB), perceptual, rounded to 8 bits.
TBitmap ReferenceConverted(const TBitmap& picture, const std::vector<uint8_t>& from,
                           const std::vector<uint8_t>& to = {});
// The same of CMYK rows (`inverted`: 0 for full ink, as Adobe stores it).
TBitmap ReferenceFromCmyk(const std::vector<uint8_t>& cmyk, int width, int height,
                          const std::vector<uint8_t>& profile, bool inverted);

// The description of a profile's bytes, "" when Little CMS cannot open it.
std::string ProfileDescription(const std::vector<uint8_t>& icc);
// The largest difference in 8-bit steps between what two RGB profiles make
// of a grid of values, in sRGB: 0 or 1 for the same colours.
int ProfileDistance(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b);

}  // namespace corvessa::test
