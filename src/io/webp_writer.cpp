#include "io/webp_writer.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "ground/error.h"
#include "io/memory_room.h"
#include "io/photo_metadata.h"

namespace corvessa {

namespace {

CorvessaError WriteError(const std::string& reason) { return CorvessaError("Stream write error: " + reason); }

// What encoding a picture of `pixels` takes beside it: libwebp's YUV
// picture and its encoder's rows and output. Measured as the rise of the
// peak address space on the caller's thread alone (as under a limit on
// it), from 3 to 48 megapixels: at most 10.3 bytes a pixel (269 MB for 24
// megapixels); a quarter more is asked for.
size_t EncodingBytes(int64_t pixels) { return size_t(pixels * 13) + (size_t(32) << 20); }

struct MuxFree {
    void operator()(WebPMux* m) const { WebPMuxDelete(m); }
};

}  // namespace

std::vector<uint8_t> EncodeWebp(const TBitmap& picture, const PhotoMetadata& metadata, int quality) try {
    const int width = picture.Width(), height = picture.Height();
    if (width <= 0 || height <= 0) throw WriteError("the picture is empty");
    if (width > WEBP_MAX_DIMENSION || height > WEBP_MAX_DIMENSION)
        throw CorvessaError("Picture is too large for WebP (" + std::to_string(width) + " x " + std::to_string(height) +
                            "): save it as PNG or JPEG");
    const size_t working = EncodingBytes(int64_t(width) * height);
    if (!CanAllocate(working)) throw NotEnoughMemoryToSave("WebP");
    WebPConfig config;
    if (!WebPConfigInit(&config)) throw WriteError("libwebp does not match its headers");
    config.quality = float(std::clamp(quality, 1, 100));
    config.method = 4;
    // A second thread, but not under a limit on address space (see
    // AddressSpaceLimited).
    config.thread_level = AddressSpaceLimited() ? 0 : 1;
    WebPPicture in;
    if (!WebPPictureInit(&in)) throw WriteError("libwebp does not match its headers");
    in.width = width;
    in.height = height;
    in.use_argb = 0;
    WebPMemoryWriter written;
    WebPMemoryWriterInit(&written);
    in.writer = WebPMemoryWrite;
    in.custom_ptr = &written;
    const auto release = [&] {
        WebPPictureFree(&in);
        WebPMemoryWriterClear(&written);
    };
    // Our rows are blue, green, red, as libwebp's BGR import takes them.
    if (!WebPPictureImportBGR(&in, picture.Data(), int(picture.RowBytes())) || !WebPEncode(&config, &in)) {
        const bool memory = in.error_code == VP8_ENC_ERROR_OUT_OF_MEMORY || in.error_code == 0;
        release();
        if (memory) throw NotEnoughMemoryToSave("WebP");
        throw WriteError("libwebp cannot encode the picture (error " + std::to_string(int(in.error_code)) + ")");
    }
    std::vector<uint8_t> webp(written.mem, written.mem + written.size);
    release();

    const SavedMetadataBlocks blocks = SavedBlocks(metadata, width, height);
    if (blocks.exif.empty() && blocks.xmp.empty() && blocks.iccProfile.empty()) return webp;
    const std::unique_ptr<WebPMux, MuxFree> mux(WebPMuxNew());
    if (!mux) throw NotEnoughMemoryToSave("WebP");
    const WebPData image{webp.data(), webp.size()};
    if (WebPMuxSetImage(mux.get(), &image, 1) != WEBP_MUX_OK) throw WriteError("libwebpmux cannot take the picture");
    const auto chunk = [&](const char* fourcc, const uint8_t* bytes, size_t size) {
        if (size == 0) return;
        const WebPData data{bytes, size};
        if (WebPMuxSetChunk(mux.get(), fourcc, &data, 1) != WEBP_MUX_OK) throw NotEnoughMemoryToSave("WebP");
    };
    chunk("EXIF", blocks.exif.data(), blocks.exif.size());
    chunk("ICCP", blocks.iccProfile.data(), blocks.iccProfile.size());
    chunk("XMP ", reinterpret_cast<const uint8_t*>(blocks.xmp.data()), blocks.xmp.size());
    WebPData assembled{nullptr, 0};
    if (WebPMuxAssemble(mux.get(), &assembled) != WEBP_MUX_OK) throw WriteError("libwebpmux cannot write the file");
    std::vector<uint8_t> out(assembled.bytes, assembled.bytes + assembled.size);
    WebPDataClear(&assembled);
    return out;
} catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToSave("WebP");
}

}  // namespace corvessa
