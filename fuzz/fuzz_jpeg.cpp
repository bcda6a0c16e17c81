// Any bytes through the JPEG decoder: either a picture or a CorvessaError.
#include <cstddef>
#include <cstdint>

#include "io/jpeg_codec.h"
#include "ground/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        corvessa::TBitmap picture = corvessa::DecodeJpeg(data, size);
        // Touch every row so a picture claiming more rows than it holds shows up.
        unsigned sum = 0;
        for (int y = 0; y < picture.Height(); ++y) sum += picture.Row(y)[picture.RowBytes() - 1];
        (void)sum;
    } catch (const corvessa::CorvessaError&) {
    }
    return 0;
}
