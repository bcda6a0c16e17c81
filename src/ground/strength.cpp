#include "ground/strength.h"

#include <algorithm>
#include <stdexcept>

#include "ground/cpu_features.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

// Every sum is at most 100 * 255 + 50, which fits 16 bits, and for those
// x div 100 is (x * 41944) shr 22: the high half of a 16-bit product, shifted
// by 6. So the loop needs no division and runs in 16-bit vector lanes.
inline void MixBytes(const uint8_t* __restrict look, const uint8_t* __restrict photo, uint8_t* __restrict out, size_t n,
                     uint32_t s) {
    const uint16_t strength = uint16_t(s), rest = uint16_t(kFullStrength - s);
    for (size_t i = 0; i < n; ++i) {
        const uint16_t sum = uint16_t(strength * look[i] + rest * photo[i] + 50);
        out[i] = uint8_t(uint16_t((uint32_t(sum) * 41944u) >> 16) >> 6);
    }
}

CORVESSA_VECTOR_KERNEL(MixKernel, MixBytes, MixBytes,
                       (const uint8_t* __restrict look, const uint8_t* __restrict photo, uint8_t* __restrict out,
                        size_t n, uint32_t s),
                       (look, photo, out, n, s))

}  // namespace

void MixRowByStrength(const uint8_t* look, const uint8_t* photo, uint8_t* out, size_t n, int s) {
    const uint32_t strength = uint32_t(std::clamp(s, 0, kFullStrength));
    // In place the output is one of the inputs: mix in blocks through a
    // buffer so the kernel's arguments never overlap.
    if (out == look || out == photo) {
        uint8_t block[4096];
        for (size_t at = 0; at < n; at += sizeof block) {
            const size_t count = std::min(sizeof block, n - at);
            MixKernel(look + at, photo + at, block, count, strength);
            std::copy(block, block + count, out + at);
        }
        return;
    }
    MixKernel(look, photo, out, n, strength);
}

void MixByStrength(const TBitmap& look, const TBitmap& photo, int s, TBitmap& out) {
    if (look.Width() != photo.Width() || look.Height() != photo.Height())
        throw std::invalid_argument("MixByStrength: the look and the photo differ in size");
    if (&out != &look && &out != &photo) out.SetSize(look.Width(), look.Height());
    const size_t n = look.RowBytes();
    ForEachRow(look.Height(), n, [&](int y) { MixRowByStrength(look.Row(y), photo.Row(y), out.Row(y), n, s); });
}

}  // namespace corvessa
