#include "ground/shared_bitmap.h"

namespace corvessa {

const TBitmap& SharedBitmap::Empty() {
    static const TBitmap empty;
    return empty;
}

TBitmap& SharedBitmap::Write() {
    if (!pixels_) {
        pixels_ = std::make_shared<TBitmap>();
    } else if (pixels_.use_count() > 1) {
        auto own = std::make_shared<TBitmap>();
        own->CopyFrom(*pixels_);
        pixels_ = std::move(own);
    }
    pixels_->SetFillColor(fill_);
    return *pixels_;
}

TBitmap& SharedBitmap::Rewrite() {
    if (!pixels_ || pixels_.use_count() > 1) pixels_ = std::make_shared<TBitmap>();
    pixels_->SetFillColor(fill_);
    return *pixels_;
}

void SharedBitmap::Adopt(TBitmap&& pixels) {
    fill_ = pixels.FillColor();
    pixels_ = std::make_shared<TBitmap>(std::move(pixels));
}

}  // namespace corvessa
