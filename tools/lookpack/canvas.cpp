#include "lookpack/canvas.h"

#include <algorithm>
#include <cmath>

namespace corvessa::lookpack {

namespace {

constexpr float kPi = 3.14159265358979f;

struct Box {
    int x0, y0, x1, y1;  // x1, y1 excluded
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

// Pixel box around (cx, cy) in height units with half-size `reach`.
Box BoxAround(const Canvas& c, float cx, float cy, float reachX, float reachY) {
    const float s = c.Scale();
    Box b;
    b.x0 = std::max(0, int(std::floor((cx - reachX) * s)));
    b.y0 = std::max(0, int(std::floor((cy - reachY) * s)));
    b.x1 = std::min(c.Width(), int(std::ceil((cx + reachX) * s)) + 1);
    b.y1 = std::min(c.Height(), int(std::ceil((cy + reachY) * s)) + 1);
    return b;
}

inline void AddAt(float* p, Colour colour, float v) {
    p[0] += colour.r * v;
    p[1] += colour.g * v;
    p[2] += colour.b * v;
}

}  // namespace

uint32_t PackRandom::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return uint32_t((z ^ (z >> 31)) >> 32);
}

uint64_t SeedOf(const char* text, int number) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (const char* p = text; *p; ++p) h = (h ^ uint8_t(*p)) * 1099511628211ull;
    return (h ^ uint64_t(number)) * 1099511628211ull;
}

uint32_t Hash3(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x27D4EB2Du ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float ValueNoise(float x, float y, uint32_t seed, int period) {
    const float fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    const float tx = x - fx, ty = y - fy;
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    int ix1 = ix + 1, iy1 = iy + 1;
    if (period > 0) {
        ix = ((ix % period) + period) % period;
        iy = ((iy % period) + period) % period;
        ix1 = (ix + 1) % period;
        iy1 = (iy + 1) % period;
    }
    constexpr float k = 1.0f / 4294967295.0f;
    const float a = float(Hash3(ix, iy, seed)) * k, b = float(Hash3(ix1, iy, seed)) * k;
    const float c = float(Hash3(ix, iy1, seed)) * k, d = float(Hash3(ix1, iy1, seed)) * k;
    const float top = a + (b - a) * sx, bottom = c + (d - c) * sx;
    return top + (bottom - top) * sy;
}

float Fbm(float x, float y, int octaves, uint32_t seed, float gain, int period) {
    float sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * ValueNoise(x, y, seed + uint32_t(o) * 101u, period);
        total += weight;
        weight *= gain;
        x *= 2;
        y *= 2;
        period *= 2;
    }
    return sum / total;
}

Colour Mix(Colour a, Colour b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Colour Hue(float h) {
    h -= std::floor(h);
    const float r = Clamp01(std::fabs(h * 6 - 3) - 1);
    const float g = Clamp01(2 - std::fabs(h * 6 - 2));
    const float b = Clamp01(2 - std::fabs(h * 6 - 4));
    return {r, g, b};
}

Colour Spectrum(float t) {
    // Violet -> red along the hue circle, with violet a touch of red added.
    t = Clamp01(t);
    Colour c = Hue(0.78f * (1 - t));
    if (t < 0.15f) c = Mix(c, Colour{0.55f, 0.2f, 1.0f}, 1 - t / 0.15f);
    return c;
}

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float SmoothStep(float edge0, float edge1, float v) {
    const float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height) : width_(width), height_(height), pixels_(size_t(width) * height * 3, 0.0f) {}

void Canvas::Fill(Colour c) {
    for (size_t i = 0; i < pixels_.size(); i += 3) {
        pixels_[i] = c.r;
        pixels_[i + 1] = c.g;
        pixels_[i + 2] = c.b;
    }
}

Canvas Canvas::Resampled(int width, int height) const {
    Canvas out(width, height);
    std::vector<int> x0(width), x1(width);
    std::vector<float> fx(width);
    const float kx = float(width_) / float(width), ky = float(height_) / float(height);
    for (int x = 0; x < width; ++x) {
        const float s = std::clamp((x + 0.5f) * kx - 0.5f, 0.0f, float(width_ - 1));
        x0[x] = int(s);
        x1[x] = std::min(x0[x] + 1, width_ - 1);
        fx[x] = s - float(x0[x]);
    }
    for (int y = 0; y < height; ++y) {
        const float s = std::clamp((y + 0.5f) * ky - 0.5f, 0.0f, float(height_ - 1));
        const int y0 = int(s), y1 = std::min(y0 + 1, height_ - 1);
        const float fy = s - float(y0);
        const float* r0 = Row(y0);
        const float* r1 = Row(y1);
        float* o = out.Row(y);
        for (int x = 0; x < width; ++x) {
            const int a = 3 * x0[x], b = 3 * x1[x];
            for (int k = 0; k < 3; ++k) {
                const float top = r0[a + k] + (r0[b + k] - r0[a + k]) * fx[x];
                const float bottom = r1[a + k] + (r1[b + k] - r1[a + k]) * fx[x];
                o[3 * x + k] = top + (bottom - top) * fy;
            }
        }
    }
    return out;
}

void Canvas::AddResampled(const Canvas& other, float gain) {
    if (other.width_ == width_ && other.height_ == height_) {
        for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] += other.pixels_[i] * gain;
        return;
    }
    AddResampled(other.Resampled(width_, height_), gain);
}

void Canvas::MultiplyResampled(const Canvas& other) {
    if (other.width_ == width_ && other.height_ == height_) {
        for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] *= other.pixels_[i];
        return;
    }
    MultiplyResampled(other.Resampled(width_, height_));
}

void Canvas::Blur(int radius) {
    if (radius <= 0) return;
    const int longest = std::max(width_, height_);
    std::vector<float> line(size_t(longest) * 3), sum(3);
    auto pass = [&](float* start, int count, size_t step) {
        for (int i = 0; i < count; ++i)
            for (int k = 0; k < 3; ++k) line[size_t(i) * 3 + k] = start[size_t(i) * step + k];
        const float norm = 1.0f / float(2 * radius + 1);
        for (int k = 0; k < 3; ++k) {
            // Edges repeat the outermost pixel.
            float s = 0;
            for (int j = -radius; j <= radius; ++j) s += line[size_t(std::clamp(j, 0, count - 1)) * 3 + k];
            for (int i = 0; i < count; ++i) {
                start[size_t(i) * step + k] = s * norm;
                s += line[size_t(std::min(i + radius + 1, count - 1)) * 3 + k] -
                     line[size_t(std::max(i - radius, 0)) * 3 + k];
            }
        }
    };
    for (int repeat = 0; repeat < 3; ++repeat) {
        for (int y = 0; y < height_; ++y) pass(Row(y), width_, 3);
        for (int x = 0; x < width_; ++x) pass(pixels_.data() + size_t(x) * 3, height_, size_t(width_) * 3);
    }
}

void Glow(Canvas& c, float cx, float cy, float radius, Colour colour, float gain, float stretch, float angle) {
    const float reach = 3.0f * radius * std::max(1.0f, stretch);
    const Box b = BoxAround(c, cx, cy, reach, reach);
    if (b.Empty()) return;
    const float s = c.Scale(), ca = std::cos(angle), sa = std::sin(angle);
    const float inv = 1.0f / (radius * s), invLong = inv / stretch;
    for (int y = b.y0; y < b.y1; ++y) {
        float* row = c.Row(y);
        const float dy = (y + 0.5f) - cy * s;
        for (int x = b.x0; x < b.x1; ++x) {
            const float dx = (x + 0.5f) - cx * s;
            const float u = (dx * ca + dy * sa) * invLong, v = (-dx * sa + dy * ca) * inv;
            const float d2 = u * u + v * v;
            if (d2 < 9.0f) AddAt(row + 3 * x, colour, gain * std::exp(-d2));
        }
    }
}

void Disc(Canvas& c, float cx, float cy, float radius, float soft, Colour colour, float gain, float rim, int sides,
          float angle) {
    const float reach = radius / (sides >= 5 ? std::cos(kPi / sides) : 1.0f) + soft;
    const Box b = BoxAround(c, cx, cy, reach, reach);
    if (b.Empty()) return;
    const float s = c.Scale();
    soft = std::max(soft, 0.7f / s);
    const float sector = sides >= 5 ? 2 * kPi / sides : 0;
    for (int y = b.y0; y < b.y1; ++y) {
        float* row = c.Row(y);
        const float dy = (y + 0.5f) / s - cy;
        for (int x = b.x0; x < b.x1; ++x) {
            const float dx = (x + 0.5f) / s - cx;
            float d = std::sqrt(dx * dx + dy * dy);
            if (sides >= 5 && d > 0) {
                float a = std::atan2(dy, dx) - angle;
                a -= sector * std::floor(a / sector);
                d *= std::cos(a - sector / 2) / std::cos(sector / 2);
            }
            const float inside = 1.0f - SmoothStep(radius - soft, radius + soft * 0.5f, d);
            if (inside <= 0) continue;
            const float t = d / radius;
            AddAt(row + 3 * x, colour, gain * inside * (1.0f + rim * t * t * t * t));
        }
    }
}

void Ring(Canvas& c, float cx, float cy, float radius, float width, Colour colour, float gain, bool iridescent,
          float hueShift) {
    const float reach = radius + 3 * width;
    const Box b = BoxAround(c, cx, cy, reach, reach);
    if (b.Empty()) return;
    const float s = c.Scale();
    width = std::max(width, 0.6f / s);
    for (int y = b.y0; y < b.y1; ++y) {
        float* row = c.Row(y);
        const float dy = (y + 0.5f) / s - cy;
        for (int x = b.x0; x < b.x1; ++x) {
            const float dx = (x + 0.5f) / s - cx;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float t = (d - radius) / width;
            if (t * t > 9) continue;
            const float v = gain * std::exp(-t * t);
            if (iridescent) {
                const float a = std::atan2(dy, dx) / (2 * kPi);
                AddAt(row + 3 * x, Mix(Hue(a * 1.5f + hueShift), Colour{1, 1, 1}, 0.35f), v);
            } else {
                AddAt(row + 3 * x, colour, v);
            }
        }
    }
}

void Sparkle(Canvas& c, float cx, float cy, float core, float length, Colour colour, float gain, int spikes,
             float angle) {
    const float reach = std::max(length, 3 * core);
    const Box b = BoxAround(c, cx, cy, reach, reach);
    if (b.Empty()) return;
    const float s = c.Scale();
    const float thin = std::max(core * 0.22f, 0.55f / s);
    std::vector<float> dirX(spikes), dirY(spikes);
    for (int k = 0; k < spikes; ++k) {
        const float a = angle + 2 * kPi * k / spikes;
        dirX[k] = std::cos(a);
        dirY[k] = std::sin(a);
    }
    for (int y = b.y0; y < b.y1; ++y) {
        float* row = c.Row(y);
        const float dy = (y + 0.5f) / s - cy;
        for (int x = b.x0; x < b.x1; ++x) {
            const float dx = (x + 0.5f) / s - cx;
            const float d2 = (dx * dx + dy * dy) / (core * core);
            float v = d2 < 9 ? std::exp(-d2) : 0.0f;
            for (int k = 0; k < spikes; ++k) {
                const float along = dx * dirX[k] + dy * dirY[k];
                if (along <= 0 || along >= length) continue;
                const float perp = dx * dirY[k] - dy * dirX[k];
                const float fade = 1 - along / length;
                const float w = thin * (0.35f + 0.65f * fade);
                const float q = perp / w;
                if (q * q < 9) v += 0.8f * fade * fade * std::exp(-q * q);
            }
            if (v > 0) AddAt(row + 3 * x, colour, gain * v);
        }
    }
}

void Stroke(Canvas& c, const std::vector<float>& xy, float width, Colour colour, float gain0, float gain1) {
    const size_t points = xy.size() / 2;
    if (points < 2) return;
    const float s = c.Scale();
    width = std::max(width, 0.6f / s);
    const float spacing = width * 0.4f;
    // A Gaussian dot every `spacing` integrates to a line of peak ~1.
    const float dotGain = spacing / (width * 1.7724539f);
    float total = 0;
    for (size_t i = 1; i < points; ++i)
        total += std::hypot(xy[2 * i] - xy[2 * i - 2], xy[2 * i + 1] - xy[2 * i - 1]);
    if (total <= 0) return;
    const float inv = 1.0f / (width * s);
    float travelled = 0;
    for (size_t i = 1; i < points; ++i) {
        const float ax = xy[2 * i - 2], ay = xy[2 * i - 1], bx = xy[2 * i], by = xy[2 * i + 1];
        const float len = std::hypot(bx - ax, by - ay);
        const int steps = std::max(1, int(len / spacing));
        for (int k = 0; k < steps; ++k) {
            const float t = float(k) / float(steps);
            const float px = ax + (bx - ax) * t, py = ay + (by - ay) * t;
            const float g = dotGain * (gain0 + (gain1 - gain0) * (travelled + len * t) / total);
            const Box b = BoxAround(c, px, py, 3 * width, 3 * width);
            for (int y = b.y0; y < b.y1; ++y) {
                float* row = c.Row(y);
                const float dy = ((y + 0.5f) - py * s) * inv;
                for (int x = b.x0; x < b.x1; ++x) {
                    const float dx = ((x + 0.5f) - px * s) * inv;
                    const float d2 = dx * dx + dy * dy;
                    if (d2 < 9) AddAt(row + 3 * x, colour, g * std::exp(-d2));
                }
            }
        }
        travelled += len;
    }
}

void Line(Canvas& c, float x0, float y0, float x1, float y1, float width, Colour colour, float gain0, float gain1) {
    Stroke(c, {x0, y0, x1, y1}, width, colour, gain0, gain1);
}

float HeartDistance(float x, float y) {
    // Exact distance to a heart built from two circle arcs and two lines;
    // with y pointing up, the tip is at the origin.
    float px = std::fabs(x), py = -y;
    if (py + px > 1.0f) return std::hypot(px - 0.25f, py - 0.75f) - 0.35355339f;
    const float m = 0.5f * std::max(px + py, 0.0f);
    const float d1 = px * px + (py - 1) * (py - 1);
    const float d2 = (px - m) * (px - m) + (py - m) * (py - m);
    return std::sqrt(std::min(d1, d2)) * (px - py > 0 ? 1.0f : -1.0f);
}

void Heart(Canvas& c, float cx, float cy, float size, float soft, Colour colour, float gain, float angle, float rim) {
    const float reach = size + soft;
    const Box b = BoxAround(c, cx, cy, reach, reach);
    if (b.Empty()) return;
    const float s = c.Scale(), ca = std::cos(angle), sa = std::sin(angle);
    soft = std::max(soft, 0.7f / s);
    // The heart spans y = 0 .. 1.1 above its tip; centre it on (cx, cy).
    const float unit = size / 1.1f;
    for (int y = b.y0; y < b.y1; ++y) {
        float* row = c.Row(y);
        const float dy = (y + 0.5f) / s - cy;
        for (int x = b.x0; x < b.x1; ++x) {
            const float dx = (x + 0.5f) / s - cx;
            const float u = (dx * ca + dy * sa) / unit, v = (-dx * sa + dy * ca) / unit;
            const float d = HeartDistance(u, v - 0.55f) * unit;
            const float inside = 1.0f - SmoothStep(-soft, soft * 0.5f, d);
            if (inside <= 0) continue;
            const float edge = std::exp(-(d / (size * 0.12f)) * (d / (size * 0.12f)));
            AddAt(row + 3 * x, colour, gain * inside * (1 + rim * edge));
        }
    }
}

namespace {

float Dither(int x, int y, uint32_t seed) { return float(Hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f) - 0.5f; }

template <class Tone>
TBitmap Convert(const Canvas& c, uint32_t seed, float dither, Tone tone) {
    TBitmap out(c.Width(), c.Height());
    for (int y = 0; y < c.Height(); ++y) {
        const float* in = c.Row(y);
        uint8_t* row = out.Row(y);
        for (int x = 0; x < c.Width(); ++x) {
            const float d = dither * Dither(x, y, seed);
            for (int k = 0; k < 3; ++k) {
                float v = tone(in[3 * x + k]) * 255.0f;
                if (v > 1.5f) v += d;  // keeps untouched black exactly black
                const int q = int(v + 0.5f);
                row[3 * x + 2 - k] = uint8_t(std::clamp(q, 0, 255));  // stored blue, green, red
            }
        }
    }
    return out;
}

}  // namespace

TBitmap ToScreenBitmap(const Canvas& c, uint32_t seed) {
    return Convert(c, seed, 0.6f, [](float v) { return v <= 0 ? 0.0f : 1.0f - std::exp(-v); });
}

TBitmap ToBitmap(const Canvas& c, uint32_t seed, float dither) {
    return Convert(c, seed, dither, [](float v) { return v; });
}

}  // namespace corvessa::lookpack
