#pragma once
// The heads of the files read through Qt's image plugins (BMP, GIF, WebP,
// TIFF) and the bytes that hold their pictures. Qt's readers allocate and
// fill the whole picture a header claims before they find its data
// missing, so a file of a few bytes could cost seconds and gigabytes.
// Claims are checked against the size limits and against what the file
// could hold (CheckPictureClaim) or, where the bytes that hold the picture
// can be told, what those hold (CheckPictureDataClaim). No Qt.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace corvessa {

// A BMP's or a GIF's claim, from the file's first `size` bytes (all of it,
// or its head before the rest is read) and its size. Throws "Picture is
// too large" and "Bitmap image is not valid: REASON".
void CheckBmpClaim(const uint8_t* bytes, size_t size, uint64_t fileSize);
void CheckGifClaim(const uint8_t* bytes, size_t size, uint64_t fileSize);

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
