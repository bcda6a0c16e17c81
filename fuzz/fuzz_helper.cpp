// Any bytes opened as a photo whose reader runs in the codec helper (camera
// raws, HEIC, AVIF, JPEG XL, WebP, TIFF), under a name picked by the first
// byte (a raw start under a JPEG's name too): whatever the helper's codecs
// do with them, this process gets a picture or a message naming the file,
// never a crash. Inputs that made the helper itself die are copied into
// the folder $CORVESSA_HELPER_FINDINGS names, when set, to be kept as
// regression inputs (the libraries' own faults, which libFuzzer cannot see
// in another process). $CORVESSA_HELPER_FORMATS ("raw", "heif" or "jxl")
// keeps to the names of one family, the JPEG's among them.

#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "ground/error.h"
#include "io/photo_metadata.h"

namespace {

bool HelperDied(const std::string& message) {
    return message.find(" reader failed") != std::string::npos ||
           message.find(" did not finish within ") != std::string::npos;
}

void KeepFinding(const uint8_t* data, size_t size) {
    const char* folder = std::getenv("CORVESSA_HELPER_FINDINGS");
    if (!folder) return;
    const std::string name = std::string(folder) + "/" + std::to_string(std::hash<std::string>()(
                                                             std::string(reinterpret_cast<const char*>(data), size)));
    if (FILE* file = std::fopen(name.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

std::vector<std::string> Names() {
    const char* family = std::getenv("CORVESSA_HELPER_FORMATS");
    const std::string chosen = family ? family : "";
    if (chosen == "raw") return {"shot.dng", "shot.orf", "shot.rw2", "holiday.jpg"};
    if (chosen == "heif") return {"phone.heic", "phone.avif", "holiday.jpg"};
    if (chosen == "jxl") return {"web.jxl", "holiday.jpg"};
    return {"shot.dng", "shot.orf", "shot.rw2", "phone.heic", "phone.avif",
            "web.jxl",  "web.webp", "scan.tif", "holiday.jpg"};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<std::string> kNames = Names();
    if (size == 0) return 0;
    const std::string path = corvessa::fuzz::ScratchFile(data + 1, size - 1, kNames[data[0] % kNames.size()]);
    try {
        corvessa::PhotoMetadata metadata;
        std::string warning;
        corvessa::ReadPhotoUpright(path, metadata, &warning);
    } catch (const corvessa::CorvessaError& error) {
        if (HelperDied(error.what())) KeepFinding(data, size);
    }
    unlink(path.c_str());
    return 0;
}
