#include "lookpack/pack_contents.h"

#include <strings.h>

#include <stdexcept>

namespace corvessa::lookpack {

namespace {

struct DrawnSize {
    const char* folder;
    int width, height;
};

// Soft light is drawn at 1600 x 1200; pictures with pin-sharp detail
// (stars, rain, snow) at 2048 x 1536, and the textures and frames, whose
// fibres and edges are seen at 100 %, at 3072 x 2304, so that the
// nearest-neighbour stretch onto a 24-megapixel photo doubles a pixel at
// most.
constexpr DrawnSize kSizes[] = {
    {"lightA", 1600, 1200},  {"lightB", 1600, 1200}, {"lightC", 1600, 1200},  {"star", 2048, 1536},
    {"amazing", 1600, 1200}, {"weather", 2048, 1536}, {"dreamA", 1600, 1200}, {"dreamB", 1600, 1200},
    {"gradient", 1024, 768}, {"texture", 3072, 2304}, {"edgeA", 3072, 2304},  {"edgeB", 3072, 2304},
    {"line", 128, 128},      {"color", 1024, 768},
};

std::vector<PackFolder> MakeFolders() {
    const std::vector<FolderUse> used = CatalogueFolders();
    std::vector<PackFolder> folders;
    for (const DrawnSize& size : kSizes)
        for (const FolderUse& use : used)
            if (strcasecmp(use.folder.c_str(), size.folder) == 0)
                folders.push_back({size.folder, use.count, use.use, size.width, size.height});
    if (folders.size() != used.size()) throw std::logic_error("the pack has no size for a folder the catalogue reads");
    return folders;
}

}  // namespace

std::span<const PackFolder> PackFolders() {
    static const std::vector<PackFolder> folders = MakeFolders();
    return folders;
}

const PackFolder* FindPackFolder(const std::string& name) {
    for (const PackFolder& f : PackFolders())
        if (strcasecmp(f.name, name.c_str()) == 0) return &f;
    return nullptr;
}

std::vector<PackFile> PackFiles() {
    std::vector<PackFile> files;
    files.push_back({nullptr, 0, kSampleName});
    for (const PackFolder& f : PackFolders())
        for (int n = 1; n <= f.count; ++n) files.push_back({&f, n, std::string(f.name) + "/" + std::to_string(n) + ".ssl"});
    return files;
}

}  // namespace corvessa::lookpack
