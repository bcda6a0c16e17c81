#pragma once
// Picture files of the formats the program opens besides JPEG and BMP,
// made from generated samples with the encoders Debian ships (libheif,
// libpng, libtiff, cwebp), and the reference decoders' view of them
// (heif-convert, libpng, libtiff, dwebp).

#include <cstdint>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::test {

// Samples as a file stores them: `channels` of 1 (grey), 2 (grey, alpha),
// 3 (RGB) or 4 (RGBA), each of `bits` (8 or 16), row by row.
struct Samples {
    int width = 0, height = 0, channels = 3, bits = 8;
    std::vector<uint16_t> values;
    uint16_t& At(int x, int y, int c) { return values[(size_t(y) * size_t(width) + size_t(x)) * size_t(channels) + size_t(c)]; }
    uint16_t At(int x, int y, int c) const {
        return values[(size_t(y) * size_t(width) + size_t(x)) * size_t(channels) + size_t(c)];
    }
};

// Smooth ramps with a little texture, alpha running through every value
// (0 and the maximum included); the same for the same seed.
Samples MakeSamples(int width, int height, int channels, int bits, uint32_t seed = 1);

// The working photo the program must make of `samples`: 16 bits rounded by
// EightBitSample, alpha flattened onto white by OnWhite (or, for samples a
// decoder premultiplied, PremultipliedOnWhite), grey as equal channels.
TBitmap Expected(const Samples& samples, bool premultiplied = false);

// A PNG of the samples; `palette` stores 8-bit samples through a palette
// (alpha as a tRNS chunk), which needs at most 256 colours.
std::vector<uint8_t> MakePng(const Samples& samples, bool interlaced = false, bool palette = false);
// libpng's decoding of a PNG with palettes, low depths and tRNS expanded,
// 16 bits kept.
Samples ReadPngSamples(const std::vector<uint8_t>& png);

// A TIFF of the samples through libtiff (photometric RGB or min-is-black;
// alpha unassociated), or CMYK from four channels; `orientation` is the
// TIFF orientation tag.
std::vector<uint8_t> MakeTiff(const Samples& samples, bool cmyk = false, int orientation = 1);
// An 8-bit palette TIFF whose pixel x, y is entry (x * 7 + y * 3) % 256.
std::vector<uint8_t> MakePaletteTiff(int width, int height);
// A deflated 8-bit grey TIFF whose header claims `width` x `height` and
// that holds its first row only.
std::vector<uint8_t> TiffClaiming(int width, int height);
// libtiff's RGBA decoding (TIFFReadRGBAImage: alpha premultiplied, CMYK
// and palettes converted), top row first.
Samples ReadTiffRgba(const std::vector<uint8_t>& tiff);
// libtiff's samples of a contiguous RGB or grey TIFF as they are stored.
Samples ReadTiffSamples(const std::vector<uint8_t>& tiff);

// An 8-bit grey, uncompressed TIFF of `width` x `height` written by hand,
// one row to a strip, strip y holding row y % `distinctRows` (pixel x of
// row r is (10 * r + x) % 256): with fewer distinct rows than rows, strips
// share their data. Big-endian when `motorola`, BigTIFF when `bigTiff`.
std::vector<uint8_t> TiffSharingStrips(int width, int height, int distinctRows, bool motorola = false,
                                       bool bigTiff = false);
// What TiffSharingStrips holds, as the program must open it.
TBitmap SharedStripsPicture(int width, int height, int distinctRows);

// A PNG of `width` x `height` whose every sample is 0, at `depth` bits of
// `colourType` (libpng's PNG_COLOR_TYPE_...), deflated at the best ratio;
// `transparentGrey` adds a tRNS chunk naming grey 1.
std::vector<uint8_t> BlankPng(int width, int height, int depth, int colourType, bool interlaced = false,
                              bool transparentGrey = false);
// `png` with a chunk of `type` holding `bytes` bytes put before its first
// IDAT chunk, or before IEND when `afterData`.
std::vector<uint8_t> WithPngChunk(std::vector<uint8_t> png, const char* type, size_t bytes, bool afterData = false);

// A lossless WebP of `width` x `height` in a few bytes: every prefix code
// has a single symbol, so no pixel costs a bit.
std::vector<uint8_t> WebpOfNothing(int width, int height);
// `webp` with an unknown chunk of `bytes` bytes after its chunks, the RIFF
// size grown to take it in.
std::vector<uint8_t> WithRiffChunk(std::vector<uint8_t> webp, const char* type, size_t bytes);

struct HeifOptions {
    bool avif = false;
    int orientation = 1;  // written as HEIF rotation and mirroring
    std::vector<uint8_t> exif = {};  // a TIFF-structured Exif block
    std::string xmp = {};
    std::vector<uint8_t> iccProfile = {};
    bool lossless = false;
    // Display P3: as a colour description (nclx) in an AVIF, as a profile
    // in a HEIC (as phones write it).
    bool displayP3 = false;
};
// An 8-bit HEIC or AVIF of the samples (3 or 4 channels) through libheif.
std::vector<uint8_t> MakeHeif(const Samples& samples, const HeifOptions& options = {});

// A hand-made HEIC grid: `columns` x `rows` cells over `width` x `height`
// pixels, cell i naming tile i % tiles.size() (each the coded picture of a
// one-image HEIC, from TileOf).
// Hostile files name more tiles than the cells (`references`), claim other
// tile sizes, pad the file or add items that are not pictures.
struct HeifTile {
    std::vector<uint8_t> hvcC;  // the box's content
    std::vector<uint8_t> data;  // its item's data
    uint32_t width = 0, height = 0;  // its ispe
};
HeifTile TileOf(const std::vector<uint8_t>& heic);
struct HeifGrid {
    uint32_t width = 0, height = 0;
    int columns = 1, rows = 1;
    std::vector<HeifTile> tiles;
    int references = 0;  // dimg references (and tile items); 0: one a cell
    size_t padding = 0;  // bytes of a free box before the picture data
    int otherItems = 0;  // Exif items without data
};
std::vector<uint8_t> MakeHeifGrid(const HeifGrid& grid);

// A WebP of 8-bit samples (3 or 4 channels) by cwebp.
std::vector<uint8_t> MakeWebp(const Samples& samples, bool lossless);

// The samples (3 or 4 channels) the reference decoder gives: heif-convert
// for a HEIC or AVIF, dwebp for a WebP.
Samples HeifConverted(const std::vector<uint8_t>& file, const std::string& extension);
Samples DwebpDecoded(const std::vector<uint8_t>& webp);

// An RGB ICC profile a photo keeps (Adobe RGB's, made by Little CMS).
std::vector<uint8_t> RgbIccProfile();
// Exif data as a TIFF-structured block with the camera model, capture date
// and latitude of camera_jpeg.h and `orientation`.
std::vector<uint8_t> CameraExif(int orientation, int width, int height);

// Runs `argv` (a program on the PATH and its arguments); its exit status.
int Run(const std::vector<std::string>& argv);

}  // namespace corvessa::test
