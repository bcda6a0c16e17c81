#include <gtest/gtest.h>

#include "shell/main_layout.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

TEST(MainWindowBounds, SmallScreensGetTheScreenLessAMargin) {
    EXPECT_EQ(MainWindowBounds(800, 600), (Bounds{0, 0, 780, 560}));
    EXPECT_EQ(MainWindowBounds(640, 480), (Bounds{0, 0, 620, 440}));
}

TEST(MainWindowBounds, WiderScreensGetTheFixedSizeCentredAndNudged) {
    EXPECT_EQ(MainWindowBounds(1024, 768), (Bounds{0, 5, 1004, 718}));
    EXPECT_EQ(MainWindowBounds(1920, 1080), (Bounds{448, 161, 1004, 718}));
    // 801 is already "large"; the negative halves truncate toward zero.
    EXPECT_EQ(MainWindowBounds(801, 600), (Bounds{-111, -79, 1004, 718}));
}

TEST(MainWindowBounds, TheWindowIsMovedAndShrunkOnlyWhereItWouldLeaveTheUsableArea) {
    struct Case {
        Bounds window, area, fitted;
    };
    for (const Case& c : {
             // Fits: the design's place. Panels on top and at the left.
             Case{MainWindowBounds(1920, 1080), {0, 27, 1920, 1053}, {448, 161, 1004, 718}},
             // Scale 2 on 2560 x 1440, a 30 px panel: the caption was above the screen.
             Case{MainWindowBounds(1280, 720), {0, 0, 1280, 690}, {128, 0, 1004, 690}},
             Case{MainWindowBounds(801, 600), {64, 0, 737, 600}, {64, 0, 737, 600}},
             Case{{-50, 900, 400, 300}, {0, 0, 1280, 1000}, {0, 700, 400, 300}},
         })
        EXPECT_EQ(FitIntoArea(c.window, c.area), c.fitted);
}

TEST(LayOutPanels, The1024By768Example) {
    const MainPanels p = LayOutPanels(1004, 718);
    EXPECT_EQ(p.flatPanel4, (Bounds{0, 0, 126, 678}));
    EXPECT_EQ(p.flatPanel1, (Bounds{125, 0, 872, 678}));
    EXPECT_EQ(p.flatPanel2, (Bounds{125, 399, 872, 279}));
    EXPECT_EQ(p.flatPanel3, (Bounds{112, 0, 760, 399}));
}

TEST(LayOutPanels, The800By600Screen) {
    const Bounds w = MainWindowBounds(800, 600);
    const MainPanels p = LayOutPanels(w.width, w.height);
    EXPECT_EQ(p.flatPanel4, (Bounds{0, 0, 126, 520}));
    EXPECT_EQ(p.flatPanel1, (Bounds{125, 0, 648, 520}));
    EXPECT_EQ(p.flatPanel2, (Bounds{125, 241, 648, 279}));
    EXPECT_EQ(p.flatPanel3, (Bounds{112, 0, 536, 241}));
}

// Large looks make the strip taller than the tool column leaves room for:
// it lies beside the column, under the photo area, and the tools stay in view.
TEST(LayOutPanels, ATallStripLeavesTheToolColumnInView) {
    const struct {
        int width, height;
        Bounds strip;
    } cases[] = {
        {1004, 718, {237, 306, 760, 372}},
        {1920, 1160, {237, 504, 1676, 616}},
        {620, 630, {237, 266, 376, 324}},
        {700, 540, {125, 221, 568, 279}},  // no taller than the small strip: as that lies
    };
    for (const auto& c : cases) {
        const MainPanels p = LayOutPanels(c.width, c.height, true);
        EXPECT_EQ(p.flatPanel2, c.strip) << c.width << "x" << c.height;
        EXPECT_EQ(p.flatPanel3.height, p.flatPanel2.top) << c.width << "x" << c.height;
    }
}

TEST(FitPhotoView, FourByThreeAndTwoByOneInTheLargeLayout) {
    EXPECT_EQ(FitPhotoView(760, 399, 1600, 1200), (Bounds{116, 1, 528, 396}));
    // Wider than the panel: centred, clipped equally at both sides.
    EXPECT_EQ(FitPhotoView(760, 399, 2000, 1000), (Bounds{-16, 1, 792, 396}));
}

TEST(FitPhotoView, WidthTruncatesAndOddMarginsTruncateTowardZero) {
    // 396 * 7 / 5 = 554.4 -> 554; (760 - 554) / 2 = 103
    EXPECT_EQ(FitPhotoView(760, 399, 7, 5), (Bounds{103, 1, 554, 396}));
    // (760 - 1) / 2 = 379
    EXPECT_EQ(FitPhotoView(760, 399, 1, 396), (Bounds{379, 1, 1, 396}));
    // (100 - 1189) / 2 = -544.5 -> -544
    EXPECT_EQ(FitPhotoView(100, 399, 3, 1), (Bounds{-544, 1, 1188, 396}));
}

TEST(FitPhotoView, LargePhotosDoNotOverflow) {
    EXPECT_EQ(FitPhotoView(760, 399, 60000, 30000).width, 792);
}

TEST(FitPhotoView, NoPhotoGivesAnEmptyView) {
    EXPECT_EQ(FitPhotoView(760, 399, 0, 0).width, 0);
    EXPECT_EQ(FitPhotoView(760, 399, 100, 0).width, 0);
}

}  // namespace
