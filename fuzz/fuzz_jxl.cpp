// Any bytes as a JPEG XL file: the head check, the boxes' camera data and
// the picture.
#include <algorithm>
#include <cstdint>

#include "ground/error.h"
#include "io/jxl_codec.h"
#include "io/photo_metadata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace corvessa;
    try {
        CheckJxlStart(data, std::min<size_t>(size, 65536), size);
    } catch (const CorvessaError&) {
    }
    ReadJxlMetadata(data, size);
    try {
        DecodeJxl(data, size);
    } catch (const CorvessaError&) {
    }
    return 0;
}
