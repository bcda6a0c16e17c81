#pragma once
#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// A Windows BMP file: 24 bits per pixel, uncompressed, rows bottom-up and
// padded to 4 bytes.
std::vector<uint8_t> EncodeBmp(const TBitmap& picture);

}  // namespace corvessa
