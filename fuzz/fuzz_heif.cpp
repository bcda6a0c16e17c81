// Any bytes as a HEIF or an AVIF photo.
#include "open_as_photo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kNames[] = {"photo.heic", "photo.avif"};
    return corvessa::fuzz::OpenAsPhoto(data, size, kNames);
}
