#include "effectimage/effect_image.h"

#include <utility>

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
        scratch_.CopyFrom(picture_);
        routine(scratch_);
        AdoptScratch();
    }
    NotifyRepaint();
}

void TProEffectImage::Derive(const std::function<void(const TBitmap&, TBitmap&)>& routine) {
    if (!picture_.Empty()) {
        if (scratch_.Width() != picture_.Width() || scratch_.Height() != picture_.Height())
            scratch_ = TBitmap(picture_.Width(), picture_.Height());
        routine(picture_, scratch_);
        AdoptScratch();
    }
    NotifyRepaint();
}

void TProEffectImage::AdoptScratch() {
    const Rgb fill = picture_.FillColor();
    std::swap(picture_, scratch_);
    picture_.SetFillColor(fill);
}

}  // namespace corvessa
