#pragma once
// PNG files through libpng. No Qt.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// Any PNG: 1 to 16 bits, grey, palette, colour, with or without alpha or a
// transparent colour, interlaced or not. 16-bit samples and alpha become
// 24-bit colour by EightBitSample and OnWhite (alpha is made 8-bit first).
// Gamma and colour chunks are not applied: the samples are taken as they
// are stored, as for every other format. Throws "Picture is too large",
// "Bitmap image is not valid: REASON" (libpng's own words, or that the
// file ends early or claims more than it holds) and "Not enough memory for
// the picture".
TBitmap DecodePng(const uint8_t* data, size_t size);

// The bytes of picture data a PNG holds, by which DecodePng holds its
// claim to CheckPictureDataClaim: the payloads of its first run of IDAT
// chunks (libpng reads no further), as far as the file holds them.
uint64_t PngPictureDataBytes(const uint8_t* data, size_t size);

// What DecodePng would refuse of a file of `fileBytes` bytes from its first
// `headBytes` bytes alone, thrown in DecodePng's words: a signature that
// is not a PNG's, a header claiming too much.
void CheckPngStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes);

// The colour profile of a PNG's iCCP chunk, inflated whole; empty when the
// file has none before its picture data, or when its compressed stream is
// broken, ends early or inflates to more than 64 MB.
std::vector<uint8_t> PngIccProfile(const uint8_t* data, size_t size);

// zlib's best fast level: a 24-megapixel photo is compressed in about a
// quarter of the time its default level 6 takes, for 7 % more bytes.
inline constexpr int kPngLevel = 3;

// 8-bit RGB, lossless, at zlib's `level` (0..9). The rows are filtered as
// libpng filters them (each row by the filter that predicts it best) and
// compressed on every row thread (ground/parallel.h) into one stream.
// `iccProfile` goes into an iCCP chunk when libpng finds it fit for an RGB
// picture (a profile of another colour space is left out), `exif` (a
// TIFF-structured Exif block) into an eXIf chunk.
std::vector<uint8_t> EncodePng(const TBitmap& picture, const std::vector<uint8_t>& iccProfile = {},
                               const std::vector<uint8_t>& exif = {}, int level = kPngLevel);

}  // namespace corvessa
