#pragma once
// JPEG XL files through libjxl. No Qt.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

class PhotoMetadata;

// Whether the bytes start like a JPEG XL file: a bare codestream or the
// container.
bool IsJxl(const uint8_t* data, size_t size);

// The picture, with the orientation its codestream records applied (its
// Exif tag plays no part). Samples deeper than 8 bits and alpha become
// 24-bit colour by EightBitSample and OnWhite (PremultipliedOnWhite for
// premultiplied alpha). The first picture, blended from its layers as
// libjxl blends them, is the one decoded. The size the file claims, and
// that of all the layers of the first picture, is checked against the
// program's limits and the file's bytes before any pixel memory is taken,
// and the memory libjxl needs is asked for before it decodes. `warning`, when given, receives "" (libjxl decodes a file whole or not
// at all). The values are the file's own colours: `iccProfile`, when
// given, receives their profile, none for sRGB (a lossy file whose
// profile libjxl cannot produce is converted to it by Little CMS). Throws
// "Picture is too large", "Bitmap image is not valid: REASON" and "Not
// enough memory for the picture".
TBitmap DecodeJxl(const uint8_t* data, size_t size, std::string* warning = nullptr,
                  std::vector<uint8_t>* iccProfile = nullptr);

// What DecodeJxl would refuse of a file of `fileBytes` bytes from its
// first `headBytes` bytes alone: a start that is not a JPEG XL file's, a
// size within them that claims too much.
void CheckJxlStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes);

// The Exif (from its TIFF header on) and XMP boxes of a JPEG XL container,
// empty where it has none; Brotli-compressed boxes are left out.
struct JxlBoxes {
    std::vector<uint8_t> exif;
    std::string xmp;
};
JxlBoxes ReadJxlBoxes(const uint8_t* data, size_t size);

// The quality of the JPEG save (1..100) as libjxl's distance, as cjxl maps
// it: 100 is lossless (0), 90 is 1.0, 30 is 6.4, at most libjxl's 25 below.
float JxlDistance(int quality);

// libjxl's effort (1..9; cjxl's is 7) at which pictures are written. Of a
// 24-megapixel photo on two cores, effort 7 took 6 to 12 s and 2.1 GB of
// memory; 4 takes 1 to 1.5 s and 0.9 GB, for 0.4 dB less PSNR and a file
// 15 % smaller at the same distance (5 and 6 took 4 to 6 s). Lossless
// (quality 100) at effort 4 took 27 s; at 3 it takes 4.6 s for a file 4 %
// larger, and 1.4 GB at any effort.
inline constexpr int kJxlEffort = 4;
inline constexpr int kJxlLosslessEffort = 3;

// A JPEG XL file of the picture in sRGB at `quality` (JxlDistance) and
// kJxlEffort (kJxlLosslessEffort at quality 100), with the colour profile, Exif (orientation 1) and XMP of
// `metadata` (see SavedBlocks). Throws "Not enough memory to save as
// JPEG XL" when what libjxl needs cannot be had (it would abort the
// process).
std::vector<uint8_t> EncodeJxl(const TBitmap& picture, const PhotoMetadata& metadata, int quality = 90);

}  // namespace corvessa
