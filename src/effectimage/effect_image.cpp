#include "effectimage/effect_image.h"

#include <cctype>
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

const EffectEntry* FindEffect(std::string_view name) {
    for (const EffectEntry& effect : kEffects) {
        if (effect.name.size() != name.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i)
            same = std::tolower((unsigned char)name[i]) == std::tolower((unsigned char)effect.name[i]);
        if (same) return &effect;
    }
    return nullptr;
}

std::array<int, kMaxEffectParameters> OrdinaryArguments(const EffectEntry& effect, int width, int height) {
    std::array<int, kMaxEffectParameters> arguments{};
    for (size_t i = 0; i < effect.parameterCount; ++i)
        arguments[i] = effect.parameters[i].For(effect.parameters[i].ordinary, width, height);
    return arguments;
}

}  // namespace corvessa
