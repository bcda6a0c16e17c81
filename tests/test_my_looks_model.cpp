// My Looks without the window: which page shows and what it says, where a
// listing lands, which tables a page keeps, and a page's thumbnails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/my_looks.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

std::shared_ptr<const PreparedLut> Table(double red) {
    return std::make_shared<const PreparedLut>(ParseCubeLut(
        CubeText(2, false, [red](double r, double g, double b, double out[3]) { out[0] = r * red, out[1] = g, out[2] = b; }),
        "t.cube"));
}

// `count` looks named 1.cube .. N.cube, each with a table.
MyLooks::Listing Looks(int count) {
    MyLooks::Listing listing;
    for (int i = 1; i <= count; ++i) listing.looks.push_back({std::to_string(i) + ".cube", std::to_string(i), Table(0.5), ""});
    return listing;
}

TEST(MyLooksModel, PagesAreClampedAndSayWhichLooksShow) {
    const struct Row {
        int looks, asked;
        int page;
        const char* text;
        bool paging, previous, next;
        int lastOnPage;  // the last n of the page with a look
    } rows[] = {
        {0, 3, 0, "No looks", false, false, false, 0},
        {1, 0, 0, "Looks 1-1 of 1", false, false, false, 1},
        {10, 1, 0, "Looks 1-10 of 10", false, false, false, 10},
        {11, 1, 1, "Looks 11-11 of 11", true, true, false, 1},
        {23, 1, 1, "Looks 11-20 of 23", true, true, true, 10},
        {23, 9, 2, "Looks 21-23 of 23", true, true, false, 3},
        {23, -4, 0, "Looks 1-10 of 23", true, false, true, 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.looks) + " looks, page " + std::to_string(row.asked));
        MyLooks model;
        EXPECT_EQ(model.TakeListing(Looks(row.looks)), 0);
        model.ShowPage(row.asked);
        EXPECT_EQ(model.Page(), row.page);
        EXPECT_EQ(model.PageText(), row.text);
        EXPECT_EQ(model.Paging(), row.paging);
        EXPECT_EQ(model.HasPrevious(), row.previous);
        EXPECT_EQ(model.HasNext(), row.next);
        EXPECT_EQ(model.PageLooks().size(), size_t(row.lastOnPage));
        for (int n = 1; n <= MyLooks::kPageSize; ++n) {
            const UserLook* look = model.LookAt(n);
            ASSERT_EQ(look != nullptr, n <= row.lastOnPage) << n;
            if (look) EXPECT_EQ(look->name, std::to_string(row.page * 10 + n));
        }
        // A category's strip: no look of the listing shows.
        model.Leave();
        EXPECT_EQ(model.LookAt(1), nullptr);
        EXPECT_FALSE(model.Paging());
    }
}

TEST(MyLooksModel, AListingShowsThePageOfTheFirstLookAddedElseThePageShown) {
    MyLooks model;
    model.TakeListing(Looks(23));
    model.ShowPage(2);
    EXPECT_EQ(model.TakeListing(Looks(23)), 2);  // listed again: the page stays
    MyLooks::Listing added = Looks(23);
    added.firstAdded = "14.cube";
    EXPECT_EQ(model.TakeListing(added), 1);
    model.Leave();
    EXPECT_EQ(model.TakeListing(Looks(23)), 0);  // from a category: the first page
    EXPECT_TRUE(model.Shown());
}

TEST(MyLooksModel, OnlyThePageShownKeepsItsTablesAndALaterListingIsLeftAlone) {
    MyLooks model;
    MyLooks::Listing listing = Looks(23);
    for (UserLook& look : listing.looks) look.table.reset();  // as a listing lets them go
    model.TakeListing(listing);
    model.ShowPage(1);
    const std::vector<UserLook> shown = model.PageLooks();
    std::vector<std::shared_ptr<const PreparedLut>> tables(shown.size(), Table(0.25));
    tables[3].reset();  // a table that did not read
    model.KeepPageTables(shown, tables);
    for (size_t i = 0; i < model.Looks().size(); ++i)
        EXPECT_EQ(model.Looks()[i].table != nullptr, i >= 10 && i < 20 && i != 13) << i;

    // The page drawn belongs to an older listing: nothing changes.
    model.TakeListing(Looks(5));
    model.KeepPageTables(shown, std::vector<std::shared_ptr<const PreparedLut>>(shown.size()));
    for (const UserLook& look : model.Looks()) EXPECT_NE(look.table, nullptr);
}

TEST(MyLooksModel, AThumbnailOfATableThatCannotBeUsedIsPlainGrey) {
    TBitmap work = GradientBitmap(60, 40);
    UserLook good{"good.cube", "good", Table(0.5), ""};
    UserLook broken{"broken.cube", "broken", nullptr, "LUT file is not valid \u2014 broken.cube"};
    std::vector<std::shared_ptr<const PreparedLut>> tables;
    std::vector<int> numbers;
    std::vector<TBitmap> pictures;
    MyLooks::DrawThumbnails(work, {good, broken}, 0, tables, [&](int n, std::shared_ptr<TBitmap> picture) {
        numbers.push_back(n);
        pictures.push_back(std::move(*picture));
    });
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0], good.table);
    EXPECT_EQ(tables[1], nullptr);
    for (const TBitmap& picture : pictures) {
        EXPECT_EQ(picture.Width(), kThumbSide);
        EXPECT_EQ(picture.Height(), kThumbSide);
    }
    const auto grey = [](const TBitmap& picture, int x, int y) {
        const uint8_t* p = picture.Pixel(x, y);
        return p[0] == 150 && p[1] == 150 && p[2] == 150;
    };
    EXPECT_FALSE(grey(pictures[0], 0, 0));
    for (int y = 0; y < kThumbSide; y += 13)
        for (int x = 0; x < kThumbSide; x += 13) EXPECT_TRUE(grey(pictures[1], x, y)) << x << "," << y;
    // Large: scaled to the side asked for, the photo's shape kept.
    MyLooks::DrawThumbnails(work, {good}, 30, tables,
                            [&](int, std::shared_ptr<TBitmap> picture) { EXPECT_EQ(picture->Width(), 30); });
}

// Given the faces of a photo without one, not a byte changes (the
// portrait's thumbnails are tested with the session).
TEST(MyLooksModel, ThumbnailsOfAPhotoWithoutAFaceKeepEveryByte) {
    const auto work = std::make_shared<const TBitmap>(GradientBitmap(600, 400));
    UserLook good{"good.cube", "good", Table(0.5), ""};
    std::vector<std::shared_ptr<const PreparedLut>> tables;
    for (int side : {0, 200}) {
        TBitmap plain, kept;
        MyLooks::DrawThumbnails(*work, {good}, side, tables, [&](int, std::shared_ptr<TBitmap> p) { plain = std::move(*p); });
        PhotoFaces none(work);
        MyLooks::DrawThumbnails(
            *work, {good}, side, tables, [&](int, std::shared_ptr<TBitmap> p) { kept = std::move(*p); }, &none);
        EXPECT_TRUE(none.Known());
        EXPECT_TRUE(SamePixels(kept, plain)) << side;
    }
}

}  // namespace
