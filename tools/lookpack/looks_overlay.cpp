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
    case 9:  // golden light from the upper right, fading out to a neutral, faintly cool rest
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(210, 160, 80), Rgb8(150, 134, 112), Rgb8(122, 126, 138), radial(x, y, A, 0.0f) * 0.62f);
        });
        break;
    default:  // 10: green from the lower left, purple from the upper right
        PaintSet(c, [&](float x, float y) {
            return Stops(Rgb8(100, 162, 110), Rgb8(128, 128, 128), Rgb8(152, 100, 160), (x / A + 1 - y) / 2);
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

// Hashed grain shaped like film grain: the mean of three uniform draws,
// so values near 0 are common and extremes rare.
float SoftGrain(int x, int y, uint32_t seed) {
    return (Grain(x, y, seed) + Grain(x, y, seed + 1) + Grain(x, y, seed + 2)) * (1.0f / 3.0f);
}

// SoftGrain smoothed over 3 x 3 pixels (weights 1 2 1 each way): grains a
// few pixels across that keep their round look when a large photo
// enlarges the picture pixel by pixel. Spread about 0.125.
float RoundGrain(int x, int y, uint32_t seed) {
    static constexpr float w[3] = {1, 2, 1};
    float sum = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) sum += w[i + 1] * w[j + 1] * SoftGrain(x + i, y + j, seed);
    return sum * (1.0f / 16.0f);
}

// A picture cannot know where a photo is smooth (skin, sky), where a
// texture shows most, so every texture is drawn calmer over the middle of
// the frame, where a portrait's subject stands (a column down the middle,
// widest at the head), than toward the edges: its fine detail much calmer,
// its broad tone (stains, wear, tint) a little.
void CalmMiddle(Canvas& c) {
    constexpr float kGrey = 128.0f / 255.0f;  // the overlay blend leaves the photo as it is
    Canvas broad = c;
    broad.Blur(c.Height() / 96);
    const float A = c.Aspect(), inv = 1.0f / c.Scale();
    for (int y = 0; y < c.Height(); ++y) {
        float* row = c.Row(y);
        const float* tone = broad.Row(y);
        const float v = (y + 0.5f) * inv;
        for (int x = 0; x < c.Width(); ++x) {
            const float dx = ((x + 0.5f) * inv - A / 2) / (A / 2), dy = (v - 0.4f) / 0.6f;
            const float edge = SmoothStep(0.35f, 1.0f, std::hypot(dx, 0.6f * dy));
            const float detail = 0.45f + 0.55f * edge, broadness = 0.75f + 0.25f * edge;
            for (int ch = 0; ch < 3; ++ch) {
                const float t = tone[3 * x + ch];
                row[3 * x + ch] = kGrey + (t - kGrey) * broadness + (row[3 * x + ch] - t) * detail;
            }
        }
    }
}

// Each texture is a kind of its own (paper, canvas, grain, grunge,
// concrete, wood, crackle, old print, denim, parchment) and also differs
// from the others in its colour, its brightness and its large shapes: a
// thumbnail samples the picture only every 11 to 15 pixels, so the fine
// surface alone would look the same in every strip thumbnail.
TBitmap Texture(const PackFolder& f, int n) {
    Canvas c(f.width, f.height);
    const float A = c.Aspect();
    const uint32_t s = uint32_t(SeedOf(f.name, n));
    PackRandom rnd(SeedOf(f.name, n + 100));
    const float px = 1.0f / c.Scale();
    const Colour grey = Rgb8(128, 128, 128), one{1, 1, 1};
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
            Stroke(c, p, width * px, one, g, g * 0.3f);
        }
    };
    // Distance from the middle, 1 at the middle of each side.
    auto rim = [&](float u, float v) { return std::hypot((u - A / 2) / (A / 2), (v - 0.5f) / 0.5f); };
    switch (n) {
    case 1:  // bright paper: lifted a little, faint cloudy formation, a mat of short fibres
        perPixel([&](int x, int y, float u, float v) {
            const float cloud = Fbm(u * 6, v * 6, 4, s) - 0.5f;
            const float tooth = Fbm(u * 220, v * 220, 2, s + 1) - 0.5f;
            return grey + one * (0.05f + 0.06f * cloud + 0.08f * tooth + 0.012f * Grain(x, y, s)) + Rgb8(2, 2, 0);
        });
        strokes(9000, 0.004f, 0.02f, 1.6f, 0.1f, 0, kPi);
        break;
    case 2:  // primed canvas: a plain weave of slubby threads, a little darker and warmer
        perPixel([&](int x, int y, float u, float v) {
            const float p = 12.0f;  // pixels per thread
            const int i = int(std::floor(x / p)), j = int(std::floor(y / p));
            const float fx = x / p - i, fy = y / p - j;
            const bool warpOver = ((i + j) & 1) == 0;
            // Each thread is round: bright along its middle, dark at its sides.
            const float warp = std::sin(kPi * fx), weft = std::sin(kPi * fy);
            const float thread = (warpOver ? warp * (0.6f + 0.4f * weft) : weft * (0.6f + 0.4f * warp)) - 0.55f;
            const float slub = warpOver ? Fbm(i * 0.9f, v * 30, 2, s) - 0.5f : Fbm(u * 30, j * 0.9f, 2, s + 1) - 0.5f;
            const float primer = Fbm((u + v) * 3, (u - v) * 10, 3, s + 2) - 0.5f;
            return grey + one * (-0.045f + 0.1f * thread + 0.06f * slub + 0.05f * primer + 0.01f * Grain(x, y, s)) +
                   Rgb8(10, 4, -3);
        });
        break;
    case 3:  // film grain: strong, round, faintly coloured
        perPixel([&](int x, int y, float, float) {
            const float chroma = 0.1f * RoundGrain(x, y, s + 6);
            return grey + one * (0.72f * RoundGrain(x, y, s) - 0.05f) + Colour{chroma, -chroma * 0.5f, -chroma};
        });
        break;
    case 4:  // grunge: dark stains and blots, scratches and specks
        perPixel([&](int x, int y, float u, float v) {
            const float stain = Fbm(u * 3, v * 3, 6, s);
            const float blot = SmoothStep(0.52f, 0.7f, Fbm(u * 4 + 3, v * 4, 5, s + 1));
            const float edge = SmoothStep(0.7f, 1.5f, rim(u, v));
            return grey + one * (0.3f * (stain - 0.5f) - 0.17f * blot - 0.12f * edge + 0.06f +
                                 0.035f * Grain(x, y, s)) +
                   Rgb8(4, 1, -5);
        });
        strokes(160, 0.05f, 0.3f, 1.2f, 0.22f, 0.3f, 0.6f);
        for (int i = 0; i < 1200; ++i)
            Glow(c, rnd.Range(0, A), rnd.Range(0, 1), px * rnd.Range(1.0f, 4.0f), one, rnd.Range(-0.35f, 0.25f));
        break;
    case 5:  // concrete: cool grey, fine sand, many small air pits and a few hairline cracks
        perPixel([&](int x, int y, float u, float v) {
            const float tone = Fbm(u * 2.5f, v * 2.5f, 5, s) - 0.5f;
            const float sand = Fbm(u * 300, v * 300, 2, s + 1) - 0.5f;
            return grey + one * (-0.02f + 0.08f * tone + 0.08f * sand + 0.03f * Grain(x, y, s)) + Rgb8(-8, -1, 13);
        });
        for (int i = 0; i < 14000; ++i) {
            const float x = rnd.Range(0, A), y = rnd.Range(0, 1), r = px * (1.2f + 5.0f * std::pow(rnd.Unit(), 3.0f));
            Disc(c, x, y, r, r * 0.35f, one, -0.28f);
            Glow(c, x + r * 0.7f, y + r * 0.7f, r * 0.5f, one, 0.08f);  // the lit lower lip of the pit
        }
        for (int i = 0; i < 5; ++i) {
            std::vector<float> crack = {rnd.Range(0, A), rnd.Range(0, 1)};
            float a = rnd.Range(0, 2 * kPi);
            for (int k = 0; k < 60; ++k) {
                a += rnd.Range(-0.6f, 0.6f);
                crack.push_back(crack[crack.size() - 2] + std::cos(a) * 0.006f);
                crack.push_back(crack[crack.size() - 2] + std::sin(a) * 0.006f);
            }
            Stroke(c, crack, px * 0.9f, one, -0.22f, -0.08f);
        }
        break;
    case 6:  // wood: fine grain lines running along the board, open pores, faint figure
        perPixel([&](int x, int y, float u, float v) {
            const float warp = Fbm(u * 0.7f, v * 2.5f, 4, s) * 0.9f;
            const float figure = std::sin((v * 4 + warp) * 2 * kPi * 2.0f);  // broad, faint
            // Thin late-wood lines: a sawtooth across the grain, dark at its steep end.
            const float phase = (v + 0.03f * warp) * 70 + 6 * warp;
            const float t = phase - std::floor(phase);
            const float line = SmoothStep(0.82f, 0.97f, t) * (1 - SmoothStep(0.97f, 1.0f, t));
            // Pores: short dark dashes drawn out along the grain.
            const float pore = SmoothStep(0.7f, 0.85f, ValueNoise(u * 90 + warp * 3, v * 1400, s + 3));
            const float fibre = Fbm(u * 6, v * 900, 2, s + 1) - 0.5f;
            return grey + one * (0.005f + 0.025f * figure - 0.12f * line - 0.14f * pore + 0.05f * fibre +
                                 0.008f * Grain(x, y, s)) +
                   Rgb8(13, 4, -8);
        });
        break;
    case 7:  // celadon crackle: a green-grey glaze crazed by thin, wandering hairlines
        perPixel([&](int x, int y, float u, float v) {
            float f1, f2, g1, g2;
            const float wob = 0.03f * (Fbm(u * 14, v * 14, 3, s + 2) - 0.5f);
            Voronoi(u + wob, v - wob, 0.11f, s, f1, f2);
            Voronoi(u + 0.31f + wob, v + 0.17f, 0.045f, s + 1, g1, g2);
            const float crack = 1 - SmoothStep(0.0f, 1.4f * px, f2 - f1);
            const float stain = std::exp(-(f2 - f1) / (5 * px));  // a trace of dirt along the line
            // The finer net is broken: only parts of its lines show.
            const float broken = SmoothStep(0.45f, 0.6f, Fbm(u * 12, v * 12, 2, s + 4));
            const float fine = (1 - SmoothStep(0.0f, 1.0f * px, g2 - g1)) * broken;
            return grey + one * (-0.2f * crack - 0.04f * stain - 0.09f * fine + 0.02f +
                                 0.03f * (Fbm(u * 4, v * 4, 3, s + 3) - 0.5f) + 0.008f * Grain(x, y, s)) +
                   Rgb8(-14, 9, -2);
        });
        break;
    case 8:  // old print: sepia, worn dark toward the edges, dust and scratches
        perPixel([&](int x, int y, float u, float v) {
            const float wear = SmoothStep(0.55f, 1.45f, rim(u, v)) * (0.7f + 0.6f * Fbm(u * 3, v * 3, 3, s + 1));
            return grey + one * (0.03f - 0.24f * wear + 0.06f * (Fbm(u * 4, v * 4, 4, s) - 0.5f) +
                                 0.025f * Grain(x, y, s)) +
                   Rgb8(10, 3, -7);
        });
        for (int i = 0; i < 40; ++i) {
            const float x = rnd.Range(0, A);
            Line(c, x, rnd.Range(-0.2f, 0.5f), x + rnd.Range(-0.02f, 0.02f), rnd.Range(0.5f, 1.2f), px * 1.0f, one,
                 rnd.Range(0.15f, 0.35f), rnd.Range(0.05f, 0.25f));
        }
        for (int i = 0; i < 900; ++i)
            Glow(c, rnd.Range(0, A), rnd.Range(0, 1), px * rnd.Range(1.0f, 4.0f), one, rnd.Chance(0.5f) ? 0.35f : -0.35f);
        strokes(80, 0.01f, 0.04f, 0.9f, 0.35f, 0, kPi);
        break;
    case 9:  // denim: a blue twill with white weft, faded in patches
        perPixel([&](int x, int y, float u, float v) {
            const float p = 5.0f;
            const float twill = std::sin(2 * kPi * (x + y * 0.5f) / p);
            const float slub = Fbm(u * 3, v * 90, 2, s) - 0.5f;   // uneven yarn along the warp
            const float fade = Fbm(u * 2.2f, v * 2.2f, 4, s + 1) - 0.5f;
            const float t = 0.05f * twill + 0.12f * slub + 0.3f * fade + 0.025f * Grain(x, y, s);
            return grey + one * t + Rgb8(-14, -3, 16) * (1 - 0.8f * Clamp01(t * 3 + 0.3f));
        });
        break;
    default:  // 10: parchment: blotchy and yellow, darker and burnt toward the edges
        perPixel([&](int x, int y, float u, float v) {
            const float edge = SmoothStep(0.5f, 1.4f, rim(u, v)) * (0.7f + 0.6f * Fbm(u * 3, v * 3, 3, s + 1));
            const float blotch = Fbm(u * 3.5f, v * 3.5f, 6, s) - 0.5f;
            const float fine = Fbm(u * 30, v * 30, 3, s + 2) - 0.5f;
            return grey + one * (0.085f + 0.34f * blotch + 0.08f * fine - 0.3f * edge + 0.02f * Grain(x, y, s)) +
                   Rgb8(12, 7, -10);
        });
        break;
    }
    CalmMiddle(c);
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
