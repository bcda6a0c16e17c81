#pragma once

// A few hot row kernels are compiled twice: for any x86-64 processor and
// with AVX2, and each call takes the version the processor runs. Both give
// the same bytes; only the speed differs. Valgrind and other processors
// without AVX2 take the plain version.

namespace corvessa {

#if defined(__x86_64__) && defined(__GNUC__)
#define CORVESSA_TARGET_AVX2 [[gnu::target("avx2")]]
inline bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#else
#define CORVESSA_TARGET_AVX2
inline bool HasAvx2() { return false; }
#endif

}  // namespace corvessa
