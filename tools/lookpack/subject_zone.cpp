#include "lookpack/subject_zone.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "ground/blend_rows.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

struct Pixels {
    int x0, y0, x1, y1;
};

Pixels PixelsOf(const TBitmap& b, const Zone& z) {
    return {int(z.x0 * b.Width()), int(z.y0 * b.Height()), int(z.x1 * b.Width()), int(z.y1 * b.Height())};
}

}  // namespace

double MeanChangeIn(const TBitmap& a, const TBitmap& b, const Zone& zone) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) throw std::invalid_argument("pictures of two sizes");
    const Pixels p = PixelsOf(a, zone);
    double sum = 0;
    for (int y = p.y0; y < p.y1; ++y) {
        const uint8_t* ra = a.Row(y);
        const uint8_t* rb = b.Row(y);
        for (int i = 3 * p.x0; i < 3 * p.x1; ++i) sum += std::abs(int(ra[i]) - int(rb[i]));
    }
    const double n = 3.0 * (p.x1 - p.x0) * (p.y1 - p.y0);
    return n > 0 ? sum / n : 0;
}

double MeanLumaIn(const TBitmap& picture, const Zone& zone) {
    const Pixels p = PixelsOf(picture, zone);
    if (p.x1 <= p.x0 || p.y1 <= p.y0) return 0;
    std::vector<uint8_t> weights(3 * size_t(p.x1 - p.x0));  // the row kernel: whole pictures are weighed here
    double sum = 0;
    for (int y = p.y0; y < p.y1; ++y) {
        MaskWeightRow(picture.Pixel(p.x0, y), p.x1 - p.x0, weights.data());
        for (size_t i = 0; i < weights.size(); i += 3) sum += weights[i];
    }
    return sum / (double(p.x1 - p.x0) * (p.y1 - p.y0));
}

TBitmap PortraitPhoto() { return RenderTrunkPhoto(544, 816); }
TBitmap LandscapePhoto() { return RenderTrunkPhoto(816, 544); }

}  // namespace corvessa::lookpack
