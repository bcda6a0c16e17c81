#include "session/photo_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "session/photo_session.h"

namespace corvessa {

namespace {

bool Moves(FrameHandle handle, FrameHandle a, FrameHandle b, FrameHandle c) {
    return handle == a || handle == b || handle == c;
}

using H = FrameHandle;

// A shaped frame dragged at a corner: the opposite corner stays, and the
// side the drag moved further (in widths of the shape) decides the size.
PixelRect DragShapedCorner(const PixelRect& f, FrameHandle handle, int dx, int dy, int width, int height, double shape) {
    const bool left = Moves(handle, H::kTopLeft, H::kBottomLeft, H::kLeft);
    const bool top = Moves(handle, H::kTopLeft, H::kTopRight, H::kTop);
    const int right = f.x + f.width, bottom = f.y + f.height;
    const double alongX = left ? -dx : dx, alongY = (top ? -dy : dy) * shape;
    double w = std::abs(alongX) >= std::abs(alongY) ? f.width + alongX : f.height * shape + alongY;
    const double most = std::min(double(left ? right : width - f.x), (top ? bottom : height - f.y) * shape);
    const double least = std::min(kLeastCropSide * std::max(1.0, shape), most);
    w = std::clamp(w, least, most);
    const int newWidth = std::max(1, int(std::lround(w)));
    const int newHeight = std::clamp(int(std::lround(w / shape)), 1, top ? bottom : height - f.y);
    return {left ? right - newWidth : f.x, top ? bottom - newHeight : f.y, newWidth, newHeight};
}

// A shaped frame dragged at a side: the opposite side stays, the frame
// grows or shrinks about its middle line across.
PixelRect DragShapedSide(const PixelRect& f, FrameHandle handle, int dx, int dy, int width, int height, double shape) {
    if (handle == H::kTop || handle == H::kBottom) {
        // The same drag on the picture turned a quarter, with the shape turned.
        const PixelRect turned = DragShapedSide({f.y, f.x, f.height, f.width}, handle == H::kTop ? H::kLeft : H::kRight,
                                                dy, dx, height, width, 1 / shape);
        return {turned.y, turned.x, turned.height, turned.width};
    }
    const bool left = handle == H::kLeft;
    const int right = f.x + f.width;
    const double middle = f.y + f.height / 2.0;
    const double most = std::min(double(left ? right : width - f.x), 2 * std::min(middle, height - middle) * shape);
    const double least = std::min(kLeastCropSide * std::max(1.0, shape), most);
    const double w = std::clamp(double(left ? f.width - dx : f.width + dx), least, most);
    const int newWidth = std::max(1, int(std::lround(w)));
    const int newHeight = std::clamp(int(std::lround(w / shape)), 1, height);
    const int top = std::clamp(int(std::lround(middle - newHeight / 2.0)), 0, height - newHeight);
    return {left ? right - newWidth : f.x, top, newWidth, newHeight};
}

}  // namespace

PixelRect DragFrame(PixelRect f, FrameHandle handle, int dx, int dy, int width, int height, int ratioWidth,
                    int ratioHeight) {
    if (width <= 0 || height <= 0 || handle == H::kNone) return f;
    f = FitFrame(f, width, height);
    if (handle == H::kInside) {
        f.x = std::clamp(f.x + dx, 0, width - f.width);
        f.y = std::clamp(f.y + dy, 0, height - f.height);
        return f;
    }
    if (ratioWidth > 0 && ratioHeight > 0) {
        const double shape = double(ratioWidth) / ratioHeight;
        if (handle == H::kLeft || handle == H::kRight || handle == H::kTop || handle == H::kBottom)
            return DragShapedSide(f, handle, dx, dy, width, height, shape);
        return DragShapedCorner(f, handle, dx, dy, width, height, shape);
    }
    const int leastWidth = std::min(kLeastCropSide, width), leastHeight = std::min(kLeastCropSide, height);
    int left = f.x, top = f.y, right = f.x + f.width, bottom = f.y + f.height;
    if (Moves(handle, H::kLeft, H::kTopLeft, H::kBottomLeft)) left = std::clamp(left + dx, 0, std::max(0, right - leastWidth));
    if (Moves(handle, H::kRight, H::kTopRight, H::kBottomRight)) right = std::clamp(right + dx, std::min(width, left + leastWidth), width);
    if (Moves(handle, H::kTop, H::kTopLeft, H::kTopRight)) top = std::clamp(top + dy, 0, std::max(0, bottom - leastHeight));
    if (Moves(handle, H::kBottom, H::kBottomLeft, H::kBottomRight))
        bottom = std::clamp(bottom + dy, std::min(height, top + leastHeight), height);
    return {left, top, right - left, bottom - top};
}

PixelRect FitFrame(PixelRect f, int width, int height) {
    if (f.width > width || f.height > height) {
        const double scale = std::min(double(width) / f.width, double(height) / f.height);
        const double middleX = f.x + f.width / 2.0, middleY = f.y + f.height / 2.0;
        f.width = std::clamp(int(f.width * scale), 1, width);
        f.height = std::clamp(int(f.height * scale), 1, height);
        f.x = int(std::lround(middleX - f.width / 2.0));
        f.y = int(std::lround(middleY - f.height / 2.0));
    }
    f.width = std::clamp(f.width, 1, std::max(1, width));
    f.height = std::clamp(f.height, 1, std::max(1, height));
    f.x = std::clamp(f.x, 0, std::max(0, width - f.width));
    f.y = std::clamp(f.y, 0, std::max(0, height - f.height));
    return f;
}

PhotoEdit::PhotoEdit(const PhotoSession& session)
    : photo_(session.WorkSnapshot()), generation_(session.WorkGeneration()) {}

PixelRect PhotoEdit::Uncropped() const { return UncroppedRect(photo_->Width(), photo_->Height(), edits_); }

PixelRect PhotoEdit::Kept() const {
    const PixelRect whole = Uncropped();
    return edits_.crop ? CropRect(whole.width, whole.height, *edits_.crop) : whole;
}

void PhotoEdit::DropWholeCrop() {
    if (edits_.crop && Kept() == Uncropped()) edits_.crop.reset();
}

void PhotoEdit::Turn(int quarterTurns) {
    // Stored, the turns come before the mirroring: under one mirror the
    // photo turns the other way to turn this way on screen.
    const int turns = edits_.flipHorizontal != edits_.flipVertical ? -quarterTurns : quarterTurns;
    edits_.quarterTurns = ((edits_.quarterTurns + turns) % 4 + 4) % 4;
    if (edits_.crop && edits_.crop->width > 0) {
        const Crop& crop = *edits_.crop;
        edits_.crop = crop.ratioWidth > 0 ? std::optional(Crop{0, 0, 0, 0, crop.ratioWidth, crop.ratioHeight}) : std::nullopt;
    }
    DropWholeCrop();
}

void PhotoEdit::Flip(bool horizontal) {
    const PixelRect whole = Uncropped();
    (horizontal ? edits_.flipHorizontal : edits_.flipVertical) ^= true;
    // The straightening comes after the mirror: mirrored, it turns the other way.
    edits_.straightenDegrees = edits_.straightenDegrees == 0 ? 0 : -edits_.straightenDegrees;
    if (edits_.flipHorizontal && edits_.flipVertical) {
        // Both mirrors are half a turn.
        edits_.flipHorizontal = edits_.flipVertical = false;
        edits_.quarterTurns = (edits_.quarterTurns + 2) % 4;
    }
    if (edits_.crop && edits_.crop->width > 0) {
        Crop& crop = *edits_.crop;
        if (horizontal)
            crop.x = whole.width - crop.x - crop.width;
        else
            crop.y = whole.height - crop.y - crop.height;
    }
}

void PhotoEdit::Straighten(double degrees) {
    edits_.straightenDegrees =
        std::isfinite(degrees) ? std::clamp(std::round(degrees * 10) / 10, -kMostStraighten, kMostStraighten) : 0;
    if (edits_.straightenDegrees == 0) edits_.straightenDegrees = 0;  // never -0: the same edit
    if (edits_.crop && edits_.crop->width > 0) {
        const PixelRect whole = Uncropped();
        Crop& crop = *edits_.crop;
        const PixelRect fitted = FitFrame({crop.x, crop.y, crop.width, crop.height}, whole.width, whole.height);
        crop.x = fitted.x;
        crop.y = fitted.y;
        crop.width = fitted.width;
        crop.height = fitted.height;
    }
    DropWholeCrop();
}

void PhotoEdit::SetCrop(std::optional<Crop> crop) {
    edits_.crop = crop;
    DropWholeCrop();
}

void PhotoEdit::SetValue(AdjustmentId id, int value) {
    const Adjustment& row = AdjustmentOf(id);
    edits_.SetValue(id, std::clamp(value, row.lowest, row.highest));
}

void PhotoEdit::Auto() { edits_ = AutoAdjusted(*photo_, edits_); }

void PhotoEdit::Reset() { edits_ = EditSettings::Neutral(); }

EditView MakeEditView(const std::shared_ptr<const TBitmap>& copy, int fullWidth, int fullHeight,
                      const EditSettings& edits, const EditView& earlier) {
    EditSettings geometry = EditSettings::Neutral();
    geometry.quarterTurns = edits.quarterTurns;
    geometry.flipHorizontal = edits.flipHorizontal;
    geometry.flipVertical = edits.flipVertical;
    geometry.straightenDegrees = edits.straightenDegrees;
    EditView view;
    if (earlier.shaped && earlier.shapedBy == geometry)
        view.shaped = earlier.shaped;
    else
        view.shaped = geometry.IsNeutral() ? copy : std::make_shared<const TBitmap>(ApplyGeometry(*copy, geometry));
    view.shapedBy = geometry;
    const TBitmap& shaped = *view.shaped;

    // The crop and the adjustments, on the shaped copy.
    EditSettings inner = ForScaledCopy(edits, fullWidth, fullHeight, copy->Width(), copy->Height());
    inner.quarterTurns = 0;
    inner.flipHorizontal = inner.flipVertical = false;
    inner.straightenDegrees = 0;
    const PixelRect whole{0, 0, shaped.Width(), shaped.Height()};
    PixelRect kept = inner.crop ? CropRect(shaped.Width(), shaped.Height(), *inner.crop) : whole;
    if (kept.width <= 0 || kept.height <= 0 || kept == whole) {
        inner.crop.reset();
        kept = whole;
    }
    TBitmap adjusted = ApplyEdits(shaped, inner);
    if (kept == whole) {
        view.shown = std::make_shared<const TBitmap>(std::move(adjusted));
        return view;
    }
    auto shown = std::make_shared<TBitmap>();
    shown->CopyFrom(shaped);
    shown->DrawAt(adjusted, kept.x, kept.y);
    view.shown = std::move(shown);
    return view;
}

}  // namespace corvessa
