// Grey masks: the frames of the two Edge categories (white where the photo
// shows, black where the fill covers it; drawn in looks_frames.cpp), the
// line-pattern tiles and the two masks of the colour tints.

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "lookpack/canvas.h"
#include "lookpack/frame_kit.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

// Fills a canvas with grey m(x, y) (x, y in height units), for masks whose
// value is 1 where the photo shows.
template <class F>
TBitmap GreyMask(const PackFolder& f, int n, F&& m) {
    Canvas c(f.width, f.height);
    PaintAdd(c, [&](float x, float y) {
        const float v = Clamp01(m(x, y));
        return Colour{v, v, v};
    });
    return ToBitmap(c, uint32_t(SeedOf(f.name, n)), 0.0f);
}

// The frames of Edge A and B (looks_frames.cpp, looks_frames_b.cpp); the
// splatter frame adds dots flung off its oval.
TBitmap Edge(const PackFolder& f, int n) {
    const bool b = f.name[4] == 'B';
    const Frame frame{float(f.width) / float(f.height), uint32_t(SeedOf(f.name, n)), 1.0f / float(f.height)};
    if (!(b && n == 10))
        return GreyMask(f, n, [&](float x, float y) { return b ? EdgeBMask(frame, n, x, y) : EdgeAMask(frame, n, x, y); });
    const float A = frame.A;
    PackRandom rnd(SeedOf(f.name, 99));
    Canvas c(f.width, f.height);
    PaintAdd(c, [&](float x, float y) {
        const float v = Clamp01(EdgeBMask(frame, n, x, y));
        return Colour{v, v, v};
    });
    for (int i = 0; i < 260; ++i) {
        const float a = rnd.Range(0, 2 * kPi), r = rnd.Range(1.02f, 1.3f);
        const float dot = 0.002f + 0.01f * std::pow(rnd.Unit(), 3.0f);
        Disc(c, A / 2 + std::cos(a) * r * A * 0.45f, 0.52f + std::sin(a) * r * 0.55f, dot, dot * 0.3f, Colour{1, 1, 1}, 1.0f);
    }
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < 3 * c.Width(); ++x) c.Row(y)[x] = Clamp01(c.Row(y)[x]);
    return ToBitmap(c, frame.s, 0.0f);
}

// Line tiles: periodic functions of the pixel position with period kTile,
// so a tile repeats without a seam. Every pattern runs through the tile's
// first pixel, the one the nearest-neighbour shrink always keeps, so thin
// rules still show on a 6-pixel tile. Ink is how strongly the line colour
// covers the photo: at most kInk, a tint rather than a stamp.
constexpr float kInk = 0.45f;

float TileInk(int n, float x, float y, float T) {
    auto wrap = [T](float v) { return v - T * std::floor(v / T); };
    auto band = [&](float dist, float half) { return SmoothStep(half + 1.0f, half - 1.0f, dist); };
    auto onGrid = [&](float v) { return std::fabs(wrap(v + T / 2) - T / 2); };  // distance to the nearest tile line
    constexpr float kRule = 2.0f;  // half a rule's width
    switch (n) {
    case 1: return band(onGrid(y), kRule);                                       // fine rules
    case 2: return band(onGrid(x), kRule);                                       // fine columns
    case 3: return band(onGrid(x + y) / std::sqrt(2.0f), kRule);                 // diagonal hairlines
    case 4: return std::max(band(onGrid(x), kRule), band(onGrid(y), kRule));     // fine grid
    case 5: return band(std::hypot(onGrid(x), onGrid(y)), 7);                    // dot screen
    case 6: return std::max(band(onGrid(x + y) / std::sqrt(2.0f), kRule), band(onGrid(x - y) / std::sqrt(2.0f), kRule));
    case 7: return band(onGrid(y - 9 * std::sin(2 * kPi * x / T)) * 0.85f, kRule);  // wave lines
    case 8: {  // brick lines, every other course shifted by half a brick
        const float course = T / 2;
        const float inCourse = wrap(y) - course * std::floor(wrap(y) / course);
        const float mortarY = std::min(inCourse, course - inCourse);
        const float shift = std::floor(wrap(y) / course) * course;
        const float mortarX = onGrid(x + shift);
        return std::max(band(mortarY, kRule), band(mortarX, kRule));
    }
    case 9: {  // halftone corner: a 4 x 4 dot screen, the dots shrinking away from the tile's corner
        const float pitch = T / 4;
        const float gx = std::round(wrap(x) / pitch), gy = std::round(wrap(y) / pitch);
        const float step = float(int(gx) % 4 + int(gy) % 4);
        const float r = 11 - 1.5f * step;
        return band(std::hypot(wrap(x) - gx * pitch, wrap(y) - gy * pitch), r);
    }
    default: {  // 10: zigzag rules
        const float tri = std::fabs(wrap(x) - T / 2) / (T / 2);  // 1 at the tile edges, 0 in the middle
        return band(onGrid(y - 24 * (1 - tri)) * 0.7071f, kRule);
    }
    }
}

TBitmap LineTile(const PackFolder& f, int n, int ox, int oy) {
    TBitmap out(f.width, f.height);
    const float T = float(f.width);
    for (int y = 0; y < f.height; ++y) {
        uint8_t* row = out.Row(y);
        for (int x = 0; x < f.width; ++x) {
            const float ink = TileInk(n, float(x + ox) + 0.5f, float(y + oy) + 0.5f, T);
            const uint8_t v = uint8_t(std::lround(255.0f * (1 - kInk * Clamp01(ink))));
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = v;
        }
    }
    return out;
}

// Where a portrait's subject stands: 0 over an upright column down the
// middle (the head, the neck and the body below it), rising to 1 at the
// sides and in the corners.
float OffSubject(float x, float y, float A, float wobble = 0) {
    const float dx = (x - A / 2) / (A / 2), dy = (y - 0.45f) / 0.55f;
    return SmoothStep(0.6f, 1.12f, std::hypot(dx, 0.55f * dy) + wobble);
}

TBitmap ColorMask(const PackFolder& f, int n) {
    const float A = float(f.width) / float(f.height);
    const uint32_t s = uint32_t(SeedOf(f.name, n));
    if (n == 1)  // the subject in its own colours, a soft low tint creeping in at the sides
        return GreyMask(f, n, [&](float x, float y) {
            return 1 - 0.45f * OffSubject(x, y, A, 0.08f * (Fbm(x * 2, y * 2, 3, s) - 0.5f));
        });
    // 2: mixed with the colour and then overlaid with itself, the mask
    // keeps a skin nearest its own colour at about 0.74 (lighter washes it
    // out, darker reddens it): that over the subject, deepening toward the
    // sides and corners.
    return GreyMask(f, n, [&](float x, float y) {
        return 0.74f - 0.2f * OffSubject(x, y, A) + 0.02f * (Fbm(x * 2, y * 2, 3, s) - 0.5f);
    });
}

}  // namespace

TBitmap RenderEdgeMask(const PackFolder& folder, int number) { return Edge(folder, number); }

TBitmap RenderLineTile(const PackFolder& folder, int number, int originX, int originY) {
    return LineTile(folder, number, originX, originY);
}

TBitmap RenderColorMask(const PackFolder& folder, int number) { return ColorMask(folder, number); }

}  // namespace corvessa::lookpack
