// Straightening: the photo turned about its centre by a small angle and
// cut to the largest upright rectangle of its shape, every output pixel
// sampled bicubically (Catmull-Rom) from the 4 x 4 source pixels around
// it. Whole-number arithmetic throughout: source positions in 32.32 fixed
// point, stepped along each row, and the kernel's weights tabulated for
// 256 positions between two pixels, so every processor gives the same
// bytes. A pixel's samples are weighted down the four rows first, then
// across, by AVX2 where the processor has it and otherwise by plain code
// that gives the same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "edit/geometry.h"
#include "ground/cpu_features.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

constexpr int kPhaseBits = 8, kPhases = 1 << kPhaseBits;
// Weights in 14 bits of fraction. Down the rows, each pixel (times 2^7)
// is weighted in 16 bits rounding to 15 bits less (as AVX2's vpmulhrsw
// does), which leaves the rows' sum 6 bits of fraction; across, the sums
// are weighted in 32 bits, which leaves 20.
constexpr int kWeightBits = 14, kPixelShift = 7, kDownShift = 15, kFinalBits = 20;

// For each phase: Catmull-Rom's four weights, summing to 1 exactly, and
// the same for the weighting across as AVX2 lays them out: pixels 0 and 1
// in the lower half, 2 and 3 in the upper, each pair's weights side by
// side for each channel.
struct PhaseWeights {
    alignas(32) int16_t across[16];
    int16_t w[4];
};
using Weights = std::array<PhaseWeights, kPhases>;

Weights MakeWeights() {
    Weights table{};
    for (int phase = 0; phase < kPhases; ++phase) {
        const double t = double(phase) / kPhases, t2 = t * t, t3 = t2 * t;
        const double w[4] = {(-t3 + 2 * t2 - t) / 2, (3 * t3 - 5 * t2 + 2) / 2, (-3 * t3 + 4 * t2 + t) / 2,
                             (t3 - t2) / 2};
        PhaseWeights& out = table[size_t(phase)];
        int sum = 0;
        for (int i = 0; i < 4; ++i) sum += out.w[i] = int16_t(std::lround(w[i] * (1 << kWeightBits)));
        out.w[t < 0.5 ? 1 : 2] = int16_t(out.w[t < 0.5 ? 1 : 2] + (1 << kWeightBits) - sum);
        for (int half = 0; half < 2; ++half)
            for (int c = 0; c < 3; ++c) {
                out.across[8 * half + 2 * c] = out.w[2 * half];
                out.across[8 * half + 2 * c + 1] = out.w[2 * half + 1];
            }
    }
    return table;
}

// Where a row's samples come from: 32.32 fixed point at its first pixel
// and the step to the next.
struct RowWalk {
    int64_t sx, sy, stepX, stepY;
};

// The 4 x 4 pixels whose top-left is at `p` (rows `rowBytes` apart, each
// readable for 14 bytes) weighted and summed into three bytes, one pixel
// at a time.
void SamplePlain(const uint8_t* p, size_t rowBytes, const PhaseWeights& wx, const PhaseWeights& wy, uint8_t* out) {
    int32_t down[12] = {};
    for (int j = 0; j < 4; ++j, p += rowBytes)
        for (int k = 0; k < 12; ++k)
            down[k] += ((int32_t(p[k]) << kPixelShift) * wy.w[j] + (1 << (kDownShift - 1))) >> kDownShift;
    for (int c = 0; c < 3; ++c) {
        const int32_t sum = wx.w[0] * down[c] + wx.w[1] * down[3 + c] + wx.w[2] * down[6 + c] + wx.w[3] * down[9 + c];
        out[c] = uint8_t(std::clamp((sum + (1 << (kFinalBits - 1))) >> kFinalBits, 0, 255));
    }
}

#if defined(__x86_64__)
// The same with AVX2, to the bit: pixels 0 and 1 of each row in the lower
// half of a vector, 2 and 3 in the upper.
CORVESSA_TARGET_AVX2 inline void SampleAvx2(const uint8_t* p, size_t rowBytes, const PhaseWeights& wx,
                                            const PhaseWeights& wy, uint8_t* out) {
    __m256i down = _mm256_setzero_si256();
    for (int j = 0; j < 4; ++j, p += rowBytes) {
        const __m128i bytes = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                                                 _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + 6)));
        const __m256i pixels = _mm256_slli_epi16(_mm256_cvtepu8_epi16(bytes), kPixelShift);
        down = _mm256_add_epi16(down, _mm256_mulhrs_epi16(pixels, _mm256_set1_epi16(wy.w[j])));
    }
    // b0 b1 g0 g1 r0 r1 in each half, then weighted in pairs.
    const __m256i order = _mm256_setr_epi8(0, 1, 6, 7, 2, 3, 8, 9, 4, 5, 10, 11, -1, -1, -1, -1,
                                           0, 1, 6, 7, 2, 3, 8, 9, 4, 5, 10, 11, -1, -1, -1, -1);
    const __m256i pairs = _mm256_madd_epi16(_mm256_shuffle_epi8(down, order),
                                            _mm256_load_si256(reinterpret_cast<const __m256i*>(wx.across)));
    __m128i sum = _mm_add_epi32(_mm256_castsi256_si128(pairs), _mm256_extracti128_si256(pairs, 1));
    sum = _mm_srai_epi32(_mm_add_epi32(sum, _mm_set1_epi32(1 << (kFinalBits - 1))), kFinalBits);
    const int32_t packed = _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(sum, sum), sum));
    std::memcpy(out, &packed, 3);
}
#endif

// The pixels at the photo's edges, where the pixels beyond are the edge's:
// gathered into a block first.
template <class SampleFn>
void SampleAtEdge(const TBitmap& photo, int ix, int iy, const PhaseWeights& wx, const PhaseWeights& wy, uint8_t* out,
                  SampleFn&& sample) {
    uint8_t block[4 * 16] = {};
    for (int j = 0; j < 4; ++j) {
        const uint8_t* row = photo.Row(std::clamp(iy - 1 + j, 0, photo.Height() - 1));
        for (int i = 0; i < 4; ++i) {
            const uint8_t* p = row + 3 * size_t(std::clamp(ix - 1 + i, 0, photo.Width() - 1));
            std::copy(p, p + 3, block + 16 * j + 3 * i);
        }
    }
    sample(block, 16, wx, wy, out);
}

// One output row of `count` pixels.
template <class SampleFn>
[[gnu::always_inline]] inline void WalkRow(const TBitmap& photo, RowWalk walk, int count, const Weights& weights,
                                           uint8_t* out, SampleFn&& sample) {
    const int w = photo.Width(), h = photo.Height();
    for (int x = 0; x < count; ++x, walk.sx += walk.stepX, walk.sy += walk.stepY, out += 3) {
        const int ix = int(walk.sx >> 32), iy = int(walk.sy >> 32);
        const PhaseWeights& wx = weights[size_t((walk.sx >> (32 - kPhaseBits)) & (kPhases - 1))];
        const PhaseWeights& wy = weights[size_t((walk.sy >> (32 - kPhaseBits)) & (kPhases - 1))];
        // Four pixels and two bytes of a fifth are read from each row.
        if (ix >= 1 && iy >= 1 && ix + 3 < w && iy + 2 < h)
            sample(photo.Pixel(ix - 1, iy - 1), photo.RowBytes(), wx, wy, out);
        else
            SampleAtEdge(photo, ix, iy, wx, wy, out, sample);
    }
}

#if defined(__x86_64__)
CORVESSA_TARGET_AVX2 void StraightenRowAvx2(const TBitmap& photo, RowWalk walk, int count, const Weights& weights,
                                            uint8_t* out) {
    WalkRow(photo, walk, count, weights, out,
            [](const uint8_t* p, size_t rowBytes, const PhaseWeights& wx, const PhaseWeights& wy, uint8_t* o) {
                SampleAvx2(p, rowBytes, wx, wy, o);
            });
}
#endif

void StraightenRow(const TBitmap& photo, RowWalk walk, int count, const Weights& weights, uint8_t* out) {
#if defined(__x86_64__)
    if (ProcessorVectorLevel() != VectorLevel::kBaseline) return StraightenRowAvx2(photo, walk, count, weights, out);
#endif
    WalkRow(photo, walk, count, weights, out, SamplePlain);
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
    // Adding half a phase makes the shifts round to the nearest phase.
    constexpr int64_t kHalfPhase = int64_t(1) << (31 - kPhaseBits);
    ForEachRow(out.Height(), out.RowBytes(), [&](int y) {
        const double u = 0.5 - kept.width / 2.0, v = y + 0.5 - kept.height / 2.0;
        const RowWalk walk{std::llround((c * u + s * v + w / 2.0 - 0.5) * kOne) + kHalfPhase,
                           std::llround((-s * u + c * v + h / 2.0 - 0.5) * kOne) + kHalfPhase, std::llround(c * kOne),
                           std::llround(-s * kOne)};
        StraightenRow(photo, walk, kept.width, weights, out.Row(y));
    });
    return out;
}

}  // namespace corvessa
