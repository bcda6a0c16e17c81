// Any bytes as a photo's camera data: read as Open reads it, then written
// into a saved JPEG as Save writes it, and read back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "io/jpeg_codec.h"
#include "io/photo_metadata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    const corvessa::PhotoMetadata metadata = corvessa::ReadPhotoMetadata(file);
    (void)metadata.Orientation();
    corvessa::TBitmap picture(3, 2);
    for (int y = 0; y < 2; ++y)
        for (size_t i = 0; i < picture.RowBytes(); ++i) picture.Row(y)[i] = uint8_t(40 * i + y);
    static const std::vector<uint8_t> jpeg = corvessa::EncodeJpeg(picture);
    const std::vector<uint8_t> saved = corvessa::EmbedMetadata(jpeg, metadata, 3, 2);
    (void)corvessa::ReadPhotoMetadata(saved);
    return 0;
}
