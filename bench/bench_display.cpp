// What the screen costs on a 24-megapixel photo: fitting it into a view by
// area averaging (cold, then one pan step at the same size), the same for
// a Display P3 photo converted to an sRGB display (the colour-managed
// path beside the unmanaged one), and mixing a look with the photo at a
// strength, as the preview's slider does.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "ground/strength.h"
#include "io/colour_profile.h"
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

// The fit of a P3 photo painted on an sRGB display: scaled, then what is
// painted converted (the transform made once per photo and display).
void BM_FitForDisplayManaged(benchmark::State& state) {
    const auto transform = DisplayTransform(ColourProfile::DisplayP3(), ColourProfile());
    TBitmap out;
    bench::TimeAgainstMemcpy(state, [&] {
        DisplayScaler scaler;
        scaler.Scale(bench::Photo24(), kViewWidth, kViewHeight, {0, 0, kViewWidth, kViewHeight}, out);
        transform->Convert(out);
    });
}
BENCHMARK(BM_FitForDisplayManaged)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The conversion alone, what a repaint at a new zoom or pan adds.
void BM_ConvertViewForDisplay(benchmark::State& state) {
    const auto transform = DisplayTransform(ColourProfile::DisplayP3(), ColourProfile());
    TBitmap view(kViewWidth, kViewHeight);
    view.CopyRect(bench::Photo24(), kViewWidth, kViewHeight);
    bench::TimeAgainstMemcpy(state, [&] { transform->Convert(view); });
}
BENCHMARK(BM_ConvertViewForDisplay)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_MixByStrength(benchmark::State& state) {
    const TBitmap look = bench::Pattern(bench::kPhotoWidth, bench::kPhotoHeight, 7);
    TBitmap out(bench::kPhotoWidth, bench::kPhotoHeight);
    int strength = 30;
    bench::TimeAgainstMemcpy(state, [&] { MixByStrength(look, bench::Photo24(), strength++ % 100, out); });
}
BENCHMARK(BM_MixByStrength)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
