// The screen-blended looks: light leaks, flares, rays, stars, fireworks,
// weather and dreamy glows. Black leaves the photo as it is, so every
// picture starts black and only adds light where the look wants it.

#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "lookpack/canvas.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

constexpr float kPi = 3.14159265358979f;

// Colours used across the families.
constexpr Colour kAmber = Rgb8(255, 140, 40);
constexpr Colour kEmber = Rgb8(255, 60, 15);
constexpr Colour kHot = Rgb8(255, 225, 140);
constexpr Colour kCrimson = Rgb8(230, 25, 70);
constexpr Colour kPeach = Rgb8(255, 170, 120);
constexpr Colour kWhite = Rgb8(255, 255, 255);
constexpr Colour kIce = Rgb8(150, 200, 255);
constexpr Colour kCyan = Rgb8(60, 210, 255);
constexpr Colour kBlue = Rgb8(40, 90, 255);
constexpr Colour kViolet = Rgb8(150, 60, 255);
constexpr Colour kMagenta = Rgb8(255, 50, 200);
constexpr Colour kTeal = Rgb8(30, 230, 190);
constexpr Colour kGold = Rgb8(255, 190, 70);
constexpr Colour kPink = Rgb8(255, 110, 170);
constexpr Colour kLavender = Rgb8(190, 150, 255);

// How much of a sparkle look may show at (x, y): nothing over the central
// half of the frame, all of it at the edges and in the top third (the sky),
// with a soft falloff between.
float AwayFromMiddle(float x, float y, float aspect) {
    const float dx = std::fabs(x - aspect / 2) / (aspect / 2), dy = std::fabs(y - 0.5f) / 0.5f;
    const float r = std::sqrt(std::sqrt(dx * dx * dx * dx + dy * dy * dy * dy));  // a rounded rectangle
    const float edges = SmoothStep(0.55f, 0.78f, r);
    const float sky = 0.9f * (1 - SmoothStep(0.1f, 0.3f, y));
    return std::max(edges, sky);
}

// How much of an accent (a sun, a flare, a comet, lightning, a rainbow,
// lasers) may show at (x, y): as AwayFromMiddle, and nothing over the
// head zone of a portrait either (the middle 40 % across, from 12 % to
// 45 % down) nor close round it, fading out in a soft ellipse, so the
// light gathers in the top corners and along the edges.
float AwayFromSubject(float x, float y, float aspect) {
    const float e = std::hypot((x / aspect - 0.5f) / 0.26f, (y - 0.29f) / 0.24f);  // about 1 at the zone's rim
    const float head = 1 - SmoothStep(1.1f, 1.9f, e);
    return AwayFromMiddle(x, y, aspect) * (1 - head);
}

void ClearMiddle(Canvas& c, float (*keep)(float, float, float)) {
    const float inv = 1.0f / c.Scale(), aspect = c.Aspect();
    for (int y = 0; y < c.Height(); ++y) {
        float* row = c.Row(y);
        const float fy = (y + 0.5f) * inv;
        for (int x = 0; x < c.Width(); ++x) {
            const float k = keep((x + 0.5f) * inv, fy, aspect);
            for (int ch = 0; ch < 3; ++ch) row[3 * x + ch] *= k;
        }
    }
}

// One picture in the making: soft light on a quarter-size canvas (drawn
// cheaply, upscaled smoothly), crisp detail on the full-size one.
struct Look {
    Look(const PackFolder& f, int n)
        : folder(f), number(n), rnd(SeedOf(f.name, n)), sharp(f.width, f.height),
          soft(f.width / 4, f.height / 4), aspect(float(f.width) / float(f.height)),
          seed(uint32_t(SeedOf(f.name, n + 1000))) {}
    const PackFolder& folder;
    int number;
    PackRandom rnd;
    Canvas sharp, soft;
    float aspect;
    uint32_t seed;
    // Sparkles, bokeh, hearts and bursts stay off the subject: the middle of
    // the frame is left clear and they gather at the edges and in the sky.
    bool clearMiddle = false;
    // Accents keep off the subject's head as well.
    bool clearSubject = false;

    TBitmap Finish() {
        sharp.AddResampled(soft);
        if (clearSubject)
            ClearMiddle(sharp, AwayFromSubject);
        else if (clearMiddle)
            ClearMiddle(sharp, AwayFromMiddle);
        return ToScreenBitmap(sharp, seed);
    }
};

// A band of light through (px, py) running along `angle`: Gaussian across,
// its width wobbling with noise along it, hot in the middle and `outer` at
// its flanks, optionally limited to a window around `along0` (span > 0).
// Placed just outside an edge it is a light leak; narrow, a film burn.
void Band(Canvas& c, float px, float py, float angle, float width, Colour hot, Colour outer, float gain,
          uint32_t seed, float wobble = 0.5f, float along0 = 0, float span = 0, float blotch = 0.4f) {
    const float dx = std::cos(angle), dy = std::sin(angle);
    PaintAdd(c, [&](float x, float y) {
        const float rx = x - px, ry = y - py;
        const float a = rx * dx + ry * dy, d = -rx * dy + ry * dx;
        const float w = width * (1 + wobble * (2 * Fbm(a * 2.5f, 0.5f, 3, seed) - 1));
        const float t = d / w;
        if (t * t > 12) return Colour{};
        float v = std::exp(-t * t) * gain;
        if (span > 0) v *= std::exp(-((a - along0) / span) * ((a - along0) / span));
        v *= 1 - blotch + 2 * blotch * Fbm(x * 3, y * 3, 3, seed + 7);
        return Mix(outer, hot, std::exp(-t * t * 3)) * v;
    });
}

// Rays fanning out of (cx, cy): their strength varies with the angle
// through noise, fades with distance `length`.
void Rays(Canvas& c, float cx, float cy, float length, float count, Colour colour, float gain, uint32_t seed,
          float sharpness = 2.0f, float dir = 0, float spread = 0) {
    PaintAdd(c, [&](float x, float y) {
        const float rx = x - cx, ry = y - cy;
        const float d = std::sqrt(rx * rx + ry * ry);
        float a = std::atan2(ry, rx);
        float v = std::pow(ValueNoise(a / (2 * kPi) * count + count, 0.5f, seed, int(count)), sharpness) * 0.7f +
                  0.3f * std::pow(ValueNoise(a / (2 * kPi) * count * 3 + 3 * count, 2.5f, seed + 1, int(count) * 3),
                                  sharpness);
        if (spread > 0) {
            float da = a - dir;
            da -= 2 * kPi * std::floor((da + kPi) / (2 * kPi));
            v *= std::exp(-(da / spread) * (da / spread));
        }
        v *= std::exp(-d / length) * SmoothStep(0.0f, 0.04f, d);
        return colour * (v * gain);
    });
}

// Scattered bokeh discs.
void Bokeh(Look& L, int count, float rmin, float rmax, const std::vector<Colour>& palette, float gain, int sides,
           float yTop, float yBottom, float softness = 0.08f) {
    for (int i = 0; i < count; ++i) {
        const float r = rmin + (rmax - rmin) * std::pow(L.rnd.Unit(), 2.0f);
        const float x = L.rnd.Range(-0.05f, L.aspect + 0.05f), y = L.rnd.Range(yTop, yBottom);
        const Colour col = palette[size_t(L.rnd.Below(int(palette.size())))];
        const float g = gain * L.rnd.Range(0.35f, 1.0f) * (rmin / r * 0.5f + 0.5f);
        Disc(L.sharp, x, y, r, r * softness, col, g, 0.8f, sides, L.rnd.Range(0, 1));
    }
}

// A field of stars: many faint points, a few bright ones with glints.
void StarField(Look& L, int count, float x0, float x1, float y0, float y1, float gain,
               const std::function<float(float, float)>& density = nullptr) {
    const float px = 1.8f / L.sharp.Scale();
    for (int i = 0; i < count; ++i) {
        const float x = L.rnd.Range(x0, x1), y = L.rnd.Range(y0, y1);
        if (density && L.rnd.Unit() > density(x, y)) continue;
        const float b = std::pow(L.rnd.Unit(), 4.0f);
        const float tint = L.rnd.Range(-1, 1);
        const Colour col = tint < 0 ? Mix(kWhite, kIce, -tint) : Mix(kWhite, kHot, tint);
        Glow(L.sharp, x, y, px * (0.7f + 1.6f * b), col, gain * (1.0f + 4 * b));
        if (b > 0.45f) {
            Sparkle(L.sharp, x, y, px * 2.5f, px * (14 + 50 * b), col, gain * (0.5f + b), 4, 0.05f);
            Glow(L.soft, x, y, 0.015f, col, 0.25f * gain * b);
        }
    }
}

// A firework burst: sparks flying out and sagging under gravity, each
// leaving a fading trail with a bright head.
void Firework(Look& L, float cx, float cy, float radius, Colour colour, Colour tip, int sparks, float gain) {
    const float px = 1.0f / L.sharp.Scale();
    for (int i = 0; i < sparks; ++i) {
        const float a = 2 * kPi * (i + L.rnd.Range(-0.3f, 0.3f)) / sparks;
        const float r = radius * L.rnd.Range(0.75f, 1.05f);
        std::vector<float> path;
        const int steps = 14;
        for (int k = 0; k <= steps; ++k) {
            const float t = float(k) / steps;
            const float reach = r * (1 - (1 - t) * (1 - t) * 0.25f) * t;  // slows toward the end
            path.push_back(cx + std::cos(a) * reach);
            path.push_back(cy + std::sin(a) * reach + radius * 0.22f * t * t * t);
        }
        Stroke(L.sharp, path, px * 2.0f, Mix(colour, tip, 0.2f), 0.0f, gain * 1.2f);
        const float hx = path[path.size() - 2], hy = path.back();
        Glow(L.sharp, hx, hy, px * 3.5f, tip, gain * 1.5f);
        if (L.rnd.Chance(0.4f)) Sparkle(L.sharp, hx, hy, px * 2, px * 10, tip, gain * 0.5f, 4, 0.3f);
    }
    Glow(L.soft, cx, cy + radius * 0.1f, radius * 0.75f, colour, gain * 0.4f);
    Glow(L.soft, cx, cy, radius * 0.15f, tip, gain * 0.35f);
}

// Aurora curtains: a wavy lower edge with light rising above it in
// vertical streaks, green low down and `upper` higher up.
void Aurora(Look& L, float base, float height, Colour low, Colour upper, float gain, uint32_t seed) {
    Canvas half(L.folder.width / 2, L.folder.height / 2);
    PaintAdd(half, [&](float x, float y) {
        const float edge = base + 0.2f * (Fbm(x * 0.9f, 0.3f, 2, seed) - 0.5f) + 0.06f * std::sin(x * 2.3f + 1);
        const float above = edge - y;
        float v = above >= 0 ? std::exp(-above / height) : std::exp(-(above / 0.012f) * (above / 0.012f));
        const float shift = x + 0.06f * std::sin(y * 9 + x * 2);
        const float streak = 0.15f + 0.85f * std::pow(ValueNoise(shift * 90, y * 1.2f, seed + 3), 2.5f);
        v *= streak * (0.4f + 0.9f * Fbm(x * 2.2f, 1.7f, 2, seed + 5));
        const Colour col = Mix(low, upper, Clamp01(above / (height * 2.2f)));
        return col * (v * gain);
    });
    L.sharp.AddResampled(half);
}

// Rainbow arc centred at (cx, cy): violet inside, red outside.
void Rainbow(Canvas& c, float cx, float cy, float radius, float width, float gain, float fadeBelow) {
    PaintAdd(c, [&](float x, float y) {
        const float d = std::hypot(x - cx, y - cy);
        const float t = (d - radius) / width;
        if (t < -0.3f || t > 1.3f) return Colour{};
        const float edge = SmoothStep(-0.3f, 0.15f, t) * (1 - SmoothStep(0.85f, 1.3f, t));
        const float fade = 1 - SmoothStep(fadeBelow - 0.35f, fadeBelow, y);
        return Spectrum(t) * (gain * edge * fade);
    });
}

// Lens flare: source glint and glow, a halo, and ghosts strung along the
// line from the source through the picture's centre.
void LensFlare(Look& L, float sx, float sy, Colour tone, float gain, bool halo) {
    const float px = 1.0f / L.sharp.Scale();
    Glow(L.soft, sx, sy, 0.16f, tone, gain * 0.7f);
    Glow(L.sharp, sx, sy, 0.025f, kWhite, gain * 1.6f);
    Sparkle(L.sharp, sx, sy, px * 6, 0.35f, Mix(tone, kWhite, 0.6f), gain * 0.6f, 6, L.rnd.Range(0, 1));
    Glow(L.soft, sx, sy, 0.006f, kWhite, gain, 60.0f);  // anamorphic streak
    if (halo) Ring(L.soft, sx, sy, 0.3f, 0.03f, tone, gain * 0.25f, true, 0.2f);
    const float cx = L.aspect / 2, cy = 0.5f;
    const float ks[] = {0.45f, 0.7f, 1.15f, 1.35f, 1.6f, 1.95f, 2.3f};
    const Colour ghosts[] = {kTeal, kViolet, kGold, kCyan, kMagenta, Rgb8(120, 255, 120), kAmber};
    for (int i = 0; i < 7; ++i) {
        const float gx = sx + (cx - sx) * ks[i], gy = sy + (cy - sy) * ks[i];
        const float r = L.rnd.Range(0.015f, 0.09f);
        Disc(L.sharp, gx, gy, r, r * 0.25f, ghosts[i], gain * L.rnd.Range(0.06f, 0.14f), 1.2f, i % 2 ? 6 : 0, 0.3f);
    }
}

// Falling streaks: rain, with length, slant, width and brightness ranges.
void Rain(Look& L, int count, float slant, float lenMin, float lenMax, float width, float gain, float y0 = -0.1f,
          float y1 = 1.0f) {
    const float px = 1.0f / L.sharp.Scale();
    for (int i = 0; i < count; ++i) {
        const float x = L.rnd.Range(-0.2f, L.aspect + 0.1f), y = L.rnd.Range(y0, y1);
        const float depth = L.rnd.Unit();
        const float len = lenMin + (lenMax - lenMin) * depth;
        const float g = gain * (0.25f + 0.75f * depth) * L.rnd.Range(0.6f, 1.0f);
        Line(L.sharp, x, y, x + slant * len, y + len, px * width * (0.6f + 0.8f * depth), Mix(kIce, kWhite, 0.6f),
             g * 0.2f, g);
    }
}

// Falling snow: near flakes large and soft, far ones small and sharp.
void Snow(Look& L, int count, float rmin, float rmax, float gain, float blurNear = 0.6f) {
    for (int i = 0; i < count; ++i) {
        const float depth = std::pow(L.rnd.Unit(), 3.0f);
        const float r = rmin + (rmax - rmin) * depth;
        const float x = L.rnd.Range(-0.05f, L.aspect + 0.05f), y = L.rnd.Range(-0.05f, 1.05f);
        Disc(L.sharp, x, y, r, r * (0.25f + blurNear * depth), Rgb8(240, 245, 255),
             gain * L.rnd.Range(0.5f, 1.0f) * (1 - 0.4f * depth), 0.0f);
    }
}

// A six-armed snow crystal.
void Snowflake(Look& L, float cx, float cy, float size, float gain, float angle) {
    const float px = 1.0f / L.sharp.Scale();
    const float w = std::max(px * 1.2f, size * 0.035f);
    for (int k = 0; k < 6; ++k) {
        const float a = angle + k * kPi / 3;
        const float ex = cx + std::cos(a) * size, ey = cy + std::sin(a) * size;
        Line(L.sharp, cx, cy, ex, ey, w, kWhite, gain, gain * 0.6f);
        for (float t : {0.45f, 0.7f}) {
            const float bx = cx + std::cos(a) * size * t, by = cy + std::sin(a) * size * t;
            const float bl = size * (1 - t) * 0.55f;
            for (float side : {-1.0f, 1.0f}) {
                const float b = a + side * kPi / 4;
                Line(L.sharp, bx, by, bx + std::cos(b) * bl, by + std::sin(b) * bl, w * 0.8f, kWhite, gain * 0.8f,
                     gain * 0.5f);
            }
        }
    }
    Glow(L.sharp, cx, cy, size * 0.5f, kIce, gain * 0.15f);
}

// A jagged lightning bolt with forks, drawn by midpoint displacement.
void Bolt(Look& L, float x0, float y0, float x1, float y1, float jag, int depth, float width, float gain) {
    std::vector<float> pts = {x0, y0, x1, y1};
    for (int level = 0; level < 7; ++level) {
        std::vector<float> next;
        for (size_t i = 0; i + 3 < pts.size(); i += 2) {
            const float ax = pts[i], ay = pts[i + 1], bx = pts[i + 2], by = pts[i + 3];
            const float len = std::hypot(bx - ax, by - ay);
            const float off = L.rnd.Range(-1, 1) * jag * len;
            next.insert(next.end(), {ax, ay, (ax + bx) / 2 + off * (by - ay) / len, (ay + by) / 2 - off * (bx - ax) / len});
        }
        next.insert(next.end(), {pts[pts.size() - 2], pts.back()});
        pts.swap(next);
    }
    const float px = 1.0f / L.sharp.Scale();
    Stroke(L.sharp, pts, px * width, kWhite, gain * 1.4f, gain);
    Stroke(L.sharp, pts, px * width * 5, Rgb8(150, 140, 255), gain * 0.35f, gain * 0.25f);
    Stroke(L.soft, pts, 0.03f, Rgb8(110, 110, 255), gain * 0.18f, gain * 0.12f);
    if (depth > 0) {
        for (int f = 0; f < 3; ++f) {
            const size_t at = 2 * size_t(L.rnd.Range(0.2f, 0.7f) * (pts.size() / 2));
            const float fx = pts[at], fy = pts[at + 1];
            const float dx = (x1 - x0) * 0.45f + L.rnd.Range(-0.25f, 0.25f), dy = (y1 - y0) * L.rnd.Range(0.25f, 0.45f);
            Bolt(L, fx, fy, fx + dx, fy + dy, jag, depth - 1, width * 0.55f, gain * 0.55f);
        }
    }
}

// A soap bubble: faint body, iridescent rim, window highlight.
void Bubble(Look& L, float cx, float cy, float r, float gain) {
    const float px = 1.0f / L.sharp.Scale();
    Disc(L.sharp, cx, cy, r, r * 0.05f, Rgb8(150, 190, 255), gain * 0.05f, 3.0f);
    Ring(L.sharp, cx, cy, r * 0.985f, std::max(r * 0.03f, px), kWhite, gain * 0.6f, true, L.rnd.Unit());
    Glow(L.sharp, cx - r * 0.38f, cy - r * 0.42f, r * 0.13f, kWhite, gain * 0.8f, 1.6f, -0.7f);
    Glow(L.sharp, cx + r * 0.42f, cy + r * 0.45f, r * 0.07f, kWhite, gain * 0.3f, 1.8f, -0.7f);
}

// Light everywhere at the edges, fading to nothing in the middle.
void EdgeHaze(Canvas& c, float aspect, Colour colour, float gain, float inner, uint32_t seed, float noise = 0.5f) {
    PaintAdd(c, [&](float x, float y) {
        const float dx = (x - aspect / 2) / (aspect / 2), dy = (y - 0.5f) / 0.5f;
        const float r = std::sqrt(dx * dx * 0.8f + dy * dy);
        const float v = SmoothStep(inner, 1.35f, r);
        return colour * (gain * v * v * (1 - noise + 2 * noise * Fbm(x * 2.5f, y * 2.5f, 3, seed)));
    });
}

// --- Light A: warm leaks and film burns ---------------------------------

TBitmap LightA(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    switch (L.number) {
    case 1:  // amber leak pouring in from the left
        Band(L.soft, -0.08f, 0.5f, kPi / 2, 0.28f, kHot, kEmber, 1.9f, s);
        Band(L.soft, 0.12f, 0.3f, kPi / 2 + 0.1f, 0.08f, kGold, kAmber, 0.5f, s + 1, 0.6f, 0, 0.4f);
        break;
    case 2:  // corner burn, top right
        L.clearSubject = true;
        Glow(L.soft, A + 0.02f, -0.02f, 0.32f, kEmber, 2.2f);
        Glow(L.soft, A - 0.05f, 0.02f, 0.14f, kHot, 2.0f);
        Band(L.soft, A, 0.0f, kPi * 0.75f, 0.12f, kAmber, kCrimson, 1.0f, s, 0.7f, 0.1f, 0.6f);
        break;
    case 3:  // film burn: a ragged red-orange flare eating in from the middle of the right edge
        Band(L.soft, A + 0.02f, 0.5f, kPi / 2 + 0.06f, 0.07f, kGold, kEmber, 1.5f, s, 0.9f, 0.0f, 0.3f, 0.6f);
        Band(L.soft, A + 0.04f, 0.5f, kPi / 2 + 0.06f, 0.18f, kEmber, kCrimson, 1.0f, s + 2, 0.7f, 0.0f, 0.4f, 0.6f);
        break;
    case 4:  // two leaks in opposite corners
        L.clearSubject = true;
        Glow(L.soft, -0.05f, -0.05f, 0.35f, kAmber, 1.6f, 1.6f, 0.5f);
        Glow(L.soft, 0.05f, 0.05f, 0.12f, kHot, 1.2f);
        Glow(L.soft, A + 0.05f, 1.05f, 0.38f, kEmber, 1.8f, 1.4f, -0.4f);
        Glow(L.soft, A - 0.08f, 0.95f, 0.12f, kPeach, 1.0f);
        break;
    case 5:  // a diagonal sweep of warm light across the top left corner
        L.clearSubject = true;
        Band(L.soft, A * 0.08f, 0.12f, -kPi / 4, 0.14f, kHot, kAmber, 2.4f, s, 0.5f, 0, 0.9f);
        Band(L.soft, A * 0.08f, 0.12f, -kPi / 4, 0.36f, kAmber, kCrimson, 0.6f, s + 3, 0.3f, 0, 1.2f);
        break;
    case 6:  // golden glow rising from the bottom
        Band(L.soft, A / 2, 1.1f, 0, 0.3f, kGold, kEmber, 1.6f, s, 0.5f);
        Glow(L.soft, A * 0.35f, 1.02f, 0.2f, kHot, 0.9f, 2.5f);
        break;
    case 7:  // burnt hole: a hot blotch with a red rim in the lower left corner
        L.clearSubject = true;
        PaintAdd(L.soft, [&](float x, float y) {
            const float d = std::hypot((x - A * 0.05f) * 0.9f, y - 0.92f);
            const float ragged = 0.2f + 0.15f * Fbm(x * 4, y * 4, 4, s);
            const float t = d / ragged;
            const float core = std::exp(-t * t * 2.5f), halo = std::exp(-t * t * 0.5f);
            return kHot * (3.0f * core) + kEmber * (1.3f * halo) + kCrimson * (0.4f * std::exp(-t * t * 0.15f));
        });
        break;
    case 8:  // film-gate streaks along the bottom edge
        for (int i = 0; i < 5; ++i) {
            const Colour c = i % 2 ? kEmber : (i % 3 ? kGold : kCrimson);
            Band(L.soft, A / 2, 0.99f - i * 0.045f + L.rnd.Range(-0.01f, 0.01f), L.rnd.Range(-0.03f, 0.03f),
                 L.rnd.Range(0.008f, 0.02f), Mix(c, kHot, 0.4f), c, 1.5f - i * 0.22f, s + i, 0.6f, A * 0.5f, A * 0.45f, 0.7f);
        }
        Glow(L.soft, A * 0.5f, 1.02f, 0.16f, kCrimson, 1.3f, 4.0f);
        break;
    case 9:  // peach wash drifting down from the top into both corners
        L.clearSubject = true;
        Band(L.soft, A / 2, -0.1f, 0.08f, 0.32f, kPeach, Rgb8(255, 90, 110), 2.2f, s, 0.6f);
        Glow(L.soft, A * 0.06f, 0.0f, 0.2f, kHot, 1.2f, 2.0f);
        break;
    default:  // 10: a warm burn creeping in from every edge
        EdgeHaze(L.soft, A, kEmber, 2.6f, 0.55f, s, 0.55f);
        EdgeHaze(L.soft, A, kGold, 1.2f, 0.8f, s + 5, 0.6f);
        break;
    }
    return L.Finish();
}

// --- Light B: cool and rainbow leaks, lens flares ------------------------

TBitmap LightB(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    switch (L.number) {
    case 1:  // blue leak from the left, cyan at its core
        Band(L.soft, -0.08f, 0.5f, kPi / 2, 0.26f, kCyan, kBlue, 1.8f, s);
        break;
    case 2:  // a thin prism leak down the left edge, red outermost
        PaintAdd(L.soft, [&](float x, float y) {
            const float t = (x + 0.02f * std::sin(y * 5)) / 0.22f;
            if (t < 0 || t > 1) return Colour{};
            const float along = 0.45f + 0.55f * std::exp(-((y - 0.35f) / 0.45f) * ((y - 0.35f) / 0.45f));
            return Spectrum(1 - t) * (0.9f * along * std::pow(std::sin(t * kPi), 1.5f) * (1 - t * 0.5f));
        });
        break;
    case 3:  // lens flare from the lower right
        L.clearSubject = true;
        LensFlare(L, A * 0.93f, 0.9f, kCyan, 1.5f, false);
        break;
    case 4:  // teal and violet leaks in opposite corners
        L.clearSubject = true;
        Glow(L.soft, A + 0.05f, -0.05f, 0.36f, kTeal, 1.5f, 1.5f, -0.6f);
        Glow(L.soft, -0.05f, 1.05f, 0.38f, kViolet, 1.7f, 1.5f, -0.6f);
        Glow(L.soft, A - 0.02f, 0.03f, 0.1f, Rgb8(200, 255, 240), 0.9f);
        break;
    case 5:  // anamorphic streak along the top through a bright blue source in the right corner
        L.clearSubject = true;
        Glow(L.soft, A * 0.88f, 0.07f, 0.012f, kCyan, 1.8f, 90.0f);
        Glow(L.soft, A * 0.88f, 0.07f, 0.035f, kBlue, 0.7f, 30.0f);
        Glow(L.sharp, A * 0.88f, 0.07f, 0.02f, kWhite, 1.6f);
        Glow(L.soft, A * 0.88f, 0.07f, 0.2f, kBlue, 1.2f);
        for (int i = 0; i < 4; ++i)
            Disc(L.sharp, A * (0.9f - i * 0.02f), 0.2f + i * 0.14f, 0.02f + 0.015f * i, 0.005f, kCyan, 0.12f, 1.0f, 6);
        break;
    case 6:  // a prismatic fan spreading from the top-left corner
        L.clearSubject = true;
        PaintAdd(L.soft, [&](float x, float y) {
            const float rx = -0.05f - x, ry = y + 0.08f;  // the fan opens to the right
            const float t = (std::atan2(ry, rx) - 1.75f) / 0.75f;  // across the fan
            if (t < 0 || t > 1) return Colour{};
            const float d = std::hypot(rx, ry);
            const float v = std::sin(t * kPi) * std::exp(-d * 1.3f) * SmoothStep(0.0f, 0.15f, d) *
                            (0.6f + 0.8f * Fbm(x * 2, y * 2, 3, s));
            return Spectrum(t) * (2.4f * v);
        });
        Glow(L.soft, 0.0f, 0.0f, 0.12f, kWhite, 0.8f);
        break;
    case 7:  // flare with a big rainbow halo, from the lower left
        L.clearSubject = true;
        LensFlare(L, A * 0.08f, 0.9f, kGold, 1.9f, true);
        break;
    case 8:  // violet and magenta pouring down the right side
        L.clearSubject = true;
        Band(L.soft, A + 0.06f, 0.5f, kPi / 2, 0.26f, kMagenta, kViolet, 1.8f, s, 0.6f);
        Glow(L.soft, A * 0.2f, 0.0f, 0.15f, kPink, 0.8f, 2.0f);
        break;
    case 9:  // spectral streaks at the right edge
        for (int i = 0; i < 4; ++i) {
            const Colour c[] = {kBlue, kTeal, kMagenta, kViolet};
            Band(L.soft, A - 0.05f - i * 0.09f, 0.5f, kPi / 2 + 0.05f, L.rnd.Range(0.03f, 0.06f), Mix(c[i], kWhite, 0.3f),
                 c[i], 1.2f - i * 0.18f, s + i, 0.6f, 0.5f, 0.8f);
        }
        break;
    default:  // 10: moonlit haze low along the bottom, the moon's glow in the top left corner
        L.clearSubject = true;
        Band(L.soft, A / 2, 1.1f, 0, 0.22f, kIce, kBlue, 1.9f, s, 0.4f);
        Glow(L.soft, A * 0.04f, 0.04f, 0.14f, kWhite, 1.3f);
        for (int i = 0; i < 5; ++i)
            Disc(L.sharp, A * (0.12f + 0.18f * i), 0.9f - 0.03f * (i % 2), 0.03f + 0.02f * (i % 3), 0.008f, kIce, 0.14f,
                 1.0f, i % 2 ? 6 : 0);
        break;
    }
    return L.Finish();
}

// --- Light C: sun rays, god rays and bokeh -------------------------------

TBitmap LightC(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    const std::vector<Colour> warm = {kGold, kAmber, kHot, kPeach};
    switch (L.number) {
    case 1:  // sunbeams from the top-left corner
        L.clearSubject = true;
        Rays(L.soft, -0.05f, -0.08f, 0.5f, 24, kHot, 4.6f, s, 2.5f);
        Glow(L.soft, 0.0f, 0.0f, 0.25f, kGold, 2.0f);
        Glow(L.soft, 0.0f, 0.0f, 0.08f, kWhite, 1.5f);
        break;
    case 2:  // god rays falling from above both top corners
        L.clearSubject = true;
        for (float side : {-1.0f, 1.0f}) {
            const float sx = A * (0.5f + 0.38f * side);
            Rays(L.soft, sx, -0.35f, 1.1f, 60, Rgb8(255, 240, 200), 2.2f, s, 3.0f, kPi / 2 - 0.15f * side, 0.4f);
            Glow(L.soft, sx, -0.1f, 0.25f, kHot, 0.8f, 2.5f);
        }
        break;
    case 3:  // golden bokeh in the upper part
        L.clearMiddle = true;
        Bokeh(L, 70, 0.02f, 0.075f, warm, 0.45f, 0, -0.05f, 0.3f);
        Glow(L.soft, A * 0.6f, 0.0f, 0.3f, kAmber, 0.6f, 3.0f);
        break;
    case 4:  // colourful bokeh everywhere, densest at the edges
        L.clearMiddle = true;
        // down both sides, magenta on the left and cyan on the right
        Bokeh(L, 130, 0.015f, 0.06f, {kMagenta, kCyan, kGold, kTeal, kViolet, kAmber}, 0.35f, 0, -0.05f, 1.05f);
        Glow(L.soft, -0.05f, 0.5f, 0.3f, kMagenta, 0.6f, 3.0f, kPi / 2);
        Glow(L.soft, A + 0.05f, 0.5f, 0.3f, kCyan, 0.6f, 3.0f, kPi / 2);
        break;
    case 5:  // sunburst in the upper right corner
        L.clearSubject = true;
        Rays(L.soft, A * 0.92f, 0.08f, 0.6f, 40, kHot, 1.9f, s, 3.5f);
        Glow(L.soft, A * 0.92f, 0.08f, 0.18f, kGold, 1.6f);
        Glow(L.sharp, A * 0.92f, 0.08f, 0.035f, kWhite, 2.5f);
        Sparkle(L.sharp, A * 0.92f, 0.08f, 0.008f, 0.3f, kHot, 0.7f, 8, 0.2f);
        break;
    case 6:  // low golden light streaming in from the right
        L.clearSubject = true;
        Rays(L.soft, A + 0.25f, 0.35f, 1.3f, 50, kGold, 2.0f, s, 2.5f, kPi, 0.5f);
        Glow(L.soft, A + 0.05f, 0.35f, 0.25f, kAmber, 1.3f, 1.5f, kPi / 2);
        break;
    case 7:  // hexagonal bokeh, cool
        L.clearMiddle = true;
        Bokeh(L, 90, 0.025f, 0.08f, {kCyan, kTeal, kBlue, kIce}, 0.4f, 6, -0.05f, 1.05f, 0.05f);
        Glow(L.soft, A + 0.05f, 1.05f, 0.45f, kBlue, 0.9f, 1.5f, -0.6f);  // gathered in the lower right
        break;
    case 8:  // setting sun at the lower left, rays spreading upward
        L.clearSubject = true;
        Rays(L.soft, A * 0.15f, 0.95f, 0.8f, 30, kAmber, 1.9f, s, 2.0f, -kPi / 3, 0.9f);
        Glow(L.soft, A * 0.15f, 0.95f, 0.25f, kEmber, 1.5f);
        Glow(L.sharp, A * 0.15f, 0.95f, 0.04f, kHot, 2.5f);
        break;
    case 9:  // shafts of light through trees
        L.clearSubject = true;
        for (int i = 0; i < 6; ++i) {
            const float x = A * L.rnd.Range(0.1f, 0.95f);
            Band(L.soft, x, 0.0f, kPi * 0.62f, L.rnd.Range(0.015f, 0.05f), Rgb8(255, 245, 210), kGold,
                 L.rnd.Range(0.7f, 1.3f), s + i, 0.3f, 0.1f, 0.8f, 0.2f);
        }
        Glow(L.soft, A * 0.6f, -0.05f, 0.25f, kHot, 0.6f, 2.5f);
        break;
    default:  // 10: warm bokeh along the bottom, glow in the top left corner
        L.clearSubject = true;
        Bokeh(L, 60, 0.02f, 0.07f, warm, 0.45f, 0, 0.72f, 1.05f);
        Glow(L.soft, A * 0.1f, -0.05f, 0.3f, kGold, 0.9f, 2.5f);
        break;
    }
    return L.Finish();
}

// --- Star: star fields, sparkles and glints ------------------------------
//
// Each look pairs its stars with light of its own colour and place (a night
// veil, halos, a band, a frame), because a thumbnail samples the picture
// only every 15 to 20 pixels: the stars alone would vanish there, the
// light around them stays.

// A glint of `spikes` rays with a soft halo of its colour around it.
void HaloStar(Look& L, float x, float y, float size, Colour colour, float gain, int spikes, float angle,
              float halo) {
    const float px = 2.2f / L.sharp.Scale();
    Sparkle(L.sharp, x, y, px * (2 + 5 * size), 0.03f + 0.14f * size, Mix(colour, kWhite, 0.45f), gain * (1 + size),
            spikes, angle);
    Glow(L.sharp, x, y, px * (1.5f + 2 * size), kWhite, gain);
    Glow(L.soft, x, y, 0.02f + 0.06f * size, colour, halo * (0.5f + size));
}

TBitmap Star(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    // Stars are drawn bold: they must still read on a daylight photo.
    const float px = 2.2f / L.sharp.Scale();
    L.clearMiddle = true;
    switch (L.number) {
    case 1:  // a starry night: deep blue veil over the upper half, dense stars
        PaintAdd(L.soft, [&](float x, float y) {
            const float v = 1 - SmoothStep(0.05f, 0.62f, y + 0.08f * (Fbm(x * 2, y * 2, 3, s) - 0.5f));
            return Rgb8(30, 60, 190) * (1.0f * v);
        });
        StarField(L, 2600, 0, A, 0, 0.7f, 0.9f, [](float, float y) { return 1 - SmoothStep(0.3f, 0.7f, y); });
        break;
    case 2:  // golden glints scattered everywhere, each in a warm halo
        for (int i = 0; i < 30; ++i) {
            const float size = std::pow(L.rnd.Unit(), 1.5f);
            HaloStar(L, L.rnd.Range(A * 0.55f, A - 0.03f), L.rnd.Range(0.45f, 0.97f), size, kGold, 1.0f, 4,
                     L.rnd.Range(-0.1f, 0.1f), 0.55f);
        }
        Glow(L.soft, A, 1.0f, 0.45f, kGold, 0.8f);  // gathered in the lower right
        break;
    case 3:  // a haze of stars arching across the sky
        PaintAdd(L.soft, [&](float x, float y) {
            const float d = (y - 0.16f - 0.35f * ((x - A / 2) / A) * ((x - A / 2) / A) * 4) / 0.1f;
            const float cloud = Fbm(x * 3, y * 3, 5, s);
            // A dark lane of dust along the middle.
            const float lane = 1 - 0.6f * std::exp(-d * d * 5) * (0.5f + 0.5f * Fbm(x * 4 + 4, y * 4, 3, s + 1));
            const float v = std::exp(-d * d) * (0.35f + cloud * cloud * 1.6f) * lane;
            return Mix(Rgb8(150, 90, 230), Rgb8(255, 190, 170), cloud) * (1.2f * v);
        });
        StarField(L, 5500, 0, A, 0, 1, 0.75f, [&](float x, float y) {
            const float d = (y - 0.16f - 0.35f * ((x - A / 2) / A) * ((x - A / 2) / A) * 4) / 0.14f;
            return 0.08f + 0.92f * std::exp(-d * d);
        });
        break;
    case 4:  // a few blue giants with long rays low on the left
        for (int i = 0; i < 9; ++i) {
            const float size = 0.4f + 0.6f * L.rnd.Unit();
            const float x = L.rnd.Range(0.04f, A * 0.2f), y = L.rnd.Range(0.35f, 0.92f);
            Sparkle(L.sharp, x, y, px * (4 + 5 * size), 0.1f + 0.18f * size, kIce, 1.2f + size, 4, kPi / 4 * (i % 2));
            Sparkle(L.sharp, x, y, px * 2, 0.04f + 0.05f * size, kWhite, 0.6f, 4, kPi / 4 * (1 - i % 2));
            Glow(L.soft, x, y, 0.05f + 0.05f * size, kBlue, 0.9f);
            Glow(L.soft, x, y, 0.015f + 0.01f * size, kCyan, 1.2f);
        }
        break;
    case 5:  // a rose-gold trail of glitter down the left edge and along the bottom
        {
            const float path[] = {0.04f, 0.0f, 0.07f, 0.3f, 0.1f, 0.6f, 0.22f, 0.88f, A * 0.5f, 0.97f,
                                  A * 0.95f, 0.95f};
            Stroke(L.soft, std::vector<float>(std::begin(path), std::end(path)), 0.09f, kPink, 0.5f, 0.8f);
            Stroke(L.soft, std::vector<float>(std::begin(path), std::end(path)), 0.02f, kPeach, 0.1f, 0.6f);
            for (int i = 0; i < 900; ++i) {
                const float t = std::pow(L.rnd.Unit(), 0.7f);
                const size_t seg = std::min<size_t>(4, size_t(t * 5));
                const float f = t * 5 - float(seg);
                const float x = path[2 * seg] + (path[2 * seg + 2] - path[2 * seg]) * f;
                const float y = path[2 * seg + 1] + (path[2 * seg + 3] - path[2 * seg + 1]) * f;
                const float spread = 0.05f + 0.06f * t;
                const float b = std::pow(L.rnd.Unit(), 3.0f);
                const Colour c = Mix(kPeach, kWhite, L.rnd.Unit());
                const float gx = x + L.rnd.Range(-spread, spread), gy = y + L.rnd.Range(-spread, spread);
                Glow(L.sharp, gx, gy, px * (1 + 2 * b), c, 0.8f + 2 * b);
                if (b > 0.5f) Sparkle(L.sharp, gx, gy, px * 2, 0.01f + 0.04f * b, c, 0.7f, 4, 0.1f);
            }
            Sparkle(L.sharp, A * 0.95f, 0.95f, px * 7, 0.16f, kWhite, 1.6f, 4, 0.2f);
        }
        break;
    case 6:  // magic dust rising out of a violet glow at the bottom
        PaintAdd(L.soft, [&](float x, float y) {
            const float v = SmoothStep(0.45f, 1.05f, y + 0.1f * (Fbm(x * 2.5f, y * 2, 3, s) - 0.5f));
            return Mix(kViolet, kMagenta, Fbm(x * 1.5f, 0.5f, 2, s + 1)) * (0.9f * v);
        });
        for (int i = 0; i < 1100; ++i) {
            const float y = 1 - 0.75f * std::pow(L.rnd.Unit(), 1.4f);
            const float x = L.rnd.Range(0, A);
            const float b = std::pow(L.rnd.Unit(), 3.0f);
            const Colour c = Mix(kLavender, kCyan, L.rnd.Unit());
            Glow(L.sharp, x, y, px * (1 + 2.5f * b), c, 0.7f + 2 * b);
            if (b > 0.55f) Sparkle(L.sharp, x, y, px * 2, 0.02f + 0.03f * b, c, 0.7f);
        }
        break;
    case 7:  // rainbow stars in the lower corners: six-pointed, each its own saturated colour
        for (int i = 0; i < 24; ++i) {
            const float size = std::pow(L.rnd.Unit(), 1.3f);
            const float x = i % 2 ? L.rnd.Range(0.02f, A * 0.3f) : L.rnd.Range(A * 0.7f, A - 0.02f);
            HaloStar(L, x, L.rnd.Range(0.55f, 0.97f), size, Mix(Hue(float(i) / 24 + 0.02f), kWhite, 0.2f), 1.1f, 6,
                     L.rnd.Range(0, 1), 0.75f);
        }
        break;
    case 8:  // a meteor shower out of the upper right
        StarField(L, 500, 0, A, 0, 0.6f, 0.6f);
        Glow(L.soft, A * 0.92f, 0.05f, 0.35f, kTeal, 1.0f, 1.5f, 0.6f);
        for (int i = 0; i < 14; ++i) {
            const float a = kPi * L.rnd.Range(0.58f, 0.9f);  // down and to the left
            const float start = L.rnd.Range(0.08f, 0.5f), len = L.rnd.Range(0.2f, 0.45f);
            const float x0 = A * 0.92f + std::cos(a) * start, y0 = 0.05f + std::sin(a) * start;
            const float x1 = x0 + std::cos(a) * len, y1 = y0 + std::sin(a) * len;
            Line(L.sharp, x0, y0, x1, y1, px * 1.3f, kIce, 0.0f, 1.8f);
            Line(L.soft, x0, y0, x1, y1, 0.012f, kCyan, 0.0f, 0.8f);
            Glow(L.sharp, x1, y1, px * 4, kWhite, 1.8f);
            Glow(L.soft, x1, y1, 0.025f, kCyan, 0.6f);
        }
        break;
    case 9:  // a frame of silver glints, nothing over the middle
        EdgeHaze(L.soft, A, Rgb8(200, 215, 255), 1.4f, 0.55f, s, 0.4f);
        for (int i = 0; i < 700; ++i) {
            const float x = L.rnd.Range(0, A), y = L.rnd.Range(0, 1);
            const float dx = (x - A / 2) / (A / 2), dy = (y - 0.5f) / 0.5f;
            if (L.rnd.Unit() > SmoothStep(0.6f, 1.0f, std::max(std::fabs(dx), std::fabs(dy)))) continue;
            const float b = std::pow(L.rnd.Unit(), 3.0f);
            Glow(L.sharp, x, y, px * (1 + 2 * b), kWhite, 0.8f + 2 * b);
            if (b > 0.3f) Sparkle(L.sharp, x, y, px * 2.5f, 0.025f + 0.06f * b, Mix(kIce, kWhite, L.rnd.Unit()), 1.4f);
        }
        break;
    default:  // 10: one great starburst in the upper left corner, a cluster round it
        L.clearSubject = true;
        {
            const float cx = A * 0.1f, cy = 0.12f;
            Sparkle(L.sharp, cx, cy, px * 12, 0.7f, kWhite, 2.0f, 8, 0.1f);
            Sparkle(L.soft, cx, cy, 0.012f, 0.55f, kLavender, 0.6f, 8, 0.1f);
            Glow(L.soft, cx, cy, 0.2f, kLavender, 0.9f);
            Glow(L.soft, cx, cy, 0.06f, Rgb8(255, 240, 230), 1.8f);
            for (int i = 0; i < 45; ++i) {
                const float a = L.rnd.Range(0, 2 * kPi), r = 0.45f * std::sqrt(L.rnd.Unit());
                const float size = std::pow(L.rnd.Unit(), 2.0f);
                Sparkle(L.sharp, cx + std::cos(a) * r * 1.3f, cy + std::sin(a) * r, px * (2 + 3 * size),
                        0.01f + 0.06f * size, kWhite, 0.6f + size, 4, 0.1f);
            }
        }
        break;
    }
    return L.Finish();
}

// --- Amazing: one motif each: fireworks, aurora, rainbow, light trails,
// lasers, a comet, a sun halo, light painting and a nebula ----------------

// A comet: a bright head in its coma, a broad curved dust tail and a
// narrow straight blue ion tail, both streaming along `angle`.
void Comet(Look& L, float hx, float hy, float angle, float length, float gain) {
    const float px = 1.0f / L.sharp.Scale();
    const float dx = std::cos(angle), dy = std::sin(angle);
    PaintAdd(L.soft, [&](float x, float y) {
        const float rx = x - hx, ry = y - hy;
        const float t = rx * dx + ry * dy;
        if (t <= 0) return Colour{};
        const float d = -rx * dy + ry * dx;
        const float bend = 0.35f * t * t / length;  // the dust tail curves away
        const float wd = 0.02f + 0.22f * t / length, wi = 0.006f + 0.025f * t / length;
        const float dust = std::exp(-((d - bend) / wd) * ((d - bend) / wd)) * std::exp(-t / (0.45f * length));
        const float ion = std::exp(-(d / wi) * (d / wi)) * std::exp(-t / (0.8f * length)) *
                          (0.6f + 0.4f * ValueNoise(t * 30, 0.5f, L.seed));
        return Rgb8(255, 235, 200) * (gain * dust) + Rgb8(90, 150, 255) * (0.8f * gain * ion);
    });
    Glow(L.soft, hx, hy, 0.05f, Rgb8(200, 255, 235), gain * 1.1f);
    Glow(L.sharp, hx, hy, px * 6, kWhite, gain * 2.5f);
}

TBitmap Amazing(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    const float px = 1.0f / L.sharp.Scale();
    switch (L.number) {
    case 1:  // three fireworks over the top
        L.clearMiddle = true;
        Firework(L, A * 0.14f, 0.2f, 0.18f, kMagenta, kPink, 80, 1.2f);
        Firework(L, A * 0.42f, 0.1f, 0.15f, kGold, kHot, 70, 1.2f);
        Firework(L, A * 0.1f, 0.62f, 0.12f, kCyan, kWhite, 60, 1.1f);
        Glow(L.soft, 0.0f, 0.3f, 0.4f, kMagenta, 0.5f, 1.5f, kPi / 2);
        break;
    case 2:  // aurora curtains in the sky: sharp rays over a bright lower rim
        L.clearMiddle = true;
        Aurora(L, 0.3f, 0.1f, Rgb8(40, 255, 120), Rgb8(200, 60, 255), 2.4f, s);
        Glow(L.soft, A * 0.4f, 0.12f, 0.3f, Rgb8(40, 255, 120), 0.35f, 3.5f);
        break;
    case 3:  // a rainbow arching out of the left edge across the top left corner
        L.clearSubject = true;
        Rainbow(L.soft, -0.1f, 1.0f, 0.95f, 0.16f, 1.6f, 0.6f);
        break;
    case 4:  // long-exposure traffic along the very bottom: red tail lights, white headlights
        for (int i = 0; i < 7; ++i) {
            std::vector<float> a, b;
            const float lane = i * 0.018f;
            for (int k = 0; k <= 40; ++k) {
                const float t = float(k) / 40;
                const float x = -0.1f + (A + 0.2f) * t;
                a.insert(a.end(), {x, 0.9f + lane * 0.5f + 0.03f * std::sin(t * 3.0f + 0.5f) - 0.02f * t});
                b.insert(b.end(), {x, 0.95f + lane * 0.6f + 0.025f * std::sin(t * 3.0f + 0.9f) - 0.02f * t});
            }
            Stroke(L.sharp, a, px * 1.6f, kEmber, 0.7f, 0.9f);
            Stroke(L.sharp, b, px * 1.8f, Rgb8(255, 235, 190), 0.9f, 0.7f);
            Stroke(L.soft, a, 0.008f, kCrimson, 0.2f, 0.25f);
            Stroke(L.soft, b, 0.008f, kHot, 0.25f, 0.2f);
        }
        Glow(L.soft, A * 0.5f, 1.02f, 0.14f, kAmber, 0.35f, 4.0f);
        break;
    case 5:  // a laser show: beams fanning up the sides from the two lower corners through haze
        L.clearSubject = true;
        {
            const Colour beams[] = {Rgb8(40, 255, 90), kCyan, kMagenta, kViolet, Rgb8(40, 255, 90)};
            for (int side = 0; side < 2; ++side) {
                const float sx = side ? A + 0.02f : -0.02f, sy = 1.02f, dir = side ? -1.0f : 1.0f;
                for (int i = 0; i < 5; ++i) {
                    const float a = -kPi / 2 + dir * (0.06f + 0.07f * float(i));
                    const float ex = sx + std::cos(a) * 1.4f, ey = sy + std::sin(a) * 1.4f;
                    Line(L.sharp, sx, sy, ex, ey, px * 1.6f, Mix(beams[(i + side) % 5], kWhite, 0.5f), 1.5f, 0.4f);
                    Line(L.soft, sx, sy, ex, ey, 0.012f, beams[(i + side) % 5], 0.9f, 0.2f);
                }
                Glow(L.soft, sx, sy, 0.12f, kWhite, 1.2f);
            }
            PaintAdd(L.soft, [&](float x, float y) {  // haze the beams light up
                const float n = Fbm(x * 2, y * 3, 4, s);
                return Rgb8(80, 60, 200) * (0.5f * SmoothStep(0.3f, 1.0f, y) * n * n);
            });
        }
        break;
    case 6:  // one great golden chrysanthemum high in the upper right
        L.clearMiddle = true;
        Firework(L, A * 0.8f, 0.2f, 0.3f, kAmber, kHot, 140, 1.1f);
        Firework(L, A * 0.8f, 0.2f, 0.14f, kGold, kWhite, 60, 0.8f);
        Glow(L.soft, A * 0.8f, 0.24f, 0.26f, kAmber, 0.35f);
        break;
    case 7:  // a comet low on the right, its tails streaming up the right edge
        L.clearSubject = true;
        for (int i = 0; i < 250; ++i)
            Glow(L.sharp, L.rnd.Range(0, A), L.rnd.Range(0, 0.8f), px * L.rnd.Range(0.8f, 2.2f), kWhite,
                 0.3f + 1.2f * std::pow(L.rnd.Unit(), 3.0f));
        Comet(L, A * 0.88f, 0.66f, -1.25f, 0.9f, 2.4f);
        break;
    case 8:  // a sun halo with sundogs in the top right corner: a ring round the sun, red inside
        L.clearSubject = true;
        {
            const float cx = A * 0.9f, cy = 0.1f, r = 0.3f;
            PaintAdd(L.soft, [&](float x, float y) {
                const float d = std::hypot(x - cx, y - cy);
                const float t = (d - r) / 0.05f;
                const float ring = std::exp(-t * t);
                const Colour c = Mix(Rgb8(255, 120, 60), Rgb8(200, 220, 255), Clamp01(t * 0.6f + 0.5f));
                const float arc = std::exp(-((y - cy) / 0.012f) * ((y - cy) / 0.012f)) * 0.25f;  // parhelic circle
                return c * (1.1f * ring) + Rgb8(255, 250, 240) * arc + Rgb8(200, 220, 255) * (0.18f * std::exp(-d / r));
            });
            for (float side : {-1.0f, 1.0f}) {
                Glow(L.soft, cx + side * (r + 0.02f), cy, 0.03f, Rgb8(255, 200, 140), 1.6f, 2.2f, 0.0f);
                Glow(L.soft, cx + side * (r + 0.07f), cy, 0.025f, Rgb8(220, 230, 255), 0.7f, 3.0f, 0.0f);
            }
            Glow(L.soft, cx, cy, 0.12f, Rgb8(255, 245, 220), 2.2f);
            Glow(L.sharp, cx, cy, 0.02f, kWhite, 2.5f);
        }
        break;
    case 9:  // light painting: a ribbon of light drawn in loops along the bottom
        L.clearSubject = true;
        {
            std::vector<float> p;
            for (int k = 0; k <= 600; ++k) {
                const float t = float(k) / 600;
                const float a = t * 2 * kPi * 3.2f;
                p.insert(p.end(), {A * (0.08f + 0.84f * t) + 0.1f * std::cos(a), 0.87f + 0.08f * std::sin(a) * (1 - 0.3f * t)});
            }
            Stroke(L.sharp, p, px * 2.5f, Rgb8(255, 240, 230), 0.6f, 1.3f);
            Stroke(L.soft, p, 0.016f, kMagenta, 0.45f, 0.7f);
            Stroke(L.soft, p, 0.05f, kViolet, 0.15f, 0.22f);
        }
        break;
    default:  // 10: a nebula: coloured gas clouds with stars in them, in the top corners
        L.clearSubject = true;
        PaintAdd(L.soft, [&](float x, float y) {
            const float warp = Fbm(x * 1.5f, y * 1.5f, 3, s + 2);
            const float a = SmoothStep(0.45f, 0.8f, Fbm(x * 2 + warp, y * 2, 5, s));
            const float b = SmoothStep(0.42f, 0.75f, Fbm(x * 2.5f + 3, y * 2.5f - warp, 5, s + 1));
            const float fade = 1 - SmoothStep(0.55f, 1.0f, y);
            return (Rgb8(255, 60, 140) * (0.6f * a) + Rgb8(255, 150, 50) * (0.6f * a * b) +
                    Rgb8(40, 200, 220) * (1.0f * b * (1 - a))) * fade;
        });
        for (int i = 0; i < 1200; ++i) {
            const float x = L.rnd.Range(0, A), y = L.rnd.Range(0, 0.9f), b = std::pow(L.rnd.Unit(), 4.0f);
            Glow(L.sharp, x, y, px * (0.9f + 2 * b), kWhite, 0.5f + 2.5f * b);
            if (b > 0.5f) Sparkle(L.sharp, x, y, px * 2, px * (14 + 40 * b), kWhite, 0.6f + b);
        }
        break;
    }
    return L.Finish();
}

// --- Weather: rain, snow, fog, hail and lightning ------------------------

TBitmap Weather(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    const float px = 1.0f / L.sharp.Scale();
    auto fog = [&](float top, float gain, Colour col, float scale) {
        PaintAdd(L.soft, [&](float x, float y) {
            const float n = Fbm(x * scale + y * 0.5f, y * scale * 2.2f, 5, s);
            const float v = SmoothStep(top, 1.0f, y) * (0.3f + 1.1f * n * n);
            return col * (gain * v);
        });
    };
    switch (L.number) {
    case 1:  // rain
        Rain(L, 2600, 0.18f, 0.04f, 0.1f, 1.5f, 0.7f);
        fog(0.4f, 0.25f, Rgb8(170, 180, 200), 2.0f);
        break;
    case 2:  // snow with near flakes out of focus
        Snow(L, 1500, 0.0012f, 0.014f, 0.9f);
        break;
    case 3:  // fog lying low
        fog(0.1f, 1.7f, Rgb8(200, 205, 215), 1.6f);
        break;
    case 4:  // downpour with spray on the ground
        Rain(L, 4500, 0.08f, 0.05f, 0.14f, 1.3f, 0.45f);
        fog(0.55f, 0.7f, Rgb8(190, 200, 215), 3.0f);
        break;
    case 5:  // lightning striking down the right side
        L.clearSubject = true;
        Bolt(L, A * 0.86f, -0.02f, A * 0.93f, 0.85f, 0.2f, 2, 2.6f, 1.5f);
        Glow(L.soft, A * 0.88f, 0.05f, 0.5f, Rgb8(90, 90, 200), 0.6f, 1.5f);
        break;
    case 6:  // hail: bright pellets with short motion streaks
        for (int i = 0; i < 700; ++i) {
            const float x = L.rnd.Range(0, A), y = L.rnd.Range(0, 1), r = px * L.rnd.Range(2.0f, 6.0f);
            Line(L.sharp, x - 0.01f, y - 0.045f, x, y, r * 0.6f, kIce, 0.0f, 0.35f);
            Disc(L.sharp, x, y, r, r * 0.4f, Rgb8(235, 245, 255), 0.9f, 0.0f);
            Glow(L.sharp, x - r * 0.3f, y - r * 0.3f, r * 0.35f, kWhite, 0.8f);
        }
        fog(0.6f, 0.3f, Rgb8(180, 190, 210), 2.5f);
        break;
    case 7:  // blizzard: snow driven sideways through haze
        for (int i = 0; i < 2500; ++i) {
            const float x = L.rnd.Range(-0.1f, A), y = L.rnd.Range(0, 1);
            const float d = L.rnd.Unit();
            Line(L.sharp, x, y, x + 0.02f + 0.05f * d, y + 0.01f + 0.015f * d, px * (1 + 2 * d), kWhite, 0.1f,
                 0.3f + 0.5f * d);
        }
        PaintAdd(L.soft, [&](float x, float y) {
            const float n = Fbm(x * 1.5f - y, y * 3, 4, s);
            return Rgb8(210, 215, 225) * (0.04f + 0.6f * n * n * n);
        });
        break;
    case 8:  // layers of morning mist
        PaintAdd(L.soft, [&](float x, float y) {
            float v = 0;
            for (int k = 0; k < 3; ++k) {
                const float c = 0.5f + 0.16f * k + 0.05f * (Fbm(x * 1.5f, k * 3.0f, 3, s) - 0.5f);
                const float d = (y - c) / (0.05f + 0.02f * k);
                v += std::exp(-d * d) * (0.4f + 0.9f * Fbm(x * 2.5f, y * 6, 4, s + k));
            }
            return Rgb8(215, 220, 230) * (0.6f * v);
        });
        break;
    case 9:  // drizzle under a murky sky
        Rain(L, 1800, 0.05f, 0.02f, 0.05f, 1.2f, 0.55f);
        PaintAdd(L.soft, [&](float x, float y) {
            const float n = Fbm(x * 2, y * 3, 5, s);
            return Rgb8(190, 195, 210) * ((1 - SmoothStep(0.0f, 0.55f, y)) * (0.2f + 0.9f * n));
        });
        break;
    default:  // 10: large crystals in frost creeping in from both sides
        for (int i = 0; i < 40; ++i) {
            const float side = A * 0.3f * std::pow(L.rnd.Unit(), 1.5f);
            Snowflake(L, i % 2 ? side : A - side, L.rnd.Range(0, 1), 0.015f + 0.045f * std::pow(L.rnd.Unit(), 2.0f),
                      L.rnd.Range(0.7f, 1.1f), L.rnd.Range(0, 1));
        }
        Snow(L, 500, 0.0012f, 0.006f, 0.6f, 0.3f);
        PaintAdd(L.soft, [&](float x, float y) {
            const float frost = 1 - SmoothStep(0.0f, 0.35f, std::min(x, A - x));
            return Rgb8(170, 205, 255) * (0.6f * frost * (0.6f + 0.8f * Fbm(x * 3, y * 3, 3, s)));
        });
        break;
    }
    return L.Finish();
}

// --- Dream A and Dream B: soft glows, hearts, bubbles, haze --------------

TBitmap DreamA(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    switch (L.number) {
    case 1:  // pink haze around the edges
        EdgeHaze(L.soft, A, kPink, 1.3f, 0.35f, s, 0.35f);
        EdgeHaze(L.soft, A, Rgb8(255, 220, 235), 0.5f, 0.6f, s + 1, 0.3f);
        break;
    case 2:  // floating hearts
        L.clearMiddle = true;
        for (int i = 0; i < 18; ++i) {
            const float size = 0.03f + 0.09f * std::pow(L.rnd.Unit(), 2.0f);
            const float x = L.rnd.Range(0, A * 0.3f), y = L.rnd.Range(0, 1);  // rising up the left side
            Heart(L.sharp, x, y, size, size * (0.04f + 0.25f * L.rnd.Unit()), Mix(kCrimson, kPink, L.rnd.Unit()),
                  0.35f, L.rnd.Range(-0.4f, 0.4f), 0.8f);
            Glow(L.soft, x, y, size, kPink, 0.15f);
        }
        break;
    case 3:  // soap bubbles
        L.clearMiddle = true;
        for (int i = 0; i < 22; ++i)  // drifting down the right side
            Bubble(L, L.rnd.Range(A * 0.7f, A), L.rnd.Range(0, 1), 0.02f + 0.1f * std::pow(L.rnd.Unit(), 2.0f), 0.9f);
        Glow(L.soft, A + 0.05f, 0.5f, 0.3f, Rgb8(150, 190, 255), 0.45f, 3.0f, kPi / 2);
        break;
    case 4:  // lavender glow from above, with glitter
        L.clearMiddle = true;
        Band(L.soft, A / 2, -0.15f, 0, 0.38f, kLavender, kViolet, 1.3f, s, 0.4f, 0, 0, 0.2f);
        for (int i = 0; i < 250; ++i) {
            const float y = 0.5f * std::pow(L.rnd.Unit(), 1.5f), x = L.rnd.Range(0, A);
            Glow(L.sharp, x, y, 0.0015f, kWhite, 0.8f + 2 * std::pow(L.rnd.Unit(), 4.0f));
        }
        break;
    case 5:  // heart-shaped bokeh
        L.clearMiddle = true;
        for (int i = 0; i < 40; ++i) {
            const float size = 0.03f + 0.06f * L.rnd.Unit();
            Heart(L.sharp, L.rnd.Range(0, A), L.rnd.Range(0.72f, 1.02f), size, size * 0.06f,
                  Mix(kPink, kWhite, L.rnd.Unit() * 0.5f), 0.4f, L.rnd.Range(-0.3f, 0.3f), 1.0f);
        }
        Glow(L.soft, A / 2, 1.05f, 0.3f, kPink, 0.5f, 4.0f);  // along the bottom
        break;
    case 6:  // peach corners and a few bubbles
        L.clearMiddle = true;
        EdgeHaze(L.soft, A, kPeach, 1.2f, 0.7f, s, 0.4f);
        for (int i = 0; i < 8; ++i)
            Bubble(L, L.rnd.Range(0, A), L.rnd.Range(0, 1), 0.02f + 0.06f * L.rnd.Unit(), 0.8f);
        break;
    case 7:  // pastel orbs
        L.clearMiddle = true;
        for (int i = 0; i < 35; ++i) {
            const float r = 0.01f + 0.035f * L.rnd.Unit();
            const float x = L.rnd.Range(0, A), y = L.rnd.Range(0, 0.4f);  // up in the sky
            const Colour c = Mix(Hue(L.rnd.Unit()), kWhite, 0.45f);
            Disc(L.sharp, x, y, r, r * 0.5f, c, 0.45f, 0.3f);
            Glow(L.soft, x, y, r * 2.5f, c, 0.3f);
        }
        break;
    case 8:  // white dream haze
        EdgeHaze(L.soft, A, Rgb8(255, 250, 245), 1.4f, 0.3f, s, 0.25f);
        Glow(L.soft, A * 0.92f, 0.06f, 0.25f, Rgb8(255, 240, 230), 0.5f);
        break;
    case 9:  // pastel rainbow drifting through the top corners
        L.clearSubject = true;
        PaintAdd(L.soft, [&](float x, float y) {
            const float u = (x - y * 0.6f) / A;
            const float fade = std::exp(-((y - 0.3f) / 0.35f) * ((y - 0.3f) / 0.35f));
            return Mix(Hue(u * 0.9f + 0.1f), kWhite, 0.45f) * (0.55f * fade * (0.5f + Fbm(x * 2, y * 2, 3, s)));
        });
        break;
    default:  // 10: falling petals
        L.clearMiddle = true;
        for (int i = 0; i < 45; ++i) {
            const float r = 0.008f + 0.018f * L.rnd.Unit();
            const float x = L.rnd.Range(0, A), y = L.rnd.Range(0, 1);
            Glow(L.sharp, x, y, r, Mix(kPink, kWhite, L.rnd.Range(0.2f, 0.6f)), 0.7f, 1.8f, L.rnd.Range(0, kPi));
        }
        EdgeHaze(L.soft, A, kPink, 0.5f, 0.8f, s, 0.3f);
        break;
    }
    return L.Finish();
}

TBitmap DreamB(Look& L) {
    const float A = L.aspect;
    const uint32_t s = L.seed;
    const float px = 1.0f / L.sharp.Scale();
    switch (L.number) {
    case 1:  // pink and blue haze
        L.clearSubject = true;
        Glow(L.soft, -0.05f, 0.1f, 0.45f, kPink, 1.2f, 1.3f, 0.8f);
        Glow(L.soft, A + 0.05f, 0.9f, 0.45f, Rgb8(110, 170, 255), 1.2f, 1.3f, 0.8f);
        break;
    case 2:  // hearts in the corners
        L.clearMiddle = true;
        for (int i = 0; i < 4; ++i) {
            const float cx = i % 2 ? A - 0.12f : 0.12f, cy = i < 2 ? 0.14f : 0.86f;
            Heart(L.sharp, cx, cy, 0.16f, 0.03f, kCrimson, 0.5f, (i % 2 ? 0.3f : -0.3f), 0.8f);
            Glow(L.soft, cx, cy, 0.16f, kPink, 0.45f);
        }
        break;
    case 3:  // a few big teal bubbles
        L.clearMiddle = true;
        for (int i = 0; i < 7; ++i)
            Bubble(L, L.rnd.Range(0, A), L.rnd.Range(0, 1), 0.07f + 0.1f * L.rnd.Unit(), 1.0f);
        Glow(L.soft, A / 2, 1.05f, 0.3f, kTeal, 0.4f, 2.5f);
        break;
    case 4:  // golden magic: a glow with glitter around it
        L.clearMiddle = true;
        Glow(L.soft, A * 0.1f, 0.12f, 0.3f, kGold, 1.1f);
        for (int i = 0; i < 300; ++i) {
            const float a = L.rnd.Range(0, 2 * kPi), r = 0.45f * std::sqrt(L.rnd.Unit());
            const float b = std::pow(L.rnd.Unit(), 3.0f);
            const float x = A * 0.1f + std::cos(a) * r * 1.3f, y = 0.12f + std::sin(a) * r;
            Glow(L.sharp, x, y, px * (1 + 2 * b), kHot, 0.6f + 2 * b);
            if (b > 0.5f) Sparkle(L.sharp, x, y, px * 2, 0.03f * b, kGold, 0.6f);
        }
        break;
    case 5:  // pastel clouds in the top corners, built from soft puffs
        L.clearSubject = true;
        for (int i = 0; i < 70; ++i) {
            const float x = L.rnd.Range(-0.1f, A + 0.1f), y = 0.03f + 0.22f * std::pow(L.rnd.Unit(), 1.5f);
            const float r = L.rnd.Range(0.05f, 0.11f) * (1.2f - y);
            const Colour c = Mix(Rgb8(255, 205, 232), Rgb8(200, 215, 255), x / A + L.rnd.Range(-0.2f, 0.2f));
            Glow(L.soft, x, y, r, c, 0.24f, 1.4f, 0.0f);
        }
        Glow(L.soft, A * 0.5f, 0.0f, 0.3f, Rgb8(255, 240, 250), 0.4f, 2.5f);
        break;
    case 6:  // violet sparkle haze
        L.clearMiddle = true;
        EdgeHaze(L.soft, A, kViolet, 1.0f, 0.5f, s, 0.5f);
        StarField(L, 800, 0, A, 0, 1, 0.5f, [&](float x, float y) {
            return SmoothStep(0.3f, 0.9f, std::hypot((x - A / 2) / A * 2, (y - 0.5f) * 2));
        });
        break;
    case 7:  // a heart of fairy lights framing the subject, open over the head
        L.clearSubject = true;
        for (int i = 0; i < 90; ++i) {
            const float t = 2 * kPi * i / 90;
            // The classic heart curve, scaled to the picture.
            const float hx = 16 * std::pow(std::sin(t), 3.0f);
            const float hy = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
            const float x = A / 2 + hx * 0.038f, y = 0.5f - hy * 0.04f;
            const Colour c = Mix(kGold, kPink, 0.5f + 0.5f * std::sin(t * 5));
            Disc(L.sharp, x, y, 0.007f, 0.003f, c, 1.3f);
            Glow(L.sharp, x, y, 0.018f, c, 0.6f);
            Glow(L.soft, x, y, 0.06f, c, 0.25f);
        }
        break;
    case 8:  // a crescent moon in its glow and a few stars
        L.clearMiddle = true;
        Glow(L.soft, A * 0.84f, 0.15f, 0.3f, Rgb8(90, 120, 255), 1.1f);
        {
            // A crescent: the disc less a disc moved toward the lower left.
            Canvas moon(L.sharp.Width() / 4, L.sharp.Height() / 4);
            Disc(moon, A * 0.84f, 0.15f, 0.045f, 0.003f, Rgb8(230, 235, 255), 1.1f);
            Canvas bite(moon.Width(), moon.Height());
            Disc(bite, A * 0.84f - 0.02f, 0.15f + 0.012f, 0.04f, 0.003f, Colour{1, 1, 1}, 1.0f);
            for (int y = 0; y < moon.Height(); ++y)
                for (int x = 0; x < 3 * moon.Width(); ++x) moon.Row(y)[x] *= 1 - Clamp01(bite.Row(y)[x]);
            L.sharp.AddResampled(moon);
        }
        StarField(L, 500, 0, A, 0, 0.6f, 0.5f);
        break;
    case 9:  // lanterns rising in the lower left
        L.clearMiddle = true;
        for (int i = 0; i < 16; ++i) {
            const float depth = L.rnd.Unit();
            const float x = L.rnd.Range(0, A * 0.35f), y = L.rnd.Range(0.45f, 0.97f), r = 0.008f + 0.025f * depth * depth;
            Disc(L.sharp, x, y, r, r * 0.4f, kAmber, 0.9f, 0.5f, 0, 0);
            Glow(L.sharp, x, y + r * 0.3f, r * 0.7f, kHot, 1.2f);
            Glow(L.soft, x, y, r * 4, kEmber, 0.35f);
        }
        break;
    default:  // 10: rose-gold haze with dust
        L.clearMiddle = true;
        Band(L.soft, -0.1f, 0.0f, kPi / 4, 0.35f, Rgb8(255, 200, 170), Rgb8(230, 120, 130), 1.2f, s, 0.5f);
        for (int i = 0; i < 500; ++i)
            Glow(L.sharp, L.rnd.Range(0, A), L.rnd.Range(0, 1), px * L.rnd.Range(0.8f, 2.5f), Rgb8(255, 220, 200),
                 0.5f * std::pow(L.rnd.Unit(), 2.0f));
        break;
    }
    return L.Finish();
}

}  // namespace

TBitmap RenderScreenLook(const PackFolder& folder, int number) {
    Look look(folder, number);
    const std::string name = folder.name;
    if (name == "lightA") return LightA(look);
    if (name == "lightB") return LightB(look);
    if (name == "lightC") return LightC(look);
    if (name == "star") return Star(look);
    if (name == "amazing") return Amazing(look);
    if (name == "weather") return Weather(look);
    if (name == "dreamA") return DreamA(look);
    if (name == "dreamB") return DreamB(look);
    throw std::logic_error("no screen looks for " + name);
}

}  // namespace corvessa::lookpack
