// The adjustment table and the edit value's own questions. Everything that
// lists the adjustments (the Edit panel's sliders, --adjust, the help page,
// the manual page and the tests) reads this one table.

#include <algorithm>
#include <cmath>

#include "edit/edit.h"

namespace corvessa {

const std::array<Adjustment, kAdjustmentCount> kAdjustments{{
    {AdjustmentId::kExposure, "exposure", "Exposure", -300, 300, 0, 0.01,
     "Brightens or darkens as a longer or shorter exposure would, in stops (EV); highlights roll off instead of clipping"},
    {AdjustmentId::kContrast, "contrast", "Contrast", -100, 100, 0, 1,
     "Steepens the tones around the middle grey, or flattens them below 0"},
    {AdjustmentId::kHighlights, "highlights", "Highlights", -100, 100, 0, 1,
     "Darkens bright areas to bring back their detail, or brightens them above 0"},
    {AdjustmentId::kShadows, "shadows", "Shadows", -100, 100, 0, 1,
     "Brightens dark areas to bring out their detail, or deepens them below 0"},
    {AdjustmentId::kSaturation, "saturation", "Saturation", -100, 100, 0, 1,
     "Strengthens every colour alike; -100 is black and white"},
    {AdjustmentId::kVibrance, "vibrance", "Vibrance", -100, 100, 0, 1,
     "Strengthens muted colours more than strong ones and spares skin tones"},
    {AdjustmentId::kWarmth, "warmth", "Warmth", -100, 100, 0, 1,
     "Warms the light towards yellow, or cools it towards blue below 0"},
    {AdjustmentId::kTint, "tint", "Tint", -100, 100, 0, 1,
     "Shifts the colours towards magenta, or towards green below 0"},
    {AdjustmentId::kVignette, "vignette", "Vignette", -100, 100, 0, 1,
     "Darkens the corners, or lightens them below 0"},
    {AdjustmentId::kSharpen, "sharpen", "Sharpen", -100, 100, 0, 1,
     "Sharpens fine detail, or softens it below 0"},
}};

const Adjustment& AdjustmentOf(AdjustmentId id) { return kAdjustments[size_t(id)]; }

const Adjustment* AdjustmentByKey(std::string_view key) {
    for (const Adjustment& row : kAdjustments)
        if (row.key == key) return &row;
    return nullptr;
}

EditSettings EditSettings::Neutral() {
    EditSettings edits;
    for (const Adjustment& row : kAdjustments) edits.SetValue(row.id, row.neutral);
    return edits;
}

bool EditSettings::GeometryIsNeutral() const {
    return quarterTurns % 4 == 0 && !flipHorizontal && !flipVertical && std::lround(straightenDegrees * 10) == 0 &&
           !crop.has_value();
}

bool EditSettings::AdjustmentsAreNeutral() const {
    return std::all_of(kAdjustments.begin(), kAdjustments.end(),
                       [&](const Adjustment& row) { return Value(row.id) == row.neutral; });
}

bool EditSettings::IsNeutral() const { return GeometryIsNeutral() && AdjustmentsAreNeutral(); }

}  // namespace corvessa
