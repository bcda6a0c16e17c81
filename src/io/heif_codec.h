#pragma once
// HEIF (HEIC) and AVIF files through libheif. No Qt.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ground/bitmap.h"
#include "io/colour_profile.h"

namespace corvessa {

class PhotoMetadata;

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
    // The colour description (nclx) the file gives, beside or instead of a
    // profile: libheif converts to RGB by its matrix, and the RGB values
    // mean the colours of its primaries and curve.
    std::optional<ColourDescription> colour;
    // The file records a rotation or mirroring (irot, imir), which
    // DecodeHeif applies; its Exif orientation then only repeats it (as in
    // phones' files). A file without them (libheif's heif-enc before 1.17
    // keeps a JPEG's orientation in the Exif data alone) is turned by its
    // Exif tag, as a JPEG is.
    bool transformed = false;
};
HeifMetadata ReadHeifMetadata(const uint8_t* data, size_t size);

// The writers' codings: HEVC (HEIC) and AV1 (AVIF).
enum class HeifCoding { kHevc, kAv1 };
// The qualities (libheif's 0..100) at which a photo comes out about the
// size of our JPEG save (quality 90); x265 and aom weigh quality very
// differently. Of a 720 x 477 photo (136 KB as JPEG) and a smooth
// 525 x 390 scene (46 KB): HEIC at 68 122 KB and 50 KB, AVIF at 90 130 KB
// and 47 KB.
inline constexpr int kHeicQuality = 68;
inline constexpr int kAvifQuality = 90;
// Whether libheif has an encoder for `coding` (x265 for HEVC, aom or
// rav1e for AV1).
bool CanEncodeHeif(HeifCoding coding);
// An 8-bit HEIC or AVIF of the picture (4:2:0) at `quality`, with the Exif
// data (orientation 1), XMP and colour profile of `metadata` (see
// SavedBlocks); no rotation is recorded, the pixels being upright. Throws
// "Picture is too large for HEIF (W x H)" beyond kMaxHeifSide,
// "Stream write error: libheif has no encoder for FORMAT" where the
// library was built without one, and "Not enough memory to save as HEIC"
// (AVIF) when what the encoder needs cannot be had before it starts.
std::vector<uint8_t> EncodeHeif(const TBitmap& picture, const PhotoMetadata& metadata, HeifCoding coding, int quality);
inline std::vector<uint8_t> EncodeHeic(const TBitmap& picture, const PhotoMetadata& metadata, int quality = kHeicQuality) {
    return EncodeHeif(picture, metadata, HeifCoding::kHevc, quality);
}
inline std::vector<uint8_t> EncodeAvif(const TBitmap& picture, const PhotoMetadata& metadata, int quality = kAvifQuality) {
    return EncodeHeif(picture, metadata, HeifCoding::kAv1, quality);
}

}  // namespace corvessa
