#pragma once
// Camera metadata that travels with the working photo: the Exif, XMP and
// IPTC data and the colour profile of the opened file, written back into
// the saved file where its format has room. Cheap to copy; empty for
// photos without any.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ground/bitmap.h"
#include "io/colour_profile.h"
#include "io/files.h"
#include "io/photo_formats.h"

namespace corvessa {

class PhotoMetadata;
struct SavedMetadataBlocks;
// The bytes of a PNG as WritePngFileWithMetadata saves it (`quality` plays
// no part: PNG is lossless).
std::vector<uint8_t> EncodePngWithMetadata(const TBitmap& photo, const PhotoMetadata& metadata, int quality);
// Saves a PNG as WritePngFile does, with the colour profile (iCCP) and the
// Exif data (eXIf, orientation reset to 1, dimensions made the picture's,
// no thumbnail) of `metadata`.
void WritePngFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata,
                              LinkPolicy links = LinkPolicy::kFollowLikeTheKernel);

class PhotoMetadata {
public:
    PhotoMetadata() = default;
    bool Empty() const { return !data_; }
    // The Exif orientation tag (1..8); 1 when there is none.
    int Orientation() const;
    // The colours of the photo's values: the file's RGB profile, sRGB
    // (without a profile) when it had none or one that was not whole.
    ColourProfile Colour() const;
    // The same metadata with `colour` as the profile (sRGB's "none" for a
    // profile that is not RGB): the photo's values were converted, or
    // their colours became known only as they were decoded.
    PhotoMetadata WithColour(const ColourProfile& colour) const;

    struct Data;

private:
    friend PhotoMetadata ReadPhotoMetadata(const std::vector<uint8_t>& file);
    friend std::vector<uint8_t> EmbedMetadata(const std::vector<uint8_t>& jpeg, const PhotoMetadata& metadata,
                                              int width, int height);
    friend std::vector<uint8_t> EncodePngWithMetadata(const TBitmap& photo, const PhotoMetadata& metadata, int quality);
    friend PhotoMetadata ReadRawMetadata(const uint8_t* data, size_t size);
    friend PhotoMetadata MetadataFromBlocks(const std::vector<uint8_t>& exif, const std::string& xmp,
                                            const std::vector<uint8_t>& iccProfile, bool exifTurns);
    friend SavedMetadataBlocks SavedBlocks(const PhotoMetadata& metadata, int width, int height);
    friend PhotoMetadata WithoutLocation(const PhotoMetadata& metadata);
    friend PhotoMetadata WithoutCameraData(const PhotoMetadata& metadata);
    std::shared_ptr<const Data> data_;
};

// The metadata of a photo file's bytes: a JPEG, PNG, WebP, TIFF, HEIF or
// AVIF file, told by its content. Anything else gives empty metadata.
// Broken metadata never stops a photo from opening: of a JPEG with a
// broken block, the blocks that read cleanly are kept. Of HEIF and AVIF
// that record a rotation or mirroring, which their decoder applies, the
// orientation is 1: their Exif tag only repeats those.
PhotoMetadata ReadPhotoMetadata(const std::vector<uint8_t>& file);

// Metadata of Exif data (from its TIFF header on), an XMP packet and a
// colour profile as a file holds them apart; its orientation is the Exif
// tag's where `exifTurns`, else 1.
PhotoMetadata MetadataFromBlocks(const std::vector<uint8_t>& exif, const std::string& xmp,
                                 const std::vector<uint8_t>& iccProfile, bool exifTurns = true);
struct HeifMetadata;
// A HEIF or AVIF file's metadata from its blocks (ReadHeifMetadata).
PhotoMetadata MetadataOfHeif(const HeifMetadata& blocks);

// The camera data of a raw file (its Exif tags of the camera, the shot and
// GPS, and its XMP), with orientation 1: DecodeRaw already turned the
// pixels. The raw's own structure (strips, sensor tables, maker notes)
// stays behind.
PhotoMetadata ReadRawMetadata(const uint8_t* data, size_t size);
// The camera data of a JPEG XL file's Exif and XMP boxes, with orientation
// 1: DecodeJxl applies the codestream's. ReadPhotoMetadata gives the same
// for a JPEG XL file.
PhotoMetadata ReadJxlMetadata(const uint8_t* data, size_t size);

// The blocks a saved WebP, HEIF, AVIF or JPEG XL file carries, each empty
// where `metadata` has none or it cannot be written: the Exif data from
// its TIFF header on (orientation 1, dimensions made the picture's, no
// thumbnail, as a saved PNG has it), the XMP packet (orientation 1) and
// the colour profile.
struct SavedMetadataBlocks {
    std::vector<uint8_t> exif;
    std::string xmp;
    std::vector<uint8_t> iccProfile;
};
SavedMetadataBlocks SavedBlocks(const PhotoMetadata& metadata, int width, int height);

// `metadata` without where the photo was taken: the Exif GPS directory
// and XMP's GPS properties go, every other tag stays.
PhotoMetadata WithoutLocation(const PhotoMetadata& metadata);
// Only the colour profile of `metadata`, which says what its colours mean:
// nothing of the camera, the shot, the place or the people stays.
PhotoMetadata WithoutCameraData(const PhotoMetadata& metadata);

// The JPEG `jpeg`, a picture of `width` x `height`, with `metadata` written
// into it: orientation reset to 1 (the pixels are stored upright), the
// pixel dimensions made the picture's, the embedded thumbnail dropped (it
// shows the photo before editing), the colour profile unchanged. A block
// that cannot be written is left out; the JPEG is returned without any
// metadata only when none can be written.
std::vector<uint8_t> EmbedMetadata(const std::vector<uint8_t>& jpeg, const PhotoMetadata& metadata, int width,
                                   int height);

// A photo as the user opens it: read like ReadPhotoFile, then turned
// upright by its orientation tag; `metadata` receives what the file
// carries. `warning` receives what the user should be told about a photo
// that opened all the same (see DecodePhotoFile), "" for none; without
// `warning` it is printed on standard error as "PROGRAM: TEXT", as a
// command-line tool reports it.
TBitmap ReadPhotoUpright(const std::string& path, PhotoMetadata& metadata, std::string* warning = nullptr);

// The bytes of a JPEG as WriteJpegFileWithMetadata saves it, at `quality`
// (1..100; kDefaultQuality for EncodeJpeg's 90).
std::vector<uint8_t> EncodeJpegWithMetadata(const TBitmap& photo, const PhotoMetadata& metadata, int quality);
// Saves a JPEG as WriteJpegFile does, carrying `metadata`.
void WriteJpegFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata,
                               LinkPolicy links = LinkPolicy::kFollowLikeTheKernel);
// WritePictureFile, carrying `metadata` when the extension's format keeps
// camera data (JPEG, PNG), at `quality` where it is lossy. `links` as for
// WriteFileSafely (io/files.h).
void WritePictureFileWithMetadata(const TBitmap& photo, const std::string& path, const PhotoMetadata& metadata,
                                  LinkPolicy links = LinkPolicy::kFollowLikeTheKernel, int quality = kDefaultQuality);

}  // namespace corvessa
