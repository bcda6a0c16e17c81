// AntiAlias, Emboss and Trace: visiting orders and worked examples.

#include <gtest/gtest.h>

#include "effect_fixture.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

void ReferenceAntiAlias(TBitmap& b) {
    for (int y = 1; y <= b.Height() - 2; ++y)
        for (int x = 1; x <= b.Width() - 2; ++x)
            for (int c = 0; c < 3; ++c)
                b.Pixel(x, y)[c] = uint8_t((b.Pixel(x, y - 1)[c] + b.Pixel(x, y + 1)[c] + b.Pixel(x - 1, y)[c] +
                                            b.Pixel(x + 1, y)[c]) >> 2);
}

void ReferenceEmboss(TBitmap& b) {
    for (int y = 0; y <= b.Height() - 2; ++y)
        for (int x = 0; x <= b.Width() - 4; ++x)
            for (int c = 0; c < 3; ++c)
                b.Pixel(x, y)[c] = uint8_t((b.Pixel(x, y)[c] + (255 - b.Pixel(x + 3, y + 1)[c])) >> 1);
}

// The sweeps as stated, n passes, on pictures whose colours are all palette
// colours (cube colours), so that equal classes mean equal colours.
void ReferenceTrace(TBitmap& b, int n) {
    const int w = b.Width(), h = b.Height();
    TBitmap q;
    q.CopyFrom(b);
    bool found = false;
    Rgb t;
    const auto test = [&](int px, int py, int ex, int ey) {
        const Rgb p = PixelAt(q, px, py), e = PixelAt(q, ex, ey);
        if (p == e) return;
        int mx = px, my = py;
        if (!found) {
            t = e;
            found = true;
        } else if (p == t) {
            mx = ex, my = ey;
        }
        std::fill_n(b.Pixel(mx, my), 3, uint8_t(0));
    };
    for (int i = 1; i <= n; ++i) {
        for (int y = 0; y <= h - 2; ++y)
            for (int x = 0; x <= std::max(w - 3, 0); ++x) {
                test(x, y, x + 1, y);
                test(x, y, x, y + 1);
            }
        if (i >= 2)
            for (int y = h - 1; y >= 1; --y)
                for (int x = w - 1; x >= (w == 2 ? 1 : 2); --x) {
                    test(x, y, x - 1, y);
                    test(x, y, x, y - 1);
                }
    }
}

// Random pixels drawn from a few colours of the palette's colour cube.
TBitmap Patches(int w, int h, uint32_t seed) {
    const Rgb colours[] = {{255, 255, 255}, {0, 0, 0}, {255, 0, 51}, {102, 153, 204}};
    TBitmap b(w, h);
    RandomGenerator g(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Runs of one colour, so borders are lines, not noise.
            const Rgb c = g.Random(4) == 0 ? colours[g.Random(4)] : (x > 0 ? PixelAt(b, x - 1, y) : colours[0]);
            b.Pixel(x, y)[0] = c.b, b.Pixel(x, y)[1] = c.g, b.Pixel(x, y)[2] = c.r;
        }
    return b;
}

TBitmap Stripes(int w, int h, int m) {
    TBitmap b = SolidBitmap(w, h, {0, 0, 0});
    for (int y = 0; y < h; ++y) std::fill_n(b.Row(y), size_t(m) * 3, uint8_t(255));
    return b;
}

}  // namespace

using AntiAlias = EffectTest;

TEST_F(AntiAlias, ThreeByThreeChangesOnlyTheCentre) {
    TBitmap picture = RandomBitmap(3, 3, 2);
    Load(picture);
    effect.Effect_AntiAlias();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            if (x == 1 && y == 1) continue;
            EXPECT_EQ(PixelAt(Result(), x, y), PixelAt(picture, x, y));
        }
    for (int c = 0; c < 3; ++c) {
        const int mean = (picture.Pixel(1, 0)[c] + picture.Pixel(1, 2)[c] + picture.Pixel(0, 1)[c] +
                          picture.Pixel(2, 1)[c]) >> 2;
        EXPECT_EQ(Result().Pixel(1, 1)[c], mean);
    }
}

TEST_F(AntiAlias, ReadsTheNewUpperAndLeftNeighbours) {
    for (auto [w, h] : kAwkwardSizes) {
        TBitmap picture = RandomBitmap(w, h, uint32_t(w));
        Load(picture);
        effect.Effect_AntiAlias();
        ReferenceAntiAlias(picture);
        ASSERT_TRUE(SamePixels(Result(), picture)) << w << "x" << h;
    }
}

TEST_F(AntiAlias, NarrowAndUniformPicturesAreUnchanged) {
    for (auto [w, h] : {std::pair{2, 9}, {9, 2}, {1, 1}}) {
        const TBitmap picture = RandomBitmap(w, h, 1);
        Load(picture);
        effect.Effect_AntiAlias();
        EXPECT_TRUE(SamePixels(Result(), picture)) << w << "x" << h;
    }
    const TBitmap uniform = SolidBitmap(20, 20, {7, 8, 9});
    Load(uniform);
    effect.Effect_AntiAlias();
    EXPECT_TRUE(SamePixels(Result(), uniform));
}

using Emboss = EffectTest;

TEST_F(Emboss, UniformPictureTurnsGreyExceptTheLastRowAndColumns) {
    Load(SolidBitmap(10, 6, {200, 40, 255}));
    effect.Effect_Emboss();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool kept = y == 5 || x >= 7;
            EXPECT_EQ(PixelAt(Result(), x, y), (kept ? Rgb{200, 40, 255} : Rgb{127, 127, 127})) << x << "," << y;
        }
}

TEST_F(Emboss, UsesOnlyValuesFromBeforeTheEffect) {
    for (auto [w, h] : kAwkwardSizes) {
        TBitmap picture = RandomBitmap(w, h, uint32_t(h));
        Load(picture);
        effect.Effect_Emboss();
        ReferenceEmboss(picture);
        ASSERT_TRUE(SamePixels(Result(), picture)) << w << "x" << h;
    }
}

using Trace = EffectTest;

TEST_F(Trace, OnePassOutlinesTheStripeBorderAboveTheLastRow) {
    for (int m : {2, 5, 8}) {
        const TBitmap picture = Stripes(10, 6, m);
        Load(picture);
        effect.Effect_Trace(1);
        TBitmap expected;
        expected.CopyFrom(picture);
        for (int y = 0; y < 5; ++y) std::fill_n(expected.Pixel(m - 1, y), 3, uint8_t(0));
        EXPECT_TRUE(SamePixels(Result(), expected)) << m;
    }
}

TEST_F(Trace, LaterPassesAddTheBackwardSweepOnce) {
    for (int m : {2, 5, 8}) {
        const TBitmap picture = Stripes(10, 6, m);
        TBitmap expected;
        expected.CopyFrom(picture);
        for (int y = 0; y < 6; ++y) std::fill_n(expected.Pixel(m - 1, y), 3, uint8_t(0));
        for (int n : {2, 3, 2147483647}) {
            Load(picture);
            effect.Effect_Trace(n);
            EXPECT_TRUE(SamePixels(Result(), expected)) << m << " passes " << n;
        }
    }
}

TEST_F(Trace, FollowsBothSweepsOnPatchyPictures) {
    for (auto [w, h] : kAwkwardSizes)
        for (int n : {1, 2, 3}) {
            TBitmap picture = Patches(w, h, uint32_t(w * h + n));
            Load(picture);
            effect.Effect_Trace(n);
            if (w > 1) ReferenceTrace(picture, n);
            ASSERT_TRUE(SamePixels(Result(), picture)) << w << "x" << h << " passes " << n;
        }
}

TEST_F(Trace, ColoursOfOneClassDrawNoOutline) {
    TBitmap picture = SolidBitmap(12, 12, {0, 0, 255});
    for (int y = 0; y < 12; ++y)
        for (int x = 6; x < 12; ++x) picture.Pixel(x, y)[2] = 3, picture.Pixel(x, y)[0] = 250;
    Load(picture);
    effect.Effect_Trace(2);
    EXPECT_TRUE(SamePixels(Result(), picture));
}

TEST_F(Trace, UniformNarrowOrPasslessPicturesAreUnchanged) {
    const auto unchanged = [&](const TBitmap& picture, int n) {
        Load(picture);
        effect.Effect_Trace(n);
        return SamePixels(Result(), picture);
    };
    EXPECT_TRUE(unchanged(SolidBitmap(9, 7, {10, 200, 30}), 2));
    EXPECT_TRUE(unchanged(Stripes(10, 6, 4), 0));
    EXPECT_TRUE(unchanged(Stripes(10, 6, 4), -2));
    EXPECT_TRUE(unchanged(Patches(1, 20, 3), 2));
}
