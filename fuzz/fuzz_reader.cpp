// Any bytes through the general photo reader; the first byte picks the
// file name, so every decoder the reader knows is reached.
#include <unistd.h>

#include "fuzz_support.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "ground/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kNames[] = {"photo.jpg", "photo.JPEG", "photo.bmp", "holiday.BMP", "photo.png",
                                         "photo.gif", "photo.ppm",  "photo.xyz", "photo.bmp.jpg"};
    if (size == 0) return 0;
    const std::string path = corvessa::fuzz::ScratchFile(data + 1, size - 1, kNames[data[0] % 9]);
    try {
        corvessa::PhotoMetadata metadata;
        corvessa::ReadPhotoUpright(path, metadata);
    } catch (const corvessa::CorvessaError&) {
    }
    unlink(path.c_str());
    return 0;
}
