#pragma once
// TProEffectImage: owns one picture and offers 21 whole-picture effects.
// The program uses it as a filter engine: copy a bitmap into Picture(),
// call one Effect_ method, copy Picture() back out.

#include <functional>

#include "routines/bitmap.h"
#include "routines/random.h"

namespace corvessa {

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class TProEffectImage {
public:
    // `random` is the program-wide generator the noise effects draw from.
    explicit TProEffectImage(RandomGenerator& random);

    TBitmap& Picture() { return picture_; }
    const TBitmap& Picture() const { return picture_; }
    // Called whenever an effect has changed the picture (how a window
    // would repaint it); the component itself draws nothing.
    void SetRepaintCallback(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Unused by every effect; kept because the component has always had them.
    TBitmap BMP;
    TBitmap Mask;

    void Effect_Invert();
    void Effect_AddColorNoise(int range);
    void Effect_AddMonoNoise(int range);
    void Effect_AntiAlias();
    void Effect_Contrast(int strength);
    void Effect_FishEye(int radiusFactor);
    void Effect_GrayScale();
    void Effect_Lightness(int strength);
    void Effect_Darkness(int strength);
    void Effect_Saturation(int strength);
    void Effect_SplitBlur(int distance);
    void Effect_GaussianBlur(int extraPasses);
    void Effect_Mosaic(int blockSize);
    void Effect_Twist(int radius);
    void Effect_Splitlight(int passes);
    void Effect_Tile(int tilesPerSide);
    void Effect_SpotLight(int strength, TRect& rect);
    void Effect_Trace(int passes);
    void Effect_Emboss();
    void Effect_Solorize(int threshold);
    void Effect_Posterize(int levelStep);

private:
    // The three ways an effect reaches the pixels. An empty picture passes
    // through untouched. Every successful call ends with a repaint request,
    // also when the effect left the pixels as they were.
    //
    // In place: the routine rewrites the picture itself; if it fails, the
    // picture may be left partly processed.
    void RewriteInPlace(const std::function<void(TBitmap&)>& routine);
    // Working copy: the routine rewrites a copy of the picture, which then
    // replaces it; if the routine fails the picture keeps its content.
    void RewriteCopy(const std::function<void(TBitmap&)>& routine);
    // Source and destination: the routine reads the picture and writes every
    // pixel of a fresh bitmap of its size, which then replaces the picture.
    // Also serves working-copy effects whose pixels each depend on nothing
    // but their own value, so copying and rewriting fuse into one pass.
    void Derive(const std::function<void(const TBitmap& source, TBitmap& target)>& routine);
    // Makes the finished scratch bitmap the picture; the old picture's
    // pixels become the next call's scratch.
    void AdoptScratch();
    void NotifyRepaint();

    TBitmap picture_;
    // The working copy or destination of the last effect, kept between
    // calls: a photo-sized buffer that is allocated afresh costs a page fault
    // for every 4 KB on first touch, often more than the effect itself.
    TBitmap scratch_;
    RandomGenerator& random_;
    std::function<void()> repaint_;
};

// Fills `target` (its size set by the caller) with `source` resampled
// bilinearly in 15-bit fixed point; used by Effect_Tile.
void ResampleBilinear(const TBitmap& source, TBitmap& target);

}  // namespace corvessa
