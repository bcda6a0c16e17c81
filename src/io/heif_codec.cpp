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
// `bits` bits, into our blue, green, red.
void StoreRow(const uint8_t* in, uint8_t* out, int width, bool alpha, int bits) {
    if (bits <= 8) {
        const int step = alpha ? 4 : 3;
        for (int x = 0; x < width; ++x, in += step, out += 3) {
            if (alpha) {
                out[0] = OnWhite(in[2], in[3]);
                out[1] = OnWhite(in[1], in[3]);
                out[2] = OnWhite(in[0], in[3]);
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
            out[0] = OnWhite(b, a);
            out[1] = OnWhite(g, a);
            out[2] = OnWhite(r, a);
        } else {
            out[0] = b;
            out[1] = g;
            out[2] = r;
        }
    }
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
        StoreRow(plane + size_t(y) * size_t(stride), picture.Row(y), width, alpha, bits);
    });
    return picture;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemory();
}

HeifMetadata ReadHeifMetadata(const uint8_t* data, size_t size) {
    HeifMetadata metadata;
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
