// The frames of the two Edge categories: grey masks, white where the photo
// shows and black where the fill (white unless the user picks a colour)
// covers it. A mask is stretched to the photo whatever its shape, so every
// frame is laid out in fractions of the width and the height: the straight
// frames cover at most the outer tenth of each side, and every frame, the
// shaped ones too, leaves the head zone of a portrait (the middle 40 %
// across, from 12 % to 45 % down) alone. The fill can only lighten the
// photo, so what reads as paper, plastic or film is drawn with white, the
// photo itself and their mixtures.

#include <algorithm>
#include <cmath>

#include "lookpack/canvas.h"
#include "lookpack/frame_kit.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

namespace {

// A thin solid rule at the very edge, then a frosted margin the photo
// shows through: in the fill's colour a pale mat, never a solid band.
float FrostedMargin(const Frame& f, float x, float y) {
    const float outer = Inside(f.Box(x, y, 0.012f, 0.0f), 1.5f * f.px);
    const float window = Inside(f.Box(x, y, 0.05f, 0.012f), 1.5f * f.px);
    const float fibre = 0.04f * (Fbm(x * 60, y * 8, 3, f.s) - 0.5f) + 0.03f * (Fbm(x * 8, y * 60, 3, f.s + 1) - 0.5f);
    return 0.3f + outer * (0.4f + fibre) + window * (0.3f - fibre);
}

// An oval vignette, wider than tall, so the sides and the corners fade and
// the top middle stays clear.
float SoftOval(const Frame& f, float x, float y) {
    const float dx = f.U(x) * 2 - 1, dy = (f.V(y) * 2 - 1) * 0.7f;
    return 1 - SmoothStep(0.7f, 1.1f, std::hypot(dx, dy));
}

float TornPaper(const Frame& f, float x, float y) {
    const EdgePoint e = f.Edge(x, y);
    const float tear = 0.02f + 0.03f * Fbm(e.along * 5, 0.5f, 5, f.s) + 0.006f * ValueNoise(e.along * 90, 2.5f, f.s);
    const float fuzz = 0.004f * (ValueNoise(e.along * 400, e.depth * 300, f.s + 1) - 0.5f);
    return SmoothStep(tear - 1.5f * f.px, tear + 1.5f * f.px, e.depth + fuzz);
}

// A print with a white margin whose edge is cut in small rough scallops.
float DeckledPrint(const Frame& f, float x, float y) {
    const EdgePoint e = f.Edge(x, y);
    const float scallop = std::fabs(std::sin(e.along * kPi * 55));
    const float edge = 0.076f + 0.008f * std::sqrt(scallop) + 0.01f * Fbm(e.along * 40, 0.5f, 3, f.s) +
                       0.004f * ValueNoise(e.along * 300, e.depth * 200, f.s + 1);
    return SmoothStep(edge - 1.5f * f.px, edge + 1.5f * f.px, e.depth);
}

// A stamp: a perforated white edge, the holes centred on the border line.
float PostageStamp(const Frame& f, float x, float y) {
    const float A = f.A, inset = 0.052f, hole = 0.016f, pitch = 0.05f;
    float d = RoundedBox(x, y, A / 2, 0.5f, A / 2 - inset, 0.5f - inset, 0.0f);
    const float w = A - 2 * inset, h = 1 - 2 * inset;
    const float sx = w / std::round(w / pitch), sy = h / std::round(h / pitch);
    const float hx = inset + sx * std::round((x - inset) / sx), hy = inset + sy * std::round((y - inset) / sy);
    float hd = 1e9f;
    for (float ey : {inset, 1 - inset}) hd = std::min(hd, std::hypot(x - hx, y - ey));
    for (float ex : {inset, A - inset}) hd = std::min(hd, std::hypot(x - ex, y - hy));
    d = std::max(d, hole - hd);
    return Inside(d, 1.5f * f.px);
}

// A strip of film: the picture between two sprocket bands. The bands are
// the photo under a pale film base and the holes punched through it show
// the photo clear, so they read darker than the band; a thin white line
// parts band and picture, as the unexposed edge of a frame does.
float SprocketStrip(const Frame& f, float x, float y) {
    const float A = f.A, band = 0.082f;
    const float edge = Inside(f.Box(x, y, 0.011f, 0.0f), 1.5f * f.px);
    const float frame = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.02f, 0.5f - band - 0.012f, 0.012f), 1.5f * f.px);
    const float gap = Inside(RoundedBox(x, y, A / 2, 0.5f, A / 2 - 0.014f, 0.5f - band - 0.006f, 0.016f), 1.5f * f.px);
    const float pitch = A / 22;
    const float hx = pitch * (std::floor(x / pitch) + 0.5f);
    float hole = 0, rim = 0;
    for (float hy : {band / 2 + 0.003f, 1 - band / 2 - 0.003f}) {
        const float d = RoundedBox(x, y, hx, hy, pitch * 0.24f, band * 0.26f, 0.005f);
        hole = std::max(hole, Inside(d, 1.5f * f.px));
        rim = std::max(rim, Inside(d - 0.0025f, 1.5f * f.px));
    }
    const float base = 0.62f + 0.05f * (Fbm(x * 40, y * 40, 2, f.s) - 0.5f);
    const float bandShows = edge * (1 - gap) * (base * (1 - rim) + hole);
    return std::max(frame, bandShows);
}

// Brush strokes painted sideways round the photo, their ends dry and
// streaked.
float BrushStrokes(const Frame& f, float x, float y) {
    const float A = f.A, px = f.px, s = f.s;
    const float top = 0.05f + 0.025f * Fbm(x * 3, 0.5f, 4, s), bottom = 0.95f - 0.025f * Fbm(x * 3, 5.5f, 4, s);
    const float streak = std::pow(ValueNoise(y * 140, 0.5f, s + 1), 2.0f);
    const float left = 0.05f + 0.035f * Fbm(y * 4, 1.5f, 3, s + 2) + 0.03f * streak;
    const float right = A - 0.05f - 0.035f * Fbm(y * 4, 7.5f, 3, s + 3) - 0.03f * ValueNoise(y * 140, 4.5f, s + 1);
    const float dry = SmoothStep(0.3f, 0.6f, ValueNoise(x * 6, y * 160, s + 4));
    float v = SmoothStep(top - 2 * px, top + 2 * px, y) * (1 - SmoothStep(bottom - 2 * px, bottom + 2 * px, y));
    v *= SmoothStep(left - 2 * px, left + 2 * px, x) * (1 - SmoothStep(right - 2 * px, right + 2 * px, x));
    const float nearEnd = 1 - SmoothStep(0.0f, 0.03f, std::min(x - left, right - x));
    return v * (1 - nearEnd * (1 - dry));
}

float HeartShape(const Frame& f, float x, float y) {
    const float unit = 0.84f;
    return Inside(HeartDistance((x - f.A / 2) / unit, (y - 0.93f) / unit) * unit, 0.012f);
}

// A soft circle as tall as the photo, a little below the middle.
float SoftCircle(const Frame& f, float x, float y) {
    return Inside(std::hypot(x - f.A / 2, y - 0.52f) - 0.52f, 0.03f);
}

// An instant print: narrow white sides and top, the wider strip at the
// bottom, a faint shade inside the picture's edge.
float InstantPhoto(const Frame& f, float x, float y) {
    const float d = RoundedBox(x, y, f.A / 2, 0.48f, f.A / 2 - 0.045f, 0.435f, 0.004f);
    return Inside(d, 1.2f * f.px) * (0.88f + 0.12f * SmoothStep(0.0f, 0.012f, -d));
}

}  // namespace

float EdgeAMask(const Frame& f, int number, float x, float y) {
    switch (number) {
    case 1: return FrostedMargin(f, x, y);
    case 2: return SoftOval(f, x, y);
    case 3: return TornPaper(f, x, y);
    case 4: return DeckledPrint(f, x, y);
    case 5: return PostageStamp(f, x, y);
    case 6: return SprocketStrip(f, x, y);
    case 7: return BrushStrokes(f, x, y);
    case 8: return HeartShape(f, x, y);
    case 9: return SoftCircle(f, x, y);
    default: return InstantPhoto(f, x, y);
    }
}

}  // namespace corvessa::lookpack
