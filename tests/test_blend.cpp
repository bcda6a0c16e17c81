#include <gtest/gtest.h>

#include "ground/blend_rows.h"
#include "test_support.h"

using namespace corvessa;
using corvessa::test::PixelAt;
using corvessa::test::RandomBitmap;
using corvessa::test::SolidBitmap;

TEST(BlendHelpers, ScreenDividesBy256) {
    EXPECT_EQ(BlendScreen(0, 0), 1);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(BlendScreen(255, b), 255);
    for (int a = 0; a < 255; ++a) EXPECT_EQ(BlendScreen(a, 0), a + 1);
}

TEST(BlendHelpers, ColorDodgeClampsAndSaturates) {
    for (int a = 0; a < 256; ++a) EXPECT_EQ(BlendColorDodge(a, 255), 255);
    EXPECT_EQ(BlendColorDodge(200, 100), 255);
    EXPECT_EQ(BlendColorDodge(100, 100), 165);
    for (int b = 0; b < 255; ++b) EXPECT_EQ(BlendColorDodge(0, b), 0);
}

TEST(BlendHelpers, ColorBurnClampsAndSaturates) {
    for (int a = 0; a < 256; ++a) EXPECT_EQ(BlendColorBurn(a, 0), 0);
    EXPECT_EQ(BlendColorBurn(0, 255), 0);
    for (int b = 1; b < 256; ++b) EXPECT_EQ(BlendColorBurn(255, b), 255);
    EXPECT_EQ(BlendColorBurn(200, 100), 115);
}

TEST(BlendHelpers, OverlayStepsOnFirstArgumentHardLightOnSecond) {
    EXPECT_EQ(BlendOverlay(127, 255), 253);
    EXPECT_EQ(BlendOverlay(128, 0), 2);
    EXPECT_EQ(BlendHardLight(255, 127), 253);
    EXPECT_EQ(BlendHardLight(0, 128), 2);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(BlendOverlay(0, b), 0);
    EXPECT_EQ(BlendOverlay(255, 255), 255);
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) ASSERT_EQ(BlendOverlay(a, b), BlendHardLight(b, a));
}

TEST(BlendHelpers, EveryResultIsAChannelValue) {
    for (BlendFn f : {BlendColorDodge, BlendScreen, BlendLighten, BlendDarken, BlendHardLight, BlendColorBurn,
                      BlendOverlay})
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) {
                const int v = f(a, b);
                ASSERT_TRUE(v >= 0 && v <= 255) << a << "," << b;
            }
    EXPECT_EQ(BlendLighten(3, 200), 200);
    EXPECT_EQ(BlendDarken(3, 200), 3);
}

TEST(BlendPass, AppliesTheHelperToEveryByteAndMayWriteInPlace) {
    TBitmap a = RandomBitmap(1001, 37, 1), b = RandomBitmap(1001, 37, 2);
    TBitmap t(1001, 37);
    BlendPass<BlendScreen>(t, a, b);
    for (int y = 0; y < 37; ++y)
        for (size_t i = 0; i < a.RowBytes(); ++i)
            ASSERT_EQ(t.Row(y)[i], BlendScreen(a.Row(y)[i], b.Row(y)[i]));
    BlendPass<BlendOverlay>(b, a, b);  // in place on the second argument
    for (size_t i = 0; i < a.RowBytes(); ++i)
        ASSERT_EQ(b.Row(36)[i], BlendOverlay(a.Row(36)[i], RandomBitmap(1001, 37, 2).Row(36)[i]));
}

TEST(MaskBlend, WhiteMaskCopiesOverBlackKeepsBase) {
    TBitmap base = RandomBitmap(31, 9, 1), over = RandomBitmap(31, 9, 2);
    TBitmap original;
    original.CopyFrom(base);
    MaskBlend(base, over, SolidBitmap(31, 9, {0, 0, 0}));
    EXPECT_TRUE(corvessa::test::SamePixels(base, original));
    MaskBlend(base, over, SolidBitmap(31, 9, {255, 255, 255}));
    EXPECT_TRUE(corvessa::test::SamePixels(base, over));
}

TEST(MaskBlend, WeightsAreLuminanceRoundedHalfToEven) {
    EXPECT_EQ(MaskWeight(128, 128, 128), 128);
    EXPECT_EQ(MaskWeight(255, 0, 0), 76);   // exactly 76.5 in extended: a tie, to even
    EXPECT_EQ(MaskWeight(0, 255, 0), 150);  // 150.45
    EXPECT_EQ(MaskWeight(0, 0, 255), 28);   // 28.05
    EXPECT_EQ(MaskWeight(255, 255, 255), 255);
    EXPECT_EQ(MaskWeight(0, 0, 0), 0);
}

TEST(MaskBlend, EveryMaskColourWeighsAsTheExtendedFormula) {
    // All 2^24 mask colours, one per pixel: with a black base and a white
    // over, each result byte is the pixel's weight.
    TBitmap mask(4096, 4096), base = SolidBitmap(4096, 4096, {0, 0, 0});
    const TBitmap over = SolidBitmap(4096, 4096, {255, 255, 255});
    for (uint32_t c = 0; c < (1u << 24); ++c) {
        uint8_t* p = mask.Data() + size_t(c) * 3;
        p[0] = uint8_t(c), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c >> 16);
    }
    MaskBlend(base, over, mask);
    for (uint32_t c = 0; c < (1u << 24); ++c) {
        const uint8_t* p = base.Data() + size_t(c) * 3;
        const int w = MaskWeight(int(c >> 16), int(uint8_t(c >> 8)), int(uint8_t(c)));
        if (p[0] != w || p[1] != w || p[2] != w) FAIL() << "colour " << std::hex << c;
    }
}

TEST(MaskBlend, GreyMaskMixesProportionally) {
    TBitmap base = SolidBitmap(2, 2, {0, 100, 255});
    TBitmap over = SolidBitmap(2, 2, {255, 200, 0});
    MaskBlend(base, over, SolidBitmap(2, 2, {128, 128, 128}));
    // (128*over + 127*base) div 255
    EXPECT_EQ(PixelAt(base, 1, 1), (Rgb{128, 150, 127}));
}

TEST(Grayscale, UsesIntegerWeights) {
    TBitmap b(6, 1);
    const Rgb colours[6] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {128, 128, 128}, {10, 200, 30}};
    for (int x = 0; x < 6; ++x) {
        b.Pixel(x, 0)[0] = colours[x].b;
        b.Pixel(x, 0)[1] = colours[x].g;
        b.Pixel(x, 0)[2] = colours[x].r;
    }
    Grayscale(b);
    const int expected[6] = {76, 150, 27, 255, 128, (28 * 30 + 151 * 200 + 77 * 10) >> 8};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(PixelAt(b, x, 0), (Rgb{uint8_t(expected[x]), uint8_t(expected[x]), uint8_t(expected[x])}));
}

TEST(Grayscale, IsIdempotent) {
    TBitmap b = RandomBitmap(105, 105, 4), twice;
    Grayscale(b);
    twice.CopyFrom(b);
    Grayscale(twice);
    EXPECT_TRUE(corvessa::test::SamePixels(b, twice));
}
