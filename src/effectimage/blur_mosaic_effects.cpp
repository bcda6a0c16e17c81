// The component's blur and mosaic effects: the filters of blur_mosaic.h
// reached the component's way.

#include "effectimage/blur_mosaic.h"
#include "effectimage/effect_image.h"

namespace corvessa {

// The blur is a working-copy effect, but a pass allocates nothing and
// cannot fail part-way, so rewriting the picture itself gives the same
// picture without copying it first.
void TProEffectImage::Effect_SplitBlur(int distance) {
    RewriteInPlace([&](TBitmap& picture) { SplitBlur(picture, distance); });
}

void TProEffectImage::Effect_GaussianBlur(int extraPasses) {
    RewriteInPlace([&](TBitmap& picture) { GaussianBlur(picture, extraPasses); });
}

void TProEffectImage::Effect_Mosaic(int blockSize) {
    if (blockSize <= 1) return NotifyRepaint();
    Derive([&](const TBitmap& source, TBitmap& target) { Mosaic(source, target, blockSize); });
}

}  // namespace corvessa
