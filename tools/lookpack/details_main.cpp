// corvessa-lookpack-details PICDIR OUTFILE [FOLDER...]
//
// Thumbnail and 100 % crop side by side: for each folder (by default every
// screen, overlay and edge folder of the pack) a row of its ten strip
// thumbnails, 105 x 105 as the strip makes them, over ten crops at 100 %
// of the same looks on a 24 MP photo (the trunk photo at 6000 x 4000).
// Each crop is taken where its picture is busiest, so a star crop shows
// stars and an edge crop shows the edge. The format follows
// OUTFILE's extension.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "io/photo_files.h"
#include "lookpack/blend_preview.h"
#include "lookpack/looks.h"

using namespace corvessa;
using namespace corvessa::lookpack;

namespace {

constexpr int kPhotoW = 6000, kPhotoH = 4000;
constexpr int kThumb = 105, kCropW = 240, kCropH = 180, kGap = 6;

int Luma(const uint8_t* p) { return MaskWeight(p[2], p[1], p[0]); }

// The top left corner of the crop where the picture, stretched to the
// photo, varies most: the largest variance of its luminance, sampled
// sparsely. Judged on the picture rather than on the result, so that the
// photo's own contrast does not draw every crop to the bird's eye.
void BusiestCrop(const TBitmap& stretched, int& cx, int& cy) {
    double best = -1;
    for (int y = 0; y + kCropH <= stretched.Height(); y += kCropH / 3)
        for (int x = 0; x + kCropW <= stretched.Width(); x += kCropW / 3) {
            double sum = 0, square = 0;
            int n = 0;
            for (int yy = y; yy < y + kCropH; yy += 6)
                for (int xx = x; xx < x + kCropW; xx += 6, ++n) {
                    const double v = Luma(stretched.Pixel(xx, yy));
                    sum += v;
                    square += v * v;
                }
            const double variance = square / n - (sum / n) * (sum / n);
            if (variance > best) best = variance, cx = x, cy = y;
        }
}

TBitmap Crop(const TBitmap& src, int x0, int y0, int w, int h) {
    TBitmap out(w, h);
    for (int y = 0; y < h; ++y) std::copy_n(src.Pixel(x0, y0 + y), size_t(w) * 3, out.Row(y));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PICDIR OUTFILE [FOLDER...]\n", argv[0]);
        return 2;
    }
    const std::string picDir = argv[1], outFile = argv[2];
    try {
        std::vector<const PackFolder*> folders;
        for (int i = 3; i < argc; ++i) {
            const PackFolder* f = FindPackFolder(argv[i]);
            if (!f) throw std::runtime_error(std::string("no folder ") + argv[i] + " in the pack");
            folders.push_back(f);
        }
        if (folders.empty())
            for (const PackFolder& f : PackFolders())
                if (f.use == PictureUse::kScreen || f.use == PictureUse::kOverlay || f.use == PictureUse::kEdgeMask)
                    folders.push_back(&f);

        const TBitmap photo = RenderTrunkPhoto(kPhotoW, kPhotoH);
        const TBitmap thumb = Stretched(photo, kThumb, kThumb);
        const int rowH = kThumb + kGap + kCropH + 3 * kGap;
        TBitmap sheet = Filled(10 * (kCropW + kGap) + kGap, int(folders.size()) * rowH + kGap, Rgb{40, 40, 40});
        for (size_t row = 0; row < folders.size(); ++row) {
            const PackFolder& f = *folders[row];
            const int top = kGap + int(row) * rowH;
            for (int n = 1; n <= f.count && n <= 10; ++n) {
                const PackFile file{&f, n, std::string(f.name) + "/" + std::to_string(n) + ".ssl"};
                const TBitmap picture = LoadPackFile(picDir, file);
                const int left = kGap + (n - 1) * (kCropW + kGap);
                sheet.DrawAt(ApplyPackPicture(f, n, picture, thumb), left, top);
                int cx = 0, cy = 0;
                BusiestCrop(Stretched(picture, kPhotoW, kPhotoH), cx, cy);
                const TBitmap full = ApplyPackPicture(f, n, picture, photo);
                sheet.DrawAt(Crop(full, cx, cy, kCropW, kCropH), left, top + kThumb + kGap);
            }
        }
        WritePictureFile(sheet, outFile);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "details: %s\n", e.what());
        return 1;
    }
    return 0;
}
