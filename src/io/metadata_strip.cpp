// Camera data taken out of a photo before it is shared.

#include <exiv2/exiv2.hpp>

#include <memory>
#include <string>

#include "io/photo_metadata.h"
#include "io/photo_metadata_data.h"

namespace corvessa {

namespace {

// Exiv2 files the GPS directory's tags under their own group; the pointer
// to that directory sits among the main image's tags, and XMP keeps the
// same values as exif:GPS... properties.
bool IsLocation(const Exiv2::Exifdatum& tag) {
    return tag.groupName() == "GPSInfo" || tag.key() == "Exif.Image.GPSTag";
}

bool IsLocation(const Exiv2::Xmpdatum& tag) { return tag.key().rfind("Xmp.exif.GPS", 0) == 0; }

template <class Tags>
void EraseLocation(Tags& tags) {
    for (auto it = tags.begin(); it != tags.end();) it = IsLocation(*it) ? tags.erase(it) : std::next(it);
}

}  // namespace

PhotoMetadata WithoutLocation(const PhotoMetadata& metadata) {
    if (!metadata.data_) return metadata;
    auto data = std::make_shared<PhotoMetadata::Data>(*metadata.data_);
    EraseLocation(data->exif);
    EraseLocation(data->xmp);
    PhotoMetadata result;
    result.data_ = std::move(data);
    return result;
}

PhotoMetadata WithoutCameraData(const PhotoMetadata& metadata) { return PhotoMetadata().WithColour(metadata.Colour()); }

}  // namespace corvessa
