#include <cstring>
#include <map>

#include "ground/error.h"
#include "io/colour_profile.h"
#include "io/jpeg_codec.h"

namespace corvessa {

namespace {

// The ICC profile's chunks in APP2 markers and whether Adobe's APP14
// marker (which libjpeg takes for inverted CMYK) is there.
std::vector<uint8_t> ReadHeader(const uint8_t* data, size_t size, bool* adobe) {
    static const char kIcc[] = "ICC_PROFILE";  // and its zero
    std::map<int, std::pair<const uint8_t*, size_t>> chunks;
    int count = 0;
    for (size_t at = 2; at + 4 <= size && data[at] == 0xFF;) {
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) break;  // the picture data
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        const size_t length = size_t(data[at + 2]) << 8 | data[at + 3];
        if (length < 2 || at + 2 + length > size) break;
        const uint8_t* body = data + at + 4;
        const size_t bytes = length - 2;
        at += 2 + length;
        if (marker == 0xEE && bytes >= 12 && std::memcmp(body, "Adobe", 5) == 0 && adobe) *adobe = true;
        if (marker != 0xE2 || bytes <= sizeof kIcc + 2 || std::memcmp(body, kIcc, sizeof kIcc) != 0) continue;
        // A chunk's number (from 1) and the count of chunks, then its part.
        const int number = body[sizeof kIcc], of = body[sizeof kIcc + 1];
        if (number < 1 || number > of || (count != 0 && of != count) || chunks.count(number)) return {};
        count = of;
        chunks[number] = {body + sizeof kIcc + 2, bytes - sizeof kIcc - 2};
    }
    if (count == 0 || int(chunks.size()) != count) return {};
    std::vector<uint8_t> icc;
    for (const auto& [number, chunk] : chunks) icc.insert(icc.end(), chunk.first, chunk.first + chunk.second);
    return icc;
}

}  // namespace

std::vector<uint8_t> JpegIccProfile(const uint8_t* data, size_t size) { return ReadHeader(data, size, nullptr); }

std::shared_ptr<const ColourTransform> CmykConversionOf(const uint8_t* data, size_t size) {
    bool adobe = false;
    const std::vector<uint8_t> icc = ReadHeader(data, size, &adobe);
    // The colour space at byte 16 of the header: only a CMYK profile is
    // opened here.
    if (icc.size() < 132 || std::memcmp(icc.data() + 16, "CMYK", 4) != 0) return {};
    const ColourProfile profile = ColourProfile::FromIcc(icc);
    if (!profile.IsCmyk()) return {};
    return MakeTransform(profile, ColourProfile(), adobe ? ColourTransform::kInvertedCmyk : ColourTransform::kCmyk);
}

}  // namespace corvessa
