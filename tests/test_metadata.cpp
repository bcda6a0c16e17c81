#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <tuple>

#include "io/files.h"
#include "io/jpeg_codec.h"
#include "io/orientation.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "camera_jpeg.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kGrey{128, 128, 128};

// A stored photo 64 wide and 32 high: red block top-left, green block
// top-right, grey elsewhere. Flat blocks survive JPEG well enough to tell
// where they went.
TBitmap Marked() {
    TBitmap b = SolidBitmap(64, 32, kGrey);
    b.SetFillColor(kRed);
    b.Fill(0, 0, 16, 16);
    b.SetFillColor(kGreen);
    b.Fill(48, 0, 64, 16);
    return b;
}

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) < 40 && std::abs(a.g - b.g) < 40 && std::abs(a.b - b.b) < 40; }

}  // namespace

TEST(Orientation, EveryTagTurnsThePhotoUpright) {
    // Where the stored top-left (red) and top-right (green) blocks end up.
    struct Case {
        int tag;
        bool swaps;
        int redX, redY, greenX, greenY;  // 0 = left/top, 1 = right/bottom
    };
    const Case cases[] = {{1, false, 0, 0, 1, 0}, {2, false, 1, 0, 0, 0}, {3, false, 1, 1, 0, 1}, {4, false, 0, 1, 1, 1},
                          {5, true, 0, 0, 0, 1},  {6, true, 1, 0, 1, 1},  {7, true, 1, 1, 1, 0},  {8, true, 0, 1, 0, 0}};
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.File("orientation-" + std::to_string(c.tag) + ".jpg");
        WriteBytes(path, CameraJpeg(Marked(), c.tag));
        PhotoMetadata metadata;
        TBitmap photo = ReadPhotoUpright(path, metadata);
        EXPECT_EQ(metadata.Orientation(), c.tag);
        ASSERT_EQ(photo.Width(), c.swaps ? 32 : 64) << c.tag;
        ASSERT_EQ(photo.Height(), c.swaps ? 64 : 32) << c.tag;
        auto at = [&](int right, int bottom) {
            return PixelAt(photo, right ? photo.Width() - 4 : 3, bottom ? photo.Height() - 4 : 3);
        };
        EXPECT_TRUE(Near(at(c.redX, c.redY), kRed)) << "tag " << c.tag;
        EXPECT_TRUE(Near(at(c.greenX, c.greenY), kGreen)) << "tag " << c.tag;
    }
}

TEST(Orientation, QuarterTurnsAreExactPixelMoves) {
    TBitmap stored = RandomBitmap(5, 3, 9);
    TBitmap turned;
    turned.CopyFrom(stored);
    ApplyOrientation(turned, 6);  // a quarter clockwise
    ASSERT_EQ(turned.Width(), 3);
    EXPECT_EQ(PixelAt(turned, 2, 0), PixelAt(stored, 0, 0));
    EXPECT_EQ(PixelAt(turned, 0, 0), PixelAt(stored, 0, 2));
    ApplyOrientation(turned, 8);  // and back
    EXPECT_TRUE(SamePixels(turned, stored));
}

TEST(Metadata, SavedJpegKeepsDateCameraAndProfileWithOrientationReset) {
    TempDir dir;
    WriteBytes(dir.File("in.jpg"), CameraJpeg(Marked(), 6));
    PhotoMetadata metadata;
    TBitmap photo = ReadPhotoUpright(dir.File("in.jpg"), metadata);
    WriteJpegFileWithMetadata(photo, dir.File("out.jpg"), metadata);

    auto image = Exiv2::ImageFactory::open(dir.File("out.jpg"));
    image->readMetadata();
    Exiv2::ExifData& exif = image->exifData();
    EXPECT_EQ(exif["Exif.Image.Model"].toString(), kTestCameraModel);
    EXPECT_EQ(exif["Exif.Photo.DateTimeOriginal"].toString(), kTestCaptureDate);
    EXPECT_EQ(exif["Exif.Image.Orientation"].toLong(), 1);
    // The stored 64 x 32 picture was turned upright.
    EXPECT_EQ(exif["Exif.Photo.PixelXDimension"].toLong(), 32);
    EXPECT_EQ(exif["Exif.Photo.PixelYDimension"].toLong(), 64);
    EXPECT_EQ(Exiv2::ExifThumbC(exif).copy().size_, 0);  // the old thumbnail is gone
    ASSERT_TRUE(image->iccProfileDefined());
    const Exiv2::DataBuf* icc = image->iccProfile();
    EXPECT_EQ(std::vector<uint8_t>(icc->pData_, icc->pData_ + icc->size_), IccProfile());

    // Opening the saved file gives the same upright photo again.
    PhotoMetadata again;
    TBitmap reopened = ReadPhotoUpright(dir.File("out.jpg"), again);
    EXPECT_EQ(again.Orientation(), 1);
    EXPECT_EQ(reopened.Width(), photo.Width());
}

TEST(Metadata, BrokenMetadataStillOpensWithoutIt) {
    TempDir dir;
    std::vector<uint8_t> jpeg = EncodeJpeg(Marked());
    // An APP1 "Exif" segment whose TIFF header is garbage, right after SOI.
    std::vector<uint8_t> app1 = {0xFF, 0xE1, 0x00, 0x10, 'E', 'x', 'i', 'f', 0, 0, 'X', 'X', 0x2A, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    jpeg.insert(jpeg.begin() + 2, app1.begin(), app1.end());
    WriteBytes(dir.File("broken.jpg"), jpeg);
    PhotoMetadata metadata;
    TBitmap photo = ReadPhotoUpright(dir.File("broken.jpg"), metadata);
    EXPECT_EQ(photo.Width(), 64);
    EXPECT_EQ(metadata.Orientation(), 1);
}

TEST(Metadata, ABrokenBlockLosesOnlyItself) {
    TempDir dir;
    const std::vector<uint8_t> camera = CameraJpeg(Marked(), 6);
    const auto find = [&](const char* text) {
        const std::string needle(text);
        return size_t(std::search(camera.begin(), camera.end(), needle.begin(), needle.end()) - camera.begin());
    };
    // The colour profile's declared size is wrong: Exif (GPS included) stays.
    std::vector<uint8_t> badProfile = camera;
    badProfile[find("ICC_PROFILE") + 14] = 0x7F;
    // The Exif block's TIFF header is garbage: the profile stays.
    std::vector<uint8_t> badExif = camera;
    badExif[find("Exif") + 6] = 'X';
    for (const auto& [name, bytes, exifKept] : {std::tuple{"profile.jpg", badProfile, true},
                                                std::tuple{"exif.jpg", badExif, false}}) {
        WriteBytes(dir.File(name), bytes);
        PhotoMetadata metadata;
        const TBitmap photo = ReadPhotoUpright(dir.File(name), metadata);
        EXPECT_EQ(metadata.Orientation(), exifKept ? 6 : 1) << name;
        WriteJpegFileWithMetadata(photo, dir.File("saved.jpg"), metadata);
        auto image = Exiv2::ImageFactory::open(dir.File("saved.jpg"));
        image->readMetadata();
        Exiv2::ExifData& exif = image->exifData();
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) != exif.end(), exifKept) << name;
        if (exifKept) {
            EXPECT_EQ(exif["Exif.GPSInfo.GPSLatitude"].toString(), kTestLatitude);
        }
        EXPECT_EQ(image->iccProfileDefined(), !exifKept) << name;
    }
}

TEST(Metadata, PhotosWithoutMetadataAndBmpOutputCarryNone) {
    TempDir dir;
    WriteBytes(dir.File("plain.jpg"), EncodeJpeg(Marked()));
    PhotoMetadata metadata;
    ReadPhotoUpright(dir.File("plain.jpg"), metadata);
    EXPECT_TRUE(metadata.Empty());

    WriteBytes(dir.File("in.jpg"), CameraJpeg(Marked(), 1));
    TBitmap photo = ReadPhotoUpright(dir.File("in.jpg"), metadata);
    EXPECT_FALSE(metadata.Empty());
    WriteBmpFile(photo, dir.File("out.bmp"));
    std::vector<uint8_t> bmp = ReadWholeFile(dir.File("out.bmp"));
    const std::string text(bmp.begin(), bmp.end());
    EXPECT_EQ(text.find(kTestCameraModel), std::string::npos);
    // A BMP opened as a photo has no metadata and is never turned.
    PhotoMetadata none;
    EXPECT_EQ(ReadPhotoUpright(dir.File("out.bmp"), none).Width(), 64);
    EXPECT_TRUE(none.Empty());
}
