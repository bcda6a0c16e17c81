#pragma once
// JPEG decoding and encoding through libjpeg with the program's fixed
// settings. No Qt: the overlay-picture loader of the pixel core uses it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ground/bitmap.h"
#include "ground/error.h"

namespace corvessa {

// Pictures claiming more than this are refused before any pixel memory is
// allocated.
inline constexpr int64_t kMaxPicturePixels = 200'000'000;
inline constexpr int kMaxPictureSide = 65535;
// libjpeg's own limit (JPEG_MAX_DIMENSION), a little under the format's.
inline constexpr int kMaxJpegSide = 65500;
// No photo file packs more pixels into one of its bytes (a blank 1-bit
// PNG at deflate's best ratio packs about 8000); a header claiming more
// than its file could hold is broken.
inline constexpr int64_t kMaxPixelsPerFileByte = 16384;
// Streams with more scans, or whose scans visit more blocks for every byte
// of the file, are refused before they cost minutes of decoding.
inline constexpr int kMaxJpegScans = 100;
inline constexpr int64_t kMaxScanBlocksPerFileByte = 128;

// "Picture is too large (W x H)"
CorvessaError PictureTooLarge(int64_t width, int64_t height);
// Throws PictureTooLarge when a header claims too much.
void CheckPictureSize(int64_t width, int64_t height);
// "Bitmap image is not valid: REASON", the general reader's word for a
// picture file it cannot decode.
CorvessaError BrokenPicture(const std::string& reason);
// CheckPictureSize, and BrokenPicture when a file of `fileBytes` bytes
// claims more pixels than kMaxPixelsPerFileByte allows.
void CheckPictureClaim(int64_t width, int64_t height, size_t fileBytes);

// Padding (an unknown chunk, strips that share their data) lets a file of
// any size pass CheckPictureClaim, so readers that can tell which bytes
// hold the picture hold the claim to those. A real photo holds far more
// than a byte for every 64 pixels (a 200-megapixel phone JPEG some tens of
// megabytes, its PNG hundreds); only flat pictures get below that, and up
// to 50 megapixels they may, since they cost a second or two at most.
// Beyond that a file must bring a byte of picture data for every 64
// pixels above 50 megapixels (2.3 MB for 196 megapixels), so that a few
// kilobytes cannot cost many seconds and gigabytes.
inline constexpr int64_t kPixelsFreeOfDataRule = 50'000'000;
inline constexpr int64_t kMaxPixelsPerDataByteAboveFree = 64;
// CheckPictureSize, and BrokenPicture when `pictureDataBytes` bytes of
// picture data (the payloads of the chunks, strips or tiles the decoder
// reads pixels from, each byte counted once) claim more pixels than
// kMaxPixelsPerFileByte allows or, above kPixelsFreeOfDataRule, fewer than
// one byte for each kMaxPixelsPerDataByteAboveFree pixels beyond it.
void CheckPictureDataClaim(int64_t width, int64_t height, uint64_t pictureDataBytes);

// Full scale, floating-point inverse DCT, block smoothing on, colour
// output. Grey pictures come out with R = G = B; CMYK and YCCK are
// converted to RGB: to sRGB through the file's CMYK profile where it has
// one, else by the inks' plain products. Corrupt data that libjpeg only warns about (a truncated
// file, say) decodes as far as it goes; `warning`, when given, then
// receives "The file is incomplete: ..." for a stream that ends early, ""
// otherwise. Throws "JPEG error #N: LIBJPEG'S MESSAGE", also for a file
// far too small for the picture it claims, "Picture is too large" and "Not
// enough memory for the picture".
TBitmap DecodeJpeg(const uint8_t* data, size_t size, std::string* warning = nullptr);

// The colour profile a JPEG's APP2 markers before its picture data hold,
// when every chunk of it is there; empty otherwise.
std::vector<uint8_t> JpegIccProfile(const uint8_t* data, size_t size);

class ColourTransform;
// The conversion to sRGB of a CMYK JPEG's profile, of Adobe's inverted
// samples when the file has Adobe's marker, else of plain ones; null for
// a file without a CMYK profile.
std::shared_ptr<const ColourTransform> CmykConversionOf(const uint8_t* data, size_t size);

// What DecodeJpeg would refuse of a file of `fileBytes` bytes from its
// first `headBytes` bytes alone, thrown in DecodeJpeg's words: a start
// that is not a JPEG's, a frame header within them that claims too much.
void CheckJpegStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes);

// Quality 90, baseline, floating-point DCT, libjpeg's defaults otherwise.
// A picture with a side over kMaxJpegSide is refused with a message that
// says to save it as PNG or BMP.
std::vector<uint8_t> EncodeJpeg(const TBitmap& picture);

// How the encoder's output buffer is made and grown, with realloc's
// contract (tests fail it on purpose).
using JpegOutputGrowth = void* (*)(void* block, size_t bytes);
void* GrowWithRealloc(void* block, size_t bytes);
// EncodeJpeg with another quality (1..100); the overlay pictures that
// ship with the program are stored finer than saved photos.
std::vector<uint8_t> EncodeJpegWithQuality(const TBitmap& picture, int quality,
                                           JpegOutputGrowth grow = GrowWithRealloc);

}  // namespace corvessa
