#pragma once
// The formats read and written through Qt's image plugins (BMP, WebP, TIFF,
// GIF and the further ones), with the checks that keep Qt's readers from
// allocating what a file's header claims before they find its data
// missing: claims are held to the size limits and to what the file could
// hold (CheckPictureClaim) or, where the bytes that hold the picture can be
// told, to what those hold (CheckPictureDataClaim).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa {

// Decodes `data` with Qt's reader of `format` ("bmp", "webp", "tiff", ...)
// and no other, into 24-bit colour. Throws "Bitmap image is not valid:
// REASON", "Picture is too large" and "Not enough memory for the picture".
TBitmap DecodeWithQt(const uint8_t* data, size_t length, const char* format);
// Encodes with Qt's writer of `format` at 72 dpi; `quality` (1..100) for a
// lossy writer, 0 for its own default.
std::vector<uint8_t> EncodeWithQt(const TBitmap& picture, const char* format, int quality = 0);

// Whether Qt's plugins read, write `format`.
bool QtReads(std::string_view format);
bool QtWrites(std::string_view format);

// What DecodeWithQt would refuse of a file of `fileSize` bytes from its
// first `size` bytes alone, thrown in the decoder's words: a start that is
// not the format's, a header that claims too much.
void CheckBmpHead(const uint8_t* head, size_t size, uint64_t fileSize);
void CheckGifHead(const uint8_t* head, size_t size, uint64_t fileSize);
void CheckWebpHead(const uint8_t* head, size_t size, uint64_t fileSize);
void CheckTiffHead(const uint8_t* head, size_t size, uint64_t fileSize);

// Whether the bytes start as a WebP file (RIFF, WEBP), a TIFF (classic or
// BigTIFF, either byte order).
bool IsWebpFile(const uint8_t* head, size_t size);
bool IsTiff(const uint8_t* head, size_t size);

// The bytes of picture data by which the WebP and TIFF readers hold a
// claim to CheckPictureDataClaim; nothing when the file's structure does
// not tell (then the file's size counts). WebP: the payloads of the VP8 or
// VP8L chunk, the ALPH chunk and the first animation frame the decoder
// reads, within the RIFF size. TIFF (classic or BigTIFF, either byte
// order): the bytes that the first directory's strips or tiles cover, each
// byte once however many strips point at it.
std::optional<uint64_t> WebpPictureDataBytes(const uint8_t* bytes, size_t size);
std::optional<uint64_t> TiffPictureDataBytes(const uint8_t* bytes, size_t size);

}  // namespace corvessa
