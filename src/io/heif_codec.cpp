#include "io/heif_codec.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>
#include <new>

#include "io/jpeg_codec.h"
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
Context OpenContext(const uint8_t* data, size_t size) {
    static const bool initialised = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)initialised;
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

// Every size the file's item properties claim, checked before libheif
// reads anything else: the image size of every item (the primary image,
// its alpha, its tiles), and the pictures that the decoders make room for
// whatever those say, those of every HEVC sequence parameter set and AV1
// sequence header.
void CheckClaimedSizes(const uint8_t* data, size_t size) {
    const auto check = [&](int64_t width, int64_t height) {
        if (width > kMaxHeifSide || height > kMaxHeifSide) throw PictureTooLarge(width, height);
        CheckPictureClaim(width, height, size);
    };
    ForEachBox(data, ItemProperties(data, size), [&](const std::string& type, Span content) {
        const uint8_t* p = data + content.begin;
        const size_t n = content.end - content.begin;
        int64_t width = 0, height = 0;
        if (type == "ispe" && n >= 12) {
            check(Big32(p + 4), Big32(p + 8));
        } else if (type == "hvcC" && n >= 23) {
            size_t at = 23;
            for (int array = 0; array < p[22] && at + 3 <= n; ++array) {
                const int nalType = p[at] & 0x3F;
                const int count = int(p[at + 1]) << 8 | p[at + 2];
                at += 3;
                for (int i = 0; i < count && at + 2 <= n; ++i) {
                    const size_t length = size_t(p[at]) << 8 | p[at + 1];
                    at += 2;
                    if (length > n - at) return;
                    if (nalType == 33 && HevcSpsSize(p + at, length, width, height)) check(width, height);
                    at += length;
                }
            }
        } else if (type == "av1C" && n > 4) {
            if (Av1SequenceSize(p + 4, n - 4, width, height)) check(width, height);
        }
    });
}

}  // namespace

bool IsHeif(const uint8_t* data, size_t size) {
    if (size < 12) return false;
    const heif_filetype_result type = heif_check_filetype(data, int(std::min<size_t>(size, 1 << 20)));
    return type == heif_filetype_yes_supported || type == heif_filetype_yes_unsupported;
}

TBitmap DecodeHeif(const uint8_t* data, size_t size) try {
    CheckClaimedSizes(data, size);
    const Context context = OpenContext(data, size);
    const Handle handle = PrimaryImage(context.get());
    // The coded picture and the picture after the transformations (a
    // quarter turn swaps the sides) are both checked: the decoder makes
    // room for the one, we for the other.
    const int64_t codedWidth = heif_image_handle_get_ispe_width(handle.get());
    const int64_t codedHeight = heif_image_handle_get_ispe_height(handle.get());
    CheckPictureClaim(codedWidth, codedHeight, size);
    CheckPictureClaim(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()), size);

    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    const bool premultiplied = alpha && heif_image_handle_is_premultiplied_alpha(handle.get());
    const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle.get()) > 8;
    const heif_chroma chroma = deep ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                                    : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    if (!options) throw NotEnoughMemory();
    heif_image* decoded = nullptr;
    Check(heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, chroma, options.get()));
    const Image image(decoded);
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!plane || width <= 0 || height <= 0) throw BrokenPicture("the file holds no picture");
    CheckPictureSize(width, height);
    const int bits = deep ? heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved) : 8;
    if (bits < 8 || bits > 16) throw BrokenPicture("samples of " + std::to_string(bits) + " bits");

    TBitmap picture(width, height);
    ForEachRow(height, picture.RowBytes(), [&](int y) {
        StoreRow(plane + size_t(y) * size_t(stride), picture.Row(y), width, alpha, premultiplied, bits);
    });
    return picture;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

HeifMetadata ReadHeifMetadata(const uint8_t* data, size_t size) {
    HeifMetadata metadata;
    metadata.transformed = HasTransformation(data, size);
    try {
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

}  // namespace corvessa
