#include <algorithm>
#include <stdexcept>

#include "io/jpeg_codec.h"
#include "lookpack/looks.h"

namespace corvessa::lookpack {

TBitmap RenderPackPicture(const PackFolder* folder, int number) {
    if (!folder) return RenderSamplePhoto();
    switch (folder->use) {
    case PictureUse::kScreen: return RenderScreenLook(*folder, number);
    case PictureUse::kOverlay: return RenderOverlayLook(*folder, number);
    case PictureUse::kEdgeMask: return RenderEdgeMask(*folder, number);
    case PictureUse::kLineTile: return RenderLineTile(*folder, number);
    case PictureUse::kTintMask: return RenderColorMask(*folder, number);
    }
    throw std::logic_error("unknown picture use");
}

std::vector<uint8_t> PackFileBytes(const PackFile& file) {
    const TBitmap picture = RenderPackPicture(file.folder, file.number);
    if (!file.folder) return EncodeJpeg(picture);
    std::vector<uint8_t> bytes = EncodeJpegWithQuality(picture, kPackQuality);
    // The loader puts a JFIF start with a 16-byte APP0 segment back in
    // place of our mark, so the stream must have been written with one.
    static constexpr uint8_t kJfifStart[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
    if (bytes.size() < 20 || !std::equal(std::begin(kJfifStart), std::end(kJfifStart), bytes.begin()))
        throw std::runtime_error("the JPEG encoder did not start with a plain JFIF header");
    std::copy(std::begin(kPackSignature), std::end(kPackSignature), bytes.begin());
    return bytes;
}

}  // namespace corvessa::lookpack
