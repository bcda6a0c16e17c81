// Effects that compute a pixel from its neighbours: AntiAlias, Emboss and
// Trace. Each rewrites one bitmap in place, so which neighbours already
// hold new values is part of the result.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "effectimage/effect_image.h"
#include "ground/parallel.h"
#include "ground/stop.h"

namespace corvessa {

namespace {

// Every channel of rows 1 .. H-2, columns 1 .. W-2 becomes the mean
// (rounded down) of its four edge neighbours; the one-pixel border stays.
void AntiAlias(TBitmap& b) {
    const size_t last = (size_t(b.Width()) - 1) * 3;
    // Rows top to bottom, pixels left to right, in place: the upper and left
    // neighbours already hold their new values, the lower and right ones
    // still their old. Every pixel depends on the one before it, so this
    // stays one loop on one thread.
    for (int y = 1; y + 1 < b.Height(); ++y) {
        if (y % kStopCheckRows == 0) ThrowIfStopped();
        const uint8_t* up = b.Row(y - 1);
        const uint8_t* down = b.Row(y + 1);
        uint8_t* row = b.Row(y);
        for (size_t i = 3; i < last; ++i) row[i] = uint8_t((up[i] + down[i] + row[i - 3] + row[i + 3]) >> 2);
    }
}

// Every channel becomes the mean of itself and the inverted pixel three
// columns to the right in the row below; the last row and the last three
// columns keep their values. The row below is read before it is rewritten,
// so every result uses values from before the effect and the rows are
// independent.
void Emboss(const TBitmap& source, TBitmap& target) {
    const size_t bytes = source.RowBytes(), embossed = bytes - 9;
    ForEachRow(source.Height(), bytes, [&](int y) {
        const uint8_t* in = source.Row(y);
        uint8_t* out = target.Row(y);
        if (y + 1 == source.Height()) {
            std::memcpy(out, in, bytes);
            return;
        }
        const uint8_t* below = source.Row(y + 1) + 9;
        for (size_t i = 0; i < embossed; ++i) out[i] = uint8_t((in[i] + 255 - below[i]) >> 1);
        std::memcpy(out + embossed, in + embossed, 9);
    });
}

// The fixed 256-colour palette that sorts pixels into colour classes: the
// 6 x 6 x 6 colour cube (levels 0, 51, .., 255; entries 0 .. 215) and 40
// further greys between its levels (entries 216 .. 255). A pixel's class is
// its nearest palette colour (squared distance; on a tie, the cube).
class HalftonePalette {
public:
    HalftonePalette() {
        for (int k = 0; k < kGreys; ++k) grey_[size_t(k)] = (k + 1) * 255 / (kGreys + 1);
        // The nearest grey to (r, g, b) is the one nearest the mean, so it
        // depends on the sum only.
        for (int sum = 0; sum <= 765; ++sum) {
            int best = 0;
            for (int k = 1; k < kGreys; ++k)
                if (std::abs(3 * grey_[size_t(k)] - sum) < std::abs(3 * grey_[size_t(best)] - sum)) best = k;
            greyForSum_[size_t(sum)] = uint8_t(best);
        }
    }

    uint8_t ClassOf(int blue, int green, int red) const {
        // The nearest cube colour is the nearest level in each channel.
        const int lb = (blue + 25) / 51, lg = (green + 25) / 51, lr = (red + 25) / 51;
        const int cubeDistance = Square(blue - 51 * lb) + Square(green - 51 * lg) + Square(red - 51 * lr);
        const int k = greyForSum_[size_t(blue + green + red)];
        const int v = grey_[size_t(k)];
        const int greyDistance = Square(blue - v) + Square(green - v) + Square(red - v);
        if (greyDistance < cubeDistance) return uint8_t(216 + k);
        return uint8_t(lr * 36 + lg * 6 + lb);
    }

private:
    static constexpr int kGreys = 40;
    static int Square(int v) { return v * v; }
    std::array<int, kGreys> grey_;
    std::array<uint8_t, 766> greyForSum_;
};

// Blackens pixels on the borders between colour classes. A class
// difference between a pixel and a neighbour marks one of the two: the
// first difference found sets the reference class t (the neighbour's) and
// marks the pixel; after that the one of the two whose class is not t is
// marked (the pixel itself when neither is t).
class Trace {
public:
    explicit Trace(TBitmap& bitmap) : b_(bitmap), w_(bitmap.Width()), h_(bitmap.Height()) {
        const HalftonePalette palette;
        classes_.resize(size_t(w_) * size_t(h_));
        ForEachRow(h_, b_.RowBytes(), [&](int y) {
            const uint8_t* in = b_.Row(y);
            uint8_t* out = classes_.data() + size_t(y) * size_t(w_);
            for (int x = 0; x < w_; ++x, in += 3) out[x] = palette.ClassOf(in[0], in[1], in[2]);
        });
    }

    // Rows top to bottom, pixels left to right: the right neighbour, then
    // the one below. Never the last row, nor (when W > 2) the last two
    // columns. The reference class depends on the order, so one thread.
    void ForwardSweep() {
        const int lastX = std::max(w_ - 3, 0);
        for (int y = 0; y + 1 < h_; ++y) {
            if (y % kStopCheckRows == 0) ThrowIfStopped();
            for (int x = 0; x <= lastX; ++x) {
                const size_t p = size_t(y) * size_t(w_) + size_t(x);
                Test(p, p + 1);
                Test(p, p + size_t(w_));
            }
        }
    }

    // Rows bottom to top, pixels right to left: the left neighbour, then the
    // one above. Never row 0, nor (when W > 2) columns 0 and 1.
    void BackwardSweep() {
        const int firstX = std::min(2, w_ - 1);
        for (int y = h_ - 1; y >= 1; --y) {
            if (y % kStopCheckRows == 0) ThrowIfStopped();
            for (int x = w_ - 1; x >= firstX; --x) {
                const size_t p = size_t(y) * size_t(w_) + size_t(x);
                Test(p, p - 1);
                Test(p, p - size_t(w_));
            }
        }
    }

private:
    void Test(size_t p, size_t e) {
        if (classes_[e] == classes_[p]) return;
        if (!found_) {
            reference_ = classes_[e];
            found_ = true;
            Mark(p);
        } else {
            Mark(classes_[p] != reference_ ? p : e);
        }
    }
    void Mark(size_t pixel) { std::memset(b_.Data() + pixel * 3, 0, 3); }

    TBitmap& b_;
    const int w_, h_;
    std::vector<uint8_t> classes_;  // never changes once made
    bool found_ = false;
    uint8_t reference_ = 0;
};

}  // namespace

void TProEffectImage::Effect_AntiAlias() {
    RewriteInPlace(AntiAlias);
}

void TProEffectImage::Effect_Emboss() {
    if (picture_.Width() < 4 || picture_.Height() < 2) return NotifyRepaint();
    Derive(Emboss);
}

void TProEffectImage::Effect_Trace(int passes) {
    // A picture one pixel wide has no right or left neighbour to compare.
    if (passes <= 0 || picture_.Width() < 2) return NotifyRepaint();
    RewriteCopy([&](TBitmap& copy) {
        // The classes never change and the reference class is fixed by the
        // first difference, so a repeated sweep marks nothing new: every
        // pass from the second on adds the backward sweep's marks, once.
        Trace trace(copy);
        trace.ForwardSweep();
        if (passes >= 2) trace.BackwardSweep();
    });
}

}  // namespace corvessa
