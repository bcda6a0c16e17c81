#include "io/photo_export.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "io/colour_profile.h"

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
    const PhotoMetadata kept = choices.stripMetadata   ? WithoutCameraData(metadata)
                               : choices.stripLocation ? WithoutLocation(metadata)
                                                       : metadata;
    return choices.srgb ? kept.WithColour(ColourProfile()) : kept;
}

void ConvertForExport(TBitmap& photo, const PhotoMetadata& metadata, const ExportChoices& choices) {
    if (choices.srgb) ConvertToSrgb(photo, metadata.Colour());
}

void PrepareExport(TBitmap& photo, PhotoMetadata& metadata, const ExportChoices& choices) {
    const PictureSize size = ExportSize(photo.Width(), photo.Height(), choices);
    if (size.width != photo.Width() || size.height != photo.Height()) {
        TBitmap smaller = Resample(photo, size.width, size.height);
        photo = std::move(smaller);
    }
    // Converted once smaller: the same colours for a sixth of the work at
    // a 2048-pixel edge.
    ConvertForExport(photo, metadata, choices);
    metadata = ExportedMetadata(metadata, choices);
}

}  // namespace corvessa
