// TilePicture and LinePattern.
#include <gtest/gtest.h>

#include "routine_fixtures.h"
#include "ground/error.h"
#include "looks/line_art.h"

namespace corvessa {
namespace {

using namespace test;

// --- TilePicture ---

// Every pixel of `big` is the tile pixel (x mod tw, y mod th).
void ExpectTiled(const TBitmap& big, const TBitmap& tile) {
    for (int y = 0; y < big.Height(); ++y)
        for (int x = 0; x < big.Width(); ++x)
            ASSERT_EQ(PixelAt(big, x, y), PixelAt(tile, x % tile.Width(), y % tile.Height())) << x << "," << y;
}

TEST(TilePicture, CutsTheLastCopiesAtTheEdges) {
    const TBitmap original = RandomBitmap(10, 10, 1);
    TBitmap tile = RandomBitmap(10, 10, 1);
    TBitmap big = RandomBitmap(25, 25, 2);
    TilePicture(big, tile);
    ExpectTiled(big, original);
    // The tile comes back as the top band of big.
    EXPECT_EQ(tile.Width(), 25);
    EXPECT_EQ(tile.Height(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 25; ++x) ASSERT_EQ(PixelAt(tile, x, y), PixelAt(big, x, y));
}

TEST(TilePicture, ExactlyTwoTilesAndUnequalSides) {
    const TBitmap original = RandomBitmap(7, 5, 3);
    TBitmap tile = RandomBitmap(7, 5, 3);
    TBitmap big = RandomBitmap(14, 10, 4);
    TilePicture(big, tile);
    ExpectTiled(big, original);
}

TEST(TilePicture, BitmapSmallerThanTheTileShowsItsTopLeft) {
    const TBitmap original = RandomBitmap(10, 10, 5);
    TBitmap tile = RandomBitmap(10, 10, 5);
    TBitmap big = RandomBitmap(4, 3, 6);
    TilePicture(big, tile);
    ExpectTiled(big, original);
}

TEST(TilePicture, RefusesAnEmptyTile) {
    TBitmap tile, big = RandomBitmap(4, 4, 1);
    EXPECT_THROW(TilePicture(big, tile), std::invalid_argument);
}

// --- LinePattern ---

class LinePatternTest : public ::testing::Test {
protected:
    LinePatternTest() {
        // A checker of four 32 x 32 squares, white top-left: block-aligned,
        // so it decodes exactly and its period shows the tile side.
        TBitmap checker = SolidBitmap(64, 64, kWhite);
        checker.SetFillColor(kBlack);
        checker.Fill(32, 0, 64, 32);
        checker.Fill(0, 32, 32, 64);
        for (int n = 1; n <= 10; ++n) pics.Write("line", std::to_string(n), checker);
        pics.Write("line", "11", SolidBitmap(16, 16, kWhite));
        pics.Write("line", "12", SolidBitmap(16, 16, kBlack));
        ctx.pictures = &pics.Pictures();
        ctx.colorChooser = &chooser;
    }

    // The result for a checker pattern with tile side s on a black photo:
    // black where the tiled checker is white, the line colour elsewhere.
    static void ExpectCheckerTiles(const TBitmap& dest, int s, Rgb line) {
        for (int y = 0; y < dest.Height(); ++y)
            for (int x = 0; x < dest.Width(); ++x) {
                const bool left = (x % s) * 64 / s < 32, top = (y % s) * 64 / s < 32;
                ASSERT_EQ(PixelAt(dest, x, y), left == top ? kBlack : line) << x << "," << y << " side " << s;
            }
    }

    PicFolder pics;
    ScriptedChooser chooser;
    RenderContext ctx;
    TBitmap dest;
};

TEST_F(LinePatternTest, TileSideIsTheShorterSideOver16Or8) {
    for (auto [w, h] : {std::pair{400, 300}, std::pair{300, 400}}) {
        const TBitmap photo = SolidBitmap(w, h, kBlack);
        for (int n : {1, 7}) {
            LinePattern(photo, dest, n, ctx);
            ExpectCheckerTiles(dest, 18, kGreen);
        }
        for (int n : {8, 10}) {
            LinePattern(photo, dest, n, ctx);
            ExpectCheckerTiles(dest, 37, kGreen);
        }
    }
}

TEST_F(LinePatternTest, WhitePatternGivesThePhotoAndBlackTheLineColour) {
    const TBitmap photo = RandomBitmap(50, 40, 8);
    LinePattern(photo, dest, 11, ctx);
    EXPECT_TRUE(SamePixels(dest, photo));
    LinePattern(photo, dest, 12, ctx);
    EXPECT_EQ(dest.Width(), 50);
    EXPECT_EQ(dest.Height(), 40);
    EXPECT_TRUE(AllPixels(dest, kGreen));
    EXPECT_EQ(chooser.asked, 0);
}

TEST_F(LinePatternTest, PhotoTooSmallForATileIsCopied) {
    // 15 px: below 16 for patterns 1 to 7; 7 px: below 8 for 8 to 10.
    const TBitmap narrow = RandomBitmap(15, 100, 9), tiny = RandomBitmap(7, 7, 10);
    LinePattern(narrow, dest, 1, ctx);
    EXPECT_TRUE(SamePixels(dest, narrow));
    LinePattern(tiny, dest, 10, ctx);
    EXPECT_TRUE(SamePixels(dest, tiny));
    const TBitmap empty;
    LinePattern(empty, dest, 3, ctx);
    EXPECT_TRUE(dest.Empty());
    // 15 / 8 is 1: a one-pixel tile still works.
    LinePattern(narrow, dest, 12, ctx);
    EXPECT_TRUE(AllPixels(dest, kGreen));
}

TEST_F(LinePatternTest, ChangeColorModeUsesTheChosenColour) {
    const TBitmap photo = SolidBitmap(64, 32, kBlack);
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({kRed});
    LinePattern(photo, dest, 1, ctx);
    ExpectCheckerTiles(dest, 2, kRed);
}

TEST_F(LinePatternTest, CancelKeepsTheColourLastUsedOnDest) {
    const TBitmap photo = RandomBitmap(40, 40, 11);
    LinePattern(photo, dest, 12, ctx);
    ctx.changeColorMode = true;
    chooser = ScriptedChooser({kRed, std::nullopt});
    LinePattern(photo, dest, 12, ctx);
    LinePattern(photo, dest, 12, ctx);
    EXPECT_TRUE(AllPixels(dest, kRed));

    TBitmap fresh;
    chooser = ScriptedChooser({std::nullopt});
    LinePattern(photo, fresh, 12, ctx);
    EXPECT_TRUE(AllPixels(fresh, kWhite));
}

TEST_F(LinePatternTest, MissingPatternLeavesDestUntouched) {
    const TBitmap before = RandomBitmap(6, 6, 12);
    dest.CopyFrom(before);
    const TBitmap photo = RandomBitmap(64, 64, 13);
    EXPECT_THROW(LinePattern(photo, dest, 13, ctx), CorvessaError);
    EXPECT_THROW(LinePattern(RandomBitmap(3, 3, 1), dest, 13, ctx), CorvessaError);
    EXPECT_TRUE(SamePixels(dest, before));
}

}  // namespace
}  // namespace corvessa
