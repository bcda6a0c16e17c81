#pragma once
// WebP files through libwebp, camera data in their EXIF, ICCP and XMP
// chunks through libwebpmux. No Qt.

#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

class PhotoMetadata;

// The quality at which a WebP of a photo comes out about the size of our
// JPEG save at quality 90 (a 720 x 477 photo of 137 KB as JPEG: 112 KB at
// 90, 135 KB at 93).
inline constexpr int kWebpQuality = 93;

// A lossy WebP of the picture at `quality` (1..100, libwebp's scale; 100
// is still lossy), with the Exif data (orientation 1), XMP and colour
// profile of `metadata` (see SavedBlocks). Pictures wider or taller than
// WebP's 16383 are refused: "Picture is too large for WebP (W x H)".
std::vector<uint8_t> EncodeWebp(const TBitmap& picture, const PhotoMetadata& metadata, int quality = kWebpQuality);

}  // namespace corvessa
