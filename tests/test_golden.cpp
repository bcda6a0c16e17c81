// Every result the program can produce on fixed pictures, as hashes kept in
// tests/golden/hashes.txt: all looks plain, with a chosen colour and with
// the colour dialog cancelled, every strip, and every effect of the
// component with ordinary and boundary arguments. Code may move and speed
// up; these bytes stay. CORVESSA_WRITE_GOLDEN=FILE writes the hashes of the
// current build to FILE instead of checking them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "catalogue/render_job.h"
#include "io/picture_source.h"
#include "picture_folder.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

uint64_t Hash(const TBitmap& b, uint64_t h = 1469598103934665603ull) {
    const auto mix = [&](uint64_t v) {
        for (int i = 0; i < 8; ++i) h = (h ^ ((v >> (8 * i)) & 0xFF)) * 1099511628211ull;
    };
    mix(uint64_t(b.Width()));
    mix(uint64_t(b.Height()));
    for (int y = 0; y < b.Height(); ++y)
        for (size_t i = 0; i < b.RowBytes(); ++i) h = (h ^ b.Row(y)[i]) * 1099511628211ull;
    return h;
}

// A photo with smooth areas, edges and noise, of an odd size.
TBitmap GoldenPhoto() {
    TBitmap photo = GradientBitmap(131, 89);
    const TBitmap noise = RandomBitmap(131, 89, 7);
    for (int y = 0; y < photo.Height(); ++y)
        for (size_t i = 0; i < photo.RowBytes(); ++i)
            if ((y * 7 + int(i)) % 5 == 0) photo.Row(y)[i] = noise.Row(y)[i];
    return photo;
}

constexpr Rgb kChosen{200, 60, 30};

class Hashes {
public:
    void Add(const std::string& what, uint64_t hash) {
        std::ostringstream text;
        text << std::hex << hash;
        values_[what] = text.str();
    }
    const std::map<std::string, std::string>& Values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

struct HashingStrip : StripView {
    void ThumbnailDone(int, const TBitmap& picture, bool) override { hash = Hash(picture, hash); }
    void SetChangeColorButton(bool) override {}
    uint64_t hash = 1469598103934665603ull;
};

Hashes RenderEverything(const std::string& appDir) {
    Hashes hashes;
    const auto photo = std::make_shared<const TBitmap>(GoldenPhoto());
    const FolderPictures pictures(appDir + "pic");
    PictureCache cache;
    const FolderPictures cachedPictures(appDir + "pic", &cache);
    for (int category = 1; category <= kCategoryCount; ++category) {
        const std::string c = std::to_string(category);
        for (int n = 1; n <= kEffectCount; ++n) {
            const std::string look = "look " + c + ":" + std::to_string(n);
            struct Mode {
                const char* name;
                ColourDecision colour;
            };
            for (const Mode& mode : {Mode{"plain", ColourDecision::NotAsked()}, Mode{"chosen", ColourDecision::Chosen(kChosen)},
                                     Mode{"cancelled", ColourDecision::Cancelled()}}) {
                RenderJob job(photo, Look{category, n}, pictures);
                job.DecideColour(mode.colour);
                hashes.Add(look + " " + mode.name, Hash(job.Run().picture));
            }
        }
        // Through a cache, as the window shows strips, and shown twice: the
        // second time from the cache's thumbnail-size stretches.
        uint64_t shown[2];
        for (uint64_t& hash : shown) {
            HashingStrip strip;
            StripJob job(photo, category, cachedPictures);
            job.Run(strip);
            hash = Hash(job.TakeResult(), strip.hash);
        }
        EXPECT_EQ(shown[0], shown[1]) << "strip " << c << " shown again";
        hashes.Add("strip " + c, shown[0]);
    }
    for (const EffectEntry& entry : kEffects) {
        struct Arguments {
            const char* name;
            int EffectParameter::*value;
        };
        for (const Arguments& set : {Arguments{"ordinary", &EffectParameter::ordinary},
                                     Arguments{"low", &EffectParameter::low}, Arguments{"high", &EffectParameter::high}}) {
            FilterCall call{&entry, {}};
            for (const EffectParameter& parameter : entry.Parameters())
                call.arguments.push_back(parameter.For(parameter.*set.value, photo->Width(), photo->Height()));
            RenderJob job(Copy(*photo), call, 12345);
            hashes.Add("effect " + std::string(entry.name) + " " + set.name, Hash(job.Run().picture));
            if (entry.parameterCount == 0) break;
        }
    }
    return hashes;
}

}  // namespace

TEST(Golden, EveryResultIsByteIdenticalToTheRecordedOne) {
    TempDir dir;
    const std::string appDir = dir.Path() + "/";
    MakePictureFolder(appDir, 40);
    const Hashes hashes = RenderEverything(appDir);

    if (const char* out = std::getenv("CORVESSA_WRITE_GOLDEN")) {
        std::ofstream file(out);
        for (const auto& [what, hash] : hashes.Values()) file << what << " = " << hash << "\n";
        GTEST_SKIP() << "wrote " << hashes.Values().size() << " hashes to " << out;
    }
    std::ifstream file(CORVESSA_GOLDEN_HASHES);
    ASSERT_TRUE(file) << CORVESSA_GOLDEN_HASHES;
    std::map<std::string, std::string> recorded;
    for (std::string line; std::getline(file, line);) {
        const size_t at = line.rfind(" = ");
        if (at != std::string::npos) recorded[line.substr(0, at)] = line.substr(at + 3);
    }
    EXPECT_EQ(recorded.size(), hashes.Values().size());
    for (const auto& [what, hash] : hashes.Values()) EXPECT_EQ(recorded[what], hash) << what;
}
