// Any bytes as a WebP or a TIFF photo, through Qt's image plugins as the
// user's Open reads them (pixels, camera data, orientation); the first byte
// picks the name.
#include <unistd.h>

#include "fuzz_support.h"
#include "io/photo_metadata.h"
#include "ground/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kNames[] = {"photo.webp", "photo.tif", "photo.TIFF"};
    if (size == 0) return 0;
    const std::string path = corvessa::fuzz::ScratchFile(data + 1, size - 1, kNames[data[0] % 3]);
    try {
        corvessa::PhotoMetadata metadata;
        std::string warning;
        corvessa::ReadPhotoUpright(path, metadata, &warning);
    } catch (const corvessa::CorvessaError&) {
    }
    unlink(path.c_str());
    return 0;
}
