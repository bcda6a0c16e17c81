#pragma once
// The one place that owns threading for row loops. A routine hands over a
// function of a band of rows [begin, end); bands are contiguous and cover
// the picture, each handled by one thread. Small jobs run on the caller's
// thread, where starting threads would cost more than it saves.
//
// Work that may be given up on (ground/stop.h) is checked between bands of
// at most kStopCheckRows rows and after every loop; a loop whose flag was
// set ends with WorkStopped, thrown on the calling thread once its threads
// are done. Outside a StopScope the loops run exactly as without one.

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

#include "ground/stop.h"

namespace corvessa {

inline constexpr size_t kParallelMinBytes = size_t(1) << 18;

namespace detail {
inline void ThrowIfSet(const StopFlag* stop) {
    if (stop && stop->Stopped()) throw WorkStopped();
}
}  // namespace detail

// The row loops the calling thread starts from now on use at most
// `threads` threads; 0 for one per core.
inline void LimitRowThreads(int threads) { omp_set_num_threads(threads > 0 ? threads : omp_get_num_procs()); }

// A band's rows may be handed over in several calls, each of contiguous
// rows in order; the result must not depend on where a band starts.
template <class BandFn>
void ForEachRowBand(int rows, size_t bytesPerRow, BandFn&& band) {
    if (rows <= 0) return;
    const StopFlag* stop = ThreadStopFlag();
    if (size_t(rows) * bytesPerRow < kParallelMinBytes || omp_get_max_threads() == 1) {
        if (!stop) {
            band(0, rows);
            return;
        }
        for (int begin = 0; begin < rows && !stop->Stopped(); begin += kStopCheckRows)
            band(begin, std::min(rows, begin + kStopCheckRows));
        detail::ThrowIfSet(stop);
        return;
    }
#pragma omp parallel
    {
        const int threads = omp_get_num_threads();
        const int index = omp_get_thread_num();
        const int begin = int(int64_t(rows) * index / threads);
        const int end = int(int64_t(rows) * (index + 1) / threads);
        if (!stop) {
            if (begin < end) band(begin, end);
        } else {
            // Nothing thrown inside the team: loops the band runs do not stop.
            const StopScope unstoppable(nullptr);
            for (int b = begin; b < end && !stop->Stopped(); b += kStopCheckRows)
                band(b, std::min(end, b + kStopCheckRows));
        }
    }
    detail::ThrowIfSet(stop);
}

// Row loops whose rows are independent of each other.
template <class RowFn>
void ForEachRow(int rows, size_t bytesPerRow, RowFn&& row) {
    ForEachRowBand(rows, bytesPerRow, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) row(y);
    });
}

// Row loops whose rows read rows above them that must already be finished.
// `needs(y)` names at most two earlier rows (each < y, or -1 for none) that
// row y reads in their finished state; row y starts only once they are done.
// Rows are started top to bottom, so a row that reads a later row before
// it is rewritten is safe as long as that later row needs it. Used where
// the visiting order is part of the result but not every row depends on
// the one before it.
struct RowNeeds {
    int first = -1, second = -1;
};

template <class NeedsFn, class RowFn>
void ForEachRowAfter(int rows, size_t bytesPerRow, NeedsFn&& needs, RowFn&& row) {
    if (rows <= 0) return;
    const StopFlag* stop = ThreadStopFlag();
    const auto stopped = [stop] { return stop && stop->Stopped(); };
    if (size_t(rows) * bytesPerRow < kParallelMinBytes || omp_get_max_threads() == 1) {
        for (int y = 0; y < rows && !stopped(); ++y) row(y);
        detail::ThrowIfSet(stop);
        return;
    }
    std::vector<std::atomic<bool>> done(static_cast<size_t>(rows));
    std::atomic<int> next{0};
    const auto waitFor = [&](int y) {
        if (y < 0) return;
        for (int spins = 0; !done[size_t(y)].load(std::memory_order_acquire); ++spins)
            if (spins > 64) std::this_thread::yield();
    };
    // A row taken is always finished, so a stop never leaves a thread
    // waiting for a row nobody does.
#pragma omp parallel
    {
        const StopScope unstoppable(nullptr);
        for (int y; !stopped() && (y = next.fetch_add(1, std::memory_order_relaxed)) < rows;) {
            const RowNeeds need = needs(y);
            waitFor(need.first);
            waitFor(need.second);
            row(y);
            done[size_t(y)].store(true, std::memory_order_release);
        }
    }
    detail::ThrowIfSet(stop);
}

// Ordered steps as in ForEachRowAfter whose work splits into column parts.
// Every thread takes the same part of every step, in order, so the columns
// a thread works on stay in its own cache instead of moving between cores
// with every step. `step(i, part, parts)` does part `part` of `parts` of
// step i; a step starts once every part of the steps it needs is done.
template <class NeedsFn, class StepFn>
void ForEachStepByColumns(int steps, size_t bytesPerStep, NeedsFn&& needs, StepFn&& step) {
    if (steps <= 0) return;
    const StopFlag* stop = ThreadStopFlag();
    const auto stopped = [stop] { return stop && stop->Stopped(); };
    if (size_t(steps) * bytesPerStep < kParallelMinBytes || omp_get_max_threads() == 1) {
        for (int i = 0; i < steps && !stopped(); ++i) step(i, 0, 1);
        detail::ThrowIfSet(stop);
        return;
    }
    std::vector<std::atomic<int>> partsDone(static_cast<size_t>(steps));
#pragma omp parallel
    {
        const StopScope unstoppable(nullptr);
        const int parts = omp_get_num_threads(), part = omp_get_thread_num();
        // Once stopped, a part another thread will not do is not waited for.
        const auto waitFor = [&](int i) {
            if (i < 0) return;
            for (int spins = 0; partsDone[size_t(i)].load(std::memory_order_acquire) < parts && !stopped(); ++spins)
                if (spins > 64) std::this_thread::yield();
        };
        for (int i = 0; i < steps && !stopped(); ++i) {
            const RowNeeds need = needs(i);
            waitFor(need.first);
            waitFor(need.second);
            if (stopped()) break;
            step(i, part, parts);
            partsDone[size_t(i)].fetch_add(1, std::memory_order_release);
        }
    }
    detail::ThrowIfSet(stop);
}

}  // namespace corvessa
