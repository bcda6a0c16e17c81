#include "session/blank_photo.h"

#include <cstdint>
#include <cstring>

namespace corvessa {

bool BlankPhotoCheck(TBitmap& photo, RandomGenerator& random) {
    if (!LooksBlank(photo, random)) return false;
    PaintWhite(photo);
    return true;
}

void PaintWhite(TBitmap& photo) {
    photo.SetFillColor(kWhite);
    photo.FillAll();
}

bool LooksBlank(const TBitmap& photo, RandomGenerator& random) {
    const int w = photo.Width(), h = photo.Height();
    // Without the reference pixel no sample can match it.
    const bool hasReference = w > 4 && h > 8;
    uint8_t reference[3] = {0, 0, 0};
    if (hasReference) std::memcpy(reference, photo.Pixel(4, 8), 3);

    random.Randomize();
    for (int i = 0; i < 11; ++i) {
        // x before y: the order of the two draws is part of the result.
        const int x = int(random.Random(uint32_t(w > 0 ? w - 1 : 0)));
        const int y = int(random.Random(uint32_t(h > 0 ? h - 1 : 0)));
        if (!hasReference || std::memcmp(photo.Pixel(x, y), reference, 3) != 0) return false;
    }
    return true;
}

}  // namespace corvessa
