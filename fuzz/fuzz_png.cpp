// Any bytes through the PNG decoder and, as a photo's camera data, through
// the metadata reader: either a picture or a CorvessaError.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "io/photo_metadata.h"
#include "io/png_codec.h"
#include "ground/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        corvessa::TBitmap picture = corvessa::DecodePng(data, size);
        // Touch every row so a picture claiming more rows than it holds shows up.
        unsigned sum = 0;
        for (int y = 0; y < picture.Height(); ++y) sum += picture.Row(y)[picture.RowBytes() - 1];
        (void)sum;
    } catch (const corvessa::CorvessaError&) {
    }
    (void)corvessa::ReadPhotoMetadata(std::vector<uint8_t>(data, data + size)).Orientation();
    return 0;
}
