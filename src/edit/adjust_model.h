#pragma once
// What the ten adjustments do to a pixel, written once as plain functions
// of values in 0..1 (the sRGB-encoded channels), from which the fast
// kernels build their tables and against which the tests hold them.
//
// A pixel goes through, in order:
//  1. a curve of each channel alone: decoded to linear light, multiplied
//     by the exposure and the white balance (warmth and tint), rolled off
//     below white where that pushed it past, encoded again, then bent by
//     the contrast's S-curve about the middle;
//  2. highlights and shadows: a tone curve of the pixel's neighbourhood
//     brightness (its luminance smoothed by an edge-preserving guided
//     filter), whose change is added to the pixel's own luminance, so its
//     detail stays while the area's tone moves;
//  3. saturation and vibrance, scaling the pixel's distance from grey,
//     never past the edge of the colours a pixel can hold;
//  4. the vignette, by the distance from the centre;
//  5. sharpening, adding the difference between the luminance after
//     step 1 and its Gaussian blur.

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "edit/edit.h"

namespace corvessa {
namespace adjust {

// Rec. 709 weights of the encoded channels: the luminance the tone steps
// work on. In the bitmap's order: blue, green, red.
inline constexpr double kLumaB = 0.0722, kLumaG = 0.7152, kLumaR = 0.2126;

inline double SrgbToLinear(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }
inline double LinearToSrgb(double v) {
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

// Stops of red against blue for warmth at +100, and of red and blue
// against green for tint.
inline constexpr double kWarmthStops = 1.0, kTintStops = 0.6;

// Everything the sliders decide, in the units the functions below use.
struct Parameters {
    std::array<double, 3> gain{1, 1, 1};  // blue, green, red: exposure times white balance
    double knee = 1, shoulder = 0;        // roll-off above `knee`; 0: none
    double contrastSlope = 1;             // the S-curve's slope at the middle
    double shadows = 0, highlights = 0;   // -1..1
    double saturation = 0, vibrance = 0;  // -1..1
    double vignette = 0;                  // -1..1
    double sharpen = 0, sharpenSigma = 0; // -1..1; the blur's sigma in pixels

    bool ToneIsIdentity() const { return gain == std::array<double, 3>{1, 1, 1} && contrastSlope == 1; }
    bool HasLocalTone() const { return shadows != 0 || highlights != 0; }
    bool HasColour() const { return saturation != 0 || vibrance != 0; }
};

// For a picture of `width` x `height`: sizes scale with it, so that a
// screen-size copy looks like the full-size result.
Parameters ParametersOf(const EditSettings& edits, int width, int height);

// Step 1 for one channel (0 blue, 1 green, 2 red), from 0..1 to 0..1.
double ChannelCurve(const Parameters& p, int channel, double v);
// Step 2's change of luminance for a neighbourhood brightness of `base`:
// shadows * base (1 - base)^3 + highlights * (1 - base) base^3. Each
// curve moves its own end of the tones and leaves the other be; the
// strengths keep base + change rising, so levels stay in order and white
// stays the only white.
double LocalToneChange(const Parameters& p, double base);
inline double ShadowsStrength(const Parameters& p) { return p.shadows * (p.shadows > 0 ? 1.6 : 0.9); }
inline double HighlightsStrength(const Parameters& p) { return p.highlights * (p.highlights > 0 ? 0.9 : 1.2); }
// A colour pushed towards the edge of what a pixel can hold goes at most
// this share of the way there, so that neighbouring colours stay apart
// instead of meeting at the edge.
inline constexpr double kHeadroomShare = 0.85;
// How far a pixel's distance from grey may be scaled, about a luminance
// of `newLuma`, before a channel leaves 0..1.
double GamutLimit(const double v[3], double luma, double newLuma);
// Step 2 on one pixel of luminance `luma` now `newLuma`.
void ApplyLocalTone(double v[3], double luma, double newLuma);
// How much a colour is a face's, 0..1: red above green above blue, with
// green's place between them (its hue, 0 for red, 1 for yellow) near
// kSkinHue, from light skin to dark.
inline constexpr double kSkinHue = 0.42, kSkinHueWidth = 0.35;
double SkinWeight(const double v[3]);
// Step 3 on one pixel (blue, green, red).
void ApplyColour(const Parameters& p, double v[3]);
// Step 4's weight at squared distance `rho2` from the centre (1 in the
// corners) and its effect on a channel.
double VignetteWeight(double rho2);
double ApplyVignette(const Parameters& p, double v, double weight);
// Step 5's normalised blur weights, from the centre out, and how much of
// the difference from the blur is added.
std::vector<double> SharpenKernel(double sigma);
inline double SharpenGain(const Parameters& p) { return p.sharpen > 0 ? 1.5 * p.sharpen : p.sharpen; }

inline double Luma(const double v[3]) { return kLumaB * v[0] + kLumaG * v[1] + kLumaR * v[2]; }

// The neighbourhood brightness of step 2: a self-guided filter run on a
// small map of the picture's luminance after step 1 (its longer side
// kMapSide, or the picture's when smaller) gives per map cell a slope a
// and an offset b; a pixel's base is a * luma + b, a and b taken
// bilinearly between the cells. The map has the same size for the photo
// and for a screen-size copy of it, so both are smoothed alike.
inline constexpr int kMapSide = 256;
struct BaseMap {
    int width = 0, height = 0;  // cells
    std::vector<float> a, b;    // per cell, row by row
};
// `luma(y, step, out)` writes the luminance after step 1 of every
// step-th pixel of picture row y, from the first; it is called from
// several threads at once. A large picture is read only every few rows
// and columns: the mean of a cell needs no more.
BaseMap MakeBaseMap(int width, int height, const std::function<void(int, int, float*)>& luma);
// Where pixel x of a picture `picture` wide falls between the centres of
// a map's `cells`: the first cell and the weight of the next.
struct CellSpan {
    int first;
    float next;
};
CellSpan CellOf(int x, int picture, int cells);

}  // namespace adjust
}  // namespace corvessa
