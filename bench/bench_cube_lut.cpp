// A user's .cube table on a 24-megapixel photo, against memcpy: a 33-point
// cube (the common size), a 65-point one (cells miss the cache more) and a
// 1D curve.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench_support.h"
#include "looks/cube_lut.h"

using namespace corvessa;

namespace {

// A gentle grade: every channel bent and mixed a little with the others.
CubeLut Grade(int size, bool is3D) {
    CubeLut lut;
    lut.is3D = is3D;
    lut.size = size;
    const int count = is3D ? size * size * size : size;
    for (int i = 0; i < count; ++i) {
        const double d = size - 1;
        const double r = (i % size) / d, g = is3D ? (i / size % size) / d : r, b = is3D ? (i / size / size) / d : r;
        lut.values.push_back(float(std::pow(0.8 * r + 0.2 * g, 0.9)));
        lut.values.push_back(float(0.1 * r + 0.85 * g + 0.05 * b));
        lut.values.push_back(float(std::sqrt(0.9 * b + 0.1 * g)));
    }
    return lut;
}

void BM_CubeLut(benchmark::State& state, int size, bool is3D) {
    const PreparedLut lut(Grade(size, is3D));
    TBitmap out(bench::kPhotoWidth, bench::kPhotoHeight);
    bench::TimeAgainstMemcpy(state, [&] { lut.Apply(bench::Photo24(), out); });
}
BENCHMARK_CAPTURE(BM_CubeLut, cube33, 33, true)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK_CAPTURE(BM_CubeLut, cube65, 65, true)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK_CAPTURE(BM_CubeLut, curve1024, 1024, false)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace
