// The adjustments' arithmetic, one pixel at a time.

#include "edit/adjust_model.h"

#include "ground/parallel.h"

namespace corvessa {
namespace adjust {

namespace {

double Slider(const EditSettings& edits, AdjustmentId id) {
    const Adjustment& row = AdjustmentOf(id);
    return (std::clamp(edits.Value(id), row.lowest, row.highest) - row.neutral) / 100.0;
}

double SmoothStep(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace

Parameters ParametersOf(const EditSettings& edits, int width, int height) {
    Parameters p;
    const double exposure = edits.Value(AdjustmentId::kExposure) * AdjustmentOf(AdjustmentId::kExposure).step;
    const double stops = std::clamp(exposure, -3.0, 3.0);
    const double warmth = Slider(edits, AdjustmentId::kWarmth), tint = Slider(edits, AdjustmentId::kTint);
    if (stops != 0 || warmth != 0 || tint != 0) {
        // White balance moves the colour of grey, not its brightness.
        const double red = std::exp2(kWarmthStops * warmth + kTintStops * tint);
        const double blue = std::exp2(-kWarmthStops * warmth + kTintStops * tint);
        const double norm = kLumaR * red + kLumaG + kLumaB * blue;
        p.gain = {std::exp2(stops) * blue / norm, std::exp2(stops) / norm, std::exp2(stops) * red / norm};
        const double most = *std::max_element(p.gain.begin(), p.gain.end());
        if (most > 1) {
            // The roll-off starts lower the further the gains reach past
            // white and brings the brightest value a channel can have to
            // white exactly: nothing clips, and white stays white.
            p.knee = std::pow(most, -0.6);
            p.shoulder = (most - 1) / ((1 - p.knee) * (most - p.knee));
        }
    }
    p.contrastSlope = std::exp2(Slider(edits, AdjustmentId::kContrast));
    p.shadows = Slider(edits, AdjustmentId::kShadows);
    p.highlights = Slider(edits, AdjustmentId::kHighlights);
    p.saturation = Slider(edits, AdjustmentId::kSaturation);
    p.vibrance = Slider(edits, AdjustmentId::kVibrance);
    p.vignette = Slider(edits, AdjustmentId::kVignette);
    p.sharpen = Slider(edits, AdjustmentId::kSharpen);
    // About 1.4 pixels on a 24-megapixel photo; at least enough to show on
    // a screen-size copy.
    p.sharpenSigma = std::max(0.6, std::hypot(double(width), double(height)) / 5000);
    return p;
}

double ChannelCurve(const Parameters& p, int channel, double v) {
    if (p.gain[size_t(channel)] != 1 || p.shoulder != 0) {
        double light = SrgbToLinear(v) * p.gain[size_t(channel)];
        if (p.shoulder != 0 && light > p.knee) light = p.knee + (light - p.knee) / (1 + p.shoulder * (light - p.knee));
        v = LinearToSrgb(std::min(light, 1.0));
    }
    if (p.contrastSlope != 1)
        v = v < 0.5 ? 0.5 * std::pow(2 * v, p.contrastSlope) : 1 - 0.5 * std::pow(2 * (1 - v), p.contrastSlope);
    return v;
}

double LocalToneChange(const Parameters& p, double base) {
    base = std::clamp(base, 0.0, 1.0);
    const double dark = 1 - base;
    return ShadowsStrength(p) * base * dark * dark * dark + HighlightsStrength(p) * dark * base * base * base;
}

double GamutLimit(const double v[3], double luma, double newLuma) {
    double most = 1e9;
    for (int c = 0; c < 3; ++c) {
        const double d = v[c] - luma;
        if (d > 1e-9) most = std::min(most, (1 - newLuma) / d);
        if (d < -1e-9) most = std::min(most, newLuma / -d);
    }
    return most;
}

void ApplyLocalTone(double v[3], double luma, double newLuma) {
    // Darkening scales the channels, which keeps the hue. Brightening
    // raises the colour less than the luminance (by the mean of its gain
    // and 1), so the noise of the darkest pixels does not come up as
    // colour, and takes a channel only part of its way to white: as far
    // as brightening towards white would (the scale (1 - new) / (1 - old)),
    // then kHeadroomShare of what is left.
    newLuma = std::clamp(newLuma, 0.0, 1.0);
    const double ratio = luma > 1e-4 ? newLuma / luma : 2;
    double chroma = ratio;
    if (ratio > 1) {
        const double towardsWhite = (1 - newLuma) / std::max(1 - luma, 1e-6);
        const double room = towardsWhite + kHeadroomShare * (GamutLimit(v, luma, newLuma) - towardsWhite);
        chroma = std::min({(1 + ratio) / 2, 2.0, room});
    }
    for (int c = 0; c < 3; ++c) v[c] = newLuma + (v[c] - luma) * chroma;
}

double SkinWeight(const double v[3]) {
    const double blue = v[0], green = v[1], red = v[2];
    if (!(red > blue && red >= green && green >= blue)) return 0;
    const double hue = (green - blue) / std::max(red - blue, 1e-6);
    return SmoothStep(1 - std::abs(hue - kSkinHue) / kSkinHueWidth);
}

void ApplyColour(const Parameters& p, double v[3]) {
    const double luma = Luma(v);
    const double d[3] = {v[0] - luma, v[1] - luma, v[2] - luma};
    double factor = 1 + p.saturation;
    if (p.vibrance != 0) {
        const double spread = std::max({v[0], v[1], v[2]}) - std::min({v[0], v[1], v[2]});
        factor *= 1 + p.vibrance * std::clamp(1 - spread, 0.0, 1.0) * (1 - 0.8 * SkinWeight(v));
    }
    if (factor > 1) factor = std::max(1.0, std::min(factor, 1 + kHeadroomShare * (GamutLimit(v, luma, luma) - 1)));
    for (int c = 0; c < 3; ++c) v[c] = luma + d[c] * factor;
}

double VignetteWeight(double rho2) { return SmoothStep((rho2 - 0.25) / 0.75); }

double ApplyVignette(const Parameters& p, double v, double weight) {
    return p.vignette > 0 ? v * (1 - 0.75 * p.vignette * weight) : v + (1 - v) * (-p.vignette) * 0.6 * weight;
}

std::vector<double> SharpenKernel(double sigma) {
    // Two sigmas hold 95 % of the weight: enough for an unsharp mask.
    const int radius = std::max(1, int(std::ceil(2 * sigma)));
    std::vector<double> weights(size_t(radius) + 1);
    double total = 0;
    for (int i = 0; i <= radius; ++i) {
        weights[size_t(i)] = std::exp(-0.5 * i * i / (sigma * sigma));
        total += (i == 0 ? 1 : 2) * weights[size_t(i)];
    }
    for (double& w : weights) w /= total;
    return weights;
}

CellSpan CellOf(int x, int picture, int cells) {
    const double at = (x + 0.5) * cells / picture - 0.5;
    if (at <= 0) return {0, 0};
    if (at >= cells - 1) return {cells - 1, 0};
    const int first = int(at);
    return {first, float(at - first)};
}

}  // namespace adjust
}  // namespace corvessa
