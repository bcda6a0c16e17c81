// Straightening: the photo turned about its centre by a small angle and
// cut to the largest upright rectangle of its shape, every output pixel
// sampled bicubically (Catmull-Rom) from the 4 x 4 source pixels around it.

#include <algorithm>
#include <cmath>

#include "edit/geometry.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

void CubicWeights(double t, double w[4]) {
    const double t2 = t * t, t3 = t2 * t;
    w[0] = (-t3 + 2 * t2 - t) / 2;
    w[1] = (3 * t3 - 5 * t2 + 2) / 2;
    w[2] = (-3 * t3 + 4 * t2 + t) / 2;
    w[3] = (t3 - t2) / 2;
}

}  // namespace

TBitmap Straighten(const TBitmap& photo, double degrees) {
    const double angle = StraightenAngle(degrees);
    const PixelRect kept = StraightenedRect(photo.Width(), photo.Height(), angle);
    TBitmap out(kept.width, kept.height);
    const double radians = angle * M_PI / 180, c = std::cos(radians), s = std::sin(radians);
    const int w = photo.Width(), h = photo.Height();
    ForEachRow(out.Height(), out.RowBytes(), [&](int y) {
        uint8_t* o = out.Row(y);
        const double v = y + 0.5 - kept.height / 2.0;
        for (int x = 0; x < kept.width; ++x) {
            const double u = x + 0.5 - kept.width / 2.0;
            const double sx = c * u + s * v + w / 2.0 - 0.5, sy = -s * u + c * v + h / 2.0 - 0.5;
            const double fx = std::floor(sx), fy = std::floor(sy);
            double wx[4], wy[4];
            CubicWeights(sx - fx, wx);
            CubicWeights(sy - fy, wy);
            double sum[3] = {0, 0, 0};
            for (int j = 0; j < 4; ++j) {
                const uint8_t* row = photo.Row(std::clamp(int(fy) - 1 + j, 0, h - 1));
                for (int i = 0; i < 4; ++i) {
                    const uint8_t* p = row + 3 * std::clamp(int(fx) - 1 + i, 0, w - 1);
                    for (int k = 0; k < 3; ++k) sum[k] += wx[i] * wy[j] * p[k];
                }
            }
            for (int k = 0; k < 3; ++k) o[3 * x + k] = uint8_t(std::clamp(std::lround(sum[k]), 0L, 255L));
        }
    });
    return out;
}

}  // namespace corvessa
