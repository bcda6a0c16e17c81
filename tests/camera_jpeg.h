#pragma once
// JPEG files as phones and cameras write them: Exif camera data with an
// orientation tag, an embedded thumbnail and an ICC colour profile.

#include <cstdint>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::test {

inline constexpr const char* kTestCameraModel = "Corvessa Test Camera";
inline constexpr const char* kTestCaptureDate = "2026:12:08 10:11:12";
inline constexpr const char* kTestLatitude = "52/1 31/1 0/1";

// An RGB colour profile (Adobe RGB's, as a camera set to it writes).
std::vector<uint8_t> IccProfile();

// `picture` as a JPEG carrying the camera model, capture date and latitude
// above, the orientation tag `orientation`, the stored picture's pixel
// dimensions, a thumbnail and IccProfile().
std::vector<uint8_t> CameraJpeg(const TBitmap& picture, int orientation);
// CameraJpeg with XMP (a title, the orientation, the width) and IPTC (a
// caption, a keyword) data as well.
std::vector<uint8_t> RichCameraJpeg(const TBitmap& picture, int orientation);

}  // namespace corvessa::test
