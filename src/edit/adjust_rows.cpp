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

// Steps 2 and 3 on one pixel at once. Both scale the pixel's distance
// from grey, d = (b, g, r) - luma, about a luminance: step 2 moves the
// luminance to `newLuma` and scales d by `chroma`; step 3 scales it again
// about the same luminance (which scaling leaves as it is) by `factor`.
// What step 3 reads of its input follows from d and `chroma`: its spread
// is chroma times d's, its hue is d's, and its room before a channel
// leaves 0..1 is d's room divided by `chroma`. So the pixel is written
// once, as newLuma + d chroma factor, and every quotient the two need
// comes from one division.
// The strengths of the four sliders, as ShadeParams has them.
struct Strengths {
    float shadows, highlights, saturation, vibrance;
};

template <bool kLocal, bool kColour, bool kVibrance>
[[gnu::always_inline]] inline void ShadePixel(Strengths p, float slope, float offset, float l, float& b, float& g,
                                              float& r) {
    const float db = b - l, dg = g - l, dr = r - l;
    float newLuma = l;
    if constexpr (kLocal) {
        const float base = std::clamp(slope * l + offset, 0.0f, 1.0f);
        const float dark = 1 - base;
        const float moved = l + (p.shadows * base * dark * dark * dark + p.highlights * dark * base * base * base);
        newLuma = std::clamp(moved, 0.0f, 1.0f);
    }
    // How far d may be scaled about newLuma: room / along, by the largest
    // or the smallest difference, whichever limits first (compared by
    // cross-multiplying). Nothing limits a grey pixel.
    const float up = std::max(db, std::max(dg, dr)), down = -std::min(db, std::min(dg, dr));
    const bool byUp = up > 1e-9f && (down <= 1e-9f || (1 - newLuma) * down <= newLuma * up);
    const float room = byUp ? 1 - newLuma : newLuma, reach = byUp ? up : down > 1e-9f ? down : 0.0f;
    const bool limited = reach > 0;
    const float along = limited ? reach : 1.0f;
    // Every denominator multiplied together, divided once.
    const float bright = kLocal ? std::max(l, 1e-4f) : 1.0f, dim = kLocal ? std::max(1 - l, 1e-6f) : 1.0f;
    const float hueSpan = kVibrance ? std::max(dr - db, 1e-6f) : 1.0f;
    const float inverse = 1 / (bright * dim * along * hueSpan);
    const float limit = limited ? room * bright * dim * hueSpan * inverse : 1e9f;
    float chroma = 1;
    if constexpr (kLocal) {
        // Darkening scales d as the luminance, which keeps the hue.
        // Brightening raises d by the mean of the gain and 1, so the noise
        // of the darkest pixels does not come up as colour, and no further
        // than kShare of the way from where brightening towards white
        // would take it to the edge.
        const float ratio = l > 1e-4f ? newLuma * dim * along * hueSpan * inverse : 2.0f;
        const float towardsWhite = (1 - newLuma) * bright * along * hueSpan * inverse;
        const float most = towardsWhite + kShare * (limit - towardsWhite);
        chroma = ratio <= 1 ? ratio : std::min(std::min((1 + ratio) * 0.5f, 2.0f), most);
    }
    float total = chroma;
    if constexpr (kColour) {
        float factor = 1 + p.saturation;
        if constexpr (kVibrance) {
            constexpr float kHue = float(kSkinHue), kHueScale = float(1 / kSkinHueWidth);
            const float spread = chroma * (up + down);
            const bool warm = dr > db && dr >= dg && dg >= db;
            const float hue = (dg - db) * bright * dim * along * inverse;
            const float t = std::clamp(1 - std::abs(hue - kHue) * kHueScale, 0.0f, 1.0f);
            const float skin = warm ? t * t * (3 - 2 * t) : 0.0f;
            factor *= 1 + p.vibrance * std::clamp(1 - spread, 0.0f, 1.0f) * (1 - 0.8f * skin);
        }
        // Strengthened no further than kShare of the way to the edge.
        total = factor > 1 ? std::max(chroma, std::min(chroma * factor, chroma + kShare * (limit - chroma)))
                           : chroma * factor;
    }
    b = newLuma + db * total;
    g = newLuma + dg * total;
    r = newLuma + dr * total;
}

template <bool kLocal, bool kColour, bool kVibrance>
[[gnu::always_inline]] inline void ShadeLoop(int width, const ShadeParams& params, float* __restrict b,
                                             float* __restrict g, float* __restrict r, const float* __restrict luma) {
    const Strengths strengths{params.shadows, params.highlights, params.saturation, params.vibrance};
    const float* __restrict slopeAbove = params.map.slopeAbove;
    const float* __restrict slopeBelow = params.map.slopeBelow;
    const float* __restrict offsetAbove = params.map.offsetAbove;
    const float* __restrict offsetBelow = params.map.offsetBelow;
    const float below = params.map.below, above = 1 - below;
    for (int x = 0; x < width; ++x) {
        float vb = b[x], vg = g[x], vr = r[x];
        float slope = 0, offset = 0;
        if constexpr (kLocal) {
            slope = slopeAbove[x] * above + slopeBelow[x] * below;
            offset = offsetAbove[x] * above + offsetBelow[x] * below;
        }
        ShadePixel<kLocal, kColour, kVibrance>(strengths, slope, offset, luma[x], vb, vg, vr);
        b[x] = vb, g[x] = vg, r[x] = vr;
    }
}

[[gnu::always_inline]] inline void ShadeKernel(int width, const ShadeParams& p, float* b, float* g, float* r,
                                               const float* luma) {
    const bool colour = p.saturation != 0 || p.vibrance != 0, vibrance = p.vibrance != 0;
    if (p.local && vibrance) return ShadeLoop<true, true, true>(width, p, b, g, r, luma);
    if (p.local && colour) return ShadeLoop<true, true, false>(width, p, b, g, r, luma);
    if (p.local) return ShadeLoop<true, false, false>(width, p, b, g, r, luma);
    if (vibrance) return ShadeLoop<false, true, true>(width, p, b, g, r, luma);
    if (colour) ShadeLoop<false, true, false>(width, p, b, g, r, luma);
}

// Rounded and held within 0..255. The values never come near the ends of
// an int; held as whole numbers, the vectors do it with a min and a max.
[[gnu::always_inline]] inline uint8_t ToByte(float v) { return uint8_t(std::clamp(int(v * 255.0f + 0.5f), 0, 255)); }

template <bool kVignette, bool kSharpen>
[[gnu::always_inline]] inline void FinishLoop(int width, const FinishParams& p, const float* __restrict b,
                                              const float* __restrict g, const float* __restrict r,
                                              uint8_t* __restrict out) {
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

[[gnu::always_inline]] inline void FinishKernel(int width, const FinishParams& p, const float* b, const float* g,
                                                const float* r, uint8_t* out) {
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
