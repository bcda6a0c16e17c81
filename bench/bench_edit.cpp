// The edits before a look on a 24-megapixel photo, as ratios to one memcpy
// of its bytes: every adjustment at once, straightening, a quarter turn,
// and what a slider move costs on the window's screen-size copy.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "edit/edit.h"

using namespace corvessa;

namespace {

using namespace corvessa::bench;

EditSettings AllTen() {
    EditSettings edits = EditSettings::Neutral();
    for (const Adjustment& row : kAdjustments) edits.SetValue(row.id, row.highest / 3);
    return edits;
}

void BM_EditAdjustAllTen(benchmark::State& state) {
    const EditSettings edits = AllTen();
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ApplyAdjustments(Photo24(), edits)); });
}
BENCHMARK(BM_EditAdjustAllTen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// Exposure, contrast and white balance alone: one table a channel.
void BM_EditAdjustToneOnly(benchmark::State& state) {
    EditSettings edits = EditSettings::Neutral();
    edits.SetValue(AdjustmentId::kExposure, 40);
    edits.SetValue(AdjustmentId::kWarmth, 20);
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ApplyAdjustments(Photo24(), edits)); });
}
BENCHMARK(BM_EditAdjustToneOnly)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_EditStraighten(benchmark::State& state) {
    EditSettings edits = EditSettings::Neutral();
    edits.straightenDegrees = 2.5;
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ApplyGeometry(Photo24(), edits)); });
}
BENCHMARK(BM_EditStraighten)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_EditRotate90(benchmark::State& state) {
    EditSettings edits = EditSettings::Neutral();
    edits.quarterTurns = 1;
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ApplyGeometry(Photo24(), edits)); });
}
BENCHMARK(BM_EditRotate90)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// A slider moved in the Edit panel: all ten adjustments on the 1600 x 1067
// copy the window shows, straightened already. median_ms is what the
// screen waits for; the ratio is still to a memcpy of the 24-megapixel
// photo.
void BM_EditSliderOnScreenCopy(benchmark::State& state) {
    TBitmap screen(1600, 1067);
    screen.StretchDraw(Photo24());
    const EditSettings edits = AllTen();
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ApplyAdjustments(screen, edits)); });
}
BENCHMARK(BM_EditSliderOnScreenCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

}  // namespace
