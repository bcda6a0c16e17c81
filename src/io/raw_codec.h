#pragma once
// Camera raw files (DNG, CR2, CR3, NEF, ARW, RAF, ORF, RW2, PEF) developed
// through LibRaw. No Qt.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ground/bitmap.h"

namespace corvessa {

// The raw formats by extension, with the MIME type desktops give them.
struct RawFormat {
    const char* extension;
    const char* mimeType;
};
inline constexpr RawFormat kRawFormats[] = {
    {"dng", "image/x-adobe-dng"},  {"cr2", "image/x-canon-cr2"},   {"cr3", "image/x-canon-cr3"},
    {"nef", "image/x-nikon-nef"},  {"arw", "image/x-sony-arw"},    {"raf", "image/x-fuji-raf"},
    {"orf", "image/x-olympus-orf"}, {"rw2", "image/x-panasonic-rw2"}, {"pef", "image/x-pentax-pef"},
};

// The raw developed as LibRaw develops it by default with the camera's
// white balance (sRGB, 8 bits, as `dcraw_emu -w` writes it) and turned
// upright by the raw's own orientation. The sensor's size and the
// developed picture's are checked against the program's limits before
// LibRaw takes memory for them. `warning`, when given, receives "" (a raw
// that decodes at all decodes whole). Throws "Picture is too large",
// "Bitmap image is not valid: REASON" (LibRaw's words) and "Not enough
// memory for the picture".
TBitmap DecodeRaw(const uint8_t* data, size_t size, std::string* warning = nullptr);
// The same at half the size each way (each 2 x 2 block of the sensor one
// pixel, without demosaicing): quick enough for thumbnails.
TBitmap DecodeRawHalfSize(const uint8_t* data, size_t size, std::string* warning = nullptr);

// Whether the bytes are a DNG: a TIFF whose first directory, within them,
// holds the DNGVersion tag (50706).
bool IsDng(const uint8_t* data, size_t size);

// What DecodeRaw would refuse of a file of `fileBytes` bytes from its
// first `headBytes` bytes alone: a start that is none of the raw formats',
// a TIFF directory within them that claims more pixels than the file can
// hold or the program takes.
void CheckRawStart(const uint8_t* head, size_t headBytes, uint64_t fileBytes);

}  // namespace corvessa
