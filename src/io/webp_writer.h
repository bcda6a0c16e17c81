#pragma once
// WebP files through libwebp, camera data in their EXIF, ICCP and XMP
// chunks through libwebpmux. No Qt.

#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

class PhotoMetadata;

// The quality at which a WebP of a photo comes out about the size of our
// JPEG save at quality 90: of a 720 x 477 photo (136 KB as JPEG) and a
// smooth 525 x 390 scene (46 KB), 133 KB and 44 KB.
inline constexpr int kWebpQuality = 93;

// A lossy WebP of the picture at `quality` (1..100, libwebp's scale; 100
// is still lossy), with the Exif data (orientation 1), XMP and colour
// profile of `metadata` (see SavedBlocks). Pictures wider or taller than
// WebP's 16383 are refused: "Picture is too large for WebP (W x H)"; so is
// one whose encoding cannot have its memory: "Not enough memory to save
// as WebP".
std::vector<uint8_t> EncodeWebp(const TBitmap& picture, const PhotoMetadata& metadata, int quality = kWebpQuality);

}  // namespace corvessa
