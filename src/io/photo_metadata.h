#pragma once
// Camera metadata that travels with the working photo: the Exif, XMP and
// IPTC data and the ICC colour profile of the opened file, written back
// into a saved JPEG. Cheap to copy; empty for photos without any.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "routines/bitmap.h"

namespace corvessa {

class PhotoMetadata {
public:
    PhotoMetadata() = default;
    bool Empty() const { return !data_; }
    // The Exif orientation tag (1..8); 1 when there is none.
    int Orientation() const;

    struct Data;

private:
    friend PhotoMetadata ReadPhotoMetadata(const std::vector<uint8_t>& file);
    friend std::vector<uint8_t> EmbedMetadata(const std::vector<uint8_t>& jpeg, const PhotoMetadata& metadata);
    std::shared_ptr<const Data> data_;
};

// The metadata of a JPEG file's bytes. Anything but a JPEG, and a JPEG
// whose metadata cannot be parsed, gives empty metadata: broken metadata
// never stops a photo from opening.
PhotoMetadata ReadPhotoMetadata(const std::vector<uint8_t>& file);

// The JPEG `jpeg` with `metadata` written into it: orientation reset to 1
// (the pixels are stored upright), the embedded thumbnail dropped (it
// shows the photo before editing), the colour profile unchanged. If the
// metadata cannot be written, the JPEG is returned without it.
std::vector<uint8_t> EmbedMetadata(const std::vector<uint8_t>& jpeg, const PhotoMetadata& metadata);

// A photo as the user opens it: read like ReadPhotoFile, then turned
// upright by its orientation tag; `metadata` receives what the file
// carries.
TBitmap ReadPhotoUpright(const std::string& path, PhotoMetadata& metadata);

// Saves a JPEG as WriteJpegFile does, carrying `metadata`.
void WriteJpegFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata);
// WritePictureFile, carrying `metadata` when the extension makes a JPEG.
void WritePictureFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata);

}  // namespace corvessa
