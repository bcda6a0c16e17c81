#include "io/qt_claims.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "io/file_pieces.h"
#include "io/jpeg_codec.h"
#include "io/qt_codecs.h"

namespace corvessa {

namespace {

uint32_t Little(const uint8_t* bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + size_t(i)];
    return value;
}

bool Tagged(const uint8_t* at, const char* tag) { return std::memcmp(at, tag, 4) == 0; }

bool IsWebp(const uint8_t* bytes, size_t size) {
    return size >= 12 && Tagged(bytes, "RIFF") && Tagged(bytes + 8, "WEBP");
}

// The size a WebP's first chunk gives (VP8X: the canvas), as libwebp reads
// it; false when the head does not hold it.
bool WebpSize(const uint8_t* bytes, size_t size, int64_t& width, int64_t& height) {
    if (!IsWebp(bytes, size) || size < 30) return false;
    if (Tagged(bytes + 12, "VP8X")) {
        width = 1 + int64_t(Little(bytes, 24, 3));
        height = 1 + int64_t(Little(bytes, 27, 3));
    } else if (Tagged(bytes + 12, "VP8L") && bytes[20] == 0x2F) {
        const uint32_t bits = Little(bytes, 21, 4);
        width = 1 + int64_t(bits & 0x3FFF);
        height = 1 + int64_t((bits >> 14) & 0x3FFF);
    } else if (Tagged(bytes + 12, "VP8 ") && bytes[23] == 0x9D && bytes[24] == 0x01 && bytes[25] == 0x2A) {
        width = Little(bytes, 26, 2) & 0x3FFF;
        height = Little(bytes, 28, 2) & 0x3FFF;
    } else {
        return false;
    }
    return true;
}

// The decoder of `format` shown the head, which it refuses on its first
// few bytes as it would the whole file.
void DecoderRefuses(const uint8_t* head, size_t size, const char* format) { DecodeWithQt(head, size, format); }

}  // namespace

// Qt's BMP reader also hands back a picture when the file ends a few
// bytes into the pixels. An uncompressed BMP holds every row it claims (the
// last row's padding may be missing); one that does not is broken.
// Compressed (RLE) files may be much smaller than their pictures.
void CheckBmpClaim(const uint8_t* bytes, size_t size, uint64_t fileSize) {
    if (size < 26 || bytes[0] != 'B' || bytes[1] != 'M') return;  // the reader will refuse it
    const uint32_t headerSize = Little(bytes, 14, 4);
    int64_t width, height, headerEnd;
    uint32_t bits, compression = 0;
    if (headerSize == 40 || headerSize == 64 || headerSize == 108 || headerSize == 124) {
        if (size < 34) return;
        width = int32_t(Little(bytes, 18, 4));
        height = int32_t(Little(bytes, 22, 4));
        bits = Little(bytes, 28, 2);
        compression = Little(bytes, 30, 4);
        headerEnd = 14 + int64_t(headerSize);
    } else {
        // Qt reads every other header size as the old 12-byte one.
        width = int16_t(Little(bytes, 18, 2));
        height = int16_t(Little(bytes, 20, 2));
        bits = Little(bytes, 24, 2);
        headerEnd = 26;
    }
    height = std::abs(height);  // negative: rows stored top-down
    if (width <= 0 || height <= 0) return;
    CheckPictureClaim(width, height, size_t(fileSize));
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, (alpha) bit fields
    if (!uncompressed || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) return;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    const int64_t needed = stride * (height - 1) + (width * bits + 7) / 8;
    // The reader moves on to the pixels' offset when it lies ahead within
    // the file, and reads on where it is otherwise.
    const int64_t offset = Little(bytes, 10, 4);
    const int64_t whole = int64_t(fileSize);
    const int64_t dataStart = offset > headerEnd && offset <= whole ? offset : headerEnd;
    if (whole - dataStart < needed) throw BrokenPicture("the file ends before its last row");
}

// Qt paints a GIF's first frame onto a canvas of the logical screen's size,
// grown to hold the frame, and does not always report that size. Its GIF
// reader does not look at the signature, so neither does this. A head
// that ends among the extensions says too little. The whole file's claim
// is held to the frame's coded data, which comment or application
// extensions cannot pad.
void CheckGifClaim(const uint8_t* bytes, size_t size, uint64_t fileSize) {
    if (size < 13) return;
    int64_t width = Little(bytes, 6, 2), height = Little(bytes, 8, 2);
    const uint8_t flags = bytes[10];
    size_t at = 13 + (flags & 0x80 ? size_t(3) << ((flags & 7) + 1) : 0);  // after the global palette
    while (at < size && bytes[at] == 0x21) {  // extensions: label, then sub-blocks up to a zero
        at += 2;
        while (at < size && bytes[at] != 0) at += size_t(bytes[at]) + 1;
        ++at;
    }
    const bool frame = at + 9 < size && bytes[at] == 0x2C;
    if (frame) {
        width = std::max<int64_t>(width, int64_t(Little(bytes, at + 1, 2)) + Little(bytes, at + 5, 2));
        height = std::max<int64_t>(height, int64_t(Little(bytes, at + 3, 2)) + Little(bytes, at + 7, 2));
    } else if (size < fileSize) {
        return;
    }
    CheckPictureClaim(width, height, size_t(fileSize));
    if (!frame || size < fileSize) return;
    // After the frame's palette and its code size: sub-blocks up to a zero.
    const uint8_t frameFlags = bytes[at + 9];
    at += 10 + (frameFlags & 0x80 ? size_t(3) << ((frameFlags & 7) + 1) : 0) + 1;
    uint64_t data = 0;
    while (at < size && bytes[at] != 0) {
        data += std::min<uint64_t>(bytes[at], size - at - 1);
        at += size_t(bytes[at]) + 1;
    }
    CheckPictureDataClaim(width, height, data);
}

std::optional<uint64_t> WebpPictureDataBytes(const uint8_t* bytes, size_t size) {
    if (!IsWebp(bytes, size)) return std::nullopt;
    // The decoder reads no further than the RIFF size says.
    const uint64_t end = std::min<uint64_t>(size, 8 + uint64_t(Little(bytes, 4, 4)));
    uint64_t total = 0;
    bool image = false, alpha = false, frame = false;
    for (uint64_t at = 12; at + 8 <= end;) {
        const uint64_t length = Little(bytes, at + 4, 4);
        const uint8_t* tag = bytes + at;
        const bool picture = Tagged(tag, "VP8 ") || Tagged(tag, "VP8L");
        bool* first = picture ? &image : Tagged(tag, "ALPH") ? &alpha : Tagged(tag, "ANMF") ? &frame : nullptr;
        if (first && !*first) {
            total += std::min(length, end - at - 8);
            *first = true;
        }
        if (at == 12 && picture) break;  // a simple file is its one chunk
        at += 8 + length + (length & 1);
    }
    return total;
}

std::optional<uint64_t> TiffPictureDataBytes(const uint8_t* bytes, size_t size) {
    if (size < 8 || !((bytes[0] == 'I' && bytes[1] == 'I') || (bytes[0] == 'M' && bytes[1] == 'M')))
        return std::nullopt;
    const bool motorola = bytes[0] == 'M';
    // `count` bytes at `at` (which the caller has checked lie within the
    // file) in the file's byte order.
    const auto get = [&](uint64_t at, int count) {
        uint64_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= uint64_t(bytes[at + uint64_t(i)]) << (8 * (motorola ? count - 1 - i : i));
        return value;
    };
    const uint64_t magic = get(2, 2);
    const bool big = magic == 43;
    if (magic != 42 && !(big && size >= 16 && get(4, 2) == 8)) return std::nullopt;
    const int countBytes = big ? 8 : 2, entryBytes = big ? 20 : 12, valueBytes = big ? 8 : 4;
    const uint64_t directory = big ? get(8, 8) : get(4, 4);
    if (directory > size || size - directory < uint64_t(countBytes)) return std::nullopt;
    const uint64_t entries = get(directory, countBytes);
    if (entries > (size - directory - uint64_t(countBytes)) / uint64_t(entryBytes)) return std::nullopt;

    // The values of the tag of `entry`, as many as the file holds, at most
    // kMaxStrips (no picture within the size limits has more strips or
    // tiles than that).
    constexpr uint64_t kMaxStrips = uint64_t(1) << 22;
    const auto values = [&](uint64_t entry) {
        std::vector<uint64_t> out;
        const uint64_t type = get(entry + 2, 2), count = get(entry + 4, valueBytes == 8 ? 8 : 4);
        const int typeBytes = type == 3 ? 2 : type == 4 ? 4 : type == 16 ? 8 : 0;
        if (typeBytes == 0) return out;
        const uint64_t field = entry + 4 + uint64_t(valueBytes);
        uint64_t at = field;
        if (count > uint64_t(valueBytes / typeBytes)) at = get(field, valueBytes);
        if (at > size) return out;
        const uint64_t held = std::min({count, (size - at) / uint64_t(typeBytes), kMaxStrips});
        out.reserve(held);
        for (uint64_t i = 0; i < held; ++i) out.push_back(get(at + i * uint64_t(typeBytes), typeBytes));
        return out;
    };
    std::vector<uint64_t> offsets, counts;
    uint64_t compression = 1;
    for (uint64_t i = 0; i < entries; ++i) {
        const uint64_t entry = directory + uint64_t(countBytes) + i * uint64_t(entryBytes);
        const uint64_t tag = get(entry, 2);
        if (tag == 259) compression = get(entry + 4 + uint64_t(valueBytes), 2);  // a short, the only value
        if ((tag == 273 || tag == 324) && offsets.empty()) offsets = values(entry);
        if ((tag == 279 || tag == 325) && counts.empty()) counts = values(entry);
    }
    // Old-style JPEG data may be found without its strips.
    if (offsets.empty() || compression == 6) return std::nullopt;
    return PieceBytes(offsets, counts, size);
}

void CheckBmpHead(const uint8_t* head, size_t size, uint64_t fileSize) {
    if (size >= 2 && (head[0] != 'B' || head[1] != 'M')) DecoderRefuses(head, size, "bmp");
    CheckBmpClaim(head, size, fileSize);
}

void CheckGifHead(const uint8_t* head, size_t size, uint64_t fileSize) { CheckGifClaim(head, size, fileSize); }

void CheckWebpHead(const uint8_t* head, size_t size, uint64_t fileSize) {
    if (!IsWebp(head, size)) DecoderRefuses(head, size, "webp");
    int64_t width = 0, height = 0;
    if (WebpSize(head, size, width, height)) CheckPictureClaim(width, height, size_t(fileSize));
}

void CheckTiffHead(const uint8_t* head, size_t size, uint64_t) {
    if (size >= 4 && !IsTiff(head, size)) DecoderRefuses(head, size, "tiff");
}

bool IsWebpFile(const uint8_t* head, size_t size) { return IsWebp(head, size); }

bool IsTiff(const uint8_t* head, size_t size) {
    static const uint8_t kOrders[][4] = {{'I', 'I', 42, 0}, {'M', 'M', 0, 42}, {'I', 'I', 43, 0}, {'M', 'M', 0, 43}};
    return size >= 4 && std::any_of(std::begin(kOrders), std::end(kOrders),
                                    [&](const uint8_t* start) { return std::memcmp(head, start, 4) == 0; });
}

}  // namespace corvessa
