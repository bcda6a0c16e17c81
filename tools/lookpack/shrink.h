#pragma once
// Area-averaging shrink for pictures shown to people (galleries, contact
// sheets). The routines themselves stretch by nearest neighbour.

#include <algorithm>

#include "ground/bitmap.h"

namespace corvessa::lookpack {

inline TBitmap Shrink(const TBitmap& src, int w, int h) {
    TBitmap out(w, h);
    for (int y = 0; y < h; ++y) {
        const int y0 = int(int64_t(y) * src.Height() / h), y1 = std::max(y0 + 1, int(int64_t(y + 1) * src.Height() / h));
        for (int x = 0; x < w; ++x) {
            const int x0 = int(int64_t(x) * src.Width() / w), x1 = std::max(x0 + 1, int(int64_t(x + 1) * src.Width() / w));
            int sum[3] = {0, 0, 0};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx)
                    for (int k = 0; k < 3; ++k) sum[k] += src.Pixel(sx, sy)[k];
            const int n = (y1 - y0) * (x1 - x0);
            for (int k = 0; k < 3; ++k) out.Pixel(x, y)[k] = uint8_t(sum[k] / n);
        }
    }
    return out;
}

}  // namespace corvessa::lookpack
