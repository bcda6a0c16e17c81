// Auto: white balance and levels read from the photo, as slider values the
// user can see and move on from. Every proposal stays well within its
// slider: Auto corrects, it does not restyle.

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

// The colour of the light, by the grey-edge rule (van de Weijer, Gevers
// and Gijsenij): the differences between neighbouring pixels average to
// grey in a scene under white light, whatever colours its areas have, so
// a blue sky or a green lawn, whose inside has no edges, pulls it less
// than it pulls the mean. In linear light; pixels near black or white
// have no say.
std::array<double, 3> LightColour(const TBitmap& sample) {
    std::vector<double> linear(256);
    for (int i = 0; i < 256; ++i) linear[size_t(i)] = SrgbToLinear(i / 255.0);
    const auto usable = [&](const uint8_t* p) {
        const uint8_t most = std::max({p[0], p[1], p[2]});
        return most > 25 && most < 245;
    };
    std::array<double, 3> edges{0, 0, 0};
    for (int y = 0; y + 1 < sample.Height(); ++y)
        for (int x = 0; x + 1 < sample.Width(); ++x) {
            const uint8_t *p = sample.Pixel(x, y), *right = sample.Pixel(x + 1, y), *down = sample.Pixel(x, y + 1);
            if (!usable(p) || !usable(right) || !usable(down)) continue;
            for (size_t c = 0; c < 3; ++c)
                edges[c] += std::abs(linear[p[c]] - linear[right[c]]) + std::abs(linear[p[c]] - linear[down[c]]);
        }
    if (edges[0] <= 0 || edges[1] <= 0 || edges[2] <= 0) return {1, 1, 1};
    return edges;
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
    const std::array<double, 3> light = LightColour(sample);
    const double redOverGreen = std::log2(light[1] / light[2]), blueOverGreen = std::log2(light[1] / light[0]);
    const double warmth = (redOverGreen - blueOverGreen) / 2 / kWarmthStops;
    const double tint = (redOverGreen + blueOverGreen) / 2 / kTintStops;
    // A scene's own colour (a sunset, a lamp-lit room) is part of it:
    // Auto takes away no more than three quarters of either slider's reach.
    edits.SetValue(AdjustmentId::kWarmth, ToSlider(AdjustmentId::kWarmth, std::clamp(warmth * 100, -75.0, 75.0)));
    edits.SetValue(AdjustmentId::kTint, ToSlider(AdjustmentId::kTint, std::clamp(tint * 100, -75.0, 75.0)));
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
    edits.SetValue(AdjustmentId::kExposure, ToSlider(AdjustmentId::kExposure, std::clamp(stops, -1.5, 1.5)));
    // A narrow histogram gets contrast; many pixels near white after the
    // exposure get their highlights brought back, many near black their
    // shadows lifted.
    const double spread = high - low;
    edits.SetValue(AdjustmentId::kContrast,
                   spread < 0.8 ? ToSlider(AdjustmentId::kContrast, std::min(30.0, (0.8 - spread) * 100)) : 0);
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
