// The catalogue walked as a table: every recipe renders, the strip shows
// what the full-size render gives on the thumbnail photo, every picture a
// recipe names exists whatever the spelling, and the strips and renders
// treat the "Change Color" button as their category says. The bytes of
// every look are pinned by tests/test_golden.cpp.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "catalogue/catalogue.h"
#include "ground/blend.h"
#include "ground/error.h"
#include "io/picture_source.h"
#include "looks/overlay.h"
#include "looks/tints.h"
#include "picture_folder.h"
#include "routine_fixtures.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// What the window would see of a strip.
class RecordingView : public StripView {
public:
    void ThumbnailDone(int n, const TBitmap& picture, bool repaint) override {
        events.push_back("T" + std::to_string(n));
        thumbnails.emplace_back();
        thumbnails.back().CopyFrom(picture);
        repaints.push_back(repaint);
    }
    void SetChangeColorButton(bool visible) override { events.push_back(visible ? "show" : "hide"); }

    std::vector<std::string> events;
    std::vector<TBitmap> thumbnails;
    std::vector<bool> repaints;
};

class CatalogueTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempDir>();
        MakePictureFolder(folder_->Path() + "/");
        pictures_ = std::make_unique<FolderPictures>(folder_->Path() + "/pic");
    }
    static void TearDownTestSuite() {
        pictures_.reset();
        folder_.reset();
    }

    RenderContext Context(ColorChooser* chooser = nullptr, const PictureSource* pictures = nullptr) {
        return RenderContext{chooser != nullptr, chooser, pictures ? pictures : pictures_.get()};
    }

    // ThumbPhoto as the strip makes it: the photo squeezed into 105 x 105.
    TBitmap Thumb() const {
        TBitmap thumb(kThumbSide, kThumbSide);
        thumb.StretchDraw(work_);
        return thumb;
    }

    RecordingView Strip(int category, const RenderContext& ctx) {
        RecordingView view;
        TBitmap thumb(kThumbSide, kThumbSide);
        RenderStrip(category, work_, thumb, result_, ctx, view);
        return view;
    }

    static std::unique_ptr<TempDir> folder_;
    static std::unique_ptr<FolderPictures> pictures_;
    TBitmap work_ = RandomBitmap(64, 48, 11);
    TBitmap result_;
};

std::unique_ptr<TempDir> CatalogueTest::folder_;
std::unique_ptr<FolderPictures> CatalogueTest::pictures_;

const std::vector<std::string> kThumbnailEvents = {"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "T10"};

std::vector<std::string> With(std::vector<std::string> events, const std::string& before, const std::string& after) {
    if (!before.empty()) events.insert(events.begin(), before);
    if (!after.empty()) events.push_back(after);
    return events;
}

// --- The table ---------------------------------------------------------------

using CategoryTable = CatalogueTest;

TEST_F(CategoryTable, NumbersInOrderAndCaptionsFoundWithoutCaseAndSpaces) {
    std::set<std::string_view> captions;
    for (int number = 1; number <= kCategoryCount; ++number) {
        const Category* category = FindCategory(number);
        ASSERT_NE(category, nullptr);
        EXPECT_EQ(category->number, number);
        EXPECT_TRUE(captions.insert(category->caption).second) << category->caption;
        std::string shouted;
        for (char c : category->caption)
            if (c != ' ') shouted += char(std::toupper((unsigned char)c));
        EXPECT_EQ(FindCategoryByCaption(" " + shouted), category) << shouted;
    }
    EXPECT_EQ(FindCategory(0), nullptr);
    EXPECT_EQ(FindCategory(kCategoryCount + 1), nullptr);
    // Every look has a name of its own within its category, and every
    // category a short line of its own saying what its looks do.
    std::set<std::string_view> helps;
    for (const Category& category : kCategories) {
        std::set<std::string_view> names(category.lookNames.begin(), category.lookNames.end());
        EXPECT_EQ(names.size(), size_t(kEffectCount)) << category.caption;
        EXPECT_EQ(names.count(""), 0u) << category.caption;
        EXPECT_TRUE(helps.insert(category.help).second) << category.caption;
        EXPECT_GE(category.help.size(), 20u) << category.caption;
        EXPECT_LE(category.help.size(), 70u) << category.caption;
        EXPECT_TRUE(!category.help.empty() && std::isupper((unsigned char)category.help[0])) << category.caption;
        EXPECT_EQ(category.help.find('.'), std::string_view::npos) << category.help;
    }
    EXPECT_EQ(FindCategoryByCaption("Colour"), nullptr);
    EXPECT_EQ(FindCategoryByCaption(""), nullptr);
}

// Every picture any recipe names exists in a folder laid out as shipped,
// on this case-sensitive file system, and the strip's and the full-size
// render's spellings reach the same file.
TEST_F(CategoryTable, EveryNamedPictureIsFoundWhateverTheCase) {
    int named = 0;
    for (int category = 1; category <= kCategoryCount; ++category)
        for (int n = 1; n <= kEffectCount; ++n)
            for (const Step& step : EffectRecipe(category, n).steps) {
                const auto strip = StepPicture(step, Stage::kStrip), full = StepPicture(step, Stage::kFullSize);
                ASSERT_EQ(strip.has_value(), full.has_value());
                if (!strip) continue;
                EXPECT_TRUE(std::filesystem::is_regular_file(pictures_->PathOf(*strip))) << pictures_->PathOf(*strip);
                EXPECT_EQ(pictures_->PathOf(*strip), pictures_->PathOf(*full));
                ++named;
            }
    EXPECT_GT(named, 12 * kEffectCount);
    // Each folder is drawn for one use (CatalogueFolders refuses a folder
    // read two ways), and screens and overlays never read a mask folder.
    for (const FolderUse& folder : CatalogueFolders()) EXPECT_GE(folder.count, 1) << folder.folder;
}

TEST_F(CategoryTable, EveryThumbnailIsItsRecipeOnTheThumbnailPhoto) {
    const TBitmap thumb = Thumb();
    for (int category = 1; category <= kCategoryCount; ++category) {
        const RecordingView view = Strip(category, Context());
        ASSERT_EQ(view.thumbnails.size(), size_t(kEffectCount)) << category;
        for (int n = 1; n <= kEffectCount; ++n) {
            TBitmap result;
            ImgViewClick(n, category, thumb, result, Context());
            EXPECT_TRUE(SamePixels(view.thumbnails[size_t(n - 1)], result)) << category << ":" << n;
        }
    }
}

TEST_F(CategoryTable, StripsSetTheChangeColorButtonAsTheirCategorySays) {
    for (const Category& c : kCategories) {
        const RecordingView view = Strip(c.number, Context());
        const char* before = c.stripButton == StripButton::kShownBefore    ? "show"
                             : c.stripButton == StripButton::kHiddenBefore ? "hide"
                                                                            : "";
        const char* after = c.stripButton == StripButton::kShownAfter    ? "show"
                            : c.stripButton == StripButton::kHiddenAfter ? "hide"
                                                                          : "";
        EXPECT_EQ(view.events, With(kThumbnailEvents, before, after)) << c.caption;
        // The Art strip shows its thumbnails together when it is done.
        EXPECT_EQ(view.repaints, std::vector<bool>(10, c.fill != StripFill::kArt)) << c.caption;
    }
    // Only Colour and Art set the button at full size.
    for (const Category& c : kCategories)
        for (int n = 1; n <= kEffectCount; ++n) {
            TBitmap result;
            const ButtonChange change = ImgViewClick(n, c.number, work_, result, Context());
            if (c.fill == StripFill::kColour)
                EXPECT_EQ(change, n == 6 ? ButtonChange::kHide : ButtonChange::kShow) << n;
            else if (c.fill == StripFill::kArt)
                EXPECT_EQ(change, n == 10 ? ButtonChange::kShow : ButtonChange::kHide) << n;
            else
                EXPECT_EQ(change, ButtonChange::kKeep) << c.caption << ":" << n;
        }
}

TEST_F(CategoryTable, OnlyLooksThatAskForAColourAskInChangeColorMode) {
    for (int category = 1; category <= kCategoryCount; ++category)
        for (int n = 1; n <= kEffectCount; ++n) {
            ScriptedChooser chooser({Rgb{1, 2, 3}, Rgb{1, 2, 3}, Rgb{1, 2, 3}});
            TBitmap result;
            ImgViewClick(n, category, work_, result, Context(&chooser));
            EXPECT_EQ(chooser.asked > 0, RecipeAsksForColour(category, n)) << category << ":" << n;
        }
}

TEST_F(CategoryTable, StripSqueezesAnyPhotoIntoTheWholeThumbnail) {
    work_ = RandomBitmap(300, 20, 3);
    RecordingView view;
    TBitmap thumb;  // the strip gives an empty ThumbPhoto the thumbnail size
    RenderStrip(1, work_, thumb, result_, Context(), view);
    EXPECT_TRUE(SamePixels(thumb, Thumb()));
    for (const TBitmap& t : view.thumbnails) {
        EXPECT_EQ(t.Width(), kThumbSide);
        EXPECT_EQ(t.Height(), kThumbSide);
    }
}

// --- Colours the user chooses -------------------------------------------------------

using ChosenColours = CatalogueTest;

TEST_F(ChosenColours, ReplaceTheFrameAndTheTintButNotTheGreyStep) {
    ScriptedChooser chooser({Rgb{10, 20, 30}});
    TBitmap result, expected;
    EXPECT_EQ(ImgViewClick(4, 11, work_, result, Context(&chooser)), ButtonChange::kKeep);
    MaskOverlay(work_, expected, {"EdgeB", 4}, Rgb{10, 20, 30}, Context());
    EXPECT_TRUE(SamePixels(result, expected));

    ScriptedChooser tint({Rgb{40, 200, 90}});
    ImgViewClick(7, 8, work_, result, Context(&tint));
    expected.CopyFrom(work_);
    Grayscale(expected);
    ColorBurnTint(expected, {40, 200, 90}, Context());
    EXPECT_TRUE(SamePixels(result, expected));

    // Cancelled: the recipe's own colour.
    ScriptedChooser cancelled({std::nullopt});
    TBitmap plain;
    ImgViewClick(1, 8, work_, plain, Context());
    ImgViewClick(1, 8, work_, result, Context(&cancelled));
    EXPECT_TRUE(SamePixels(result, plain));
}

TEST_F(ChosenColours, TheColourStripLeavesTheTenthTintInResult) {
    const RecordingView view = Strip(8, Context());
    // No fresh copy follows the tenth effect.
    EXPECT_TRUE(SamePixels(result_, view.thumbnails[9]));
    EXPECT_FALSE(SamePixels(view.thumbnails[1], view.thumbnails[0]));
}

// --- Line ------------------------------------------------------------------------------

using LineCategory = CatalogueTest;

// The smallest period after which the picture repeats along both axes.
int RepeatPeriod(const TBitmap& b) {
    for (int p = 1; p < b.Width(); ++p) {
        bool repeats = true;
        for (int y = 0; y < b.Height() && repeats; ++y)
            for (int x = 0; x < b.Width() && repeats; ++x) {
                if (x + p < b.Width() && !(PixelAt(b, x, y) == PixelAt(b, x + p, y))) repeats = false;
                if (y + p < b.Height() && !(PixelAt(b, x, y) == PixelAt(b, x, y + p))) repeats = false;
            }
        if (repeats) return p;
    }
    return b.Width();
}

TEST_F(LineCategory, ThumbnailTilesAre6And13PixelsWide) {
    work_ = SolidBitmap(64, 48, {200, 30, 60});  // the pattern alone shapes the result
    const RecordingView view = Strip(14, Context());
    ASSERT_EQ(view.thumbnails.size(), 10u);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(RepeatPeriod(view.thumbnails[size_t(n - 1)]), n < 8 ? 6 : 13) << n;
}

// --- The dispatcher and failing strips -------------------------------------------------

using Dispatcher = CatalogueTest;

TEST_F(Dispatcher, NoCategoryOrNoEffectRendersNothing) {
    const TBitmap before = RandomBitmap(7, 5, 99);
    for (auto [effect, category] : {std::pair{1, 0}, {1, kCategoryCount + 1}, {1, -2}, {0, 1}, {11, 8}, {-1, 15}}) {
        TBitmap result;
        result.CopyFrom(before);
        EXPECT_EQ(ImgViewClick(effect, category, work_, result, Context()), ButtonChange::kKeep);
        EXPECT_TRUE(SamePixels(result, before)) << effect << ":" << category;
    }
    RecordingView view;
    TBitmap thumb;
    RenderStrip(0, work_, thumb, result_, Context(), view);
    EXPECT_TRUE(view.events.empty());
}

class FailingStrip : public CatalogueTest {
protected:
    // The pictures of a folder with one picture missing.
    const PictureSource& FolderWithout(const std::string& relative) {
        MakePictureFolder(broken_.Path() + "/");
        std::filesystem::remove(broken_.Path() + "/pic/" + relative);
        return brokenPictures_;
    }

    RecordingView StripFailing(int category, const PictureSource& pictures, const std::string& missing) {
        RecordingView view;
        TBitmap thumb(kThumbSide, kThumbSide);
        try {
            RenderStrip(category, work_, thumb, result_, Context(nullptr, &pictures), view);
            ADD_FAILURE() << "the strip did not fail";
        } catch (const CorvessaError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Cannot open file " + broken_.Path() + "/pic/" + missing + ": No such file or directory");
        }
        return view;
    }

    TempDir broken_;
    FolderPictures brokenPictures_{broken_.Path() + "/pic"};
};

TEST_F(FailingStrip, KeepsTheThumbnailsBeforeTheMissingPicture) {
    const PictureSource& pictures = FolderWithout("amazing/4.ssl");
    const RecordingView view = StripFailing(5, pictures, "amazing/4.ssl");
    EXPECT_EQ(view.events, (std::vector<std::string>{"T1", "T2", "T3"}));  // and no Change Color rule
    const RecordingView good = Strip(5, Context());
    for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(SamePixels(view.thumbnails[i], good.thumbnails[i]));
}

TEST_F(FailingStrip, ColourStopsAtItsMaskAndLineKeepsItsEarlyButton) {
    EXPECT_EQ(StripFailing(8, FolderWithout("color/1.ssl"), "color/1.ssl").events.size(), 8u);
    EXPECT_EQ(StripFailing(14, FolderWithout("line/2.ssl"), "line/2.ssl").events, (std::vector<std::string>{"show", "T1"}));
}

TEST_F(FailingStrip, FullSizeFailureLeavesOldResultOfOverlay) {
    const PictureSource& pictures = FolderWithout("edgea/9.ssl");
    TBitmap result = RandomBitmap(3, 3, 5);
    TBitmap before;
    before.CopyFrom(result);
    EXPECT_THROW(ImgViewClick(9, 10, work_, result, Context(nullptr, &pictures)), CorvessaError);
    EXPECT_TRUE(SamePixels(result, before));
}

}  // namespace
