// Blur and mosaic as filters on a bitmap: the looks call them, and the
// effect component wraps them as two of its effects.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "effectimage/blur_mosaic.h"
#include "ground/cpu_features.h"
#include "ground/parallel.h"

namespace corvessa {

namespace {

int ClampIndex(int64_t index, int count) {
    return int(std::clamp<int64_t>(index, 0, count - 1));
}

// Bytes begin .. end - 1 of a row that reads only other rows, all at least
// d bytes from either end: each the mean of the bytes d before and after it
// in the rows above and below. The sum of four bytes fits in 16 bits, so
// the loop runs in 16-bit vector lanes.
inline void BlurMiddleBytes(uint8_t* __restrict out, const uint8_t* __restrict up, const uint8_t* __restrict low,
                            size_t d, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i)
        out[i] = uint8_t(uint16_t(uint16_t(up[i - d]) + low[i - d] + up[i + d] + low[i + d]) >> 2);
}

CORVESSA_VECTOR_KERNEL(BlurMiddle, BlurMiddleBytes, BlurMiddleBytes,
                       (uint8_t* __restrict out, const uint8_t* __restrict up, const uint8_t* __restrict low,
                        size_t d, size_t begin, size_t end),
                       (out, up, low, d, begin, end))

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

    bool Parallel() const { return a_ > 0 && a_ < w_ && int64_t(2) * a_ < h_; }

    void Run() {
        // Row y reads row y - a already blurred and row y + a not yet
        // blurred; the last a rows read rows H - y (1 .. a) after those are
        // blurred. So row y may start once rows y - a and (for the last a
        // rows) H - y are done, and the a rows between never read each
        // other: they run side by side, and row y + a, which needs row y,
        // cannot overwrite what row y still has to read.
        if (Parallel()) {
            ForEachRowAfter(
                h_, b_.RowBytes(),
                [&](int y) { return RowNeeds{y >= a_ ? y - a_ : -1, y + a_ >= h_ ? h_ - y : -1}; },
                [&](int y) { BlurRow(y); });
        } else {
            for (int y = 0; y < h_; ++y) BlurRow(y);
        }
    }

    // Row y from the given upper and lower rows: those of UpperRow(y) and
    // LowerRow(y), or copies of them with the same values.
    void BlurRowFrom(int y, const uint8_t* up, const uint8_t* low) {
        if (ReadsOnlyOtherRows(y))
            BlurColumns(b_.Row(y), up, low, 0, w_);
        else
            BlurInOrder(b_.Row(y), up, low);
    }

    bool ReadsOnlyOtherRows(int y) const { return UpperRow(y) != y && LowerRow(y) != y && a_ > 0 && a_ < w_; }

    // Pixels x0 .. x1 - 1 of a row that reads only other rows, so the order
    // within it does not matter and the middle, where both columns are
    // x - a and x + a, vectorises.
    void BlurColumns(uint8_t* __restrict out, const uint8_t* __restrict up, const uint8_t* __restrict low, int x0,
                     int x1) {
        const int middleEnd = std::max(w_ - a_, a_);
        for (int x = x0; x < std::min(x1, a_); ++x)
            BlurPixel(out + size_t(x) * 3, up, low, LeftOffset(x), RightOffset(x));
        const int m0 = std::max(x0, a_), m1 = std::min(x1, middleEnd);
        if (m0 < m1) BlurMiddle(out, up, low, size_t(a_) * 3, size_t(m0) * 3, size_t(m1) * 3);
        for (int x = std::max(x0, middleEnd); x < x1; ++x)
            BlurPixel(out + size_t(x) * 3, up, low, LeftOffset(x), RightOffset(x));
    }

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

private:
    void BlurRow(int y) { BlurRowFrom(y, b_.Row(UpperRow(y)), b_.Row(LowerRow(y))); }

    // The row reads itself: left to right, so pixels left of x already hold
    // their new values when they are read.
    void BlurInOrder(uint8_t* out, const uint8_t* up, const uint8_t* low) {
        for (int x = 0; x < w_; ++x) BlurPixel(out + size_t(x) * 3, up, low, LeftOffset(x), RightOffset(x));
    }

    TBitmap& b_;
    const int a_, w_, h_;
};

// Several SplitBlur passes of distance 3 in one sweep down the picture, so
// that each row comes from memory once instead of once per pass. Pass k of
// row y reads row y - 3 after pass k and row y + 3 before pass k (after
// pass k - 1), and pass k of row y + 3 must still find row y as pass k left
// it. So pass k of row y may run once pass k of row y - 3 and pass k - 1 of
// row y + 3 are done; that also keeps every row it overwrites unread by
// the passes before. The last three rows read rows 3, 2, 1 as their pass
// left them, which the next pass rewrites long before: those reads go to
// copies of rows 1 to 3 kept per pass, with the same values.
class BlurSweep {
public:
    static constexpr int kDistance = 3;

    BlurSweep(TBitmap& bitmap, int passes)
        : pass_(bitmap, kDistance), b_(bitmap), passes_(passes), h_(bitmap.Height()),
          kept_(size_t(passes) * kDistance * bitmap.RowBytes()) {}

    // The sweep needs what the parallel single pass needs, and rows 1 to 3
    // distinct from the last three.
    static bool Fits(const TBitmap& b) { return b.Width() > kDistance && b.Height() > 2 * kDistance; }

    void Run() {
        // Steps in the order (row + 4 * pass, pass): each step's needs come
        // before it, as ForEachStepByColumns requires.
        std::vector<Step> steps;
        steps.reserve(size_t(passes_) * size_t(h_));
        for (int64_t diagonal = 0; diagonal < int64_t(h_) + 4 * int64_t(passes_ - 1); ++diagonal)
            for (int k = 0; k < passes_; ++k) {
                const int64_t y = diagonal - 4 * int64_t(k);
                if (y >= 0 && y < h_) steps.push_back({k, int(y)});
            }
        std::vector<int> index(steps.size());  // of step (k, y) at k * h_ + y
        for (size_t i = 0; i < steps.size(); ++i) index[size_t(steps[i].pass) * size_t(h_) + size_t(steps[i].row)] = int(i);
        const auto at = [&](int k, int y) { return index[size_t(k) * size_t(h_) + size_t(y)]; };
        // A step's needs cover every reader of the row it overwrites, in
        // all columns, so a step may be split into column parts freely.
        ForEachStepByColumns(
            int(steps.size()), b_.RowBytes(),
            [&](int i) {
                const auto [k, y] = steps[size_t(i)];
                if (y < kDistance) return RowNeeds{k > 0 ? at(k - 1, y + kDistance) : -1, -1};
                if (y + kDistance < h_) return RowNeeds{at(k, y - kDistance), k > 0 ? at(k - 1, y + kDistance) : -1};
                return RowNeeds{at(k, y - kDistance), at(k, h_ - y)};
            },
            [&](int i, int part, int parts) { Do(steps[size_t(i)], part, parts); });
    }

private:
    struct Step {
        int pass, row;
    };

    uint8_t* Kept(int k, int row) { return kept_.data() + (size_t(k) * kDistance + size_t(row - 1)) * b_.RowBytes(); }

    // Part `part` of `parts` of a step. The top rows, which read
    // themselves from left to right or are kept for the last rows, go
    // whole in the first part.
    void Do(Step step, int part, int parts) {
        const int y = step.row;
        const uint8_t* up = b_.Row(pass_.UpperRow(y));
        const uint8_t* low = y + kDistance < h_ ? b_.Row(y + kDistance) : Kept(step.pass, h_ - y);
        if (y <= kDistance || !pass_.ReadsOnlyOtherRows(y)) {
            if (part != 0) return;
            pass_.BlurRowFrom(y, up, low);
            if (y >= 1 && y <= kDistance) std::memcpy(Kept(step.pass, y), b_.Row(y), b_.RowBytes());
            return;
        }
        const int w = b_.Width();
        pass_.BlurColumns(b_.Row(y), up, low, int(int64_t(w) * part / parts), int(int64_t(w) * (part + 1) / parts));
    }

    SplitBlurPass pass_;
    TBitmap& b_;
    const int passes_, h_;
    std::vector<uint8_t> kept_;
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

void SplitBlur(TBitmap& bitmap, int distance) {
    if (distance == 0 || bitmap.Empty()) return;
    SplitBlurPass(bitmap, distance).Run();
}

void GaussianBlur(TBitmap& bitmap, int extraPasses) {
    if (extraPasses < 0 || bitmap.Empty()) return;
    if (!BlurSweep::Fits(bitmap)) {
        for (int64_t pass = 0; pass <= extraPasses; ++pass) SplitBlurPass(bitmap, 3).Run();
        return;
    }
    // In sweeps of at most four passes: the rows a sweep keeps in use grow
    // with its passes and must stay in cache.
    for (int64_t left = int64_t(extraPasses) + 1; left > 0; left -= 4)
        BlurSweep(bitmap, int(std::min<int64_t>(left, 4))).Run();
}

void Mosaic(const TBitmap& source, TBitmap& target, int blockSize) {
    if (&source == &target) throw std::invalid_argument("Mosaic: source and target are the same bitmap");
    if (blockSize <= 1 || source.Empty()) return target.CopyFrom(source);
    if (target.Width() != source.Width() || target.Height() != source.Height())
        target.SetSize(source.Width(), source.Height());
    MosaicBlocks(source, target, blockSize);
}

}  // namespace corvessa
