// Any bytes through the .cube reader, and a table it accepts applied to a
// picture holding every byte value.
#include <string_view>

#include "ground/error.h"
#include "looks/cube_lut.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const corvessa::CubeLut lut =
            corvessa::ParseCubeLut(std::string_view(reinterpret_cast<const char*>(data), size), "input.cube");
        static corvessa::TBitmap ramp = [] {
            corvessa::TBitmap b(256, 1);
            for (int x = 0; x < 256; ++x) b.Row(0)[3 * x] = uint8_t(x), b.Row(0)[3 * x + 1] = uint8_t(255 - x),
                                           b.Row(0)[3 * x + 2] = uint8_t(x * 7);
            return b;
        }();
        corvessa::TBitmap out;
        corvessa::PreparedLut(lut).Apply(ramp, out);
    } catch (const corvessa::CorvessaError&) {
    }
    return 0;
}
