// The formats the program opens besides JPEG and BMP, made with Debian's
// encoders: decoded as the reference decoders decode them, camera data
// carried into saved photos, limits, broken files.

#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <omp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "camera_jpeg.h"
#include "format_fixtures.h"
#include "io/files.h"
#include "io/heif_codec.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_samples.h"
#include "io/png_codec.h"
#include "io/qt_claims.h"
#include "ground/error.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

std::string TooLarge(int64_t w, int64_t h) {
    return "Picture is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")";
}

class Formats : public ::testing::Test {
protected:
    // Writes `bytes` as `name` and opens it as the user's Open does.
    TBitmap Open(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(dir_.File(name), bytes);
        PhotoMetadata metadata;
        return ReadPhotoUpright(dir_.File(name), metadata);
    }
    // The error opening `bytes` as `name`, without the " — PATH" that must
    // end it.
    std::string Failure(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(dir_.File(name), bytes);
        try {
            ReadPhotoFile(dir_.File(name));
        } catch (const CorvessaError& e) {
            const std::string text = e.what(), ending = " \u2014 " + dir_.File(name);
            EXPECT_TRUE(text.ends_with(ending)) << text;
            return text.ends_with(ending) ? text.substr(0, text.size() - ending.size()) : text;
        }
        return "(no error)";
    }
    static bool IsBroken(const std::string& text) { return text.rfind("Bitmap image is not valid: ", 0) == 0; }

    // What Exiv2 finds in a saved file.
    static Exiv2::Image::AutoPtr Saved(const std::string& path) {
        auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        return image;
    }
    static std::string ExifValue(Exiv2::Image& image, const char* key) {
        auto tag = image.exifData().findKey(Exiv2::ExifKey(key));
        return tag == image.exifData().end() ? "(none)" : tag->toString();
    }
    static std::vector<uint8_t> Profile(Exiv2::Image& image) {
        if (!image.iccProfileDefined()) return {};
        return std::vector<uint8_t>(image.iccProfile()->pData_, image.iccProfile()->pData_ + image.iccProfile()->size_);
    }

    TempDir dir_;
};

// The sizes every decoding check runs at: one pixel, odd sides, a few
// blocks of the codecs.
const std::pair<int, int> kSizes[] = {{1, 1}, {7, 5}, {67, 33}};

}  // namespace

TEST(SampleRules, WorkedExamples) {
    EXPECT_EQ(EightBitSample(0), 0);
    EXPECT_EQ(EightBitSample(128), 0);  // 128 * 255 / 65535 = 0.498
    EXPECT_EQ(EightBitSample(129), 1);  // 0.502
    EXPECT_EQ(EightBitSample(32895), 128);
    EXPECT_EQ(EightBitSample(65406), 254);  // 254.498
    EXPECT_EQ(EightBitSample(65407), 255);
    EXPECT_EQ(EightBitSample(1023, 10), 255);
    EXPECT_EQ(EightBitSample(2, 10), 0);  // 0.499
    EXPECT_EQ(EightBitSample(3, 10), 1);
    EXPECT_EQ(OnWhite(10, 255), 10);
    EXPECT_EQ(OnWhite(10, 0), 255);
    EXPECT_EQ(OnWhite(0, 128), 127);  // 255 * 127 / 255
    EXPECT_EQ(OnWhite(0, 1), 254);
    EXPECT_EQ(OnWhite(100, 200), 133);  // (20000 + 14025) / 255 = 133.4
    EXPECT_EQ(PremultipliedOnWhite(78, 200), 133);  // 100 * 200 / 255 = 78.4
    EXPECT_EQ(PremultipliedOnWhite(201, 200), 255);
}

// --- Decoded as the reference decoders decode -------------------------------

TEST_F(Formats, PngOfEveryKindDecodesAsLibpngDoes) {
    for (auto [w, h] : kSizes)
        for (int channels : {1, 2, 3, 4})
            for (int bits : {8, 16})
                for (bool interlaced : {false, true}) {
                    const std::vector<uint8_t> png = MakePng(MakeSamples(w, h, channels, bits, uint32_t(w)), interlaced);
                    EXPECT_TRUE(SamePixels(Open("p.png", png), Expected(ReadPngSamples(png))))
                        << w << "x" << h << " " << channels << " channels " << bits << " bits interlaced " << interlaced;
                }
    for (int channels : {3, 4}) {
        const std::vector<uint8_t> png = MakePng(MakeSamples(7, 5, channels, 8), false, true);
        EXPECT_TRUE(SamePixels(Open("palette.png", png), Expected(ReadPngSamples(png)))) << channels;
    }
}

TEST_F(Formats, HeicAndAvifDecodeAsHeifConvertDoes) {
    for (bool avif : {false, true})
        for (auto [w, h] : kSizes)
            for (int channels : {3, 4}) {
                HeifOptions options;
                options.avif = avif;
                const std::string name = avif ? "photo.avif" : "photo.heic";
                const std::vector<uint8_t> file = MakeHeif(MakeSamples(w, h, channels, 8), options);
                EXPECT_TRUE(SamePixels(Open(name, file), Expected(HeifConverted(file, avif ? "avif" : "heic"))))
                    << name << " " << w << "x" << h << " " << channels << " channels";
            }
}

TEST_F(Formats, WebpDecodesAsDwebpDoes) {
    for (bool lossless : {false, true})
        for (auto [w, h] : kSizes)
            for (int channels : {3, 4}) {
                const std::vector<uint8_t> webp = MakeWebp(MakeSamples(w, h, channels, 8), lossless);
                EXPECT_TRUE(SamePixels(Open("photo.webp", webp), Expected(DwebpDecoded(webp))))
                    << (lossless ? "lossless " : "lossy ") << w << "x" << h << " " << channels << " channels";
            }
}

TEST_F(Formats, TiffOfEveryKindDecodesAsLibtiffDoes) {
    // Stored samples by the rules; CMYK and palettes as libtiff's own RGBA
    // conversion makes them. (Qt's plugin reads grey with alpha through
    // libtiff's RGBA conversion or as opaque grey, so that kind is left
    // out.)
    for (auto [w, h] : kSizes) {
        for (int channels : {1, 3, 4})
            for (int bits : {8, 16}) {
                const std::vector<uint8_t> tiff = MakeTiff(MakeSamples(w, h, channels, bits, uint32_t(h)));
                EXPECT_TRUE(SamePixels(Open("scan.tif", tiff), Expected(ReadTiffSamples(tiff))))
                    << w << "x" << h << " " << channels << " channels " << bits << " bits";
            }
        const std::vector<uint8_t> cmyk = MakeTiff(MakeSamples(w, h, 4, 8), true);
        EXPECT_TRUE(SamePixels(Open("cmyk.TIFF", cmyk), Expected(ReadTiffRgba(cmyk)))) << w << "x" << h;
        const std::vector<uint8_t> palette = MakePaletteTiff(w, h);
        EXPECT_TRUE(SamePixels(Open("palette.tif", palette), Expected(ReadTiffRgba(palette)))) << w << "x" << h;
    }
}

// --- Turned upright -----------------------------------------------------------

TEST_F(Formats, HeifRotationIsAppliedOnceAndTheExifTagOnlyWithoutOne) {
    const Samples stored = MakeSamples(16, 9, 3, 8);
    HeifOptions turned;
    turned.orientation = 6;  // a quarter turn clockwise, as irot
    turned.exif = CameraExif(6, 16, 9);
    const std::vector<uint8_t> heic = MakeHeif(stored, turned);
    const TBitmap photo = Open("turned.heic", heic);
    EXPECT_EQ(photo.Width(), 9);
    EXPECT_TRUE(SamePixels(photo, Expected(HeifConverted(heic, "heic"))));
    PhotoMetadata metadata;
    WriteBytes(dir_.File("turned.heic"), heic);
    ReadPhotoUpright(dir_.File("turned.heic"), metadata);
    EXPECT_EQ(metadata.Orientation(), 1);
    // Without a HEIF rotation (heif-enc of a phone's JPEG) the Exif tag
    // turns the photo, as it turns a JPEG.
    HeifOptions tagOnly;
    tagOnly.exif = CameraExif(6, 16, 9);
    const std::vector<uint8_t> tagged = MakeHeif(stored, tagOnly);
    WriteBytes(dir_.File("tag.heic"), tagged);
    const TBitmap upright = ReadPhotoUpright(dir_.File("tag.heic"), metadata);
    EXPECT_EQ(metadata.Orientation(), 6);
    EXPECT_TRUE(SamePixels(upright, photo));
}

TEST_F(Formats, PngAndTiffAreTurnedByTheirOrientationTag) {
    const Samples samples = MakeSamples(5, 3, 3, 8);
    const TBitmap stored = Expected(samples);
    TBitmap png = Open("turned.png", EncodePng(stored, {}, CameraExif(6, 5, 3)));
    TBitmap tiff = Open("turned.tif", MakeTiff(samples, false, 6));
    for (const TBitmap* photo : {&png, &tiff}) {
        ASSERT_EQ(photo->Width(), 3);
        EXPECT_EQ(PixelAt(*photo, 2, 0), PixelAt(stored, 0, 0));  // top-left went top-right
        EXPECT_EQ(PixelAt(*photo, 0, 4), PixelAt(stored, 4, 2));
    }
}

// --- Camera data into saved photos ------------------------------------------

TEST_F(Formats, CameraDataOfHeicAvifAndPngReachesASavedJpeg) {
    const Samples samples = MakeSamples(24, 16, 3, 8);
    HeifOptions camera;
    camera.orientation = 8;
    camera.exif = CameraExif(8, 24, 16);
    camera.xmp =
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:title><rdf:Alt>"
        "<rdf:li xml:lang='x-default'>A heron</rdf:li></rdf:Alt></dc:title></rdf:Description></rdf:RDF></x:xmpmeta>";
    camera.iccProfile = RgbIccProfile();
    const std::vector<uint8_t> heic = MakeHeif(samples, camera);
    camera.avif = true;
    const std::vector<uint8_t> avif = MakeHeif(samples, camera);
    const std::vector<uint8_t> png = EncodePng(Expected(samples), RgbIccProfile(), CameraExif(8, 24, 16));
    for (const auto& [name, bytes] : {std::pair{"in.heic", heic}, {"in.avif", avif}, {"in.png", png}}) {
        WriteBytes(dir_.File(name), bytes);
        PhotoMetadata metadata;
        const TBitmap photo = ReadPhotoUpright(dir_.File(name), metadata);
        ASSERT_EQ(photo.Width(), 16) << name;  // turned once
        WriteJpegFileWithMetadata(photo, dir_.File("out.jpg"), metadata);
        auto saved = Saved(dir_.File("out.jpg"));
        EXPECT_EQ(ExifValue(*saved, "Exif.Image.Model"), kTestCameraModel) << name;
        EXPECT_EQ(ExifValue(*saved, "Exif.Photo.DateTimeOriginal"), kTestCaptureDate) << name;
        EXPECT_EQ(ExifValue(*saved, "Exif.Image.Orientation"), "1") << name;
        EXPECT_EQ(ExifValue(*saved, "Exif.Photo.PixelXDimension"), "16") << name;
        EXPECT_EQ(Profile(*saved), RgbIccProfile()) << name;
        if (std::string(name) != "in.png") {
            auto title = saved->xmpData().findKey(Exiv2::XmpKey("Xmp.dc.title"));
            ASSERT_NE(title, saved->xmpData().end()) << name;
            EXPECT_EQ(title->toString(), "lang=\"x-default\" A heron") << name;
        }
    }
}

TEST_F(Formats, SavedPngReadsBackToTheSameBytesWithProfileAndExif) {
    const TBitmap picture = RandomBitmap(37, 19, 5);
    WritePngFile(picture, dir_.File("plain.png"));
    EXPECT_TRUE(SamePixels(ReadPhotoFile(dir_.File("plain.png")), picture));
    // The camera data of an opened PNG goes into the PNG saved from it,
    // orientation reset, dimensions the saved picture's.
    WriteBytes(dir_.File("camera.png"), EncodePng(picture, RgbIccProfile(), CameraExif(6, 37, 19)));
    PhotoMetadata metadata;
    const TBitmap upright = ReadPhotoUpright(dir_.File("camera.png"), metadata);
    WritePictureFileWithMetadata(upright, dir_.File("saved.png"), metadata);
    EXPECT_TRUE(SamePixels(ReadPhotoFile(dir_.File("saved.png")), upright));
    auto saved = Saved(dir_.File("saved.png"));
    EXPECT_EQ(ExifValue(*saved, "Exif.Image.Model"), kTestCameraModel);
    EXPECT_EQ(ExifValue(*saved, "Exif.Image.Orientation"), "1");
    EXPECT_EQ(ExifValue(*saved, "Exif.Photo.PixelXDimension"), "19");
    EXPECT_EQ(Profile(*saved), RgbIccProfile());
    EXPECT_EQ(ReadPhotoMetadata(ReadWholeFile(dir_.File("saved.png"))).Orientation(), 1);
    // A camera JPEG's profile and Exif go into the PNG saved from it.
    WriteBytes(dir_.File("camera.jpg"), CameraJpeg(picture, 1));
    ReadPhotoUpright(dir_.File("camera.jpg"), metadata);
    WritePngFileWithMetadata(picture, dir_.File("fromjpeg.png"), metadata);
    auto fromJpeg = Saved(dir_.File("fromjpeg.png"));
    EXPECT_EQ(Profile(*fromJpeg), IccProfile());
    EXPECT_EQ(ExifValue(*fromJpeg, "Exif.Image.Model"), kTestCameraModel);
}

// --- Limits -------------------------------------------------------------------

namespace {

void PutBig32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
}

// `heif` with its image size properties (libheif writes one for the coded
// and one for the shown picture) claiming `width` x `height`.
std::vector<uint8_t> HeifClaiming(std::vector<uint8_t> heif, uint32_t width, uint32_t height) {
    const std::string box = "ispe";
    for (auto at = heif.begin(); (at = std::search(at, heif.end(), box.begin(), box.end())) != heif.end(); ++at) {
        PutBig32(heif, size_t(at - heif.begin()) + 8, width);
        PutBig32(heif, size_t(at - heif.begin()) + 12, height);
    }
    return heif;
}

// A lossless WebP of the simple kind with its header claiming `width` x
// `height` (at most 16384 each).
std::vector<uint8_t> WebpClaiming(std::vector<uint8_t> webp, uint32_t width, uint32_t height) {
    const uint32_t bits = (width - 1) | (height - 1) << 14;
    for (int i = 0; i < 4; ++i) webp[21 + size_t(i)] = uint8_t((i < 3 ? bits >> (8 * i) : (bits >> 24) | (webp[24] & 0xF0)));
    return webp;
}

}  // namespace

TEST_F(Formats, EveryNewReaderHoldsTheSizeLimitsBeforeDecoding) {
    // 200 megapixels pass the size limit and then fail because the file
    // cannot hold them; one row or column more is too large.
    const std::string heic = "photo.heic", avif = "photo.avif";
    const std::vector<uint8_t> small = MakeHeif(MakeSamples(8, 8, 3, 8));
    // HEIF's sides stop at kMaxHeifSide.
    EXPECT_TRUE(IsBroken(Failure(heic, HeifClaiming(small, 16384, 12207))));  // 199 999 488 pixels
    EXPECT_EQ(Failure(heic, HeifClaiming(small, 16384, 12208)), TooLarge(16384, 12208));
    EXPECT_EQ(Failure(heic, HeifClaiming(small, kMaxHeifSide + 1, 1)), TooLarge(kMaxHeifSide + 1, 1));
    HeifOptions av1;
    av1.avif = true;
    EXPECT_EQ(Failure(avif, HeifClaiming(MakeHeif(MakeSamples(8, 8, 3, 8), av1), 1, 16385)), TooLarge(1, 16385));
    EXPECT_EQ(Open("wide.avif", MakeHeif(MakeSamples(kMaxHeifSide, 8, 3, 8), av1)).Width(), kMaxHeifSide);

    const std::vector<uint8_t> webp = MakeWebp(MakeSamples(8, 8, 3, 8), true);
    ASSERT_EQ(std::string(webp.begin() + 12, webp.begin() + 16), "VP8L");
    EXPECT_TRUE(IsBroken(Failure("photo.webp", WebpClaiming(webp, 16384, 12207))));  // 199 999 488 pixels
    EXPECT_EQ(Failure("photo.webp", WebpClaiming(webp, 16384, 12208)), TooLarge(16384, 12208));

    EXPECT_TRUE(IsBroken(Failure("scan.tif", TiffClaiming(20000, 10000))));
    EXPECT_EQ(Failure("scan.tif", TiffClaiming(20000, 10001)), TooLarge(20000, 10001));
    EXPECT_EQ(Failure("scan.tif", TiffClaiming(65536, 1)), TooLarge(65536, 1));
    // At the side limit a real picture opens.
    Samples wide = MakeSamples(65535, 1, 1, 8);
    EXPECT_EQ(Open("wide.tif", MakeTiff(wide)).Width(), 65535);
    EXPECT_EQ(Failure("wide.png", MakePng(MakeSamples(65536, 1, 1, 8))), TooLarge(65536, 1));
    EXPECT_EQ(Open("wide.png", MakePng(wide)).Width(), 65535);
    EXPECT_TRUE(IsBroken(Failure("claim.png", [] {
        std::vector<uint8_t> png = MakePng(MakeSamples(4, 4, 3, 8));
        PutBig32(png, 16, 20000);
        PutBig32(png, 20, 10000);
        return png;
    }())));
}

// --- Picture data ---------------------------------------------------------------

TEST(PictureDataClaim, HoldsTheClaimToTheBytesOfPictureData) {
    const struct {
        int64_t width, height;
        uint64_t bytes;
        bool holds;
    } cases[] = {
        {7000, 7000, 2991, true},  // 49 megapixels: 16384 pixels a byte at most
        {7000, 7000, 2990, false},
        {10000, 5000, 3052, true},  // 50 megapixels, the last size free of the second rule
        {10000, 5001, 3053, true},  // just above, the first rule still asks more
        {14000, 14000, 2'281'250, true},  // a byte for each 64 pixels beyond 50 megapixels
        {14000, 14000, 2'281'249, false},
        {20000, 10000, 2'343'750, true},
        {20000, 10000, 2'343'749, false},
        {1, 1, 0, false},
    };
    for (const auto& c : cases) {
        const std::string text = ErrorOf([&] { CheckPictureDataClaim(c.width, c.height, c.bytes); });
        const std::string refusal = "Bitmap image is not valid: it claims " + std::to_string(c.width) + " x " +
                                    std::to_string(c.height) + " pixels, more than its " + std::to_string(c.bytes) +
                                    " bytes of picture data can hold";
        EXPECT_EQ(text, c.holds ? "(no error)" : refusal) << c.width << " x " << c.height << ", " << c.bytes;
    }
    EXPECT_EQ(ErrorOf([] { CheckPictureDataClaim(20000, 10001, uint64_t(1) << 40); }), TooLarge(20000, 10001));
}

TEST(PictureDataBytes, OnlyTheBytesTheDecoderReadsPixelsFromCount) {
    // PNG: the IDAT payloads of a file of signature, IHDR, IDAT and IEND.
    const std::vector<uint8_t> png = MakePng(MakeSamples(67, 33, 3, 8));
    const uint64_t idat = png.size() - 8 - 25 - 12 - 12;
    EXPECT_EQ(PngPictureDataBytes(png.data(), png.size()), idat);
    const std::vector<uint8_t> padded = WithPngChunk(WithPngChunk(png, "paDd", 5000), "paDd", 7000, true);
    EXPECT_EQ(PngPictureDataBytes(padded.data(), padded.size()), idat);
    // libpng reads no IDAT after the first run of them.
    const std::vector<uint8_t> late = WithPngChunk(WithPngChunk(png, "paDd", 10, true), "IDAT", 9000, true);
    EXPECT_EQ(PngPictureDataBytes(late.data(), late.size()), idat);
    EXPECT_EQ(PngPictureDataBytes(png.data(), png.size() - 12 - 4 - 100), idat - 100);  // cut in its data

    // WebP: the one chunk of a simple file, within the RIFF size.
    for (bool lossless : {false, true}) {
        const std::vector<uint8_t> webp = MakeWebp(MakeSamples(67, 33, 3, 8), lossless);
        const uint64_t payload = webp[16] | webp[17] << 8 | webp[18] << 16 | uint64_t(webp[19]) << 24;
        EXPECT_EQ(WebpPictureDataBytes(webp.data(), webp.size()), payload) << lossless;
        const std::vector<uint8_t> junk = WithRiffChunk(WithRiffChunk(webp, "JUNK", 12000), "VP8L", 9000);
        EXPECT_EQ(WebpPictureDataBytes(junk.data(), junk.size()), payload) << lossless;
    }
    std::vector<uint8_t> cut = WebpOfNothing(9, 9);
    ASSERT_EQ(cut.size(), 30u);  // RIFF, VP8L and 9 bytes of payload, padded
    cut[4] = 4 + 8 + 5;  // a RIFF size that leaves 5 of them in
    EXPECT_EQ(WebpPictureDataBytes(cut.data(), cut.size()), 5u);
    EXPECT_EQ(WebpPictureDataBytes(png.data(), png.size()), std::nullopt);

    // TIFF: each byte of the strips once, in every byte order and kind.
    for (bool motorola : {false, true})
        for (bool big : {false, true}) {
            const std::vector<uint8_t> shared = TiffSharingStrips(12, 9, 2, motorola, big);
            EXPECT_EQ(TiffPictureDataBytes(shared.data(), shared.size()), 24u) << motorola << big;
            const std::vector<uint8_t> distinct = TiffSharingStrips(12, 9, 9, motorola, big);
            EXPECT_EQ(TiffPictureDataBytes(distinct.data(), distinct.size()), 108u) << motorola << big;
            const std::vector<uint8_t> single = TiffSharingStrips(12, 1, 1, motorola, big);  // values in the entries
            EXPECT_EQ(TiffPictureDataBytes(single.data(), single.size()), 12u) << motorola << big;
        }
    const std::vector<uint8_t> tiff = MakeTiff(MakeSamples(67, 33, 3, 8));
    const std::optional<uint64_t> strips = TiffPictureDataBytes(tiff.data(), tiff.size());
    ASSERT_TRUE(strips.has_value());
    EXPECT_GT(*strips, 1000u);
    EXPECT_LT(*strips, tiff.size());
    EXPECT_EQ(TiffPictureDataBytes(png.data(), png.size()), std::nullopt);
}

TEST_F(Formats, BombsArePaddedInVainAndHonestFilesWithPaddingStillOpen) {
    const std::string noData = "Bitmap image is not valid: it claims 14000 x 14000 pixels, more than its ";
    // 196 megapixels of nothing, made to pass a check of the file's size:
    // a PNG at deflate's best, a WebP of no bits a pixel padded with a
    // junk chunk, a TIFF whose strips all hold the same row.
    const std::pair<std::string, std::vector<uint8_t>> bombs[] = {
        {"blank.png", BlankPng(14000, 14000, 1, 0)},
        {"sparkle.png", BlankPng(14000, 14000, 1, 0, true, true)},
        {"nothing.webp", WithRiffChunk(WebpOfNothing(14000, 14000), "JUNK", 12288)},
        {"shared.tif", TiffSharingStrips(14000, 14000, 1)},
        {"shared-motorola.tif", TiffSharingStrips(14000, 14000, 1, true)},
        {"shared-big.tif", TiffSharingStrips(14000, 14000, 1, false, true)},
    };
    for (const auto& [name, bytes] : bombs) {
        EXPECT_GT(bytes.size() * uint64_t(kMaxPixelsPerFileByte), 14000u * 14000u) << name;  // the old check let it pass
        const std::string text = Failure(name, bytes);
        EXPECT_EQ(text.rfind(noData, 0), 0u) << name << ": " << text;
    }
    // The same kinds of file, honest: the same pixels with padding as without.
    for (bool interlaced : {false, true}) {
        const std::vector<uint8_t> png = MakePng(MakeSamples(67, 33, 4, 8), interlaced);
        EXPECT_TRUE(SamePixels(Open("padded.png", WithPngChunk(WithPngChunk(png, "paDd", 20000), "paDd", 9, true)),
                               Expected(ReadPngSamples(png))))
            << interlaced;
    }
    for (bool lossless : {false, true}) {
        const std::vector<uint8_t> webp = MakeWebp(MakeSamples(67, 33, 4, 8), lossless);
        EXPECT_TRUE(SamePixels(Open("padded.webp", WithRiffChunk(webp, "JUNK", 20000)), Expected(DwebpDecoded(webp))))
            << lossless;
    }
    EXPECT_TRUE(SamePixels(Open("nothing.webp", WithRiffChunk(WebpOfNothing(300, 200), "JUNK", 40)),
                           SolidBitmap(300, 200, {0, 0, 0})));
    for (bool motorola : {false, true})
        for (bool big : {false, true})
            EXPECT_TRUE(SamePixels(Open("shared.tif", TiffSharingStrips(64, 48, 5, motorola, big)),
                                   SharedStripsPicture(64, 48, 5)))
                << motorola << big;
    // A blank picture of a few megapixels opens however little it holds.
    EXPECT_TRUE(SamePixels(Open("blank.png", BlankPng(3000, 2000, 1, 0, true, true)), SolidBitmap(3000, 2000, {0, 0, 0})));
}

namespace {

HeifTile Tile(int width, int height, uint32_t seed = 1) { return TileOf(MakeHeif(MakeSamples(width, height, 3, 8, seed))); }

// `file` with a free box of `bytes` at its end.
std::vector<uint8_t> Padded(std::vector<uint8_t> file, size_t bytes) {
    const size_t at = file.size();
    file.resize(at + 8 + bytes, 0);
    PutBig32(file, at, uint32_t(8 + bytes));
    std::memcpy(&file[at + 4], "free", 4);
    return file;
}

}  // namespace

TEST_F(Formats, HeicGridsDecodeAsHeifConvertDoes) {
    // Odd edges cut from the last row and column; a phone's 8 x 6 tiles of
    // 512 (a few coded tiles used over and over keep the test quick).
    std::vector<HeifTile> small, phone;
    for (uint32_t seed = 1; seed <= 6; ++seed) small.push_back(Tile(64, 64, seed));
    for (uint32_t seed = 1; seed <= 3; ++seed) phone.push_back(Tile(512, 512, seed));
    const HeifGrid grids[] = {{.width = 180, .height = 100, .columns = 3, .rows = 2, .tiles = small},
                              {.width = 4032, .height = 3024, .columns = 8, .rows = 6, .tiles = phone}};
    for (const HeifGrid& grid : grids) {
        const std::vector<uint8_t> file = MakeHeifGrid(grid);
        const TBitmap picture = Open("grid.heic", file);
        EXPECT_EQ(picture.Width(), int(grid.width));
        EXPECT_TRUE(SamePixels(picture, Expected(HeifConverted(file, "heic")))) << grid.width;
    }
}

TEST_F(Formats, HeicGridsCostingMoreThanTheirPictureAreRefused) {
    const HeifTile cell = Tile(64, 64), large = Tile(256, 256);
    HeifTile claimingSmall = large;  // its parameter sets still say 256
    claimingSmall.width = claimingSmall.height = 64;
    const std::string tiles = "its tiles of 256 x 256 are larger than the cells of its grid of ";
    struct Case {
        HeifGrid grid;
        std::string error;  // "" for a grid that opens
    } cases[] = {
        {{.width = 256, .height = 256, .columns = 4, .rows = 4, .tiles = {cell}}, ""},
        {{.width = 256, .height = 256, .columns = 4, .rows = 4, .tiles = {large}}, tiles + "4 x 4 for 256 x 256 pixels"},
        {{.width = 256, .height = 256, .columns = 4, .rows = 4, .tiles = {claimingSmall}}, tiles + "4 x 4 for 256 x 256 pixels"},
        {{.width = 193, .height = 64, .columns = 4, .rows = 1, .tiles = {cell}}, ""},
        {{.width = 192, .height = 64, .columns = 4, .rows = 1, .tiles = {cell}}, "its tiles of 64 x 64 are larger than the cells of its grid of 4 x 1 for 192 x 64 pixels"},
        {{.width = 60, .height = 50, .columns = 1, .rows = 1, .tiles = {cell}}, ""},
        {{.width = 64, .height = 64, .columns = 1, .rows = 1, .tiles = {large}}, tiles + "1 x 1 for 64 x 64 pixels"},
        {{.width = 64, .height = 64, .columns = 1, .rows = 1, .tiles = {cell}, .references = 2}, "its 2 tiles hold more than its 64 x 64 pixels"},
        {{.width = 64, .height = 64, .columns = 1, .rows = 1, .tiles = {cell}, .references = 4097}, "it has more than 4096 items"},
        {{.width = 64, .height = 64, .columns = 1, .rows = 1, .tiles = {cell}, .otherItems = 4095}, "it has more than 4096 items"},
        {{.width = 64, .height = 64, .columns = 1, .rows = 1, .tiles = {cell}, .otherItems = 4094}, ""},
    };
    for (const auto& [grid, error] : cases) {
        const std::string text = Failure("grid.heic", MakeHeifGrid(grid));
        if (error.empty())
            EXPECT_EQ(text, "(no error)");
        else
            EXPECT_EQ(text, "Bitmap image is not valid: " + error);
    }
    // Tiles a little larger than the picture are cut.
    EXPECT_EQ(Open("cut.heic", MakeHeifGrid(cases[3].grid)).Width(), 193);
    EXPECT_EQ(Open("cut.heic", MakeHeifGrid(cases[5].grid)).Height(), 50);
}

TEST_F(Formats, OnlyPictureDataCountsTowardsWhatAHeifFileCanHold) {
    // An 8 x 8 picture claiming 2000 x 2000 needs 245 bytes of picture
    // data; padding does not count.
    const std::vector<uint8_t> small = MakeHeif(MakeSamples(8, 8, 3, 8));
    const std::string text = Failure("photo.heic", Padded(HeifClaiming(small, 2000, 2000), 20000));
    EXPECT_TRUE(text.find("it claims 2000 x 2000 pixels, more than its") != std::string::npos) << text;
    EXPECT_EQ(Open("padded.heic", Padded(small, 20000)).Width(), 8);
    // Beyond 50 megapixels a byte of picture data for every 64 pixels: 100
    // kB of tiles do not make 196 megapixels however much the file is
    // padded, 3 MB would.
    const HeifTile tile = Tile(512, 512);
    ASSERT_GT(tile.data.size() * 16384, size_t(16384) * 12000);
    ASSERT_LT(tile.data.size() * 64, size_t(16384) * 12000);
    HeifGrid huge{.width = 16384, .height = 12000, .columns = 32, .rows = 24, .tiles = {tile}, .padding = 4 << 20};
    EXPECT_EQ(Failure("huge.heic", MakeHeifGrid(huge)),
              "Bitmap image is not valid: it claims 16384 x 12000 pixels, more than its " + std::to_string(tile.data.size()) +
                  " bytes of picture data can hold");
    huge.width = huge.height = 7000;  // 49 megapixels
    huge.columns = huge.rows = 14;
    EXPECT_EQ(Failure("big.heic", MakeHeifGrid(huge)), "(no error)");
}

namespace {

// How DecodeHeif ends in a child process allowed `extra` bytes of address
// space beyond what it has: 0 for `expected`, 1 for "Not enough memory for
// the picture", 2 for anything else (a hang ends by the alarm).
int DecodeWithin(const std::vector<uint8_t>& file, const TBitmap& expected, size_t extra) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(120);
        omp_set_num_threads(1);  // the parent's OpenMP threads are not in the child
        std::ifstream statm("/proc/self/statm");
        long pages = 0;
        statm >> pages;
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + rlim_t(extra);
        setrlimit(RLIMIT_AS, &limit);
        const std::string error = ErrorOf([&] {
            if (!SamePixels(DecodeHeif(file.data(), file.size()), expected)) std::_Exit(3);
        });
        if (error == "(no error)") std::_Exit(0);
        if (error == "Not enough memory for the picture") std::_Exit(1);
        std::fprintf(stderr, "%s\n", error.c_str());
        std::_Exit(2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST_F(Formats, HeicTheMachineCannotHoldSaysSoAtEveryLimit) {
    // libheif said "Unsupported color conversion" or "Decoder plugin
    // generated an error" when an allocation failed, and a tiled picture
    // could hang; now each limit gives the picture or the user's words.
    std::vector<HeifTile> tiles;
    for (uint32_t seed = 1; seed <= 2; ++seed) tiles.push_back(Tile(256, 256, seed));
    const std::vector<uint8_t> files[] = {
        MakeHeif(MakeSamples(1200, 900, 3, 8)),
        MakeHeifGrid({.width = 1200, .height = 900, .columns = 5, .rows = 4, .tiles = tiles}),
    };
    for (const std::vector<uint8_t>& file : files) {
        const TBitmap expected = DecodeHeif(file.data(), file.size());
        int refused = 0;
        for (size_t megabytes = 0; megabytes <= 200; megabytes += 10) {
            const int result = DecodeWithin(file, expected, megabytes << 20);
            EXPECT_TRUE(result == 0 || result == 1) << megabytes << " MB: " << result;
            refused += result == 1;
        }
        EXPECT_GT(refused, 0);
        EXPECT_EQ(DecodeWithin(file, expected, size_t(600) << 20), 0);
    }
}

// --- Broken files -------------------------------------------------------------

TEST_F(Formats, TruncatedAndCorruptFilesOfEveryFormatSayWhatIsWrong) {
    const Samples samples = MakeSamples(67, 33, 3, 8);
    HeifOptions av1;
    av1.avif = true;
    const std::pair<std::string, std::vector<uint8_t>> files[] = {
        {"photo.heic", MakeHeif(samples)},           {"photo.avif", MakeHeif(samples, av1)},
        {"photo.png", MakePng(samples)},             {"photo.webp", MakeWebp(samples, false)},
        {"lossless.webp", MakeWebp(samples, true)},  {"scan.tif", MakeTiff(samples)},
    };
    for (const auto& [name, good] : files) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + ptrdiff_t(good.size() / 2));
        const std::string text = Failure(name, cut);
        EXPECT_TRUE(IsBroken(text)) << name << ": " << text;
        EXPECT_GT(text.size(), std::string("Bitmap image is not valid: ").size() + 8) << name << ": " << text;
        // Noise over the whole picture data: a clear message or a picture,
        // never anything else.
        std::vector<uint8_t> noisy = good;
        for (size_t i = noisy.size() / 3; i < noisy.size(); i += 5) noisy[i] ^= 0x5A;
        const std::string noise = Failure(name, noisy);
        EXPECT_TRUE(noise == "(no error)" || IsBroken(noise) || noise.rfind("Picture is too large (", 0) == 0)
            << name << ": " << noise;
    }
}

TEST_F(Formats, JpegThatEndsEarlyOpensWithAWarning) {
    std::vector<uint8_t> jpeg = EncodeJpeg(RandomBitmap(96, 64, 3));
    WriteBytes(dir_.File("whole.jpg"), jpeg);
    jpeg.resize(jpeg.size() / 2);
    WriteBytes(dir_.File("cut.jpg"), jpeg);
    PhotoMetadata metadata;
    std::string warning = "stale";
    EXPECT_EQ(ReadPhotoUpright(dir_.File("whole.jpg"), metadata, &warning).Height(), 64);
    EXPECT_EQ(warning, "");
    const TBitmap cut = ReadPhotoUpright(dir_.File("cut.jpg"), metadata, &warning);
    EXPECT_EQ(cut.Height(), 64);
    EXPECT_EQ(warning, "The file is incomplete: its lower part is missing \u2014 " + dir_.File("cut.jpg"));
    // As libjpeg decodes it: the same picture as without the warning.
    EXPECT_TRUE(SamePixels(cut, DecodeJpeg(jpeg.data(), jpeg.size())));
}
