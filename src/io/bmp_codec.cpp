#include "io/bmp_codec.h"

#include <cstring>
#include <new>

#include "io/jpeg_codec.h"
#include "ground/error.h"

namespace corvessa {

namespace {

void Put16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const TBitmap& picture) {
    // The file's sizes are 32-bit fields: the size limits keep them so.
    CheckPictureSize(picture.Width(), picture.Height());
    constexpr uint32_t kHeaderBytes = 14 + 40;
    const uint32_t stride = (uint32_t(picture.RowBytes()) + 3u) & ~3u;
    const uint32_t imageBytes = stride * uint32_t(picture.Height());
    std::vector<uint8_t> file;
    try {
        file.resize(kHeaderBytes + imageBytes);
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory();
    }
    uint8_t* h = file.data();
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 2, kHeaderBytes + imageBytes);
    Put32(h + 10, kHeaderBytes);
    Put32(h + 14, 40);  // BITMAPINFOHEADER
    Put32(h + 18, uint32_t(picture.Width()));
    Put32(h + 22, uint32_t(picture.Height()));  // positive: bottom-up rows
    Put16(h + 26, 1);                           // planes
    Put16(h + 28, 24);                          // bits per pixel
    Put32(h + 34, imageBytes);                  // compression 0 (BI_RGB) at 30 stays zero
    for (int y = 0; y < picture.Height(); ++y)
        std::memcpy(h + kHeaderBytes + size_t(picture.Height() - 1 - y) * stride, picture.Row(y),
                    picture.RowBytes());
    return file;
}

}  // namespace corvessa
