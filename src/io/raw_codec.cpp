#include "io/raw_codec.h"

#include <libraw/libraw.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "ground/error.h"
#include "ground/parallel.h"
#include "io/jpeg_codec.h"

namespace corvessa {

namespace {

bool Starts(const uint8_t* data, size_t size, const char* text, size_t at = 0) {
    const size_t length = std::strlen(text);
    return size >= at + length && std::memcmp(data + at, text, length) == 0;
}

bool TiffStart(const uint8_t* d, size_t n) {
    return n >= 8 && ((d[0] == 'I' && d[1] == 'I' && d[2] == 42 && d[3] == 0) ||
                      (d[0] == 'M' && d[1] == 'M' && d[2] == 0 && d[3] == 42));
}

// DNG, CR2, NEF, ARW and PEF are TIFF files; Olympus and Panasonic change
// TIFF's magic number, Fujifilm and Canon's CR3 have containers of their
// own.
bool RawStart(const uint8_t* d, size_t n) {
    return TiffStart(d, n) || Starts(d, n, "IIRO") || Starts(d, n, "IIRS") || Starts(d, n, "MMOR") ||
           (n >= 4 && std::memcmp(d, "IIU\0", 4) == 0) ||
           Starts(d, n, "FUJIFILM") || Starts(d, n, "ftypcrx ", 4);
}

// The bytes of a TIFF field's value of `type` as LibRaw reads it: a type
// it does not know (0, or beyond 13) counts one byte a value, so such a
// field may still point past the end of the file.
uint32_t TiffTypeBytes(uint32_t type) {
    static const uint8_t kBytes[] = {1, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
    return type < sizeof kBytes ? kBytes[type] : 1;
}

// Every directory of a TIFF-structured file whose first `size` bytes are
// at hand (the chain from the header and the sub-directories they name);
// calls `claim(width, height)` for each that gives both. At most 64 are
// visited, each once, so a loop of offsets ends. A value that lies past
// the file's `fileBytes` is refused: LibRaw 0.20 reads such a colour
// filter pattern from memory it never filled, and crashes; so is a colour
// filter pattern whose length its repeat does not give.
template <class Claim>
void ForEachTiffClaim(const uint8_t* d, size_t size, uint64_t fileBytes, Claim&& claim) {
    const bool big = d[0] == 'M';
    const auto u16 = [&](size_t at) { return big ? uint32_t(d[at]) << 8 | d[at + 1] : uint32_t(d[at + 1]) << 8 | d[at]; };
    const auto u32 = [&](size_t at) {
        return big ? u16(at) << 16 | u16(at + 2) : u16(at + 2) << 16 | u16(at);
    };
    std::vector<uint32_t> pending = {u32(4)}, seen;
    while (!pending.empty() && seen.size() < 64) {
        const uint32_t at = pending.back();
        pending.pop_back();
        if (at < 8 || size_t(at) + 2 > size || std::find(seen.begin(), seen.end(), at) != seen.end()) continue;
        seen.push_back(at);
        const uint32_t count = u16(at);
        int64_t width = 0, height = 0;
        uint32_t patternRows = 0, patternColumns = 0;
        std::vector<uint32_t> patternBytes;
        for (uint32_t i = 0; i < count && size_t(at) + 2 + 12 * (i + 1) <= size; ++i) {
            const size_t e = at + 2 + 12 * i;
            const uint32_t tag = u16(e), type = u16(e + 2), values = u32(e + 4);
            const uint64_t bytes = uint64_t(values) * TiffTypeBytes(type);
            if (bytes > 4 && u32(e + 8) + bytes > fileBytes)
                throw BrokenPicture("its tag " + std::to_string(tag) + " lies past the end of the file");
            const uint32_t value = type == 3 ? u16(e + 8) : u32(e + 8);
            if (tag == 256) width = value;
            if (tag == 257) height = value;
            if (tag == 33421 && type == 3 && values == 2) patternRows = u16(e + 8), patternColumns = u16(e + 10);
            if (tag == 33422) patternBytes.push_back(values);
            if (tag == 330 && type == 4 && values == 1) pending.push_back(value);
            if (tag == 330 && type == 4 && values > 1 && values < 64 && size_t(value) + 4 * values <= size)
                for (uint32_t s = 0; s < values; ++s) pending.push_back(u32(value + 4 * s));
        }
        // LibRaw 0.20 reads a colour filter pattern longer than its
        // repeat says (or, without one, longer than 16) out of bounds;
        // a directory may give more than one.
        for (const uint32_t bytes : patternBytes)
            if (patternRows ? bytes != patternRows * patternColumns : bytes > 16)
                throw BrokenPicture("its colour filter pattern does not match its size");
        if (width > 0 && height > 0) claim(width, height);
        if (size_t(at) + 2 + 12 * size_t(count) + 4 <= size) pending.push_back(u32(at + 2 + 12 * count));
    }
}

struct ProcessedFree {
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};

void Check(int code) {
    if (code == LIBRAW_SUCCESS) return;
    if (code == LIBRAW_UNSUFFICIENT_MEMORY || code == LIBRAW_MEMPOOL_OVERFLOW) throw NotEnoughMemory();
    if (code == LIBRAW_TOO_BIG) throw BrokenPicture("its raw data is larger than the program takes");
    throw BrokenPicture(libraw_strerror(code));
}

TBitmap Develop(const uint8_t* data, size_t size, bool half, std::string* warning) try {
    if (warning) warning->clear();
    if (!RawStart(data, size)) throw BrokenPicture("it is not a camera raw file");
    if (TiffStart(data, size)) ForEachTiffClaim(data, size, size, [&](int64_t width, int64_t height) {
        CheckPictureClaim(width, height, size);
    });
    // LibRaw's object holds its tables inline: too large for a stack.
    const auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);
    // LibRaw prints where a file's data ended or broke; the error it then
    // returns says so to the user.
    raw->set_dataerror_handler([](void*, const char*, int) {}, nullptr);
    libraw_output_params_t& params = raw->imgdata.params;
    params.use_camera_wb = 1;
    params.half_size = half ? 1 : 0;
    params.output_bps = 8;
    // What the largest picture we take needs of its raw data (16-bit
    // samples, four of them a pixel once developed).
    params.max_raw_memory_mb = unsigned(kMaxPicturePixels * 8 >> 20);
    Check(raw->open_buffer(const_cast<uint8_t*>(data), size));
    const libraw_image_sizes_t& sizes = raw->imgdata.sizes;
    CheckPictureClaim(sizes.raw_width, sizes.raw_height, size);
    CheckPictureSize(sizes.width, sizes.height);
    // The developed picture, the sides swapped by a quarter turn.
    const bool turned = sizes.flip & 4;
    const int width = half ? (sizes.width + 1) / 2 : sizes.width;
    const int height = half ? (sizes.height + 1) / 2 : sizes.height;
    TBitmap picture;
    if (width <= 0 || height <= 0) throw BrokenPicture("the file holds no picture");
    if (!picture.TrySetSize(turned ? height : width, turned ? width : height)) throw NotEnoughMemory();

    Check(raw->unpack());
    Check(raw->dcraw_process());
    int code = LIBRAW_SUCCESS;
    const std::unique_ptr<libraw_processed_image_t, ProcessedFree> image(raw->dcraw_make_mem_image(&code));
    Check(code);
    if (!image || image->type != LIBRAW_IMAGE_BITMAP || image->bits != 8 || (image->colors != 3 && image->colors != 1))
        throw BrokenPicture("LibRaw made no picture of it");
    // The same, but for sensors LibRaw turns by 45 degrees (Fujifilm's
    // SuperCCD), whose picture is larger.
    CheckPictureSize(image->width, image->height);
    picture.SetSize(image->width, image->height);
    const int colours = image->colors;
    const size_t stride = size_t(image->width) * size_t(colours);
    ForEachRow(picture.Height(), picture.RowBytes(), [&](int y) {
        const uint8_t* in = image->data + size_t(y) * stride;
        uint8_t* out = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x, in += colours, out += 3) {
            out[0] = in[colours == 3 ? 2 : 0];
            out[1] = in[colours == 3 ? 1 : 0];
            out[2] = in[0];
        }
    });
    return picture;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

}  // namespace

TBitmap DecodeRaw(const uint8_t* data, size_t size, std::string* warning) {
    return Develop(data, size, false, warning);
}

TBitmap DecodeRawHalfSize(const uint8_t* data, size_t size, std::string* warning) {
    return Develop(data, size, true, warning);
}

void CheckRawStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes) {
    if (!RawStart(head, headBytes)) throw BrokenPicture("it is not a camera raw file");
    if (!TiffStart(head, headBytes)) return;
    ForEachTiffClaim(head, headBytes, fileBytes, [&](int64_t width, int64_t height) {
        CheckPictureClaim(width, height, size_t(std::min<uint64_t>(fileBytes, SIZE_MAX)));
    });
}

}  // namespace corvessa
