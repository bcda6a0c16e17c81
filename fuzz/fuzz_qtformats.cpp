// Any bytes as a WebP or a TIFF photo, through Qt's image plugins.
#include "open_as_photo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kNames[] = {"photo.webp", "photo.tif", "photo.TIFF"};
    return corvessa::fuzz::OpenAsPhoto(data, size, kNames);
}
