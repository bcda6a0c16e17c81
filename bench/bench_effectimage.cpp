// Every effect of the component on a 24-megapixel picture, including the
// copy in and out that the photo routines pay around blur and mosaic.
#include <benchmark/benchmark.h>

#include <functional>
#include <span>
#include <string>
#include <utility>

#include "bench_support.h"
#include "effectimage/effect_image.h"

using namespace corvessa;

namespace {

using namespace corvessa::bench;

// The picture is put into the component untimed; the effect call alone is
// timed, as the window would run it.
void RunEffect(benchmark::State& state, const std::function<void(TProEffectImage&)>& effect) {
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

// Every effect of the component's table with its ordinary arguments.
const bool kRegistered = [] {
    for (const EffectEntry& entry : kEffects)
        benchmark::RegisterBenchmark(("BM_Effect_" + std::string(entry.name)).c_str(),
                                     [&entry](benchmark::State& state) {
                                         const auto arguments = OrdinaryArguments(entry, kPhotoWidth, kPhotoHeight);
                                         RunEffect(state, [&](TProEffectImage& image) {
                                             entry.apply(image, std::span<const int>(arguments.data(), entry.parameterCount));
                                         });
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(3);
    return true;
}();

}  // namespace
