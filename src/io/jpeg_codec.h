#pragma once
// JPEG decoding and encoding through libjpeg with the program's fixed
// settings. No Qt: the overlay-picture loader of the pixel core uses it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "routines/bitmap.h"

namespace corvessa {

// Pictures claiming more than this are refused before any pixel memory is
// allocated.
inline constexpr int64_t kMaxPicturePixels = 200'000'000;
inline constexpr int kMaxPictureSide = 65535;
// Throws "Picture is too large (W x H)" when a header claims too much.
void CheckPictureSize(int64_t width, int64_t height);

// Full scale, floating-point inverse DCT, block smoothing on, colour
// output. Grey pictures come out with R = G = B; CMYK and YCCK are
// converted to RGB. Corrupt data that libjpeg only warns about (a truncated
// file, say) decodes as far as it goes. Throws "JPEG error #N".
TBitmap DecodeJpeg(const uint8_t* data, size_t size);

// Quality 90, baseline, floating-point DCT, libjpeg's defaults otherwise.
std::vector<uint8_t> EncodeJpeg(const TBitmap& picture);
// The same with another quality (1..100); the overlay pictures that ship
// with the program are stored finer than saved photos.
std::vector<uint8_t> EncodeJpegWithQuality(const TBitmap& picture, int quality);

}  // namespace corvessa
