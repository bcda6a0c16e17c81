#include "io/heif_codec.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

#include "io/jpeg_codec.h"
#include "io/memory_room.h"
#include "io/photo_metadata.h"
#include "io/picture_samples.h"
#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

struct ContextFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleRelease {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageRelease {
    void operator()(heif_image* i) const { heif_image_release(i); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;
using Image = std::unique_ptr<heif_image, ImageRelease>;

void Check(const heif_error& error) {
    if (error.code == heif_error_Ok) return;
    if (error.code == heif_error_Memory_allocation_error && error.subcode != heif_suberror_Security_limit_exceeded)
        throw NotEnoughMemory();
    throw BrokenPicture(error.message ? error.message : "");
}

// The file's boxes, read without decoding anything; `data` must outlive
// the context.
void InitHeif() {
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
}

Context OpenContext(const uint8_t* data, size_t size) {
    InitHeif();
    Context context(heif_context_alloc());
    if (!context) throw NotEnoughMemory();
    heif_context_set_maximum_image_size_limit(context.get(), kMaxHeifSide + 1);
    Check(heif_context_read_from_memory_without_copy(context.get(), data, size, nullptr));
    return context;
}

Handle PrimaryImage(heif_context* context) {
    heif_image_handle* handle = nullptr;
    Check(heif_context_get_primary_image_handle(context, &handle));
    return Handle(handle);
}

// Rows of 8-bit R, G, B (and A) or of 16-bit little-endian samples of
// `bits` bits, into our blue, green, red. A file may store its colour
// premultiplied by alpha.
uint8_t Flattened(uint8_t c, uint8_t a, bool premultiplied) {
    return premultiplied ? PremultipliedOnWhite(c, a) : OnWhite(c, a);
}

void StoreRow(const uint8_t* in, uint8_t* out, int width, bool alpha, bool premultiplied, int bits) {
    if (bits <= 8) {
        const int step = alpha ? 4 : 3;
        for (int x = 0; x < width; ++x, in += step, out += 3) {
            if (alpha) {
                out[0] = Flattened(in[2], in[3], premultiplied);
                out[1] = Flattened(in[1], in[3], premultiplied);
                out[2] = Flattened(in[0], in[3], premultiplied);
            } else {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
        }
        return;
    }
    const auto sample = [&](int i) { return EightBitSample(uint32_t(in[2 * i]) | uint32_t(in[2 * i + 1]) << 8, bits); };
    const int step = alpha ? 4 : 3;
    for (int x = 0; x < width; ++x, in += 2 * step, out += 3) {
        const uint8_t r = sample(0), g = sample(1), b = sample(2);
        if (alpha) {
            const uint8_t a = sample(3);
            out[0] = Flattened(b, a, premultiplied);
            out[1] = Flattened(g, a, premultiplied);
            out[2] = Flattened(r, a, premultiplied);
        } else {
            out[0] = b;
            out[1] = g;
            out[2] = r;
        }
    }
}

uint32_t Big32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

struct Span {
    size_t begin = 0, end = 0;
};

// Calls `visit(type, content)` for each box within `within`; stops at a
// box that does not fit.
template <class Visit>
void ForEachBox(const uint8_t* data, Span within, Visit&& visit) {
    for (size_t at = within.begin; at + 8 <= within.end;) {
        uint64_t boxSize = Big32(data + at);
        size_t header = 8;
        if (boxSize == 1 && at + 16 <= within.end) {
            boxSize = uint64_t(Big32(data + at + 8)) << 32 | Big32(data + at + 12);
            header = 16;
        } else if (boxSize == 0) {
            boxSize = within.end - at;
        }
        if (boxSize < header || boxSize > within.end - at) return;
        visit(std::string(reinterpret_cast<const char*>(data + at + 4), 4), Span{at + header, at + size_t(boxSize)});
        at += size_t(boxSize);
    }
}

// The item properties of the file: the boxes in meta > iprp > ipco.
Span ItemProperties(const uint8_t* data, size_t size) {
    Span meta, iprp, ipco;
    ForEachBox(data, Span{0, size}, [&](const std::string& type, Span content) {
        if (type == "meta" && meta.end == 0 && content.end - content.begin >= 4) meta = {content.begin + 4, content.end};
    });
    ForEachBox(data, meta, [&](const std::string& type, Span content) {
        if (type == "iprp" && iprp.end == 0) iprp = content;
    });
    ForEachBox(data, iprp, [&](const std::string& type, Span content) {
        if (type == "ipco" && ipco.end == 0) ipco = content;
    });
    return ipco;
}

bool HasTransformation(const uint8_t* data, size_t size) {
    bool found = false;
    ForEachBox(data, ItemProperties(data, size), [&](const std::string& type, Span) {
        found = found || type == "irot" || type == "imir";
    });
    return found;
}

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

// A box's unsigned field of `bytes` (0, 2, 4 or 8) bytes, read forward;
// reading past `end` marks the reader.
class FieldReader {
public:
    FieldReader(const uint8_t* data, Span span) : data_(data), at_(span.begin), end_(span.end) {}
    uint64_t Read(int bytes) {
        if (end_ - at_ < size_t(bytes)) {
            overrun_ = true;
            at_ = end_;
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | data_[at_++];
        return value;
    }
    size_t At() const { return at_; }
    bool Overrun() const { return overrun_; }

private:
    const uint8_t* data_;
    size_t at_, end_;
    bool overrun_ = false;
};

// Items, references and properties the reader follows; a file with more
// is refused before libheif parses it, which takes time growing with the
// square of their number (10,000 items took 4 to 11 s, 4,096 about 1 s).
// The largest picture in tiles of 256 needs 64 x 48 of them, and phones'
// tiles are of 512.
inline constexpr uint64_t kMaxHeifItems = 4096;

// What the boxes of the file say about its items, read before libheif
// reads them.
struct HeifItem {
    std::string type;
    std::vector<Span> extents;  // within the file, cut where it ends
    int construction = 0;  // 0: file offsets, 1: within idat
    std::vector<uint32_t> properties;  // indices into ipco, from 1
    std::vector<uint32_t> tiles;  // its dimg references
};

struct HeifBoxes {
    bool read = false;  // meta, iinf and iloc were there
    uint32_t primary = 0;
    std::map<uint32_t, HeifItem> items;
    std::vector<std::pair<std::string, Span>> properties;  // ipco's boxes in order
};

CorvessaError TooManyItems() {
    return BrokenPicture("it has more than " + std::to_string(kMaxHeifItems) + " items");
}

void CheckCount(uint64_t count) {
    if (count > kMaxHeifItems) throw TooManyItems();
}

HeifBoxes ReadHeifBoxes(const uint8_t* data, size_t size) {
    HeifBoxes boxes;
    Span meta, iinf, iloc, iref, ipco, ipma, idat, pitm;
    ForEachBox(data, Span{0, size}, [&](const std::string& type, Span content) {
        if (type == "meta" && meta.end == 0 && content.end - content.begin >= 4) meta = {content.begin + 4, content.end};
    });
    Span iprp;
    ForEachBox(data, meta, [&](const std::string& type, Span content) {
        Span* const found = type == "iinf" ? &iinf : type == "iloc" ? &iloc : type == "iref" ? &iref
                          : type == "iprp" ? &iprp : type == "idat" ? &idat : type == "pitm" ? &pitm : nullptr;
        if (found && found->end == 0) *found = content;
    });
    ForEachBox(data, iprp, [&](const std::string& type, Span content) {
        if (type == "ipco" && ipco.end == 0) ipco = content;
        if (type == "ipma" && ipma.end == 0) ipma = content;
    });
    uint64_t properties = 0;
    ForEachBox(data, ipco, [&](const std::string& type, Span content) {
        if (++properties > kMaxHeifItems) throw TooManyItems();
        boxes.properties.emplace_back(type, content);
    });
    if (iinf.end == 0 || iloc.end == 0) return boxes;
    boxes.read = true;

    if (pitm.end > 0) {
        FieldReader r(data, pitm);
        boxes.primary = uint32_t(r.Read(r.Read(4) >> 24 == 0 ? 2 : 4));
    }
    {
        FieldReader r(data, iinf);
        const uint64_t count = r.Read(r.Read(4) >> 24 == 0 ? 2 : 4);
        CheckCount(count);
        uint64_t seen = 0;
        ForEachBox(data, Span{r.At(), iinf.end}, [&](const std::string& type, Span content) {
            if (type != "infe") return;
            CheckCount(++seen);
            FieldReader e(data, content);
            const uint64_t version = e.Read(4) >> 24;
            if (version < 2) return;  // no item type
            const uint32_t id = uint32_t(e.Read(version == 2 ? 2 : 4));
            e.Read(2);  // protection
            const size_t at = e.At();
            if (e.Read(4), e.Overrun()) return;
            boxes.items[id].type.assign(reinterpret_cast<const char*>(data + at), 4);
        });
    }
    {
        FieldReader r(data, iloc);
        const uint64_t version = r.Read(4) >> 24;
        const uint64_t sizes = r.Read(2);
        const int offsetSize = int(sizes >> 12), lengthSize = int(sizes >> 8 & 15), baseSize = int(sizes >> 4 & 15);
        const int indexSize = version >= 1 ? int(sizes & 15) : 0;
        const uint64_t count = r.Read(version < 2 ? 2 : 4);
        CheckCount(count);
        for (uint64_t i = 0; i < count && !r.Overrun(); ++i) {
            const uint32_t id = uint32_t(r.Read(version < 2 ? 2 : 4));
            const int construction = version >= 1 ? int(r.Read(2) & 15) : 0;
            r.Read(2);  // data reference
            const uint64_t base = r.Read(baseSize);
            const uint64_t extents = r.Read(2);
            HeifItem* const item = boxes.items.count(id) ? &boxes.items[id] : nullptr;
            if (item) item->construction = construction;
            const Span within = construction == 1 ? idat : Span{0, size};
            for (uint64_t e = 0; e < extents && !r.Overrun(); ++e) {
                r.Read(indexSize);
                const uint64_t offset = r.Read(offsetSize), length = r.Read(lengthSize);
                if (!item || construction > 1) continue;
                const uint64_t room = within.end - within.begin;
                if (base > room || offset > room - base) continue;
                const size_t begin = within.begin + size_t(base + offset);
                const size_t end = length == 0 || length > within.end - begin ? within.end : begin + size_t(length);
                item->extents.push_back(Span{begin, end});
            }
        }
    }
    if (iref.end > 0) {
        FieldReader r(data, iref);
        const int idSize = r.Read(4) >> 24 == 0 ? 2 : 4;
        uint64_t references = 0;
        ForEachBox(data, Span{r.At(), iref.end}, [&](const std::string& type, Span content) {
            FieldReader f(data, content);
            const uint32_t from = uint32_t(f.Read(idSize));
            const uint64_t count = f.Read(2);
            references += count;
            CheckCount(references);
            auto item = boxes.items.find(from);
            for (uint64_t i = 0; i < count && !f.Overrun(); ++i) {
                const uint32_t to = uint32_t(f.Read(idSize));
                if (type == "dimg" && item != boxes.items.end() && !f.Overrun()) item->second.tiles.push_back(to);
            }
        });
    }
    if (ipma.end > 0) {
        FieldReader r(data, ipma);
        const uint64_t versionFlags = r.Read(4);
        const uint64_t count = r.Read(4);
        CheckCount(count);
        uint64_t associations = 0;
        for (uint64_t i = 0; i < count && !r.Overrun(); ++i) {
            const uint32_t id = uint32_t(r.Read(versionFlags >> 24 == 0 ? 2 : 4));
            const uint64_t n = r.Read(1);
            // Phones' files give each item a handful of properties.
            associations += n;
            if (associations > 16 * kMaxHeifItems) throw TooManyItems();
            auto item = boxes.items.find(id);
            for (uint64_t a = 0; a < n && !r.Overrun(); ++a) {
                const uint32_t index = versionFlags & 1 ? uint32_t(r.Read(2) & 0x7FFF) : uint32_t(r.Read(1) & 0x7F);
                if (item != boxes.items.end() && !r.Overrun()) item->second.properties.push_back(index);
            }
        }
    }
    return boxes;
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
    if (type == "hvcC" && n >= 23) {
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

// A claim of `width` x `height` pixels against `pictureBytes` bytes of
// coded pictures.
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

// Every size the file's boxes claim, checked before libheif reads
// anything else: the image size of every item (the primary image, its
// alpha, its tiles), the pictures that the decoders make room for whatever
// those say (those of every HEVC sequence parameter set and AV1 sequence
// header), and every grid's tiles. Only the bytes of coded pictures count
// towards what the file can hold, not padding around them; returns their
// number.
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

// What decoding a picture of `pixels` may take besides our bitmap: the
// decoder's picture and libheif's copy of it, the planes of the colour
// conversion and its interleaved result (measured at 9 bytes a pixel for
// 24 megapixels of 8-bit colour, 4:2:0 or a grid), and a decoding thread
// (libde265 starts a worker for every picture or tile: its stack and the
// 64 MB of address space its malloc arena reserves). libde265 waits for
// ever for a worker it could not start, so the room must be there before.
size_t DecodingBytes(int64_t pixels, bool alpha, bool deep) {
    const int64_t perPixel = (alpha ? 12 : 9) * (deep ? 2 : 1);
    return size_t(pixels * perPixel) + (size_t(80) << 20);
}

int DecodingThreads() { return int(std::clamp(std::thread::hardware_concurrency(), 1u, 64u)); }

// The errors libheif gives when memory runs out inside a decoder (which
// then yields no picture) or the colour conversion (which then has no
// result), as well as for broken data.
bool MayBeOutOfMemory(const heif_error& error) {
    return error.code == heif_error_Decoder_plugin_error ||
           (error.code == heif_error_Unsupported_feature && error.subcode == heif_suberror_Unsupported_color_conversion);
}

}  // namespace

bool IsHeif(const uint8_t* data, size_t size) {
    if (size < 12) return false;
    const heif_filetype_result type = heif_check_filetype(data, int(std::min<size_t>(size, 1 << 20)));
    return type == heif_filetype_yes_supported || type == heif_filetype_yes_unsupported;
}

TBitmap DecodeHeif(const uint8_t* data, size_t size) try {
    const size_t pictureBytes = CheckClaimedSizes(data, size);
    const Context context = OpenContext(data, size);
    const Handle handle = PrimaryImage(context.get());
    // The coded picture and the picture after the transformations (a
    // quarter turn swaps the sides) are both checked: the decoder makes
    // room for the one, we for the other.
    const int64_t codedWidth = heif_image_handle_get_ispe_width(handle.get());
    const int64_t codedHeight = heif_image_handle_get_ispe_height(handle.get());
    CheckHeifClaim(codedWidth, codedHeight, pictureBytes);
    CheckHeifClaim(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()), pictureBytes);

    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    const bool premultiplied = alpha && heif_image_handle_is_premultiplied_alpha(handle.get());
    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle.get()) > 8;
    const heif_chroma chroma = deep ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                                    : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    if (!options) throw NotEnoughMemory();
    // Phones store their photos as grids of 512 x 512 tiles, which libheif
    // decodes side by side on as many threads as it is allowed (4 unless
    // told): one a core. Under a tight limit on address space libheif's
    // tile threads and their decoders' workers took more than a
    // 24-megapixel grid, and a worker that could not start hung the
    // decoder: tiles are then decoded one at a time on the caller's
    // thread, which gives the same picture.
    // Our picture first, then a probe for what libheif will need: a
    // picture the machine cannot hold is said to be so before the decoders
    // fail in their own words (or, starting no thread, wait for ever).
    TBitmap picture;
    if (!picture.TrySetSize(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get())))
        throw NotEnoughMemory();
    const int64_t pixels = std::max(codedWidth * codedHeight, int64_t(picture.Width()) * picture.Height());
    const size_t working = DecodingBytes(pixels, alpha, deep);
    if (!CanAllocate(working)) throw NotEnoughMemory();
    heif_context_set_max_decoding_threads(context.get(), AddressSpaceLimited(working) ? 0 : DecodingThreads());
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, chroma, options.get());
    // Memory taken by others meanwhile, or more needed than reckoned.
    if (MayBeOutOfMemory(error) && !CanAllocate(2 * working)) throw NotEnoughMemory();
    Check(error);
    const Image image(decoded);
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!plane || width <= 0 || height <= 0) throw BrokenPicture("the file holds no picture");
    CheckPictureSize(width, height);
    const int bits = deep ? heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved) : 8;
    if (bits < 8 || bits > 16) throw BrokenPicture("samples of " + std::to_string(bits) + " bits");

    picture.SetSize(width, height);  // the same size, but for a broken file
    ForEachRow(height, picture.RowBytes(), [&](int y) {
        StoreRow(plane + size_t(y) * size_t(stride), picture.Row(y), width, alpha, premultiplied, bits);
    });
    return picture;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
} catch (const std::system_error& e) {
    // libheif could not start a thread for a tile.
    if (e.code() == std::errc::resource_unavailable_try_again) throw NotEnoughMemory();
    throw BrokenPicture(e.what());
}

HeifMetadata ReadHeifMetadata(const uint8_t* data, size_t size) {
    HeifMetadata metadata;
    metadata.transformed = HasTransformation(data, size);
    try {
        ReadHeifBoxes(data, size);  // refuses what libheif would take too long to parse
        const Context context = OpenContext(data, size);
        const Handle handle = PrimaryImage(context.get());
        const int count = heif_image_handle_get_number_of_metadata_blocks(handle.get(), nullptr);
        std::vector<heif_item_id> ids(size_t(std::max(count, 0)));
        heif_image_handle_get_list_of_metadata_block_IDs(handle.get(), nullptr, ids.data(), count);
        for (const heif_item_id id : ids) {
            const std::string type = heif_image_handle_get_metadata_type(handle.get(), id);
            const char* contentType = heif_image_handle_get_metadata_content_type(handle.get(), id);
            std::vector<uint8_t> block(heif_image_handle_get_metadata_size(handle.get(), id));
            if (block.empty() || heif_image_handle_get_metadata(handle.get(), id, block.data()).code != heif_error_Ok)
                continue;
            if (type == "Exif" && metadata.exif.empty() && block.size() > 4) {
                // A 4-byte offset from its own end to the TIFF header, which
                // usually follows "Exif\0\0".
                const size_t offset = size_t(block[0]) << 24 | size_t(block[1]) << 16 | size_t(block[2]) << 8 | block[3];
                if (offset < block.size() - 4) metadata.exif.assign(block.begin() + 4 + ptrdiff_t(offset), block.end());
            } else if (type == "mime" && contentType && std::strcmp(contentType, "application/rdf+xml") == 0 &&
                       metadata.xmp.empty()) {
                metadata.xmp.assign(block.begin(), block.end());
            }
        }
        const heif_color_profile_type profile = heif_image_handle_get_color_profile_type(handle.get());
        if (profile == heif_color_profile_type_prof || profile == heif_color_profile_type_rICC) {
            std::vector<uint8_t> icc(heif_image_handle_get_raw_color_profile_size(handle.get()));
            if (!icc.empty() && heif_image_handle_get_raw_color_profile(handle.get(), icc.data()).code == heif_error_Ok)
                metadata.iccProfile = std::move(icc);
        }
    } catch (const std::exception&) {
        // Whatever was read stands; a broken file has no more to give.
    }
    return metadata;
}

namespace {

struct EncoderRelease {
    void operator()(heif_encoder* e) const { heif_encoder_release(e); }
};

heif_compression_format FormatOf(HeifCoding coding) {
    return coding == HeifCoding::kHevc ? heif_compression_HEVC : heif_compression_AV1;
}

const char* FormatName(HeifCoding coding) { return coding == HeifCoding::kHevc ? "HEIC" : "AVIF"; }

CorvessaError WriteError(const heif_error& error, HeifCoding coding) {
    if (error.code == heif_error_Memory_allocation_error) return NotEnoughMemoryToSave(FormatName(coding));
    return CorvessaError(std::string("Stream write error: ") + (error.message ? error.message : "libheif cannot write the file"));
}

// What encoding a picture of `pixels` takes besides the picture handed in,
// from where EncodeHeif asks for it: libheif's RGB copy and its 4:2:0
// conversion, and the encoder's own pictures and analysis. Measured as
// the rise of the process's peak address space on the caller's thread
// alone (as under a limit on it), from 3 to 24 megapixels: x265 took
// 17 bytes a pixel and 94 MB (492 MB for 24 megapixels), aom 23 bytes a
// pixel and 22 MB (564 MB); a quarter more is asked for. Short of it x265
// crashed or waited for ever, aom crashed.
size_t EncodingBytes(int64_t pixels, HeifCoding coding) {
    if (coding == HeifCoding::kHevc) return size_t(pixels * 21) + (size_t(136) << 20);
    return size_t(pixels * 29) + (size_t(32) << 20);
}

// Threads under a limit on address space: see AddressSpaceLimited.
void RunOnTheCallersThread(heif_encoder* encoder, HeifCoding coding) {
    if (coding == HeifCoding::kHevc) {
        heif_encoder_set_parameter(encoder, "x265:pools", "none");
        heif_encoder_set_parameter(encoder, "x265:frame-threads", "1");
    } else {
        heif_encoder_set_parameter_integer(encoder, "threads", 1);
    }
}

heif_error AppendBytes(heif_context*, const void* data, size_t size, void* target) {
    auto& out = *static_cast<std::vector<uint8_t>*>(target);
    try {
        out.insert(out.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
    } catch (const std::bad_alloc&) {
        return {heif_error_Memory_allocation_error, heif_suberror_Unspecified, "out of memory"};
    }
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

}  // namespace

bool CanEncodeHeif(HeifCoding coding) {
    InitHeif();
    return heif_have_encoder_for_format(FormatOf(coding));
}

std::vector<uint8_t> EncodeHeif(const TBitmap& picture, const PhotoMetadata& metadata, HeifCoding coding, int quality) try {
    const int width = picture.Width(), height = picture.Height();
    if (width <= 0 || height <= 0) throw CorvessaError("Stream write error: the picture is empty");
    if (width > kMaxHeifSide || height > kMaxHeifSide)
        throw CorvessaError("Picture is too large for HEIF (" + std::to_string(width) + " x " + std::to_string(height) +
                            "): save it as PNG or JPEG");
    if (!CanEncodeHeif(coding))
        throw CorvessaError(std::string("Stream write error: libheif has no encoder for ") +
                            (coding == HeifCoding::kHevc ? "HEIC (HEVC)" : "AVIF (AV1)"));
    const auto check = [coding](const heif_error& error) {
        if (error.code != heif_error_Ok) throw WriteError(error, coding);
    };
    const CorvessaError noRoom = NotEnoughMemoryToSave(FormatName(coding));
    InitHeif();
    const Context context(heif_context_alloc());
    if (!context) throw noRoom;
    heif_encoder* made = nullptr;
    check(heif_context_get_encoder_for_format(context.get(), FormatOf(coding), &made));
    const std::unique_ptr<heif_encoder, EncoderRelease> encoder(made);
    check(heif_encoder_set_lossy_quality(encoder.get(), std::clamp(quality, 0, 100)));
    heif_encoder_set_parameter(encoder.get(), "chroma", "420");
    if (AddressSpaceLimited()) RunOnTheCallersThread(encoder.get(), coding);
    const size_t working = EncodingBytes(int64_t(width) * height, coding);
    if (!CanAllocate(working)) throw noRoom;

    heif_image* created = nullptr;
    check(heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &created));
    const Image image(created);
    check(heif_image_add_plane(image.get(), heif_channel_interleaved, width, height, 8));
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    if (!plane) throw noRoom;
    ForEachRow(height, picture.RowBytes(), [&](int y) {
        const uint8_t* in = picture.Row(y);
        uint8_t* out = plane + size_t(y) * size_t(stride);
        for (int x = 0; x < width; ++x, in += 3, out += 3) out[0] = in[2], out[1] = in[1], out[2] = in[0];
    });
    const SavedMetadataBlocks blocks = SavedBlocks(metadata, width, height);
    if (!blocks.iccProfile.empty())
        check(heif_image_set_raw_color_profile(image.get(), "prof", blocks.iccProfile.data(), blocks.iccProfile.size()));

    heif_image_handle* encoded = nullptr;
    const heif_error error = heif_context_encode_image(context.get(), image.get(), encoder.get(), nullptr, &encoded);
    // An encoder that ran short of memory says only that it failed.
    if (error.code != heif_error_Ok && !CanAllocate(2 * working)) throw noRoom;
    check(error);
    const Handle handle(encoded);
    if (!blocks.exif.empty())
        check(heif_context_add_exif_metadata(context.get(), handle.get(), blocks.exif.data(), int(blocks.exif.size())));
    if (!blocks.xmp.empty())
        check(heif_context_add_XMP_metadata(context.get(), handle.get(), blocks.xmp.data(), int(blocks.xmp.size())));
    std::vector<uint8_t> out;
    heif_writer writer{1, AppendBytes};
    check(heif_context_write(context.get(), &writer, &out));
    return out;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToSave(FormatName(coding));
}

}  // namespace corvessa
