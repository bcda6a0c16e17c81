// A second photo to judge the looks on, not part of the pack: a nuthatch
// on a lichen-patched trunk in front of an out-of-focus wood. Muted,
// natural colours, a sharp subject with fine bark and feather detail and a
// smooth background: unlike the sample's saturated postcard. It is drawn
// at any size with detail down to the pixel, so a 24 MP copy shows what
// the looks do at 100 %.

#include <algorithm>
#include <cmath>

#include "lookpack/canvas.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr uint32_t kSeed = 0x7A11B0A7u;

// Noise layers worth drawing at this resolution: the finest must stay
// coarser than two pixels.
int Octaves(float frequency, float pixelsPerUnit) {
    int o = 1;
    while (o < 8 && frequency * float(1 << o) * 2.5f < pixelsPerUnit) ++o;
    return o;
}

struct Scene {
    float aspect, ppu;  // picture width in height units, pixels per unit
    float pixel;        // one pixel in height units

    Colour Wood(float x, float y) const {
        // Far trunks and leaves, all out of focus: only broad noise.
        const float canopy = Fbm(x * 2.2f, y * 2.6f, 3, kSeed + 1);
        const float trunks = SmoothStep(0.55f, 0.75f, Fbm(x * 5.0f, y * 0.4f, 2, kSeed + 2));
        Colour c = Mix(Rgb8(104, 126, 80), Rgb8(190, 206, 150), canopy);
        c = Mix(c, Rgb8(232, 238, 222), SmoothStep(0.6f, 0.0f, y) * SmoothStep(0.45f, 0.75f, canopy));
        c = Mix(c, Rgb8(120, 112, 98), 0.6f * trunks);
        c = Mix(c, Rgb8(150, 132, 100), SmoothStep(0.7f, 1.0f, y) * 0.6f);  // leaf litter below
        // Bokeh where sunlight comes through the canopy.
        const float cell = 0.07f;
        const int ix = int(std::floor(x / cell)), iy = int(std::floor(y / cell));
        for (int j = -1; j <= 1; ++j)
            for (int i = -1; i <= 1; ++i) {
                const uint32_t h = Hash3(ix + i, iy + j, kSeed + 3);
                if ((h & 15) > 8) continue;
                const float cx = (ix + i + float((h >> 4) & 255) / 255.0f) * cell;
                const float cy = (iy + j + float((h >> 12) & 255) / 255.0f) * cell;
                const float r = cell * (0.25f + 0.35f * float((h >> 20) & 255) / 255.0f);
                const float lit = SmoothStep(0.4f, 0.7f, Fbm(cx * 2.2f, cy * 2.6f, 3, kSeed + 1)) * (1 - SmoothStep(0.4f, 0.9f, cy));
                const float d = std::hypot(x - cx, y - cy);
                const float disc = SmoothStep(r, r * 0.8f, d) * (0.7f + 0.3f * SmoothStep(r * 0.5f, r, d));
                c = c + Rgb8(230, 236, 190) * (0.45f * lit * disc);
            }
        return c;
    }

    // The trunk: centre line and half width at height y.
    float TrunkCentre(float y) const { return aspect * 0.63f + 0.05f * (y - 0.5f) + 0.01f * std::sin(y * 5.0f); }
    float TrunkHalf(float y) const { return 0.2f + 0.04f * y; }

    Colour Bark(float y, float u) const {
        // u runs -1..1 across the trunk; a, the angle round it, spreads the
        // furrows evenly over the curved face.
        const float a = std::asin(std::clamp(u, -1.0f, 1.0f));
        const float ax = a * 1.6f;
        const float warp = 0.08f * (Fbm(ax * 3, y * 3, 3, kSeed + 4) - 0.5f);
        const float ridges = std::fabs(2 * ValueNoise((ax + warp) * 7, y * 2.4f, kSeed + 5) - 1);
        const float furrow = SmoothStep(0.25f, 0.0f, ridges);
        const float plates = SmoothStep(0.4f, 0.55f, ValueNoise(ax * 7 + 3, y * 6, kSeed + 6));
        const float fine = Fbm(ax * 60, y * 40, Octaves(60, ppu * 0.4f), kSeed + 7) - 0.5f;
        Colour c = Mix(Rgb8(140, 132, 120), Rgb8(182, 174, 160), plates * 0.7f + 0.3f * ValueNoise(ax * 3, y * 2, kSeed + 8));
        c = c * (1 + 0.35f * fine);
        c = Mix(c, Rgb8(52, 46, 40), furrow * 0.8f);
        // Lichen: pale grey-green rosettes with a speckled surface.
        const float lichen = SmoothStep(0.62f, 0.68f, Fbm(ax * 4, y * 5, 4, kSeed + 9) + 0.1f * (furrow - 0.5f));
        if (lichen > 0) {
            const float speck = Fbm(ax * 150, y * 110, Octaves(150, ppu * 0.4f), kSeed + 10);
            c = Mix(c, Mix(Rgb8(138, 150, 124), Rgb8(196, 204, 178), speck), lichen * (1 - furrow * 0.7f));
        }
        // Moss on the shaded lower left.
        const float moss = SmoothStep(0.55f, 0.7f, Fbm(ax * 5, y * 4, 4, kSeed + 11) + 0.3f * (y - 0.8f) - 0.2f * u);
        if (moss > 0) {
            const float tufts = Fbm(ax * 120, y * 160, Octaves(160, ppu * 0.4f), kSeed + 12);
            c = Mix(c, Mix(Rgb8(58, 70, 30), Rgb8(112, 124, 56), tufts), moss * 0.85f);
        }
        // Round shading: light from the upper left, dark toward the rims.
        const float nz = std::sqrt(std::max(0.0f, 1 - u * u));
        const float light = Clamp01(0.25f + 0.75f * (-0.55f * u + 0.8f * nz));
        return c * (0.5f + 0.7f * light);
    }

    // The bird, facing up-left on the trunk's left side; `cover` says how
    // much of the pixel it covers.
    Colour Bird(float x, float y, float& cover) const {
        const float bx = TrunkCentre(0.52f) - 0.17f, by = 0.52f, s = 0.15f;
        const float tilt = -1.0f;  // body axis from tail (down-right) to head (up-left)
        const float ca = std::cos(tilt), sa = std::sin(tilt);
        const float lx = ((x - bx) * ca + (y - by) * sa) / s, ly = (-(x - bx) * sa + (y - by) * ca) / s;
        // Body ellipse, head circle, tail wedge, beak.
        const float body = std::hypot(lx / 0.95f, ly / 0.55f);
        const float hx = -0.95f, hy = -0.05f, hr = 0.42f;
        const float head = std::hypot(lx - hx, ly - hy) / hr;
        const float beakT = (hx - hr * 0.8f - lx) / 0.4f;  // 0 at its base, 1 at the tip
        const float beak = beakT > 0 && beakT < 1 ? std::fabs(ly - hy + 0.02f) / (0.09f * (1 - beakT)) : 9.0f;
        // The tail: a short fan of feathers, tapering and rounded at its end.
        const float tailT = (lx - 0.7f) / 0.55f;
        const float tailEnd = std::hypot(std::max(0.0f, tailT - 0.8f) / 0.2f, ly / 0.14f);
        const float tail = tailT > 0 && tailT < 1
                               ? std::max(std::fabs(ly + 0.04f * tailT) / (0.2f - 0.09f * tailT), tailEnd * 0.98f)
                               : 9.0f;
        const float soft = pixel / s * 1.2f;
        const float inBody = SmoothStep(1 + soft, 1 - soft, std::min(body, head));
        const float inBeak = SmoothStep(1 + soft * 6, 1 - soft * 6, beak);
        const float inTail = SmoothStep(1 + soft * 3, 1 - soft * 3, tail);
        cover = std::max({inBody, inBeak, inTail});
        if (cover <= 0) return {};
        // Blue-grey above, buff below, rusty flanks, a black stripe through
        // the eye, white cheek and throat.
        const float belly = SmoothStep(-0.1f, 0.3f, ly + 0.12f * lx);
        Colour c = Mix(Rgb8(92, 110, 136), Rgb8(226, 196, 156), belly);
        c = Mix(c, Rgb8(186, 110, 60), SmoothStep(0.3f, 0.6f, ly) * SmoothStep(-0.2f, 0.5f, lx) * 0.8f);
        const bool inHead = head < 1.05f && lx < -0.55f;
        if (inHead) {
            c = Mix(Rgb8(92, 110, 136), Rgb8(240, 236, 226), SmoothStep(-0.05f, 0.12f, ly - hy));
            const float stripe = std::fabs(ly - hy + 0.02f + 0.12f * (lx - hx)) / 0.06f;
            c = Mix(c, Rgb8(24, 22, 24), SmoothStep(1.2f, 0.8f, stripe) * SmoothStep(-0.3f, -0.5f, lx - hx + 0.15f));
            const float eye = std::hypot(lx - (hx - 0.12f), ly - (hy - 0.03f)) / 0.085f;
            c = Mix(c, Rgb8(10, 8, 8), SmoothStep(1.1f, 0.9f, eye));
            const float glint = std::hypot(lx - (hx - 0.15f), ly - (hy - 0.06f)) / 0.025f;
            c = Mix(c, Rgb8(250, 250, 250), SmoothStep(1.2f, 0.6f, glint));
        }
        if (inBeak > inBody) c = Mix(Rgb8(70, 72, 80), Rgb8(30, 30, 34), Clamp01(beakT));
        if (inTail > inBody) {
            const float vanes = 0.5f + 0.5f * std::sin(ly * 90 + 3 * Fbm(lx * 4, ly * 4, 2, kSeed + 16));
            c = Mix(Rgb8(96, 112, 134), Rgb8(58, 64, 78), Clamp01(tailT)) * (0.85f + 0.2f * vanes);
        }
        // Feathers: fine barbs along the body and a scaled pattern on the back.
        const float barbs = Fbm(lx * 30, ly * 160, Octaves(160, ppu * s * 0.5f), kSeed + 13) - 0.5f;
        const float scales = 0.5f + 0.5f * std::sin(lx * 40 + 6 * Fbm(lx * 3, ly * 3, 2, kSeed + 14)) *
                                        std::sin(ly * 34);
        c = c * (1 + 0.22f * barbs - 0.08f * scales * (1 - belly));
        // Round body lit from the upper left.
        const float nzb = std::sqrt(std::max(0.0f, 1 - std::min(1.0f, std::min(body, head))));
        const float light = 0.55f + 0.45f * Clamp01(0.6f * nzb - 0.5f * ly * 0.5f + 0.3f);
        return c * (inTail > inBody ? 1.0f : light);
    }

    Colour At(float x, float y) const {
        const float centre = TrunkCentre(y), half = TrunkHalf(y);
        const float u = (x - centre) / half;
        Colour c = Wood(x, y);
        // A soft shadow the trunk throws to its right onto nothing nearer
        // than the wood: only a darker halo.
        c = c * (1 - 0.25f * SmoothStep(1.6f, 1.0f, std::fabs(u)) * SmoothStep(-1.0f, 0.5f, u));
        const float edge = pixel / half;
        const float inTrunk = SmoothStep(1 + edge, 1 - edge, std::fabs(u + 0.015f * (Fbm(y * 40, 1.5f, 3, kSeed + 15) - 0.5f)));
        if (inTrunk > 0) c = Mix(c, Bark(y, u), inTrunk);
        float cover = 0;
        const Colour bird = Bird(x, y, cover);
        if (cover > 0) c = Mix(c, bird, cover);
        return c;
    }
};

}  // namespace

TBitmap RenderTrunkPhoto(int width, int height) {
    TBitmap out(width, height);
    const Scene scene{float(width) / float(height), float(height), 1.0f / float(height)};
#pragma omp parallel for schedule(dynamic, 8)
    for (int py = 0; py < height; ++py) {
        uint8_t* row = out.Row(py);
        const float y = (py + 0.5f) * scene.pixel;
        for (int px = 0; px < width; ++px) {
            const float x = (px + 0.5f) * scene.pixel;
            Colour v = scene.At(x, y);
            const float r = std::hypot((x - scene.aspect / 2) / scene.aspect, y - 0.5f);
            v = v * (1.0f - 0.25f * r * r);
            const float grain = (float(Hash3(px, py, kSeed + 99) & 255) / 255.0f - 0.5f) * 0.02f;
            const float rgb[3] = {v.b + grain, v.g + grain, v.r + grain};  // stored blue, green, red
            for (int k = 0; k < 3; ++k) row[3 * px + k] = uint8_t(std::clamp(int(rgb[k] * 255.0f + 0.5f), 0, 255));
        }
    }
    return out;
}

}  // namespace corvessa::lookpack
