#include "io/png_codec.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "io/jpeg_codec.h"
#include "io/png_errors.h"
#include "io/picture_samples.h"
#include "ground/error.h"
#include "ground/stop.h"

namespace corvessa {

namespace {

struct MemorySource {
    const uint8_t* data;
    size_t size;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (source->size - source->at < count) png_error(png, "the file ends before its picture does");
    std::memcpy(out, source->data + source->at, count);
    source->at += count;
}

enum PngStatus : int { kPngOk, kPngBroken, kPngTooLarge, kPngOutOfMemory, kPngStopped };

struct PngDecodeResult {
    TBitmap* target;
    PngStatus status;
    uint32_t width, height;
    PngFailure failure;
    uint8_t* scratch;  // malloc'ed; the caller frees it
};

// The pixels first, first + step, ... of a row of `width`.
void FlattenPixels(const uint8_t* bgra, uint8_t* out, uint32_t width, uint32_t first = 0, uint32_t step = 1) {
    for (uint32_t x = first; x < width; x += step) {
        const uint8_t* in = bgra + 4 * size_t(x);
        uint8_t* to = out + 3 * size_t(x);
        to[0] = OnWhite(in[0], in[3]);
        to[1] = OnWhite(in[1], in[3]);
        to[2] = OnWhite(in[2], in[3]);
    }
}

// Ends the reading when the work was given up on.
bool Stopped(uint32_t y, PngDecodeResult* result) {
    if (y % kStopCheckRows != 0 || !StopRequested()) return false;
    result->status = kPngStopped;
    return true;
}

// Straight into the picture's rows; every pass of an interlaced file fills
// in more of them. False when the work was given up on.
bool ReadOpaqueRows(png_structp png, uint32_t height, int passes, PngDecodeResult* result) {
    for (int pass = 0; pass < passes; ++pass)
        for (uint32_t y = 0; y < height; ++y) {
            if (Stopped(y, result)) return false;
            png_read_row(png, result->target->Row(int(y)), nullptr);
        }
    return true;
}

// One row of four bytes a pixel, flattened into the picture's row. libpng
// writes into it only the pixels of the pass it reads, and every pixel
// belongs to exactly one of the seven passes of an interlaced file, so
// each is flattened once, as it arrives: no whole picture of four bytes a
// pixel is needed. False when that row cannot be had or the work was
// given up on.
bool ReadAlphaRows(png_structp png, uint32_t width, uint32_t height, int passes, PngDecodeResult* result) {
    result->scratch = static_cast<uint8_t*>(std::malloc(size_t(width) * 4));
    if (!result->scratch) {
        result->status = kPngOutOfMemory;
        return false;
    }
    for (int pass = 0; pass < passes; ++pass) {
        const bool interlaced = passes > 1;
        const uint32_t first = interlaced ? PNG_PASS_START_COL(pass) : 0;
        const uint32_t step = interlaced ? 1u << PNG_PASS_COL_SHIFT(pass) : 1;
        for (uint32_t y = 0; y < height; ++y) {
            if (Stopped(y, result)) return false;
            png_read_row(png, result->scratch, nullptr);
            if (!interlaced || PNG_ROW_IN_INTERLACE_PASS(y, pass))
                FlattenPixels(result->scratch, result->target->Row(int(y)), width, first, step);
        }
    }
    return true;
}

void DecodeWithLibpng(const uint8_t* data, size_t size, PngDecodeResult* result) {
    MemorySource source{data, size, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &result->failure, PngError, PngWarning);
    if (!png) {
        result->status = kPngOutOfMemory;
        return;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        result->status = kPngOutOfMemory;
        return;
    }
    if (setjmp(result->failure.jump)) {
        if (result->status == kPngOk) result->status = kPngBroken;
        png_destroy_read_struct(&png, &info, nullptr);
        return;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colour, &interlace, nullptr, nullptr);
    result->width = width;
    result->height = height;
    if (int64_t(width) > kMaxPictureSide || int64_t(height) > kMaxPictureSide ||
        int64_t(width) * height > kMaxPicturePixels) {
        result->status = kPngTooLarge;
        png_destroy_read_struct(&png, &info, nullptr);
        return;
    }

    // Everything arrives as 8-bit blue, green, red and, where the file has
    // alpha or a transparent colour, alpha. libpng's scaling of 16 bits is
    // exactly EightBitSample.
    if (colour == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_scale_16(png);
    if (!(colour & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const bool alpha = png_get_channels(png, info) == 4;

    if (!result->target->TrySetSize(int(width), int(height))) {
        result->status = kPngOutOfMemory;
        png_destroy_read_struct(&png, &info, nullptr);
        return;
    }
    const bool read = alpha ? ReadAlphaRows(png, width, height, passes, result)
                            : ReadOpaqueRows(png, height, passes, result);
    // Whatever follows the picture data (text, time, the end chunk) is not
    // needed: a file cut after its pixels still opens.
    png_destroy_read_struct(&png, &info, nullptr);
    if (read) result->status = kPngOk;
}

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

}  // namespace

uint64_t PngPictureDataBytes(const uint8_t* data, size_t size) {
    uint64_t total = 0;
    bool inData = false;
    for (uint64_t at = 8; at + 8 <= size;) {
        const uint64_t length = Big32(data + at);
        const bool idat = std::memcmp(data + at + 4, "IDAT", 4) == 0;
        if (idat) {
            total += std::min<uint64_t>(length, size - at - 8);
            inData = true;
        } else if (inData || std::memcmp(data + at + 4, "IEND", 4) == 0) {
            break;  // libpng reads no picture data past the first run of IDAT chunks
        }
        at += 12 + length;
    }
    return total;
}

namespace {

// The signature and the start of the header chunk.
const uint8_t kStart[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};

}  // namespace

void CheckPngStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes) {
    // libpng refuses a wrong signature on its first eight bytes, which say
    // all it would say.
    if (headBytes >= 8 && !std::equal(kStart, kStart + 8, head)) DecodePng(head, headBytes);
    if (headBytes >= 24 && std::equal(std::begin(kStart), std::end(kStart), head))
        CheckPictureClaim(Big32(head + 16), Big32(head + 20), size_t(fileBytes));
}

TBitmap DecodePng(const uint8_t* data, size_t size) {
    // libpng refuses sides beyond its own limits before it tells us the
    // claim; read the claim from the header first so that it is reported
    // as what it is.
    if (size >= 24 && std::equal(std::begin(kStart), std::end(kStart), data)) {
        CheckPictureClaim(Big32(data + 16), Big32(data + 20), size);
        CheckPictureDataClaim(Big32(data + 16), Big32(data + 20), PngPictureDataBytes(data, size));
    }
    TBitmap picture;
    auto result = std::make_unique<PngDecodeResult>();
    result->target = &picture;
    result->status = kPngOk;
    result->scratch = nullptr;
    DecodeWithLibpng(data, size, result.get());
    std::free(result->scratch);
    switch (result->status) {
        case kPngOk: return picture;
        case kPngTooLarge: throw PictureTooLarge(result->width, result->height);
        case kPngOutOfMemory: throw NotEnoughMemory();
        case kPngStopped: throw WorkStopped();
        case kPngBroken: break;
    }
    throw BrokenPicture(result->failure.message);
}

}  // namespace corvessa
