#pragma once
// What every 24-megapixel benchmark shares: the photo, the yardstick (one
// memcpy of the photo buffer, measured in the same run because the
// machine's speed drifts) and per-iteration timing whose median is reported
// beside the yardstick as a ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "ground/bitmap.h"

namespace corvessa::bench {

inline constexpr int kPhotoWidth = 6000, kPhotoHeight = 4000;

// A 24-megapixel photo-like picture: smooth gradients with texture and
// edges, so that no routine meets uniform areas or pure noise.
const TBitmap& Photo24();

// A w x h picture of byte ramps mixed with `seed`: cheap to make, different
// for every seed, never uniform.
TBitmap Pattern(int w, int h, uint32_t seed);

// Median wall time of one memcpy of the photo buffer into a buffer that
// was touched before, in milliseconds.
double MemcpyMilliseconds();

// Median of a few timed calls, in milliseconds.
class Stopwatch {
public:
    template <class F>
    double Time(F&& f) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        samples_.push_back(ms);
        return ms;
    }
    double Median() const {
        if (samples_.empty()) return 0;
        std::vector<double> s = samples_;
        std::nth_element(s.begin(), s.begin() + s.size() / 2, s.end());
        return s[s.size() / 2];
    }

private:
    std::vector<double> samples_;
};

// Runs `f` once per benchmark iteration under manual timing and reports
// the median time and its ratio to one memcpy of the photo buffer.
template <class F>
void TimeAgainstMemcpy(benchmark::State& state, F&& f) {
    const double memcpyMs = MemcpyMilliseconds();
    Stopwatch watch;
    for (auto _ : state) state.SetIterationTime(watch.Time(f) / 1000.0);
    const double median = watch.Median();
    state.counters["median_ms"] = median;
    state.counters["memcpy_ms"] = memcpyMs;
    state.counters["x_memcpy"] = median / memcpyMs;
}

}  // namespace corvessa::bench
