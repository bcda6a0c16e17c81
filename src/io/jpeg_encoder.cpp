#include "io/jpeg_codec.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "ground/error.h"
#include "io/jpeg_errors.h"

namespace corvessa {

namespace {

// The encoder's output, in a buffer that only we free: however far the
// encoder got before it failed, there is exactly one block to release.
struct GrowingDestination {
    jpeg_destination_mgr pub;
    JpegOutputGrowth grow;
    unsigned char* bytes = nullptr;
    size_t capacity = 0;
    size_t size = 0;  // set when the encoder has finished
};

void StartOutput(j_compress_ptr info) {
    auto* dest = reinterpret_cast<GrowingDestination*>(info->dest);
    // About what quality 90 makes of a photo; a flat picture needs less.
    const size_t guess = std::max<size_t>(size_t(info->image_width) * info->image_height / 2, 16384);
    dest->bytes = static_cast<unsigned char*>(dest->grow(nullptr, guess));
    if (!dest->bytes) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    dest->capacity = guess;
    dest->pub.next_output_byte = dest->bytes;
    dest->pub.free_in_buffer = guess;
}

boolean GrowOutput(j_compress_ptr info) {
    auto* dest = reinterpret_cast<GrowingDestination*>(info->dest);
    const size_t grown = dest->capacity * 2;
    auto* bytes = static_cast<unsigned char*>(dest->grow(dest->bytes, grown));
    if (!bytes) ERREXIT1(info, JERR_OUT_OF_MEMORY, 1);  // dest->bytes is still ours
    dest->bytes = bytes;
    dest->pub.next_output_byte = bytes + dest->capacity;
    dest->pub.free_in_buffer = grown - dest->capacity;
    dest->capacity = grown;
    return TRUE;
}

void FinishOutput(j_compress_ptr info) {
    auto* dest = reinterpret_cast<GrowingDestination*>(info->dest);
    dest->size = dest->capacity - dest->pub.free_in_buffer;
}

struct EncodeResult {
    unsigned char* bytes;  // from the growth function; the caller frees it
    size_t size;
    int status;
};

void EncodeWithLibjpeg(const TBitmap* picture, int quality, JpegOutputGrowth grow, EncodeResult* result) {
    jpeg_compress_struct info;
    JpegErrorManager err;
    GrowingDestination dest;
    dest.grow = grow;
    dest.pub.init_destination = StartOutput;
    dest.pub.empty_output_buffer = GrowOutput;
    dest.pub.term_destination = FinishOutput;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = JpegErrorExit;
    err.pub.output_message = JpegSilentMessage;
    result->bytes = nullptr;
    result->size = 0;
    if (setjmp(err.jump)) {
        result->status = err.pub.msg_code > 0 ? err.pub.msg_code : 1;
        jpeg_destroy_compress(&info);
        std::free(dest.bytes);
        return;
    }
    jpeg_create_compress(&info);
    info.dest = &dest.pub;
    info.image_width = JDIMENSION(picture->Width());
    info.image_height = JDIMENSION(picture->Height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(picture->Row(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    result->bytes = dest.bytes;
    result->size = dest.size;
    result->status = 0;
}

}  // namespace

void* GrowWithRealloc(void* block, size_t bytes) { return std::realloc(block, bytes); }

std::vector<uint8_t> EncodeJpeg(const TBitmap& picture) { return EncodeJpegWithQuality(picture, 90); }

std::vector<uint8_t> EncodeJpegWithQuality(const TBitmap& picture, int quality, JpegOutputGrowth grow) {
    if (picture.Width() > kMaxJpegSide || picture.Height() > kMaxJpegSide)
        throw CorvessaError("Picture is too large for JPEG (" + std::to_string(picture.Width()) + " x " +
                            std::to_string(picture.Height()) + "; at most " + std::to_string(kMaxJpegSide) +
                            " pixels a side): save it as PNG or BMP");
    EncodeResult result{nullptr, 0, 0};
    EncodeWithLibjpeg(&picture, std::clamp(quality, 1, 100), grow, &result);
    if (result.status != 0) throw JpegError(result.status);
    std::unique_ptr<unsigned char, void (*)(void*)> encoded(result.bytes, &std::free);
    try {
        return std::vector<uint8_t>(encoded.get(), encoded.get() + result.size);
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
}

}  // namespace corvessa
