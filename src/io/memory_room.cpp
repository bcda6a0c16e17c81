#include "io/memory_room.h"

#include <sys/resource.h>

#include <cstdlib>

namespace corvessa {

bool AddressSpaceLimited() {
    rlimit limit{};
    return getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
}

namespace {

// Called through a pointer the compiler cannot see through, so that the
// probe is not optimised away.
void* (*volatile probeAllocate)(size_t) = std::malloc;

}  // namespace

bool CanAllocate(size_t bytes) {
    void* const block = probeAllocate(bytes);
    std::free(block);
    return block != nullptr;
}

}  // namespace corvessa
