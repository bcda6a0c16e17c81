// Colour profiles in files: read from every format, kept through every
// writer, and the files whose colours need converting on the way in (a
// CMYK JPEG, a JPEG XL in libjxl's own colours).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "codec_fixtures.h"
#include "colour_fixtures.h"
#include "format_fixtures.h"
#include "io/jpeg_codec.h"
#include "io/jxl_codec.h"
#include "io/png_codec.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "jpeg_fixtures.h"
#include "test_support.h"

namespace corvessa {
namespace {

using test::IccProfileOf;
using test::TestProfile;

// The mean difference of two pictures' samples.
double MeanDifference(const TBitmap& a, const TBitmap& b) {
    double total = 0;
    for (size_t i = 0; i < a.ByteCount(); ++i) total += std::abs(a.Data()[i] - b.Data()[i]);
    return total / double(a.ByteCount());
}

TBitmap Opened(const std::string& path, PhotoMetadata& metadata) { return ReadPhotoUpright(path, metadata); }

struct Writer {
    PhotoFormatId format;
    const char* extension;
    bool sameBytes;     // the profile's very bytes come back
    double meanChange;  // what the lossy coding may change, on average
};

const Writer kWriters[] = {{PhotoFormatId::kJpeg, "jpg", true, 2},  {PhotoFormatId::kPng, "png", true, 0},
                           {PhotoFormatId::kWebp, "webp", true, 3}, {PhotoFormatId::kHeic, "heic", true, 3},
                           {PhotoFormatId::kAvif, "avif", true, 3}, {PhotoFormatId::kJxl, "jxl", false, 3},
                           {PhotoFormatId::kTiff, "tif", true, 0}};

TEST(ColourFiles, EveryWriterKeepsTheProfileAndTheValues) {
    const test::TempDir dir;
    const TBitmap photo = test::GradientBitmap(64, 48);
    const std::vector<uint8_t> adobe = IccProfileOf(TestProfile::kAdobeRgb);
    // A P3 photo as a phone's HEIC gives it: its profile made from the
    // colour description.
    const std::vector<uint8_t> p3 = ColourProfile::FromDescription({12, 13, 6, true}).Icc();
    for (const std::vector<uint8_t>* icc : {&adobe, &p3}) {
        const PhotoMetadata metadata = MetadataFromBlocks({}, "", *icc);
        ASSERT_FALSE(metadata.Colour().IsSrgb());
        for (const Writer& writer : kWriters) {
            const std::string path = dir.File(std::string("photo.") + writer.extension);
            WritePhotoAs(FormatOf(writer.format), photo, path, metadata);
            PhotoMetadata read;
            const TBitmap back = Opened(path, read);
            const std::string name = metadata.Colour().Name() + " as " + writer.extension;
            EXPECT_LE(test::ProfileDistance(read.Colour().Icc(), *icc), 1) << name;
            if (writer.sameBytes) {
                EXPECT_EQ(read.Colour().Icc(), *icc) << name;
            }
            // The values are the photo's own, never converted on the way.
            EXPECT_LE(MeanDifference(back, photo), writer.meanChange) << name;
        }
    }
}

TEST(ColourFiles, APhonesDisplayP3HeicOpensWithItsColours) {
    const test::Samples samples = test::MakeSamples(32, 24, 3, 8);
    for (bool avif : {false, true}) {
        const test::TempDir dir;
        const std::string path = dir.File(avif ? "phone.avif" : "phone.heic");
        test::WriteBytes(path, test::MakeHeif(samples, {.avif = avif, .lossless = true, .displayP3 = true}));
        PhotoMetadata metadata;
        const TBitmap photo = Opened(path, metadata);
        EXPECT_EQ(metadata.Colour().Name(), "Display P3") << avif;
        EXPECT_LE(test::ProfileDistance(metadata.Colour().Icc(), IccProfileOf(TestProfile::kDisplayP3)), 1) << avif;
        // The lossless coding gives the values back: nothing converted.
        EXPECT_LE(test::MaxDifference(photo, test::Expected(samples)), 1) << avif;
    }
}

TEST(ColourFiles, ColourDescriptionsBecomeProfiles) {
    struct Case {
        ColourDescription description;
        bool srgb;
        TestProfile same;
    };
    const Case cases[] = {
        {{1, 13, 6, true}, true, TestProfile::kSrgb},           // sRGB's own
        {{2, 2, 2, true}, true, TestProfile::kSrgb},            // unspecified: read as sRGB
        {{9, 16, 9, false}, true, TestProfile::kSrgb},          // PQ: no display profile holds it
        {{12, 13, 6, true}, false, TestProfile::kDisplayP3},    // a phone's
        {{12, 2, 6, true}, false, TestProfile::kDisplayP3},     // P3, curve unspecified
        {{9, 8, 9, true}, false, TestProfile::kLinearRec2020},  // linear BT.2020
    };
    for (const Case& c : cases) {
        const ColourProfile profile = ColourProfile::FromDescription(c.description);
        EXPECT_EQ(profile.IsSrgb(), c.srgb) << c.description.primaries << "/" << c.description.transfer;
        if (!c.srgb) {
            EXPECT_LE(test::ProfileDistance(profile.Icc(), IccProfileOf(c.same)), 1) << profile.Name();
        }
    }
}

TEST(ColourFiles, JpegXlInItsOwnColoursOpensWithItsValuesAndProfile) {
    const test::Samples samples = test::MakeSamples(48, 32, 3, 8);
    const TBitmap expected = test::Expected(samples);
    // Adobe RGB's profile libjxl expresses as an encoding of its own; the
    // tabulated one it keeps as a profile and decodes lossy pictures of it
    // to linear sRGB.
    for (TestProfile kind : {TestProfile::kAdobeRgb, TestProfile::kTabulated}) {
        for (bool lossy : {false, true}) {
            const std::vector<uint8_t> icc = IccProfileOf(kind);
            const std::vector<uint8_t> jxl = test::MakeJxl(samples, {.iccProfile = icc, .lossy = lossy});
            std::vector<uint8_t> profile;
            const TBitmap photo = DecodeJxl(jxl.data(), jxl.size(), nullptr, &profile);
            const std::string name = std::string(test::NameOf(kind)) + (lossy ? " lossy" : " lossless");
            EXPECT_LE(test::ProfileDistance(profile, icc), 1) << name;
            EXPECT_LE(MeanDifference(photo, expected), lossy ? 3.5 : 0.0) << name;
        }
    }
    // An sRGB file has no profile to keep.
    std::vector<uint8_t> profile = {1};
    const std::vector<uint8_t> srgb = test::MakeJxl(samples);
    DecodeJxl(srgb.data(), srgb.size(), nullptr, &profile);
    EXPECT_TRUE(profile.empty());
}

TEST(ColourFiles, ACmykJpegIsConvertedThroughItsProfile) {
    const TBitmap picture = test::RandomBitmap(40, 24, 5);
    const std::vector<uint8_t> cmykProfile = test::CmykIccProfile();
    for (test::JpegKind kind : {test::JpegKind::kCmyk, test::JpegKind::kAdobeCmyk}) {
        const bool inverted = kind == test::JpegKind::kAdobeCmyk;
        const std::vector<uint8_t> tagged = test::MakeJpeg(picture, kind, 100, cmykProfile);
        const std::vector<uint8_t> plain = test::MakeJpeg(picture, kind, 100);
        // What libjpeg decodes, as CMYK samples, for the reference.
        const TBitmap naive = DecodeJpeg(plain.data(), plain.size());
        std::vector<uint8_t> inks;
        for (int y = 0; y < naive.Height(); ++y)
            for (int x = 0; x < naive.Width(); ++x) {
                const uint8_t* p = naive.Pixel(x, y);  // K is none: the naive product is the ink's complement
                for (int c : {2, 1, 0}) inks.push_back(uint8_t(inverted ? p[c] : 255 - p[c]));
                inks.push_back(inverted ? 255 : 0);
            }
        const TBitmap reference = test::ReferenceFromCmyk(inks, naive.Width(), naive.Height(), cmykProfile, inverted);
        const TBitmap converted = DecodeJpeg(tagged.data(), tagged.size());
        // Little CMS samples the whole conversion of four inks on a grid of
        // its own, a few steps from the exact one.
        EXPECT_LE(test::MaxDifference(converted, reference), 6) << inverted;
        EXPECT_LE(MeanDifference(converted, reference), 1) << inverted;
        EXPECT_GT(test::MaxDifference(converted, naive), 20) << "the profile's inks, not the naive ones";
        // The pixels are sRGB now: the CMYK profile is not kept.
        const test::TempDir dir;
        test::WriteBytes(dir.File("cmyk.jpg"), tagged);
        PhotoMetadata metadata;
        Opened(dir.File("cmyk.jpg"), metadata);
        EXPECT_TRUE(metadata.Colour().Icc().empty());
    }
}

// A PNG whose iCCP chunk holds `profile` compressed, then cut to
// `keep` bytes of its stream (all when 0), or with a byte of the stream
// flipped.
std::vector<uint8_t> PngWithProfile(const std::vector<uint8_t>& profile, size_t keep, bool flip) {
    std::vector<uint8_t> png = test::MakePng(test::MakeSamples(8, 8, 3, 8));
    std::vector<uint8_t> compressed = EncodePng(test::SolidBitmap(1, 1, {}), profile);
    // Our own writer's iCCP chunk, taken whole from its file.
    const auto at = std::search(compressed.begin(), compressed.end(), std::begin("iCCP"), std::end("iCCP") - 1);
    const size_t length = size_t(at[-4]) << 24 | size_t(at[-3]) << 16 | size_t(at[-2]) << 8 | at[-1];
    std::vector<uint8_t> body(at + 4, at + 4 + ptrdiff_t(length));
    const size_t stream = std::find(body.begin(), body.end(), 0) - body.begin() + 2;
    if (keep > 0) body.resize(stream + keep);
    if (flip) body[stream + (body.size() - stream) / 2] ^= 0x5A;
    std::vector<uint8_t> chunk = {uint8_t(body.size() >> 24), uint8_t(body.size() >> 16), uint8_t(body.size() >> 8),
                                  uint8_t(body.size()), 'i', 'C', 'C', 'P'};
    chunk.insert(chunk.end(), body.begin(), body.end());
    const uint32_t crc = test::Crc32(chunk.data() + 4, chunk.size() - 4);
    for (int shift : {24, 16, 8, 0}) chunk.push_back(uint8_t(crc >> shift));
    png.insert(png.begin() + 33, chunk.begin(), chunk.end());  // after the header chunk
    return png;
}

TEST(ColourFiles, OnlyWholeProfilesAreKept) {
    const std::vector<uint8_t> adobe = IccProfileOf(TestProfile::kAdobeRgb);
    const std::vector<uint8_t> cut(adobe.begin(), adobe.end() - 40);
    std::vector<uint8_t> junk(adobe.size(), 0x41);
    std::memcpy(junk.data(), adobe.data(), 4);  // the right size, the rest nonsense
    const std::vector<uint8_t> srgb = IccProfileOf(TestProfile::kSrgb), none;
    const auto jpeg = [](const std::vector<uint8_t>& icc) {
        return test::MakeJpeg(test::GradientBitmap(16, 16), test::JpegKind::kColour, 90, icc);
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        const std::vector<uint8_t>& kept;
    };
    const Case cases[] = {
        {"PNG", PngWithProfile(adobe, 0, false), adobe},
        {"PNG, its stream cut short", PngWithProfile(adobe, 60, false), none},
        {"PNG, its stream corrupt", PngWithProfile(adobe, 0, true), none},
        {"JPEG", jpeg(adobe), adobe},
        {"JPEG, sRGB's profile", jpeg(srgb), srgb},
        {"JPEG, shorter than it declares", jpeg(cut), none},
        {"JPEG, not a profile", jpeg(junk), none},
        {"JPEG, a CMYK profile on RGB", jpeg(test::CmykIccProfile()), none},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadPhotoMetadata(c.file).Colour().Icc(), c.kept) << c.what;
}

}  // namespace
}  // namespace corvessa
