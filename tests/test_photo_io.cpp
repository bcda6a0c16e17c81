#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>
#include <filesystem>

#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/picture_source.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/ssl_picture.h"
#include "jpeg_fixtures.h"
#include "ground/error.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// Expects `f` to throw a CorvessaError with exactly `text`.
template <class F>
void ExpectError(F&& f, const std::string& text) {
    try {
        f();
        ADD_FAILURE() << "no error, expected: " << text;
    } catch (const CorvessaError& e) {
        EXPECT_EQ(std::string(e.what()), text);
    }
}

Rgb ExpectedBmpPixel(int x, int y, int bits) {
    if (bits <= 8) {
        const int n = 1 << bits;
        const uint8_t v = uint8_t(((x + y) % n) * 255 / (n - 1));
        return {v, v, v};
    }
    Rgb c{uint8_t(x * 40 % 256), uint8_t(y * 60 % 256), 90};
    if (bits == 16) {  // five bits a channel: the low three are lost
        auto five = [](uint8_t v) { return uint8_t((v >> 3) << 3); };
        c = {five(c.r), five(c.g), five(c.b)};
    }
    return c;
}

}  // namespace

TEST(Jpeg, ColourRoundTripKeepsSizeAndIsClose) {
    for (auto [w, h] : {std::pair{1, 1}, {7, 3}, {105, 105}, {333, 17}}) {
        TBitmap original = GradientBitmap(w, h);
        std::vector<uint8_t> bytes = EncodeJpeg(original);
        TBitmap decoded = DecodeJpeg(bytes.data(), bytes.size());
        ASSERT_EQ(decoded.Width(), w);
        ASSERT_EQ(decoded.Height(), h);
        EXPECT_LE(MaxDifference(original, decoded), 64) << w << "x" << h;
    }
}

TEST(Jpeg, EncoderWritesBaselineQuality90) {
    std::vector<uint8_t> bytes = EncodeJpeg(GradientBitmap(64, 48));
    bool baseline = false, progressive = false;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) baseline = true;
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC2) progressive = true;
    }
    EXPECT_TRUE(baseline);
    EXPECT_FALSE(progressive);
    // Quality 90 scales the first standard luminance entry (16) to 3.
    const uint8_t marker[2] = {0xFF, 0xDB};
    auto dqt = std::search(bytes.begin(), bytes.end(), std::begin(marker), std::end(marker));
    ASSERT_NE(dqt, bytes.end());
    EXPECT_EQ(*(dqt + 5), 3);
}

TEST(Jpeg, GreyStreamGivesEqualChannels) {
    TBitmap original = GradientBitmap(40, 30);
    std::vector<uint8_t> bytes = MakeJpeg(original, JpegKind::kGrey);
    TBitmap decoded = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(decoded.Width(), 40);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const Rgb p = PixelAt(decoded, x, y);
            ASSERT_TRUE(p.r == p.g && p.g == p.b);
        }
}

TEST(Jpeg, CmykAndAdobeCmykAreConvertedToRgb) {
    TBitmap original = SolidBitmap(32, 16, {200, 100, 50});
    for (JpegKind kind : {JpegKind::kCmyk, JpegKind::kAdobeCmyk}) {
        std::vector<uint8_t> bytes = MakeJpeg(original, kind);
        TBitmap decoded = DecodeJpeg(bytes.data(), bytes.size());
        EXPECT_LE(MaxDifference(original, decoded), 4);
    }
}

TEST(Jpeg, ProgressiveStreamDecodes) {
    TBitmap original = GradientBitmap(81, 65);
    std::vector<uint8_t> bytes = MakeJpeg(original, JpegKind::kProgressive);
    TBitmap decoded = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_LE(MaxDifference(original, decoded), 40);
}

TEST(Jpeg, TruncatedStreamDecodesWhatIsThere) {
    std::vector<uint8_t> bytes = EncodeJpeg(GradientBitmap(200, 200));
    bytes.resize(bytes.size() / 2);
    TBitmap decoded = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(decoded.Width(), 200);
    EXPECT_EQ(decoded.Height(), 200);
}

TEST(Jpeg, GarbageFailsWithTheLibjpegMessageNumber) {
    std::vector<uint8_t> bytes = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    ExpectError([&] { DecodeJpeg(bytes.data(), bytes.size()); },
                "JPEG error #" + std::to_string(JERR_NO_SOI) + ": Not a JPEG file: starts with 0x6e 0x6f");
}

TEST(Jpeg, HugeHeaderIsRefusedBeforeAllocation) {
    std::vector<uint8_t> bytes = EncodeJpeg(GradientBitmap(16, 16));
    // Patch the frame header's height and width (SOF0: FF C0 len(2) P(1) H(2) W(2)).
    for (size_t i = 0; i + 8 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = 0xEA, bytes[i + 6] = 0x60;  // 60000 high
            bytes[i + 7] = 0xEA, bytes[i + 8] = 0x60;  // 60000 wide
            break;
        }
    ExpectError([&] { DecodeJpeg(bytes.data(), bytes.size()); }, "Picture is too large (60000 x 60000)");
}

TEST(Bmp, EveryDepthReadsInto24Bits) {
    TempDir dir;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const std::string path = dir.File("d" + std::to_string(bits) + ".bmp");
        WriteBytes(path, MakeBmp(13, 5, bits));
        TBitmap b = ReadBmpFile(path);
        ASSERT_EQ(b.Width(), 13) << bits;
        ASSERT_EQ(b.Height(), 5) << bits;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x) ASSERT_EQ(PixelAt(b, x, y), ExpectedBmpPixel(x, y, bits)) << bits << " bits at " << x << "," << y;
    }
}

TEST(Bmp, WriterMakesPadded24BitFilesThatReadBackExactly) {
    TempDir dir;
    for (auto [w, h] : {std::pair{1, 1}, {7, 3}, {105, 105}}) {
        TBitmap original = RandomBitmap(w, h, uint32_t(w));
        const std::string path = dir.File("out.bmp");
        WriteBmpFile(original, path);
        std::vector<uint8_t> bytes = ReadWholeFile(path);
        const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
        EXPECT_EQ(bytes.size(), 54 + stride * h);
        EXPECT_EQ(bytes[28], 24);
        EXPECT_EQ(bytes[30], 0);
        EXPECT_TRUE(SamePixels(ReadBmpFile(path), original));
    }
}

TEST(Bmp, BrokenFileIsNotAValidBitmap) {
    TempDir dir;
    std::vector<uint8_t> bytes = MakeBmp(8, 8, 24);
    bytes.resize(20);
    WriteBytes(dir.File("broken.bmp"), bytes);
    ExpectError([&] { ReadBmpFile(dir.File("broken.bmp")); },
                "Bitmap image is not valid: Unable to read image data \u2014 " + dir.File("broken.bmp"));
}

TEST(PhotoFiles, GeneralReaderChoosesByExtensionIgnoringCase) {
    TempDir dir;
    TBitmap original = RandomBitmap(9, 4, 1);
    WriteBmpFile(original, dir.File("holiday.BMP"));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(dir.File("holiday.BMP")), original));
    WriteJpegFile(original, dir.File("photo.JPeG"));
    EXPECT_EQ(ReadPhotoFile(dir.File("photo.JPeG")).Width(), 9);
    WritePictureFile(original, dir.File("lossless.png"));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(dir.File("lossless.png")), original));
}

TEST(PhotoFiles, NameContainingDotBmpIsReadAsBmpWhateverItsExtension) {
    TempDir dir;
    TBitmap original = RandomBitmap(6, 6, 2);
    WriteBmpFile(original, dir.File("card.bmp.jpg"));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(dir.File("card.bmp.jpg")), original));
}

TEST(PhotoFiles, ErrorTexts) {
    TempDir dir;
    const std::string missing = dir.File("missing.jpg");
    ExpectError([&] { ReadPhotoFile(missing); }, "Cannot open file " + missing + ": No such file or directory");
    WriteBytes(dir.File("notes.xyz"), {1, 2, 3});
    ExpectError([&] { ReadPhotoFile(dir.File("notes.xyz")); }, "Unknown picture file extension (.xyz) \u2014 " + dir.File("notes.xyz"));
    ExpectError([&] { ReadPhotoFile(dir.File("noextension")); }, "Unknown picture file extension (.) \u2014 " + dir.File("noextension"));
    WriteBytes(dir.File("bad.jpg"), {0x00, 0x01, 0x02, 0x03});
    ExpectError([&] { ReadPhotoFile(dir.File("bad.jpg")); }, "JPEG error #" + std::to_string(JERR_NO_SOI) +
                                                                ": Not a JPEG file: starts with 0x00 0x01 \u2014 " + dir.File("bad.jpg"));
    const std::string nowhere = dir.File("no/such/folder/out.jpg");
    ExpectError([&] { WriteJpegFile(RandomBitmap(2, 2, 1), nowhere); }, "Cannot create file " + nowhere + ": No such file or directory");
}

TEST(PhotoFiles, FailedSaveKeepsTheExistingFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string target = dir.File("keep.jpg");
    WriteBytes(target, {1, 2, 3});
    std::filesystem::create_directory(dir.File("keep.jpg.dir"));
    // A target that is a folder cannot be replaced.
    ExpectError([&] { WriteJpegFile(RandomBitmap(2, 2, 1), dir.File("keep.jpg.dir")); },
                "Cannot create file " + dir.File("keep.jpg.dir") + ": Is a directory");
    EXPECT_EQ(ReadWholeFile(target), (std::vector<uint8_t>{1, 2, 3}));
    size_t files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1u);
    // A successful save replaces it.
    WriteBmpFile(RandomBitmap(2, 2, 1), target);
    EXPECT_EQ(ReadWholeFile(target)[0], 'B');
}

TEST(SslPicture, FirstSixteenBytesAreIgnored) {
    TempDir dir;
    std::vector<uint8_t> jpeg = EncodeJpeg(GradientBitmap(50, 40));
    WriteBytes(dir.File("plain.ssl"), jpeg);
    std::vector<uint8_t> scrambled = jpeg;
    for (int i = 0; i < 16; ++i) scrambled[size_t(i)] = uint8_t(0xA5 ^ i);
    WriteBytes(dir.File("scrambled.ssl"), scrambled);
    TBitmap a, b;
    LoadSslPicture(dir.File("plain.ssl"), a);
    LoadSslPicture(dir.File("scrambled.ssl"), b);
    EXPECT_EQ(a.Width(), 50);
    EXPECT_TRUE(SamePixels(a, b));
    TBitmap direct = DecodeJpeg(jpeg.data(), jpeg.size());
    EXPECT_TRUE(SamePixels(a, direct));
}

TEST(SslPicture, KeepsTargetFillColourAndFailsWithoutChangingIt) {
    TempDir dir;
    TBitmap target = RandomBitmap(3, 3, 1);
    target.SetFillColor({1, 2, 3});
    ExpectError([&] { LoadSslPicture(dir.File("none.ssl"), target); }, "Cannot open file " + dir.File("none.ssl") + ": No such file or directory");
    WriteBytes(dir.File("short.ssl"), {1, 2, 3});
    EXPECT_THROW(LoadSslPicture(dir.File("short.ssl"), target), CorvessaError);
    EXPECT_TRUE(SamePixels(target, RandomBitmap(3, 3, 1)));
    WriteBytes(dir.File("ok.ssl"), EncodeJpeg(GradientBitmap(5, 5)));
    LoadSslPicture(dir.File("ok.ssl"), target);
    EXPECT_EQ(target.Width(), 5);
    EXPECT_EQ(target.FillColor(), (Rgb{1, 2, 3}));
}

TEST(PicturePaths, FolderAndFileNamesMatchWithoutRegardToCase) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("pic/lightC"));
    std::filesystem::create_directories(dir.File("pic/edgeA"));
    WriteBytes(dir.File("pic/lightC/3.ssl"), {1});
    WriteBytes(dir.File("pic/edgeA/10.SSL"), {2});
    const FolderPictures pictures(dir.File("pic"));
    for (const char* spelling : {"lightc", "lightC", "LightC", "LIGHTC"})
        EXPECT_EQ(pictures.PathOf({spelling, 3}), dir.File("pic/lightC/3.ssl")) << spelling;
    for (const char* spelling : {"EdgeA", "edgeA", "Edgea"})
        EXPECT_EQ(pictures.PathOf({spelling, 10}), dir.File("pic/edgeA/10.SSL")) << spelling;
    EXPECT_EQ(pictures.PathOf({"Star", 1}), dir.File("pic/Star/1.ssl"));  // missing: as spelled
}
