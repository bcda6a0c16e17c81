// ContrastCurve, ColorBurnTint, QuadColorTint, PictureColorTint and
// ColorMaskTint.
#include <gtest/gtest.h>

#include "routine_fixtures.h"
#include "ground/blend_rows.h"
#include "ground/error.h"
#include "looks/tints.h"

namespace corvessa {
namespace {

using namespace test;

// A one-row grey ramp 0..255, one value per pixel.
TBitmap GreyRamp() {
    TBitmap b(256, 1);
    for (int v = 0; v < 256; ++v) b.Pixel(v, 0)[0] = b.Pixel(v, 0)[1] = b.Pixel(v, 0)[2] = uint8_t(v);
    return b;
}

TBitmap Grey(const TBitmap& b) {
    TBitmap g;
    g.CopyFrom(b);
    Grayscale(g);
    return g;
}

class TintTest : public ::testing::Test {
protected:
    TintTest() {
        ctx.pictures = &pics.Pictures();
        ctx.colorChooser = &chooser;
    }
    PicFolder pics;
    ScriptedChooser chooser;
    RenderContext ctx;
    TBitmap photo = RandomBitmap(31, 17, 11);
};

// --- ContrastCurve ---

TEST(ContrastCurve, FollowsTheTwoPassHardLightCurve) {
    const TBitmap ramp = GreyRamp();
    TBitmap dest;
    ContrastCurve(ramp, dest);
    const std::pair<int, int> points[] = {{0, 0},     {32, 0},    {64, 8},    {100, 47},  {127, 124},
                                          {128, 131}, {150, 198}, {192, 248}, {224, 255}, {255, 255}};
    for (auto [in, out] : points) EXPECT_EQ(dest.Pixel(in, 0)[1], out) << in;
    for (int v = 1; v < 256; ++v) EXPECT_GE(dest.Pixel(v, 0)[0], dest.Pixel(v - 1, 0)[0]) << v;
}

// --- ColorBurnTint ---

TEST_F(TintTest, ColorBurnWithWhiteChangesNothing) {
    TBitmap b;
    b.CopyFrom(photo);
    ColorBurnTint(b, kWhite, ctx);
    EXPECT_TRUE(SamePixels(b, photo));
}

TEST_F(TintTest, ColorBurnWithRedKeepsRedAndClearsTheRest) {
    TBitmap b;
    b.CopyFrom(photo);
    ColorBurnTint(b, kRed, ctx);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            ASSERT_EQ(PixelAt(b, x, y), (Rgb{photo.Pixel(x, y)[2], 0, 0}));
}

TEST_F(TintTest, ColorBurnWithA128Channel) {
    TBitmap b = GreyRamp();
    ColorBurnTint(b, Rgb{128, 255, 255}, ctx);  // only red is burned
    const std::pair<int, int> points[] = {{0, 0}, {64, 0}, {128, 1}, {192, 129}, {255, 255}};
    for (auto [in, out] : points) {
        EXPECT_EQ(b.Pixel(in, 0)[2], out) << in;
        EXPECT_EQ(b.Pixel(in, 0)[1], in);
        EXPECT_EQ(b.Pixel(in, 0)[0], in);
    }
}

TEST_F(TintTest, ColorBurnAsksOnlyInChangeColorMode) {
    TBitmap b = GreyRamp();
    ColorBurnTint(b, kRed, ctx);
    EXPECT_EQ(chooser.asked, 0);

    ctx.changeColorMode = true;
    chooser = ScriptedChooser({kWhite});
    b = GreyRamp();
    ColorBurnTint(b, kRed, ctx);  // white replaces red: nothing changes
    EXPECT_TRUE(SamePixels(b, GreyRamp()));

    chooser = ScriptedChooser({std::nullopt});
    ColorBurnTint(b, kRed, ctx);  // cancel: red as given
    EXPECT_EQ(PixelAt(b, 200, 0), (Rgb{200, 0, 0}));
    EXPECT_EQ(chooser.asked, 1);
}

// --- QuadColorTint ---

TEST(QuadColorTint, OneColumnPhotoHasOnlyRightQuadrants) {
    TBitmap b = SolidBitmap(1, 4, Rgb{200, 200, 200});
    QuadColorTint(b);
    // Grey 200 overlaid: with 255 stays 255, with 0 gives 146, with 128 gives 201.
    EXPECT_EQ(PixelAt(b, 0, 0), (Rgb{255, 146, 255}));  // magenta
    EXPECT_EQ(PixelAt(b, 0, 1), (Rgb{255, 146, 255}));
    EXPECT_EQ(PixelAt(b, 0, 2), (Rgb{255, 201, 146}));  // orange
    EXPECT_EQ(PixelAt(b, 0, 3), (Rgb{255, 201, 146}));

    TBitmap one = SolidBitmap(1, 1, Rgb{200, 200, 200});
    QuadColorTint(one);
    EXPECT_EQ(PixelAt(one, 0, 0), (Rgb{255, 201, 146}));
}

TEST(QuadColorTint, OddWidthGivesTheRightQuadrantsTheExtraColumn) {
    TBitmap b = SolidBitmap(5, 3, Rgb{200, 200, 200});
    QuadColorTint(b);
    const Rgb green{146, 255, 146}, magenta{255, 146, 255}, yellow{255, 255, 146}, orange{255, 201, 146};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(PixelAt(b, x, 0), x < 2 ? green : magenta) << x;
        EXPECT_EQ(PixelAt(b, x, 1), x < 2 ? yellow : orange) << x;
        EXPECT_EQ(PixelAt(b, x, 2), x < 2 ? yellow : orange) << x;
    }
}

TEST(QuadColorTint, GreysThenOverlaysDarkGrey) {
    // (200, 80, 50) greys to 112: a zero channel gives 0, 255 gives
    // (112*255) shr 7 = 223, 128 keeps 112.
    TBitmap b = SolidBitmap(4, 4, Rgb{200, 80, 50});
    QuadColorTint(b);
    EXPECT_EQ(PixelAt(b, 0, 0), (Rgb{0, 223, 0}));
    EXPECT_EQ(PixelAt(b, 3, 0), (Rgb{223, 0, 223}));
    EXPECT_EQ(PixelAt(b, 0, 3), (Rgb{223, 223, 0}));
    EXPECT_EQ(PixelAt(b, 3, 3), (Rgb{223, 112, 0}));
}

// --- PictureColorTint ---

TEST_F(TintTest, PictureColorTintWhiteMaskModeOneKeepsThePhoto) {
    pics.Write("color", "1", SolidBitmap(24, 24, kWhite));
    TBitmap b;
    b.CopyFrom(photo);
    PictureColorTint(b, 1, Rgb{255, 0, 255}, ctx);
    EXPECT_TRUE(SamePixels(b, photo));
}

TEST_F(TintTest, PictureColorTintBlackMaskOtherModeGivesTheGreyPhoto) {
    pics.Write("COLOR", "1", SolidBitmap(24, 24, kBlack));
    for (int mode : {2, 0, -3}) {
        TBitmap b;
        b.CopyFrom(photo);
        PictureColorTint(b, mode, Rgb{255, 0, 255}, ctx);
        EXPECT_TRUE(SamePixels(b, Grey(photo))) << mode;
    }
}

TEST_F(TintTest, PictureColorTintShowsTheBurnedGreyWhereTheModeSaysSo) {
    const Rgb colour{192, 192, 129};
    TBitmap burned = Grey(photo);
    ColorBurnTint(burned, colour, ctx);

    pics.Write("color", "1", SolidBitmap(24, 24, kBlack));
    TBitmap b;
    b.CopyFrom(photo);
    PictureColorTint(b, 1, colour, ctx);
    EXPECT_TRUE(SamePixels(b, burned));

    pics.Write("color", "1", SolidBitmap(24, 24, kWhite));
    b.CopyFrom(photo);
    PictureColorTint(b, 2, colour, ctx);
    EXPECT_TRUE(SamePixels(b, burned));
}

TEST_F(TintTest, PictureColorTintCancelUsesTheGivenColour) {
    pics.Write("color", "1", GradientBitmap(40, 40));
    TBitmap plain;
    plain.CopyFrom(photo);
    PictureColorTint(plain, 2, kRed, ctx);

    ctx.changeColorMode = true;
    chooser = ScriptedChooser({std::nullopt});
    TBitmap b;
    b.CopyFrom(photo);
    PictureColorTint(b, 2, kRed, ctx);
    EXPECT_TRUE(SamePixels(b, plain));
    EXPECT_EQ(chooser.asked, 1);
}

TEST_F(TintTest, PictureColorTintWithoutMaskLeavesThePhoto) {
    TBitmap b;
    b.CopyFrom(photo);
    EXPECT_THROW(PictureColorTint(b, 1, kRed, ctx), CorvessaError);
    EXPECT_TRUE(SamePixels(b, photo));
}

// --- ColorMaskTint ---

TEST_F(TintTest, ColorMaskTintWhiteMaskOverlaysThePhotoWithWhite) {
    pics.Write("color", "2", SolidBitmap(20, 20, kWhite));
    TBitmap dest;
    ColorMaskTint(photo, dest, kRed, ctx);
    EXPECT_TRUE(SamePixels(dest, MapBytes(photo, [](int a) { return BlendOverlay(a, 255); })));
}

TEST_F(TintTest, ColorMaskTintBlackMaskOverlaysTheColourWithBlack) {
    pics.Write("color", "2", SolidBitmap(20, 20, kBlack));
    TBitmap dest;
    ColorMaskTint(photo, dest, Rgb{255, 200, 100}, ctx);
    EXPECT_EQ(dest.Width(), photo.Width());
    EXPECT_EQ(dest.Height(), photo.Height());
    // The mixed colour is the first argument: 255 -> 255, 200 -> 146, 100 -> 0.
    EXPECT_TRUE(AllPixels(dest, (Rgb{255, 146, 0})));
}

TEST_F(TintTest, ColorMaskTintChangeColorMode) {
    pics.Write("color", "2", SolidBitmap(20, 20, kBlack));
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({Rgb{0, 255, 0}, std::nullopt});
    TBitmap dest;
    ColorMaskTint(photo, dest, kRed, ctx);
    EXPECT_TRUE(AllPixels(dest, kGreen));
    ColorMaskTint(photo, dest, kRed, ctx);  // cancelled: the given red
    EXPECT_TRUE(AllPixels(dest, kRed));
}

TEST_F(TintTest, ColorMaskTintWithoutMaskLeavesDest) {
    const TBitmap before = RandomBitmap(3, 3, 2);
    TBitmap dest;
    dest.CopyFrom(before);
    EXPECT_THROW(ColorMaskTint(photo, dest, kRed, ctx), CorvessaError);
    EXPECT_TRUE(SamePixels(dest, before));
}

}  // namespace
}  // namespace corvessa
