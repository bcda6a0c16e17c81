// Turning, mirroring, straightening and cropping: exact where they move
// whole pixels, and straightening held to a plain double-precision
// sampler and to a pattern turned analytically.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "edit/edit.h"
#include "edit/geometry.h"
#include "ground/error.h"
#include "reference_edits.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

TEST(EditGeometry, TurnsAndMirrorsAreExactPermutations) {
    // Where output pixel (x, y) of a W x H output comes from in a w x h
    // source; quarter turns are clockwise and the mirrors act on the
    // turned picture.
    using Source = std::function<std::pair<int, int>(int x, int y, int w, int h)>;
    const struct {
        int turns;
        bool flipH, flipV;
        Source source;
    } cases[] = {
        {0, false, false, [](int x, int y, int, int) { return std::pair{x, y}; }},
        {1, false, false, [](int x, int y, int, int h) { return std::pair{y, h - 1 - x}; }},
        {2, false, false, [](int x, int y, int w, int h) { return std::pair{w - 1 - x, h - 1 - y}; }},
        {3, false, false, [](int x, int y, int w, int) { return std::pair{w - 1 - y, x}; }},
        {-1, false, false, [](int x, int y, int w, int) { return std::pair{w - 1 - y, x}; }},
        {5, false, false, [](int x, int y, int, int h) { return std::pair{y, h - 1 - x}; }},
        {0, true, false, [](int x, int y, int w, int) { return std::pair{w - 1 - x, y}; }},
        {0, false, true, [](int x, int y, int, int h) { return std::pair{x, h - 1 - y}; }},
        {0, true, true, [](int x, int y, int w, int h) { return std::pair{w - 1 - x, h - 1 - y}; }},
        // Turned right, then mirrored left to right: the transpose.
        {1, true, false, [](int x, int y, int, int) { return std::pair{y, x}; }},
        {1, false, true, [](int x, int y, int w, int h) { return std::pair{w - 1 - y, h - 1 - x}; }},
        {3, true, false, [](int x, int y, int w, int h) { return std::pair{w - 1 - y, h - 1 - x}; }},
    };
    for (const auto& [w, h] : {std::pair{7, 5}, {1, 1}, {1, 9}, {9, 1}, {131, 67}}) {
        const TBitmap photo = RandomBitmap(w, h, uint32_t(w * 31 + h));
        for (const auto& c : cases) {
            const TBitmap out = TurnAndMirror(photo, c.turns, c.flipH, c.flipV);
            const bool across = ((c.turns % 4) + 4) % 2 == 1;
            ASSERT_EQ(out.Width(), across ? h : w);
            ASSERT_EQ(out.Height(), across ? w : h);
            for (int y = 0; y < out.Height(); ++y)
                for (int x = 0; x < out.Width(); ++x) {
                    const auto [sx, sy] = c.source(x, y, w, h);
                    ASSERT_EQ(PixelAt(out, x, y), PixelAt(photo, sx, sy))
                        << w << "x" << h << " turns " << c.turns << " mirrors " << c.flipH << c.flipV << " at " << x
                        << "," << y;
                }
        }
    }
}

TEST(EditGeometry, CropRectangles) {
    const struct {
        int width, height;
        Crop crop;
        PixelRect kept;
    } cases[] = {
        {600, 400, {10, 20, 100, 50}, {10, 20, 100, 50}},
        {600, 400, {550, 380, 100, 50}, {550, 380, 50, 20}},   // clipped to the picture
        {600, 400, {-10, -10, 30, 30}, {0, 0, 20, 20}},
        {600, 400, {600, 0, 10, 10}, {0, 0, 0, 0}},             // beside it: nothing
        {600, 400, {0, 0, 0, 0, 4, 5}, {140, 0, 320, 400}},     // the largest 4:5, centred
        {600, 400, {0, 0, 0, 0, 16, 9}, {0, 31, 600, 337}},
        {400, 600, {0, 0, 0, 0, 1, 1}, {0, 100, 400, 400}},
        {600, 400, {0, 0, 0, 0, 3, 2}, {0, 0, 600, 400}},
        {600, 400, {0, 0, 0, 0, 0, 0}, {0, 0, 600, 400}},       // no ratio: all of it
        {1, 1, {0, 0, 0, 0, 9, 16}, {0, 0, 1, 1}},
    };
    // A crop is the photo's own pixels.
    const TBitmap photo = RandomBitmap(30, 20, 8);
    EditSettings edits = EditSettings::Neutral();
    edits.crop = Crop{3, 4, 20, 9};
    const TBitmap cropped = ApplyEdits(photo, edits);
    ASSERT_EQ(cropped.Width(), 20);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(PixelAt(cropped, x, y), PixelAt(photo, x + 3, y + 4));
    for (const auto& c : cases)
        EXPECT_EQ(CropRect(c.width, c.height, c.crop), c.kept)
            << c.width << "x" << c.height << " crop " << c.crop.x << "," << c.crop.y << "," << c.crop.width << ","
            << c.crop.height << " ratio " << c.crop.ratioWidth << ":" << c.crop.ratioHeight;
}

TEST(EditGeometry, StraightenedRectangleIsTheLargestOfThePhotosShape) {
    EXPECT_EQ(StraightenedRect(600, 400, 0), (PixelRect{0, 0, 600, 400}));
    EXPECT_EQ(StraightenedRect(600, 400, 0.04), (PixelRect{0, 0, 600, 400}));  // rounds to 0.0
    // A square turned 45 degrees holds a square 1/sqrt(2) its side.
    EXPECT_EQ(StraightenedRect(1000, 1000, 45).width, 707);
    EXPECT_EQ(StraightenedRect(1000, 1000, 90), StraightenedRect(1000, 1000, 45));  // held to the range
    for (const double degrees : {0.1, 2.5, 13.7, 45.0}) {
        const PixelRect r = StraightenedRect(6000, 4000, degrees);
        EXPECT_EQ(r, StraightenedRect(6000, 4000, -degrees));
        EXPECT_NEAR(double(r.width) / r.height, 1.5, 2.0 / r.height) << degrees;
        // Its corners lie inside the turned photo, and one pixel more
        // would not.
        const double a = degrees * M_PI / 180;
        const auto inside = [&](double w, double h) {
            return (w / 2) * std::cos(a) + (h / 2) * std::sin(a) <= 3000 + 1e-9 &&
                   (w / 2) * std::sin(a) + (h / 2) * std::cos(a) <= 2000 + 1e-9;
        };
        EXPECT_TRUE(inside(r.width, r.height)) << degrees;
        EXPECT_FALSE(inside(r.width + 2, r.height + 2)) << degrees;
    }
}

TEST(EditGeometry, StraightenMatchesPlainSampler) {
    for (const auto& [w, h] : {std::pair{37, 23}, {101, 64}, {5, 4}, {64, 301}})
        for (const double degrees : {0.1, -2.5, 13.7, 45.0, -45.0}) {
            const TBitmap photo = RandomBitmap(w, h, uint32_t(w + h));
            const TBitmap fast = Straighten(photo, degrees), plain = ReferenceStraighten(photo, degrees);
            ASSERT_EQ(fast.Width(), plain.Width());
            ASSERT_EQ(fast.Height(), plain.Height());
            EXPECT_LE(MaxDifference(fast, plain), 1) << w << "x" << h << " by " << degrees;
        }
}

TEST(EditGeometry, StraightenTurnsAPatternAsTheAngleSays) {
    // Smooth stripes whose value is known at any point: the straightened
    // picture must show them turned clockwise by the angle.
    const auto value = [](double x, double y) {
        return 128 + 90 * std::sin(x * 0.21 + y * 0.07) * std::cos(y * 0.13 - x * 0.05);
    };
    const int w = 240, h = 160;
    TBitmap photo(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t v = uint8_t(std::lround(value(x + 0.5, y + 0.5)));
            std::fill_n(photo.Pixel(x, y), 3, v);
        }
    for (const double degrees : {3.0, -11.5, 30.0}) {
        const TBitmap out = Straighten(photo, degrees);
        const double a = degrees * M_PI / 180;
        int worst = 0;
        for (int y = 0; y < out.Height(); ++y)
            for (int x = 0; x < out.Width(); ++x) {
                const double u = x + 0.5 - out.Width() / 2.0, v = y + 0.5 - out.Height() / 2.0;
                const double sx = std::cos(a) * u + std::sin(a) * v + w / 2.0;
                const double sy = -std::sin(a) * u + std::cos(a) * v + h / 2.0;
                worst = std::max(worst, int(std::abs(out.Pixel(x, y)[1] - value(sx, sy))));
            }
        EXPECT_LE(worst, 3) << degrees;
    }
}

TEST(EditGeometry, PipelineTurnsStraightensThenCrops) {
    const TBitmap photo = RandomBitmap(90, 60, 11);
    EditSettings edits = EditSettings::Neutral();
    edits.quarterTurns = 1;
    edits.flipVertical = true;
    edits.straightenDegrees = 2.5;
    edits.crop = Crop{3, 4, 20, 30};
    // The crop counts in pixels of the photo turned and straightened.
    const TBitmap expected =
        CopyRect(Straighten(TurnAndMirror(photo, 1, false, true), 2.5), PixelRect{3, 4, 20, 30});
    EXPECT_TRUE(SamePixels(ApplyEdits(photo, edits), expected));
    EXPECT_EQ(EditedRect(90, 60, edits), (PixelRect{0, 0, 20, 30}));
    EXPECT_EQ(UncroppedRect(90, 60, edits).width, StraightenedRect(60, 90, 2.5).width);
    EXPECT_EQ(UncroppedRect(90, 60, edits).height, StraightenedRect(60, 90, 2.5).height);

    edits.crop = Crop{0, 0, 0, 0, 4, 5};
    const TBitmap byRatio = ApplyEdits(photo, edits);
    EXPECT_EQ(PixelRect({0, 0, byRatio.Width(), byRatio.Height()}), EditedRect(90, 60, edits));

    edits.crop = Crop{500, 500, 10, 10};
    EXPECT_EQ(ErrorOf([&] { ApplyEdits(photo, edits); }), "The crop leaves nothing of the photo");
}

TEST(EditGeometry, ScaledCopyScalesTheCropInTurnedPixels) {
    EditSettings edits = EditSettings::Neutral();
    edits.crop = Crop{600, 300, 1200, 900};
    EXPECT_EQ(ForScaledCopy(edits, 6000, 4000, 1500, 1000).crop, (Crop{150, 75, 300, 225}));
    // Turned, the crop's x runs along the photo's height.
    edits.quarterTurns = 1;
    EXPECT_EQ(ForScaledCopy(edits, 6000, 4000, 1500, 1000).crop, (Crop{150, 75, 300, 225}));
    EXPECT_EQ(ForScaledCopy(edits, 6000, 4000, 3000, 1000).crop, (Crop{150, 150, 300, 450}));
    edits.crop = Crop{0, 0, 0, 0, 4, 5};
    EXPECT_EQ(ForScaledCopy(edits, 6000, 4000, 1500, 1000).crop, edits.crop);
}

}  // namespace
