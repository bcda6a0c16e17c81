// The frames of Edge B, laid out as those of Edge A (looks_frames.cpp):
// within the outer tenth of each side, or shaped round the head zone.

#include <algorithm>
#include <cmath>

#include "lookpack/canvas.h"
#include "lookpack/frame_kit.h"

namespace corvessa::lookpack {

namespace {

// A frame of cloud puffs, heaviest in the corners; the top middle stays
// clear for a head.
float CloudFrame(const Frame& f, float x, float y) {
    const float dx = f.U(x) * 2 - 1, dy = (f.V(y) * 2 - 1) * 0.8f;
    const float r = std::hypot(dx, dy), a = std::atan2(dy, dx);
    const float puff = std::pow(std::fabs(std::sin(a * 7.5f + 0.3f * std::sin(a * 3))), 0.45f);
    const float edge = 0.84f + 0.14f * puff + 0.03f * Fbm(a * 3 + 10, 0.5f, 3, f.s);
    return 1 - SmoothStep(edge - 0.035f, edge + 0.005f, r);
}

float FeatheredEdge(const Frame& f, float x, float y) {
    const float d = RoundedBox(x, y, f.A / 2, 0.5f, f.A / 2 - 0.04f, 0.46f, 0.04f);
    return Inside(d + 0.025f, 0.025f);
}

// A white mat with a thin grey rule drawn on it round the window, and a
// narrow bevel where the mat is cut.
float LinedMat(const Frame& f, float x, float y) {
    const float d = f.Box(x, y, 0.062f, 0.0f);
    const float window = Inside(d, 1.2f * f.px);
    const float bevel = Inside(d - 0.006f, 1.2f * f.px) * (1 - window);
    const float rule = SmoothStep(1.5f * f.px, 0.0f, std::fabs(d - 0.024f) - 0.0018f);
    return window + 0.22f * bevel + 0.55f * rule;
}

// A soft border sprayed on: speckled where it fades, never over the
// picture inside.
float GrungeSpray(const Frame& f, float x, float y) {
    const float d = f.Box(x, y, 0.045f, 0.03f);
    const float u = 0.8f * x + 0.6f * y, v = -0.6f * x + 0.8f * y;  // noise off the pixel grid
    const float spray = Fbm(u * 25, v * 25, 4, f.s) - 0.5f + 0.45f * (Fbm(v * 150, u * 150, 3, f.s + 1) - 0.5f);
    const float fade = Inside(d, 0.025f);
    return SmoothStep(0.5f, 0.6f, fade + 0.9f * spray * (1 - SmoothStep(0.85f, 1.0f, fade)));
}

float RoundedCorners(const Frame& f, float x, float y) { return Inside(f.Box(x, y, 0.025f, 0.035f), 1.2f * f.px); }

// A lace oval as wide and tall as the head zone allows: a scalloped edge
// with a ring of eyelets outside it.
float LaceOval(const Frame& f, float x, float y) {
    const float A = f.A, ax = A * 0.45f, ay = 0.45f;
    const float dx = (x - A / 2) / ax, dy = (y - 0.5f) / ay;
    const float r = std::hypot(dx, dy), a = std::atan2(dy, dx);
    const float bumps = 56;
    const float scallop = 0.03f * std::sqrt(std::fabs(std::sin(a * bumps / 2)));
    const float body = Inside(r - (1.0f + scallop), 0.004f);
    const float ca = (std::floor(a / (2 * kPi) * bumps) + 0.5f) * 2 * kPi / bumps;
    const float ex = A / 2 + std::cos(ca) * 1.065f * ax, ey = 0.5f + std::sin(ca) * 1.065f * ay;
    const float eyelet = Inside(std::hypot(x - ex, y - ey) - 0.007f, 1.2f * f.px);
    return std::max(body, eyelet);
}

// A round-topped window: the arch rises from the upper third and clears
// the head zone.
float ArchedWindow(const Frame& f, float x, float y) {
    const float A = f.A, hw = 0.52f, top = 0.02f + hw, bottom = 0.955f;
    float d = std::max(std::fabs(x - A / 2) - hw, y - bottom);
    if (y < top) d = std::max(std::hypot(x - A / 2, y - top) - hw, y - bottom);
    return Inside(d, 1.5f * f.px);
}

// The photo pasted on a page of a ruled notepad: white paper round it,
// the ruled lines and the margin rule showing on the paper as grey, and
// the row of perforations along the head of the pad.
float NotepadPage(const Frame& f, float x, float y) {
    const float A = f.A, px = f.px;
    const float window = Inside(RoundedBox(x, y, A / 2, 0.5125f, A / 2 - 0.07f, 0.4125f, 0.0f), 1.5f * px);
    const float pitch = 0.028f;
    const float hx = pitch * (std::floor(x / pitch) + 0.5f);
    const float perforation = Inside(std::hypot(x - hx, y - 0.045f) - 0.0045f, 1.2f * px);
    const float lineY = 0.1f + 0.0525f * std::round((y - 0.1f) / 0.0525f);
    const float ruled = SmoothStep(1.6f * px, 0.0f, std::fabs(y - lineY) - 0.7f * px) * (y > 0.07f);
    const float margin = SmoothStep(1.6f * px, 0.0f, std::fabs(x - 0.045f) - 0.8f * px) * (y > 0.07f);
    return std::max({window, perforation, 0.4f * ruled, 0.5f * margin});
}

// A slide mount: a narrow moulded white frame round a window with rounded
// corners and a bevelled edge, a small mark in one corner.
float SlideMount(const Frame& f, float x, float y) {
    const float d = RoundedBox(x, y, f.A / 2, 0.5f, f.A / 2 - 0.095f, 0.405f, 0.05f);
    const float window = Inside(d, 1.2f * f.px);
    const float bevel = SmoothStep(0.012f, 0.0f, d) * (1 - window);
    const float moulding = 0.05f * Fbm(x * 12, y * 12, 3, f.s) * (1 - window);
    const float mark = Inside(std::hypot(x - 0.045f, y - 0.045f) - 0.012f, 1.2f * f.px);
    return window + 0.35f * bevel + moulding + 0.3f * mark;
}

// The sprayed oval of the splatter frame, as tall as the picture; the
// splatter round it is drawn as dots on top.
float SprayOval(const Frame& f, float x, float y) {
    const float A = f.A;
    const float dx = (x - A / 2) / (A * 0.45f), dy = (y - 0.52f) / 0.55f;
    const float r = std::hypot(dx, dy);
    const float edge = 1.0f + 0.08f * (Fbm(std::atan2(dy, dx) * 2 + 7, 0.5f, 4, f.s) - 0.5f);
    const float u = 0.8f * x + 0.6f * y, w = -0.6f * x + 0.8f * y;
    const float spray = 1.5f * (Fbm(u * 220, w * 220, 3, f.s + 1) - 0.5f);
    return SmoothStep(0.5f, 0.6f, (1 - SmoothStep(edge - 0.06f, edge + 0.06f, r)) + 0.5f * spray);
}

}  // namespace

float EdgeBMask(const Frame& f, int number, float x, float y) {
    switch (number) {
    case 1: return CloudFrame(f, x, y);
    case 2: return FeatheredEdge(f, x, y);
    case 3: return LinedMat(f, x, y);
    case 4: return GrungeSpray(f, x, y);
    case 5: return RoundedCorners(f, x, y);
    case 6: return LaceOval(f, x, y);
    case 7: return ArchedWindow(f, x, y);
    case 8: return NotepadPage(f, x, y);
    case 9: return SlideMount(f, x, y);
    default: return SprayOval(f, x, y);
    }
}

}  // namespace corvessa::lookpack
