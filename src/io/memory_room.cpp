#include "io/memory_room.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace corvessa {

namespace {

// The bytes of address space the process has mapped.
uint64_t MappedBytes() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    unsigned long long pages = 0;
    if (statm) {
        if (std::fscanf(statm, "%llu", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    return uint64_t(pages) * uint64_t(sysconf(_SC_PAGE_SIZE));
}

// Called through a pointer the compiler cannot see through, so that the
// probe is not optimised away.
void* (*volatile probeAllocate)(size_t) = std::malloc;

}  // namespace

bool AddressSpaceLimited(size_t working) {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return false;
    // A thread's arena and stack, and what a codec's workers reserve beside
    // them, reckoned at 256 MB a core; and 2 GB to spare.
    const uint64_t threads = uint64_t(std::max(1u, std::thread::hardware_concurrency())) * (uint64_t(256) << 20);
    return uint64_t(limit.rlim_cur) < MappedBytes() + working + threads + (uint64_t(2) << 30);
}

bool CanAllocate(size_t bytes) {
    void* const block = probeAllocate(bytes);
    std::free(block);
    return block != nullptr;
}

}  // namespace corvessa
