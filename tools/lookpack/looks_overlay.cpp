// The overlay-blended looks: colour gradients and surface textures. The
// overlay blend leaves the photo unchanged where the picture is mid grey,
// so every picture is drawn as small departures from 0.5.

#include <cmath>
#include <stdexcept>
#include <string>

#include "lookpack/canvas.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

constexpr float kPi = 3.14159265358979f;

template <class F>
void PaintSet(Canvas& c, F&& f) {
    c.Fill(Colour{});
    PaintAdd(c, f);
}

// Three colour stops at t = 0, 0.5 and 1, eased in between.
Colour Stops(Colour a, Colour b, Colour c, float t) {
    t = Clamp01(t);
    return t < 0.5f ? Mix(a, b, SmoothStep(0, 1, t * 2)) : Mix(b, c, SmoothStep(0, 1, t * 2 - 1));
}

TBitmap Gradient(const PackFolder& f, int n) {
    Canvas c(f.width, f.height);
    const float A = c.Aspect();
    auto radial = [&](float x, float y, float cx, float cy) {
        return Clamp01(std::hypot((x - cx) / A, y - cy) * 1.25f);
    };
    switch (n) {
    case 1:  // warm sky fading into cool shadows
        PaintSet(c, [&](float, float y) {
            return Stops(Rgb8(178, 132, 92), Rgb8(138, 128, 124), Rgb8(96, 122, 164), y);
        });
        break;
    case 2:  // sunset: magenta, orange, purple
        PaintSet(c, [&](float, float y) {
            return Stops(Rgb8(170, 100, 150), Rgb8(182, 132, 84), Rgb8(104, 92, 158), y);
        });
        break;
    case 3:  // teal to orange across the diagonal
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(84, 144, 150), Rgb8(128, 128, 126), Rgb8(184, 128, 84), (x / A + y) / 2);
        });
        break;
    case 4:  // warm centre, cool dark edges
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(160, 144, 118), Rgb8(136, 128, 124), Rgb8(84, 92, 118), radial(x, y, A / 2, 0.5f));
        });
        break;
    case 5:  // rose to blue from left to right
        PaintSet(c, [&](float x, float) {
            return Stops(Rgb8(180, 106, 144), Rgb8(134, 124, 140), Rgb8(92, 124, 180), x / A);
        });
        break;
    case 6:  // soft pastel rainbow
        PaintSet(c, [&](float x, float y) { return Mix(Hue((x / A) * 0.8f + y * 0.25f), Rgb8(128, 128, 128), 0.72f); });
        break;
    case 7:  // cross-processed: lime highlights, magenta shadows
        PaintSet(c, [&](float, float y) {
            return Stops(Rgb8(152, 164, 88), Rgb8(132, 130, 116), Rgb8(158, 98, 154), y);
        });
        break;
    case 8:  // blue night
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(84, 100, 168), Rgb8(100, 116, 160), Rgb8(118, 118, 146), y * 0.8f + 0.2f * x / A);
        });
        break;
    case 9:  // golden light from the upper right over violet
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(196, 156, 90), Rgb8(150, 124, 120), Rgb8(110, 98, 156), radial(x, y, A, 0.0f) * 0.8f);
        });
        break;
    default:  // 10: green above, purple below
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(104, 160, 112), Rgb8(128, 128, 128), Rgb8(150, 100, 158), y + 0.15f * (x / A - 0.5f));
        });
        break;
    }
    return ToBitmap(c, uint32_t(SeedOf(f.name, n)), 1.2f);
}

// Cellular noise: distances to the nearest and second-nearest of jittered
// points on a grid of `cell`-sized squares.
void Voronoi(float x, float y, float cell, uint32_t seed, float& f1, float& f2) {
    const float gx = x / cell, gy = y / cell;
    const int ix = int(std::floor(gx)), iy = int(std::floor(gy));
    f1 = f2 = 1e9f;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const uint32_t h = Hash3(ix + i, iy + j, seed);
            const float px = ix + i + float(h & 0xFFFF) / 65535.0f, py = iy + j + float(h >> 16) / 65535.0f;
            const float d = std::hypot(gx - px, gy - py);
            if (d < f1) {
                f2 = f1;
                f1 = d;
            } else if (d < f2) {
                f2 = d;
            }
        }
    f1 *= cell;
    f2 *= cell;
}

// Hashed grain in [-1, 1] for one pixel.
float Grain(int x, int y, uint32_t seed) { return float(Hash3(x, y, seed) >> 8) / 8388608.0f - 1.0f; }

TBitmap Texture(const PackFolder& f, int n) {
    Canvas c(f.width, f.height);
    const float A = c.Aspect();
    const uint32_t s = uint32_t(SeedOf(f.name, n));
    PackRandom rnd(SeedOf(f.name, n + 100));
    const float px = 1.0f / c.Scale();
    const Colour grey = Rgb8(128, 128, 128);
    auto perPixel = [&](auto&& value) {
        for (int y = 0; y < c.Height(); ++y) {
            float* row = c.Row(y);
            for (int x = 0; x < c.Width(); ++x) {
                const Colour v = value(x, y, (x + 0.5f) * px, (y + 0.5f) * px);
                row[3 * x] = v.r;
                row[3 * x + 1] = v.g;
                row[3 * x + 2] = v.b;
            }
        }
    };
    auto strokes = [&](int count, float lenMin, float lenMax, float width, float gain, float angle, float spread) {
        for (int i = 0; i < count; ++i) {
            const float x = rnd.Range(0, A), y = rnd.Range(0, 1), len = rnd.Range(lenMin, lenMax);
            const float a = angle + rnd.Range(-spread, spread);
            const float g = gain * rnd.Range(-1, 1);
            std::vector<float> p;
            for (int k = 0; k <= 6; ++k) {
                const float t = k / 6.0f;
                p.insert(p.end(), {x + std::cos(a) * len * t + 0.004f * std::sin(t * 5 + i),
                                   y + std::sin(a) * len * t + 0.004f * std::cos(t * 4 + i)});
            }
            Stroke(c, p, width * px, Colour{1, 1, 1}, g, g * 0.3f);
        }
    };
    switch (n) {
    case 1:  // paper: mottled, with fibres and fine tooth
        perPixel([&](int x, int y, float u, float v) {
            const float m = Fbm(u * 6, v * 6, 5, s) - 0.5f;
            return grey + Colour{1, 1, 1} * (0.2f * m + 0.03f * Grain(x, y, s)) + Rgb8(6, 3, -2);
        });
        strokes(1800, 0.01f, 0.04f, 1.0f, 0.12f, 0, kPi);
        break;
    case 2:  // canvas: a plain weave of slightly uneven threads
        perPixel([&](int x, int y, float u, float v) {
            const float p = 7.0f;  // pixels per thread
            const float wx = std::sin(2 * kPi * x / p), wy = std::sin(2 * kPi * y / p);
            const float over = std::sin(kPi * x / p) * std::sin(kPi * y / p) > 0 ? 1.0f : -1.0f;
            const float thread = 0.5f * (over > 0 ? wx * wx : wy * wy) - 0.25f;
            const float uneven = 0.5f * (Fbm(u * 40, v * 2, 3, s) - 0.5f + Fbm(u * 2, v * 40, 3, s + 1) - 0.5f) + (Fbm(u * 5, v * 5, 3, s + 2) - 0.5f);
            return grey + Colour{1, 1, 1} * (0.16f * thread + 0.08f * uneven + 0.012f * Grain(x, y, s)) +
                   Rgb8(4, 2, -3);
        });
        break;
    case 3:  // film grain, clumped a little
        perPixel([&](int x, int y, float, float) {
            const float g = 0.6f * Grain(x, y, s) + 0.4f * (Grain(x / 2, y / 2, s + 1));
            const float g2 = Grain(x, y, s + 2) * 0.5f;
            return grey + Colour{1, 1, 1} * (0.16f * (g + g2) * 0.7f);
        });
        break;
    case 4:  // grunge: stains, scratches, specks
        perPixel([&](int x, int y, float u, float v) {
            const float stain = Fbm(u * 3, v * 3, 6, s);
            const float blot = SmoothStep(0.55f, 0.75f, Fbm(u * 5 + 3, v * 5, 4, s + 1));
            return grey + Colour{1, 1, 1} * (0.18f * (stain - 0.5f) - 0.12f * blot + 0.03f * Grain(x, y, s)) +
                   Rgb8(4, 2, -4);
        });
        strokes(120, 0.05f, 0.3f, 1.0f, 0.16f, 0.3f, 0.6f);
        for (int i = 0; i < 900; ++i)
            Glow(c, rnd.Range(0, A), rnd.Range(0, 1), px * rnd.Range(0.8f, 3.0f), Colour{1, 1, 1}, rnd.Range(-0.25f, 0.2f));
        break;
    case 5:  // concrete: cloudy tone, sand, small pits
        perPixel([&](int x, int y, float u, float v) {
            const float tone = Fbm(u * 2.5f, v * 2.5f, 6, s) - 0.5f;
            const float sand = Fbm(u * 90, v * 90, 2, s + 1) - 0.5f;
            return grey + Colour{1, 1, 1} * (0.16f * tone + 0.1f * sand + 0.03f * Grain(x, y, s));
        });
        for (int i = 0; i < 1600; ++i) {
            const float x = rnd.Range(0, A), y = rnd.Range(0, 1), r = px * rnd.Range(1.5f, 5.0f);
            Disc(c, x, y, r, r * 0.4f, Colour{1, 1, 1}, -0.22f);
            Glow(c, x + r * 0.5f, y + r * 0.5f, r * 0.6f, Colour{1, 1, 1}, 0.08f);
        }
        break;
    case 6:  // wood: rings drawn out into long grain
        perPixel([&](int x, int y, float u, float v) {
            const float warp = Fbm(u * 0.8f, v * 3, 4, s) * 1.2f;
            const float ring = std::sin((v * 5 + warp) * 2 * kPi * 3);
            const float fine = Fbm(u * 4, v * 160, 2, s + 1) - 0.5f;
            const float late = SmoothStep(0.3f, 1.0f, ring);
            return grey + Colour{1, 1, 1} * (0.04f - 0.12f * late + 0.05f * ring + 0.1f * fine + 0.01f * Grain(x, y, s)) +
                   Rgb8(8, 3, -7);
        });
        break;
    case 7:  // crackle: a glaze crazed into cells
        perPixel([&](int x, int y, float u, float v) {
            float f1, f2, g1, g2;
            const float wob = 0.012f * (Fbm(u * 8, v * 8, 3, s + 2) - 0.5f);
            Voronoi(u + wob, v + wob, 0.07f, s, f1, f2);
            Voronoi(u * 1.0f + 0.31f, v + 0.17f, 0.025f, s + 1, g1, g2);
            const float edge = 1 - SmoothStep(0.0f, 2.2f * px, f2 - f1);
            const float fine = 1 - SmoothStep(0.0f, 1.2f * px, g2 - g1);
            const float cellTone = (float(Hash3(int(std::floor(u / 0.07f)), int(std::floor(v / 0.07f)), s) & 255) / 255.0f - 0.5f);
            return grey + Colour{1, 1, 1} * (-0.3f * edge - 0.08f * fine + 0.02f * cellTone +
                                             0.05f * (Fbm(u * 4, v * 4, 3, s + 3) - 0.5f) + 0.012f * Grain(x, y, s)) +
                   Rgb8(5, 3, -3);
        });
        break;
    case 8:  // old print: dust, hairline scratches, worn corners
        perPixel([&](int x, int y, float u, float v) {
            const float dx = (u - A / 2) / (A / 2), dy = (v - 0.5f) / 0.5f;
            const float wear = SmoothStep(0.6f, 1.5f, std::sqrt(dx * dx + dy * dy));
            return grey + Colour{1, 1, 1} * (-0.1f * wear + 0.06f * (Fbm(u * 4, v * 4, 4, s) - 0.5f) +
                                             0.025f * Grain(x, y, s)) +
                   Rgb8(10, 4, -8);
        });
        for (int i = 0; i < 25; ++i) {
            const float x = rnd.Range(0, A);
            Line(c, x, rnd.Range(-0.2f, 0.5f), x + rnd.Range(-0.02f, 0.02f), rnd.Range(0.5f, 1.2f), px * 0.8f,
                 Colour{1, 1, 1}, rnd.Range(0.1f, 0.25f), rnd.Range(0.05f, 0.2f));
        }
        for (int i = 0; i < 700; ++i)
            Glow(c, rnd.Range(0, A), rnd.Range(0, 1), px * rnd.Range(0.8f, 3.5f), Colour{1, 1, 1},
                 rnd.Chance(0.5f) ? 0.3f : -0.3f);
        strokes(60, 0.01f, 0.04f, 0.8f, 0.3f, 0, kPi);
        break;
    case 9:  // burlap: coarse, irregular weave
        perPixel([&](int x, int y, float u, float v) {
            const float p = 14.0f;
            const float jx = 3 * (Fbm(u * 2, v * 30, 2, s) - 0.5f), jy = 3 * (Fbm(u * 30, v * 2, 2, s + 1) - 0.5f);
            const float wx = std::sin(2 * kPi * (x + jx) / p), wy = std::sin(2 * kPi * (y + jy) / p);
            const float over = std::sin(kPi * (x + jx) / p) * std::sin(kPi * (y + jy) / p) > 0 ? 1.0f : -1.0f;
            const float thread = (over > 0 ? wx * wx : wy * wy);
            const float gap = std::min(std::fabs(wx), std::fabs(wy)) < 0.15f ? -0.15f : 0.0f;
            const float fibre = Fbm(u * (over > 0 ? 200 : 10), v * (over > 0 ? 10 : 200), 2, s + 2) - 0.5f;
            return grey + Colour{1, 1, 1} * (0.14f * thread - 0.07f + gap * 0.0f + 0.1f * fibre +
                                             0.03f * Grain(x, y, s)) +
                   Rgb8(10, 5, -8);
        });
        break;
    default:  // 10: parchment: blotchy, darker toward the edges
        perPixel([&](int x, int y, float u, float v) {
            const float dx = (u - A / 2) / (A / 2), dy = (v - 0.5f) / 0.5f;
            const float edge = SmoothStep(0.5f, 1.45f, std::sqrt(dx * dx + dy * dy)) *
                               (0.7f + 0.6f * Fbm(u * 3, v * 3, 3, s + 1));
            const float blotch = Fbm(u * 3.5f, v * 3.5f, 6, s) - 0.5f;
            const float fine = Fbm(u * 30, v * 30, 3, s + 2) - 0.5f;
            return grey + Colour{1, 1, 1} * (0.06f + 0.28f * blotch + 0.08f * fine - 0.22f * edge + 0.02f * Grain(x, y, s)) +
                   Rgb8(8, 3, -7);
        });
        break;
    }
    return ToBitmap(c, s, 0.6f);
}

}  // namespace

TBitmap RenderOverlayLook(const PackFolder& folder, int number) {
    const std::string name = folder.name;
    if (name == "gradient") return Gradient(folder, number);
    if (name == "texture") return Texture(folder, number);
    throw std::logic_error("no overlay looks for " + name);
}

}  // namespace corvessa::lookpack
