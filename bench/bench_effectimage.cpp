// Every effect of the component on a 24-megapixel picture, including the
// copy in and out that the photo routines pay around blur and mosaic.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "effectimage/effect_image.h"

using namespace corvessa;

namespace {

constexpr int kWidth = 6000, kHeight = 4000;

const TBitmap& Photo() {
    static const TBitmap photo = [] {
        TBitmap b(kWidth, kHeight);
        // Smooth ramps with some detail, so that nothing is uniform.
        for (int y = 0; y < kHeight; ++y) {
            uint8_t* row = b.Row(y);
            for (int x = 0; x < kWidth; ++x) {
                row[3 * x] = uint8_t(x * 255 / kWidth);
                row[3 * x + 1] = uint8_t(y * 255 / kHeight);
                row[3 * x + 2] = uint8_t((x ^ y) & 0xff);
            }
        }
        return b;
    }();
    return photo;
}

void RunEffect(benchmark::State& state, void (*effect)(TProEffectImage&)) {
    RandomGenerator random(1);
    TProEffectImage image(random);
    for (auto _ : state) {
        state.PauseTiming();
        image.Picture().CopyFrom(Photo());
        state.ResumeTiming();
        effect(image);
    }
}

// What a photo routine pays to blur through the component: copy in, blur,
// copy out.
void BM_GaussianBlurRoundTrip(benchmark::State& state) {
    RandomGenerator random(1);
    TProEffectImage image(random);
    TBitmap photo;
    photo.CopyFrom(Photo());
    for (auto _ : state) {
        image.Picture().CopyFrom(photo);
        image.Effect_GaussianBlur(3);
        photo.CopyFrom(image.Picture());
    }
}
BENCHMARK(BM_GaussianBlurRoundTrip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

using EffectCall = void (*)(TProEffectImage&);

const std::pair<const char*, EffectCall> kEveryEffect[] = {
    {"Invert", [](TProEffectImage& e) { e.Effect_Invert(); }},
    {"AddColorNoise", [](TProEffectImage& e) { e.Effect_AddColorNoise(40); }},
    {"AddMonoNoise", [](TProEffectImage& e) { e.Effect_AddMonoNoise(40); }},
    {"AntiAlias", [](TProEffectImage& e) { e.Effect_AntiAlias(); }},
    {"Contrast", [](TProEffectImage& e) { e.Effect_Contrast(100); }},
    {"FishEye", [](TProEffectImage& e) { e.Effect_FishEye(2); }},
    {"GrayScale", [](TProEffectImage& e) { e.Effect_GrayScale(); }},
    {"Lightness", [](TProEffectImage& e) { e.Effect_Lightness(100); }},
    {"Darkness", [](TProEffectImage& e) { e.Effect_Darkness(100); }},
    {"Saturation", [](TProEffectImage& e) { e.Effect_Saturation(400); }},
    {"SplitBlur", [](TProEffectImage& e) { e.Effect_SplitBlur(3); }},
    {"GaussianBlur1", [](TProEffectImage& e) { e.Effect_GaussianBlur(1); }},
    {"GaussianBlur3", [](TProEffectImage& e) { e.Effect_GaussianBlur(3); }},
    {"Mosaic", [](TProEffectImage& e) { e.Effect_Mosaic(kWidth / 15); }},
    {"Twist", [](TProEffectImage& e) { e.Effect_Twist(1000); }},
    {"Splitlight", [](TProEffectImage& e) { e.Effect_Splitlight(2); }},
    {"Tile", [](TProEffectImage& e) { e.Effect_Tile(3); }},
    {"SpotLight", [](TProEffectImage& e) { TRect r{500, 300, 5500, 3700}; e.Effect_SpotLight(80, r); }},
    {"Trace", [](TProEffectImage& e) { e.Effect_Trace(2); }},
    {"Emboss", [](TProEffectImage& e) { e.Effect_Emboss(); }},
    {"Solorize", [](TProEffectImage& e) { e.Effect_Solorize(128); }},
    {"Posterize", [](TProEffectImage& e) { e.Effect_Posterize(32); }},
};

const bool kRegistered = [] {
    for (const auto& [name, call] : kEveryEffect)
        benchmark::RegisterBenchmark((std::string("BM_Effect_") + name).c_str(),
                                     [call = call](benchmark::State& state) { RunEffect(state, call); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    return true;
}();

}  // namespace
