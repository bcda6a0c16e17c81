// The adjustment table and the edit value's own questions. Everything that
// lists the adjustments (the Edit panel's sliders, --adjust, the help page,
// the manual page and the tests) reads this one table.

#include <algorithm>
#include <cmath>

#include "edit/edit.h"
#include "ground/words.h"

namespace corvessa {

const std::array<Adjustment, kAdjustmentCount> kAdjustments{{
    {AdjustmentId::kExposure, "exposure", CORVESSA_WORDS("Adjustments", "Exposure"), -300, 300, 0, 0.01,
     CORVESSA_WORDS("Adjustments", "Brighter or darker, in stops; highlights roll off, never clip")},
    {AdjustmentId::kContrast, "contrast", CORVESSA_WORDS("Adjustments", "Contrast"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Steeper tones about the middle grey, flatter below 0")},
    {AdjustmentId::kHighlights, "highlights", CORVESSA_WORDS("Adjustments", "Highlights"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Below 0 brings back bright areas' detail; above 0 brightens them")},
    {AdjustmentId::kShadows, "shadows", CORVESSA_WORDS("Adjustments", "Shadows"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Above 0 brings out dark areas' detail; below 0 deepens them")},
    {AdjustmentId::kSaturation, "saturation", CORVESSA_WORDS("Adjustments", "Saturation"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Every colour stronger, or weaker below 0; -100 is black and white")},
    {AdjustmentId::kVibrance, "vibrance", CORVESSA_WORDS("Adjustments", "Vibrance"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Muted colours stronger than strong ones, skin tones spared")},
    {AdjustmentId::kWarmth, "warmth", CORVESSA_WORDS("Adjustments", "Warmth"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Warmer light (yellow) above 0, cooler (blue) below")},
    {AdjustmentId::kTint, "tint", CORVESSA_WORDS("Adjustments", "Tint"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Towards magenta above 0, towards green below")},
    {AdjustmentId::kVignette, "vignette", CORVESSA_WORDS("Adjustments", "Vignette"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Darker corners above 0, lighter below")},
    {AdjustmentId::kSharpen, "sharpen", CORVESSA_WORDS("Adjustments", "Sharpen"), -100, 100, 0, 1,
     CORVESSA_WORDS("Adjustments", "Crisper fine detail above 0, softer below")},
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
