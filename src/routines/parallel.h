#pragma once
// The one place that owns threading for row loops. A routine hands over a
// function of a band of rows [begin, end); bands are contiguous and cover
// the picture, each handled by one thread. Small jobs run on the caller's
// thread, where starting threads would cost more than it saves.

#include <omp.h>

#include <algorithm>
#include <cstddef>

namespace corvessa {

inline constexpr size_t kParallelMinBytes = size_t(1) << 18;

template <class BandFn>
void ForEachRowBand(int rows, size_t bytesPerRow, BandFn&& band) {
    if (rows <= 0) return;
    if (size_t(rows) * bytesPerRow < kParallelMinBytes || omp_get_max_threads() == 1) {
        band(0, rows);
        return;
    }
#pragma omp parallel
    {
        const int threads = omp_get_num_threads();
        const int index = omp_get_thread_num();
        const int begin = int(int64_t(rows) * index / threads);
        const int end = int(int64_t(rows) * (index + 1) / threads);
        if (begin < end) band(begin, end);
    }
}

// Row loops whose rows are independent of each other.
template <class RowFn>
void ForEachRow(int rows, size_t bytesPerRow, RowFn&& row) {
    ForEachRowBand(rows, bytesPerRow, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) row(y);
    });
}

}  // namespace corvessa
