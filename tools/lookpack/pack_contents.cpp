#include "lookpack/pack_contents.h"

#include <strings.h>

namespace corvessa::lookpack {

namespace {

// Soft light and frames are drawn at 1600 x 1200; pictures with pin-sharp
// detail (stars, rain, snow, torn edges) at 2048 x 1536 so that the
// nearest-neighbour stretch onto a large photo stays fine.
constexpr PackFolder kFolders[] = {
    {"lightA", 10, PictureUse::Screen, 1600, 1200},
    {"lightB", 10, PictureUse::Screen, 1600, 1200},
    {"lightC", 10, PictureUse::Screen, 1600, 1200},
    {"star", 10, PictureUse::Screen, 2048, 1536},
    {"amazing", 10, PictureUse::Screen, 1600, 1200},
    {"weather", 10, PictureUse::Screen, 2048, 1536},
    {"dreamA", 10, PictureUse::Screen, 1600, 1200},
    {"dreamB", 10, PictureUse::Screen, 1600, 1200},
    {"gradient", 10, PictureUse::Overlay, 1024, 768},
    {"texture", 10, PictureUse::Overlay, 1600, 1200},
    {"edgeA", 10, PictureUse::EdgeMask, 2048, 1536},
    {"edgeB", 10, PictureUse::EdgeMask, 2048, 1536},
    {"line", 10, PictureUse::LineTile, 128, 128},
    {"color", 2, PictureUse::ColorMask, 1024, 768},
};

}  // namespace

std::span<const PackFolder> PackFolders() { return kFolders; }

const PackFolder* FindPackFolder(const std::string& name) {
    for (const PackFolder& f : kFolders)
        if (strcasecmp(f.name, name.c_str()) == 0) return &f;
    return nullptr;
}

std::vector<PackFile> PackFiles() {
    std::vector<PackFile> files;
    files.push_back({nullptr, 0, kSampleName});
    for (const PackFolder& f : kFolders)
        for (int n = 1; n <= f.count; ++n)
            files.push_back({&f, n, std::string(f.name) + "/" + std::to_string(n) + ".ssl"});
    return files;
}

}  // namespace corvessa::lookpack
