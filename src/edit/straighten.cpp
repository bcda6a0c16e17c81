// Straightening: the photo turned about its centre by a small angle and
// cut to the largest upright rectangle of its shape, every output pixel
// sampled bicubically (Catmull-Rom) from the 4 x 4 source pixels around
// it. Whole-number arithmetic throughout: source positions in 32.32 fixed
// point, stepped along each row, and the kernel's weights tabulated for
// 256 positions between two pixels, so every processor gives the same
// bytes.

#include <algorithm>
#include <array>
#include <cmath>

#include "edit/geometry.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

constexpr int kPhaseBits = 8, kPhases = 1 << kPhaseBits;
constexpr int kWeightBits = 14;
// The horizontal sums keep this many bits of fraction into the vertical
// one, whose sum then fits in 32 bits.
constexpr int kCarryBits = 7, kDropBits = kWeightBits - kCarryBits;
constexpr int kFinalBits = kCarryBits + kWeightBits;

using Weights = std::array<std::array<int32_t, 4>, kPhases>;

// Catmull-Rom's four weights for each phase, summing to 1 exactly.
Weights MakeWeights() {
    Weights table{};
    for (int phase = 0; phase < kPhases; ++phase) {
        const double t = double(phase) / kPhases, t2 = t * t, t3 = t2 * t;
        const double w[4] = {(-t3 + 2 * t2 - t) / 2, (3 * t3 - 5 * t2 + 2) / 2, (-3 * t3 + 4 * t2 + t) / 2,
                             (t3 - t2) / 2};
        int32_t sum = 0;
        for (int i = 0; i < 4; ++i) sum += table[size_t(phase)][size_t(i)] = int32_t(std::lround(w[i] * (1 << kWeightBits)));
        table[size_t(phase)][t < 0.5 ? 1 : 2] += (1 << kWeightBits) - sum;
    }
    return table;
}

// The 4 x 4 pixels at `p` (rows `rowBytes` apart) weighted and summed.
inline void Sample(const uint8_t* p, size_t rowBytes, const int32_t* wx, const int32_t* wy, uint8_t* out) {
    int32_t sum[3] = {0, 0, 0};
    for (int j = 0; j < 4; ++j, p += rowBytes) {
        for (int c = 0; c < 3; ++c) {
            const int32_t across = wx[0] * p[c] + wx[1] * p[3 + c] + wx[2] * p[6 + c] + wx[3] * p[9 + c];
            sum[c] += wy[j] * ((across + (1 << (kDropBits - 1))) >> kDropBits);
        }
    }
    for (int c = 0; c < 3; ++c) out[c] = uint8_t(std::clamp((sum[c] + (1 << (kFinalBits - 1))) >> kFinalBits, 0, 255));
}

// The same at the photo's edges, where the pixels beyond are the edge's.
void SampleAtEdge(const TBitmap& photo, int ix, int iy, const int32_t* wx, const int32_t* wy, uint8_t* out) {
    uint8_t block[4 * 12];
    for (int j = 0; j < 4; ++j) {
        const uint8_t* row = photo.Row(std::clamp(iy - 1 + j, 0, photo.Height() - 1));
        for (int i = 0; i < 4; ++i) {
            const uint8_t* p = row + 3 * size_t(std::clamp(ix - 1 + i, 0, photo.Width() - 1));
            std::copy(p, p + 3, block + 12 * j + 3 * i);
        }
    }
    Sample(block, 12, wx, wy, out);
}

}  // namespace

TBitmap Straighten(const TBitmap& photo, double degrees) {
    static const Weights weights = MakeWeights();
    const double angle = StraightenAngle(degrees);
    const PixelRect kept = StraightenedRect(photo.Width(), photo.Height(), angle);
    TBitmap out(kept.width, kept.height);
    const double radians = angle * M_PI / 180, c = std::cos(radians), s = std::sin(radians);
    const int w = photo.Width(), h = photo.Height();
    constexpr double kOne = 4294967296.0;  // 2^32
    const int64_t stepX = std::llround(c * kOne), stepY = std::llround(-s * kOne);
    // Adding half a phase makes the shifts below round to the nearest.
    constexpr int64_t kHalfPhase = int64_t(1) << (31 - kPhaseBits);
    ForEachRow(out.Height(), out.RowBytes(), [&](int y) {
        uint8_t* o = out.Row(y);
        const double u = 0.5 - kept.width / 2.0, v = y + 0.5 - kept.height / 2.0;
        int64_t sx = std::llround((c * u + s * v + w / 2.0 - 0.5) * kOne) + kHalfPhase;
        int64_t sy = std::llround((-s * u + c * v + h / 2.0 - 0.5) * kOne) + kHalfPhase;
        for (int x = 0; x < kept.width; ++x, sx += stepX, sy += stepY, o += 3) {
            const int ix = int(sx >> 32), iy = int(sy >> 32);
            const int32_t* wx = weights[size_t((sx >> (32 - kPhaseBits)) & (kPhases - 1))].data();
            const int32_t* wy = weights[size_t((sy >> (32 - kPhaseBits)) & (kPhases - 1))].data();
            if (ix >= 1 && iy >= 1 && ix + 2 < w && iy + 2 < h)
                Sample(photo.Pixel(ix - 1, iy - 1), photo.RowBytes(), wx, wy, o);
            else
                SampleAtEdge(photo, ix, iy, wx, wy, o);
        }
    });
    return out;
}

}  // namespace corvessa
