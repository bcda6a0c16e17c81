// What the screen costs on a 24-megapixel photo: fitting it into a view by
// area averaging (cold, then one pan step at the same size) and mixing a
// look with the photo at a strength, as the preview's slider does.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "ground/strength.h"
#include "widgets/display_scale.h"

using namespace corvessa;

namespace {

// A main view of the large layout at twice the screen's density.
constexpr int kViewWidth = 1056, kViewHeight = 792;

void BM_FitForDisplay(benchmark::State& state) {
    TBitmap out;
    bench::TimeAgainstMemcpy(state, [&] {
        DisplayScaler scaler;  // nothing kept from the last time
        scaler.Scale(bench::Photo24(), kViewWidth, kViewHeight, {0, 0, kViewWidth, kViewHeight}, out);
    });
}
BENCHMARK(BM_FitForDisplay)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_MixByStrength(benchmark::State& state) {
    const TBitmap look = bench::Pattern(bench::kPhotoWidth, bench::kPhotoHeight, 7);
    TBitmap out(bench::kPhotoWidth, bench::kPhotoHeight);
    int strength = 30;
    bench::TimeAgainstMemcpy(state, [&] { MixByStrength(look, bench::Photo24(), strength++ % 100, out); });
}
BENCHMARK(BM_MixByStrength)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
