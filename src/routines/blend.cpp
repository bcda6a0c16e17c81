#include "routines/blend.h"

#include <cmath>

namespace corvessa {

int MaskWeight(int r, int g, int b) {
    // The sum order (red + green, then + blue) and the extended constants
    // decide the rare ties; keep them as they are.
    const long double sum = (static_cast<long double>(r) * 0.3L + static_cast<long double>(g) * 0.59L) +
                            static_cast<long double>(b) * 0.11L;
    return static_cast<int>(std::nearbyintl(sum));  // default rounding: halves to even
}

namespace {

// MaskWeight without extended arithmetic for all but the ties. The exact
// value is (30r + 59g + 11b) / 100; the extended evaluation is off by far
// less than 0.01, the least distance of a non-tie from a half, so only an
// exact half (remainder 50) can round differently and takes the long way.
inline int FastMaskWeight(int r, int g, int b) {
    const int hundredths = 30 * r + 59 * g + 11 * b;
    const int whole = hundredths / 100, rest = hundredths - whole * 100;
    if (rest == 50) return MaskWeight(r, g, b);
    return whole + (rest > 50);
}

}  // namespace

void MaskBlend(TBitmap& base, const TBitmap& over, const TBitmap& mask) {
    const int width = base.Width();
    ForEachRow(base.Height(), base.RowBytes(), [&](int y) {
        uint8_t* rb = base.Row(y);
        const uint8_t* ro = over.Row(y);
        const uint8_t* rm = mask.Row(y);
        for (int x = 0; x < width; ++x) {
            const int i = 3 * x;
            const int w = FastMaskWeight(rm[i + 2], rm[i + 1], rm[i]);
            for (int c = 0; c < 3; ++c)
                rb[i + c] = uint8_t((w * ro[i + c] + (255 - w) * rb[i + c]) / 255);
        }
    });
}

void Grayscale(TBitmap& b) {
    const int width = b.Width();
    ForEachRow(b.Height(), b.RowBytes(), [&](int y) {
        uint8_t* row = b.Row(y);
        for (int x = 0; x < width; ++x) {
            uint8_t* p = row + 3 * x;
            const uint8_t g = uint8_t((28 * p[0] + 151 * p[1] + 77 * p[2]) >> 8);
            p[0] = p[1] = p[2] = g;
        }
    });
}

}  // namespace corvessa
