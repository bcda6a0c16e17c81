#include "effectimage/effect_image.h"

namespace corvessa {

TProEffectImage::TProEffectImage(RandomGenerator& random) : random_(random) {}

void TProEffectImage::NotifyRepaint() {
    if (repaint_) repaint_();
}

void TProEffectImage::RewriteInPlace(const std::function<void(TBitmap&)>& routine) {
    if (!picture_.Empty()) routine(picture_);
    NotifyRepaint();
}

void TProEffectImage::RewriteCopy(const std::function<void(TBitmap&)>& routine) {
    if (!picture_.Empty()) {
        TBitmap copy;
        copy.CopyFrom(picture_);
        routine(copy);
        picture_.TakePixels(std::move(copy));
    }
    NotifyRepaint();
}

void TProEffectImage::Derive(const std::function<void(const TBitmap&, TBitmap&)>& routine) {
    if (!picture_.Empty()) {
        TBitmap target(picture_.Width(), picture_.Height());
        routine(picture_, target);
        picture_.TakePixels(std::move(target));
    }
    NotifyRepaint();
}

}  // namespace corvessa
