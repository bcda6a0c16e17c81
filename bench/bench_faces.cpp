// "Keep faces clear" on a 24-megapixel photo, as ratios to one memcpy of
// its bytes: finding the faces (the reduced grey copy and the detector on
// it), and taking a look back over one face through the feathered mask.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "faces/faces.h"

using namespace corvessa;

namespace {

using namespace corvessa::bench;

void BM_FacesReducedCopy(benchmark::State& state) {
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(ReducedGrey(Photo24())); });
}
BENCHMARK(BM_FacesReducedCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The search for one photo's faces, the detector's model read already (as
// for every photo after the first in the window and in a batch).
void BM_FacesFind(benchmark::State& state) {
    FaceFinder finder;
    finder.Find(Pattern(64, 64, 1));
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(finder.Find(Photo24())); });
}
BENCHMARK(BM_FacesFind)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The first photo: the model read too.
void BM_FacesFindFirst(benchmark::State& state) {
    TimeAgainstMemcpy(state, [&] { benchmark::DoNotOptimize(FindFaces(Photo24())); });
}
BENCHMARK(BM_FacesFindFirst)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// A portrait's face, a sixth of the photo's width.
void BM_FacesKeepClear(benchmark::State& state) {
    const std::vector<FaceBox> faces = {{2500, 900, 1000, 1100}};
    TBitmap look = Pattern(kPhotoWidth, kPhotoHeight, 5);
    TimeAgainstMemcpy(state, [&] { KeepFacesClear(look, Photo24(), faces); });
}
BENCHMARK(BM_FacesKeepClear)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
