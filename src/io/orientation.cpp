#include "io/orientation.h"

#include "ground/parallel.h"

namespace corvessa {

void ApplyOrientation(TBitmap& photo, int orientation) {
    if (orientation < 2 || orientation > 8 || photo.Empty()) return;
    const int w = photo.Width(), h = photo.Height();
    const bool swapsSides = orientation >= 5;
    TBitmap upright(swapsSides ? h : w, swapsSides ? w : h);
    const int uw = upright.Width();
    // For each upright pixel (x, y), the stored pixel it comes from.
    ForEachRow(upright.Height(), upright.RowBytes(), [&](int y) {
        uint8_t* out = upright.Row(y);
        for (int x = 0; x < uw; ++x) {
            int sx = x, sy = y;
            switch (orientation) {
                case 2: sx = w - 1 - x; break;
                case 3: sx = w - 1 - x, sy = h - 1 - y; break;
                case 4: sy = h - 1 - y; break;
                case 5: sx = y, sy = x; break;
                case 6: sx = y, sy = h - 1 - x; break;
                case 7: sx = w - 1 - y, sy = h - 1 - x; break;
                case 8: sx = w - 1 - y, sy = x; break;
            }
            const uint8_t* in = photo.Pixel(sx, sy);
            out[3 * x] = in[0];
            out[3 * x + 1] = in[1];
            out[3 * x + 2] = in[2];
        }
    });
    photo.TakePixels(std::move(upright));
}

}  // namespace corvessa
