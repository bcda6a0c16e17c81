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
// ulimit -v, or the one a parent process passed on). Under one every
// thread's malloc arena takes 64 MB of it, and a thread that cannot start
// hangs or crashes several libraries, so the codecs then work on the
// calling thread alone.
bool AddressSpaceLimited();

// Whether `bytes` of memory can be had now: they are allocated and given
// back at once (mapped, never touched, so they cost no real memory).
bool CanAllocate(size_t bytes);

}  // namespace corvessa
