#include "io/heif_codec.h"

#include <libheif/heif.h>

#include <cstring>
#include <memory>
#include <new>

#include "io/jpeg_codec.h"
#include "io/picture_samples.h"
#include "routines/error.h"
#include "routines/parallel.h"

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
    // libheif's own side limit is below ours; ours is checked below.
    heif_context_set_maximum_image_size_limit(context.get(), kMaxPictureSide + 1);
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

// Whether the item properties of the file's meta box hold a rotation or a
// mirroring, found by walking the boxes meta > iprp > ipco.
bool HasTransformation(const uint8_t* data, size_t size) {
    const auto big32 = [](const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; };
    // The child of type `type` within [begin, end), as its content range.
    const auto find = [&](size_t begin, size_t end, const char* type, size_t& childBegin, size_t& childEnd) {
        for (size_t at = begin; at + 8 <= end;) {
            uint64_t boxSize = big32(data + at);
            size_t header = 8;
            if (boxSize == 1 && at + 16 <= end) {
                boxSize = uint64_t(big32(data + at + 8)) << 32 | big32(data + at + 12);
                header = 16;
            } else if (boxSize == 0) {
                boxSize = end - at;
            }
            if (boxSize < header || boxSize > end - at) return false;
            if (std::memcmp(data + at + 4, type, 4) == 0) {
                childBegin = at + header;
                childEnd = at + size_t(boxSize);
                return true;
            }
            at += size_t(boxSize);
        }
        return false;
    };
    size_t metaBegin, metaEnd, iprpBegin, iprpEnd, ipcoBegin, ipcoEnd, b, e;
    if (!find(0, size, "meta", metaBegin, metaEnd) || !find(metaBegin + 4, metaEnd, "iprp", iprpBegin, iprpEnd) ||
        !find(iprpBegin, iprpEnd, "ipco", ipcoBegin, ipcoEnd))
        return false;
    return find(ipcoBegin, ipcoEnd, "irot", b, e) || find(ipcoBegin, ipcoEnd, "imir", b, e);
}

}  // namespace

bool IsHeif(const uint8_t* data, size_t size) {
    if (size < 12) return false;
    const heif_filetype_result type = heif_check_filetype(data, int(std::min<size_t>(size, 1 << 20)));
    return type == heif_filetype_yes_supported || type == heif_filetype_yes_unsupported;
}

TBitmap DecodeHeif(const uint8_t* data, size_t size) try {
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
