// Turning, mirroring, straightening and cropping.

#include "edit/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ground/error.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

int NormalTurns(int quarterTurns) { return ((quarterTurns % 4) + 4) % 4; }

}  // namespace

double StraightenAngle(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    return std::clamp(std::round(degrees * 10) / 10, -kMostStraighten, kMostStraighten);
}

PixelRect StraightenedRect(int width, int height, double degrees) {
    const double angle = StraightenAngle(degrees);
    if (angle == 0) return {0, 0, width, height};
    const double radians = std::abs(angle) * M_PI / 180, c = std::cos(radians), s = std::sin(radians);
    const double w = width, h = height;
    const double scale = std::min(w / (w * c + h * s), h / (w * s + h * c));
    // A hair less than the exact size, so that no corner pixel samples
    // outside the turned photo.
    const int keptWidth = std::max(1, int(std::floor(w * scale - 1e-6)));
    const int keptHeight = std::max(1, int(std::floor(h * scale - 1e-6)));
    return {(width - keptWidth) / 2, (height - keptHeight) / 2, keptWidth, keptHeight};
}

PixelRect UncroppedRect(int width, int height, const EditSettings& edits) {
    if (NormalTurns(edits.quarterTurns) % 2 == 1) std::swap(width, height);
    const PixelRect kept = StraightenedRect(width, height, edits.straightenDegrees);
    return {0, 0, kept.width, kept.height};
}

PixelRect CropRect(int width, int height, const Crop& crop) {
    if (crop.width > 0 && crop.height > 0) {
        const int left = std::clamp(crop.x, 0, width), top = std::clamp(crop.y, 0, height);
        const int right = int(std::clamp(int64_t(crop.x) + crop.width, int64_t(0), int64_t(width)));
        const int bottom = int(std::clamp(int64_t(crop.y) + crop.height, int64_t(0), int64_t(height)));
        if (right <= left || bottom <= top) return {};
        return {left, top, right - left, bottom - top};
    }
    if (crop.ratioWidth <= 0 || crop.ratioHeight <= 0 || width <= 0 || height <= 0) return {0, 0, width, height};
    // The widest rectangle of the ratio the height allows, else the tallest
    // the width allows.
    int64_t w = int64_t(height) * crop.ratioWidth / crop.ratioHeight, h = height;
    if (w > width) {
        w = width;
        h = int64_t(width) * crop.ratioHeight / crop.ratioWidth;
    }
    w = std::max<int64_t>(w, 1);
    h = std::max<int64_t>(h, 1);
    return {int((width - w) / 2), int((height - h) / 2), int(w), int(h)};
}

PixelRect EditedRect(int width, int height, const EditSettings& edits) {
    const PixelRect uncropped = UncroppedRect(width, height, edits);
    if (!edits.crop) return uncropped;
    const PixelRect kept = CropRect(uncropped.width, uncropped.height, *edits.crop);
    return {0, 0, kept.width, kept.height};
}

EditSettings ForScaledCopy(const EditSettings& edits, int fullWidth, int fullHeight, int copyWidth, int copyHeight) {
    EditSettings scaled = edits;
    if (!edits.crop || edits.crop->width <= 0 || fullWidth <= 0 || fullHeight <= 0) return scaled;
    // The crop counts in pixels after the turns, where the sides may have
    // changed places.
    const bool across = NormalTurns(edits.quarterTurns) % 2 == 1;
    const double sx = double(across ? copyHeight : copyWidth) / (across ? fullHeight : fullWidth);
    const double sy = double(across ? copyWidth : copyHeight) / (across ? fullWidth : fullHeight);
    Crop& crop = *scaled.crop;
    const int right = int(std::lround((crop.x + crop.width) * sx));
    const int bottom = int(std::lround((crop.y + crop.height) * sy));
    crop.x = int(std::lround(crop.x * sx));
    crop.y = int(std::lround(crop.y * sy));
    crop.width = std::max(1, right - crop.x);
    crop.height = std::max(1, bottom - crop.y);
    return scaled;
}

TBitmap CopyRect(const TBitmap& photo, const PixelRect& rect) {
    TBitmap out(rect.width, rect.height);
    const size_t rowBytes = out.RowBytes();
    ForEachRow(rect.height, rowBytes, [&](int y) {
        std::memcpy(out.Row(y), photo.Pixel(rect.x, rect.y + y), rowBytes);
    });
    return out;
}

}  // namespace corvessa
