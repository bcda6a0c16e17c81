// The references: straightforward loops, no tables but the per-channel
// curve of a byte, no threads.

#include <cmath>

#include "edit/adjust_model.h"
#include "edit/edit.h"
#include "edit/geometry.h"
#include "reference_edits.h"

namespace corvessa::test {

using namespace adjust;

TBitmap ReferenceAdjust(const TBitmap& photo, const EditSettings& edits) {
    const int w = photo.Width(), h = photo.Height();
    TBitmap out(w, h);
    if (photo.Empty()) return out;
    if (edits.AdjustmentsAreNeutral()) {
        out.CopyFrom(photo);
        return out;
    }
    const Parameters p = ParametersOf(edits, w, h);
    double curve[3][256];
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 256; ++i) curve[c][i] = ChannelCurve(p, c, i / 255.0);
    std::vector<float> luma(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = photo.Row(y);
        for (int x = 0; x < w; ++x) {
            const double v[3] = {curve[0][in[3 * x]], curve[1][in[3 * x + 1]], curve[2][in[3 * x + 2]]};
            luma[size_t(y) * size_t(w) + size_t(x)] = float(Luma(v));
        }
    }
    const BaseMap map = MakeBaseMap(w, h, [&](int y, int step, float* row) {
        for (int x = 0; x < w; x += step) *row++ = luma[size_t(y) * size_t(w) + size_t(x)];
    });
    std::vector<float> blurred;
    if (p.sharpen != 0) {
        const std::vector<double> k = SharpenKernel(p.sharpenSigma);
        const int r = int(k.size()) - 1;
        std::vector<float> across(luma.size());
        blurred.resize(luma.size());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                double sum = 0;
                for (int i = -r; i <= r; ++i)
                    sum += k[size_t(std::abs(i))] * luma[size_t(y) * size_t(w) + size_t(std::clamp(x + i, 0, w - 1))];
                across[size_t(y) * size_t(w) + size_t(x)] = float(sum);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                double sum = 0;
                for (int j = -r; j <= r; ++j)
                    sum += k[size_t(std::abs(j))] * across[size_t(std::clamp(y + j, 0, h - 1)) * size_t(w) + size_t(x)];
                blurred[size_t(y) * size_t(w) + size_t(x)] = float(sum);
            }
        }
    }
    const double sharpenAmount = SharpenGain(p);
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = photo.Row(y);
        uint8_t* o = out.Row(y);
        const CellSpan row = CellOf(y, h, map.height);
        const int row2 = std::min(row.first + 1, map.height - 1);
        const double dy = (y + 0.5) / h - 0.5;
        for (int x = 0; x < w; ++x) {
            double v[3] = {curve[0][in[3 * x]], curve[1][in[3 * x + 1]], curve[2][in[3 * x + 2]]};
            const double l0 = Luma(v);
            if (p.HasLocalTone()) {
                const CellSpan col = CellOf(x, w, map.width);
                const int col2 = std::min(col.first + 1, map.width - 1);
                const auto at = [&](const std::vector<float>& m) {
                    const auto cell = [&](int cy, int cx) { return double(m[size_t(cy) * size_t(map.width) + size_t(cx)]); };
                    const double top = cell(row.first, col.first) * (1 - col.next) + cell(row.first, col2) * col.next;
                    const double bottom = cell(row2, col.first) * (1 - col.next) + cell(row2, col2) * col.next;
                    return top * (1 - row.next) + bottom * row.next;
                };
                const double base = at(map.a) * l0 + at(map.b);
                ApplyLocalTone(v, l0, l0 + LocalToneChange(p, base));
            }
            if (p.HasColour()) ApplyColour(p, v);
            if (p.vignette != 0) {
                const double dx = (x + 0.5) / w - 0.5;
                const double weight = VignetteWeight(2 * (dx * dx + dy * dy));
                for (double& c : v) c = ApplyVignette(p, c, weight);
            }
            if (p.sharpen != 0) {
                const size_t i = size_t(y) * size_t(w) + size_t(x);
                for (double& c : v) c += sharpenAmount * (luma[i] - blurred[i]);
            }
            for (int c = 0; c < 3; ++c) o[3 * x + c] = uint8_t(std::clamp(std::lround(v[c] * 255), 0L, 255L));
        }
    }
    return out;
}

namespace {

void CubicWeights(double t, double w[4]) {
    const double t2 = t * t, t3 = t2 * t;
    w[0] = (-t3 + 2 * t2 - t) / 2;
    w[1] = (3 * t3 - 5 * t2 + 2) / 2;
    w[2] = (-3 * t3 + 4 * t2 + t) / 2;
    w[3] = (t3 - t2) / 2;
}

}  // namespace

TBitmap ReferenceStraighten(const TBitmap& photo, double degrees) {
    const double angle = StraightenAngle(degrees);
    const PixelRect kept = StraightenedRect(photo.Width(), photo.Height(), angle);
    TBitmap out(kept.width, kept.height);
    const double radians = angle * M_PI / 180, c = std::cos(radians), s = std::sin(radians);
    const int w = photo.Width(), h = photo.Height();
    for (int y = 0; y < out.Height(); ++y) {
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
    }
    return out;
}

}  // namespace corvessa::test
