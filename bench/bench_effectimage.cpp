// Every effect of the component on a 24-megapixel picture, including the
// copy in and out that the photo routines pay around blur and mosaic.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "bench_support.h"
#include "effectimage/effect_image.h"

using namespace corvessa;

namespace {

using namespace corvessa::bench;

// The picture is put into the component untimed; the effect call alone is
// timed, as the window would run it.
void RunEffect(benchmark::State& state, void (*effect)(TProEffectImage&)) {
    RandomGenerator random(1);
    TProEffectImage image(random);
    Stopwatch watch;
    const double memcpyMs = MemcpyMilliseconds();
    for (auto _ : state) {
        image.Picture().CopyFrom(Photo24());
        state.SetIterationTime(watch.Time([&] { effect(image); }) / 1000.0);
    }
    state.counters["median_ms"] = watch.Median();
    state.counters["memcpy_ms"] = memcpyMs;
    state.counters["x_memcpy"] = watch.Median() / memcpyMs;
}

// What a photo routine pays to blur through the component: copy in, blur,
// copy out.
void BM_GaussianBlurRoundTrip(benchmark::State& state) {
    RandomGenerator random(1);
    TProEffectImage image(random);
    TBitmap photo;
    photo.CopyFrom(Photo24());
    TimeAgainstMemcpy(state, [&] {
        image.Picture().CopyFrom(photo);
        image.Effect_GaussianBlur(3);
        photo.CopyFrom(image.Picture());
    });
}
BENCHMARK(BM_GaussianBlurRoundTrip)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

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
    {"Mosaic", [](TProEffectImage& e) { e.Effect_Mosaic(kPhotoWidth / 15); }},
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
            ->UseManualTime()
            ->Iterations(3);
    return true;
}();

}  // namespace
