// Auto: white balance and levels read from the photo's histogram, as
// slider values the user can see and move on from.

#include <algorithm>
#include <cmath>
#include <vector>

#include "edit/adjust_model.h"
#include "edit/edit.h"

namespace corvessa {

using namespace adjust;

namespace {

// Auto looks at no more pixels than this; their colours say enough.
constexpr int kSampleSide = 512;

// Every pixel of a copy at most kSampleSide on its longer side, taken by
// nearest neighbour, with the geometry of `edits`.
TBitmap Sample(const TBitmap& photo, const EditSettings& edits) {
    const int longest = std::max(photo.Width(), photo.Height());
    if (longest <= kSampleSide) return ApplyGeometry(photo, edits);
    TBitmap small(std::max(1, photo.Width() * kSampleSide / longest),
                  std::max(1, photo.Height() * kSampleSide / longest));
    small.StretchDraw(photo);
    return ApplyGeometry(small, ForScaledCopy(edits, photo.Width(), photo.Height(), small.Width(), small.Height()));
}

struct LinearPixel {
    double c[3];
};

// The colour of the light: the mean of the pixels that are neither black
// nor clipped, taken again over the more neutral half of them, so that a
// large coloured area (grass, a wall) pulls it less.
std::array<double, 3> LightColour(const std::vector<LinearPixel>& pixels) {
    std::array<double, 3> mean{0, 0, 0};
    for (const LinearPixel& p : pixels)
        for (int c = 0; c < 3; ++c) mean[size_t(c)] += p.c[c];
    if (pixels.empty() || mean[0] <= 0 || mean[1] <= 0 || mean[2] <= 0) return {1, 1, 1};
    std::vector<std::pair<double, size_t>> distance;
    for (size_t i = 0; i < pixels.size(); ++i) {
        double most = 0, least = 1e9;
        for (int c = 0; c < 3; ++c) {
            const double r = pixels[i].c[c] / mean[size_t(c)];
            most = std::max(most, r);
            least = std::min(least, r);
        }
        distance.push_back({least > 0 ? most / least : 1e9, i});
    }
    std::nth_element(distance.begin(), distance.begin() + long(distance.size() / 2), distance.end());
    std::array<double, 3> neutral{0, 0, 0};
    for (size_t k = 0; k <= distance.size() / 2 && k < distance.size(); ++k)
        for (int c = 0; c < 3; ++c) neutral[size_t(c)] += pixels[distance[k].second].c[c];
    if (neutral[0] <= 0 || neutral[1] <= 0 || neutral[2] <= 0) return mean;
    return neutral;
}

double Percentile(std::vector<double>& values, double share) {
    const size_t at = std::min(values.size() - 1, size_t(share * double(values.size())));
    std::nth_element(values.begin(), values.begin() + long(at), values.end());
    return values[at];
}

int ToSlider(AdjustmentId id, double value) {
    const Adjustment& row = AdjustmentOf(id);
    return std::clamp(int(std::lround(value / row.step)), row.lowest, row.highest);
}

// Warmth and tint that take the light's colour away. Warmth moves red
// against blue, tint both against green: in stops, red - green = warmth +
// tint and blue - green = tint - warmth.
void BalanceWhite(const TBitmap& sample, EditSettings& edits) {
    std::vector<LinearPixel> pixels;
    pixels.reserve(size_t(sample.Width()) * size_t(sample.Height()));
    for (int y = 0; y < sample.Height(); ++y)
        for (int x = 0; x < sample.Width(); ++x) {
            const uint8_t* p = sample.Pixel(x, y);
            LinearPixel l{{SrgbToLinear(p[0] / 255.0), SrgbToLinear(p[1] / 255.0), SrgbToLinear(p[2] / 255.0)}};
            const double most = std::max({l.c[0], l.c[1], l.c[2]});
            if (most > 0.01 && most < 0.95) pixels.push_back(l);
        }
    const std::array<double, 3> light = LightColour(pixels);
    const double redOverGreen = std::log2(light[1] / light[2]), blueOverGreen = std::log2(light[1] / light[0]);
    const double warmth = (redOverGreen - blueOverGreen) / 2 / kWarmthStops;
    const double tint = (redOverGreen + blueOverGreen) / 2 / kTintStops;
    edits.SetValue(AdjustmentId::kWarmth, ToSlider(AdjustmentId::kWarmth, warmth * 100));
    edits.SetValue(AdjustmentId::kTint, ToSlider(AdjustmentId::kTint, tint * 100));
}

// Exposure, contrast, highlights and shadows from the histogram of the
// luminance once the white balance of `edits` is made.
void SetLevels(const TBitmap& sample, EditSettings& edits) {
    EditSettings balanced = EditSettings::Neutral();
    balanced.SetValue(AdjustmentId::kWarmth, edits.Value(AdjustmentId::kWarmth));
    balanced.SetValue(AdjustmentId::kTint, edits.Value(AdjustmentId::kTint));
    const Parameters p = ParametersOf(balanced, sample.Width(), sample.Height());
    std::vector<double> luma;
    luma.reserve(size_t(sample.Width()) * size_t(sample.Height()));
    for (int y = 0; y < sample.Height(); ++y)
        for (int x = 0; x < sample.Width(); ++x) {
            const uint8_t* q = sample.Pixel(x, y);
            const double v[3] = {ChannelCurve(p, 0, q[0] / 255.0), ChannelCurve(p, 1, q[1] / 255.0),
                                 ChannelCurve(p, 2, q[2] / 255.0)};
            luma.push_back(Luma(v));
        }
    const double low = Percentile(luma, 0.005), middle = Percentile(luma, 0.5), high = Percentile(luma, 0.995);
    // Brighten a dark photo towards a middle grey no further than its
    // highlights allow (a little roll-off is fine); darken a bright one
    // gently.
    const double toMiddle = std::log2(SrgbToLinear(0.46) / std::max(SrgbToLinear(middle), 1e-4));
    const double toWhite = std::log2(SrgbToLinear(0.98) / std::max(SrgbToLinear(high), 1e-4));
    const double stops =
        toMiddle > 0 ? std::min(toMiddle, std::max(0.0, toWhite) + 0.3) : std::max(toMiddle / 2, -1.0);
    edits.SetValue(AdjustmentId::kExposure, ToSlider(AdjustmentId::kExposure, std::clamp(stops, -2.0, 2.0)));
    // A narrow histogram gets contrast; many pixels near white after the
    // exposure get their highlights brought back, many near black their
    // shadows lifted.
    const double spread = high - low;
    edits.SetValue(AdjustmentId::kContrast,
                   spread < 0.8 ? ToSlider(AdjustmentId::kContrast, std::min(50.0, (0.8 - spread) * 100)) : 0);
    const double shift = std::exp2(stops / 2.2);
    const auto share = [&](auto test) {
        return double(std::count_if(luma.begin(), luma.end(), test)) / double(luma.size());
    };
    const double bright = share([&](double l) { return l * shift > 0.92; });
    const double dark = share([&](double l) { return l * shift < 0.1; });
    edits.SetValue(AdjustmentId::kHighlights,
                   bright > 0.02 ? ToSlider(AdjustmentId::kHighlights, -std::min(60.0, bright * 500)) : 0);
    edits.SetValue(AdjustmentId::kShadows, dark > 0.05 ? ToSlider(AdjustmentId::kShadows, std::min(50.0, dark * 300)) : 0);
}

}  // namespace

EditSettings AutoAdjusted(const TBitmap& photo, EditSettings edits) {
    if (photo.Empty()) return edits;
    const TBitmap sample = Sample(photo, edits);
    BalanceWhite(sample, edits);
    SetLevels(sample, edits);
    return edits;
}

}  // namespace corvessa
