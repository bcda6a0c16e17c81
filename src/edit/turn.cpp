// Quarter turns and mirroring: every output pixel is one source pixel, so
// these are exact permutations. A turn reads the photo down its columns;
// the output is written in tiles narrow enough that the source rows a tile
// reads stay in the cache while it is written.

#include <cstring>

#include "edit/geometry.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

// Where output pixel (x, y) comes from, as a byte offset into the source:
// first + x * stepX + y * stepY.
struct SourceWalk {
    ptrdiff_t first = 0, stepX = 0, stepY = 0;
};

SourceWalk WalkOf(const TBitmap& photo, int quarterTurns, bool flipHorizontal, bool flipVertical, int outWidth,
                  int outHeight) {
    const int w = photo.Width(), h = photo.Height();
    // The source pixel of output (x, y): mirrored on the turned picture,
    // then turned back.
    const auto source = [&](int x, int y, int& sx, int& sy) {
        if (flipHorizontal) x = outWidth - 1 - x;
        if (flipVertical) y = outHeight - 1 - y;
        switch (quarterTurns) {
        case 1: sx = y, sy = h - 1 - x; break;
        case 2: sx = w - 1 - x, sy = h - 1 - y; break;
        case 3: sx = w - 1 - y, sy = x; break;
        default: sx = x, sy = y; break;
        }
    };
    const auto offset = [&](int x, int y) {
        int sx = 0, sy = 0;
        source(x, y, sx, sy);
        return ptrdiff_t(sy) * ptrdiff_t(photo.RowBytes()) + ptrdiff_t(sx) * 3;
    };
    SourceWalk walk;
    walk.first = offset(0, 0);
    walk.stepX = outWidth > 1 ? offset(1, 0) - walk.first : 3;
    walk.stepY = outHeight > 1 ? offset(0, 1) - walk.first : ptrdiff_t(photo.RowBytes());
    return walk;
}

// 256 source rows of a cache line each: 16 KB, within the first-level cache.
constexpr int kTileColumns = 256;

}  // namespace

TBitmap TurnAndMirror(const TBitmap& photo, int quarterTurns, bool flipHorizontal, bool flipVertical) {
    quarterTurns = ((quarterTurns % 4) + 4) % 4;
    const bool across = quarterTurns % 2 == 1;
    TBitmap out(across ? photo.Height() : photo.Width(), across ? photo.Width() : photo.Height());
    if (out.Empty()) return out;
    const SourceWalk walk = WalkOf(photo, quarterTurns, flipHorizontal, flipVertical, out.Width(), out.Height());
    const uint8_t* base = photo.Data();
    const int width = out.Width();
    ForEachRowBand(out.Height(), out.RowBytes(), [&](int begin, int end) {
        for (int left = 0; left < width; left += kTileColumns) {
            const int right = std::min(width, left + kTileColumns);
            for (int y = begin; y < end; ++y) {
                const uint8_t* in = base + walk.first + ptrdiff_t(y) * walk.stepY + ptrdiff_t(left) * walk.stepX;
                uint8_t* o = out.Pixel(left, y);
                for (int x = left; x < right; ++x, in += walk.stepX, o += 3) std::memcpy(o, in, 3);
            }
        }
    });
    return out;
}

}  // namespace corvessa
