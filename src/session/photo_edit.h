#pragma once
// One visit of the Edit panel, without any window: the working photo it
// began on, the edits as the user has set them so far, the crop frame's
// arithmetic, and what the panel shows while the user decides (the edits
// on a screen-size copy). Accepting it is one Apply of the session
// (PhotoSession::ApplyEdit).

#include <cstdint>
#include <memory>
#include <optional>

#include "edit/edit.h"
#include "ground/bitmap.h"

namespace corvessa {

class PhotoSession;

// The smallest side, in photo pixels, a crop frame can be dragged to.
inline constexpr int kLeastCropSide = 16;

// What of a crop frame a drag holds.
enum class FrameHandle { kNone, kInside, kLeft, kRight, kTop, kBottom, kTopLeft, kTopRight, kBottomLeft, kBottomRight };

// `frame` dragged by (dx, dy) photo pixels at `handle`, within a picture
// of `width` x `height`, keeping the shape ratioWidth:ratioHeight unless
// that is 0:0. A side dragged moves alone, its opposite side stays; with a
// shape, a corner's opposite corner stays and a side's middle line does.
// The frame never leaves the picture nor gets smaller than kLeastCropSide
// (or the picture).
PixelRect DragFrame(PixelRect frame, FrameHandle handle, int dx, int dy, int width, int height, int ratioWidth,
                    int ratioHeight);

// `frame` moved and, where it must be, shrunk about its centre (keeping its
// shape) to lie within a `width` x `height` picture.
PixelRect FitFrame(PixelRect frame, int width, int height);

class PhotoEdit {
public:
    // Begins on `session`'s working photo, every edit at neutral.
    explicit PhotoEdit(const PhotoSession& session);

    // The working photo as it was when the panel opened, and its generation.
    const std::shared_ptr<const TBitmap>& Photo() const { return photo_; }
    uint64_t Generation() const { return generation_; }
    const EditSettings& Edits() const { return edits_; }
    // Whether accepting would change the photo.
    bool Changed() const { return !edits_.IsNeutral(); }

    // The photo as the turns and straightening leave it, where the crop
    // counts in pixels; and the part of it the crop keeps (all of it
    // without a crop).
    PixelRect Uncropped() const;
    PixelRect Kept() const;

    // Turns by `quarterTurns` clockwise as the user sees the photo (a
    // mirrored photo turns the other way underneath). A crop frame made by
    // hand goes back to its shape's largest.
    void Turn(int quarterTurns);
    // Mirrors the photo as the user sees it, left to right or top to bottom.
    void Flip(bool horizontal);
    // A crop frame made by hand is kept within the new picture.
    void Straighten(double degrees);
    // The crop: none, the largest centred one of a shape, or a frame. A
    // crop that keeps everything is none.
    void SetCrop(std::optional<Crop> crop);
    void SetValue(AdjustmentId id, int value);
    // Auto's adjustments for the photo as the geometry leaves it.
    void Auto();
    // Every edit back at neutral.
    void Reset();

private:
    void DropWholeCrop();

    std::shared_ptr<const TBitmap> photo_;
    uint64_t generation_ = 0;
    EditSettings edits_ = EditSettings::Neutral();
};

// What the Edit panel shows of the edits on a screen-size copy of the
// photo: the copy turned and straightened (kept while only the crop and
// the adjustments change) and, shown, that picture with the crop's part
// adjusted (the whole of it adjusted without a crop).
struct EditView {
    std::shared_ptr<const TBitmap> shaped;
    EditSettings shapedBy;  // its turns, mirrors and straightening
    std::shared_ptr<const TBitmap> shown;
};

// The view of `edits` on `copy`, a screen-size copy of a photo of
// fullWidth x fullHeight; the shaped picture of `earlier` is used again
// where its geometry is the same. Runs off the window's thread.
EditView MakeEditView(const std::shared_ptr<const TBitmap>& copy, int fullWidth, int fullHeight,
                      const EditSettings& edits, const EditView& earlier);

}  // namespace corvessa
