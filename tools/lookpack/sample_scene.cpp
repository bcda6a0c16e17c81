// The start-up photo: a lake at golden hour. A deep sky with lit clouds,
// a hot-air balloon, hazy mountain ranges, a forested shore mirrored in
// rippling water, a sandy beach with grey pebbles and a meadow of flowers
// in front: saturated colour, skin-like and neutral tones, soft and fine
// detail, so that every look has something to show on.

#include <cmath>

#include "lookpack/canvas.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kHorizon = 0.585f;  // the far shore's waterline
constexpr float kSunX = 1.08f, kSunY = 0.36f;
constexpr uint32_t kSeed = 0xC0FFEE11u;

float CloudDensity(float x, float y) {
    const float band = SmoothStep(0.02f, 0.12f, y) * (1 - SmoothStep(0.3f, 0.44f, y));
    const float n = Fbm(x * 2.2f + 0.3f * y, y * 6.5f, 6, kSeed);
    return SmoothStep(0.5f, 0.72f, n * (0.55f + 0.6f * band)) * band * 1.0f + 0.0f;
}

Colour Sky(float x, float y) {
    const float t = Clamp01(y / kHorizon);
    Colour c = Mix(Rgb8(38, 84, 168), Rgb8(120, 160, 214), SmoothStep(0, 0.6f, t));
    c = Mix(c, Rgb8(248, 196, 150), SmoothStep(0.5f, 1.0f, t));
    const float ds = std::hypot(x - kSunX, y - kSunY);
    c = c + Rgb8(255, 190, 110) * (0.55f * std::exp(-ds * 5)) + Rgb8(255, 240, 210) * (1.2f * std::exp(-ds * 40));
    const float d = CloudDensity(x, y);
    if (d > 0) {
        const float sx = kSunX - x, sy = kSunY - y, sl = std::hypot(sx, sy);
        const float ahead = CloudDensity(x + sx / sl * 0.03f, y + sy / sl * 0.03f);
        const float lit = Clamp01(1.0f - ahead * 0.9f + 0.35f);
        const Colour shade = Mix(Rgb8(150, 156, 184), Rgb8(255, 240, 220), lit);
        const Colour rim = Rgb8(255, 200, 140) * (0.35f * std::exp(-ds * 3) * lit);
        c = Mix(c, shade + rim, Clamp01(d * 1.4f));
    }
    return c;
}

// Ridge heights (y of the ridge line) of the three ranges.
// Ridged noise: sharp crests where smooth noise crosses its middle.
float Ridged(float x, uint32_t seed) {
    float sum = 0, w = 0.5f;
    for (int o = 0; o < 5; ++o) {
        sum += w * (1 - std::fabs(2 * ValueNoise(x, 0.5f + o, seed + o) - 1));
        x *= 2.1f;
        w *= 0.5f;
    }
    return sum;
}
float FarRidge(float x) {
    return 0.47f - 0.17f * std::pow(Ridged(x * 2.2f, kSeed + 1), 2.0f) - 0.06f * std::exp(-(x - 0.3f) * (x - 0.3f) * 18);
}
float MidRidge(float x) { return 0.53f - 0.06f * Fbm(x * 3.2f, 1.5f, 5, kSeed + 2) - 0.02f * Ridged(x * 6, kSeed + 9); }
float TreeLine(float x) {
    const float hills = 0.555f - 0.025f * Fbm(x * 5, 2.5f, 3, kSeed + 3);
    // Conifer tips: a sawtooth of uneven teeth.
    const float cell = 0.011f;
    const float f = x / cell - std::floor(x / cell);
    const float h = 0.6f + 0.8f * float(Hash3(int(std::floor(x / cell)), 7, kSeed) & 1023) / 1023.0f;
    return hills - cell * h * (1 - std::fabs(f - 0.5f) * 2) * 2.2f;
}

// Everything above the waterline, also used for the reflection.
Colour Landscape(float x, float y) {
    Colour c = Sky(x, y);
    // Balloon: striped envelope lit from the sun, basket below.
    const float bx = 0.46f, by = 0.2f, br = 0.062f;
    const float ex = (x - bx) / br, ey = (y - by) / (br * 1.12f);
    const float taper = ey > 0 ? 1 - 0.35f * ey * ey : 1.0f;
    const float rr = ex * ex / (taper * taper) + ey * ey;
    if (rr < 1 && ey < 1.0f) {
        const float nx = ex / taper, nz = std::sqrt(std::max(0.0f, 1 - rr));
        const float lightDot = Clamp01(0.55f * nx - 0.35f * ey + 0.75f * nz);
        const float stripe = std::floor((std::asin(Clamp01(nx * 0.5f + 0.5f) * 2 - 1) / kPi + 0.5f) * 10);
        const Colour pal[] = {Rgb8(220, 30, 40), Rgb8(250, 200, 30), Rgb8(30, 90, 200), Rgb8(250, 250, 245),
                              Rgb8(230, 90, 20)};
        const Colour base = pal[int(stripe) % 5];
        const Colour lit = base * (0.25f + 0.95f * lightDot) + Rgb8(255, 220, 180) * (0.25f * std::pow(lightDot, 8.0f));
        c = Mix(c, lit, SmoothStep(1.0f, 0.96f, rr));
    }
    if (std::fabs(x - bx) < br * 0.16f && y > by + br * 1.2f && y < by + br * 1.45f)
        c = Rgb8(110, 70, 40) * (0.7f + 0.3f * Clamp01((x - bx) / (br * 0.16f) + 0.5f));
    for (float side : {-1.0f, 1.0f}) {  // ropes
        const float t = (y - (by + br * 1.05f)) / (br * 0.17f);
        if (t > 0 && t < 1 && std::fabs(x - (bx + side * br * (0.45f - 0.3f * t))) < 0.0009f) c = Rgb8(60, 45, 35);
    }
    if (y > FarRidge(x)) {
        // Rock lit by the slope of a 2-D relief: faces toward the sun light up.
        auto relief = [](float u, float v) { return Fbm(u * 9, v * 16, 5, kSeed + 5) + 0.5f * Ridged(u * 7 + v * 3, kSeed + 6); };
        const float e = 0.003f;
        const float lit = Clamp01(0.45f + (relief(x + e, y) - relief(x - e, y)) * 9 - (relief(x, y + e) - relief(x, y - e)) * 3);
        const float below = y - FarRidge(x);
        const float snow = SmoothStep(0.035f, 0.015f, below + 0.025f * (Fbm(x * 30, y * 30, 4, kSeed + 4) - 0.5f)) *
                           SmoothStep(0.4f, 0.33f, y);
        const Colour m = Mix(Rgb8(62, 74, 116), Rgb8(168, 150, 166), lit);
        const Colour snowy = Mix(Rgb8(160, 172, 210), Rgb8(255, 246, 238), lit);
        const float mist = SmoothStep(0.0f, 0.16f, below);
        c = Mix(Mix(m, snowy, snow), Rgb8(176, 186, 214), 0.25f + 0.5f * mist);
    }
    if (y > MidRidge(x)) {
        const float shade = Fbm(x * 8, y * 16, 5, kSeed + 6);
        const float sunSide = Clamp01((x - 0.2f) / 1.1f);
        c = Mix(Mix(Rgb8(40, 66, 70), Rgb8(120, 130, 96), sunSide * shade), Rgb8(150, 166, 196), 0.35f);
    }
    if (y > TreeLine(x)) {
        const float leaf = Fbm(x * 60, y * 90, 3, kSeed + 7);
        c = Mix(Rgb8(18, 44, 26), Rgb8(70, 96, 40), leaf * leaf) * (0.8f + 0.4f * SmoothStep(0.45f, 1.2f, x));
        // A red cabin among the trees.
        if (x > 0.86f && x < 0.91f && y > 0.556f && y < 0.578f) c = Rgb8(170, 38, 28) * (x < 0.875f ? 0.75f : 1.0f);
        if (x > 0.855f && x < 0.915f && y > 0.545f && y < 0.557f && std::fabs(x - 0.885f) < 0.03f - (0.557f - y) * 2.2f)
            c = Rgb8(70, 60, 58);
    }
    return c;
}

Colour Water(float x, float y) {
    const float depth = (y - kHorizon) / (1 - kHorizon);
    const float ripple = 0.004f * (1 + 6 * depth) *
                         (0.4f * std::sin(y * 900 / (1 + 8 * depth) + 6 * Fbm(x * 8, y * 40, 3, kSeed + 8)) +
                          1.2f * (Fbm(x * 30, y * 220 / (1 + 4 * depth), 3, kSeed + 9) - 0.5f));
    const float ry = 2 * kHorizon - y + ripple * 0.5f;
    Colour c = Landscape(x + ripple, ry) * 0.78f + Rgb8(10, 30, 50) * 0.6f;
    const float toSun = std::fabs(x - kSunX - (y - kHorizon) * 0.3f);
    const float glitter = std::pow(ValueNoise(x * 260, y * 1400, kSeed + 10), 12.0f) * std::exp(-toSun * 9);
    return c + Rgb8(255, 230, 180) * (3.0f * glitter) + Rgb8(255, 190, 120) * (0.2f * std::exp(-toSun * 6) * (1 - depth));
}

// Shoreline: the beach starts at this y for column x.
float Beach(float x) { return 0.8f - 0.1f * SmoothStep(0.3f, 1.3f, x) + 0.02f * Fbm(x * 6, 9.5f, 3, kSeed + 11); }
// Meadow: grass covers x below this for row y.
float Meadow(float y) {
    const float t = Clamp01((y - 0.62f) / 0.38f);
    return 0.05f + 0.62f * t * t * (3 - 2 * t) + 0.04f * Fbm(y * 14, 4.5f, 4, kSeed + 12);
}

Colour Ground(float x, float y, int px, int py) {
    const float shore = Beach(x);
    if (y < shore && x > Meadow(y)) return Water(x, y);
    Colour sand = Mix(Rgb8(226, 182, 146), Rgb8(196, 150, 118), Fbm(x * 10, y * 30, 4, kSeed + 13));
    sand = sand * (0.96f + 0.04f * std::sin((x * 0.6f + y * 3) * 90 + 9 * Fbm(x * 5, y * 5, 3, kSeed + 14)));
    sand = sand * (0.94f + 0.12f * (float(Hash3(px, py, kSeed) & 255) / 255.0f));
    const float wet = SmoothStep(0.02f, 0.0f, y - shore);
    sand = Mix(sand, Rgb8(150, 116, 96), 0.6f * wet);
    // Pebbles: grey, lit from the upper right.
    float f1 = 1e9f, cx = 0, cy = 0;
    const float cell = 0.03f;
    const int ix = int(std::floor(x / cell)), iy = int(std::floor(y / cell));
    uint32_t pick = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const uint32_t h = Hash3(ix + i, iy + j, kSeed + 15);
            const float qx = (ix + i + float(h & 255) / 255.0f) * cell, qy = (iy + j + float((h >> 8) & 255) / 255.0f) * cell;
            const float d = std::hypot((x - qx) * 0.8f, y - qy);
            if (d < f1) f1 = d, cx = qx, cy = qy, pick = h;
        }
    const float pr = cell * (0.15f + 0.25f * float((pick >> 16) & 255) / 255.0f) * (0.6f + 0.6f * (y - 0.7f) / 0.3f);
    if ((pick >> 24) < 110 && f1 < pr) {
        const float nx = (x - cx) * 0.8f / pr, ny = (y - cy) / pr;
        const float shade = Clamp01(0.6f + 0.5f * nx - 0.5f * ny + 0.3f * std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny)));
        const float tone = float((pick >> 4) & 255) / 255.0f;
        const Colour stone = Mix(Rgb8(96, 98, 102), Rgb8(188, 186, 180), tone) * (0.55f + 0.6f * shade);
        sand = Mix(stone, sand, SmoothStep(pr * 0.85f, pr, f1));
    } else if ((pick >> 24) < 110 && f1 < pr * 1.35f) {
        sand = sand * (0.8f + 0.2f * (f1 - pr) / (pr * 0.35f));  // contact shadow
    }
    if (x > Meadow(y)) return sand;
    // Meadow: blades of grass and flowers.
    const float blade = Fbm(x * 420, y * 40, 2, kSeed + 16);
    Colour grass = Mix(Rgb8(40, 86, 22), Rgb8(132, 170, 50), blade * (0.5f + 0.6f * Fbm(x * 6, y * 6, 3, kSeed + 17)));
    grass = Mix(grass, Rgb8(220, 200, 120), 0.15f * (1 - SmoothStep(0.72f, 0.85f, y)));
    // Flowers on a jittered grid that grows toward the viewer.
    const float fcell = 0.014f + 0.05f * (y - 0.62f);
    const int fy = int(std::floor(y / 0.014f + (y - 0.62f) * (y - 0.62f) * 40));
    for (int j = -1; j <= 0; ++j) {
        const int fx = int(std::floor(x / fcell));
        for (int i = -1; i <= 1; ++i) {
            const uint32_t h = Hash3(fx + i, fy + j, kSeed + 18);
            if ((h & 7) >= 3) continue;
            const float qx = (fx + i + 0.2f + 0.6f * float((h >> 8) & 255) / 255.0f) * fcell;
            const float qy = y + (0.5f - float((h >> 16) & 255) / 255.0f) * 0.0f + (j + 0.5f) * 0.0f;
            (void)qy;
            const float cy = (fy + j + 0.5f - (y - 0.62f) * (y - 0.62f) * 40) * 0.014f;
            const float r = fcell * 0.28f;
            const float dx = x - qx, dy = (y - cy) * 1.6f;
            const float d = std::hypot(dx, dy), a = std::atan2(dy, dx);
            const float petal = r * (0.55f + 0.45f * std::fabs(std::cos(2.5f * a)));
            if (d < petal) {
                const Colour petals[] = {Rgb8(230, 30, 30), Rgb8(250, 210, 40), Rgb8(170, 60, 200),
                                         Rgb8(250, 250, 245), Rgb8(240, 90, 150)};
                const Colour p = petals[(h >> 24) % 5] * (0.75f + 0.35f * (1 - d / petal));
                grass = d < r * 0.22f ? Rgb8(90, 60, 10) : p;
            }
        }
    }
    return Mix(grass, sand, SmoothStep(-0.01f, 0.01f, x - Meadow(y)));
}

}  // namespace

TBitmap RenderSamplePhoto() {
    Canvas c(kSampleWidth, kSampleHeight);
    const float A = c.Aspect(), inv = 1.0f / c.Scale();
    for (int py = 0; py < c.Height(); ++py) {
        float* row = c.Row(py);
        const float y = (py + 0.5f) * inv;
        for (int px = 0; px < c.Width(); ++px) {
            const float x = (px + 0.5f) * inv;
            Colour v = y < kHorizon ? Landscape(x, y) : Ground(x, y, px, py);
            // Lens vignette and a little sensor noise.
            const float r = std::hypot((x - A / 2) / A, y - 0.5f);
            v = v * (1.0f - 0.35f * r * r);
            const float grain = (float(Hash3(px, py, kSeed + 99) & 255) / 255.0f - 0.5f) * 0.025f;
            row[3 * px] = v.r + grain;
            row[3 * px + 1] = v.g + grain;
            row[3 * px + 2] = v.b + grain;
        }
    }
    return ToBitmap(c, kSeed, 0.5f);
}

}  // namespace corvessa::lookpack
