// Colour profiles: which are kept, the conversion to sRGB and the display
// transform against Little CMS's own in full precision.

#include <gtest/gtest.h>

#include "colour_fixtures.h"
#include "io/colour_profile.h"
#include "test_support.h"

namespace corvessa {
namespace {

using test::IccProfileOf;
using test::TestProfile;

struct Wide {
    TestProfile profile;
    int tolerance;  // 8-bit steps from the reference
};

// Little CMS's 8-bit matrix-shaper path keeps within a step; a linear
// curve spends few codes on the shadows, where its table rounds further.
const Wide kWide[] = {{TestProfile::kAdobeRgb, 1},
                      {TestProfile::kDisplayP3, 1},
                      {TestProfile::kProPhoto, 1},
                      {TestProfile::kLinearRec2020, 2}};

TEST(ColourProfile, ConvertToSrgbMatchesLittleCmsInFullPrecision) {
    const TBitmap photo = test::RandomBitmap(97, 61, 7);
    for (const Wide& wide : kWide) {
        for (bool version2 : {false, true}) {
            const std::vector<uint8_t> icc = IccProfileOf(wide.profile, version2);
            const ColourProfile profile = ColourProfile::FromIcc(icc);
            ASSERT_FALSE(profile.IsSrgb()) << test::NameOf(wide.profile);
            EXPECT_EQ(profile.Name(), test::NameOf(wide.profile));
            TBitmap converted = test::Copy(photo);
            ConvertToSrgb(converted, profile);
            EXPECT_LE(test::MaxDifference(converted, test::ReferenceConverted(photo, icc)), wide.tolerance)
                << test::NameOf(wide.profile) << (version2 ? " v2" : " v4");
            EXPECT_GT(test::MaxDifference(converted, photo), 8) << "the wide colours moved";
        }
    }
}

TEST(ColourProfile, ConvertToSrgbOfALargePictureUsesEveryRowAlike) {
    // Large enough for the rows to be shared among threads.
    const TBitmap photo = test::GradientBitmap(1200, 700);
    const std::vector<uint8_t> icc = IccProfileOf(TestProfile::kAdobeRgb);
    TBitmap converted = test::Copy(photo);
    ConvertToSrgb(converted, ColourProfile::FromIcc(icc));
    TBitmap row(1200, 1);
    for (int y : {0, 349, 699}) {
        std::copy(photo.Row(y), photo.Row(y) + photo.RowBytes(), row.Row(0));
        ConvertToSrgb(row, ColourProfile::FromIcc(icc));
        EXPECT_TRUE(std::equal(row.Row(0), row.Row(0) + row.RowBytes(), converted.Row(y))) << y;
    }
}

TEST(ColourProfile, SrgbPhotosAreLeftByteForByte) {
    const TBitmap photo = test::RandomBitmap(40, 30, 3);
    for (const ColourProfile& profile : {ColourProfile(), ColourProfile::FromIcc(IccProfileOf(TestProfile::kSrgb)),
                                         ColourProfile::FromIcc(IccProfileOf(TestProfile::kSrgb, true))}) {
        EXPECT_TRUE(profile.IsSrgb()) << profile.Name();
        TBitmap same = test::Copy(photo);
        ConvertToSrgb(same, profile);
        EXPECT_TRUE(test::SamePixels(same, photo)) << profile.Name();
    }
}

TEST(ColourProfile, DisplayTransformIsAPureFunctionOfTheTwoProfiles) {
    const std::vector<uint8_t> adobeIcc = IccProfileOf(TestProfile::kAdobeRgb), p3Icc = IccProfileOf(TestProfile::kDisplayP3);
    const ColourProfile srgb, srgbIcc = ColourProfile::FromIcc(IccProfileOf(TestProfile::kSrgb));
    const ColourProfile adobe = ColourProfile::FromIcc(adobeIcc), p3 = ColourProfile::FromIcc(p3Icc);
    // An sRGB photo on an sRGB display, or a photo in the display's own
    // profile, costs nothing.
    EXPECT_EQ(DisplayTransform(srgb, srgb), nullptr);
    EXPECT_EQ(DisplayTransform(srgbIcc, srgb), nullptr);
    EXPECT_EQ(DisplayTransform(srgb, srgbIcc), nullptr);
    EXPECT_EQ(DisplayTransform(adobe, ColourProfile::FromIcc(adobeIcc)), nullptr);

    struct Pair {
        const ColourProfile& photo;
        const std::vector<uint8_t>& photoIcc;
        const ColourProfile& display;
        const std::vector<uint8_t>& displayIcc;
    };
    const std::vector<uint8_t> none;
    const TBitmap picture = test::RandomBitmap(50, 20, 11);
    for (const Pair& pair : {Pair{adobe, adobeIcc, srgb, none}, Pair{p3, p3Icc, srgb, none}, Pair{srgb, none, p3, p3Icc},
                             Pair{adobe, adobeIcc, p3, p3Icc}}) {
        const auto transform = DisplayTransform(pair.photo, pair.display);
        ASSERT_NE(transform, nullptr) << pair.photo.Name() << " on " << pair.display.Name();
        TBitmap painted = test::Copy(picture);
        for (int y = 0; y < painted.Height(); ++y) transform->ConvertRow(painted.Row(y), painted.Row(y), painted.Width());
        EXPECT_LE(test::MaxDifference(painted, test::ReferenceConverted(picture, pair.photoIcc, pair.displayIcc)), 1)
            << pair.photo.Name() << " on " << pair.display.Name();
        // Made once per pair, kept with the photo's profile (the display's
        // for an sRGB photo).
        EXPECT_EQ(DisplayTransform(pair.photo, pair.display), transform);
    }
    EXPECT_NE(DisplayTransform(adobe, srgb), DisplayTransform(adobe, p3));
}

TEST(ColourProfile, BrokenProfilesStandForSrgb) {
    std::vector<uint8_t> icc = IccProfileOf(TestProfile::kAdobeRgb);
    std::vector<uint8_t> cut(icc.begin(), icc.end() - 10), tagless(icc.begin(), icc.begin() + 132);
    tagless[0] = 0, tagless[1] = 0, tagless[2] = 0, tagless[3] = 132;
    std::fill(tagless.begin() + 128, tagless.end(), 0);  // no tags at all
    std::vector<uint8_t> scrambled = icc;
    for (size_t i = 132; i < scrambled.size(); ++i) scrambled[i] ^= 0xA5;
    for (const std::vector<uint8_t>& broken : {cut, tagless, scrambled, std::vector<uint8_t>(), std::vector<uint8_t>(4)}) {
        const ColourProfile profile = ColourProfile::FromIcc(broken);
        EXPECT_TRUE(profile.IsSrgb() && profile.Icc().empty()) << broken.size();
    }
    EXPECT_TRUE(ColourProfile::FromIcc(test::CmykIccProfile()).IsCmyk());
    EXPECT_TRUE(KeptProfile(test::CmykIccProfile()).Icc().empty()) << "a photo's values are RGB";
}

}  // namespace
}  // namespace corvessa
