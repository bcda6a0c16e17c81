#include "io/photo_export.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvessa {

PictureSize ExportSize(int width, int height, const ExportChoices& choices) {
    if (choices.longEdge > 0) return WithLongEdge(width, height, choices.longEdge);
    if (choices.boxWidth > 0) return FitInside(width, height, choices.boxWidth, choices.boxHeight);
    if (choices.percent > 0 && choices.percent < 100) {
        const auto scaled = [&](int side) { return std::max(1, int(std::lround(double(side) * choices.percent / 100))); };
        return {scaled(width), scaled(height)};
    }
    return {width, height};
}

PhotoMetadata ExportedMetadata(const PhotoMetadata& metadata, const ExportChoices& choices) {
    if (choices.stripMetadata) return WithoutCameraData(metadata);
    if (choices.stripLocation) return WithoutLocation(metadata);
    return metadata;
}

void PrepareExport(TBitmap& photo, PhotoMetadata& metadata, const ExportChoices& choices) {
    metadata = ExportedMetadata(metadata, choices);
    const PictureSize size = ExportSize(photo.Width(), photo.Height(), choices);
    if (size.width != photo.Width() || size.height != photo.Height()) {
        TBitmap smaller = Resample(photo, size.width, size.height);
        photo = std::move(smaller);
    }
}

}  // namespace corvessa
