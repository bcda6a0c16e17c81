#pragma once
// The painting kit of the look-pack generator: a seeded integer generator,
// hashed value noise and a floating-point RGB canvas with the few soft
// shapes the looks are drawn from.
//
// Every picture must come out byte-identical on every run, so nothing here
// reads the clock, shares state between pictures or sums in an order that
// depends on threads. Shape positions and sizes are given in "height units":
// y runs 0..1 from top to bottom and x runs 0..aspect, so one drawing can be
// rendered onto a small canvas (for soft light that is upscaled later) or a
// large one (for fine detail) alike.

#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::lookpack {

// splitmix64: small, fast, and the same sequence on every platform.
class PackRandom {
public:
    explicit PackRandom(uint64_t seed) : state_(seed) {}
    uint32_t Next();
    // Uniform in [0, 1).
    float Unit() { return float(Next() >> 8) * (1.0f / 16777216.0f); }
    float Range(float low, float high) { return low + (high - low) * Unit(); }
    // Uniform integer 0..n-1 (n > 0).
    int Below(int n) { return int((uint64_t(Next()) * uint64_t(n)) >> 32); }
    bool Chance(float p) { return Unit() < p; }

private:
    uint64_t state_;
};

uint64_t SeedOf(const char* text, int number);
uint32_t Hash3(int32_t x, int32_t y, uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1]. A positive period makes it
// repeat every `period` lattice cells in x and y (for tiles).
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
// Sum of `octaves` noise layers, each twice as fine and half as strong,
// normalised to [0, 1].
float Fbm(float x, float y, int octaves, uint32_t seed, float gain = 0.5f, int period = 0);

struct Colour {
    float r = 0, g = 0, b = 0;
};
constexpr Colour operator*(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }
constexpr Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Colour Mix(Colour a, Colour b, float t);
// 8-bit colour given as R, G, B.
constexpr Colour Rgb8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
// Fully saturated hue, 0..1 around the circle (0 red, 1/3 green, 2/3 blue).
Colour Hue(float h);
// Rainbow order from violet (0) through blue, green, yellow to red (1).
Colour Spectrum(float t);

float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float v);

// A floating-point RGB picture. Light adds up; the conversion to 8 bits
// decides how it saturates.
class Canvas {
public:
    Canvas(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    float Aspect() const { return float(width_) / float(height_); }
    // Pixels per height unit.
    float Scale() const { return float(height_); }
    float* Row(int y) { return pixels_.data() + size_t(y) * size_t(width_) * 3; }
    const float* Row(int y) const { return pixels_.data() + size_t(y) * size_t(width_) * 3; }

    void Fill(Colour c);
    // Adds `other` scaled by gain; `other` of any size is resampled
    // bilinearly to this canvas first.
    void AddResampled(const Canvas& other, float gain = 1.0f);
    // Multiplies every channel by `other` (resampled as above).
    void MultiplyResampled(const Canvas& other);
    // Bilinear resampling onto a canvas of another size.
    Canvas Resampled(int width, int height) const;
    // Separable box blur repeated three times (close to Gaussian).
    void Blur(int radius);

private:
    int width_, height_;
    std::vector<float> pixels_;
};

// Bounding boxes below are cut to the canvas; shapes off the canvas cost
// nothing.

// Elliptic Gaussian glow: exp(-(d/r)^2), d measured in an ellipse stretched
// by `stretch` along `angle` (radians).
void Glow(Canvas& c, float cx, float cy, float radius, Colour colour, float gain, float stretch = 1.0f,
          float angle = 0.0f);
// A flat disc with a soft edge of width `soft`, brighter toward its rim by
// `rim` (0 for none): bokeh, bubbles, snow. `sides` >= 5 gives a polygon.
void Disc(Canvas& c, float cx, float cy, float radius, float soft, Colour colour, float gain, float rim = 0.0f,
          int sides = 0, float angle = 0.0f);
// A thin ring of Gaussian profile, coloured by `hueShift` + angle when
// `iridescent` (soap bubbles), else in `colour`.
void Ring(Canvas& c, float cx, float cy, float radius, float width, Colour colour, float gain,
          bool iridescent = false, float hueShift = 0.0f);
// A glint: small core plus `spikes` thin rays of length `length`.
void Sparkle(Canvas& c, float cx, float cy, float core, float length, Colour colour, float gain, int spikes = 4,
             float angle = 0.0f);
// Gaussian dots stamped along a polyline so that the line is even: a soft
// stroke of width `width` (the Gaussian radius). Brightness runs from
// gain0 at the first point to gain1 at the last.
void Stroke(Canvas& c, const std::vector<float>& xy, float width, Colour colour, float gain0, float gain1);
// A straight stroke.
void Line(Canvas& c, float x0, float y0, float x1, float y1, float width, Colour colour, float gain0, float gain1);
// A heart with its centre at (cx, cy), `size` tall, soft edge `soft`.
void Heart(Canvas& c, float cx, float cy, float size, float soft, Colour colour, float gain, float angle = 0.0f,
           float rim = 0.0f);
// Signed distance to a heart of height about 1 whose tip is at the origin
// and which points down (y grows downward); negative inside.
float HeartDistance(float x, float y);

// Adds f(x, y) (a Colour, x and y in height units at the pixel centre) to
// every pixel: for soft light drawn on a small canvas.
template <class F>
void PaintAdd(Canvas& c, F&& f) {
    const float inv = 1.0f / c.Scale();
    for (int y = 0; y < c.Height(); ++y) {
        float* row = c.Row(y);
        const float fy = (y + 0.5f) * inv;
        for (int x = 0; x < c.Width(); ++x) {
            const Colour v = f((x + 0.5f) * inv, fy);
            row[3 * x] += v.r;
            row[3 * x + 1] += v.g;
            row[3 * x + 2] += v.b;
        }
    }
}

// Conversions to 8 bits. Screen pictures roll light off toward white
// (1 - e^-x), so overlapping light never clips hard; the others clamp.
// Both add a tiny hashed dither to smooth gradients but keep exact black
// where nothing was drawn.
TBitmap ToScreenBitmap(const Canvas& c, uint32_t seed);
TBitmap ToBitmap(const Canvas& c, uint32_t seed, float dither = 0.6f);

}  // namespace corvessa::lookpack
