// corvessa-subject-check [PICDIR]
//
// How far each look keeps off a portrait's subject, as numbers: for every
// Edge look the mean change inside the head zone of a portrait-shaped and
// a landscape-shaped photo (rendered through the catalogue), and for every
// screen-blended picture its mean light over the middle of the frame and
// over the head zone. PICDIR defaults to the pic/ beside this program.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "catalogue/render_job.h"
#include "io/picture_source.h"
#include "io/files.h"
#include "io/ssl_picture.h"
#include "lookpack/pack_contents.h"
#include "lookpack/subject_zone.h"

using namespace corvessa;
using namespace corvessa::lookpack;

namespace {

void PrintEdgeLooks(const FolderPictures& pictures) {
    const auto portrait = std::make_shared<const TBitmap>(PortraitPhoto());
    const auto landscape = std::make_shared<const TBitmap>(LandscapePhoto());
    std::printf("%-22s %9s %9s\n", "edge look", "portrait", "landscape");
    for (int category : {10, 11}) {
        const Category& c = *FindCategory(category);
        for (int n = 1; n <= kEffectCount; ++n) {
            const Look look{category, n};
            const double p = MeanChangeIn(RenderJob(portrait, look, pictures).Run().picture, *portrait, kHeadZone);
            const double l = MeanChangeIn(RenderJob(landscape, look, pictures).Run().picture, *landscape, kHeadZone);
            std::printf("%-22s %9.2f %9.2f\n", std::string(c.lookNames[size_t(n - 1)]).c_str(), p, l);
        }
    }
}

void PrintScreenPictures(const std::string& picDir) {
    std::printf("\n%-12s %7s %7s\n", "picture", "middle", "head");
    for (const PackFile& f : PackFiles()) {
        if (!f.folder || f.folder->use != PictureUse::kScreen) continue;
        TBitmap b;
        LoadSslPicture(FindPathNoCase(picDir, f.relativePath), b);
        std::printf("%-12s %7.1f %7.1f\n", f.relativePath.c_str(), MeanLumaIn(b, kMiddleZone), MeanLumaIn(b, kHeadZone));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string picDir = argc > 1 ? std::filesystem::absolute(argv[1]).string()
                                        : (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "pic").string();
    try {
        PictureCache cache;
        PrintEdgeLooks(FolderPictures(picDir, &cache));
        PrintScreenPictures(picDir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "subject check: %s\n", e.what());
        return 1;
    }
    return 0;
}
