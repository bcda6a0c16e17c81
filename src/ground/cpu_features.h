#pragma once

#include <cstdlib>
#include <cstring>

// A few hot row kernels are compiled more than once: for any x86-64
// processor, with AVX2 and with AVX-512 (byte shuffles included), and each
// call takes the widest version the processor runs. All versions give the
// same bytes; only the speed differs. Valgrind hides AVX-512 from the
// program, so under it the AVX2 version runs. CORVESSA_VECTORS=baseline or
// =avx2 in the environment caps the choice, so that the tests and the
// benchmarks can run the narrower versions on any machine.

namespace corvessa {

enum class VectorLevel { kBaseline, kAvx2, kAvx512 };

#if defined(__x86_64__) && defined(__GNUC__)
#define CORVESSA_TARGET_AVX2 [[gnu::target("avx2")]]
#define CORVESSA_TARGET_AVX512 [[gnu::target("avx2,avx512f,avx512bw,avx512vl,avx512vbmi")]]
inline VectorLevel ProcessorVectorLevel() {
    static const VectorLevel level = [] {
        const char* cap = std::getenv("CORVESSA_VECTORS");
        const bool baselineOnly = cap && std::strcmp(cap, "baseline") == 0;
        const bool upToAvx2 = baselineOnly || (cap && std::strcmp(cap, "avx2") == 0);
        if (!upToAvx2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
            __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi"))
            return VectorLevel::kAvx512;
        return !baselineOnly && __builtin_cpu_supports("avx2") ? VectorLevel::kAvx2 : VectorLevel::kBaseline;
    }();
    return level;
}
#else
#define CORVESSA_TARGET_AVX2
#define CORVESSA_TARGET_AVX512
inline VectorLevel ProcessorVectorLevel() { return VectorLevel::kBaseline; }
#endif

}  // namespace corvessa

// Defines `void name params`, which runs `wideKernel args` compiled for
// AVX2 or AVX-512 where the processor has them, else `baselineKernel args`.
// The kernels are inline functions of the same parameters; two are given
// because the fastest loop shape for plain SSE2 is not always the one the
// wider instruction sets vectorise best.
#define CORVESSA_VECTOR_KERNEL(name, baselineKernel, wideKernel, params, args) \
    CORVESSA_TARGET_AVX2 static void name##Avx2 params { wideKernel args; }   \
    CORVESSA_TARGET_AVX512 static void name##Avx512 params { wideKernel args; } \
    void name params {                                                          \
        switch (ProcessorVectorLevel()) {                                       \
        case VectorLevel::kAvx512: return name##Avx512 args;                    \
        case VectorLevel::kAvx2: return name##Avx2 args;                        \
        case VectorLevel::kBaseline: break;                                     \
        }                                                                       \
        baselineKernel args;                                                    \
    }
