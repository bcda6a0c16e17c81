// Work that is given up on: the row loops, the decoders and the renders end
// at their next check once their flag is set, and a flag that is never set
// changes no byte of any look.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "ground/parallel.h"
#include "ground/stop.h"
#include "io/jpeg_codec.h"
#include "io/picture_source.h"
#include "io/png_codec.h"
#include "picture_folder.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// Runs one of the row loops over `rows` rows of `bytesPerRow`, calling
// `visit` once for each row it does.
using RowLoop = std::function<void(int rows, size_t bytesPerRow, const std::function<void(int)>& visit)>;

struct NamedLoop {
    const char* name;
    RowLoop run;
};

const NamedLoop kLoops[] = {
    {"ForEachRow", [](int rows, size_t bytes, const auto& visit) { ForEachRow(rows, bytes, visit); }},
    {"ForEachRowBand",
     [](int rows, size_t bytes, const auto& visit) {
         ForEachRowBand(rows, bytes, [&](int begin, int end) {
             for (int y = begin; y < end; ++y) visit(y);
         });
     }},
    {"ForEachRowAfter",
     [](int rows, size_t bytes, const auto& visit) {
         ForEachRowAfter(rows, bytes, [](int y) { return RowNeeds{y - 1, -1}; }, visit);
     }},
    {"ForEachStepByColumns",
     [](int rows, size_t bytes, const auto& visit) {
         ForEachStepByColumns(rows, bytes, [](int y) { return RowNeeds{y - 1, -1}; },
                              [&](int y, int part, int) {
                                  if (part == 0) visit(y);
                              });
     }},
};

TEST(StopTest, RowLoopsEndAtTheirNextCheckOnceStoppedAndOnlyThen) {
    constexpr int kRows = 4000;
    for (const NamedLoop& loop : kLoops) {
        // Small loops run on the calling thread, large ones in a team.
        for (const size_t bytesPerRow : {size_t(16), size_t(4096)}) {
            SCOPED_TRACE(std::string(loop.name) + " " + std::to_string(bytesPerRow));
            std::atomic<int> visited{0};
            StopFlag flag;
            {
                const StopScope scope(&flag);
                EXPECT_THROW(loop.run(kRows, bytesPerRow,
                                      [&](int) {
                                          if (visited.fetch_add(1) + 1 == 100) flag.Stop();
                                      }),
                             WorkStopped);
            }
            // Each thread finishes at most the rows it had begun.
            EXPECT_LE(visited.load(), 100 + omp_get_max_threads() * kStopCheckRows);

            // Outside the scope the same flag stops nothing.
            visited = 0;
            loop.run(kRows, bytesPerRow, [&](int) { visited.fetch_add(1); });
            EXPECT_EQ(visited.load(), kRows);
        }
    }
}

class StoppedRenderTest : public testing::Test {
protected:
    StoppedRenderTest() : pictures_((MakePictureFolder(dir_.Path() + "/", 24), dir_.File("pic"))) {}

    TempDir dir_;
    FolderPictures pictures_;
};

uint64_t Fingerprint(const TBitmap& b) {
    uint64_t sum = uint64_t(b.Width()) << 32 | uint32_t(b.Height());
    for (int y = 0; y < b.Height(); ++y) sum = sum * 31 + Crc32(b.Row(y), b.RowBytes());
    return sum;
}

class KeepStrip : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { all = all * 31 + Fingerprint(picture); }
    void SetChangeColorButton(bool) override {}
    uint64_t all = 0;
};

// The window renders under a scope whose checks split the row loops' bands;
// the bytes are those of a render without one.
TEST_F(StoppedRenderTest, AFlagNeverSetChangesNoByteOfAnyLookStripOrEffect) {
    const auto photo = std::make_shared<const TBitmap>(RandomBitmap(400, 330, 7));
    const StopFlag neverSet;
    const auto render = [&](auto&& make, bool scoped) {
        const StopScope scope(scoped ? &neverSet : nullptr);
        auto job = make();
        return Fingerprint(job->Run().picture);
    };
    for (const Category& category : kCategories) {
        for (int effect = 1; effect <= kEffectCount; ++effect) {
            SCOPED_TRACE(std::string(category.caption) + " " + std::to_string(effect));
            const auto make = [&] { return std::make_unique<RenderJob>(photo, Look{category.number, effect}, pictures_); };
            EXPECT_EQ(render(make, true), render(make, false));
        }
        KeepStrip plain, scoped;
        StripJob(photo, category.number, pictures_).Run(plain);
        {
            const StopScope scope(&neverSet);
            StripJob(photo, category.number, pictures_).Run(scoped);
        }
        EXPECT_EQ(plain.all, scoped.all) << category.caption;
    }
    for (const EffectEntry& effect : kEffects) {
        SCOPED_TRACE(std::string(effect.name));
        const auto arguments = OrdinaryArguments(effect, photo->Width(), photo->Height());
        const auto make = [&] {
            return std::make_unique<RenderJob>(Copy(*photo), FilterCall{&effect, {arguments.begin(), arguments.begin() + ptrdiff_t(effect.parameterCount)}}, 5);
        };
        EXPECT_EQ(render(make, true), render(make, false));
    }
}

TEST_F(StoppedRenderTest, StoppedRendersAndDecodesEndButSharedPicturesAreStillDecoded) {
    const TBitmap picture = RandomBitmap(300, 200, 3);
    const std::vector<uint8_t> jpeg = EncodeJpeg(picture), png = EncodePng(picture);
    StopFlag flag;
    flag.Stop();
    const StopScope scope(&flag);
    EXPECT_THROW(DecodeJpeg(jpeg.data(), jpeg.size()), WorkStopped);
    EXPECT_THROW(DecodePng(png.data(), png.size()), WorkStopped);
    RenderJob look(std::make_shared<const TBitmap>(Copy(picture)), Look{1, 1}, pictures_);
    EXPECT_THROW(look.Run(), WorkStopped);

    // Another render may be waiting for the same picture in the cache.
    PictureCache cache;
    const SharedPicture overlay = cache.Load(pictures_.PathOf(PictureName{"lightA", 1}));
    EXPECT_FALSE(overlay->Empty());
}

}  // namespace
