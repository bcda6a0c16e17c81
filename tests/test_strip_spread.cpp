// The strip tells looks apart: in every category whose looks are one
// overlay or mask picture each, no two of the ten thumbnails that
// corvessa-render --strip makes from a generated photo with the shipped
// pack come out nearly alike, so a new picture cannot quietly repeat
// another.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/render_job.h"
#include "io/photo_files.h"
#include "io/picture_source.h"
#include "lookpack/looks.h"
#include "lookpack/pack_contents.h"
#include "lookpack/strip_spread.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::lookpack;
using namespace corvessa::test;

namespace {

// Mean absolute byte difference below which two thumbnails of one
// category count as the same look to the eye, and the median a category's
// ten looks must reach to read as ten different ideas.
constexpr double kClosestAllowed = 5.0;
constexpr double kMedianAllowed = 10.0;

TBitmap Solid(uint8_t value) {
    TBitmap b(2, 1);
    b.SetFillColor(Rgb{value, value, value});
    b.FillAll();
    return b;
}

}  // namespace

TEST(StripSpread, PairsSortedClosestFirstWithTheirMedian) {
    std::vector<TBitmap> strip;
    for (uint8_t v : {100, 110, 130}) strip.push_back(Solid(v));
    const StripSpread s = SpreadOf(strip);
    ASSERT_EQ(s.pairs.size(), 3u);
    EXPECT_EQ(s.Closest().a, 1);
    EXPECT_EQ(s.Closest().b, 2);
    EXPECT_DOUBLE_EQ(s.Closest().difference, 10.0);
    EXPECT_DOUBLE_EQ(s.median, 20.0);
    EXPECT_DOUBLE_EQ(s.pairs.back().difference, 30.0);
    strip.push_back(Solid(130));  // four thumbnails: the median of six pairs
    EXPECT_DOUBLE_EQ(SpreadOf(strip).Closest().difference, 0.0);
    EXPECT_DOUBLE_EQ(SpreadOf(strip).median, 20.0);
}

TEST(StripSpread, NoTwoLooksOfAPictureCategoryLookAlike) {
    TempDir dir;
    const std::string trunk = dir.File("trunk.bmp");
    WriteBmpFile(RenderTrunkPhoto(1224, 816), trunk);
    const std::string pic = CORVESSA_PIC_DIR;
    for (const std::string& photo : {pic + "/" + kSampleName, trunk})
        for (const PackFolder& f : PackFolders()) {
            if (f.use != PictureUse::kScreen && f.use != PictureUse::kOverlay && f.use != PictureUse::kEdgeMask) continue;
            // The renderer matches captions without regard to case and
            // spaces: "dreamA" names "Dream A".
            const StripSpread s = SpreadOf(RenderedStrip(CORVESSA_RENDER_PATH, pic, f.name, photo));
            EXPECT_GE(s.Closest().difference, kClosestAllowed)
                << f.name << " on " << photo << ": looks " << s.Closest().a << " and " << s.Closest().b;
            EXPECT_GE(s.median, kMedianAllowed) << f.name << " on " << photo;
        }
}

// The Film grades move a photo visibly yet leave it itself, and their ten
// thumbnails tell themselves apart, on both generated photos.
TEST(StripSpread, FilmGradesAreVisibleYetGentleAndApart) {
    const std::string pic = CORVESSA_PIC_DIR;
    const Category& film = *FindCategoryByCaption("Film");
    const FolderPictures pictures(pic);
    const auto sample = std::make_shared<const TBitmap>(ReadPicture(pic + "/" + kSampleName));
    const auto trunk = std::make_shared<const TBitmap>(RenderTrunkPhoto(1224, 816));
    for (const auto& photo : {sample, trunk}) {
        struct Strip : StripView {
            std::vector<TBitmap> thumbnails;
            void ThumbnailDone(int, const TBitmap& picture, bool) override { thumbnails.emplace_back().CopyFrom(picture); }
            void SetChangeColorButton(bool) override {}
        } strip;
        StripJob(photo, film.number, pictures).Run(strip);
        const StripSpread s = SpreadOf(strip.thumbnails);
        EXPECT_GE(s.Closest().difference, 4.0) << "looks " << s.Closest().a << " and " << s.Closest().b;
        for (int n = 1; n <= kEffectCount; ++n) {
            const double moved = MeanAbsDifference(RenderJob(photo, Look{film.number, n}, pictures).Run().picture, *photo);
            EXPECT_GE(moved, 4.0) << film.lookNames[size_t(n - 1)];
            EXPECT_LE(moved, 40.0) << film.lookNames[size_t(n - 1)];
        }
    }
}
