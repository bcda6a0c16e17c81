#pragma once
// The sizes a HEIF (HEIC, AVIF) file claims, held to the bytes it holds
// before libheif or a decoder makes room for them. No Qt.

#include <cstddef>
#include <cstdint>

namespace corvessa {
namespace heif {

// Every size the file's boxes claim, checked before libheif reads
// anything else: the image size of every item (the primary image, its
// alpha, its tiles), the pictures that the decoders make room for whatever
// those say (those of every HEVC sequence parameter set and AV1 sequence
// header), and every grid's tiles. Only the bytes of coded pictures count
// towards what the file can hold, not padding around them; returns their
// number.
size_t CheckClaimedSizes(const uint8_t* data, size_t size);

// A claim of `width` x `height` pixels against `pictureBytes` bytes of
// coded pictures.
void CheckHeifClaim(int64_t width, int64_t height, size_t pictureBytes);

}  // namespace heif
}  // namespace corvessa
