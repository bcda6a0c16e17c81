#include <algorithm>
#include <cmath>

#include "faces/faces.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

// The ellipse around a face, in the face box's own measures: centred a
// little below the box's middle, wider than the box for the ears and the
// hair at the sides, reaching above it for the hair and below it for the
// neck. Within kFullInside of its radius the photo comes back whole (the
// whole box lies within that), then the look fades in to the rim.
constexpr double kCentreDown = 0.5;     // of the box's height, from its top
constexpr double kHalfWidth = 0.95;     // of the box's width
constexpr double kHalfHeight = 1.35;    // of the box's height
constexpr double kFullInside = 0.72;    // of the ellipse's radius

struct Ellipse {
    double cx, cy, rx, ry;
    int left, top, right, bottom;  // the pixels it may touch, right and bottom excluded
};

Ellipse EllipseOf(const FaceBox& f, int width, int height) {
    Ellipse e;
    e.cx = f.x + f.width / 2.0;
    e.cy = f.y + f.height * kCentreDown;
    e.rx = std::max(1.0, f.width * kHalfWidth);
    e.ry = std::max(1.0, f.height * kHalfHeight);
    e.left = std::clamp(int(std::floor(e.cx - e.rx)), 0, width);
    e.right = std::clamp(int(std::ceil(e.cx + e.rx)) + 1, 0, width);
    e.top = std::clamp(int(std::floor(e.cy - e.ry)), 0, height);
    e.bottom = std::clamp(int(std::ceil(e.cy + e.ry)) + 1, 0, height);
    return e;
}

// 255 inside the full part, 0 at and beyond the rim, a smoothstep between
// (no step anywhere for the eye to catch).
uint8_t MaskAt(const Ellipse& e, int x, int y) {
    const double dx = (x + 0.5 - e.cx) / e.rx, dy = (y + 0.5 - e.cy) / e.ry;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r >= 1.0) return 0;
    if (r <= kFullInside) return 255;
    const double t = (1.0 - r) / (1.0 - kFullInside);
    return uint8_t(std::lround(255.0 * t * t * (3.0 - 2.0 * t)));
}

}  // namespace

std::vector<uint8_t> FaceMask(int width, int height, const std::vector<FaceBox>& faces) {
    std::vector<uint8_t> mask(size_t(std::max(width, 0)) * size_t(std::max(height, 0)), 0);
    for (const FaceBox& f : faces) {
        const Ellipse e = EllipseOf(f, width, height);
        for (int y = e.top; y < e.bottom; ++y) {
            uint8_t* row = &mask[size_t(y) * size_t(width)];
            for (int x = e.left; x < e.right; ++x) row[x] = std::max(row[x], MaskAt(e, x, y));
        }
    }
    return mask;
}

void KeepFacesClear(TBitmap& look, const TBitmap& photo, const std::vector<FaceBox>& faces) {
    if (faces.empty() || look.Empty() || look.Width() != photo.Width() || look.Height() != photo.Height()) return;
    const int width = look.Width(), height = look.Height();
    const std::vector<uint8_t> mask = FaceMask(width, height, faces);
    // Only the rows some ellipse reaches are visited.
    int top = height, bottom = 0;
    for (const FaceBox& f : faces) {
        const Ellipse e = EllipseOf(f, width, height);
        top = std::min(top, e.top);
        bottom = std::max(bottom, e.bottom);
    }
    ForEachRowBand(std::max(0, bottom - top), look.RowBytes(), [&](int first, int last) {
        for (int y = top + first; y < top + last; ++y) {
            const uint8_t* m = &mask[size_t(y) * size_t(width)];
            const uint8_t* p = photo.Row(y);
            uint8_t* out = look.Row(y);
            for (int x = 0; x < width; ++x) {
                const unsigned a = m[x];
                if (a == 0) continue;
                for (int c = 0; c < 3; ++c) {
                    uint8_t& o = out[x * 3 + c];
                    o = uint8_t((o * (255u - a) + p[x * 3 + c] * a + 127u) / 255u);
                }
            }
        }
    });
}

}  // namespace corvessa
