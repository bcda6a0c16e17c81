// The copy Export and corvessa-render write for sharing: its size and the
// camera data it keeps.

#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <string>
#include <vector>

#include "io/colour_profile.h"
#include "io/photo_export.h"
#include "io/photo_metadata.h"
#include "camera_jpeg.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

ExportChoices LongEdge(int n) {
    ExportChoices c;
    c.longEdge = n;
    return c;
}
ExportChoices Box(int w, int h) {
    ExportChoices c;
    c.boxWidth = w;
    c.boxHeight = h;
    return c;
}
ExportChoices Percent(int p) {
    ExportChoices c;
    c.percent = p;
    return c;
}

// Camera data with a place in both Exif and XMP.
PhotoMetadata PhoneMetadata() {
    Exiv2::ExifData exif;
    exif["Exif.Image.Model"] = kTestCameraModel;
    exif["Exif.Photo.DateTimeOriginal"] = kTestCaptureDate;
    exif["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    exif["Exif.GPSInfo.GPSLatitude"] = kTestLatitude;
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, nullptr, 0, Exiv2::bigEndian, exif);
    Exiv2::XmpData xmp;
    xmp["Xmp.dc.title"] = "lang=x-default A heron";
    xmp["Xmp.exif.GPSLatitude"] = "52,31.0N";
    std::string packet;
    Exiv2::XmpParser::encode(packet, xmp);
    return MetadataFromBlocks(blob, packet, IccProfile());
}

}  // namespace

TEST(ExportSize, FitsTheChoiceKeepingTheShapeAndNeverEnlarges) {
    struct Case {
        int width, height;
        ExportChoices choices;
        PictureSize expected;
    };
    const Case cases[] = {
        {6000, 4000, {}, {6000, 4000}},
        {6000, 4000, LongEdge(2048), {2048, 1365}},
        {4000, 6000, LongEdge(2048), {1365, 2048}},
        {3001, 2001, LongEdge(1000), {1000, 667}},
        {800, 600, LongEdge(2048), {800, 600}},      // smaller already: kept
        {800, 600, LongEdge(800), {800, 600}},
        {6000, 4000, Box(1920, 1080), {1620, 1080}},  // the height binds
        {6000, 1000, Box(1920, 1080), {1920, 320}},   // the width binds
        {100, 50, Box(1000, 10), {20, 10}},
        {5, 4000, LongEdge(16), {1, 16}},             // a side never goes below 1
        {6000, 4000, Percent(50), {3000, 2000}},
        {333, 111, Percent(10), {33, 11}},
        {3, 3, Percent(1), {1, 1}},
        {6000, 4000, Percent(100), {6000, 4000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExportSize(c.width, c.height, c.choices), c.expected)
            << c.width << "x" << c.height << " edge " << c.choices.longEdge << " box " << c.choices.boxWidth << "x"
            << c.choices.boxHeight << " percent " << c.choices.percent;
}

TEST(PrepareExport, StripsWhatIsAskedAndKeepsTheRest) {
    struct Case {
        const char* name;
        bool stripLocation, stripMetadata;
        bool place, camera;
    };
    const Case cases[] = {{"nothing", false, false, true, true},
                          {"location", true, false, false, true},
                          {"all", false, true, false, false},
                          {"both", true, true, false, false}};
    for (const Case& c : cases) {
        ExportChoices choices = LongEdge(40);
        choices.stripLocation = c.stripLocation;
        choices.stripMetadata = c.stripMetadata;
        TBitmap photo = GradientBitmap(80, 60);
        const PhotoMetadata original = PhoneMetadata();
        PhotoMetadata metadata = original;
        PrepareExport(photo, metadata, choices);
        EXPECT_EQ(photo.Width(), 40) << c.name;
        EXPECT_EQ(photo.Height(), 30) << c.name;

        const SavedMetadataBlocks blocks = SavedBlocks(metadata, photo.Width(), photo.Height());
        Exiv2::ExifData exif;
        if (!blocks.exif.empty())
            Exiv2::ExifParser::decode(exif, blocks.exif.data(), uint32_t(blocks.exif.size()));
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) != exif.end(), c.place) << c.name;
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.GPSTag")) != exif.end(), c.place) << c.name;
        EXPECT_EQ(blocks.xmp.find("GPSLatitude") != std::string::npos, c.place) << c.name;
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.Model")) != exif.end(), c.camera) << c.name;
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal")) != exif.end(), c.camera) << c.name;
        EXPECT_EQ(blocks.xmp.find("A heron") != std::string::npos, c.camera) << c.name;
        // The colour profile always stays: it says what the colours mean.
        EXPECT_EQ(blocks.iccProfile, IccProfile()) << c.name;
        // The metadata given in is shared, never changed.
        const SavedMetadataBlocks before = SavedBlocks(original, 80, 60);
        EXPECT_NE(before.xmp.find("GPSLatitude"), std::string::npos) << c.name;
    }
}

TEST(PrepareExport, PhotosWithoutCameraDataStayWithout) {
    for (const bool all : {false, true}) {
        ExportChoices choices;
        (all ? choices.stripMetadata : choices.stripLocation) = true;
        TBitmap photo = GradientBitmap(8, 6);
        PhotoMetadata metadata;
        PrepareExport(photo, metadata, choices);
        EXPECT_TRUE(metadata.Empty()) << all;
        EXPECT_EQ(photo.Width(), 8) << all;
    }
}

TEST(PrepareExport, ConvertsToSrgbOnlyWhenAskedAndThenCarriesNoProfile) {
    struct Case {
        const char* name;
        bool adobe, srgb;
        bool pixelsChange, profileKept;
    };
    const Case cases[] = {{"Adobe RGB kept", true, false, false, true},
                          {"Adobe RGB to sRGB", true, true, true, false},
                          {"sRGB asked of sRGB", false, true, false, false},
                          {"nothing", false, false, false, false}};
    for (const Case& c : cases) {
        const TBitmap original = GradientBitmap(32, 24);
        TBitmap photo = Copy(original);
        PhotoMetadata metadata =
            c.adobe ? MetadataFromBlocks({}, "", IccProfile()) : PhotoMetadata();
        ExportChoices choices;
        choices.srgb = c.srgb;
        PrepareExport(photo, metadata, choices);
        EXPECT_EQ(!SamePixels(photo, original), c.pixelsChange) << c.name;
        EXPECT_EQ(!metadata.Colour().Icc().empty(), c.profileKept) << c.name;
        if (c.pixelsChange) {
            // The conversion itself is tested against Little CMS with the
            // colour profiles; here it must be the one applied.
            TBitmap expected = Copy(original);
            ConvertToSrgb(expected, ColourProfile::FromIcc(IccProfile()));
            EXPECT_TRUE(SamePixels(photo, expected)) << c.name;
        }
    }
}
