// Grey masks: the frames of the two Edge categories (white where the photo
// shows, black where the fill covers it), the line-pattern tiles and the
// two masks of the colour tints.

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "lookpack/canvas.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

constexpr float kPi = 3.14159265358979f;

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

// Signed distance to a rectangle centred at (cx, cy) with half sizes
// (hw, hh) and corner radius r; negative inside.
float RoundedBox(float x, float y, float cx, float cy, float hw, float hh, float r) {
    const float qx = std::fabs(x - cx) - (hw - r), qy = std::fabs(y - cy) - (hh - r);
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

// 1 inside, 0 outside, with a soft edge of about `soft` on each side.
float Inside(float d, float soft) { return 1 - SmoothStep(-soft, soft, d); }

// Distance from the nearest edge of the picture, and where along that edge
// (a coordinate running all the way round, so neighbouring sides differ).
void EdgeCoordinates(float x, float y, float A, float& depth, float& along, int& side) {
    const float d[4] = {x, y, A - x, 1 - y};
    side = int(std::min_element(d, d + 4) - d);
    depth = d[side];
    along = side == 0 ? y : side == 1 ? 2 + x : side == 2 ? 4 + y : 6 + x;
}

TBitmap Edge(const PackFolder& f, int n) {
    const float A = float(f.width) / float(f.height);
    const uint32_t s = uint32_t(SeedOf(f.name, n));
    const float px = 1.0f / float(f.height);
    const bool b = f.name[4] == 'B';
    const int look = n + (b ? 10 : 0);
    switch (look) {
    case 1:  // a thin solid rule, then a narrow frosted margin the photo shows through faintly
        return GreyMask(f, n, [&](float x, float y) {
            const float outer = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.018f, 0.482f, 0.0f), 1.5f * px);
            const float window = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.055f, 0.445f, 0.02f), 1.5f * px);
            const float fibre = 0.04f * (Fbm(x * 60, y * 8, 3, s) - 0.5f) + 0.03f * (Fbm(x * 8, y * 60, 3, s + 1) - 0.5f);
            return outer * (0.62f + fibre) + window * (0.38f - fibre);
        });
    case 2:  // oval vignette, very soft
        return GreyMask(f, n, [&](float x, float y) {
            const float r = std::hypot((x - A / 2) / (A / 2), (y - 0.5f) / 0.5f);
            return 1 - SmoothStep(0.55f, 1.02f, r);
        });
    case 3:  // torn paper
        return GreyMask(f, n, [&](float x, float y) {
            float depth, along;
            int side;
            EdgeCoordinates(x, y, A, depth, along, side);
            const float tear = 0.035f + 0.03f * Fbm(along * 5, 0.5f, 5, s) + 0.006f * ValueNoise(along * 90, 2.5f, s);
            const float fuzz = 0.004f * (ValueNoise(along * 400, depth * 300, s + 1) - 0.5f);
            return SmoothStep(tear - 1.5f * px, tear + 1.5f * px, depth + fuzz);
        });
    case 4:  // deckled print on a wide white margin: small rough scallops
        return GreyMask(f, n, [&](float x, float y) {
            float depth, along;
            int side;
            EdgeCoordinates(x, y, A, depth, along, side);
            const float scallop = std::fabs(std::sin(along * kPi * 55));
            const float edge = 0.11f + 0.008f * std::sqrt(scallop) + 0.01f * Fbm(along * 40, 0.5f, 3, s) +
                               0.004f * ValueNoise(along * 300, depth * 200, s + 1);
            return SmoothStep(edge - 1.5f * px, edge + 1.5f * px, depth);
        });
    case 5:  // stamp: perforated edge
        return GreyMask(f, n, [&](float x, float y) {
            const float inset = 0.07f, hole = 0.019f, pitch = 0.055f;
            float d = RoundedBox(x, y, A / 2, 0.5f, A / 2 - inset, 0.5f - inset, 0.0f);
            // Holes centred on the border line, evenly spread on each side.
            const float w = A - 2 * inset, h = 1 - 2 * inset;
            const float nx = std::round(w / pitch), ny = std::round(h / pitch);
            const float sx = w / nx, sy = h / ny;
            const float hx = inset + sx * std::round((x - inset) / sx), hy = inset + sy * std::round((y - inset) / sy);
            float hd = 1e9f;
            for (float ey : {inset, 1 - inset}) hd = std::min(hd, std::hypot(x - hx, y - ey));
            for (float ex : {inset, A - inset}) hd = std::min(hd, std::hypot(x - ex, y - hy));
            d = std::max(d, hole - hd);
            return Inside(d, 1.5f * px);
        });
    case 6:  // film strip: the photo runs on under the sprocket bands, the holes
             // punched through them in the fill colour (a dark band needs a dark
             // fill: the recipe's fill is white, and the mask only mixes with it)
        return GreyMask(f, n, [&](float x, float y) {
            const float band = 0.12f;
            const float edge = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.012f, 0.488f, 0.0f), 1.5f * px);
            const float frame = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.03f, 0.5f - band - 0.02f, 0.02f), 1.5f * px);
            // Between the frame and the band a thin unexposed line, as on a real film edge.
            const float gap = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.03f, 0.5f - band - 0.012f, 0.024f), 1.5f * px);
            const float pitch = A / 16;
            const float hx = pitch * (std::floor(x / pitch) + 0.5f);
            float hole = 0;
            for (float hy : {band / 2 + 0.005f, 1 - band / 2 - 0.005f})
                hole = std::max(hole, Inside(RoundedBox(x, y, hx, hy, pitch * 0.22f, band * 0.24f, 0.008f), 1.5f * px));
            const float bandShows = edge * (1 - hole) * (1 - (gap - frame));
            return std::max(frame, bandShows);
        });
    case 7:  // brush strokes: painted sideways, bristle-streaked ends
        return GreyMask(f, n, [&](float x, float y) {
            const float top = 0.09f + 0.03f * Fbm(x * 3, 0.5f, 4, s), bottom = 0.91f - 0.03f * Fbm(x * 3, 5.5f, 4, s);
            const float streak = std::pow(ValueNoise(y * 140, 0.5f, s + 1), 2.0f);
            const float left = 0.1f + 0.06f * Fbm(y * 4, 1.5f, 3, s + 2) + 0.07f * streak;
            const float right = A - 0.1f - 0.06f * Fbm(y * 4, 7.5f, 3, s + 3) - 0.07f * ValueNoise(y * 140, 4.5f, s + 1);
            const float dry = SmoothStep(0.3f, 0.6f, ValueNoise(x * 6, y * 160, s + 4));
            float v = SmoothStep(top - 2 * px, top + 2 * px, y) * (1 - SmoothStep(bottom - 2 * px, bottom + 2 * px, y));
            v *= SmoothStep(left - 2 * px, left + 2 * px, x) * (1 - SmoothStep(right - 2 * px, right + 2 * px, x));
            // Dry-brush gaps near the stroke ends.
            const float nearEnd = 1 - SmoothStep(0.0f, 0.12f, std::min(x - left, right - x));
            return v * (1 - nearEnd * (1 - dry));
        });
    case 8:  // heart
        return GreyMask(f, n, [&](float x, float y) {
            const float unit = 0.84f;
            const float d = HeartDistance((x - A / 2) / unit, (y - 0.93f) / unit) * unit;
            return Inside(d, 0.012f);
        });
    case 9:  // circle, soft
        return GreyMask(f, n, [&](float x, float y) { return Inside(std::hypot(x - A / 2, y - 0.5f) - 0.43f, 0.03f); });
    case 10:  // instant photo: wide bottom border, slight inner shade
        return GreyMask(f, n, [&](float x, float y) {
            const float d = RoundedBox(x, y, A / 2, 0.42f, A / 2 - 0.06f, 0.36f, 0.004f);
            return Inside(d, 1.2f * px) * (0.86f + 0.14f * SmoothStep(0.0f, 0.02f, -d));
        });
    case 11:  // cloud
        return GreyMask(f, n, [&](float x, float y) {
            const float dx = (x - A / 2) / (A / 2), dy = (y - 0.5f) / 0.5f;
            const float r = std::hypot(dx, dy), a = std::atan2(dy, dx);
            const float puff = std::pow(std::fabs(std::sin(a * 6.5f + 0.3f * std::sin(a * 3))), 0.45f);
            const float edge = 0.72f + 0.13f * puff + 0.03f * Fbm(a * 3 + 10, 0.5f, 3, s);
            return 1 - SmoothStep(edge - 0.035f, edge + 0.005f, r);
        });
    case 12:  // rectangle with a wide feather
        return GreyMask(f, n, [&](float x, float y) {
            return Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.12f, 0.38f, 0.05f), 0.07f);
        });
    case 13:  // a wide mat with a thin inner line
        return GreyMask(f, n, [&](float x, float y) {
            const float d = RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.085f, 0.415f, 0.0f);
            const float line = SmoothStep(1.5f * px, 0.0f, std::fabs(d + 0.018f) - 0.0035f);
            return Inside(d, 1.2f * px) * (1 - line);
        });
    case 14:  // sprayed grunge border
        return GreyMask(f, n, [&](float x, float y) {
            const float d = RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.12f, 0.38f, 0.05f);
            // Noise on turned axes, so the spray never lines up with the
            // pixel grid; its finest layer is still several pixels across.
            const float u = 0.8f * x + 0.6f * y, v = -0.6f * x + 0.8f * y;
            const float spray = Fbm(u * 25, v * 25, 4, s) - 0.5f + 0.45f * (Fbm(v * 150, u * 150, 3, s + 1) - 0.5f);
            // Spray only where the edge fades, never inside the picture.
            const float fade = Inside(d, 0.05f);
            return SmoothStep(0.5f, 0.6f, fade + 0.9f * spray * (1 - SmoothStep(0.85f, 1.0f, fade)));
        });
    case 15:  // small rounded corners
        return GreyMask(f, n, [&](float x, float y) {
            return Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.025f, 0.475f, 0.035f), 1.2f * px);
        });
    case 16:  // lace oval: scalloped edge with a ring of eyelets
        return GreyMask(f, n, [&](float x, float y) {
            const float dx = (x - A / 2) / (A * 0.33f), dy = (y - 0.5f) / 0.37f;
            const float r = std::hypot(dx, dy), a = std::atan2(dy, dx);
            const float bumps = 48;
            const float scallop = 0.035f * std::sqrt(std::fabs(std::sin(a * bumps / 2)));
            const float body = Inside(r - (1.0f + scallop), 0.004f);
            const float ca = (std::floor(a / (2 * kPi) * bumps) + 0.5f) * 2 * kPi / bumps;
            const float ex = A / 2 + std::cos(ca) * 1.075f * A * 0.33f, ey = 0.5f + std::sin(ca) * 1.075f * 0.37f;
            const float eyelet = Inside(std::hypot(x - ex, y - ey) - 0.008f, 1.2f * px);
            return std::max(body, eyelet);
        });
    case 17:  // arched window
        return GreyMask(f, n, [&](float x, float y) {
            const float hw = 0.36f, top = 0.08f + hw, bottom = 0.93f;
            float d = std::max(std::fabs(x - A / 2) - hw, y - bottom);
            if (y < top) d = std::max(std::hypot(x - A / 2, y - top) - hw, y - bottom);
            return Inside(d, 1.5f * px);
        });
    case 18:  // a page torn off a pad: ragged top edge, punched binder holes down the left
        return GreyMask(f, n, [&](float x, float y) {
            const float t = 0.13f + 0.04f * Fbm(x * 5, 0.5f, 5, s) + 0.006f * ValueNoise(x * 80, 2.5f, s + 1);
            float v = SmoothStep(t - 1.5f * px, t + 1.5f * px, y);
            v *= Inside(RoundedBox(x, y, A / 2 + 0.05f, 0.5f, A / 2 - 0.065f, 0.49f, 0.0f), 1.5f * px);
            for (float hy : {0.3f, 0.55f, 0.8f}) v *= 1 - Inside(std::hypot(x - 0.055f, y - hy) - 0.022f, 1.5f * px);
            return v;
        });
    case 19:  // slide mount: a thick frame round a small bevelled window
        return GreyMask(f, n, [&](float x, float y) {
            const float d = RoundedBox(x, y, A / 2, 0.5f, 0.42f, 0.3f, 0.035f);
            const float bevel = SmoothStep(0.012f, 0.0f, d) * SmoothStep(-1.5f * px, 1.5f * px, d);
            return Inside(d, 1.2f * px) + 0.35f * bevel * (1 - Inside(d, 1.2f * px));
        });
    default: {  // 20: spray-painted oval with splatter
        PackRandom rnd(SeedOf(f.name, 99));
        Canvas c(f.width, f.height);
        PaintAdd(c, [&](float x, float y) {
            const float dx = (x - A / 2) / (A * 0.42f), dy = (y - 0.5f) / 0.42f;
            const float r = std::hypot(dx, dy);
            const float edge = 0.92f + 0.08f * (Fbm(std::atan2(dy, dx) * 2 + 7, 0.5f, 4, s) - 0.5f);
            const float u = 0.8f * x + 0.6f * y, w = -0.6f * x + 0.8f * y;  // turned off the pixel grid
            const float spray = 1.5f * (Fbm(u * 220, w * 220, 3, s + 1) - 0.5f);
            const float v = SmoothStep(0.5f, 0.6f, (1 - SmoothStep(edge - 0.06f, edge + 0.06f, r)) + 0.5f * spray);
            return Colour{v, v, v};
        });
        for (int i = 0; i < 260; ++i) {
            const float a = rnd.Range(0, 2 * kPi), r = rnd.Range(0.98f, 1.25f);
            const float dot = 0.002f + 0.01f * std::pow(rnd.Unit(), 3.0f);
            Disc(c, A / 2 + std::cos(a) * r * A * 0.42f, 0.5f + std::sin(a) * r * 0.42f, dot, dot * 0.3f, Colour{1, 1, 1},
                 1.0f);
        }
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < 3 * c.Width(); ++x) c.Row(y)[x] = Clamp01(c.Row(y)[x]);
        return ToBitmap(c, s, 0.0f);
    }
    }
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

TBitmap ColorMask(const PackFolder& f, int n) {
    const float A = float(f.width) / float(f.height);
    const uint32_t s = uint32_t(SeedOf(f.name, n));
    if (n == 1)  // the photo untouched over the middle, a soft low tint creeping in at the edges
        return GreyMask(f, n, [&](float x, float y) {
            const float r = std::hypot((x - A / 2) / (A / 2), (y - 0.5f) / 0.5f);
            return 1 - 0.45f * SmoothStep(0.55f, 1.25f, r + 0.08f * (Fbm(x * 2, y * 2, 3, s) - 0.5f));
        });
    // 2: the lightest veil the mixing tint allows over the middle, deepening
    // softly toward the edges and corners.
    return GreyMask(f, n, [&](float x, float y) {
        const float r = std::hypot((x - A / 2) / (A / 2), (y - 0.5f) / 0.5f);
        return 0.86f - 0.26f * SmoothStep(0.5f, 1.3f, r) + 0.03f * (Fbm(x * 2, y * 2, 3, s) - 0.5f);
    });
}

}  // namespace

TBitmap RenderEdgeMask(const PackFolder& folder, int number) { return Edge(folder, number); }

TBitmap RenderLineTile(const PackFolder& folder, int number, int originX, int originY) {
    return LineTile(folder, number, originX, originY);
}

TBitmap RenderColorMask(const PackFolder& folder, int number) { return ColorMask(folder, number); }

}  // namespace corvessa::lookpack
