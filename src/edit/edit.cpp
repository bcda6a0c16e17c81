// The pipeline: turn and mirror, straighten, crop, adjust.

#include "edit/edit.h"

#include "edit/geometry.h"
#include "ground/error.h"

namespace corvessa {

TBitmap ApplyGeometry(const TBitmap& photo, const EditSettings& edits) {
    TBitmap out;
    const bool turned = edits.quarterTurns % 4 != 0 || edits.flipHorizontal || edits.flipVertical;
    if (turned) out = TurnAndMirror(photo, edits.quarterTurns, edits.flipHorizontal, edits.flipVertical);
    const TBitmap& upright = turned ? out : photo;
    if (StraightenAngle(edits.straightenDegrees) != 0) out = Straighten(upright, edits.straightenDegrees);
    const TBitmap& straight = turned || StraightenAngle(edits.straightenDegrees) != 0 ? out : photo;
    if (edits.crop) {
        const PixelRect kept = CropRect(straight.Width(), straight.Height(), *edits.crop);
        if (kept.width <= 0 || kept.height <= 0) throw CorvessaError("The crop leaves nothing of the photo");
        if (kept != PixelRect{0, 0, straight.Width(), straight.Height()}) return CopyRect(straight, kept);
    }
    if (&straight == &out) return out;
    TBitmap copy;
    copy.CopyFrom(photo);
    return copy;
}

TBitmap ApplyEdits(const TBitmap& photo, const EditSettings& edits) {
    if (edits.GeometryIsNeutral()) return ApplyAdjustments(photo, edits);
    TBitmap shaped = ApplyGeometry(photo, edits);
    if (edits.AdjustmentsAreNeutral()) return shaped;
    return ApplyAdjustments(shaped, edits);
}

}  // namespace corvessa
