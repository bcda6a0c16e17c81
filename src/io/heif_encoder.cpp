#include "io/heif_codec.h"

#include <libheif/heif.h>

#include <algorithm>
#include <memory>
#include <new>

#include "ground/error.h"
#include "ground/parallel.h"
#include "io/heif_library.h"
#include "io/memory_room.h"
#include "io/photo_metadata.h"

namespace corvessa {

namespace {

using heif::Context;
using heif::Handle;
using heif::Image;

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
    heif::InitHeif();
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
    heif::InitHeif();
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
