#pragma once
// Picture files of kinds the program itself never writes: grey, CMYK,
// progressive and arithmetic-coded JPEG streams (made with libjpeg)
// and BMPs of every depth.

#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::test {

enum class JpegKind { kColour, kGrey, kCmyk, kAdobeCmyk, kProgressive, kArithmetic };

// `iccProfile`, when given, in APP2 markers. A CMYK picture's inks are
// the complements of its red, green and blue (K none).
std::vector<uint8_t> MakeJpeg(const TBitmap& picture, JpegKind kind, int quality = 95,
                              const std::vector<uint8_t>& iccProfile = {});

// A BMP file of the given depth (1, 4, 8 with a grey palette; 16 as 5-5-5;
// 24; 32 as 0x00RRGGBB) whose pixel x, y is palette entry (x + y) % n or
// the colour (x*40, y*60, 90).
std::vector<uint8_t> MakeBmp(int width, int height, int bits);

}  // namespace corvessa::test
