// SplitBlur, GaussianBlur and Mosaic against plain per-pixel references.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "effect_fixture.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

int Clamp(int64_t v, int n) { return int(std::clamp<int64_t>(v, 0, n - 1)); }

// The pass exactly as stated: rows top to bottom, pixels left to right, in
// place, out-of-picture indices clamped.
void ReferenceSplitBlur(TBitmap& b, int a) {
    if (a == 0) return;
    const int w = b.Width(), h = b.Height();
    for (int y = 0; y < h; ++y) {
        const int up = Clamp(y - int64_t(a) >= 0 ? y - int64_t(a) : y, h);
        const int low = Clamp(y + int64_t(a) < h ? y + int64_t(a) : h - int64_t(y), h);
        for (int x = 0; x < w; ++x) {
            const int l = Clamp(x - int64_t(a) >= 0 ? x - int64_t(a) : x, w);
            const int r = Clamp(x + int64_t(a) < w ? x + int64_t(a) : w - int64_t(x), w);
            int sum[3];
            for (int c = 0; c < 3; ++c)
                sum[c] = b.Pixel(l, up)[c] + b.Pixel(l, low)[c] + b.Pixel(r, up)[c] + b.Pixel(r, low)[c];
            for (int c = 0; c < 3; ++c) b.Pixel(x, y)[c] = uint8_t(sum[c] >> 2);
        }
    }
}

TBitmap Reference(const TBitmap& picture, void (*routine)(TBitmap&, int), int argument, int times = 1) {
    TBitmap b;
    b.CopyFrom(picture);
    for (int i = 0; i < times; ++i) routine(b, argument);
    return b;
}

void ReferenceMosaic(TBitmap& b, int s) {
    if (s <= 1) return;
    TBitmap before;
    before.CopyFrom(b);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            std::copy_n(before.Pixel(x / s * s, y / s * s), 3, b.Pixel(x, y));
}

}  // namespace

using SplitBlur = EffectTest;

TEST_F(SplitBlur, MatchesThePlainInPlacePassOnAwkwardSizesAndDistances) {
    for (auto [w, h] : kAwkwardSizes)
        for (int a : {1, 2, 3, 7, 150, w - 1, h - 1, w, h, w + 5, -1, -4}) {
            const TBitmap picture = RandomBitmap(w, h, uint32_t(w * 7 + a));
            Load(picture);
            effect.Effect_SplitBlur(a);
            ASSERT_TRUE(SamePixels(Result(), Reference(picture, ReferenceSplitBlur, a)))
                << w << "x" << h << " distance " << a;
        }
}

TEST_F(SplitBlur, LastRowsWrapToRowsNearTheTopAfterTheyAreBlurred) {
    // Black with a white row 1: rows 97 and 98 read rows 3 and 2 (still
    // black), row 99 reads the blurred row 1.
    TBitmap picture = SolidBitmap(100, 100, {0, 0, 0});
    std::fill_n(picture.Row(1), picture.RowBytes(), uint8_t(255));
    Load(picture);
    effect.Effect_SplitBlur(3);
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(PixelAt(Result(), x, 97), (Rgb{0, 0, 0})) << x;
        EXPECT_EQ(PixelAt(Result(), x, 98), (Rgb{0, 0, 0})) << x;
    }
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(Result(), x, 99), (Rgb{55, 55, 55})) << x;
    // Row 1 reads itself: columns 0..2 see two old whites (127), column 3
    // reads the new column 0 (127) and the old column 6 (255).
    EXPECT_EQ(PixelAt(Result(), 0, 1), (Rgb{127, 127, 127}));
    EXPECT_EQ(PixelAt(Result(), 3, 1), (Rgb{95, 95, 95}));
}

TEST_F(SplitBlur, DistanceZeroLeavesThePictureUnchanged) {
    const TBitmap picture = RandomBitmap(20, 20, 5);
    Load(picture);
    effect.Effect_SplitBlur(0);
    EXPECT_TRUE(SamePixels(Result(), picture));
    EXPECT_EQ(repaints, 1);
}

TEST_F(SplitBlur, UniformPictureStaysUniformUnderAnyPassesAndDistances) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {40, 30}})
        for (int a : {1, 3, 50, -2}) {
            const TBitmap picture = SolidBitmap(w, h, {9, 200, 77});
            Load(picture);
            effect.Effect_SplitBlur(a);
            effect.Effect_GaussianBlur(2);
            EXPECT_TRUE(SamePixels(Result(), picture)) << w << "x" << h << " distance " << a;
        }
}

using GaussianBlur = EffectTest;

TEST_F(GaussianBlur, RunsOneMoreDistanceThreePassThanAsked) {
    // Tall enough for the three row chains to run on separate threads.
    const TBitmap picture = RandomBitmap(613, 1201, 8);
    for (int extra : {0, 1, 3}) {
        Load(picture);
        effect.Effect_GaussianBlur(extra);
        EXPECT_TRUE(SamePixels(Result(), Reference(picture, ReferenceSplitBlur, 3, extra + 1))) << extra;
    }
}

TEST_F(GaussianBlur, NegativePassCountLeavesThePictureUnchanged) {
    const TBitmap picture = RandomBitmap(30, 30, 2);
    Load(picture);
    effect.Effect_GaussianBlur(-1);
    EXPECT_TRUE(SamePixels(Result(), picture));
    EXPECT_EQ(repaints, 1);
}

TEST_F(GaussianBlur, PicturesSmallerThanTheDistanceAreClamped) {
    for (auto [w, h] : {std::pair{1, 1}, {2, 3}, {3, 9}, {9, 3}}) {
        const TBitmap picture = RandomBitmap(w, h, 4);
        Load(picture);
        effect.Effect_GaussianBlur(1);
        EXPECT_TRUE(SamePixels(Result(), Reference(picture, ReferenceSplitBlur, 3, 2))) << w << "x" << h;
    }
}

using Mosaic = EffectTest;

TEST_F(Mosaic, BlocksAreAnchoredTopLeftAndCutOffAtTheEdges) {
    const TBitmap picture = RandomBitmap(10, 10, 6);
    Load(picture);
    effect.Effect_Mosaic(4);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(PixelAt(Result(), x, y), PixelAt(picture, x / 4 * 4, y / 4 * 4)) << x << "," << y;
    for (int y = 8; y < 10; ++y)
        for (int x = 8; x < 10; ++x) EXPECT_EQ(PixelAt(Result(), x, y), PixelAt(picture, 8, 8));
}

TEST_F(Mosaic, MatchesThePlainBlockCopyOnAwkwardSizes) {
    for (auto [w, h] : kAwkwardSizes)
        for (int s : {2, 3, 7, 15, w, h + 1, 100000}) {
            const TBitmap picture = RandomBitmap(w, h, uint32_t(s));
            Load(picture);
            effect.Effect_Mosaic(s);
            ASSERT_TRUE(SamePixels(Result(), Reference(picture, ReferenceMosaic, s))) << w << "x" << h << " size " << s;
        }
}

TEST_F(Mosaic, BlockSizesOfOneOrLessLeaveThePictureUnchanged) {
    const TBitmap picture = RandomBitmap(13, 7, 1);
    for (int s : {1, 0, -3}) {
        Load(picture);
        effect.Effect_Mosaic(s);
        EXPECT_TRUE(SamePixels(Result(), picture)) << s;
    }
    EXPECT_EQ(repaints, 3);
}
