#pragma once
// Camera raws and JPEG XL files made in the test, and what the libraries'
// own readers (dcraw_emu, libjxl, libwebp, libheif) make of files.

#include <cstdint>
#include <string>
#include <vector>

#include "format_fixtures.h"
#include "ground/bitmap.h"

namespace corvessa::test {

inline constexpr const char* kTestRawMake = "Corvessa Optics";
inline constexpr const char* kTestRawModel = "CX-1 Raw";

// A DNG written tag by tag: a 16-bit RGGB mosaic of `width` x `height`
// (12 bits used, smooth ramps with a little texture), a colour matrix, the
// camera's white balance and `orientation`, with kTestRawMake and
// kTestRawModel. A hostile one claims `claimWidth` x `claimHeight` while
// holding the mosaic of `width` x `height` only.
struct DngOptions {
    int width = 48, height = 32;
    int orientation = 1;
    uint32_t claimWidth = 0, claimHeight = 0;
};
std::vector<uint8_t> MakeDng(const DngOptions& options = {});

// A DNG whose mosaic (as MakeDng's) is stored as square tiles, each a
// lossless JPEG of 12-bit samples, as Adobe's converter writes raws. A
// hostile one claims `claimWidth` x `claimHeight` and points every tile
// at one tile of a flat grey; `firstTileClaims` makes the first tile's
// frame header claim that many rows and columns.
struct LosslessDngOptions {
    int width = 64, height = 48, tileSide = 32;
    uint32_t claimWidth = 0, claimHeight = 0;
    int firstTileClaims = 0;
};
std::vector<uint8_t> MakeLosslessDng(const LosslessDngOptions& options = {});

// What `dcraw_emu -w` (and `-h` for `half`) develops of a raw, as our
// bitmaps hold pixels.
TBitmap DcrawDeveloped(const std::vector<uint8_t>& raw, bool half);

// A lossless JPEG XL of the samples (any channels, 8 or 16 bits) through
// libjxl, its codestream recording `orientation`, and Exif (a 4-byte offset before it) and XMP boxes when given.
struct JxlOptions {
    int orientation = 1;
    // A colour profile instead of sRGB; with `lossy` the picture is coded
    // in libjxl's own colours (XYB) at distance 1, as cjxl codes photos.
    std::vector<uint8_t> iccProfile = {};
    bool lossy = false;
    std::vector<uint8_t> exif = {};  // from the TIFF header on
    std::string xmp = {};
};
std::vector<uint8_t> MakeJxl(const Samples& samples, const JxlOptions& options = {});
// A still JPEG XL of `layers` zero-duration layers (lossless, libjxl's
// fastest effort) over a canvas of `width` x `height`: the first a colour
// covering it, each further one a rectangle of another colour, a pixel
// further in each way, blended over what is there. Each layer is coded at
// 1 / `resampling` of its size and stretched by the decoder.
std::vector<uint8_t> MakeLayeredJxl(int width, int height, int layers, int resampling = 1);
// A bare JPEG XL codestream header claiming `width` x `height`, written bit
// by bit, and nothing after it.
std::vector<uint8_t> JxlHeaderClaiming(uint32_t width, uint32_t height);

// The picture that the format's own library decodes a file to ("webp":
// libwebp, "heic" and "avif": libheif, "jxl": libjxl), and the Exif
// block it finds (from the TIFF header on).
TBitmap LibraryDecoded(const std::vector<uint8_t>& file, const std::string& format);
std::vector<uint8_t> LibraryExif(const std::vector<uint8_t>& file, const std::string& format);

}  // namespace corvessa::test
