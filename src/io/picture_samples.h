#pragma once
// How every reader brings a sample it was handed into the working photo's
// 8 bits: deeper samples are rounded, alpha is flattened onto white.

#include <cstdint>

namespace corvessa {

// A sample of `bits` bits (9..16) as 8 bits, rounded: (v * 255 + m / 2)
// div m with m = 2^bits - 1; for 16 bits (v * 255 + 32767) div 65535. No
// value lies exactly half-way, so this is plain rounding of v * 255 / m.
constexpr uint8_t EightBitSample(uint32_t v, int bits = 16) {
    const uint32_t most = (uint32_t(1) << bits) - 1;
    return uint8_t((v * 255 + most / 2) / most);
}

// Colour `c` of alpha `a` (straight, not premultiplied) over white:
// (c * a + 255 * (255 - a) + 127) div 255, which is c * a / 255 + 255 - a
// rounded to the nearest (no value lies half-way).
constexpr uint8_t OnWhite(uint32_t c, uint32_t a) { return uint8_t((c * a + 255 * (255 - a) + 127) / 255); }

// The same for a colour the decoder already multiplied by its alpha (p =
// c * a / 255 as the decoder rounded it): p + 255 - a. A colour above its
// alpha, which no premultiplied picture holds, gives white.
constexpr uint8_t PremultipliedOnWhite(uint32_t p, uint32_t a) { return uint8_t(p > a ? 255 : p + 255 - a); }

}  // namespace corvessa
