// Any bytes as a camera raw: the head check, the camera data, and a
// development at full or half size (picked by the first byte).
#include <algorithm>
#include <cstdint>

#include "ground/error.h"
#include "io/photo_metadata.h"
#include "io/raw_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace corvessa;
    if (size == 0) return 0;
    const bool half = data[0] & 1;
    ++data, --size;
    try {
        CheckRawStart(data, std::min<size_t>(size, 65536), size);
    } catch (const CorvessaError&) {
    }
    ReadRawMetadata(data, size);
    try {
        if (half)
            DecodeRawHalfSize(data, size);
        else
            DecodeRaw(data, size);
    } catch (const CorvessaError&) {
    }
    return 0;
}
