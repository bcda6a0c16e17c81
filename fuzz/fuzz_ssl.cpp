// Any bytes as an overlay picture file.
#include <unistd.h>

#include "fuzz_support.h"
#include "io/ssl_picture.h"
#include "ground/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = corvessa::fuzz::ScratchFile(data, size, "picture.ssl");
    try {
        corvessa::TBitmap picture;
        corvessa::LoadSslPicture(path, picture);
    } catch (const corvessa::CorvessaError&) {
    }
    unlink(path.c_str());
    return 0;
}
