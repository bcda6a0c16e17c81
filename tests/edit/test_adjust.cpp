// The ten adjustments and Auto: each against numbers from a second
// implementation of what it does, written apart from src/edit; the fast
// kernels against the plain reference; and the promises: neutral is
// identity, nothing clips, skin is spared, a small copy looks like the
// photo, Auto takes a colour cast away.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "edit/edit.h"
#include "ground/parallel.h"
#include "ground/stop.h"
#include "reference_edits.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

EditSettings With(std::initializer_list<std::pair<AdjustmentId, int>> values) {
    EditSettings edits = EditSettings::Neutral();
    for (const auto& [id, value] : values) edits.SetValue(id, value);
    return edits;
}

EditSettings WithKey(std::string_view key, int value) {
    const Adjustment* row = AdjustmentByKey(key);
    EXPECT_NE(row, nullptr) << key;
    return row ? With({{row->id, value}}) : EditSettings::Neutral();
}

TEST(EditAdjust, TableIsWhole) {
    std::set<std::string_view> keys, labels;
    for (size_t i = 0; i < kAdjustments.size(); ++i) {
        const Adjustment& row = kAdjustments[i];
        EXPECT_EQ(size_t(row.id), i) << row.key;
        EXPECT_EQ(&AdjustmentOf(row.id), &row);
        EXPECT_EQ(AdjustmentByKey(row.key), &row);
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_TRUE(labels.insert(row.label).second) << row.label;
        EXPECT_LT(row.lowest, row.neutral) << row.key;
        EXPECT_GT(row.highest, row.neutral) << row.key;
        EXPECT_FALSE(row.help.empty()) << row.key;
        // -100..+100 on the slider, in units of one step.
        EXPECT_NEAR(row.highest * row.step, row.id == AdjustmentId::kExposure ? 3.0 : 100.0, 1e-9) << row.key;
    }
    EXPECT_EQ(AdjustmentByKey("brightness"), nullptr);
}

TEST(EditAdjust, NeutralChangesNoByte) {
    for (const auto& [w, h] : {std::pair{31, 17}, {1, 1}, {400, 300}}) {
        const TBitmap photo = RandomBitmap(w, h, 5);
        EditSettings edits = EditSettings::Neutral();
        EXPECT_TRUE(edits.IsNeutral());
        EXPECT_TRUE(SamePixels(ApplyEdits(photo, edits), photo));
        EXPECT_TRUE(SamePixels(ApplyAdjustments(photo, edits), photo));
        // A crop of the whole photo and four quarter turns are no change
        // either, though not neutral.
        edits.crop = Crop{0, 0, w, h};
        edits.quarterTurns = 4;
        EXPECT_FALSE(edits.IsNeutral());
        EXPECT_TRUE(SamePixels(ApplyEdits(photo, edits), photo));
    }
}

// Uniform pictures of six colours (red, green, blue): grey, dark, bright,
// a strong red, skin and a strong blue. On a uniform picture the
// neighbourhood brightness is the pixel's own luminance.
constexpr Rgb kColours[6] = {{118, 118, 118}, {30, 40, 50}, {240, 230, 220},
                             {200, 40, 30},   {224, 172, 140}, {40, 70, 180}};

TEST(EditAdjust, EachAdjustmentAloneOnUniformColours) {
    const struct {
        std::string_view key;
        int value;
        Rgb expected[6];
    } cases[] = {
    {"exposure", 100, {{162, 162, 162}, {45, 58, 71}, {253, 251, 249}, {243, 58, 45}, {250, 229, 192}, {58, 98, 234}}},
    {"exposure", -100, {{85, 85, 85}, {19, 26, 34}, {176, 169, 161}, {146, 26, 19}, {164, 125, 101}, {26, 49, 131}}},
    {"exposure", 300, {{225, 225, 225}, {91, 114, 138}, {254, 253, 252}, {250, 114, 91}, {252, 245, 236}, {114, 179, 246}}},
    {"contrast", 50, {{114, 114, 114}, {16, 25, 34}, {249, 242, 235}, {216, 25, 16}, {238, 186, 145}, {25, 55, 195}}},
    {"contrast", -50, {{121, 121, 121}, {46, 56, 66}, {227, 215, 204}, {185, 56, 46}, {208, 161, 136}, {56, 83, 167}}},
    {"highlights", -100, {{102, 102, 102}, {29, 39, 49}, {218, 209, 200}, {186, 37, 28}, {185, 142, 115}, {37, 65, 168}}},
    {"highlights", 60, {{125, 125, 125}, {30, 40, 50}, {250, 239, 229}, {204, 42, 32}, {240, 186, 153}, {42, 72, 184}}},
    {"shadows", 100, {{147, 147, 147}, {64, 78, 93}, {240, 230, 220}, {249, 81, 70}, {232, 179, 146}, {76, 112, 246}}},
    {"shadows", -60, {{108, 108, 108}, {20, 27, 33}, {240, 230, 220}, {161, 32, 24}, {221, 170, 138}, {32, 56, 144}}},
    {"saturation", 50, {{118, 118, 118}, {26, 41, 56}, {244, 229, 214}, {247, 28, 14}, {246, 168, 120}, {24, 69, 234}}},
    {"saturation", -100, {{118, 118, 118}, {39, 39, 39}, {231, 231, 231}, {73, 73, 73}, {181, 181, 181}, {72, 72, 72}}},
    {"vibrance", 100, {{118, 118, 118}, {22, 41, 61}, {242, 230, 217}, {242, 29, 16}, {231, 171, 134}, {26, 69, 229}}},
    {"vibrance", -50, {{118, 118, 118}, {34, 39, 45}, {239, 230, 222}, {179, 46, 37}, {221, 173, 143}, {47, 70, 156}}},
    {"warmth", 50, {{134, 114, 97}, {35, 39, 40}, {252, 224, 183}, {227, 39, 23}, {247, 167, 116}, {47, 68, 149}}},
    {"warmth", -50, {{102, 120, 141}, {25, 41, 61}, {209, 233, 247}, {174, 41, 38}, {195, 175, 166}, {33, 71, 213}}},
    {"tint", 50, {{126, 115, 126}, {33, 39, 54}, {252, 224, 234}, {213, 39, 33}, {239, 167, 150}, {43, 68, 192}}},
    {"tint", -50, {{110, 121, 110}, {27, 41, 46}, {224, 236, 206}, {187, 41, 27}, {209, 176, 130}, {37, 72, 168}}},
    };
    for (const auto& c : cases)
        for (size_t i = 0; i < 6; ++i) {
            const TBitmap out = ApplyEdits(SolidBitmap(8, 8, kColours[i]), WithKey(c.key, c.value));
            const Rgb got = PixelAt(out, 3, 3), want = c.expected[i];
            EXPECT_LE(std::abs(got.r - want.r) + std::abs(got.g - want.g) + std::abs(got.b - want.b), 1)
                << c.key << "=" << c.value << " on colour " << i << ": " << int(got.r) << "," << int(got.g) << ","
                << int(got.b);
        }
}

TEST(EditAdjust, AllTogetherOnUniformColours) {
    const EditSettings edits = With({{AdjustmentId::kExposure, 30}, {AdjustmentId::kContrast, 20},
                                     {AdjustmentId::kHighlights, -40}, {AdjustmentId::kShadows, 40},
                                     {AdjustmentId::kSaturation, 10}, {AdjustmentId::kVibrance, 30},
                                     {AdjustmentId::kWarmth, 20}, {AdjustmentId::kTint, -10}});
    const Rgb expected[6] = {{140, 131, 115}, {39, 54, 63}, {253, 246, 217}, {255, 51, 36}, {243, 182, 126}, {44, 86, 241}};
    for (size_t i = 0; i < 6; ++i) {
        const Rgb got = PixelAt(ApplyEdits(SolidBitmap(8, 8, kColours[i]), edits), 3, 3);
        EXPECT_LE(std::abs(got.r - expected[i].r) + std::abs(got.g - expected[i].g) + std::abs(got.b - expected[i].b), 1)
            << "colour " << i << ": " << int(got.r) << "," << int(got.g) << "," << int(got.b);
    }
}

TEST(EditAdjust, VignetteAndSharpenByPosition) {
    // Grey 118 on 9 x 9: a corner, the centre and the middle of the top edge.
    const TBitmap grey = SolidBitmap(9, 9, {118, 118, 118});
    const struct {
        int amount;
        int corner, centre, edge;
    } vignettes[] = {{100, 46, 118, 109}, {-100, 184, 118, 126}, {50, 82, 118, 114}};
    for (const auto& v : vignettes) {
        const TBitmap out = ApplyEdits(grey, With({{AdjustmentId::kVignette, v.amount}}));
        EXPECT_EQ(PixelAt(out, 0, 0).g, v.corner) << v.amount;
        EXPECT_EQ(PixelAt(out, 8, 8).g, v.corner) << v.amount;
        EXPECT_EQ(PixelAt(out, 4, 4).g, v.centre) << v.amount;
        EXPECT_EQ(PixelAt(out, 4, 0).g, v.edge) << v.amount;
    }
    // One grey 160 pixel amid grey 100: it and its neighbours, two to the
    // right, and a far corner.
    TBitmap dot = SolidBitmap(9, 9, {100, 100, 100});
    std::fill_n(dot.Pixel(4, 4), 3, uint8_t(160));
    const struct {
        int amount;
        int at[4];
    } sharpens[] = {{100, {210, 90, 100, 100}}, {-100, {126, 107, 100, 100}}, {50, {185, 95, 100, 100}}};
    for (const auto& s : sharpens) {
        const TBitmap out = ApplyEdits(dot, With({{AdjustmentId::kSharpen, s.amount}}));
        const int got[4] = {PixelAt(out, 4, 4).g, PixelAt(out, 5, 4).g, PixelAt(out, 6, 4).g, PixelAt(out, 0, 0).g};
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], s.at[i], 1) << s.amount << " at " << i;
    }
}

TEST(EditAdjust, FastKernelsMatchThePlainReference) {
    // Every adjustment at once and one at a time, on pictures of awkward
    // sizes, with settings drawn at random.
    uint32_t draw = 12345;
    const auto next = [&](int lowest, int highest) {
        draw = draw * 1664525u + 1013904223u;
        return lowest + int((draw >> 8) % uint32_t(highest - lowest + 1));
    };
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 3}, {17, 5}, {131, 67}, {300, 7}, {7, 300}, {257, 259}}) {
        const TBitmap photo = RandomBitmap(w, h, uint32_t(w * h));
        for (int round = 0; round < 4; ++round) {
            EditSettings edits = EditSettings::Neutral();
            for (const Adjustment& row : kAdjustments)
                if (round == 0 || next(0, 2) == 0) edits.SetValue(row.id, next(row.lowest, row.highest));
            const TBitmap fast = ApplyAdjustments(photo, edits), plain = ReferenceAdjust(photo, edits);
            EXPECT_LE(MaxDifference(fast, plain), 1) << w << "x" << h << " round " << round;
        }
    }
}

TEST(EditAdjust, RowsGiveTheSameBytesHoweverTheyAreShared) {
    const TBitmap photo = RandomBitmap(500, 300, 9);
    EditSettings edits = EditSettings::Neutral();
    for (const Adjustment& row : kAdjustments) edits.SetValue(row.id, row.highest / 2);
    const TBitmap all = ApplyAdjustments(photo, edits);
    LimitRowThreads(1);
    const TBitmap one = ApplyAdjustments(photo, edits);
    LimitRowThreads(0);
    StopFlag flag;  // bands handed over a few rows at a time
    const StopScope scope(&flag);
    const TBitmap pieces = ApplyAdjustments(photo, edits);
    EXPECT_TRUE(SamePixels(all, one));
    EXPECT_TRUE(SamePixels(all, pieces));
}

TEST(EditAdjust, SameBytesWhicheverKernelsTheProcessorRuns) {
    // The checksums of a few edits, the same with the plain, the AVX2 and
    // the AVX-512 kernels (CTest runs this under each, CORVESSA_VECTORS).
    const TBitmap photo = RandomBitmap(173, 97, 21);
    const auto crc = [&](const EditSettings& edits) {
        const TBitmap out = ApplyEdits(photo, edits);
        return Crc32(out.Data(), out.ByteCount());
    };
    EditSettings all = EditSettings::Neutral();
    for (const Adjustment& row : kAdjustments) all.SetValue(row.id, row.lowest / 3 + 7);
    EditSettings geometry = EditSettings::Neutral();
    geometry.quarterTurns = 3;
    geometry.straightenDegrees = -7.3;
    geometry.crop = Crop{0, 0, 0, 0, 4, 5};
    EditSettings vivid = With({{AdjustmentId::kVibrance, 80}, {AdjustmentId::kShadows, 60}, {AdjustmentId::kSharpen, 50}});
    EXPECT_EQ(crc(all), 1583420066u);
    EXPECT_EQ(crc(geometry), 4250513893u);
    EXPECT_EQ(crc(vivid), 737969344u);
}

// The mean of channel `c` (0 blue, 1 green, 2 red) over a rectangle.
double Mean(const TBitmap& b, int c, int left = 0, int top = 0, int right = -1, int bottom = -1) {
    if (right < 0) right = b.Width();
    if (bottom < 0) bottom = b.Height();
    double sum = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) sum += b.Pixel(x, y)[c];
    return sum / double((right - left) * (bottom - top));
}

TEST(EditAdjust, NothingClipsThatWasNotClipped) {
    // A ramp through every level, brightened three stops, warmed or with
    // its highlights or shadows raised: levels stay in order, and only the
    // last few below white reach white (a plain gain of three stops would
    // take every level from 100 up there; 8 bits can keep apart no more).
    TBitmap ramp(256, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x) {
            uint8_t* p = ramp.Pixel(x, y);
            p[0] = uint8_t(x / 2), p[1] = uint8_t(x * 3 / 4), p[2] = uint8_t(x);
        }
    const struct {
        EditSettings edits;
        int mostAtWhite;
    } cases[] = {{With({{AdjustmentId::kExposure, 300}}), 8},
                 {With({{AdjustmentId::kWarmth, 100}, {AdjustmentId::kExposure, 50}}), 32},
                 {With({{AdjustmentId::kHighlights, 100}}), 8},
                 {With({{AdjustmentId::kShadows, 100}}), 8}};
    for (const auto& c : cases) {
        const TBitmap out = ApplyEdits(ramp, c.edits);
        int atWhite = 0;
        for (int x = 0; x < 255; ++x) {
            atWhite += out.Pixel(x, 1)[2] == 255;
            EXPECT_LE(out.Pixel(x, 1)[2], out.Pixel(x + 1, 1)[2]) << x;
        }
        EXPECT_LE(atWhite, c.mostAtWhite);
        EXPECT_EQ(out.Pixel(255, 1)[2], 255);
    }
    // Highlights -100 keeps the bright levels apart rather than flattening them.
    const TBitmap recovered = ApplyEdits(ramp, With({{AdjustmentId::kHighlights, -100}}));
    std::set<int> levels;
    for (int x = 200; x < 256; ++x) levels.insert(recovered.Pixel(x, 1)[2]);
    EXPECT_GE(levels.size(), 40u);
    EXPECT_LT(recovered.Pixel(230, 1)[2], 215);
}

TEST(EditAdjust, VibranceSparesSkin) {
    // A face and a sky of about the same strength of colour: vibrance
    // strengthens the sky's colour several times more.
    const Rgb skin{224, 172, 140}, sky{120, 160, 210};
    const auto spread = [](const TBitmap& b) { return Mean(b, 2) - Mean(b, 0); };
    const auto gain = [&](Rgb colour, AdjustmentId id) {
        const TBitmap before = SolidBitmap(4, 4, colour), after = ApplyEdits(before, With({{id, 100}}));
        return std::abs(spread(after)) / std::abs(spread(before)) - 1;
    };
    EXPECT_GT(gain(sky, AdjustmentId::kVibrance), 3 * gain(skin, AdjustmentId::kVibrance));
    EXPECT_GT(gain(skin, AdjustmentId::kVibrance), 0);
    // Saturation spares nothing.
    EXPECT_NEAR(gain(skin, AdjustmentId::kSaturation), gain(sky, AdjustmentId::kSaturation), 0.5);
}

TEST(EditAdjust, HighlightsAndShadowsFollowEdgesWithoutHalos) {
    // A dark wall beside a bright sky: lifting the shadows lifts the wall
    // all the way to the edge and leaves the sky next to it alone.
    TBitmap scene(400, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x) std::fill_n(scene.Pixel(x, y), 3, uint8_t(x < 200 ? 30 + (x + y) % 7 : 225));
    const TBitmap out = ApplyEdits(scene, With({{AdjustmentId::kShadows, 100}}));
    EXPECT_GT(Mean(out, 1, 190, 0, 198, 200), Mean(scene, 1, 190, 0, 198, 200) + 25);
    EXPECT_GT(Mean(out, 1, 20, 0, 100, 200), Mean(scene, 1, 20, 0, 100, 200) + 25);
    EXPECT_NEAR(Mean(out, 1, 202, 0, 210, 200), 225, 2);
    // Its texture stays: the levels of the wall lie as far apart as before.
    int lowest = 255, highest = 0;
    for (int x = 50; x < 57; ++x) lowest = std::min(lowest, int(out.Pixel(x, 50)[1])), highest = std::max(highest, int(out.Pixel(x, 50)[1]));
    EXPECT_GE(highest - lowest, 6);
}

TEST(EditAdjust, ScreenSizeCopyLooksLikeThePhoto) {
    // The window shows the edits on a copy a quarter the size: scaled to
    // that size, the full result must look the same.
    TBitmap photo(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            uint8_t* p = photo.Pixel(x, y);
            const bool window = x > 300 && x < 500 && y > 200 && y < 400;
            p[0] = uint8_t(window ? 240 : 20 + y / 8), p[1] = uint8_t(window ? 235 : 30 + x / 10),
            p[2] = uint8_t(window ? 230 : 40 + (x + y) / 20);
        }
    const TBitmap small = Stretched(photo, 200, 150);
    for (const EditSettings& edits : {With({{AdjustmentId::kShadows, 80}, {AdjustmentId::kHighlights, -80}}),
                                      With({{AdjustmentId::kVignette, 100}}), With({{AdjustmentId::kSharpen, 60}})}) {
        const TBitmap full = Stretched(ApplyEdits(photo, edits), 200, 150), copy = ApplyEdits(small, edits);
        double total = 0;
        for (int c = 0; c < 3; ++c)
            for (int y = 0; y < 150; y += 10)
                for (int x = 0; x < 200; x += 10) total += std::abs(full.Pixel(x, y)[c] - copy.Pixel(x, y)[c]);
        EXPECT_LT(total / (3 * 15 * 20), 3.0);
    }
}

TEST(EditAdjust, AutoTakesAColourCastAway) {
    // A scene of many colours whose average is grey, under a light of
    // each cast (of up to about a stop, as tungsten or shade give):
    // after Auto its average is grey again.
    TBitmap scene(240, 160);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 240; ++x) {
            uint8_t* p = scene.Pixel(x, y);
            const double hue = (x / 30) * 0.785 + (y / 40) * 1.3, level = 0.25 + 0.5 * ((x + y) % 40) / 40.0;
            for (int c = 0; c < 3; ++c)
                p[c] = uint8_t(std::lround(255 * level * (1 + 0.5 * std::sin(hue + c * 2.094)) / 1.5));
        }
    const struct {
        double red, green, blue;
    } casts[] = {{1.0, 0.88, 0.72}, {0.78, 0.9, 1.0}, {1.0, 0.88, 1.0}, {0.9, 1.0, 0.88}, {1, 1, 1}};
    for (const auto& cast : casts) {
        TBitmap tinted = Copy(scene);
        for (int y = 0; y < tinted.Height(); ++y)
            for (int x = 0; x < tinted.Width(); ++x) {
                uint8_t* p = tinted.Pixel(x, y);
                p[0] = uint8_t(p[0] * cast.blue), p[1] = uint8_t(p[1] * cast.green), p[2] = uint8_t(p[2] * cast.red);
            }
        const EditSettings edits = AutoAdjusted(tinted, EditSettings::Neutral());
        const TBitmap out = ApplyEdits(tinted, edits);
        const double blue = Mean(out, 0), green = Mean(out, 1), red = Mean(out, 2);
        EXPECT_NEAR(red / green, 1.0, 0.06) << cast.red << "," << cast.green << "," << cast.blue;
        EXPECT_NEAR(blue / green, 1.0, 0.06) << cast.red << "," << cast.green << "," << cast.blue;
    }
    // The geometry and what Auto does not set are left as they were.
    EditSettings mine = With({{AdjustmentId::kVignette, 40}, {AdjustmentId::kSharpen, 10}});
    mine.quarterTurns = 3;
    mine.crop = Crop{0, 0, 0, 0, 1, 1};
    const EditSettings proposed = AutoAdjusted(scene, mine);
    EXPECT_EQ(proposed.quarterTurns, 3);
    EXPECT_EQ(proposed.crop, mine.crop);
    EXPECT_EQ(proposed.Value(AdjustmentId::kVignette), 40);
    EXPECT_EQ(proposed.Value(AdjustmentId::kSharpen), 10);
}

}  // namespace
