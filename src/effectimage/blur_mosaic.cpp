// Blur and mosaic: the two effects the photo routines use as filters.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "effectimage/effect_image.h"
#include "routines/parallel.h"

namespace corvessa {

namespace {

int ClampIndex(int64_t index, int count) {
    return int(std::clamp<int64_t>(index, 0, count - 1));
}

// One SplitBlur pass of distance a (a != 0), rewriting the bitmap in place.
// Every pixel becomes the mean of four pixels: the columns a to its left and
// right in the rows a above and below. Near the edges the picture does not
// mirror but takes itself (above, left) or wraps to near the opposite edge
// (below: row H - y; right: column W - x). Indices that still fall outside
// the picture (a at or above the width or height, or negative) are clamped.
class SplitBlurPass {
public:
    SplitBlurPass(TBitmap& bitmap, int distance)
        : b_(bitmap), a_(distance), w_(bitmap.Width()), h_(bitmap.Height()) {}

    void Run() {
        // Row y reads row y - a already blurred and row y + a not yet
        // blurred; the last a rows read rows H - y (1 .. a) after those are
        // blurred. So row y may start once rows y - a and (for the last a
        // rows) H - y are done, and the a rows between never read each
        // other: they run side by side, and row y + a, which needs row y,
        // cannot overwrite what row y still has to read.
        if (a_ > 0 && a_ < w_ && int64_t(2) * a_ < h_) {
            ForEachRowAfter(
                h_, b_.RowBytes(),
                [&](int y) { return RowNeeds{y >= a_ ? y - a_ : -1, y + a_ >= h_ ? h_ - y : -1}; },
                [&](int y) { BlurRow(y); });
        } else {
            for (int y = 0; y < h_; ++y) BlurRow(y);
        }
    }

private:
    int UpperRow(int y) const {
        const int64_t u = int64_t(y) - a_;
        return ClampIndex(u >= 0 ? u : y, h_);
    }
    int LowerRow(int y) const {
        const int64_t l = int64_t(y) + a_;
        return ClampIndex(l < h_ ? l : int64_t(h_) - y, h_);
    }
    size_t LeftOffset(int x) const {
        const int64_t l = int64_t(x) - a_;
        return size_t(ClampIndex(l >= 0 ? l : x, w_)) * 3;
    }
    size_t RightOffset(int x) const {
        const int64_t r = int64_t(x) + a_;
        return size_t(ClampIndex(r < w_ ? r : int64_t(w_) - x, w_)) * 3;
    }

    // All twelve values are read before the pixel is written: `up` or `low`
    // may be the row being written.
    static void BlurPixel(uint8_t* out, const uint8_t* up, const uint8_t* low, size_t l, size_t r) {
        const int blue = up[l] + low[l] + up[r] + low[r];
        const int green = up[l + 1] + low[l + 1] + up[r + 1] + low[r + 1];
        const int red = up[l + 2] + low[l + 2] + up[r + 2] + low[r + 2];
        out[0] = uint8_t(blue >> 2);
        out[1] = uint8_t(green >> 2);
        out[2] = uint8_t(red >> 2);
    }

    void BlurRow(int y) {
        const int up = UpperRow(y), low = LowerRow(y);
        if (up != y && low != y && a_ > 0 && a_ < w_)
            BlurFromOtherRows(b_.Row(y), b_.Row(up), b_.Row(low));
        else
            BlurInOrder(b_.Row(y), b_.Row(up), b_.Row(low));
    }

    // The row reads itself: left to right, so pixels left of x already hold
    // their new values when they are read.
    void BlurInOrder(uint8_t* out, const uint8_t* up, const uint8_t* low) {
        for (int x = 0; x < w_; ++x) BlurPixel(out + size_t(x) * 3, up, low, LeftOffset(x), RightOffset(x));
    }

    // The row reads only other rows, so the order within it does not matter
    // and the middle, where both columns are x - a and x + a, vectorises.
    void BlurFromOtherRows(uint8_t* __restrict out, const uint8_t* __restrict up,
                           const uint8_t* __restrict low) {
        for (int x = 0; x < a_; ++x) BlurPixel(out + size_t(x) * 3, up, low, LeftOffset(x), RightOffset(x));
        const size_t d = size_t(a_) * 3;
        const size_t end = size_t(std::max(w_ - a_, a_)) * 3;
        for (size_t i = d; i < end; ++i)
            out[i] = uint8_t((up[i - d] + low[i - d] + up[i + d] + low[i + d]) >> 2);
        for (int x = std::max(w_ - a_, a_); x < w_; ++x)
            BlurPixel(out + size_t(x) * 3, up, low, LeftOffset(x), RightOffset(x));
    }

    TBitmap& b_;
    const int a_, w_, h_;
};

// Every pixel takes the colour of the top-left pixel of its s x s block;
// blocks are anchored at (0, 0) and cut off at the right and bottom edges.
void MosaicBlocks(const TBitmap& source, TBitmap& target, int s) {
    const int w = source.Width(), h = source.Height();
    const int blockRows = int((int64_t(h) + s - 1) / s);
    const int64_t rowsPerBlock = std::min(s, h);
    ForEachRowBand(blockRows, size_t(rowsPerBlock) * source.RowBytes(), [&](int begin, int end) {
        for (int blockRow = begin; blockRow < end; ++blockRow) {
            const int top = int(int64_t(blockRow) * s);
            const int bottom = int(std::min<int64_t>(int64_t(top) + s, h));
            const uint8_t* in = source.Row(top);
            uint8_t* first = target.Row(top);
            for (int64_t left = 0; left < w; left += s) {
                const uint8_t* colour = in + size_t(left) * 3;
                const int64_t right = std::min<int64_t>(left + s, w);
                for (int64_t x = left; x < right; ++x) std::memcpy(first + size_t(x) * 3, colour, 3);
            }
            for (int y = top + 1; y < bottom; ++y) std::memcpy(target.Row(y), first, target.RowBytes());
        }
    });
}

}  // namespace

// The blur is a working-copy effect, but a pass allocates nothing and
// cannot fail part-way, so rewriting the picture itself gives the same
// picture without copying it first.
void TProEffectImage::Effect_SplitBlur(int distance) {
    if (distance == 0) return NotifyRepaint();
    RewriteInPlace([&](TBitmap& picture) { SplitBlurPass(picture, distance).Run(); });
}

void TProEffectImage::Effect_GaussianBlur(int extraPasses) {
    if (extraPasses < 0) return NotifyRepaint();
    RewriteInPlace([&](TBitmap& picture) {
        for (int64_t pass = 0; pass <= extraPasses; ++pass) SplitBlurPass(picture, 3).Run();
    });
}

void TProEffectImage::Effect_Mosaic(int blockSize) {
    if (blockSize <= 1) return NotifyRepaint();
    Derive([&](const TBitmap& source, TBitmap& target) { MosaicBlocks(source, target, blockSize); });
}

}  // namespace corvessa
