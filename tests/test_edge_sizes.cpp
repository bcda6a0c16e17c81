// Every routine, every effect of the component and every look of the
// catalogue on the pictures whose shapes break loops: empty, one pixel, one
// pixel wide and one pixel high. Each either renders a picture of the right
// size or fails with a CorvessaError; reading outside a row is left to the
// sanitizers (`make test-asan`), which watch these runs.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "effectimage/effect_image.h"
#include "io/picture_source.h"
#include "picture_folder.h"
#include "routine_fixtures.h"
#include "ground/error.h"
#include "looks/line_art.h"
#include "looks/overlay.h"
#include "looks/painterly.h"
#include "looks/tints.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

struct Shape {
    int width, height;
};
constexpr Shape kShapes[] = {{0, 0}, {1, 1}, {1, 4000}, {4000, 1}, {0, 7}, {7, 0}, {2, 3}};

std::string Name(Shape s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }
void PrintTo(Shape s, std::ostream* os) { *os << Name(s); }

// Answers every colour request with the same colour.
class FixedChooser : public ColorChooser {
public:
    std::optional<Rgb> ChooseColor() override { return Rgb{200, 40, 90}; }
};

// Runs `render`; a CorvessaError is an acceptable outcome, anything else
// thrown is not. Returns whether it rendered.
bool RendersOrFailsClearly(const std::function<void()>& render, const std::string& what) {
    try {
        render();
        return true;
    } catch (const CorvessaError&) {
        return false;
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << " threw something else than a CorvessaError: " << e.what();
        return false;
    }
}

class EdgeSizes : public ::testing::TestWithParam<Shape> {
protected:
    static void SetUpTestSuite() {
        // Pictures about 16 pixels a side, and pictures one to three pixels
        // high, so thin overlay pictures are stretched too.
        for (int side : {16, 3}) {
            folders_.push_back(std::make_unique<TempDir>());
            MakePictureFolder(folders_.back()->Path() + "/", side);
            pictures_.push_back(std::make_unique<FolderPictures>(folders_.back()->Path() + "/pic"));
        }
    }
    static void TearDownTestSuite() {
        pictures_.clear();
        folders_.clear();
    }

    EdgeSizes() : effect_(random_) { random_.SetSeed(7); }

    RenderContext Context(size_t folder, bool changeColor) {
        return RenderContext{changeColor, &chooser_, pictures_[folder].get()};
    }
    TBitmap Photo() const { return RandomBitmap(GetParam().width, GetParam().height, 5); }

    static std::vector<std::unique_ptr<TempDir>> folders_;
    static std::vector<std::unique_ptr<FolderPictures>> pictures_;
    RandomGenerator random_;
    TProEffectImage effect_;
    FixedChooser chooser_;
};

std::vector<std::unique_ptr<TempDir>> EdgeSizes::folders_;
std::vector<std::unique_ptr<FolderPictures>> EdgeSizes::pictures_;

using DestRoutine = std::function<void(const TBitmap&, TBitmap&, const RenderContext&)>;
using InPlaceRoutine = std::function<void(TBitmap&, const RenderContext&)>;

}  // namespace

TEST_P(EdgeSizes, EveryRoutine) {
    const std::vector<std::pair<std::string, DestRoutine>> toDest = {
        {"MaskOverlay", [](const TBitmap& p, TBitmap& d, const RenderContext& c) { MaskOverlay(p, d, {"EdgeA", 1}, kWhite, c); }},
        {"OverlayPicture screen", [](const TBitmap& p, TBitmap& d, const RenderContext& c) { OverlayPicture(p, d, {"weather", 2}, OverlayBlend::kScreen, c); }},
        {"OverlayPicture overlay", [](const TBitmap& p, TBitmap& d, const RenderContext& c) { OverlayPicture(p, d, {"Texture", 3}, OverlayBlend::kOverlay, c); }},
        {"ContrastCurve", [](const TBitmap& p, TBitmap& d, const RenderContext&) { ContrastCurve(p, d); }},
        {"ColorMaskTint", [](const TBitmap& p, TBitmap& d, const RenderContext& c) { ColorMaskTint(p, d, kRed, c); }},
        {"MosaicPainting", [](const TBitmap& p, TBitmap& d, const RenderContext&) { MosaicPainting(p, d); }},
        {"PencilSketch", [](const TBitmap& p, TBitmap& d, const RenderContext& c) { PencilSketch(p, d, c); }},
    };
    std::vector<std::pair<std::string, DestRoutine>> routines = toDest;
    for (int mode = 0; mode <= 8; ++mode)
        routines.push_back({"SketchBlend " + std::to_string(mode),
                            [mode](const TBitmap& p, TBitmap& d, const RenderContext&) { SketchBlend(p, d, mode); }});
    for (int n = 1; n <= 10; ++n)
        routines.push_back({"LinePattern " + std::to_string(n),
                            [n](const TBitmap& p, TBitmap& d, const RenderContext& c) { LinePattern(p, d, n, c); }});

    const std::vector<std::pair<std::string, InPlaceRoutine>> inPlace = {
        {"ColorizeOverlay", [](TBitmap& b, const RenderContext& c) { ColorizeOverlay(b, c); }},
        {"ColorBurnTint", [](TBitmap& b, const RenderContext& c) { ColorBurnTint(b, kGreen, c); }},
        {"QuadColorTint", [](TBitmap& b, const RenderContext&) { QuadColorTint(b); }},
        {"PictureColorTint 1", [](TBitmap& b, const RenderContext& c) { PictureColorTint(b, 1, kRed, c); }},
        {"PictureColorTint 2", [](TBitmap& b, const RenderContext& c) { PictureColorTint(b, 2, kRed, c); }},
        {"InvertColors", [](TBitmap& b, const RenderContext&) { InvertColors(b); }},
        {"DiagonalSharpen", [](TBitmap& b, const RenderContext&) { DiagonalSharpen(b); }},
        {"TilePicture", [](TBitmap& b, const RenderContext&) {
             TBitmap tile = RandomBitmap(3, 2, 9);
             TilePicture(b, tile);
         }},
    };

    const TBitmap photo = Photo();
    for (size_t folder = 0; folder < folders_.size(); ++folder)
        for (bool changeColor : {false, true}) {
            const RenderContext ctx = Context(folder, changeColor);
            const std::string where = Name(GetParam()) + (changeColor ? " change colour" : "") + " pictures " + std::to_string(folder);
            for (const auto& [name, routine] : routines) {
                TBitmap dest = RandomBitmap(3, 3, 1);
                if (RendersOrFailsClearly([&] { routine(photo, dest, ctx); }, name + " " + where)) {
                    EXPECT_EQ(dest.Width(), photo.Width()) << name << " " << where;
                    EXPECT_EQ(dest.Height(), photo.Height()) << name << " " << where;
                }
            }
            for (const auto& [name, routine] : inPlace) {
                TBitmap b;
                b.CopyFrom(photo);
                if (RendersOrFailsClearly([&] { routine(b, ctx); }, name + " " + where)) {
                    EXPECT_EQ(b.Width(), photo.Width()) << name << " " << where;
                    EXPECT_EQ(b.Height(), photo.Height()) << name << " " << where;
                }
            }
        }
}

TEST_P(EdgeSizes, EveryEffectOfTheComponent) {
    const TBitmap photo = Photo();
    for (const EffectEntry& entry : kEffects) {
        const std::string name(entry.name);
        effect_.Picture().CopyFrom(photo);
        const auto arguments = OrdinaryArguments(entry, photo.Width(), photo.Height());
        const auto apply = [&] { entry.apply(effect_, std::span<const int>(arguments.data(), entry.parameterCount)); };
        if (RendersOrFailsClearly(apply, name + " " + Name(GetParam()))) {
            EXPECT_EQ(effect_.Picture().Width(), photo.Width()) << name;
            EXPECT_EQ(effect_.Picture().Height(), photo.Height()) << name;
            // An empty picture passes through every effect unchanged.
            if (photo.Empty()) {
                EXPECT_TRUE(SamePixels(effect_.Picture(), photo)) << name;
            }
        }
    }
}

TEST_P(EdgeSizes, EveryLookFullSizeAndInTheStrip) {
    const TBitmap work = Photo();
    for (bool changeColor : {false, true}) {
        const RenderContext ctx = Context(0, changeColor);
        for (int category = 1; category <= kCategoryCount; ++category) {
            for (int n = 1; n <= kEffectCount; ++n) {
                const std::string what = "look " + std::to_string(category) + ":" + std::to_string(n) + " on " + Name(GetParam());
                TBitmap result = RandomBitmap(2, 2, 3);
                if (RendersOrFailsClearly([&] { ImgViewClick(n, category, work, result, ctx); }, what)) {
                    EXPECT_EQ(result.Width(), work.Width()) << what;
                    EXPECT_EQ(result.Height(), work.Height()) << what;
                }
            }
            // The strip squeezes the photo into the 105-pixel square first.
            if (work.Empty()) continue;
            struct CountingView : StripView {
                void ThumbnailDone(int, const TBitmap& picture, bool) override {
                    ++count;
                    EXPECT_EQ(picture.Width(), kThumbSide);
                    EXPECT_EQ(picture.Height(), kThumbSide);
                }
                void SetChangeColorButton(bool) override {}
                int count = 0;
            } view;
            TBitmap thumb, result;
            if (RendersOrFailsClearly([&] { RenderStrip(category, work, thumb, result, ctx, view); },
                                      "strip " + std::to_string(category) + " on " + Name(GetParam()))) {
                EXPECT_EQ(view.count, kEffectCount);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EdgeSizes, ::testing::ValuesIn(kShapes), [](const ::testing::TestParamInfo<Shape>& info) {
    std::string name = Name(info.param);  // "1x4000"
    name[name.find('x')] = '_';
    return name;
});
