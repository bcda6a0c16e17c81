#pragma once
// TProEffectImage: owns one picture and offers 21 whole-picture effects.
// The program uses it as a filter engine: copy a bitmap into Picture(),
// call one Effect_ method, copy Picture() back out.

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

#include "ground/bitmap.h"
#include "ground/random.h"

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

    // Two spare bitmaps of the component; no effect reads or writes them.
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

// --- The effects as one table ----------------------------------------------
//
// Everything that offers or walks "every effect" (the command-line renderer,
// the tests, the benchmark) reads this table. Adding an effect means its
// method in its family's file and a row here.

// Parameters that are picture coordinates give their range and typical
// value in percent of the picture's width or height.
enum class ParameterScale { kNone, kPercentOfWidth, kPercentOfHeight };

struct EffectParameter {
    std::string_view name;  // as the command line names it
    int low, high;          // the range worth trying
    int ordinary;           // a typical value
    ParameterScale scale = ParameterScale::kNone;

    // `value` (low, high, ordinary or any other) for a picture of that size.
    constexpr int For(int value, int width, int height) const {
        if (scale == ParameterScale::kPercentOfWidth) return int(int64_t(value) * width / 100);
        if (scale == ParameterScale::kPercentOfHeight) return int(int64_t(value) * height / 100);
        return value;
    }
};

inline constexpr size_t kMaxEffectParameters = 5;

struct EffectEntry {
    std::string_view name;  // the method's name without "Effect_"
    std::array<EffectParameter, kMaxEffectParameters> parameters;
    size_t parameterCount;
    // Runs the effect with one argument per parameter.
    void (*apply)(TProEffectImage&, std::span<const int> arguments);

    std::span<const EffectParameter> Parameters() const { return {parameters.data(), parameterCount}; }
};

namespace effect_table {

using Apply = void (*)(TProEffectImage&, std::span<const int>);
constexpr EffectEntry NoArgument(std::string_view name, Apply apply) { return {name, {}, 0, apply}; }
constexpr EffectEntry OneArgument(std::string_view name, EffectParameter parameter, Apply apply) {
    return {name, {parameter}, 1, apply};
}

}  // namespace effect_table

// In the order of the component's method table.
inline constexpr std::array<EffectEntry, 21> kEffects = [] {
    using namespace effect_table;
    using E = TProEffectImage&;
    using A = std::span<const int>;
    constexpr auto kWidth = ParameterScale::kPercentOfWidth;
    constexpr auto kHeight = ParameterScale::kPercentOfHeight;
    return std::array<EffectEntry, 21>{{
        NoArgument("Invert", [](E e, A) { e.Effect_Invert(); }),
        OneArgument("AddColorNoise", {"RANGE", 0, 255, 40}, [](E e, A a) { e.Effect_AddColorNoise(a[0]); }),
        OneArgument("AddMonoNoise", {"RANGE", 0, 255, 40}, [](E e, A a) { e.Effect_AddMonoNoise(a[0]); }),
        NoArgument("AntiAlias", [](E e, A) { e.Effect_AntiAlias(); }),
        OneArgument("Contrast", {"STRENGTH", -255, 255, 100}, [](E e, A a) { e.Effect_Contrast(a[0]); }),
        OneArgument("FishEye", {"RADIUSFACTOR", 1, 10, 2}, [](E e, A a) { e.Effect_FishEye(a[0]); }),
        NoArgument("GrayScale", [](E e, A) { e.Effect_GrayScale(); }),
        OneArgument("Lightness", {"STRENGTH", -255, 255, 100}, [](E e, A a) { e.Effect_Lightness(a[0]); }),
        OneArgument("Darkness", {"STRENGTH", -255, 255, 100}, [](E e, A a) { e.Effect_Darkness(a[0]); }),
        OneArgument("Saturation", {"STRENGTH", -255, 1020, 400}, [](E e, A a) { e.Effect_Saturation(a[0]); }),
        OneArgument("SplitBlur", {"DISTANCE", 0, 64, 3}, [](E e, A a) { e.Effect_SplitBlur(a[0]); }),
        OneArgument("GaussianBlur", {"EXTRAPASSES", -1, 8, 3}, [](E e, A a) { e.Effect_GaussianBlur(a[0]); }),
        OneArgument("Mosaic", {"BLOCKSIZE", 0, 255, 8}, [](E e, A a) { e.Effect_Mosaic(a[0]); }),
        OneArgument("Twist", {"RADIUS", 1, 1000, 20}, [](E e, A a) { e.Effect_Twist(a[0]); }),
        OneArgument("Splitlight", {"PASSES", 0, 8, 2}, [](E e, A a) { e.Effect_Splitlight(a[0]); }),
        OneArgument("Tile", {"TILESPERSIDE", 1, 16, 3}, [](E e, A a) { e.Effect_Tile(a[0]); }),
        EffectEntry{"SpotLight",
                    {{{"STRENGTH", 0, 255, 80},
                      {"LEFT", 0, 100, 10, kWidth},
                      {"TOP", 0, 100, 10, kHeight},
                      {"RIGHT", 0, 100, 90, kWidth},
                      {"BOTTOM", 0, 100, 90, kHeight}}},
                    5,
                    [](E e, A a) {
                        TRect rect{a[1], a[2], a[3], a[4]};
                        e.Effect_SpotLight(a[0], rect);
                    }},
        OneArgument("Trace", {"PASSES", 0, 8, 2}, [](E e, A a) { e.Effect_Trace(a[0]); }),
        NoArgument("Emboss", [](E e, A) { e.Effect_Emboss(); }),
        OneArgument("Solorize", {"THRESHOLD", -1, 255, 128}, [](E e, A a) { e.Effect_Solorize(a[0]); }),
        OneArgument("Posterize", {"LEVELSTEP", 1, 255, 32}, [](E e, A a) { e.Effect_Posterize(a[0]); }),
    }};
}();

// The effect of that name without regard to letter case, or nothing.
const EffectEntry* FindEffect(std::string_view name);

// The ordinary arguments of `effect` for a picture of that size.
std::array<int, kMaxEffectParameters> OrdinaryArguments(const EffectEntry& effect, int width, int height);

// Fills `target` (its size set by the caller) with `source` resampled
// bilinearly in 15-bit fixed point; used by Effect_Tile.
void ResampleBilinear(const TBitmap& source, TBitmap& target);

}  // namespace corvessa
