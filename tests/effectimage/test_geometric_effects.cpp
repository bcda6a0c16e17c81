// FishEye, Twist, Tile with ResampleBilinear, Splitlight and SpotLight.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "effect_fixture.h"
#include "ground/error.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

using Ext = long double;

// The wrapped bilinear sampling step by step: floats between steps, every
// expression in long double.
Rgb ReferenceSample(const TBitmap& s, float sx, float sy) {
    const int w = s.Width(), h = s.Height();
    int64_t ix = int64_t(sx), iy = int64_t(sy);
    float wx[2], wy[2];
    const Ext fx = Ext(sx) - ix, fy = Ext(sy) - iy;
    wx[0] = sx >= 0 ? float(1 - fx) : float(-fx);
    wx[1] = sx >= 0 ? float(fx) : float(1 + fx);
    wy[0] = sy >= 0 ? float(1 - fy) : float(-fy);
    wy[1] = sy >= 0 ? float(fy) : float(1 + fy);
    if (ix < 0) ix = (w - 1) - ((-ix) % w);
    else if (ix > w - 1) ix = ix % w;
    if (iy < 0) iy = (h - 1) - ((-iy) % h);
    else if (iy > h - 1) iy = iy % h;
    const int64_t c[2] = {ix, ix + 1 < w ? ix + 1 : w - ix - 1};
    const int64_t r[2] = {iy, iy + 1 < h ? iy + 1 : 0};
    float sum[3] = {0, 0, 0};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const float weight = float(Ext(wx[i]) * Ext(wy[j]));
            for (int k = 0; k < 3; ++k)
                sum[k] = float(Ext(sum[k]) + Ext(s.Pixel(int(c[i]), int(r[j]))[k]) * Ext(weight));
        }
    const auto round = [](float v) { return uint8_t(std::nearbyintl(Ext(v))); };
    return {round(sum[2]), round(sum[1]), round(sum[0])};
}

TBitmap ReferenceFishEye(const TBitmap& s, int k) {
    TBitmap d(s.Width(), s.Height());
    const float cx = float(Ext(s.Width()) / 2), cy = float(Ext(s.Height()) / 2), R = float(s.Width() * k);
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const float dx = float(Ext(x) - cx), dy = float(Ext(y) - cy);
            const float r = float(sqrtl(Ext(dx) * dx + Ext(dy) * dy));
            float sx = cx, sy = cy;
            if (r != 0) {
                const float q = float((1 / (1 - Ext(r) / Ext(R)) - 1) * (Ext(R) / 2));
                sx = float(Ext(dx) * Ext(q) / Ext(r) + Ext(cx));
                sy = float(Ext(dy) * Ext(q) / Ext(r) + Ext(cy));
            }
            const Rgb p = ReferenceSample(s, sx, sy);
            d.Pixel(x, y)[0] = p.b, d.Pixel(x, y)[1] = p.g, d.Pixel(x, y)[2] = p.r;
        }
    return d;
}

TBitmap ReferenceTwist(const TBitmap& s, int k) {
    TBitmap d(s.Width(), s.Height());
    const float cx = float(Ext(s.Width() - 1) / 2), cy = float(Ext(s.Height() - 1) / 2);
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const float dx = float(Ext(x) - cx), dy = float(Ext(y) - cy);
            const float r = float(sqrtl(Ext(dx) * dx + Ext(dy) * dy));
            float sx = cx, sy = cy;
            if (r != 0) {
                float angle;
                if (dx == 0)
                    angle = dy > 0 ? 1.5707964f : -1.5707964f;
                else
                    angle = float(atanl(Ext(dy) / Ext(dx)) + (dx < 0 ? std::numbers::pi_v<long double> : 0));
                const float theta = float(Ext(angle) - Ext(r) / k + Ext(1.5707964f));
                sx = float(cosl(theta) * Ext(r) + Ext(cx));
                sy = float(sinl(theta) * Ext(r) + Ext(cy));
            }
            const Rgb p = ReferenceSample(s, sx, sy);
            d.Pixel(x, y)[0] = p.b, d.Pixel(x, y)[1] = p.g, d.Pixel(x, y)[2] = p.r;
        }
    return d;
}

TBitmap ReferenceResample(const TBitmap& s, int tw, int th) {
    TBitmap t(tw, th);
    const int xs = ((s.Width() - 1) * 32768) / tw, ys = ((s.Height() - 1) * 32768) / th;
    int py = 0;
    for (int row = 0; row < th; ++row, py += ys) {
        const int y0 = py >> 15, y1 = y0 + 1 < s.Height() ? y0 + 1 : y0;
        const int fy = py & 32767, gy = 32768 - fy;
        int px = 0;
        for (int u = 0; u < tw; ++u, px += xs) {
            const int x0 = px >> 15, x1 = x0 + 1 < s.Width() ? x0 + 1 : x0;
            const int fx = px & 32767;
            const int wTR = (fx * gy) >> 15, wTL = gy - wTR, wBR = (fx * fy) >> 15, wBL = fy - wBR;
            for (int c = 0; c < 3; ++c)
                t.Pixel(u, row)[c] = uint8_t((s.Pixel(x0, y0)[c] * wTL + s.Pixel(x1, y0)[c] * wTR +
                                              s.Pixel(x0, y1)[c] * wBL + s.Pixel(x1, y1)[c] * wBR) >> 15);
        }
    }
    return t;
}

}  // namespace

using FishEye = EffectTest;

TEST_F(FishEye, MatchesTheStepByStepMappingOnAwkwardSizes) {
    int compared = 0;
    for (auto [w, h] : kAwkwardSizes)
        for (int k : {1, 2, -1, 7}) {
            const TBitmap picture = RandomBitmap(w, h, uint32_t(k + 10));
            Load(picture);
            try {
                effect.Effect_FishEye(k);
            } catch (const CorvessaError&) {
                continue;  // a pixel at exactly the radius; covered below
            }
            ASSERT_TRUE(SamePixels(Result(), ReferenceFishEye(picture, k))) << w << "x" << h << " k " << k;
            ++compared;
        }
    EXPECT_GE(compared, 20);
}

TEST_F(FishEye, KeepsTheCentrePixelOfEvenPictures) {
    for (int k : {1, 3, -2}) {
        const TBitmap picture = RandomBitmap(40, 26, uint32_t(k + 3));
        Load(picture);
        effect.Effect_FishEye(k);
        EXPECT_EQ(PixelAt(Result(), 20, 13), PixelAt(picture, 20, 13)) << k;
    }
}

TEST_F(FishEye, UniformPictureStaysUniform) {
    const TBitmap picture = SolidBitmap(33, 21, {255, 3, 128});
    Load(picture);
    effect.Effect_FishEye(1);
    EXPECT_TRUE(SamePixels(Result(), picture));
}

TEST_F(FishEye, DivisionByZeroFailsAndKeepsThePicture) {
    // k = 0: the radius is 0. k = 1 on 100 x 300: pixel (50, 250) lies
    // exactly at the radius 100.
    for (auto [w, h, k] : {std::tuple{1, 1, 0}, {30, 30, 0}, {100, 300, 1}}) {
        const TBitmap picture = RandomBitmap(w, h, 1);
        Load(picture);
        const int before = repaints;
        EXPECT_THROW(effect.Effect_FishEye(k), CorvessaError) << w << "x" << h << " k " << k;
        EXPECT_TRUE(SamePixels(Result(), picture));
        EXPECT_EQ(repaints, before);
    }
}

using Twist = EffectTest;

TEST_F(Twist, MatchesTheStepByStepMappingOnAwkwardSizes) {
    for (auto [w, h] : kAwkwardSizes)
        for (int k : {1, 20, -5, 2147483647}) {
            const TBitmap picture = RandomBitmap(w, h, uint32_t(k));
            Load(picture);
            effect.Effect_Twist(k);
            ASSERT_TRUE(SamePixels(Result(), ReferenceTwist(picture, k))) << w << "x" << h << " k " << k;
        }
}

TEST_F(Twist, OnePixelPictureIsUnchangedEvenWithRadiusZero) {
    const TBitmap picture = SolidBitmap(1, 1, {10, 20, 30});
    for (int k : {1, 0, -3}) {
        Load(picture);
        effect.Effect_Twist(k);
        EXPECT_TRUE(SamePixels(Result(), picture)) << k;
    }
}

TEST_F(Twist, RadiusZeroFailsAndKeepsThePicture) {
    const TBitmap picture = RandomBitmap(2, 1, 4);
    Load(picture);
    try {
        effect.Effect_Twist(0);
        FAIL() << "no error";
    } catch (const CorvessaError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_TRUE(SamePixels(Result(), picture));
    EXPECT_EQ(repaints, 0);
}

using Tile = EffectTest;

TEST_F(Tile, TwelveSquareGivesFourReducedCopies) {
    const TBitmap picture = RandomBitmap(12, 12, 5);
    const TBitmap tile = ReferenceResample(picture, 6, 6);
    Load(picture);
    effect.Effect_Tile(2);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) EXPECT_EQ(PixelAt(Result(), x, y), PixelAt(tile, x % 6, y % 6)) << x << "," << y;
}

TEST_F(Tile, RefusesTilesUnderFivePixels) {
    const TBitmap picture = RandomBitmap(9, 9, 5);
    for (int n : {2, 0, -1, 10}) {
        Load(picture);
        effect.Effect_Tile(n);
        EXPECT_TRUE(SamePixels(Result(), picture)) << n;
    }
    EXPECT_EQ(repaints, 4);
}

TEST_F(Tile, StripsBeyondTheLastTileKeepTheSource) {
    for (auto [w, h, n] : {std::tuple{13, 13, 2}, {301, 307, 7}, {64, 33, 6}}) {
        const TBitmap picture = RandomBitmap(w, h, 6);
        const int tw = w / n, th = h / n;
        const TBitmap tile = ReferenceResample(picture, tw, th);
        Load(picture);
        effect.Effect_Tile(n);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool tiled = x < n * tw && y < n * th;
                ASSERT_EQ(PixelAt(Result(), x, y), tiled ? PixelAt(tile, x % tw, y % th) : PixelAt(picture, x, y))
                    << w << "x" << h << " n " << n << " at " << x << "," << y;
            }
    }
}

TEST_F(Tile, OneTileIsASmoothedResamplingNotACopy) {
    const TBitmap picture = RandomBitmap(20, 10, 7);
    Load(picture);
    effect.Effect_Tile(1);
    EXPECT_TRUE(SamePixels(Result(), ReferenceResample(picture, 20, 10)));
    EXPECT_FALSE(SamePixels(Result(), picture));
}

TEST(ResampleBilinear, MatchesTheFixedPointStepsWhenReducingAndEnlarging) {
    for (auto [sw, sh, tw, th] : {std::tuple{301, 307, 60, 61}, {17, 9, 40, 31}, {5, 5, 5, 5}, {1, 7, 4, 3},
                                  {7, 1, 3, 4}, {1, 1, 3, 2}, {1000, 600, 999, 601}}) {
        const TBitmap source = RandomBitmap(sw, sh, uint32_t(sw + tw));
        TBitmap target(tw, th);
        ResampleBilinear(source, target);
        EXPECT_TRUE(SamePixels(target, ReferenceResample(source, tw, th))) << sw << "x" << sh << " to " << tw << "x" << th;
    }
}

TEST(ResampleBilinear, UniformSourceGivesUniformTarget) {
    const TBitmap source = SolidBitmap(37, 23, {200, 100, 1});
    TBitmap target(11, 50);
    ResampleBilinear(source, target);
    EXPECT_TRUE(SamePixels(target, SolidBitmap(11, 50, {200, 100, 1})));
}

using Splitlight = EffectTest;

TEST_F(Splitlight, LiftsTheMidtonesPassByPass) {
    TBitmap picture(7, 1);
    const uint8_t levels[7] = {0, 1, 64, 128, 192, 254, 255};
    for (int x = 0; x < 7; ++x) std::fill_n(picture.Pixel(x, 0), 3, levels[x]);
    Load(picture);
    effect.Effect_Splitlight(1);
    const uint8_t once[7] = {0, 2, 98, 181, 236, 255, 255};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(PixelAt(Result(), x, 0).g, once[x]) << int(levels[x]);
    Load(picture);
    effect.Effect_Splitlight(2);
    EXPECT_EQ(PixelAt(Result(), 2, 0).g, 145);
    EXPECT_EQ(PixelAt(Result(), 3, 0).g, 229);
    Load(picture);
    effect.Effect_Splitlight(2147483647);
    for (int x = 0; x < 7; ++x) EXPECT_EQ(PixelAt(Result(), x, 0).g, x == 0 ? 0 : 255);
}

TEST_F(Splitlight, NoPassesLeaveThePictureUnchanged) {
    const TBitmap picture = RandomBitmap(10, 10, 1);
    for (int n : {0, -3}) {
        Load(picture);
        effect.Effect_Splitlight(n);
        EXPECT_TRUE(SamePixels(Result(), picture));
    }
}

using SpotLight = EffectTest;

TEST_F(SpotLight, ShowsTheDarkenedPictureThroughAnEllipticHole) {
    const int w = 41, h = 29;
    const TBitmap picture = RandomBitmap(w, h, 8);
    for (int k : {0, 100}) {
        Load(picture);
        TRect rect{0, 0, w, h};
        effect.Effect_SpotLight(k, rect);
        int inside = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Rgb out = PixelAt(Result(), x, y);
                // Centres outside the inscribed ellipse are black; the rest
                // are black (outline) or darkened.
                const double u = (x + 0.5 - w / 2.0) / (w / 2.0), v = (y + 0.5 - h / 2.0) / (h / 2.0);
                if (u * u + v * v > 1) {
                    EXPECT_EQ(out, (Rgb{0, 0, 0})) << x << "," << y;
                    continue;
                }
                if (out == Rgb{0, 0, 0}) continue;
                ++inside;
                const Rgb in = PixelAt(picture, x, y);
                const auto dark = [k](int c) { return uint8_t(c - c * k / 255); };
                EXPECT_EQ(out, (Rgb{dark(in.r), dark(in.g), dark(in.b)})) << x << "," << y;
            }
        // The outline is one pixel wide: the row through the middle keeps
        // every pixel but its first and last.
        EXPECT_EQ(PixelAt(Result(), 0, h / 2), (Rgb{0, 0, 0}));
        EXPECT_NE(PixelAt(Result(), 1, h / 2), (Rgb{0, 0, 0}));
        EXPECT_NE(PixelAt(Result(), w - 2, h / 2), (Rgb{0, 0, 0}));
        EXPECT_EQ(PixelAt(Result(), w - 1, h / 2), (Rgb{0, 0, 0}));
        EXPECT_EQ(PixelAt(Result(), w / 2, 0), (Rgb{0, 0, 0}));
        EXPECT_NE(PixelAt(Result(), w / 2, 1), (Rgb{0, 0, 0}));
        EXPECT_GT(inside, w * h * 6 / 10);
    }
}

TEST_F(SpotLight, EllipseIsSymmetricAndFollowsTheRectangle) {
    Load(SolidBitmap(60, 40, {200, 200, 200}));
    TRect rect{50, 35, 10, 5};  // corners in either order
    effect.Effect_SpotLight(0, rect);
    EXPECT_EQ(rect.left, 50);  // the caller's rectangle is left alone
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool lit = PixelAt(Result(), x, y).r != 0;
            EXPECT_EQ(lit, PixelAt(Result(), 59 - x, y).r != 0) << x << "," << y;
            EXPECT_EQ(lit, PixelAt(Result(), x, 39 - y).r != 0) << x << "," << y;
            if (x < 11 || x >= 49 || y < 6 || y >= 34) {
                EXPECT_FALSE(lit) << x << "," << y;
            }
        }
    EXPECT_NE(PixelAt(Result(), 30, 20).r, 0);
}

TEST_F(SpotLight, RectangleOutsideThePictureBlacksEverythingOut) {
    Load(RandomBitmap(20, 20, 1));
    TRect rect{-50, -50, -10, -10};
    effect.Effect_SpotLight(0, rect);
    EXPECT_TRUE(SamePixels(Result(), SolidBitmap(20, 20, {0, 0, 0})));
}
