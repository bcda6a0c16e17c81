#pragma once
// Shapes the grey masks are drawn from (the Edge frames, the colour
// masks): signed distances, soft insides and where a point lies against
// the picture's edge. Positions are in height units as on the canvas: y
// runs 0..1 down, x 0..aspect across.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "lookpack/canvas.h"

namespace corvessa::lookpack {

inline constexpr float kPi = 3.14159265358979f;

// Signed distance to a rectangle centred at (cx, cy) with half sizes
// (hw, hh) and corner radius r; negative inside.
inline float RoundedBox(float x, float y, float cx, float cy, float hw, float hh, float r) {
    const float qx = std::fabs(x - cx) - (hw - r), qy = std::fabs(y - cy) - (hh - r);
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

// 1 inside, 0 outside, with a soft edge of about `soft` on each side.
inline float Inside(float d, float soft) { return 1 - SmoothStep(-soft, soft, d); }

// How deep a point lies inside the picture from its nearest edge, and
// where along the edges (a coordinate running all the way round, so that
// neighbouring sides differ).
struct EdgePoint {
    float depth, along;
};

// One frame being drawn: the picture's aspect, its seed and one pixel in
// height units.
struct Frame {
    float A;
    uint32_t s;
    float px;

    float U(float x) const { return x / A; }  // fraction of the width
    float V(float y) const { return y; }      // fraction of the height
    // The picture less `inset` on every side, corners rounded by `radius`.
    float Box(float x, float y, float inset, float radius) const {
        return RoundedBox(x, y, A / 2, 0.5f, A / 2 - inset, 0.5f - inset, radius);
    }
    EdgePoint Edge(float x, float y) const {
        const float d[4] = {x, y, A - x, 1 - y};
        const int side = int(std::min_element(d, d + 4) - d);
        const float along = side == 0 ? y : side == 1 ? 2 + x : side == 2 ? 4 + y : 6 + x;
        return {d[side], along};
    }
};

// The frames of Edge A and Edge B, number 1..10: the mask's value at (x, y).
float EdgeAMask(const Frame& f, int number, float x, float y);  // looks_frames.cpp
float EdgeBMask(const Frame& f, int number, float x, float y);  // looks_frames_b.cpp

}  // namespace corvessa::lookpack
