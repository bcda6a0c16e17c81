// corvessa-strip-spread [--render PATH] [--pic DIR] PHOTO [CATEGORY...]
//
// For each category (by default every category whose looks are one
// overlay or mask picture each: the screen, overlay and edge folders of the
// look pack) renders the strip of PHOTO with corvessa-render and prints the
// median and the smallest mean absolute byte difference between two of its
// ten thumbnails, and the three closest pairs. PATH defaults to the
// corvessa-render beside this program; DIR to the renderer's own pic/.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "lookpack/pack_contents.h"
#include "lookpack/strip_spread.h"

using namespace corvessa;
using namespace corvessa::lookpack;

int main(int argc, char** argv) {
    std::string render = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "corvessa-render").string();
    std::string picDir;
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--render" || arg == "--pic") && i + 1 < argc)
            (arg == "--render" ? render : picDir) = argv[++i];
        else
            rest.push_back(arg);
    }
    if (rest.empty()) {
        std::fprintf(stderr, "usage: %s [--render PATH] [--pic DIR] PHOTO [CATEGORY...]\n", argv[0]);
        return 2;
    }
    const std::string photo = rest.front();
    std::vector<std::string> categories(rest.begin() + 1, rest.end());
    if (categories.empty())
        for (const PackFolder& f : PackFolders())
            // The renderer matches captions without regard to case and
            // spaces, so "dreamA" names "Dream A".
            if (f.use == PictureUse::kScreen || f.use == PictureUse::kOverlay || f.use == PictureUse::kEdgeMask)
                categories.push_back(f.name);
    std::printf("%-10s %7s %8s  %s\n", "category", "median", "closest", "closest pairs");
    try {
        for (const std::string& c : categories) {
            const StripSpread s = SpreadOf(RenderedStrip(render, picDir, c, photo));
            std::printf("%-10s %7.1f %8.1f ", c.c_str(), s.median, s.Closest().difference);
            for (size_t i = 0; i < 3; ++i)
                std::printf(" %d-%d %.1f", s.pairs[i].a, s.pairs[i].b, s.pairs[i].difference);
            std::printf("\n");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "strip spread: %s\n", e.what());
        return 1;
    }
    return 0;
}
