#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ground/bitmap.h"
#include "ground/shared_bitmap.h"
#include "ground/error.h"
#include "test_support.h"

using namespace corvessa;
using corvessa::test::PixelAt;
using corvessa::test::RandomBitmap;

TEST(Bitmap, NewBitmapIsEmptyAndWhiteFilled) {
    TBitmap b;
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.FillColor(), kWhite);
}

TEST(Bitmap, FillCoversHalfOpenRectangle) {
    TBitmap b = corvessa::test::SolidBitmap(7, 5, {0, 0, 0});
    b.SetFillColor({10, 20, 30});
    b.Fill(0, 0, 7 / 2, 5 / 2);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inside = x < 3 && y < 2;
            EXPECT_EQ(PixelAt(b, x, y), (inside ? Rgb{10, 20, 30} : Rgb{0, 0, 0})) << x << "," << y;
        }
    b.FillAll();
    for (int y = 0; y < 5; ++y) EXPECT_EQ(PixelAt(b, 6, y), (Rgb{10, 20, 30}));
}

TEST(Bitmap, FillIsClippedToTheBitmap) {
    TBitmap b = corvessa::test::SolidBitmap(4, 4, {0, 0, 0});
    b.Fill(-3, -3, 100, 2);
    EXPECT_EQ(PixelAt(b, 3, 1), kWhite);
    EXPECT_EQ(PixelAt(b, 0, 2), (Rgb{0, 0, 0}));
    b.Fill(5, 5, 2, 2);  // empty rectangle paints nothing
}

TEST(Bitmap, FillColourPersistsAcrossFillsCopiesAndResizes) {
    TBitmap b(3, 3);
    b.SetFillColor({255, 255, 0});
    b.FillAll();
    TBitmap other = RandomBitmap(9, 2, 1);
    b.CopyFrom(other);
    b.SetSize(5, 5);
    b.FillAll();
    EXPECT_EQ(PixelAt(b, 4, 4), (Rgb{255, 255, 0}));
    EXPECT_EQ(other.FillColor(), kWhite);
}

TEST(Bitmap, CopyFromCopiesSizeAndPixelsButNotFillColour) {
    TBitmap a = RandomBitmap(13, 7, 3);
    a.SetFillColor({1, 2, 3});
    TBitmap b;
    b.CopyFrom(a);
    EXPECT_TRUE(corvessa::test::SamePixels(a, b));
    EXPECT_EQ(b.FillColor(), kWhite);
}

TEST(Bitmap, SetSizeKeepsTheOverlappingPixels) {
    TBitmap a = RandomBitmap(6, 4, 5);
    TBitmap b;
    b.CopyFrom(a);
    b.SetSize(3, 9);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(b, x, y), PixelAt(a, x, y));
    b.SetWidth(0);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, StretchTakesFloorMappedSourcePixels) {
    TBitmap src = RandomBitmap(5, 3, 7);
    for (auto [tw, th] : {std::pair{12, 7}, {2, 2}, {5, 3}, {1, 1}, {105, 105}, {3, 11}}) {
        TBitmap dst(tw, th);
        dst.StretchDraw(src);
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x)
                ASSERT_EQ(PixelAt(dst, x, y), PixelAt(src, int(int64_t(x) * 5 / tw), int(int64_t(y) * 3 / th)))
                    << tw << "x" << th << " at " << x << "," << y;
    }
}

TEST(Bitmap, LargeStretchMatchesTheMappingInEveryBand) {
    // Large enough to run on several threads with repeated rows.
    TBitmap src = RandomBitmap(97, 61, 11);
    TBitmap dst(1500, 1001);
    dst.StretchDraw(src);
    for (int y = 0; y < 1001; y += 7)
        for (int x = 0; x < 1500; x += 13)
            ASSERT_EQ(PixelAt(dst, x, y), PixelAt(src, x * 97 / 1500, y * 61 / 1001));
    EXPECT_EQ(PixelAt(dst, 1499, 1000), PixelAt(src, 96, 60));
}

TEST(Bitmap, DrawAtDropsPixelsOutsideTheTarget) {
    TBitmap src = RandomBitmap(4, 4, 9);
    TBitmap dst = corvessa::test::SolidBitmap(5, 5, {0, 0, 0});
    dst.DrawAt(src, 3, -2);
    EXPECT_EQ(PixelAt(dst, 3, 0), PixelAt(src, 0, 2));
    EXPECT_EQ(PixelAt(dst, 4, 1), PixelAt(src, 1, 3));
    EXPECT_EQ(PixelAt(dst, 2, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelAt(dst, 3, 2), (Rgb{0, 0, 0}));
}

TEST(Bitmap, CopyRectCopiesTheTopLeftRectangle) {
    TBitmap src = RandomBitmap(6, 6, 2);
    TBitmap dst = corvessa::test::SolidBitmap(8, 3, {0, 0, 0});
    dst.CopyRect(src, 4, 5);
    EXPECT_EQ(PixelAt(dst, 3, 2), PixelAt(src, 3, 2));
    EXPECT_EQ(PixelAt(dst, 4, 0), (Rgb{0, 0, 0}));
}

TEST(Bitmap, AllocationThatFailsIsReportedInWordsAndKeepsThePicture) {
    TBitmap b = RandomBitmap(5, 4, 3);
    try {
        b.SetSize(1'000'000'000, 1'000'000);  // 3 petabytes
        ADD_FAILURE() << "no error";
    } catch (const CorvessaError& e) {
        EXPECT_STREQ(e.what(), "Not enough memory for the picture");
    }
    EXPECT_TRUE(corvessa::test::SamePixels(b, RandomBitmap(5, 4, 3)));
}

// --- Shared pixels ---------------------------------------------------------------

TEST(SharedBitmap, HoldersShareUntilOneWritesWhateverTheWrite) {
    using test::Copy;
    using test::RandomBitmap;
    using test::SamePixels;
    using Write = std::function<void(TBitmap&)>;
    const TBitmap source = RandomBitmap(9, 7, 3);
    const std::vector<std::pair<const char*, Write>> writes = {
        {"fill", [](TBitmap& b) { b.SetFillColor({1, 2, 3}), b.Fill(1, 1, 4, 4); }},
        {"stretch", [](TBitmap& b) { b.StretchDraw(RandomBitmap(3, 2, 8)); }},
        {"draw", [](TBitmap& b) { b.DrawAt(RandomBitmap(3, 2, 8), 2, 1); }},
        {"copy rectangle", [](TBitmap& b) { b.CopyRect(RandomBitmap(9, 7, 8), 4, 3); }},
        {"set size", [](TBitmap& b) { b.SetSize(4, 4); }},
        {"row", [](TBitmap& b) { b.Row(6)[5] ^= 0xFF; }},
    };
    for (const auto& [name, write] : writes) {
        SharedBitmap a(Copy(source)), b;
        b.ShareWith(a);
        EXPECT_TRUE(b.SamePixelsAs(a)) << name;
        EXPECT_EQ(&b.Read(), &a.Read()) << name;  // no copy of its own yet
        write(b.Write());
        EXPECT_FALSE(b.SamePixelsAs(a)) << name;
        EXPECT_TRUE(SamePixels(a.Read(), source)) << name;
        EXPECT_FALSE(SamePixels(b.Read(), source)) << name;
    }
    // A holder alone writes in place; each keeps its own fill colour.
    SharedBitmap alone(Copy(source));
    const TBitmap* before = &alone.Read();
    alone.Write().Row(0)[0] ^= 1;
    EXPECT_EQ(&alone.Read(), before);
    SharedBitmap yellow, red;
    yellow.SetFillColor({255, 255, 0});
    yellow.ShareWith(alone);
    red.SetFillColor({255, 0, 0});
    red.ShareWith(yellow);
    EXPECT_EQ(yellow.FillColor(), (Rgb{255, 255, 0}));
    EXPECT_EQ(red.Write().FillColor(), (Rgb{255, 0, 0}));
}
