// Colour and point effects: worked values, the noise draws, failures.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "effect_fixture.h"
#include "ground/error.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// 256 pixels whose three channels each run through every value once.
TBitmap EveryChannelValue() {
    TBitmap b(256, 1);
    for (int x = 0; x < 256; ++x) {
        b.Pixel(x, 0)[0] = uint8_t(x);
        b.Pixel(x, 0)[1] = uint8_t(x + 85);
        b.Pixel(x, 0)[2] = uint8_t(x + 170);
    }
    return b;
}

TBitmap OnePixel(Rgb colour) { return SolidBitmap(1, 1, colour); }

}  // namespace

class PointEffect : public EffectTest {
protected:
    // Runs `call` on every channel value and checks each against `expected`.
    void ExpectChannelFunction(const std::function<void()>& call, const std::function<int(int)>& expected) {
        const TBitmap picture = EveryChannelValue();
        Load(picture);
        call();
        for (int i = 0; i < 256 * 3; ++i)
            ASSERT_EQ(Result().Data()[i], expected(picture.Data()[i])) << "channel value " << int(picture.Data()[i]);
    }
    Rgb On(Rgb colour, const std::function<void()>& call) {
        Load(OnePixel(colour));
        call();
        return PixelAt(Result(), 0, 0);
    }
};

TEST_F(PointEffect, InvertTwiceRestores) {
    const TBitmap picture = RandomBitmap(301, 307, 1);
    ExpectChannelFunction([&] { effect.Effect_Invert(); }, [](int c) { return 255 - c; });
    Load(picture);
    effect.Effect_Invert();
    effect.Effect_Invert();
    EXPECT_TRUE(SamePixels(Result(), picture));
}

TEST_F(PointEffect, ContrastPushesAwayFromTheIntegerPivot127) {
    ExpectChannelFunction([&] { effect.Effect_Contrast(255); },
                          [](int c) { return c > 127 ? std::min(255, 2 * c - 127) : std::max(0, 2 * c - 127); });
    EXPECT_EQ(On({200, 50, 127}, [&] { effect.Effect_Contrast(255); }), (Rgb{255, 0, 127}));
    ExpectChannelFunction([&] { effect.Effect_Contrast(-255); }, [](int) { return 127; });
    ExpectChannelFunction([&] { effect.Effect_Contrast(0); }, [](int c) { return c; });
    // Products beyond 32 bits neither wrap nor leave the channel range.
    ExpectChannelFunction([&] { effect.Effect_Contrast(2147483647); },
                          [](int c) { return c == 127 ? 127 : c > 127 ? 255 : 0; });
    // div truncates toward zero: 10 * 100 / 255 = 3.9 gives 3.
    EXPECT_EQ(On({137, 117, 127}, [&] { effect.Effect_Contrast(100); }), (Rgb{140, 114, 127}));
    EXPECT_EQ(On({137, 117, 127}, [&] { effect.Effect_Contrast(-100); }), (Rgb{134, 120, 127}));
}

TEST_F(PointEffect, LightnessAndDarknessMoveTowardWhiteAndBlack) {
    ExpectChannelFunction([&] { effect.Effect_Lightness(0); }, [](int c) { return c; });
    ExpectChannelFunction([&] { effect.Effect_Lightness(255); }, [](int) { return 255; });
    ExpectChannelFunction([&] { effect.Effect_Lightness(100); }, [](int c) { return c + (255 - c) * 100 / 255; });
    ExpectChannelFunction([&] { effect.Effect_Lightness(-100); },
                          [](int c) { return std::max(0, c + (255 - c) * -100 / 255); });
    ExpectChannelFunction([&] { effect.Effect_Darkness(0); }, [](int c) { return c; });
    ExpectChannelFunction([&] { effect.Effect_Darkness(255); }, [](int) { return 0; });
    ExpectChannelFunction([&] { effect.Effect_Darkness(-300); },
                          [](int c) { return std::min(255, c - c * -300 / 255); });
}

TEST_F(PointEffect, GrayScaleWeightsTheChannels) {
    const auto gray = [&](Rgb c) { return On(c, [&] { effect.Effect_GrayScale(); }); };
    EXPECT_EQ(gray({100, 0, 0}), (Rgb{30, 30, 30}));
    EXPECT_EQ(gray({0, 100, 0}), (Rgb{59, 59, 59}));
    EXPECT_EQ(gray({0, 0, 100}), (Rgb{11, 11, 11}));
    EXPECT_EQ(gray({255, 255, 255}), (Rgb{255, 255, 255}));
    EXPECT_EQ(gray({77, 77, 77}), (Rgb{77, 77, 77}));
}

TEST_F(PointEffect, GrayScaleRoundsTheExtendedSumForEveryColour) {
    TBitmap all(4096, 4096);
    for (int i = 0; i < (1 << 24); ++i) {
        uint8_t* p = all.Data() + size_t(i) * 3;
        p[0] = uint8_t(i);
        p[1] = uint8_t(i >> 8);
        p[2] = uint8_t(i >> 16);
    }
    Load(all);
    effect.Effect_GrayScale();
    int wrong = 0, firstWrong = -1;
    for (int i = 0; i < (1 << 24); ++i) {
        const int blue = uint8_t(i), green = uint8_t(i >> 8), red = uint8_t(i >> 16);
        const auto gray = uint8_t(std::lrintl(0.30L * red + 0.59L * green + 0.11L * blue));
        const uint8_t* p = Result().Data() + size_t(i) * 3;
        if (p[0] != gray || p[1] != gray || p[2] != gray) {
            if (wrong++ == 0) firstWrong = i;
        }
    }
    EXPECT_EQ(wrong, 0) << "first at colour index " << firstWrong;
}

TEST_F(PointEffect, SaturationScalesTheDistanceFromTheMean) {
    const auto saturate = [&](Rgb c, int k) { return On(c, [&] { effect.Effect_Saturation(k); }); };
    EXPECT_EQ(saturate({200, 100, 0}, 0), (Rgb{100, 100, 100}));
    EXPECT_EQ(saturate({200, 100, 0}, 255), (Rgb{200, 100, 0}));
    EXPECT_EQ(saturate({200, 100, 0}, 510), (Rgb{255, 100, 0}));
    // -10000 / 255 truncates to -39, not -40.
    EXPECT_EQ(saturate({200, 100, 0}, -100), (Rgb{61, 100, 139}));
    EXPECT_EQ(saturate({200, 100, 0}, -2147483647 - 1), (Rgb{0, 100, 255}));
    // The mean is rounded down: (10 + 11 + 11) div 3 = 10.
    EXPECT_EQ(saturate({10, 11, 11}, 0), (Rgb{10, 10, 10}));
}

TEST_F(PointEffect, SolorizeInvertsPixelsWhoseMeanExceedsTheThreshold) {
    const TBitmap picture = RandomBitmap(64, 33, 4);
    Load(picture);
    effect.Effect_Solorize(255);
    EXPECT_TRUE(SamePixels(Result(), picture));
    effect.Effect_Solorize(-1);
    effect.Effect_Invert();
    EXPECT_TRUE(SamePixels(Result(), picture));
    EXPECT_EQ(On({100, 100, 100}, [&] { effect.Effect_Solorize(100); }), (Rgb{100, 100, 100}));
    EXPECT_EQ(On({101, 100, 102}, [&] { effect.Effect_Solorize(100); }), (Rgb{154, 155, 153}));
    EXPECT_EQ(On({100, 101, 102}, [&] { effect.Effect_Solorize(100); }), (Rgb{155, 154, 153}));
}

TEST_F(PointEffect, PosterizeRoundsToMultiplesHalvesToEven) {
    const auto posterize = [&](int c, int s) {
        return int(On({uint8_t(c), uint8_t(c), uint8_t(c)}, [&] { effect.Effect_Posterize(s); }).r);
    };
    EXPECT_EQ(posterize(31, 64), 0);
    EXPECT_EQ(posterize(32, 64), 0);
    EXPECT_EQ(posterize(96, 64), 128);
    EXPECT_EQ(posterize(100, 64), 128);
    EXPECT_EQ(posterize(25, 10), 20);
    EXPECT_EQ(posterize(35, 10), 40);
    EXPECT_EQ(posterize(254, 10), 250);
    ExpectChannelFunction([&] { effect.Effect_Posterize(1); }, [](int c) { return c; });
    // Multiples beyond a channel's range stay at 255.
    EXPECT_EQ(posterize(255, 2), 255);
    EXPECT_EQ(posterize(200, 300), 255);
    EXPECT_EQ(posterize(100, 300), 0);
    EXPECT_EQ(posterize(255, 2147483647), 0);
}

TEST_F(PointEffect, PosterizeStepAndItsNegativeAgree) {
    const TBitmap picture = RandomBitmap(64, 33, 9);
    for (int s : {3, 10, 64, 200}) {
        Load(picture);
        effect.Effect_Posterize(s);
        TBitmap positive;
        positive.CopyFrom(Result());
        Load(picture);
        effect.Effect_Posterize(-s);
        EXPECT_TRUE(SamePixels(Result(), positive)) << s;
    }
}

TEST_F(PointEffect, PosterizeZeroFailsAndKeepsThePicture) {
    const TBitmap picture = RandomBitmap(9, 9, 2);
    Load(picture);
    try {
        effect.Effect_Posterize(0);
        FAIL() << "no error";
    } catch (const CorvessaError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_TRUE(SamePixels(Result(), picture));
    EXPECT_EQ(repaints, 0);
}

class Noise : public EffectTest {
protected:
    // The draws as stated: pixels row by row, left to right; per pixel three
    // draws (blue, green, red) for colour noise, one for mono noise.
    TBitmap ReferenceNoise(const TBitmap& picture, RandomGenerator& g, int n, bool colour) {
        TBitmap b;
        b.CopyFrom(picture);
        const uint32_t range = n > 0 ? uint32_t(n) : 0;
        const int half = int(range >> 1);
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const int mono = colour ? 0 : int(g.Random(range));
                for (int c = 0; c < 3; ++c) {
                    const int draw = colour ? int(g.Random(range)) : mono;
                    b.Pixel(x, y)[c] = uint8_t(std::clamp(b.Pixel(x, y)[c] + draw - half, 0, 255));
                }
            }
        return b;
    }
    void ExpectSameAsDrawnOneByOne(int w, int h, int n, bool colour) {
        const TBitmap picture = RandomBitmap(w, h, uint32_t(n));
        RandomGenerator expected(random.Seed());
        const TBitmap reference = ReferenceNoise(picture, expected, n, colour);
        Load(picture);
        if (colour)
            effect.Effect_AddColorNoise(n);
        else
            effect.Effect_AddMonoNoise(n);
        EXPECT_TRUE(SamePixels(Result(), reference)) << w << "x" << h << " range " << n;
        EXPECT_EQ(random.Seed(), expected.Seed()) << w << "x" << h << " range " << n;
    }
};

TEST_F(Noise, ColourNoiseDrawsThreeNumbersPerPixelInOrder) {
    for (auto [w, h] : kAwkwardSizes)
        for (int n : {10, 2, 3, 255, 1000}) ExpectSameAsDrawnOneByOne(w, h, n, true);
}

TEST_F(Noise, MonoNoiseDrawsOneNumberPerPixel) {
    for (auto [w, h] : kAwkwardSizes)
        for (int n : {10, 2, 255, 1000}) ExpectSameAsDrawnOneByOne(w, h, n, false);
}

TEST_F(Noise, OffsetsLieWithinTheHalvedRange) {
    Load(SolidBitmap(64, 64, {128, 128, 128}));
    effect.Effect_AddColorNoise(10);
    int low = 255, high = 0;
    for (size_t i = 0; i < Result().ByteCount(); ++i) {
        low = std::min<int>(low, Result().Data()[i]);
        high = std::max<int>(high, Result().Data()[i]);
    }
    EXPECT_EQ(low, 128 - 5);
    EXPECT_EQ(high, 128 + 4);
}

TEST_F(Noise, MonoNoiseKeepsTheChannelDifferencesUnlessClamped) {
    Load(SolidBitmap(50, 50, {100, 120, 140}));
    effect.Effect_AddMonoNoise(60);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            const Rgb p = PixelAt(Result(), x, y);
            EXPECT_EQ(p.b - p.g, 20);
            EXPECT_EQ(p.g - p.r, 20);
        }
}

TEST_F(Noise, RangesBelowTwoChangeNothingButStillAdvanceTheGenerator) {
    const TBitmap picture = RandomBitmap(13, 7, 3);
    for (int n : {0, 1, -5}) {
        for (bool colour : {true, false}) {
            RandomGenerator expected(random.Seed());
            for (int i = 0; i < 13 * 7 * (colour ? 3 : 1); ++i) expected.Random(uint32_t(std::max(n, 0)));
            Load(picture);
            if (colour)
                effect.Effect_AddColorNoise(n);
            else
                effect.Effect_AddMonoNoise(n);
            EXPECT_TRUE(SamePixels(Result(), picture)) << n;
            EXPECT_EQ(random.Seed(), expected.Seed()) << n << (colour ? " colour" : " mono");
        }
    }
}
