#pragma once
// Edits before a look: the geometry (quarter turns, mirroring, straightening
// and a crop) and ten adjustments of tone and colour, as one value that the
// window's Edit panel, the batch and corvessa-render fill alike and one
// pipeline applies, so the same edit gives the same bytes everywhere. Every
// edit at its neutral value changes no byte. No Qt.
//
// The pipeline's order is a photo editor's: turn and mirror, straighten
// (keeping the largest upright rectangle of the photo's shape), crop within
// what that leaves, then adjust.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ground/bitmap.h"

namespace corvessa {

// The adjustments, in the table's order.
enum class AdjustmentId : uint8_t {
    kExposure,
    kContrast,
    kHighlights,
    kShadows,
    kSaturation,
    kVibrance,
    kWarmth,
    kTint,
    kVignette,
    kSharpen,
};
inline constexpr int kAdjustmentCount = 10;

// One row of the adjustment table: the sliders of the Edit panel, the
// names --adjust takes, the help page and the tests all read it.
struct Adjustment {
    AdjustmentId id;
    std::string_view key;    // as --adjust spells it: "exposure"
    std::string_view label;  // as the panel shows it: "Exposure"
    int lowest, highest;     // the slider's range, in `step`s
    int neutral;
    double step;             // what one slider unit is worth (exposure: 0.01 EV)
    std::string_view help;   // what it does, in one line
};
extern const std::array<Adjustment, kAdjustmentCount> kAdjustments;
const Adjustment& AdjustmentOf(AdjustmentId id);
// The row whose key is `key`, or null.
const Adjustment* AdjustmentByKey(std::string_view key);

// The straightening angle's range and step, in degrees.
inline constexpr double kMostStraighten = 45.0, kStraightenStep = 0.1;

// A crop: a rectangle in pixels of the photo as the geometry before the
// crop leaves it, or the largest centred rectangle of a shape.
struct Crop {
    int x = 0, y = 0, width = 0, height = 0;  // width 0: by ratio
    int ratioWidth = 0, ratioHeight = 0;      // 4:5; 0:0 for none
    friend bool operator==(const Crop&, const Crop&) = default;
};

struct EditSettings {
    int quarterTurns = 0;  // clockwise, 0..3
    bool flipHorizontal = false, flipVertical = false;
    double straightenDegrees = 0;  // -45..45, in steps of 0.1, clockwise
    std::optional<Crop> crop;
    // Each adjustment's slider value, in its row's order.
    std::array<int, kAdjustmentCount> adjustments{};  // set to each row's neutral by Neutral()

    static EditSettings Neutral();
    bool IsNeutral() const;
    bool GeometryIsNeutral() const;
    bool AdjustmentsAreNeutral() const;
    int Value(AdjustmentId id) const { return adjustments[size_t(id)]; }
    void SetValue(AdjustmentId id, int value) { adjustments[size_t(id)] = value; }
    friend bool operator==(const EditSettings&, const EditSettings&) = default;
};

// A rectangle of pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The size of a `width` x `height` photo after the turns and the
// straightening of `edits`, before the crop: what crop coordinates count in.
PixelRect UncroppedRect(int width, int height, const EditSettings& edits);
// The rectangle `crop` keeps of a `width` x `height` picture: its own
// rectangle clipped to the picture, or the largest centred one of its
// ratio. Empty when nothing of the picture is left.
PixelRect CropRect(int width, int height, const Crop& crop);
// The size of the edited photo.
PixelRect EditedRect(int width, int height, const EditSettings& edits);

// The same edits for a copy of the photo scaled from `fullWidth` x
// `fullHeight` to `copyWidth` x `copyHeight` (the window's screen-size
// copy): a crop in pixels is scaled with it; everything else already
// scales with the picture.
EditSettings ForScaledCopy(const EditSettings& edits, int fullWidth, int fullHeight, int copyWidth, int copyHeight);

// The photo with the edits applied; a copy of the photo's own pixels when
// the edits are neutral. Runs on all cores; stops at the calling thread's
// stop flag (WorkStopped). Throws CorvessaError "The crop leaves nothing
// of the photo" when the crop lies beside the photo, std::bad_alloc when
// the memory for the result cannot be had; the photo is never changed.
TBitmap ApplyEdits(const TBitmap& photo, const EditSettings& edits);
// The two halves of ApplyEdits, ApplyAdjustments(ApplyGeometry(photo)):
// while the user drags, the window keeps the geometry's result of its
// screen-size copy (made with ForScaledCopy's settings) and runs only
// ApplyAdjustments on it again for each slider move (about 7 ms for
// 1600 x 1067 on two cores).
TBitmap ApplyGeometry(const TBitmap& photo, const EditSettings& edits);
TBitmap ApplyAdjustments(const TBitmap& photo, const EditSettings& edits);

// `edits` with the adjustment values Auto proposes for `photo`: exposure,
// contrast, highlights and shadows (levels) from the histogram of its
// luminance, warmth and tint (white balance) from the colour of its edges
// (the grey-edge rule), each well within its slider's reach; the geometry
// and the other adjustments are left as they are. Looks at the photo as the geometry of `edits`
// leaves it (at most 512 pixels on its longer side, so it costs little
// on a photo of any size); throws as ApplyGeometry does.
EditSettings AutoAdjusted(const TBitmap& photo, EditSettings edits);

}  // namespace corvessa
