// InvertColors, SketchBlend, DiagonalSharpen, MosaicPainting and
// PencilSketch. Blur and mosaic references come from a second effect
// component, so only the routines' own steps are under test.
#include <gtest/gtest.h>

#include <algorithm>

#include "effectimage/effect_image.h"
#include "routine_fixtures.h"
#include "ground/blend_rows.h"
#include "looks/painterly.h"

namespace corvessa {
namespace {

using namespace test;

// The sharpening as written: pixel by pixel, reading the upper-left
// neighbour's current (already rewritten) value.
void ReferenceSharpen(TBitmap& b) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            uint8_t* p = b.Pixel(x, y);
            const uint8_t* n = b.Pixel(std::max(x - 1, 0), std::max(y - 1, 0));
            for (int c = 0; c < 3; ++c) p[c] = uint8_t(std::clamp(p[c] + (p[c] - n[c]) / 2, 0, 255));
        }
}

// Each s x s block from the top-left takes the colour of its top-left pixel.
TBitmap ReferenceMosaic(const TBitmap& b, int s) {
    TBitmap out;
    out.CopyFrom(b);
    if (s <= 1) return out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) std::copy_n(b.Pixel(x - x % s, y - y % s), 3, out.Pixel(x, y));
    return out;
}

TBitmap OneRow(std::initializer_list<int> greys) {
    TBitmap b(int(greys.size()), 1);
    int x = 0;
    for (int g : greys) std::fill_n(b.Pixel(x++, 0), 3, uint8_t(g));
    return b;
}

template <class F>
TBitmap Bytewise(const TBitmap& a, const TBitmap& b, F f) {
    TBitmap out(a.Width(), a.Height());
    for (size_t i = 0; i < a.ByteCount(); ++i) out.Data()[i] = uint8_t(f(a.Data()[i], b.Data()[i]));
    return out;
}

class PainterlyTest : public ::testing::Test {
protected:
    PainterlyTest() {
        ctx.colorChooser = &chooser;
    }

    TBitmap Blurred(const TBitmap& b, int passes) {
        reference.Picture().CopyFrom(b);
        reference.Effect_GaussianBlur(passes);
        return Copy(reference.Picture());
    }
    static TBitmap Grey(const TBitmap& b) {
        TBitmap g = Copy(b);
        Grayscale(g);
        return g;
    }

    RandomGenerator random{1};
    TProEffectImage reference{random};
    ScriptedChooser chooser;
    RenderContext ctx;
    TBitmap photo = RandomBitmap(41, 29, 21);
    TBitmap dest;
};

// --- InvertColors ---

TEST(InvertColors, NegativeTwiceRestores) {
    TBitmap b = RandomBitmap(17, 9, 1);
    InvertColors(b);
    EXPECT_TRUE(SamePixels(b, MapBytes(RandomBitmap(17, 9, 1), [](int v) { return 255 - v; })));
    InvertColors(b);
    EXPECT_TRUE(SamePixels(b, RandomBitmap(17, 9, 1)));
}

// --- DiagonalSharpen ---

TEST(DiagonalSharpen, WorkedRows) {
    TBitmap up = OneRow({100, 200});
    DiagonalSharpen(up);
    EXPECT_TRUE(SamePixels(up, OneRow({100, 250})));
    TBitmap down = OneRow({200, 100});
    DiagonalSharpen(down);
    EXPECT_TRUE(SamePixels(down, OneRow({200, 50})));
    // -3 div 2 is -1, not -2: truncation toward zero.
    TBitmap small = OneRow({13, 10});
    DiagonalSharpen(small);
    EXPECT_TRUE(SamePixels(small, OneRow({13, 9})));
}

TEST(DiagonalSharpen, ReadsTheRewrittenNeighbour) {
    // 100, 200, 200: the third pixel compares with the second's new 250.
    TBitmap b = OneRow({100, 200, 200});
    DiagonalSharpen(b);
    EXPECT_TRUE(SamePixels(b, OneRow({100, 250, 175})));
}

TEST(DiagonalSharpen, FlatAndSinglePixelBitmapsStay) {
    TBitmap flat = SolidBitmap(9, 7, Rgb{10, 130, 250});
    DiagonalSharpen(flat);
    EXPECT_TRUE(AllPixels(flat, (Rgb{10, 130, 250})));
    TBitmap one = RandomBitmap(1, 1, 3);
    DiagonalSharpen(one);
    EXPECT_TRUE(SamePixels(one, RandomBitmap(1, 1, 3)));
}

TEST(DiagonalSharpen, MatchesThePixelByPixelVersion) {
    for (auto [w, h] : {std::pair{1, 9}, std::pair{9, 1}, std::pair{2, 2}, std::pair{37, 23}, std::pair{301, 257}}) {
        TBitmap fast = RandomBitmap(w, h, uint32_t(w * h)), slow = RandomBitmap(w, h, uint32_t(w * h));
        DiagonalSharpen(fast);
        ReferenceSharpen(slow);
        EXPECT_TRUE(SamePixels(fast, slow)) << w << " x " << h;
    }
}

// --- SketchBlend ---

TEST_F(PainterlyTest, SketchBlendUnknownModesGiveTheBlurredPhoto) {
    const TBitmap blurred = Blurred(photo, 3);
    for (int mode : {0, 8, 9, 100, -1}) {
        SketchBlend(photo, dest, mode);
        EXPECT_TRUE(SamePixels(dest, blurred)) << mode;
    }
    EXPECT_TRUE(SamePixels(photo, RandomBitmap(41, 29, 21)));
}

TEST_F(PainterlyTest, SketchBlendModesAgainstTheirFormulas) {
    const TBitmap blurred = Blurred(photo, 3), grey = Grey(photo);
    const TBitmap expected[] = {
        Bytewise(photo, blurred, BlendLighten),
        Bytewise(photo, blurred, BlendDarken),
        Bytewise(grey, Grey(blurred), BlendDarken),
        Bytewise(grey, blurred, BlendDarken),
        Bytewise(grey, blurred, BlendOverlay),  // the grey photo is compared with 128
        Bytewise(photo, blurred, BlendScreen),
    };
    for (int mode = 1; mode <= 6; ++mode) {
        SketchBlend(photo, dest, mode);
        EXPECT_TRUE(SamePixels(dest, expected[mode - 1])) << mode;
    }
}

TEST_F(PainterlyTest, SketchBlendPencilDodgesThePhotoWithTheBlurredGreyNegative) {
    TBitmap negative = Grey(photo);
    InvertColors(negative);
    const TBitmap expected = Bytewise(photo, Blurred(negative, 3), BlendColorDodge);
    SketchBlend(photo, dest, 7);
    EXPECT_TRUE(SamePixels(dest, expected));
}

TEST_F(PainterlyTest, SketchBlendTinyPhotoKeepsItsSize) {
    const TBitmap tiny = RandomBitmap(3, 2, 5);
    for (int mode = 0; mode <= 7; ++mode) {
        SketchBlend(tiny, dest, mode);
        EXPECT_EQ(dest.Width(), 3);
        EXPECT_EQ(dest.Height(), 2);
    }
}

// --- MosaicPainting ---

TEST_F(PainterlyTest, MosaicPaintingBlocksAreTheLargerSideOver15) {
    for (auto [w, h, block] : {std::tuple{300, 200, 20}, std::tuple{200, 300, 20}, std::tuple{59, 44, 3}}) {
        const TBitmap source = RandomBitmap(w, h, uint32_t(w));
        TBitmap expected = ReferenceMosaic(source, block);
        for (int pass = 0; pass < 3; ++pass) ReferenceSharpen(expected);
        expected = Bytewise(expected, source, BlendOverlay);  // the mosaic is compared with 128
        MosaicPainting(source, dest);
        EXPECT_TRUE(SamePixels(dest, expected)) << w << " x " << h;
    }
}

TEST_F(PainterlyTest, MosaicPaintingOfSmallPhotosOnlySharpensAndOverlays) {
    for (auto [w, h] : {std::pair{29, 20}, std::pair{14, 14}}) {
        const TBitmap source = RandomBitmap(w, h, uint32_t(h));
        TBitmap expected = Copy(source);
        for (int pass = 0; pass < 3; ++pass) ReferenceSharpen(expected);
        expected = Bytewise(expected, source, BlendOverlay);
        MosaicPainting(source, dest);
        EXPECT_TRUE(SamePixels(dest, expected)) << w << " x " << h;
    }
}

// --- PencilSketch ---

TEST_F(PainterlyTest, PencilSketchOfAFlatPhotoIsWhite) {
    PencilSketch(SolidBitmap(30, 20, Rgb{90, 160, 30}), dest, ctx);
    EXPECT_EQ(dest.Width(), 30);
    EXPECT_TRUE(AllPixels(dest, kWhite));
    EXPECT_EQ(chooser.asked, 0);
}

TEST_F(PainterlyTest, PencilSketchDodgesTheGreyPhotoWithItsBlurredNegative) {
    const TBitmap grey = Grey(photo);
    TBitmap negative = Blurred(grey, 1);
    InvertColors(negative);
    PencilSketch(photo, dest, ctx);
    EXPECT_TRUE(SamePixels(dest, Bytewise(grey, negative, BlendColorDodge)));
}

TEST_F(PainterlyTest, PencilSketchTintAndCancel) {
    PencilSketch(photo, dest, ctx);
    const TBitmap plain = Copy(dest);
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({std::nullopt, Rgb{255, 128, 0}});
    PencilSketch(photo, dest, ctx);
    EXPECT_TRUE(SamePixels(dest, plain));
    PencilSketch(photo, dest, ctx);
    // The sketch is the first argument, compared with 128.
    for (int y = 0; y < dest.Height(); ++y)
        for (int x = 0; x < dest.Width(); ++x) {
            const int s = plain.Pixel(x, y)[0];
            ASSERT_EQ(PixelAt(dest, x, y), (Rgb{uint8_t(BlendOverlay(s, 255)), uint8_t(BlendOverlay(s, 128)),
                                               uint8_t(BlendOverlay(s, 0))}));
        }
}

TEST_F(PainterlyTest, SourceAndDestinationMustDiffer) {
    EXPECT_THROW(SketchBlend(photo, photo, 1), std::logic_error);
}

}  // namespace
}  // namespace corvessa
