// corvessa-lookpack-gallery PICDIR OUTDIR
//
// Pictures to judge the look pack by eye: OUTDIR/contact-sheet.png with
// every picture of the pack, and for each folder OUTDIR/preview-NAME.png:
// the ten 105 x 105 thumbnails the way the effect strip makes them from the
// sample photo, then each picture beside the sample photo blended with it
// the way its routine blends it (screen, overlay, mask against white, the
// line pattern in green, the colour masks' tints).

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "io/photo_files.h"
#include "lookpack/blend_preview.h"
#include "lookpack/shrink.h"

using namespace corvessa;
using namespace corvessa::lookpack;

namespace {

// A line tile shown repeated, as the pattern appears.
TBitmap TiledView(const TBitmap& tile, int w, int h, int side) {
    TBitmap big(w, h);
    Tile(big, Stretched(tile, side, side));
    return big;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICDIR OUTDIR\n", argv[0]);
        return 2;
    }
    const std::string picDir = argv[1], outDir = argv[2];
    try {
        std::filesystem::create_directories(outDir);
        const std::vector<PackFile> files = PackFiles();
        const TBitmap sample = LoadPackFile(picDir, files.front());
        const TBitmap photo = Shrink(sample, 800, 600);
        const TBitmap thumb = Stretched(sample, 105, 105);

        // Contact sheet: the sample photo over two rows, then one row per
        // folder in the pack's order.
        const int cw = 160, ch = 120, gap = 6;
        const int rows = 2 + int(PackFolders().size());
        TBitmap sheet = Filled(10 * (cw + gap) + gap, rows * (ch + gap) + gap, Rgb{40, 40, 40});
        sheet.DrawAt(Shrink(sample, cw * 2 + gap, ch * 2 + gap), gap, gap);
        int row = 2;
        for (const PackFolder& f : PackFolders()) {
            const bool tile = f.use == PictureUse::kLineTile;
            TBitmap previewSheet = Filled(1600, 170 + 5 * 300, Rgb{40, 40, 40});
            for (int n = 1; n <= f.count; ++n) {
                const PackFile file{&f, n, std::string(f.name) + "/" + std::to_string(n) + ".ssl"};
                const TBitmap pic = LoadPackFile(picDir, file);
                const TBitmap cell = tile ? TiledView(pic, cw, ch, n < 8 ? 24 : 48) : Shrink(pic, cw, ch);
                sheet.DrawAt(cell, gap + (n - 1) * (cw + gap), gap + row * (ch + gap));
                // Preview: the strip thumbnail, then picture and blend.
                const TBitmap strip = ApplyPackPicture(f, n, pic, thumb);
                previewSheet.DrawAt(Stretched(strip, 150, 150), 8 + (n - 1) * 159, 8);
                const TBitmap shown = tile ? TiledView(pic, 390, 292, 36) : Shrink(pic, 390, 292);
                const int px = ((n - 1) % 2) * 800 + 8, py = 170 + ((n - 1) / 2) * 300;
                previewSheet.DrawAt(shown, px, py);
                previewSheet.DrawAt(Shrink(ApplyPackPicture(f, n, pic, photo), 390, 292), px + 396, py);
            }
            WritePictureFile(previewSheet, outDir + "/preview-" + f.name + ".png");
            ++row;
        }
        WritePictureFile(sheet, outDir + "/contact-sheet.png");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
