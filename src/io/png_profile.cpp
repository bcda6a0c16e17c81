#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "io/png_codec.h"

namespace corvessa {

namespace {

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

constexpr size_t kMaxProfileBytes = size_t(64) << 20;

// The zlib stream `in` inflated to its end, or nothing.
std::vector<uint8_t> Inflated(const uint8_t* in, size_t size) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return {};
    stream.next_in = const_cast<uint8_t*>(in);
    stream.avail_in = uInt(size);
    std::vector<uint8_t> out;
    int status = Z_OK;
    while (status == Z_OK && out.size() < kMaxProfileBytes) {
        const size_t at = out.size();
        out.resize(at + (size_t(64) << 10));
        stream.next_out = out.data() + at;
        stream.avail_out = uInt(out.size() - at);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(out.size() - stream.avail_out);
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) return {};
    return out;
}

}  // namespace

std::vector<uint8_t> PngIccProfile(const uint8_t* data, size_t size) {
    for (size_t at = 8; at + 12 <= size && size - at - 12 >= Big32(data + at);) {
        const size_t length = Big32(data + at);
        const uint8_t* type = data + at + 4;
        if (std::memcmp(type, "IDAT", 4) == 0 || std::memcmp(type, "IEND", 4) == 0) break;
        if (std::memcmp(type, "iCCP", 4) == 0) {
            // A name of 1 to 79 bytes and its zero, the method (0, deflate),
            // the compressed profile.
            const uint8_t* body = type + 4;
            const auto* zero = static_cast<const uint8_t*>(std::memchr(body, 0, std::min<size_t>(length, 80)));
            if (!zero || zero == body || size_t(zero - body) + 2 > length || zero[1] != 0) return {};
            const size_t skip = size_t(zero - body) + 2;
            return Inflated(body + skip, length - skip);
        }
        at += 12 + length;
    }
    return {};
}

}  // namespace corvessa
