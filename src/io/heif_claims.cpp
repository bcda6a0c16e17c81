#include "io/heif_claims.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ground/error.h"
#include "io/heif_boxes.h"
#include "io/heif_codec.h"
#include "io/jpeg_codec.h"

namespace corvessa {
namespace heif {

namespace {

// Bits of a parameter set, most significant first; reading past the end
// gives zeros and marks the reader.
class BitReader {
public:
    explicit BitReader(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    uint32_t Bits(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            const size_t byte = at_ / 8;
            if (byte >= bytes_.size()) {
                overrun_ = true;
                return value;
            }
            value = value << 1 | ((bytes_[byte] >> (7 - at_ % 8)) & 1);
            ++at_;
        }
        return value;
    }
    uint32_t ExpGolomb() {
        int zeros = 0;
        while (!overrun_ && Bits(1) == 0 && zeros < 32) ++zeros;
        return zeros >= 32 ? UINT32_MAX : (uint32_t(1) << zeros) - 1 + Bits(zeros);
    }
    bool Overrun() const { return overrun_; }

private:
    std::vector<uint8_t> bytes_;
    size_t at_ = 0;
    bool overrun_ = false;
};

// The picture size an HEVC sequence parameter set (a NAL unit, header
// included) gives the decoder, which makes room for it before it reads
// any picture data.
bool HevcSpsSize(const uint8_t* nal, size_t size, int64_t& width, int64_t& height) {
    std::vector<uint8_t> rbsp;  // without the header and emulation prevention bytes
    for (size_t i = 2; i < size; ++i) {
        if (i >= 4 && nal[i] == 3 && nal[i - 1] == 0 && nal[i - 2] == 0) continue;
        rbsp.push_back(nal[i]);
    }
    BitReader bits(std::move(rbsp));
    bits.Bits(4);  // video parameter set
    const uint32_t subLayers = bits.Bits(3);
    bits.Bits(1);
    bits.Bits(96);  // the general profile, tier and level
    bool profile[8] = {}, level[8] = {};
    for (uint32_t i = 0; i < subLayers; ++i) profile[i] = bits.Bits(1), level[i] = bits.Bits(1);
    if (subLayers > 0)
        for (uint32_t i = subLayers; i < 8; ++i) bits.Bits(2);
    for (uint32_t i = 0; i < subLayers; ++i) bits.Bits((profile[i] ? 88 : 0) + (level[i] ? 8 : 0));
    bits.ExpGolomb();  // sequence parameter set id
    if (bits.ExpGolomb() == 3) bits.Bits(1);  // 4:4:4 and its separate colour planes
    width = bits.ExpGolomb();
    height = bits.ExpGolomb();
    return !bits.Overrun();
}

// The largest picture an AV1 sequence header OBU allows; false when it
// cannot be read here (timing information is not followed).
bool Av1SequenceSize(const uint8_t* obu, size_t size, int64_t& width, int64_t& height) {
    if (size < 2 || ((obu[0] >> 3) & 15) != 1) return false;  // not a sequence header
    size_t at = 1 + ((obu[0] >> 2) & 1);
    if (obu[0] & 2) {  // its size, which follows
        while (at < size && (obu[at] & 0x80)) ++at;
        ++at;
    }
    if (at >= size) return false;
    BitReader bits(std::vector<uint8_t>(obu + at, obu + size));
    bits.Bits(4);  // profile, still picture
    if (bits.Bits(1)) {  // the reduced header of a still picture
        bits.Bits(5);
    } else {
        if (bits.Bits(1)) return false;  // timing information
        const bool displayDelay = bits.Bits(1);
        const uint32_t points = bits.Bits(5) + 1;
        for (uint32_t i = 0; i < points; ++i) {
            bits.Bits(12);
            if (bits.Bits(5) > 7) bits.Bits(1);
            if (displayDelay && bits.Bits(1)) bits.Bits(4);
        }
    }
    const int widthBits = int(bits.Bits(4)) + 1, heightBits = int(bits.Bits(4)) + 1;
    width = int64_t(bits.Bits(widthBits)) + 1;
    height = int64_t(bits.Bits(heightBits)) + 1;
    return !bits.Overrun();
}

// The largest picture of the sequence parameter sets an HEVC
// configuration box (hvcC) holds; false when none can be read.
bool HvccSize(const uint8_t* p, size_t n, int64_t& width, int64_t& height) {
    size_t at = 23;
    bool found = false;
    for (int array = 0; array < p[22] && at + 3 <= n; ++array) {
        const int nalType = p[at] & 0x3F;
        const int count = int(p[at + 1]) << 8 | p[at + 2];
        at += 3;
        for (int i = 0; i < count && at + 2 <= n; ++i) {
            const size_t length = size_t(p[at]) << 8 | p[at + 1];
            at += 2;
            if (length > n - at) return found;
            int64_t w = 0, h = 0;
            if (nalType == 33 && HevcSpsSize(p + at, length, w, h)) {
                width = std::max(width, w);
                height = std::max(height, h);
                found = true;
            }
            at += length;
        }
    }
    return found;
}

// The largest picture a property makes the decoder (or libheif) make room
// for: an image size, or the picture size of an HEVC sequence parameter
// set or an AV1 sequence header; false for other properties.
bool PropertySize(const uint8_t* data, const std::string& type, Span content, int64_t& width, int64_t& height) {
    const uint8_t* p = data + content.begin;
    const size_t n = content.end - content.begin;
    width = height = 0;
    if (type == "ispe" && n >= 12) {
        width = Big32(p + 4);
        height = Big32(p + 8);
        return true;
    }
    if (type == "hvcC" && n >= 23) return HvccSize(p, n, width, height);
    if (type == "av1C" && n > 4) return Av1SequenceSize(p + 4, n - 4, width, height);
    return false;
}

// The bytes that hold coded pictures: the data of the image items, each
// byte counted once however many items point at it.
size_t PictureBytes(const HeifBoxes& boxes) {
    std::vector<Span> spans;
    for (const auto& [id, item] : boxes.items)
        if (item.type == "hvc1" || item.type == "av01" || item.type == "jpeg")
            spans.insert(spans.end(), item.extents.begin(), item.extents.end());
    std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.begin < b.begin; });
    size_t bytes = 0, covered = 0;
    for (const Span s : spans) {
        const size_t begin = std::max(s.begin, covered);
        if (s.end > begin) bytes += s.end - begin;
        covered = std::max(covered, s.end);
    }
    return bytes;
}

// The bytes of an item's data (at most `most`).
std::vector<uint8_t> ItemData(const uint8_t* data, const HeifItem& item, size_t most) {
    std::vector<uint8_t> bytes;
    for (const Span s : item.extents) {
        const size_t take = std::min(most - bytes.size(), s.end - s.begin);
        bytes.insert(bytes.end(), data + s.begin, data + s.begin + take);
    }
    return bytes;
}

// A grid costs the decoding of every tile it names, at the size each
// tile's properties give, however small the picture: every tile must fit
// its cell (each row and column of cells is needed to cover the picture),
// and all of them together must not hold more than the picture and one
// more row and column of tiles.
void CheckGrid(const uint8_t* data, const HeifBoxes& boxes, const HeifItem& grid, size_t pictureBytes) {
    const std::vector<uint8_t> g = ItemData(data, grid, 12);
    if (g.size() < 8) return;  // libheif says what is wrong
    const int64_t rows = g[2] + 1, columns = g[3] + 1;
    const bool wide = g[1] & 1;
    if (wide && g.size() < 12) return;
    const int64_t width = wide ? Big32(&g[4]) : (g[4] << 8 | g[5]);
    const int64_t height = wide ? Big32(&g[8]) : (g[6] << 8 | g[7]);
    CheckHeifClaim(width, height, pictureBytes);
    if (width == 0 || height == 0) return;
    int64_t area = 0, widest = 0, tallest = 0, smallestWidth = INT64_MAX, smallestHeight = INT64_MAX;
    for (const uint32_t id : grid.tiles) {
        const auto tile = boxes.items.find(id);
        if (tile == boxes.items.end()) continue;
        int64_t w = 0, h = 0;
        for (const uint32_t index : tile->second.properties) {
            if (index == 0 || index > boxes.properties.size()) continue;
            const auto& [type, content] = boxes.properties[index - 1];
            int64_t pw = 0, ph = 0;
            if (PropertySize(data, type, content, pw, ph)) w = std::max(w, pw), h = std::max(h, ph);
        }
        if (w == 0 || h == 0) continue;  // libheif refuses a tile without a size
        // A coder may round a tile up to its block size (64 at most).
        if ((columns - 1) * w >= width || w > width + 64 || (rows - 1) * h >= height || h > height + 64)
            throw BrokenPicture("its tiles of " + std::to_string(w) + " x " + std::to_string(h) +
                                " are larger than the cells of its grid of " + std::to_string(columns) + " x " +
                                std::to_string(rows) + " for " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels");
        area += w * h;
        widest = std::max(widest, w), tallest = std::max(tallest, h);
        smallestWidth = std::min(smallestWidth, w), smallestHeight = std::min(smallestHeight, h);
    }
    if (area == 0) return;
    const int64_t needed = ((width + smallestWidth - 1) / smallestWidth) * ((height + smallestHeight - 1) / smallestHeight);
    if (int64_t(grid.tiles.size()) > needed || area > (width + widest) * (height + tallest))
        throw BrokenPicture("its " + std::to_string(grid.tiles.size()) + " tiles hold more than its " +
                            std::to_string(width) + " x " + std::to_string(height) + " pixels");
}

}  // namespace

void CheckHeifClaim(int64_t width, int64_t height, size_t pictureBytes) {
    if (width > kMaxHeifSide || height > kMaxHeifSide) throw PictureTooLarge(width, height);
    CheckPictureClaim(width, height, pictureBytes);
    // Beyond 50 megapixels only phones' and cameras' sensors make HEIF
    // pictures, and their noise costs bytes: a 200-megapixel phone photo
    // holds 30 MB or more (about 6 pixels a byte) and a 50-megapixel one
    // 8 MB. One byte for every 64 pixels leaves ten times that room and
    // refuses a few kilobytes claiming 200 megapixels, which would cost
    // gigabytes of memory before its decoding failed.
    if (width * height > 50'000'000 && width * height > 64 * int64_t(pictureBytes))
        throw BrokenPicture("it claims " + std::to_string(width) + " x " + std::to_string(height) +
                            " pixels, more than its " + std::to_string(pictureBytes) + " bytes of picture data can hold");
}

size_t CheckClaimedSizes(const uint8_t* data, size_t size) {
    const HeifBoxes boxes = ReadHeifBoxes(data, size);
    // Without its item boxes the file is libheif's to refuse.
    const size_t pictureBytes = boxes.read ? PictureBytes(boxes) : size;
    for (const auto& [type, content] : boxes.properties) {
        int64_t width = 0, height = 0;
        if (PropertySize(data, type, content, width, height)) CheckHeifClaim(width, height, pictureBytes);
    }
    for (const auto& [id, item] : boxes.items)
        if (item.type == "grid") CheckGrid(data, boxes, item, pictureBytes);
    return pictureBytes;
}

}  // namespace heif
}  // namespace corvessa
