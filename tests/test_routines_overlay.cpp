// MaskOverlay, OverlayPicture and ColorizeOverlay with pictures written on
// the spot.
#include <gtest/gtest.h>

#include "io/ssl_picture.h"
#include "routine_fixtures.h"
#include "ground/blend_rows.h"
#include "ground/error.h"
#include "looks/overlay.h"

namespace corvessa {
namespace {

using namespace test;

class OverlayTest : public ::testing::Test {
protected:
    OverlayTest() {
        pics.Write("EdgeA", "1", SolidBitmap(40, 30, kWhite));
        pics.Write("EdgeA", "2", SolidBitmap(40, 30, kBlack));
        pics.Write("weather", "1", SolidBitmap(16, 16, kBlack));
        pics.Write("weather", "2", SolidBitmap(16, 16, kWhite));
        pics.Write("gradient", "1", SolidBitmap(16, 16, kBlack));
        pics.Write("texture", "1", SolidBitmap(16, 16, kBlack));
        pics.Write("dreamA", "1", GradientBitmap(64, 48));
        // Left half white, right half black, split on a JPEG block edge so
        // both halves decode exactly.
        TBitmap halves = SolidBitmap(32, 16, kWhite);
        halves.SetFillColor(kBlack);
        halves.Fill(16, 0, 32, 16);
        pics.Write("EdgeB", "1", halves);
        ctx.pictures = &pics.Pictures();
        ctx.colorChooser = &chooser;
    }

    // The picture as the routine sees it, at the photo's size.
    TBitmap Stretched(const std::string& folder, const std::string& number, const TBitmap& photo) {
        TBitmap picture;
        LoadSslPicture(pics.AppDir() + "pic/" + folder + "/" + number + ".ssl", picture);
        TBitmap out(photo.Width(), photo.Height());
        out.StretchDraw(picture);
        return out;
    }

    PicFolder pics;
    ScriptedChooser chooser;
    RenderContext ctx;
    TBitmap photo = RandomBitmap(37, 23, 7);
    TBitmap dest;
};

// --- MaskOverlay ---

TEST_F(OverlayTest, MaskOverlayWhitePictureGivesThePhoto) {
    MaskOverlay(photo, dest, {"EdgeA", 1}, kYellow, ctx);
    EXPECT_TRUE(SamePixels(dest, photo));
}

TEST_F(OverlayTest, MaskOverlayBlackPictureGivesTheDefaultFill) {
    MaskOverlay(photo, dest, {"EdgeA", 2}, kYellow, ctx);
    EXPECT_EQ(dest.Width(), 37);
    EXPECT_EQ(dest.Height(), 23);
    EXPECT_TRUE(AllPixels(dest, kYellow));
    MaskOverlay(photo, dest, {"EdgeA", 2}, kWhite, ctx);
    EXPECT_TRUE(AllPixels(dest, kWhite));
    EXPECT_EQ(chooser.asked, 0);
}

TEST_F(OverlayTest, MaskOverlayStretchesThePictureToAnyAspect) {
    // A 32 x 16 picture on a tall photo: no letterboxing, no cropping.
    TBitmap tall = RandomBitmap(10, 50, 3);
    MaskOverlay(tall, dest, {"EdgeB", 1}, kYellow, ctx);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(PixelAt(dest, x, y), x < 5 ? PixelAt(tall, x, y) : kYellow) << x << "," << y;
}

TEST_F(OverlayTest, MaskOverlayFindsFoldersWithoutRegardToCase) {
    MaskOverlay(photo, dest, {"edgea", 1}, kYellow, ctx);
    EXPECT_TRUE(SamePixels(dest, photo));
    MaskOverlay(photo, dest, {"EDGEA", 2}, kYellow, ctx);
    EXPECT_TRUE(AllPixels(dest, kYellow));
}

TEST_F(OverlayTest, MaskOverlayInChangeColorModeFillsWithTheChosenColour) {
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({kRed});
    MaskOverlay(photo, dest, {"EdgeA", 2}, kYellow, ctx);
    EXPECT_TRUE(AllPixels(dest, kRed));
    EXPECT_EQ(chooser.asked, 1);
}

TEST_F(OverlayTest, MaskOverlayCancelKeepsTheColourLastUsedOnDest) {
    MaskOverlay(photo, dest, {"EdgeA", 2}, kYellow, ctx);
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({std::nullopt});
    MaskOverlay(photo, dest, {"EdgeA", 2}, kWhite, ctx);
    EXPECT_TRUE(AllPixels(dest, kYellow));  // not the default white

    TBitmap fresh;
    chooser = ScriptedChooser({std::nullopt});
    MaskOverlay(photo, fresh, {"EdgeA", 2}, kYellow, ctx);
    EXPECT_TRUE(AllPixels(fresh, kWhite));  // never set: white
}

TEST_F(OverlayTest, MissingOrBrokenPictureLeavesDestUntouched) {
    const TBitmap before = RandomBitmap(5, 4, 9);
    dest.CopyFrom(before);
    dest.SetFillColor(kRed);
    ctx.changeColorMode = true;  // the chooser must not even be asked
    try {
        MaskOverlay(photo, dest, {"EdgeA", 99}, kYellow, ctx);
        FAIL() << "no error";
    } catch (const CorvessaError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + pics.AppDir() + "pic/EdgeA/99.ssl" + ": No such file or directory");
    }
    std::vector<uint8_t> garbage(400, 0x42);
    pics.WriteRaw("weather", "3", garbage);
    try {
        OverlayPicture(photo, dest, {"weather", 3}, OverlayBlend::kScreen, ctx);
        FAIL() << "no error";
    } catch (const CorvessaError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u) << e.what();
    }
    EXPECT_THROW(OverlayPicture(photo, dest, {"nowhere", 1}, OverlayBlend::kScreen, ctx), CorvessaError);
    EXPECT_TRUE(SamePixels(dest, before));
    EXPECT_EQ(dest.FillColor(), kRed);
    EXPECT_EQ(chooser.asked, 0);
}

TEST_F(OverlayTest, SourceAndDestinationMustDiffer) {
    EXPECT_THROW(MaskOverlay(photo, photo, {"EdgeA", 1}, kWhite, ctx), std::invalid_argument);
    EXPECT_THROW(OverlayPicture(photo, photo, {"weather", 1}, OverlayBlend::kScreen, ctx), std::invalid_argument);
}

// --- OverlayPicture ---

TEST_F(OverlayTest, ScreenWithBlackRaisesEveryChannelBelow255ByOne) {
    photo.Data()[0] = 255;
    photo.Data()[1] = 254;
    photo.Data()[2] = 0;
    OverlayPicture(photo, dest, {"weather", 1}, OverlayBlend::kScreen, ctx);
    EXPECT_TRUE(SamePixels(dest, MapBytes(photo, [](int a) { return a < 255 ? a + 1 : 255; })));
}

TEST_F(OverlayTest, ScreenWithWhiteGivesWhite) {
    OverlayPicture(photo, dest, {"weather", 2}, OverlayBlend::kScreen, ctx);
    EXPECT_TRUE(AllPixels(dest, kWhite));
}

TEST_F(OverlayTest, TheOverlayBlendComparesThePhotoWith128) {
    // Overlay with black: values below 128 go to 0, the photo is the one
    // compared with 128. Folders are found in any letter case.
    const TBitmap expected = MapBytes(photo, [](int a) { return BlendOverlay(a, 0); });
    for (const char* category : {"Gradient", "gradient", "GRADIENT", "Texture"}) {
        OverlayPicture(photo, dest, {category, 1}, OverlayBlend::kOverlay, ctx);
        EXPECT_TRUE(SamePixels(dest, expected)) << category;
    }
    EXPECT_EQ(BlendOverlay(127, 0), 0);
    EXPECT_EQ(BlendOverlay(128, 0), 2);
}

TEST_F(OverlayTest, ChangeColorModeCancelGivesTheUsualResult) {
    OverlayPicture(photo, dest, {"dreamA", 1}, OverlayBlend::kScreen, ctx);
    TBitmap plain;
    plain.CopyFrom(dest);
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({std::nullopt});
    OverlayPicture(photo, dest, {"dreamA", 1}, OverlayBlend::kScreen, ctx);
    EXPECT_TRUE(SamePixels(dest, plain));
    EXPECT_EQ(chooser.asked, 1);
}

TEST_F(OverlayTest, ChangeColorModeRecoloursThePictureBeforeScreening) {
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({kRed});
    OverlayPicture(photo, dest, {"dreamA", 1}, OverlayBlend::kScreen, ctx);

    // The picture greyed, overlaid with red (grey first), then screened.
    TBitmap picture = Stretched("dreamA", "1", photo);
    Grayscale(picture);
    for (int y = 0; y < photo.Height(); ++y)
        for (int x = 0; x < photo.Width(); ++x) {
            const int g = picture.Pixel(x, y)[0];
            const uint8_t* p = photo.Pixel(x, y);
            const Rgb want{uint8_t(BlendScreen(p[2], BlendOverlay(g, 255))),
                           uint8_t(BlendScreen(p[1], BlendOverlay(g, 0))),
                           uint8_t(BlendScreen(p[0], BlendOverlay(g, 0)))};
            ASSERT_EQ(PixelAt(dest, x, y), want) << x << "," << y;
        }
}

// --- ColorizeOverlay ---

TEST_F(OverlayTest, ColorizeOverlayAlwaysAsks) {
    TBitmap picture = SolidBitmap(3, 2, Rgb{200, 200, 200});
    chooser = ScriptedChooser({Rgb{0, 255, 0}});
    ColorizeOverlay(picture, ctx);  // outside Change Color mode too
    EXPECT_EQ(chooser.asked, 1);
    // Grey 200 overlaid with 0 gives 146, with 255 stays 255.
    EXPECT_TRUE(AllPixels(picture, Rgb{146, 255, 146}));
}

TEST_F(OverlayTest, ColorizeOverlayCancelChangesNothing) {
    TBitmap picture = RandomBitmap(6, 5, 4);
    const TBitmap before = RandomBitmap(6, 5, 4);
    chooser = ScriptedChooser({std::nullopt});
    ColorizeOverlay(picture, ctx);
    EXPECT_TRUE(SamePixels(picture, before));
}

}  // namespace
}  // namespace corvessa
