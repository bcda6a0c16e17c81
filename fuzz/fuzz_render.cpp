// Any bytes as an overlay picture, rendered onto a small photo the way the
// light categories (screen), the texture category (overlay) and the edge
// categories (mask) use it.
#include <unistd.h>

#include <filesystem>
#include <string>

#include <cstdio>
#include "ground/error.h"
#include "io/picture_source.h"
#include "looks/overlay.h"

namespace {

struct Fixture {
    std::string appDir;
    corvessa::TBitmap photo{37, 23};
    Fixture() {
        appDir = "/tmp/corvessa-fuzz-render-" + std::to_string(getpid()) + "/";
        for (const char* folder : {"weather", "texture", "edgeA"}) std::filesystem::create_directories(appDir + "pic/" + folder);
        for (size_t i = 0; i < photo.ByteCount(); ++i) photo.Data()[i] = uint8_t(i * 37 + 11);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Fixture fixture;
    const corvessa::FolderPictures pictures(fixture.appDir + "pic");
    corvessa::RenderContext ctx{false, nullptr, &pictures};
    for (const char* folder : {"weather", "texture", "edgeA"}) {
        const std::string path = fixture.appDir + "pic/" + folder + "/1.ssl";
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            if (size) std::fwrite(data, 1, size, f);
            std::fclose(f);
        }
    }
    corvessa::TBitmap dest;
    try {
        corvessa::OverlayPicture(fixture.photo, dest, {"weather", 1}, corvessa::OverlayBlend::kScreen, ctx);
        corvessa::OverlayPicture(fixture.photo, dest, {"Texture", 1}, corvessa::OverlayBlend::kOverlay, ctx);
        corvessa::MaskOverlay(fixture.photo, dest, {"EdgeA", 1}, corvessa::Rgb{255, 255, 0}, ctx);
    } catch (const corvessa::CorvessaError&) {
    }
    return 0;
}
