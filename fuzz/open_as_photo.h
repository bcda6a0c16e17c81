#pragma once
// Any bytes opened as the user's Open opens a photo (pixels, camera data,
// orientation), under a file name picked by the first byte so that every
// reader behind the names is reached.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "ground/error.h"
#include "io/photo_metadata.h"

namespace corvessa::fuzz {

template <size_t N>
int OpenAsPhoto(const uint8_t* data, size_t size, const char* const (&names)[N]) {
    if (size == 0) return 0;
    const std::string path = ScratchFile(data + 1, size - 1, names[data[0] % N]);
    try {
        PhotoMetadata metadata;
        std::string warning;
        ReadPhotoUpright(path, metadata, &warning);
    } catch (const CorvessaError&) {
    }
    unlink(path.c_str());
    return 0;
}

}  // namespace corvessa::fuzz
