#include "io/heif_codec.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

#include "ground/error.h"
#include "ground/parallel.h"
#include "io/heif_boxes.h"
#include "io/heif_claims.h"
#include "io/heif_library.h"
#include "io/jpeg_codec.h"
#include "io/memory_room.h"
#include "io/picture_samples.h"

namespace corvessa {

namespace {

using heif::Context;
using heif::Handle;
using heif::Image;

struct OptionsFree {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};

void Check(const heif_error& error) {
    if (error.code == heif_error_Ok) return;
    if (error.code == heif_error_Memory_allocation_error && error.subcode != heif_suberror_Security_limit_exceeded)
        throw NotEnoughMemory();
    throw BrokenPicture(error.message ? error.message : "");
}

// The file's boxes, read without decoding anything; `data` must outlive
// the context.
Context OpenContext(const uint8_t* data, size_t size) {
    heif::InitHeif();
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
    const size_t pictureBytes = heif::CheckClaimedSizes(data, size);
    const Context context = OpenContext(data, size);
    const Handle handle = PrimaryImage(context.get());
    // The coded picture and the picture after the transformations (a
    // quarter turn swaps the sides) are both checked: the decoder makes
    // room for the one, we for the other.
    const int64_t codedWidth = heif_image_handle_get_ispe_width(handle.get());
    const int64_t codedHeight = heif_image_handle_get_ispe_height(handle.get());
    heif::CheckHeifClaim(codedWidth, codedHeight, pictureBytes);
    heif::CheckHeifClaim(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()),
                         pictureBytes);

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
    metadata.transformed = heif::HasTransformation(data, size);
    try {
        heif::ReadHeifBoxes(data, size);  // refuses what libheif would take too long to parse
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
        heif_color_profile_nclx* nclx = nullptr;
        if (heif_image_handle_get_nclx_color_profile(handle.get(), &nclx).code == heif_error_Ok && nclx) {
            metadata.colour = ColourDescription{uint16_t(nclx->color_primaries), uint16_t(nclx->transfer_characteristics),
                                                uint16_t(nclx->matrix_coefficients), nclx->full_range_flag != 0};
            heif_nclx_color_profile_free(nclx);
        }
    } catch (const std::exception&) {
        // Whatever was read stands; a broken file has no more to give.
    }
    return metadata;
}

}  // namespace corvessa
