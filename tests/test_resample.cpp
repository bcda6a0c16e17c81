// Export's resampling: the sizes it chooses, and Lanczos-3 in linear
// light against a plain two-dimensional sum in double precision.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ground/parallel.h"
#include "ground/resample.h"
#include "test_support.h"

namespace corvessa {
namespace {

TEST(ResampleTest, SizesFitTheBoxKeepTheShapeAndNeverGrow) {
    struct Case {
        int width, height, boxWidth, boxHeight;
        PictureSize expected;
    };
    const Case cases[] = {
        {6000, 4000, 2048, 2048, {2048, 1365}},  // the long edge binds
        {4000, 6000, 2048, 2048, {1365, 2048}},
        {6000, 4000, 1920, 1080, {1620, 1080}},  // the height binds
        {6000, 4000, 1000, 5000, {1000, 667}},   // the width binds
        {1000, 800, 2048, 2048, {1000, 800}},    // fits: kept, not enlarged
        {2048, 1000, 2048, 2048, {2048, 1000}},
        {3, 1, 2, 2, {2, 1}},
        {1, 5000, 10, 10, {1, 10}},
        {5000, 1, 10, 10, {10, 1}},              // a side rounds to nothing: one pixel
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitInside(c.width, c.height, c.boxWidth, c.boxHeight), c.expected)
            << c.width << "x" << c.height << " in " << c.boxWidth << "x" << c.boxHeight;
    EXPECT_EQ(WithLongEdge(6000, 4000, 2048), (PictureSize{2048, 1365}));
    EXPECT_EQ(WithLongEdge(640, 480, 2048), (PictureSize{640, 480}));
}

TEST(ResampleTest, SrgbEncodingRoundTripsEveryByte) {
    for (int v = 0; v < 256; ++v) EXPECT_EQ(ByteOfLinear(LinearOfByte(uint8_t(v))), v);
    EXPECT_NEAR(LinearOfByte(188), 0.5, 0.003);
}

double Lanczos3(double t) {
    if (t == 0) return 1;
    if (std::abs(t) >= 3) return 0;
    return std::sin(M_PI * t) * std::sin(M_PI * t / 3) / (M_PI * M_PI * t * t / 3);
}

// The weights of every source sample for output sample i of `to` from `from`.
std::vector<double> Weights(int from, int to, int i) {
    const double scale = double(from) / to, stretch = std::max(1.0, scale), centre = (i + 0.5) * scale - 0.5;
    std::vector<double> w(static_cast<size_t>(from));
    double sum = 0;
    for (int s = 0; s < from; ++s) sum += w[size_t(s)] = Lanczos3((s - centre) / stretch);
    for (double& weight : w) weight /= sum;
    return w;
}

// Every output pixel summed over every source pixel at once.
TBitmap Reference(const TBitmap& source, int width, int height) {
    TBitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        const std::vector<double> wy = Weights(source.Height(), height, y);
        for (int x = 0; x < width; ++x) {
            const std::vector<double> wx = Weights(source.Width(), width, x);
            for (int c = 0; c < 3; ++c) {
                double light = 0;
                for (int sy = 0; sy < source.Height(); ++sy)
                    for (int sx = 0; sx < source.Width(); ++sx)
                        light += wy[size_t(sy)] * wx[size_t(sx)] * LinearOfByte(source.Pixel(sx, sy)[c]);
                out.Pixel(x, y)[c] = ByteOfLinear(float(light));
            }
        }
    }
    return out;
}

TEST(ResampleTest, MatchesTheTwoDimensionalSumOnAwkwardSizes) {
    struct Case {
        int width, height, toWidth, toHeight;
    };
    const Case cases[] = {{37, 23, 11, 7},  {50, 50, 50, 17}, {9, 13, 20, 5}, {1, 1, 3, 2},
                          {64, 48, 1, 1},   {5, 90, 2, 31},   {101, 3, 7, 3}};
    for (const Case& c : cases)
        for (uint32_t seed : {1u, 2u}) {
            const TBitmap source = seed == 1 ? test::RandomBitmap(c.width, c.height, 77)
                                             : test::Stretched(test::GradientBitmap(64, 64), c.width, c.height);
            const TBitmap ours = Resample(source, c.toWidth, c.toHeight);
            ASSERT_EQ(ours.Width(), c.toWidth);
            ASSERT_EQ(ours.Height(), c.toHeight);
            EXPECT_LE(test::MaxDifference(ours, Reference(source, c.toWidth, c.toHeight)), 1)
                << c.width << "x" << c.height << " to " << c.toWidth << "x" << c.toHeight << ", picture " << seed;
        }
}

TEST(ResampleTest, FinePatternsKeepTheirLightAndTheSameSizeIsACopy) {
    // Black and white lines halved are the grey of half the light (188),
    // not the byte half-way (128) that averaging the bytes gives.
    TBitmap lines(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) lines.Pixel(x, y)[0] = lines.Pixel(x, y)[1] = lines.Pixel(x, y)[2] = x % 2 ? 255 : 0;
    const TBitmap half = Resample(lines, 32, 32);
    EXPECT_NEAR(test::PixelAt(half, 16, 16).g, 188, 2);
    const TBitmap source = test::RandomBitmap(31, 17, 5);
    EXPECT_TRUE(test::SamePixels(Resample(source, 31, 17), source));
}

TEST(ResampleTest, TheSameOnOneThreadAsOnMany) {
    const TBitmap source = test::RandomBitmap(1500, 1100, 9);
    LimitRowThreads(1);
    const TBitmap one = Resample(source, 701, 333);
    LimitRowThreads(3);
    const TBitmap many = Resample(source, 701, 333);
    LimitRowThreads(0);
    EXPECT_TRUE(test::SamePixels(one, many));
}

}  // namespace
}  // namespace corvessa
