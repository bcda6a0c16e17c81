#pragma once
// Giving up on work that nobody waits for any more: an Open the user
// cancelled, a render that a later click superseded. Whoever runs the work
// holds a StopFlag and sets it; the work runs inside a StopScope on its
// thread, and the row loops (ground/parallel.h) and the decoders check the
// scope's flag between rows and end the work with WorkStopped.
//
// The flag is bound to the thread that runs the work, as the row loops'
// thread count is (LimitRowThreads), so that a routine need not pass it on
// to every loop it calls. Work outside any scope never stops.

#include <atomic>
#include <exception>

namespace corvessa {

class StopFlag {
public:
    void Stop() { stopped_.store(true, std::memory_order_relaxed); }
    bool Stopped() const { return stopped_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> stopped_{false};
};

// What stopped work ends with; whoever stopped it lets it go unseen.
struct WorkStopped : std::exception {
    const char* what() const noexcept override { return "The work was stopped"; }
};

// How many rows loops and decoders go between looks at the flag.
inline constexpr int kStopCheckRows = 32;

namespace detail {
inline thread_local const StopFlag* threadStop = nullptr;
}

// The flag that the calling thread's work checks, or null.
inline const StopFlag* ThreadStopFlag() { return detail::threadStop; }
inline bool StopRequested() {
    const StopFlag* stop = detail::threadStop;
    return stop && stop->Stopped();
}
inline void ThrowIfStopped() {
    if (StopRequested()) throw WorkStopped();
}

// Binds `flag` (null: none, for work that must run to its end whoever
// waits, such as a picture other renders share) to the calling thread for
// the scope's life; scopes nest.
class StopScope {
public:
    explicit StopScope(const StopFlag* flag) : outer_(detail::threadStop) { detail::threadStop = flag; }
    ~StopScope() { detail::threadStop = outer_; }
    StopScope(const StopScope&) = delete;
    StopScope& operator=(const StopScope&) = delete;

private:
    const StopFlag* outer_;
};

}  // namespace corvessa
