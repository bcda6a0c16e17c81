#pragma once
// HEIF (HEIC) and AVIF files through libheif. No Qt.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// libheif lays out a tiled picture, or one whose data describe another
// size, before its size can be checked; holding it to this side (that of
// the widest phone panoramas) keeps the cost of such a file near that of
// the largest picture the program takes. Wider HEIF and AVIF pictures are
// refused as too large.
inline constexpr int kMaxHeifSide = 16384;

// Whether the bytes start like a HEIF or AVIF file.
bool IsHeif(const uint8_t* data, size_t size);

// The primary image, with the cropping, rotation and mirroring the file
// records applied as libheif applies them (the Exif orientation tag plays
// no part here; see HeifMetadata::transformed). Samples deeper than 8 bits and alpha become 24-bit colour by
// EightBitSample and OnWhite. The sizes the file claims, its number of
// items and the tiles of its grids are checked against the bytes of its
// coded pictures before libheif parses it, and the memory decoding needs
// before anything is decoded. Throws "Picture is too large", "Bitmap image
// is not valid: REASON" (libheif's own words, or that the file claims more
// than it holds) and "Not enough memory for the picture".
TBitmap DecodeHeif(const uint8_t* data, size_t size);

// The camera data of the primary image, each part empty where the file has
// none or it cannot be read.
struct HeifMetadata {
    std::vector<uint8_t> exif;  // from the TIFF header on
    std::string xmp;
    std::vector<uint8_t> iccProfile;
    // The file records a rotation or mirroring (irot, imir), which
    // DecodeHeif applies; its Exif orientation then only repeats it (as in
    // phones' files). A file without them (libheif's heif-enc before 1.17
    // keeps a JPEG's orientation in the Exif data alone) is turned by its
    // Exif tag, as a JPEG is.
    bool transformed = false;
};
HeifMetadata ReadHeifMetadata(const uint8_t* data, size_t size);

}  // namespace corvessa
