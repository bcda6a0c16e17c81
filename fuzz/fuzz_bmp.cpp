// Any bytes through the BMP reader.
#include <unistd.h>

#include "fuzz_support.h"
#include "io/photo_files.h"
#include "ground/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = corvessa::fuzz::ScratchFile(data, size, "input.bmp");
    try {
        corvessa::ReadBmpFile(path);
    } catch (const corvessa::CorvessaError&) {
    }
    unlink(path.c_str());
    return 0;
}
