// The adjustments' row kernels, compiled for every processor's vectors.
// Plain loops over arrays of floats: the same arithmetic on every lane in
// the same order, so every version gives the same bytes.

#include "edit/adjust_rows.h"

#include <algorithm>
#include <cmath>

#include "ground/cpu_features.h"

namespace corvessa {
namespace adjust {

namespace {

constexpr float kB = float(kLumaB), kG = float(kLumaG), kR = float(kLumaR);
constexpr float kShare = float(kHeadroomShare);

inline void ToPlanesKernel(const uint8_t* __restrict in, int width, const float* __restrict curves,
                           float* __restrict b, float* __restrict g, float* __restrict r, float* __restrict luma) {
    const float* cb = curves;
    const float* cg = curves + 256;
    const float* cr = curves + 512;
    for (int x = 0; x < width; ++x) {
        b[x] = cb[in[3 * x]];
        g[x] = cg[in[3 * x + 1]];
        r[x] = cr[in[3 * x + 2]];
        luma[x] = kB * b[x] + kG * g[x] + kR * r[x];
    }
}

inline void ToLumaKernel(const uint8_t* __restrict in, int width, const float* __restrict curves,
                         float* __restrict luma) {
    const float* cb = curves;
    const float* cg = curves + 256;
    const float* cr = curves + 512;
    for (int x = 0; x < width; ++x) luma[x] = kB * cb[in[3 * x]] + kG * cg[in[3 * x + 1]] + kR * cr[in[3 * x + 2]];
}

// How far (b, g, r) - luma may be scaled about `newLuma` before a channel
// leaves 0..1; past 1e9 when nothing limits it.
inline float GamutLimit(float db, float dg, float dr, float newLuma) {
    float most = 1e9f;
    most = db > 1e-9f ? std::min(most, (1 - newLuma) / db) : db < -1e-9f ? std::min(most, newLuma / -db) : most;
    most = dg > 1e-9f ? std::min(most, (1 - newLuma) / dg) : dg < -1e-9f ? std::min(most, newLuma / -dg) : most;
    most = dr > 1e-9f ? std::min(most, (1 - newLuma) / dr) : dr < -1e-9f ? std::min(most, newLuma / -dr) : most;
    return most;
}

inline void LocalToneKernel(int width, const float* __restrict slope, const float* __restrict offset,
                            const float* __restrict change, float* __restrict b, float* __restrict g,
                            float* __restrict r, const float* __restrict luma) {
    for (int x = 0; x < width; ++x) {
        const float l = luma[x];
        const float base = std::clamp(slope[x] * l + offset[x], 0.0f, 1.0f);
        const float at = base * float(kToneSteps);
        const int i = std::min(int(at), kToneSteps - 1);
        const float moved = l + (change[i] + (change[i + 1] - change[i]) * (at - float(i)));
        const float newLuma = std::clamp(moved, 0.0f, 1.0f);
        const float db = b[x] - l, dg = g[x] - l, dr = r[x] - l;
        const float ratio = l > 1e-4f ? newLuma / l : 2.0f;
        const float towardsWhite = (1 - newLuma) / std::max(1 - l, 1e-6f);
        const float room = towardsWhite + kShare * (GamutLimit(db, dg, dr, newLuma) - towardsWhite);
        const float chroma = ratio <= 1 ? ratio : std::min(std::min(std::sqrt(ratio), 2.0f), room);
        b[x] = newLuma + db * chroma;
        g[x] = newLuma + dg * chroma;
        r[x] = newLuma + dr * chroma;
    }
}

template <bool kVibrance>
inline void ColourLoop(int width, float saturation, float vibrance, float* __restrict b, float* __restrict g,
                       float* __restrict r) {
    // The direction of a face's colour from grey: blue, green, red.
    constexpr float kSkinB = -0.661f, kSkinG = -0.153f, kSkinR = 0.737f;
    for (int x = 0; x < width; ++x) {
        const float l = kB * b[x] + kG * g[x] + kR * r[x];
        const float db = b[x] - l, dg = g[x] - l, dr = r[x] - l;
        float factor = 1 + saturation;
        if constexpr (kVibrance) {
            const float spread = std::max(b[x], std::max(g[x], r[x])) - std::min(b[x], std::min(g[x], r[x]));
            const float length = std::sqrt(db * db + dg * dg + dr * dr);
            const float along = length > 1e-6f ? (db * kSkinB + dg * kSkinG + dr * kSkinR) / length : 0.0f;
            const float t = std::clamp((along - 0.80f) / 0.18f, 0.0f, 1.0f);
            const float skin = t * t * (3 - 2 * t);
            factor *= 1 + vibrance * std::clamp(1 - spread, 0.0f, 1.0f) * (1 - 0.8f * skin);
        }
        factor = factor > 1 ? std::max(1.0f, std::min(factor, 1 + kShare * (GamutLimit(db, dg, dr, l) - 1))) : factor;
        b[x] = l + db * factor;
        g[x] = l + dg * factor;
        r[x] = l + dr * factor;
    }
}

inline void ColourKernel(int width, float saturation, float vibrance, float* b, float* g, float* r) {
    if (vibrance != 0)
        ColourLoop<true>(width, saturation, vibrance, b, g, r);
    else
        ColourLoop<false>(width, saturation, vibrance, b, g, r);
}

inline void VignetteKernel(int width, float amount, const float* __restrict rho2, float row2, float* __restrict b,
                           float* __restrict g, float* __restrict r) {
    for (int x = 0; x < width; ++x) {
        const float t = std::clamp((rho2[x] + row2 - 0.25f) / 0.75f, 0.0f, 1.0f);
        const float weight = t * t * (3 - 2 * t);
        // Darkening scales towards black, lightening moves towards white.
        const float lift = amount < 0 ? -0.6f * amount * weight : 0.0f;
        const float scale = amount > 0 ? 1 - 0.75f * amount * weight : 1 - lift;
        b[x] = b[x] * scale + lift;
        g[x] = g[x] * scale + lift;
        r[x] = r[x] * scale + lift;
    }
}

inline void AddDetailKernel(int width, float amount, const float* __restrict luma, const float* __restrict blurred,
                            float* __restrict b, float* __restrict g, float* __restrict r) {
    for (int x = 0; x < width; ++x) {
        const float detail = amount * (luma[x] - blurred[x]);
        b[x] += detail;
        g[x] += detail;
        r[x] += detail;
    }
}

inline uint8_t ToByte(float v) { return uint8_t(int(std::clamp(v * 255.0f + 0.5f, 0.0f, 255.0f))); }

inline void ToBytesKernel(int width, const float* __restrict b, const float* __restrict g, const float* __restrict r,
                          uint8_t* __restrict out) {
    for (int x = 0; x < width; ++x) {
        out[3 * x] = ToByte(b[x]);
        out[3 * x + 1] = ToByte(g[x]);
        out[3 * x + 2] = ToByte(r[x]);
    }
}

inline void BlurDownKernel(int width, const float* const* rows, const float* weights, int count,
                           float* __restrict out) {
    const float* first = rows[0];
    for (int x = 0; x < width; ++x) out[x] = weights[0] * first[x];
    for (int j = 1; j < count; ++j) {
        const float* __restrict row = rows[j];
        const float w = weights[j];
        for (int x = 0; x < width; ++x) out[x] += w * row[x];
    }
}

inline void BlurAcrossKernel(int width, const float* __restrict padded, const float* __restrict weights, int radius,
                             float* __restrict out) {
    const float* centre = padded + radius;
    for (int x = 0; x < width; ++x) out[x] = weights[0] * centre[x];
    for (int i = 1; i <= radius; ++i) {
        const float w = weights[i];
        for (int x = 0; x < width; ++x) out[x] += w * (centre[x - i] + centre[x + i]);
    }
}

}  // namespace

CORVESSA_VECTOR_KERNEL(ToPlanes, ToPlanesKernel, ToPlanesKernel,
                       (const uint8_t* in, int width, const float* curves, float* b, float* g, float* r, float* luma),
                       (in, width, curves, b, g, r, luma))
CORVESSA_VECTOR_KERNEL(ToLuma, ToLumaKernel, ToLumaKernel,
                       (const uint8_t* in, int width, const float* curves, float* luma), (in, width, curves, luma))
CORVESSA_VECTOR_KERNEL(LocalTone, LocalToneKernel, LocalToneKernel,
                       (int width, const float* slope, const float* offset, const float* change, float* b, float* g,
                        float* r, const float* luma),
                       (width, slope, offset, change, b, g, r, luma))
CORVESSA_VECTOR_KERNEL(Colour, ColourKernel, ColourKernel,
                       (int width, float saturation, float vibrance, float* b, float* g, float* r),
                       (width, saturation, vibrance, b, g, r))
CORVESSA_VECTOR_KERNEL(Vignette, VignetteKernel, VignetteKernel,
                       (int width, float amount, const float* rho2, float row2, float* b, float* g, float* r),
                       (width, amount, rho2, row2, b, g, r))
CORVESSA_VECTOR_KERNEL(AddDetail, AddDetailKernel, AddDetailKernel,
                       (int width, float amount, const float* luma, const float* blurred, float* b, float* g, float* r),
                       (width, amount, luma, blurred, b, g, r))
CORVESSA_VECTOR_KERNEL(ToBytes, ToBytesKernel, ToBytesKernel,
                       (int width, const float* b, const float* g, const float* r, uint8_t* out), (width, b, g, r, out))
CORVESSA_VECTOR_KERNEL(BlurDown, BlurDownKernel, BlurDownKernel,
                       (int width, const float* const* rows, const float* weights, int count, float* out),
                       (width, rows, weights, count, out))
CORVESSA_VECTOR_KERNEL(BlurAcross, BlurAcrossKernel, BlurAcrossKernel,
                       (int width, const float* padded, const float* weights, int radius, float* out),
                       (width, padded, weights, radius, out))

}  // namespace adjust
}  // namespace corvessa
