#pragma once
// The formats read and written through Qt's image plugins (BMP, WebP, TIFF,
// GIF and the further ones). What a file's header claims is held to the
// size limits and to the file (io/qt_claims.h) before Qt's reader
// allocates it.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// Decodes `data` with Qt's reader of `format` ("bmp", "webp", "tiff", ...)
// and no other, into 24-bit colour. Throws "Bitmap image is not valid:
// REASON", "Picture is too large" and "Not enough memory for the picture".
TBitmap DecodeWithQt(const uint8_t* data, size_t length, const char* format);
// Encodes with Qt's writer of `format` at 72 dpi; `quality` (1..100) for a
// lossy writer, 0 for its own default. A writer that keeps a colour space
// (TIFF's) writes `iccProfile` where Qt takes it (a profile of matrices
// and curves, as cameras' and phones' are).
std::vector<uint8_t> EncodeWithQt(const TBitmap& picture, const char* format, int quality = 0,
                                  const std::vector<uint8_t>& iccProfile = {});

// Whether Qt's plugins read, write `format`.
bool QtReads(std::string_view format);
bool QtWrites(std::string_view format);

}  // namespace corvessa
