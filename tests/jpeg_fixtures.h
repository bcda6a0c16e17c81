#pragma once
// JPEG streams of kinds the program itself never writes (grey, CMYK,
// progressive), made with libjpeg for the tests.

#include <cstdint>
#include <vector>

#include "routines/bitmap.h"

namespace corvessa::test {

enum class JpegKind { kColour, kGrey, kCmyk, kAdobeCmyk, kProgressive };

std::vector<uint8_t> MakeJpeg(const TBitmap& picture, JpegKind kind, int quality = 95);

}  // namespace corvessa::test
