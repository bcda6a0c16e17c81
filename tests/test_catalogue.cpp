// The catalogue against compositions of the photo effect routines: every
// thumbnail and every full-size render must be exactly the routine calls
// its category's recipe gives, with the folders spelled either way.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "effectimage/effect_image.h"
#include "io/files.h"
#include "picture_folder.h"
#include "routine_fixtures.h"
#include "routines/blend.h"
#include "routines/error.h"
#include "routines/line_art.h"
#include "routines/overlay.h"
#include "routines/painterly.h"
#include "routines/tints.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// One effect as the test spells it out: routine calls from S into R.
using Composition = std::function<void(const TBitmap& s, TBitmap& r, const RenderContext& ctx)>;

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
    }
    static void TearDownTestSuite() { folder_.reset(); }

    RenderContext Context(ColorChooser* chooser = nullptr, const std::string& appDir = "") {
        RenderContext ctx;
        ctx.changeColorMode = chooser != nullptr;
        ctx.colorChooser = chooser;
        ctx.appDir = appDir.empty() ? folder_->Path() + "/" : appDir;
        ctx.effect = &effect_;
        return ctx;
    }

    // ThumbPhoto as the strip makes it: the photo squeezed into 105 x 105.
    TBitmap Thumb() const {
        TBitmap thumb(kThumbSide, kThumbSide);
        thumb.StretchDraw(work_);
        return thumb;
    }

    TBitmap Compose(const Composition& f, const TBitmap& s, const RenderContext& ctx) {
        TBitmap r;
        f(s, r, ctx);
        return r;
    }

    RecordingView Strip(int category, const RenderContext& ctx) {
        RecordingView view;
        TBitmap thumb(kThumbSide, kThumbSide);
        RenderStrip(category, work_, thumb, result_, ctx, view);
        return view;
    }

    // Thumbnails and full-size renders of `category` equal `expected(n)`
    // applied to ThumbPhoto and WorkPhoto.
    void ExpectRecipes(int category, const std::function<Composition(int)>& expected) {
        const RenderContext ctx = Context();
        const RecordingView view = Strip(category, ctx);
        ASSERT_EQ(view.thumbnails.size(), 10u);
        const TBitmap thumb = Thumb();
        for (int n = 1; n <= 10; ++n) {
            SCOPED_TRACE("category " + std::to_string(category) + " effect " + std::to_string(n));
            EXPECT_TRUE(SamePixels(view.thumbnails[size_t(n - 1)], Compose(expected(n), thumb, ctx))) << "thumbnail";
            TBitmap result;
            ImgViewClick(n, category, work_, result, ctx);
            EXPECT_TRUE(SamePixels(result, Compose(expected(n), work_, ctx))) << "full size";
        }
    }

    static std::unique_ptr<TempDir> folder_;
    RandomGenerator random_{7};
    TProEffectImage effect_{random_};
    TBitmap work_ = RandomBitmap(64, 48, 11);
    TBitmap result_;
};

std::unique_ptr<TempDir> CatalogueTest::folder_;

const std::vector<std::string> kThumbnailEvents = {"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "T10"};

std::vector<std::string> With(std::vector<std::string> events, const std::string& before, const std::string& after) {
    if (!before.empty()) events.insert(events.begin(), before);
    if (!after.empty()) events.push_back(after);
    return events;
}

// --- The table ---------------------------------------------------------------

using CategoryTable = CatalogueTest;

TEST_F(CategoryTable, NumbersCaptionsAndLookUp) {
    const char* captions[] = {"Light A", "Light B", "Light C", "Star",   "Amazing", "Weather", "Gradient", "Color",
                              "Texture", "Edge A",  "Edge B",  "Dream A", "Dream B", "Line",    "Art",      "Preset"};
    for (int number = 1; number <= 16; ++number) {
        ASSERT_NE(FindCategory(number), nullptr);
        EXPECT_EQ(FindCategory(number)->number, number);
        EXPECT_EQ(FindCategory(number)->caption, captions[number - 1]);
    }
    EXPECT_EQ(FindCategory(0), nullptr);
    EXPECT_EQ(FindCategory(17), nullptr);
    EXPECT_EQ(FindCategoryByCaption("light a")->number, 1);
    EXPECT_EQ(FindCategoryByCaption("LIGHTC")->number, 3);
    EXPECT_EQ(FindCategoryByCaption(" Edge  B ")->number, 11);
    EXPECT_EQ(FindCategoryByCaption("color")->number, 8);
    EXPECT_EQ(FindCategoryByCaption("Colour"), nullptr);
    EXPECT_EQ(FindCategoryByCaption(""), nullptr);
}

// Every picture any recipe names exists in a folder laid out as shipped,
// on this case-sensitive file system, and the strip's and the full-size
// render's spellings reach the same file.
TEST_F(CategoryTable, EveryNamedPictureIsFoundWhateverTheCase) {
    const std::string appDir = folder_->Path() + "/";
    int named = 0;
    for (int category = 1; category <= 16; ++category)
        for (int n = 1; n <= 10; ++n)
            for (const Step& step : EffectRecipe(category, n).steps) {
                if (step.routine != Routine::kOverlayPicture && step.routine != Routine::kMaskOverlay) continue;
                const std::string number = std::to_string(step.number);
                const std::string strip = PicturePath(appDir, std::string(step.stripFolder), number);
                const std::string full = PicturePath(appDir, std::string(step.fullSizeFolder), number);
                EXPECT_TRUE(std::filesystem::is_regular_file(strip)) << strip;
                EXPECT_EQ(strip, full);
                ++named;
            }
    EXPECT_EQ(named, 12 * 10 + 16);  // overlay and edge categories, Preset steps
}

// --- Overlay categories ----------------------------------------------------------

using OverlayCategories = CatalogueTest;

TEST_F(OverlayCategories, PictureNOfTheFolderInStripAndFullSize) {
    const std::map<int, std::string> folders = {{1, "lightA"},   {2, "lightB"},  {3, "lightC"},   {4, "star"},
                                                {5, "amazing"},  {6, "weather"}, {7, "gradient"}, {9, "texture"},
                                                {12, "dreamA"},  {13, "dreamB"}};
    for (const auto& [category, folder] : folders)
        ExpectRecipes(category, [folder = folder](int n) -> Composition {
            return [=](const TBitmap& s, TBitmap& r, const RenderContext& ctx) {
                OverlayPicture(s, r, folder, std::to_string(n), ctx);
            };
        });
}

TEST_F(OverlayCategories, ChangeColorAfterTheStripAndUntouchedAtFullSize) {
    for (int category : {1, 2, 3, 4, 5, 6})
        EXPECT_EQ(Strip(category, Context()).events, With(kThumbnailEvents, "", "show")) << category;
    for (int category : {7, 9, 12, 13})
        EXPECT_EQ(Strip(category, Context()).events, With(kThumbnailEvents, "", "hide")) << category;
    for (int category : {1, 4, 7, 13}) {
        TBitmap result;
        EXPECT_EQ(ImgViewClick(10, category, work_, result, Context()), ButtonChange::kKeep);
    }
}

TEST_F(OverlayCategories, StripSqueezesAnyPhotoIntoTheWholeThumbnail) {
    work_ = RandomBitmap(300, 20, 3);
    RecordingView view;
    TBitmap thumb;  // the strip gives an empty ThumbPhoto the designed size
    RenderStrip(1, work_, thumb, result_, Context(), view);
    EXPECT_TRUE(SamePixels(thumb, Thumb()));
    for (const TBitmap& t : view.thumbnails) {
        EXPECT_EQ(t.Width(), kThumbSide);
        EXPECT_EQ(t.Height(), kThumbSide);
    }
    EXPECT_EQ(view.repaints, std::vector<bool>(10, true));
}

// --- Edge categories -------------------------------------------------------------

using EdgeCategories = CatalogueTest;

TEST_F(EdgeCategories, WhiteFrameThroughMaskN) {
    for (const auto& [category, folder] : std::map<int, std::string>{{10, "EdgeA"}, {11, "EdgeB"}})
        ExpectRecipes(category, [folder = folder](int n) -> Composition {
            return [=](const TBitmap& s, TBitmap& r, const RenderContext& ctx) {
                MaskOverlay(s, r, folder, std::to_string(n), kWhite, ctx);
            };
        });
}

TEST_F(EdgeCategories, ChangeColorShownAfterStripAndChosenColourReplacesWhite) {
    EXPECT_EQ(Strip(10, Context()).events, With(kThumbnailEvents, "", "show"));
    EXPECT_EQ(Strip(11, Context()).events, With(kThumbnailEvents, "", "show"));

    ScriptedChooser chooser({Rgb{10, 20, 30}});
    TBitmap result;
    EXPECT_EQ(ImgViewClick(4, 11, work_, result, Context(&chooser)), ButtonChange::kKeep);
    TBitmap expected;
    MaskOverlay(work_, expected, "EdgeB", "4", Rgb{10, 20, 30}, Context());
    EXPECT_TRUE(SamePixels(result, expected));
}

// --- Colour ------------------------------------------------------------------------

using ColourCategory = CatalogueTest;

Composition ColourEffect(int n) {
    return [n](const TBitmap& s, TBitmap& r, const RenderContext& ctx) {
        r.CopyFrom(s);  // every Colour effect starts from an untouched copy
        switch (n) {
        case 1: return ColorBurnTint(r, {185, 255, 185}, ctx);
        case 2: return ColorBurnTint(r, {255, 255, 128}, ctx);
        case 3: return ColorBurnTint(r, {85, 255, 255}, ctx);
        case 4: return ColorBurnTint(r, {255, 153, 104}, ctx);
        case 5: return ColorBurnTint(r, {193, 132, 255}, ctx);
        case 6: return QuadColorTint(r);
        case 7: Grayscale(r); return ColorBurnTint(r, {192, 192, 129}, ctx);
        case 8: return ColorMaskTint(s, r, {255, 0, 0}, ctx);
        case 9: return PictureColorTint(r, 1, {0, 255, 0}, ctx);
        case 10: return PictureColorTint(r, 2, {0, 255, 0}, ctx);
        }
    };
}

TEST_F(ColourCategory, TenTintsEachFromAFreshCopy) { ExpectRecipes(8, ColourEffect); }

TEST_F(ColourCategory, StripLeavesTheTenthTintInResultAndTheButtonAlone) {
    const RecordingView view = Strip(8, Context());
    EXPECT_EQ(view.events, kThumbnailEvents);
    // No fresh copy follows the tenth effect.
    EXPECT_TRUE(SamePixels(result_, view.thumbnails[9]));
    EXPECT_FALSE(SamePixels(view.thumbnails[1], view.thumbnails[0]));
}

TEST_F(ColourCategory, FullSizeSetsTheButtonAndOverwritesAnyOldResult) {
    for (int n = 1; n <= 10; ++n) {
        TBitmap result = RandomBitmap(5, 9, 1);
        EXPECT_EQ(ImgViewClick(n, 8, work_, result, Context()), n == 6 ? ButtonChange::kHide : ButtonChange::kShow)
            << n;
        EXPECT_EQ(result.Width(), work_.Width());
        EXPECT_EQ(result.Height(), work_.Height());
    }
}

TEST_F(ColourCategory, ChosenColourReplacesTheTintButNotTheGreyStep) {
    ScriptedChooser chooser({Rgb{40, 200, 90}});
    TBitmap result;
    ImgViewClick(7, 8, work_, result, Context(&chooser));
    EXPECT_EQ(chooser.asked, 1);
    TBitmap expected;
    expected.CopyFrom(work_);
    Grayscale(expected);
    ColorBurnTint(expected, {40, 200, 90}, Context());
    EXPECT_TRUE(SamePixels(result, expected));

    ScriptedChooser cancelled({std::nullopt});
    ImgViewClick(1, 8, work_, result, Context(&cancelled));
    EXPECT_TRUE(SamePixels(result, Compose(ColourEffect(1), work_, Context())));

    ScriptedChooser never;  // effect 6 asks for nothing
    ImgViewClick(6, 8, work_, result, Context(&never));
}

// --- Art -----------------------------------------------------------------------------

using ArtCategory = CatalogueTest;

Composition ArtEffect(int n) {
    return [n](const TBitmap& s, TBitmap& r, const RenderContext& ctx) {
        if (n <= 7) return SketchBlend(s, r, n, ctx);
        if (n == 8) return ContrastCurve(s, r);
        if (n == 9) return MosaicPainting(s, r, ctx);
        PencilSketch(s, r, ctx);
    };
}

TEST_F(ArtCategory, PainterlyLooks) { ExpectRecipes(15, ArtEffect); }

TEST_F(ArtCategory, StripPaintsNothingUntilDoneAndLeavesTheButton) {
    const RecordingView view = Strip(15, Context());
    EXPECT_EQ(view.events, kThumbnailEvents);
    EXPECT_EQ(view.repaints, std::vector<bool>(10, false));
}

TEST_F(ArtCategory, OnlyThePencilSketchOffersChangeColor) {
    for (int n = 1; n <= 10; ++n) {
        TBitmap result;
        EXPECT_EQ(ImgViewClick(n, 15, work_, result, Context()), n == 10 ? ButtonChange::kShow : ButtonChange::kHide)
            << n;
    }
    ScriptedChooser chooser({Rgb{250, 20, 20}});
    TBitmap tinted, plain;
    ImgViewClick(10, 15, work_, tinted, Context(&chooser));
    ImgViewClick(10, 15, work_, plain, Context());
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_FALSE(SamePixels(tinted, plain));
}

// --- Preset ----------------------------------------------------------------------------

using PresetCategory = CatalogueTest;

// The chains with their scratch copies written out, every folder in the
// spelling it has on disk ("Gradient", "Edgea", "dreamb" must reach them).
Composition PresetEffect(int n) {
    return [n](const TBitmap& s, TBitmap& r, const RenderContext& ctx) {
        TBitmap t;
        const auto next = [&] { t.CopyFrom(r); };
        switch (n) {
        case 1:
            OverlayPicture(s, r, "lightA", "2", ctx);
            next(), OverlayPicture(t, r, "amazing", "1", ctx);
            next(), MaskOverlay(t, r, "EdgeA", "9", kWhite, ctx);
            return;
        case 2: OverlayPicture(s, r, "weather", "8", ctx); next(), OverlayPicture(t, r, "gradient", "10", ctx); return;
        case 3: OverlayPicture(s, r, "gradient", "1", ctx); next(), OverlayPicture(t, r, "weather", "1", ctx); return;
        case 4:
            r.CopyFrom(s), Grayscale(r), ColorBurnTint(r, {0, 255, 0}, ctx);
            next(), OverlayPicture(t, r, "texture", "8", ctx);
            return;
        case 5: SketchBlend(s, r, 3, ctx); next(), OverlayPicture(t, r, "amazing", "10", ctx); return;
        case 6: ColorMaskTint(s, r, {255, 0, 0}, ctx); next(), OverlayPicture(t, r, "texture", "6", ctx); return;
        case 7:
            r.CopyFrom(s), Grayscale(r), ColorBurnTint(r, {192, 192, 129}, ctx);
            next(), OverlayPicture(t, r, "lightB", "5", ctx);
            return;
        case 8: OverlayPicture(s, r, "dreamA", "1", ctx); PictureColorTint(r, 1, {255, 0, 255}, ctx); return;
        case 9: OverlayPicture(s, r, "dreamB", "1", ctx); next(), MaskOverlay(t, r, "EdgeA", "1", {255, 255, 0}, ctx); return;
        case 10: OverlayPicture(s, r, "lightA", "10", ctx); next(), OverlayPicture(t, r, "star", "5", ctx); return;
        }
    };
}

TEST_F(PresetCategory, ChainsOfOtherCategoriesSteps) { ExpectRecipes(16, PresetEffect); }

TEST_F(PresetCategory, ButtonHiddenBeforeTheThumbnailsAndKeptAtFullSize) {
    EXPECT_EQ(Strip(16, Context()).events, With(kThumbnailEvents, "hide", ""));
    for (int n = 1; n <= 10; ++n) {
        TBitmap result;
        EXPECT_EQ(ImgViewClick(n, 16, work_, result, Context()), ButtonChange::kKeep);
    }
}

// --- Line ------------------------------------------------------------------------------

using LineCategory = CatalogueTest;

TEST_F(LineCategory, PatternN) {
    ExpectRecipes(14, [](int n) -> Composition {
        return [n](const TBitmap& s, TBitmap& r, const RenderContext& ctx) { LinePattern(s, r, n, ctx); };
    });
}

TEST_F(LineCategory, ButtonShownBeforeTheStripAndKeptAtFullSize) {
    EXPECT_EQ(Strip(14, Context()).events, With(kThumbnailEvents, "show", ""));
    TBitmap result;
    EXPECT_EQ(ImgViewClick(1, 14, work_, result, Context()), ButtonChange::kKeep);
}

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
    for (auto [effect, category] : {std::pair{1, 0}, {1, 17}, {1, -2}, {0, 1}, {11, 8}, {-1, 15}}) {
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
    // A picture folder with one picture missing.
    std::string FolderWithout(const std::string& relative) {
        MakePictureFolder(broken_.Path() + "/");
        std::filesystem::remove(broken_.Path() + "/pic/" + relative);
        return broken_.Path() + "/";
    }

    RecordingView StripFailing(int category, const std::string& appDir, const std::string& missing) {
        RecordingView view;
        TBitmap thumb(kThumbSide, kThumbSide);
        try {
            RenderStrip(category, work_, thumb, result_, Context(nullptr, appDir), view);
            ADD_FAILURE() << "the strip did not fail";
        } catch (const CorvessaError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot open file " + appDir + "pic/" + missing + ": No such file or directory");
        }
        return view;
    }

    TempDir broken_;
};

TEST_F(FailingStrip, KeepsTheThumbnailsBeforeTheMissingPicture) {
    const std::string appDir = FolderWithout("amazing/4.ssl");
    const RecordingView view = StripFailing(5, appDir, "amazing/4.ssl");
    EXPECT_EQ(view.events, (std::vector<std::string>{"T1", "T2", "T3"}));  // and no Change Color rule
    const RecordingView good = Strip(5, Context());
    for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(SamePixels(view.thumbnails[i], good.thumbnails[i]));
}

TEST_F(FailingStrip, ColourStopsAtItsMaskAndLineKeepsItsEarlyButton) {
    const std::string noMask = FolderWithout("color/1.ssl");
    EXPECT_EQ(StripFailing(8, noMask, "color/1.ssl").events.size(), 8u);
    const std::string noPattern = FolderWithout("line/2.ssl");
    EXPECT_EQ(StripFailing(14, noPattern, "line/2.ssl").events, (std::vector<std::string>{"show", "T1"}));
}

TEST_F(FailingStrip, FullSizeFailureLeavesOldResultOfOverlay) {
    const std::string appDir = FolderWithout("EdgeA/9.ssl");
    TBitmap result = RandomBitmap(3, 3, 5);
    TBitmap before;
    before.CopyFrom(result);
    EXPECT_THROW(ImgViewClick(9, 10, work_, result, Context(nullptr, appDir)), CorvessaError);
    EXPECT_TRUE(SamePixels(result, before));
}

}  // namespace
