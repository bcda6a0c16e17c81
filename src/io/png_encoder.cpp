// The PNG encoder: libpng writes the head (signature, header, colour
// profile, Exif), the rows are filtered as libpng filters them and
// compressed on every row thread as one zlib stream (io/zlib_parts.h).

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "ground/error.h"
#include "io/png_codec.h"
#include "io/png_errors.h"
#include "io/zlib_parts.h"

namespace corvessa {

namespace {

// The encoder's output in a block that only we free (see the JPEG encoder).
struct GrowingOutput {
    uint8_t* bytes = nullptr;
    size_t capacity = 0;
    size_t size = 0;
};

void WriteToMemory(png_structp png, png_bytep data, size_t count) {
    auto* out = static_cast<GrowingOutput*>(png_get_io_ptr(png));
    if (out->capacity - out->size < count) {
        const size_t grown = std::max(out->capacity * 2, out->size + count + 4096);
        auto* bytes = static_cast<uint8_t*>(std::realloc(out->bytes, grown));
        if (!bytes) png_error(png, "out of memory");
        out->bytes = bytes;
        out->capacity = grown;
    }
    std::memcpy(out->bytes + out->size, data, count);
    out->size += count;
}

void FlushNothing(png_structp) {}

struct PngHeadResult {
    GrowingOutput output;
    bool ok;
    PngFailure failure;
};

// Everything before the picture data, as libpng writes it.
void WriteHeadWithLibpng(int width, int height, const std::vector<uint8_t>* icc, const std::vector<uint8_t>* exif,
                         PngHeadResult* result) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &result->failure, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    result->ok = false;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return;
    }
    if (setjmp(result->failure.jump)) {
        png_destroy_write_struct(&png, &info);
        return;
    }
    png_set_write_fn(png, &result->output, WriteToMemory, FlushNothing);
    // A colour profile libpng finds unfit (not RGB, say) is left out with
    // a warning instead of failing the save.
    png_set_benign_errors(png, 1);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!icc->empty())
        png_set_iCCP(png, info, "ICC profile", PNG_COMPRESSION_TYPE_BASE, icc->data(), png_uint_32(icc->size()));
    if (!exif->empty()) png_set_eXIf_1(png, info, png_uint_32(exif->size()), const_cast<uint8_t*>(exif->data()));
    png_write_info(png, info);
    png_destroy_write_struct(&png, &info);
    result->ok = true;
}

// How far a filtered byte is from zero, taken as signed: libpng's measure
// of how well a filter predicts a row.
inline uint32_t Cost(uint8_t v) { return v < 128 ? v : 256u - v; }

enum Filter : uint8_t { kNone, kSub, kUp, kAverage, kPaeth };

template <Filter kFilter>
inline uint8_t Predicted(int a, int b, int c) {
    if constexpr (kFilter == kSub) return uint8_t(a);
    if constexpr (kFilter == kUp) return uint8_t(b);
    if constexpr (kFilter == kAverage) return uint8_t((a + b) / 2);
    if constexpr (kFilter == kPaeth) {
        const int p = b - c, q = a - c;
        const int pa = p < 0 ? -p : p, pb = q < 0 ? -q : q, pc = p + q < 0 ? -(p + q) : p + q;
        return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
    }
    return 0;
}

// Row `row` of `n` bytes filtered by kFilter into out[1..n] against the
// row above (`above`, zeros for the first), three bytes a pixel; returns
// the sum of the costs.
template <Filter kFilter>
uint32_t FilterRow(const uint8_t* row, const uint8_t* above, size_t n, uint8_t* out) {
    out[0] = kFilter;
    uint32_t sum = 0;
    const size_t lead = std::min<size_t>(3, n);
    for (size_t i = 0; i < lead; ++i) {
        const uint8_t v = uint8_t(row[i] - Predicted<kFilter>(0, above[i], 0));
        out[i + 1] = v;
        sum += Cost(v);
    }
    for (size_t i = 3; i < n; ++i) {
        const uint8_t v = uint8_t(row[i] - Predicted<kFilter>(row[i - 3], above[i], above[i - 3]));
        out[i + 1] = v;
        sum += Cost(v);
    }
    return sum;
}

// libpng's choice among the five filters: the least cost, the earlier
// filter on a tie, so the rows compress as libpng's would. `trials` holds
// four rows of n + 1 bytes.
void FilterAsLibpng(const uint8_t* row, const uint8_t* above, size_t n, uint8_t* out, uint8_t* trials) {
    uint32_t best = 0;
    for (size_t i = 0; i < n; ++i) best += Cost(row[i]);
    const uint8_t* chosen = nullptr;
    const uint32_t costs[] = {FilterRow<kSub>(row, above, n, trials), FilterRow<kUp>(row, above, n, trials + n + 1),
                              FilterRow<kAverage>(row, above, n, trials + 2 * (n + 1)),
                              FilterRow<kPaeth>(row, above, n, trials + 3 * (n + 1))};
    for (size_t f = 0; f < 4; ++f)
        if (costs[f] < best) {
            best = costs[f];
            chosen = trials + f * (n + 1);
        }
    if (chosen) {
        std::memcpy(out, chosen, n + 1);
    } else {
        out[0] = kNone;
        std::memcpy(out + 1, row, n);
    }
}

// A row of the picture as PNG stores it: red, green, blue.
void ToRgb(const uint8_t* bgr, size_t n, uint8_t* rgb) {
    for (size_t i = 0; i < n; i += 3) {
        rgb[i] = bgr[i + 2];
        rgb[i + 1] = bgr[i + 1];
        rgb[i + 2] = bgr[i];
    }
}

// About this many bytes of rows a part: enough to keep the parts' seams
// (a few bytes each) out of sight, small enough to share among threads.
constexpr size_t kPartBytes = size_t(4) << 20;

// The filtered rows of part `part` of `rowsPerPart` rows, after the rows
// before it that prime the compressor.
size_t FilteredPart(const TBitmap& picture, int part, int rowsPerPart, std::vector<uint8_t>& bytes) {
    const size_t n = picture.RowBytes();
    const int first = part * rowsPerPart, end = std::min(picture.Height(), first + rowsPerPart);
    const int leadRows = std::min<int>(first, int((32768 + n) / (n + 1)));
    // The scratch rows (two of RGB, four trials) live past the rows' end.
    const size_t filtered = size_t(end - first + leadRows) * (n + 1);
    bytes.resize(filtered + 2 * n + 4 * (n + 1));
    uint8_t* rgbAbove = bytes.data() + filtered;
    uint8_t* rgbRow = rgbAbove + n;
    uint8_t* trials = rgbRow + n;
    const int from = first - leadRows;
    if (from > 0)
        ToRgb(picture.Row(from - 1), n, rgbAbove);
    else
        std::memset(rgbAbove, 0, n);
    uint8_t* out = bytes.data();
    for (int y = from; y < end; ++y, out += n + 1) {
        ToRgb(picture.Row(y), n, rgbRow);
        FilterAsLibpng(rgbRow, rgbAbove, n, out, trials);
        std::swap(rgbRow, rgbAbove);
    }
    bytes.resize(filtered);
    return size_t(leadRows) * (n + 1);
}

void AppendChunk(std::vector<uint8_t>& out, const char* type, const uint8_t* data, size_t size) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(size >> shift));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (size) out.insert(out.end(), data, data + size);
    const uLong crc = crc32(0, out.data() + start, uInt(size + 4));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(crc >> shift));
}

}  // namespace

std::vector<uint8_t> EncodePng(const TBitmap& picture, const std::vector<uint8_t>& iccProfile,
                               const std::vector<uint8_t>& exif, int level) {
    if (picture.Empty()) throw CorvessaError("Stream write error: the picture is empty");
    auto head = std::make_unique<PngHeadResult>();
    WriteHeadWithLibpng(picture.Width(), picture.Height(), &iccProfile, &exif, head.get());
    std::unique_ptr<uint8_t, void (*)(void*)> headBytes(head->output.bytes, &std::free);
    if (!head->ok) {
        if (std::strcmp(head->failure.message, "out of memory") == 0) throw NotEnoughMemory();
        throw CorvessaError(std::string("PNG error: ") + head->failure.message);
    }
    const size_t rowBytes = picture.RowBytes() + 1;
    const int rowsPerPart = int(std::max<size_t>(1, kPartBytes / rowBytes));
    const int parts = (picture.Height() + rowsPerPart - 1) / rowsPerPart;
    // libpng's strategy for filtered rows.
    ZlibPieces data = CompressInParts(parts, size_t(rowsPerPart) * rowBytes, level, Z_FILTERED,
                                      [&](int part, std::vector<uint8_t>& bytes) {
                                          return FilteredPart(picture, part, rowsPerPart, bytes);
                                      });
    try {
        std::vector<uint8_t> file;
        file.reserve(head->output.size + data.Size() + 12 * (data.pieces.size() + 1));
        file.insert(file.end(), headBytes.get(), headBytes.get() + head->output.size);
        headBytes.reset();
        // A piece an IDAT chunk, each let go once written.
        for (std::vector<uint8_t>& piece : data.pieces) {
            AppendChunk(file, "IDAT", piece.data(), piece.size());
            std::vector<uint8_t>().swap(piece);
        }
        AppendChunk(file, "IEND", nullptr, 0);
        return file;
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
}

}  // namespace corvessa
