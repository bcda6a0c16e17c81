#pragma once
// Room in memory for a codec's working copies, judged before the codec
// starts: x265 crashes or waits for ever when an allocation or a thread
// fails inside it, libjxl aborts, libde265 waits for ever, where each
// should have reported it. What they need is measured (see each codec)
// and asked for beforehand, so that the user reads "Not enough memory"
// instead. No Qt.

#include <cstddef>

namespace corvessa {

// Whether the process runs under a limit on its address space (prlimit,
// ulimit -v, or the one a parent process passed on) that leaves less room
// than a generous reckoning of `working` bytes and the codecs' threads.
// Every thread's malloc arena takes 64 MB of it, and a thread that cannot
// start hangs or crashes several libraries, so the codecs then work on the
// calling thread alone. The codec helper's own limit (three quarters of
// the machine's memory) leaves them their threads.
bool AddressSpaceLimited(size_t working = 0);

// Whether `bytes` of memory can be had now: they are allocated and given
// back at once (mapped, never touched, so they cost no real memory).
bool CanAllocate(size_t bytes);

}  // namespace corvessa
