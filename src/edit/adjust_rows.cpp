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

// Lookups one by one: emulated gathers across a vector are slower than
// the processor's own loads.
[[gnu::optimize("no-tree-vectorize")]] void LookUp(const uint8_t* __restrict in, int width,
                                                  const float* __restrict curves, float* __restrict b,
                                                  float* __restrict g, float* __restrict r) {
    const float* cb = curves;
    const float* cg = curves + 256;
    const float* cr = curves + 512;
    for (int x = 0; x < width; ++x) {
        b[x] = cb[in[3 * x]];
        g[x] = cg[in[3 * x + 1]];
        r[x] = cr[in[3 * x + 2]];
    }
}

inline void LumaKernel(int width, const float* __restrict b, const float* __restrict g, const float* __restrict r,
                       float* __restrict luma) {
    for (int x = 0; x < width; ++x) luma[x] = kB * b[x] + kG * g[x] + kR * r[x];
}

// How far (b, g, r) - luma may be scaled about `newLuma` before a channel
// leaves 0..1, as a fraction room / along, not yet divided: the callers
// divide it together with their other fractions, each by one division
// a pixel. The largest and the smallest difference are the ones that
// limit; the two are compared by cross-multiplying. Nothing limits a grey
// pixel: then `along` is 0.
[[gnu::always_inline]] inline void GamutOf(float db, float dg, float dr, float newLuma, float& room, float& along) {
    const float up = std::max(db, std::max(dg, dr)), down = -std::min(db, std::min(dg, dr));
    const bool byUp = up > 1e-9f && (down <= 1e-9f || (1 - newLuma) * down <= newLuma * up);
    room = byUp ? 1 - newLuma : newLuma;
    along = byUp ? up : down > 1e-9f ? down : 0.0f;
}

// Step 2 on one pixel.
[[gnu::always_inline]] inline void LocalTonePixel(float shadows, float highlights, float slope, float offset, float l,
                                                  float& b, float& g, float& r) {
    const float base = std::clamp(slope * l + offset, 0.0f, 1.0f);
    const float dark = 1 - base;
    const float moved = l + (shadows * base * dark * dark * dark + highlights * dark * base * base * base);
    const float newLuma = std::clamp(moved, 0.0f, 1.0f);
    const float db = b - l, dg = g - l, dr = r - l;
    // newLuma / l, (1 - newLuma) / (1 - l) and the gamut's limit.
    float gamutRoom, gamutAlong;
    GamutOf(db, dg, dr, newLuma, gamutRoom, gamutAlong);
    const bool limited = gamutAlong > 0;
    gamutAlong = limited ? gamutAlong : 1.0f;
    const float bright = std::max(l, 1e-4f), dim = std::max(1 - l, 1e-6f);
    const float inverse = 1 / (bright * dim * gamutAlong);
    const float ratio = l > 1e-4f ? newLuma * dim * gamutAlong * inverse : 2.0f;
    const float towardsWhite = (1 - newLuma) * bright * gamutAlong * inverse;
    const float limit = limited ? gamutRoom * bright * dim * inverse : 1e9f;
    const float room = towardsWhite + kShare * (limit - towardsWhite);
    const float chroma = ratio <= 1 ? ratio : std::min(std::min((1 + ratio) * 0.5f, 2.0f), room);
    b = newLuma + db * chroma;
    g = newLuma + dg * chroma;
    r = newLuma + dr * chroma;
}

// Step 3 on one pixel.
template <bool kVibrance>
[[gnu::always_inline]] inline void ColourPixel(float saturation, float vibrance, float& b, float& g, float& r) {
    constexpr float kHue = float(kSkinHue), kHueScale = float(1 / kSkinHueWidth);
    const float l = kB * b + kG * g + kR * r;
    const float db = b - l, dg = g - l, dr = r - l;
    float gamutRoom, gamutAlong;
    GamutOf(db, dg, dr, l, gamutRoom, gamutAlong);
    const bool limited = gamutAlong > 0;
    gamutAlong = limited ? gamutAlong : 1.0f;
    float factor = 1 + saturation, limit;
    if constexpr (kVibrance) {
        // The hue and the gamut's limit by one division.
        const float hueSpan = std::max(r - b, 1e-6f);
        const float inverse = 1 / (hueSpan * gamutAlong);
        const float hue = (g - b) * gamutAlong * inverse;
        limit = limited ? gamutRoom * hueSpan * inverse : 1e9f;
        const float spread = std::max(b, std::max(g, r)) - std::min(b, std::min(g, r));
        const bool warm = r > b && r >= g && g >= b;
        const float t = std::clamp(1 - std::abs(hue - kHue) * kHueScale, 0.0f, 1.0f);
        const float skin = warm ? t * t * (3 - 2 * t) : 0.0f;
        factor *= 1 + vibrance * std::clamp(1 - spread, 0.0f, 1.0f) * (1 - 0.8f * skin);
    } else {
        limit = limited ? gamutRoom / gamutAlong : 1e9f;
    }
    factor = factor > 1 ? std::max(1.0f, std::min(factor, 1 + kShare * (limit - 1))) : factor;
    b = l + db * factor;
    g = l + dg * factor;
    r = l + dr * factor;
}

// Step 2 over a stretch of a row.
[[gnu::always_inline]] inline void LocalToneLoop(int width, const ShadeParams& p, float* __restrict b,
                                                 float* __restrict g, float* __restrict r,
                                                 const float* __restrict luma) {
    const float* __restrict slopeAbove = p.map.slopeAbove;
    const float* __restrict slopeBelow = p.map.slopeBelow;
    const float* __restrict offsetAbove = p.map.offsetAbove;
    const float* __restrict offsetBelow = p.map.offsetBelow;
    const float below = p.map.below, above = 1 - below;
    const float shadows = p.shadows, highlights = p.highlights;
    for (int x = 0; x < width; ++x) {
        float vb = b[x], vg = g[x], vr = r[x];
        LocalTonePixel(shadows, highlights, slopeAbove[x] * above + slopeBelow[x] * below,
                       offsetAbove[x] * above + offsetBelow[x] * below, luma[x], vb, vg, vr);
        b[x] = vb, g[x] = vg, r[x] = vr;
    }
}

// Step 3 over a stretch of a row.
template <bool kVibrance>
[[gnu::always_inline]] inline void ColourLoop(int width, const ShadeParams& p, float* __restrict b,
                                              float* __restrict g, float* __restrict r) {
    const float saturation = p.saturation, vibrance = p.vibrance;
    for (int x = 0; x < width; ++x) {
        float vb = b[x], vg = g[x], vr = r[x];
        ColourPixel<kVibrance>(saturation, vibrance, vb, vg, vr);
        b[x] = vb, g[x] = vg, r[x] = vr;
    }
}

// Each in its own loop: fused, the two hold more values than the
// registers do.
[[gnu::always_inline]] inline void ShadeKernel(int width, const ShadeParams& p, float* b, float* g, float* r,
                                               const float* luma) {
    if (p.local) LocalToneLoop(width, p, b, g, r, luma);
    if (p.vibrance != 0)
        ColourLoop<true>(width, p, b, g, r);
    else if (p.saturation != 0)
        ColourLoop<false>(width, p, b, g, r);
}

[[gnu::always_inline]] inline uint8_t ToByte(float v) { return uint8_t(int(std::clamp(v * 255.0f + 0.5f, 0.0f, 255.0f))); }

template <bool kVignette, bool kSharpen>
[[gnu::always_inline]] inline void FinishLoop(int width, const FinishParams& p, const float* __restrict b, const float* __restrict g,
                       const float* __restrict r, uint8_t* __restrict out) {
    const float* __restrict rho2 = p.rho2;
    const float* __restrict luma = p.luma;
    const float* __restrict blurred = p.blurred;
    const float vignette = p.vignette, row2 = p.row2, sharpen = p.sharpen;
    // Darkening scales towards black, lightening moves towards white.
    const float darken = vignette > 0 ? 0.75f * vignette : 0.0f, lighten = vignette < 0 ? -0.6f * vignette : 0.0f;
    for (int x = 0; x < width; ++x) {
        float vb = b[x], vg = g[x], vr = r[x];
        if constexpr (kVignette) {
            const float t = std::clamp((rho2[x] + row2 - 0.25f) / 0.75f, 0.0f, 1.0f);
            const float weight = t * t * (3 - 2 * t);
            const float lift = lighten * weight;
            const float scale = 1 - darken * weight - lift;
            vb = vb * scale + lift, vg = vg * scale + lift, vr = vr * scale + lift;
        }
        if constexpr (kSharpen) {
            const float detail = sharpen * (luma[x] - blurred[x]);
            vb += detail, vg += detail, vr += detail;
        }
        out[3 * x] = ToByte(vb);
        out[3 * x + 1] = ToByte(vg);
        out[3 * x + 2] = ToByte(vr);
    }
}

[[gnu::always_inline]] inline void FinishKernel(int width, const FinishParams& p, const float* b, const float* g, const float* r,
                         uint8_t* out) {
    const bool vignette = p.vignette != 0, sharpen = p.sharpen != 0;
    if (vignette && sharpen) return FinishLoop<true, true>(width, p, b, g, r, out);
    if (vignette) return FinishLoop<true, false>(width, p, b, g, r, out);
    if (sharpen) return FinishLoop<false, true>(width, p, b, g, r, out);
    FinishLoop<false, false>(width, p, b, g, r, out);
}

// Two rows above and two below a pass, so that the sum goes through the
// cache a few times only.
inline void BlurDownKernel(int width, const float* const* rows, const float* weights, int radius,
                           float* __restrict out) {
    const float* __restrict centre = rows[radius];
    for (int x = 0; x < width; ++x) out[x] = weights[0] * centre[x];
    int j = 1;
    for (; j + 1 <= radius; j += 2) {
        const float* __restrict a1 = rows[radius - j];
        const float* __restrict b1 = rows[radius + j];
        const float* __restrict a2 = rows[radius - j - 1];
        const float* __restrict b2 = rows[radius + j + 1];
        const float w1 = weights[j], w2 = weights[j + 1];
        for (int x = 0; x < width; ++x) out[x] = out[x] + w1 * (a1[x] + b1[x]) + w2 * (a2[x] + b2[x]);
    }
    if (j == radius) {
        const float* __restrict a = rows[radius - j];
        const float* __restrict b = rows[radius + j];
        const float w = weights[j];
        for (int x = 0; x < width; ++x) out[x] += w * (a[x] + b[x]);
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

CORVESSA_VECTOR_KERNEL(Luma, LumaKernel, LumaKernel,
                       (int width, const float* b, const float* g, const float* r, float* luma), (width, b, g, r, luma))

void ToPlanes(const uint8_t* in, int width, const float* curves, float* b, float* g, float* r, float* luma) {
    LookUp(in, width, curves, b, g, r);
    Luma(width, b, g, r, luma);
}
CORVESSA_VECTOR_KERNEL(Shade, ShadeKernel, ShadeKernel,
                       (int width, const ShadeParams& p, float* b, float* g, float* r, const float* luma),
                       (width, p, b, g, r, luma))
CORVESSA_VECTOR_KERNEL(Finish, FinishKernel, FinishKernel,
                       (int width, const FinishParams& p, const float* b, const float* g, const float* r, uint8_t* out),
                       (width, p, b, g, r, out))
CORVESSA_VECTOR_KERNEL(BlurDown, BlurDownKernel, BlurDownKernel,
                       (int width, const float* const* rows, const float* weights, int radius, float* out),
                       (width, rows, weights, radius, out))
CORVESSA_VECTOR_KERNEL(BlurAcross, BlurAcrossKernel, BlurAcrossKernel,
                       (int width, const float* padded, const float* weights, int radius, float* out),
                       (width, padded, weights, radius, out))

}  // namespace adjust
}  // namespace corvessa
