#include "io/raw_codec.h"

#include <libraw/libraw.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "ground/error.h"
#include "ground/parallel.h"
#include "io/file_pieces.h"
#include "io/jpeg_codec.h"
#include "io/memory_room.h"

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

// What a directory of a TIFF-structured file says of its picture: its
// size, how it is compressed, and where its strips or tiles lie.
struct TiffDirectory {
    int64_t width = 0, height = 0;
    uint32_t compression = 1, samples = 1;
    uint32_t tileWidth = 0, tileLength = 0;
    std::vector<uint64_t> offsets, counts;  // of its strips or tiles
    // Both lists lie within the bytes at hand (otherwise the picture's
    // data cannot be told from the first bytes of a file).
    bool piecesKnown = false;
    // The pieces as LibRaw's lossless-JPEG reader finds them, which takes
    // four bytes an offset whatever the field's type says: a tile for each
    // of the picture's tiles, or the first strip alone; as many as lie
    // within the bytes at hand.
    std::vector<uint64_t> jpegOffsets;
};

// A TIFF-structured file's first `size` bytes, read in its byte order.
struct TiffBytes {
    const uint8_t* d;
    size_t size;
    bool big;

    uint32_t U16(size_t at) const {
        return big ? uint32_t(d[at]) << 8 | d[at + 1] : uint32_t(d[at + 1]) << 8 | d[at];
    }
    uint32_t U32(size_t at) const { return big ? U16(at) << 16 | U16(at + 2) : U16(at + 2) << 16 | U16(at); }
    // The values of the field of shorts or longs at `entry`, when they lie
    // at hand.
    bool Values(size_t entry, std::vector<uint64_t>& out) const {
        const uint32_t type = U16(entry + 2), count = U32(entry + 4);
        const size_t bytes = type == 3 ? 2 : type == 4 ? 4 : 0;
        if (bytes == 0 || count == 0 || count > kMostPieces) return false;
        const size_t at = count * bytes <= 4 ? entry + 8 : U32(entry + 8);
        if (at > size || (size - at) / bytes < count) return false;
        out.resize(count);
        for (uint32_t i = 0; i < count; ++i) out[i] = bytes == 2 ? U16(at + 2 * i) : U32(at + 4 * i);
        return true;
    }

    // No picture within the program's limits has more strips or tiles.
    static constexpr uint32_t kMostPieces = uint32_t(1) << 22;
};

// A directory as its entries are read: what it says of its picture, and
// what is judged once all of them are.
struct DirectoryEntries {
    TiffDirectory directory;
    bool offsetsKnown = false, countsKnown = false, tiledTable = false;
    size_t table = SIZE_MAX;  // where its offsets lie
    uint32_t patternRows = 0, patternColumns = 0;
    std::vector<uint32_t> patternBytes;
};

// The directory entry at `e`; the sub-directories it names join
// `pending`. Throws for a value that lies past the file's `fileBytes`.
void ReadEntry(const TiffBytes& t, size_t e, uint64_t fileBytes, DirectoryEntries& read, bool& dng,
               std::vector<uint32_t>& pending) {
    const uint32_t tag = t.U16(e), type = t.U16(e + 2), values32 = t.U32(e + 4);
    const uint64_t bytes = uint64_t(values32) * TiffTypeBytes(type);
    if (bytes > 4 && t.U32(e + 8) + bytes > fileBytes)
        throw BrokenPicture("its tag " + std::to_string(tag) + " lies past the end of the file");
    const uint32_t value = type == 3 ? t.U16(e + 8) : t.U32(e + 8);
    TiffDirectory& directory = read.directory;
    if (tag == 256) directory.width = value;
    if (tag == 257) directory.height = value;
    if (tag == 259) directory.compression = value;
    if (tag == 277) directory.samples = std::max<uint32_t>(value, 1);
    if (tag == 322) directory.tileWidth = value;
    if (tag == 323) directory.tileLength = value;
    if (tag == 273 || tag == 324) {
        read.offsetsKnown = t.Values(e, directory.offsets);
        read.table = bytes > 4 ? t.U32(e + 8) : e + 8;
        read.tiledTable = tag == 324 && values32 > 1;  // LibRaw takes a single tile for a strip
    }
    if (tag == 279 || tag == 325) read.countsKnown = t.Values(e, directory.counts);
    if (tag == 50706) dng = true;
    if (tag == 33421 && type == 3 && values32 == 2)
        read.patternRows = t.U16(e + 8), read.patternColumns = t.U16(e + 10);
    if (tag == 33422) read.patternBytes.push_back(values32);
    if (tag == 330 && type == 4 && values32 == 1) pending.push_back(value);
    if (tag == 330 && type == 4 && values32 > 1 && values32 < 64 && size_t(value) + 4 * values32 <= t.size)
        for (uint32_t s = 0; s < values32; ++s) pending.push_back(t.U32(value + 4 * s));
}

// The directory once its entries are read: its colour filter patterns
// judged, and its pieces as the readers find them.
TiffDirectory FinishDirectory(const TiffBytes& t, DirectoryEntries& read) {
    // LibRaw 0.20 reads a colour filter pattern longer than its
    // repeat says (or, without one, longer than 16) out of bounds;
    // a directory may give more than one.
    for (const uint32_t bytes : read.patternBytes)
        if (read.patternRows ? bytes != read.patternRows * read.patternColumns : bytes > 16)
            throw BrokenPicture("its colour filter pattern does not match its size");
    TiffDirectory& directory = read.directory;
    // Without byte counts the pieces run on towards the end of the file.
    if (!read.countsKnown) directory.counts.clear();
    directory.piecesKnown = read.offsetsKnown;
    const bool tiled = read.tiledTable && directory.tileWidth > 0 && directory.tileLength > 0;
    const uint64_t pieces =
        !tiled ? 1
               : uint64_t((directory.width + directory.tileWidth - 1) / directory.tileWidth) *
                     uint64_t((directory.height + directory.tileLength - 1) / directory.tileLength);
    const uint64_t most = std::min<uint64_t>(pieces, TiffBytes::kMostPieces);
    for (uint64_t i = 0; i < most && read.table < t.size && (t.size - read.table) / 4 > i; ++i)
        directory.jpegOffsets.push_back(t.U32(read.table + 4 * size_t(i)));
    return std::move(directory);
}

// Every directory of a TIFF-structured file whose first `size` bytes are
// at hand (the chain from the header and the sub-directories they name)
// that gives a width and a height; `dng` tells whether any is a DNG's. At
// most 64 are visited, each once, so a loop of offsets ends. A value that
// lies past the file's `fileBytes` is refused: LibRaw 0.20 reads such a
// colour filter pattern from memory it never filled, and crashes; so is a
// colour filter pattern whose length its repeat does not give.
std::vector<TiffDirectory> TiffDirectories(const uint8_t* d, size_t size, uint64_t fileBytes, bool& dng) {
    const TiffBytes t{d, size, d[0] == 'M'};
    std::vector<uint32_t> pending = {t.U32(4)}, seen;
    std::vector<TiffDirectory> directories;
    dng = false;
    while (!pending.empty() && seen.size() < 64) {
        const uint32_t at = pending.back();
        pending.pop_back();
        if (at < 8 || size_t(at) + 2 > size || std::find(seen.begin(), seen.end(), at) != seen.end()) continue;
        seen.push_back(at);
        const uint32_t count = t.U16(at);
        DirectoryEntries read;
        for (uint32_t i = 0; i < count && size_t(at) + 2 + 12 * (i + 1) <= size; ++i)
            ReadEntry(t, at + 2 + 12 * i, fileBytes, read, dng, pending);
        TiffDirectory directory = FinishDirectory(t, read);
        if (directory.width > 0 && directory.height > 0) directories.push_back(std::move(directory));
        if (size_t(at) + 2 + 12 * size_t(count) + 4 <= size) pending.push_back(t.U32(at + 2 + 12 * count));
    }
    return directories;
}

// Calls `claim(directory, isDng)` for each of TiffDirectories.
template <class Claim>
void ForEachTiffClaim(const uint8_t* d, size_t size, uint64_t fileBytes, Claim&& claim) {
    bool dng = false;
    for (const TiffDirectory& directory : TiffDirectories(d, size, fileBytes, dng)) claim(directory, dng);
}

// The samples the JPEG stream at `at` says it codes (its frame header's
// rows, columns and components), and whether it is lossless (SOF3); false
// when no frame header is found within the bytes at hand.
bool JpegFrame(const uint8_t* d, size_t size, uint64_t at, int64_t& samples, bool& lossless) {
    if (at + 4 > size || d[at] != 0xFF || d[at + 1] != 0xD8) return false;
    for (size_t p = size_t(at) + 2; p + 4 <= size;) {
        if (d[p] != 0xFF) return false;
        const uint8_t marker = d[p + 1];
        const size_t length = size_t(d[p + 2]) << 8 | d[p + 3];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (p + 10 > size) return false;
            samples = int64_t(uint32_t(d[p + 5]) << 8 | d[p + 6]) * (uint32_t(d[p + 7]) << 8 | d[p + 8]) * d[p + 9];
            lossless = marker == 0xC3;
            return true;
        }
        if (marker == 0xDA || length < 2) return false;
        p += 2 + length;
    }
    return false;
}

// A lossless JPEG codes each sample in at least one bit.
inline constexpr int64_t kMaxLosslessSamplesPerByte = 8;

// The claim of a directory of a file of `fileBytes` bytes whose first
// `size` bytes are at hand: its size against the file and, where its
// strips or tiles are known, against the bytes they hold. LibRaw decodes a
// DNG's lossless JPEG pieces from their own frame headers, rows and
// columns that may claim far more than the piece, reading zeros past the
// end of the data: a 33 KB file of one tile claiming 196 megapixels
// took 20 s and 3.1 GB. So a lossless JPEG piece must not code more samples
// than its tile (or, for strips, the picture) holds, and the picture not
// more than its pieces' bytes can hold at a bit a sample.
void CheckDirectoryClaim(const uint8_t* d, size_t size, uint64_t fileBytes, const TiffDirectory& directory, bool dng) {
    const int64_t width = directory.width, height = directory.height;
    CheckPictureClaim(width, height, size_t(std::min<uint64_t>(fileBytes, SIZE_MAX)));
    // Without its pieces at hand the file's bytes count.
    uint64_t pieceBytes = directory.piecesKnown ? PieceBytes(directory.offsets, directory.counts, fileBytes) : fileBytes;
    const bool jpegPieces = dng && directory.compression == 7;
    bool lossless = false;
    if (jpegPieces) {
        const bool tiled = directory.jpegOffsets.size() > 1;
        const int64_t pieceSamples =
            (tiled ? int64_t(directory.tileWidth) * directory.tileLength : width * height) * directory.samples;
        // The pieces LibRaw decodes, whose bytes (their counts, or on to the
        // end of the file) are what the picture is held to.
        TiffDirectory read;
        for (size_t i = 0; i < directory.jpegOffsets.size(); ++i) {
            const uint64_t at = directory.jpegOffsets[i];
            int64_t samples = 0;
            bool pieceLossless = false;
            const uint64_t count = i < directory.counts.size() ? directory.counts[i] : 0;
            if (!JpegFrame(d, size, at, samples, pieceLossless)) {
                if (at + 4 <= size) break;  // LibRaw stops at a piece that is no JPEG stream
                // Beyond the bytes at hand: its bytes count all the same.
                read.offsets.push_back(at);
                read.counts.push_back(count);
                continue;
            }
            if (samples > pieceSamples)
                throw BrokenPicture("its " + std::string(tiled ? "tile " : "strip ") + std::to_string(i + 1) +
                                    " codes more pixels than the " + (tiled ? "tile" : "picture") + " holds");
            lossless = lossless || pieceLossless;
            read.offsets.push_back(at);
            read.counts.push_back(count);
        }
        if (!read.offsets.empty()) pieceBytes = PieceBytes(read.offsets, read.counts, fileBytes);
    }
    if (lossless && width * height * directory.samples > kMaxLosslessSamplesPerByte * int64_t(pieceBytes))
        throw BrokenPicture("it claims " + std::to_string(width) + " x " + std::to_string(height) +
                            " pixels, more than its " + std::to_string(pieceBytes) +
                            " bytes of losslessly compressed picture data can hold");
    CheckPictureDataClaim(width, height, pieceBytes);
}

// What developing a sensor of `pixels` takes besides our bitmap: the raw
// data, LibRaw's four 16-bit samples a pixel (a quarter of them at half
// size), its 8-bit output, and its OpenMP workers. Measured as the rise
// of the peak address space, from 0.24 to 24 megapixels of a DNG: 12.4
// bytes a pixel and 146 MB (443 MB for 24 megapixels); a quarter more is
// asked for.
size_t DevelopingBytes(int64_t pixels, bool half) {
    return size_t(pixels * (half ? 6 : 16)) + (size_t(176) << 20);
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
    if (TiffStart(data, size)) ForEachTiffClaim(data, size, size, [&](const TiffDirectory& directory, bool dng) {
        CheckDirectoryClaim(data, size, size, directory, dng);
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
    // LibRaw develops the whole sensor whatever its loader found of it: a
    // 35 KB file whose tiles were no JPEG streams cost 19 s developing 196
    // megapixels of nothing.
    CheckPictureDataClaim(sizes.raw_width, sizes.raw_height, size);
    CheckPictureSize(sizes.width, sizes.height);
    // The developed picture, the sides swapped by a quarter turn.
    const bool turned = sizes.flip & 4;
    const int width = half ? (sizes.width + 1) / 2 : sizes.width;
    const int height = half ? (sizes.height + 1) / 2 : sizes.height;
    TBitmap picture;
    if (width <= 0 || height <= 0) throw BrokenPicture("the file holds no picture");
    if (!picture.TrySetSize(turned ? height : width, turned ? width : height)) throw NotEnoughMemory();

    // What LibRaw needs is asked for first; a failure of LibRaw's that
    // coincides with memory running short (it said "Unknown error code" or
    // made no picture) is told apart by asking for twice as much.
    const size_t working = DevelopingBytes(int64_t(sizes.raw_width) * sizes.raw_height, half);
    if (!CanAllocate(working)) throw NotEnoughMemory();
    const auto check = [&](int code) {
        if (code != LIBRAW_SUCCESS && !CanAllocate(2 * working)) throw NotEnoughMemory();
        Check(code);
    };
    check(raw->unpack());
    check(raw->dcraw_process());
    int code = LIBRAW_SUCCESS;
    const std::unique_ptr<libraw_processed_image_t, ProcessedFree> image(raw->dcraw_make_mem_image(&code));
    check(code);
    if (!image && !CanAllocate(2 * working)) throw NotEnoughMemory();
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

bool IsDng(const uint8_t* d, size_t size) {
    if (!TiffStart(d, size)) return false;
    const bool big = d[0] == 'M';
    const auto u16 = [&](size_t at) { return big ? uint32_t(d[at]) << 8 | d[at + 1] : uint32_t(d[at + 1]) << 8 | d[at]; };
    const size_t directory = big ? size_t(u16(4)) << 16 | u16(6) : size_t(u16(6)) << 16 | u16(4);
    if (directory < 8 || directory > size - 2) return false;
    const size_t count = u16(directory);
    for (size_t i = 0; i < count && directory + 2 + 12 * (i + 1) <= size; ++i)
        if (u16(directory + 2 + 12 * i) == 50706) return true;
    return false;
}

void CheckRawStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes) {
    if (!RawStart(head, headBytes)) throw BrokenPicture("it is not a camera raw file");
    if (!TiffStart(head, headBytes)) return;
    ForEachTiffClaim(head, headBytes, fileBytes, [&](const TiffDirectory& directory, bool dng) {
        CheckDirectoryClaim(head, headBytes, fileBytes, directory, dng);
    });
}

}  // namespace corvessa
