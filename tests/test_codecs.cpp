// Camera raws, JPEG XL, and the WebP, HEIC, AVIF and JPEG XL writers:
// decoded as the libraries' own tools decode them, camera data carried,
// sizes refused before anything is allocated.

#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <functional>
#include <string>

#include "camera_jpeg.h"
#include "codec_fixtures.h"
#include "format_fixtures.h"
#include "ground/error.h"
#include "io/heif_codec.h"
#include "io/jxl_codec.h"
#include "io/orientation.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/raw_codec.h"
#include "io/webp_writer.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// The largest difference a lossy writer at its own quality leaves on a
// small gradient; libjxl's faster effort (kJxlEffort) keeps a little less.
int MostDifference(const std::string& format) { return format == "jxl" ? 18 : 12; }

std::string TooLarge(int64_t w, int64_t h) {
    return "Picture is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")";
}

std::string Refusal(const std::function<void()>& call) {
    try {
        call();
    } catch (const CorvessaError& e) {
        return e.what();
    }
    return "";
}

// The value of an Exif tag of a TIFF-structured block, "" when absent.
std::string ExifTag(const std::vector<uint8_t>& block, const char* key) {
    Exiv2::ExifData exif;
    if (block.empty()) return "";
    Exiv2::ExifParser::decode(exif, block.data(), uint32_t(block.size()));
    const auto tag = exif.findKey(Exiv2::ExifKey(key));
    return tag == exif.end() ? "" : tag->toString();
}

PhotoMetadata MetadataOf(const std::vector<uint8_t>& file) { return ReadPhotoMetadata(file); }

}  // namespace

// --- Camera raws ------------------------------------------------------------

TEST(RawCodec, DngDevelopsAsDcrawEmuDoesUprightAndAtHalfSize) {
    for (int orientation : {1, 3, 6, 8})
        for (bool half : {false, true}) {
            const std::vector<uint8_t> dng = MakeDng({.orientation = orientation});
            const TBitmap ours = half ? DecodeRawHalfSize(dng.data(), dng.size()) : DecodeRaw(dng.data(), dng.size());
            const TBitmap reference = DcrawDeveloped(dng, half);
            SCOPED_TRACE("orientation " + std::to_string(orientation) + (half ? ", half" : ""));
            const bool turned = orientation >= 5;
            EXPECT_EQ(ours.Width(), (turned ? 32 : 48) / (half ? 2 : 1));
            EXPECT_TRUE(SamePixels(ours, reference)) << MaxDifference(ours, reference);
        }
}

TEST(RawCodec, CameraDataIsKeptWithoutTheRawsStructureAndUpright) {
    const std::vector<uint8_t> dng = MakeDng({.orientation = 6});
    const PhotoMetadata metadata = ReadRawMetadata(dng.data(), dng.size());
    EXPECT_EQ(metadata.Orientation(), 1);  // DecodeRaw turned the pixels
    const SavedMetadataBlocks blocks = SavedBlocks(metadata, 32, 48);
    EXPECT_EQ(ExifTag(blocks.exif, "Exif.Image.Make"), kTestRawMake);
    EXPECT_EQ(ExifTag(blocks.exif, "Exif.Image.Model"), kTestRawModel);
    EXPECT_EQ(ExifTag(blocks.exif, "Exif.Image.StripOffsets"), "");
    EXPECT_EQ(ExifTag(blocks.exif, "Exif.Image.CFAPattern"), "");
}

TEST(RawCodec, SizesAreRefusedBeforeLibRawAllocatesAndHonestRawsOpen) {
    struct Case {
        DngOptions dng;
        std::string error;  // "" opens
    } cases[] = {
        {{}, ""},
        {{.width = 64, .height = 48, .orientation = 8}, ""},
        {{.claimWidth = 20000, .claimHeight = 15000}, TooLarge(20000, 15000)},
        {{.claimWidth = 12000, .claimHeight = 12000}, "Bitmap image is not valid: it claims 12000 x 12000 pixels"},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> dng = MakeDng(c.dng);
        const std::string decoded = Refusal([&] { DecodeRaw(dng.data(), dng.size()); });
        const std::string head = Refusal([&] { CheckRawStart(dng.data(), std::min<size_t>(dng.size(), 4096), dng.size()); });
        EXPECT_TRUE(decoded.starts_with(c.error) && (c.error.empty() == decoded.empty())) << decoded;
        EXPECT_TRUE(head.starts_with(c.error) && (c.error.empty() == head.empty())) << head;
    }
    const std::vector<uint8_t> png = MakePng(MakeSamples(30, 30, 3, 8));
    EXPECT_EQ(Refusal([&] { CheckRawStart(png.data(), png.size(), png.size()); }),
              "Bitmap image is not valid: it is not a camera raw file");
    // A colour filter pattern said to lie past the end (LibRaw 0.20 would
    // read it from memory it never filled).
    std::vector<uint8_t> pastTheEnd = MakeDng();
    const uint8_t cfaPattern[] = {0x8E, 0x82, 1, 0, 4, 0, 0, 0};
    const auto entry = std::search(pastTheEnd.begin(), pastTheEnd.end(), std::begin(cfaPattern), std::end(cfaPattern));
    ASSERT_NE(entry, pastTheEnd.end());
    entry[4] = 36, entry[8] = 0, entry[9] = 1, entry[10] = 1, entry[11] = 2;
    EXPECT_EQ(Refusal([&] { DecodeRaw(pastTheEnd.data(), pastTheEnd.size()); }),
              "Bitmap image is not valid: its tag 33422 lies past the end of the file");
    std::vector<uint8_t> cut = MakeDng();
    cut.resize(cut.size() / 2);
    EXPECT_TRUE(Refusal([&] { DecodeRaw(cut.data(), cut.size()); }).starts_with("Bitmap image is not valid: "));
}

namespace {

// `tiff` (little-endian, its first directory at 8) with the field `tag`
// said to be of `type`.
std::vector<uint8_t> WithFieldType(std::vector<uint8_t> tiff, uint16_t tag, uint16_t type) {
    const size_t count = tiff[8] | tiff[9] << 8;
    for (size_t e = 10; e < 10 + 12 * count; e += 12)
        if ((tiff[e] | tiff[e + 1] << 8) == tag) tiff[e + 2] = uint8_t(type), tiff[e + 3] = uint8_t(type >> 8);
    return tiff;
}

}  // namespace

TEST(RawCodec, LosslessJpegTilesMustHoldWhatTheyClaim) {
    // LibRaw decodes each tile by its own JPEG frame header, reading zeros
    // past the data: 196 megapixels of one shared tile took 20 s and 3.1 GB.
    // It reads tile offsets of any type.
    const LosslessDngOptions huge = {.tileSide = 256, .claimWidth = 14000, .claimHeight = 14000};
    const struct {
        std::string name;
        std::vector<uint8_t> dng;
        std::string error;  // "" opens
    } cases[] = {
        {"tiles", MakeLosslessDng(), ""},
        {"tiles of 48", MakeLosslessDng({.width = 100, .height = 60, .tileSide = 48}), ""},
        {"tiles past the head", MakeLosslessDng({.width = 1024, .height = 768, .tileSide = 256}), ""},
        {"196 megapixels of one tile", MakeLosslessDng(huge),
         "Bitmap image is not valid: it claims 14000 x 14000 pixels, more than its 8"},
        {"tile offsets of no type", WithFieldType(MakeLosslessDng(huge), 324, 185),
         "Bitmap image is not valid: it claims 14000 x 14000 pixels, more than its 8"},
        {"a tile claiming more than it holds", MakeLosslessDng({.firstTileClaims = 4000}),
         "Bitmap image is not valid: its tile 1 codes more pixels than the tile holds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string decoded = Refusal([&] { DecodeRaw(c.dng.data(), c.dng.size()); });
        EXPECT_TRUE(decoded.starts_with(c.error) && c.error.empty() == decoded.empty()) << decoded;
        // Judged from the whole file, and from its first 64 KB as Open does.
        for (const size_t headBytes : {c.dng.size(), std::min<size_t>(c.dng.size(), 65536)}) {
            const std::string head = Refusal([&] { CheckRawStart(c.dng.data(), headBytes, c.dng.size()); });
            EXPECT_TRUE(head.starts_with(c.error) && c.error.empty() == head.empty()) << head;
        }
        if (c.error.empty()) {
            EXPECT_TRUE(SamePixels(DecodeRaw(c.dng.data(), c.dng.size()), DcrawDeveloped(c.dng, false)));
        }
    }
    EXPECT_LT(cases[3].dng.size(), 40'000u);
}

TEST(RawCodec, ShortOfMemoryItSaysSoWhateverTheLimit) {
    // LibRaw short of memory said "Unknown error code" or made no picture.
    const std::vector<uint8_t> dng = MakeDng({.width = 3000, .height = 2000});
    int refusals = 0;
    for (const uint64_t megabytes : {20, 40, 60, 80, 400}) {
        const std::string error = ErrorWithLittleMemory([&] { DecodeRaw(dng.data(), dng.size()); }, megabytes);
        refusals += error == "Not enough memory for the picture";
        EXPECT_TRUE(error == "Not enough memory for the picture" || error == "(no error)") << megabytes << " MB: " << error;
    }
    EXPECT_GT(refusals, 0);
    EXPECT_LT(refusals, 5);
}

// --- JPEG XL ----------------------------------------------------------------

TEST(JxlCodec, EveryKindDecodesAsItsSamplesWithAlphaFlattened) {
    for (int channels : {1, 2, 3, 4})
        for (int bits : {8, 16}) {
            const Samples samples = MakeSamples(21, 13, channels, bits);
            const std::vector<uint8_t> jxl = MakeJxl(samples);
            EXPECT_TRUE(SamePixels(DecodeJxl(jxl.data(), jxl.size()), Expected(samples))) << channels << " x " << bits;
        }
}

TEST(JxlCodec, TheCodestreamsOrientationIsAppliedAndTheExifTagIsNot) {
    const Samples samples = MakeSamples(9, 5, 3, 8);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        // The Exif tag says otherwise; the codestream's orientation counts.
        const std::vector<uint8_t> jxl = MakeJxl(samples, {.orientation = orientation, .exif = CameraExif(3, 9, 5), .xmp = {}});
        TBitmap expected = Expected(samples);
        ApplyOrientation(expected, orientation);
        EXPECT_TRUE(SamePixels(DecodeJxl(jxl.data(), jxl.size()), expected)) << orientation;
        const PhotoMetadata metadata = MetadataOf(jxl);
        EXPECT_EQ(metadata.Orientation(), 1);
        EXPECT_EQ(ExifTag(SavedBlocks(metadata, 9, 5).exif, "Exif.Image.Model"), kTestCameraModel);
    }
    const std::string xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
                            "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' dc:format='heron'/>"
                            "</rdf:RDF></x:xmpmeta>";
    const std::vector<uint8_t> withXmp = MakeJxl(samples, {.exif = {}, .xmp = xmp});
    EXPECT_NE(SavedBlocks(ReadJxlMetadata(withXmp.data(), withXmp.size()), 9, 5).xmp.find("heron"), std::string::npos);
}

TEST(JxlCodec, SizesAreRefusedBeforeAllocationAndHonestFilesOpen) {
    const std::vector<uint8_t> honest = MakeJxl(MakeSamples(30, 20, 3, 8));
    EXPECT_EQ(Refusal([&] { CheckJxlStart(honest.data(), honest.size(), honest.size()); }), "");
    EXPECT_EQ(DecodeJxl(honest.data(), honest.size()).Width(), 30);
    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {JxlHeaderClaiming(70000, 70000), TooLarge(70000, 70000)},
        {JxlHeaderClaiming(12000, 12000), "Bitmap image is not valid: it claims 12000 x 12000 pixels"},
        {JxlHeaderClaiming(64, 48), "Bitmap image is not valid: libjxl cannot decode it"},
        {std::vector<uint8_t>(honest.begin(), honest.begin() + ptrdiff_t(honest.size() / 2)), "Bitmap image is not valid: "},
        {MakePng(MakeSamples(4, 4, 3, 8)), "Bitmap image is not valid: it is not a JPEG XL file"},
    };
    for (const auto& [bytes, error] : cases)
        EXPECT_TRUE(Refusal([&] { DecodeJxl(bytes.data(), bytes.size()); }).starts_with(error)) << error;
    // The head check refuses the claims that cannot fit the file's size.
    const std::vector<uint8_t> huge = JxlHeaderClaiming(12000, 12000);
    EXPECT_TRUE(Refusal([&] { CheckJxlStart(huge.data(), huge.size(), 1000); }).starts_with("Bitmap image is not valid: it claims"));
    EXPECT_EQ(Refusal([&] { CheckJxlStart(huge.data(), huge.size(), 100'000'000); }), "");
}

TEST(JxlCodec, TheFirstPictureIsTheBlendOfItsLayersAndTooManyLayersAreRefused) {
    // libjxl decodes every layer at its size before the first picture is
    // whole: 500 layers in 70 KB took 40 s. Beyond 50 megapixels in all,
    // layers must bring a byte of data for every 64 pixels, as a picture
    // must.
    const struct {
        int side, layers, resampling;
        std::string error;  // "" opens as libjxl blends it
    } cases[] = {
        {40, 1, 1, ""},
        {40, 5, 1, ""},
        {40, 256, 1, ""},
        {40, 257, 1, "Bitmap image is not valid: its first picture is made of more than 256 layers"},
        {400, 4, 8, ""},
        {2400, 10, 8, "Bitmap image is not valid: its layers claim "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.layers) + " layers of " + std::to_string(c.side));
        const std::vector<uint8_t> jxl = MakeLayeredJxl(c.side, c.side, c.layers, c.resampling);
        const std::string error = Refusal([&] { DecodeJxl(jxl.data(), jxl.size()); });
        EXPECT_TRUE(error.starts_with(c.error) && c.error.empty() == error.empty()) << error;
        if (c.error.empty()) {
            EXPECT_TRUE(SamePixels(DecodeJxl(jxl.data(), jxl.size()), LibraryDecoded(jxl, "jxl")));
        }
    }
}

TEST(JxlCodec, QualityMapsToDistanceAsCjxlDoes) {
    EXPECT_EQ(JxlDistance(100), 0.0f);
    EXPECT_FLOAT_EQ(JxlDistance(90), 1.0f);
    EXPECT_FLOAT_EQ(JxlDistance(30), 6.4f);
    EXPECT_FLOAT_EQ(JxlDistance(20), 7.4f);
    EXPECT_FLOAT_EQ(JxlDistance(1), 25.0f);  // libjxl's largest
    const TBitmap picture = RandomBitmap(19, 11, 4);
    const std::vector<uint8_t> lossless = EncodeJxl(picture, PhotoMetadata(), 100);
    EXPECT_TRUE(SamePixels(DecodeJxl(lossless.data(), lossless.size()), picture));
}

// --- Writers ----------------------------------------------------------------

TEST(Writers, EveryFormatKeepsThePictureAndTheCameraDataUpright) {
    using Encoder = std::function<std::vector<uint8_t>(const TBitmap&, const PhotoMetadata&)>;
    const std::pair<std::string, Encoder> writers[] = {
        {"webp", [](const TBitmap& p, const PhotoMetadata& m) { return EncodeWebp(p, m); }},
        {"heic", [](const TBitmap& p, const PhotoMetadata& m) { return EncodeHeic(p, m); }},
        {"avif", [](const TBitmap& p, const PhotoMetadata& m) { return EncodeAvif(p, m); }},
        {"jxl", [](const TBitmap& p, const PhotoMetadata& m) { return EncodeJxl(p, m); }},
    };
    const TBitmap picture = GradientBitmap(64, 48);
    const PhotoMetadata phone = MetadataOf(RichCameraJpeg(picture, 6));
    ASSERT_EQ(phone.Orientation(), 6);
    const std::vector<uint8_t> dng = MakeDng();
    const PhotoMetadata raw = ReadRawMetadata(dng.data(), dng.size());
    for (const auto& [format, encode] : writers) {
        SCOPED_TRACE(format);
        // Sides that 4:2:0 chroma does not halve evenly.
        const TBitmap odd = LibraryDecoded(encode(SolidBitmap(33, 17, {200, 120, 40}), PhotoMetadata()), format);
        EXPECT_EQ(odd.Width(), 33);
        EXPECT_EQ(odd.Height(), 17);
        const std::vector<uint8_t> file = encode(picture, phone);
        // libjxl gives the values of a profile it has no encoding for as
        // linear sRGB (DecodeJxl turns them back, as the colour tests
        // show): its own values are held to an sRGB file's.
        const TBitmap decoded =
            LibraryDecoded(format == "jxl" ? encode(picture, phone.WithColour(ColourProfile())) : file, format);
        ASSERT_EQ(decoded.Width(), 64);
        ASSERT_EQ(decoded.Height(), 48);
        EXPECT_LE(MaxDifference(decoded, picture), MostDifference(format));
        const std::vector<uint8_t> exif = LibraryExif(file, format);
        EXPECT_EQ(ExifTag(exif, "Exif.Image.Model"), kTestCameraModel);
        EXPECT_EQ(ExifTag(exif, "Exif.Image.Orientation"), "1");
        EXPECT_EQ(ExifTag(exif, "Exif.Photo.PixelXDimension"), "64");
        // XMP and the profile, as our readers find them (a JPEG XL's
        // profile is in its codestream, and comes with its picture).
        const SavedMetadataBlocks again = SavedBlocks(MetadataOf(file), 64, 48);
        EXPECT_NE(again.xmp.find("A heron"), std::string::npos);
        EXPECT_EQ(again.xmp.find("Orientation=\"6\""), std::string::npos);
        if (format != "jxl") {
            EXPECT_EQ(again.iccProfile, IccProfile());
        }
        const std::vector<uint8_t> fromRaw = LibraryExif(encode(picture, raw), format);
        EXPECT_EQ(ExifTag(fromRaw, "Exif.Image.Make"), kTestRawMake);
        EXPECT_EQ(ExifTag(fromRaw, "Exif.Image.Model"), kTestRawModel);
        EXPECT_FALSE(encode(picture, PhotoMetadata()).empty());
    }
}

TEST(Writers, ShortOfMemoryTheySaySoAndUnderALimitTheyStillWrite) {
    // Out of memory inside them, x265 crashed or waited for ever, aom
    // crashed and libjxl aborted the process. Under a limit on address
    // space they work on the caller's thread alone.
    using Encoder = std::function<std::vector<uint8_t>(const TBitmap&)>;
    const std::pair<std::string, Encoder> writers[] = {
        {"HEIC", [](const TBitmap& p) { return EncodeHeic(p, PhotoMetadata()); }},
        {"AVIF", [](const TBitmap& p) { return EncodeAvif(p, PhotoMetadata()); }},
        {"WebP", [](const TBitmap& p) { return EncodeWebp(p, PhotoMetadata()); }},
        {"JPEG XL", [](const TBitmap& p) { return EncodeJxl(p, PhotoMetadata()); }},
        {"JPEG XL", [](const TBitmap& p) { return EncodeJxl(p, PhotoMetadata(), 100); }},
    };
    const TBitmap large = GradientBitmap(3000, 2000), small = GradientBitmap(320, 240);
    for (const auto& [name, encode] : writers) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ErrorWithLittleMemory([&] { encode(large); }, 60), "Not enough memory to save as " + name);
        EXPECT_EQ(ErrorWithLittleMemory([&] {
                      if (LibraryDecoded(encode(small), name == "JPEG XL" ? "jxl" : name == "WebP" ? "webp" : "heic").Width() != 320)
                          throw CorvessaError("a picture of another size");
                  }, 400),
                  "(no error)");
    }
}

TEST(Writers, SidesTheFormatCannotHoldAreRefusedAndTheLargestAreWritten) {
    const TBitmap wideWebp = SolidBitmap(16384, 1, {1, 2, 3});
    EXPECT_EQ(Refusal([&] { EncodeWebp(wideWebp, PhotoMetadata()); }),
              "Picture is too large for WebP (16384 x 1): save it as PNG or JPEG");
    EXPECT_EQ(LibraryDecoded(EncodeWebp(SolidBitmap(16383, 1, {1, 2, 3}), PhotoMetadata()), "webp").Width(), 16383);
    const TBitmap wideHeif = SolidBitmap(1, kMaxHeifSide + 1, {1, 2, 3});
    EXPECT_EQ(Refusal([&] { EncodeHeic(wideHeif, PhotoMetadata()); }),
              "Picture is too large for HEIF (1 x 16385): save it as PNG or JPEG");
    EXPECT_TRUE(CanEncodeHeif(HeifCoding::kHevc));
    EXPECT_TRUE(CanEncodeHeif(HeifCoding::kAv1));
    EXPECT_EQ(Refusal([&] { EncodeJxl(TBitmap(), PhotoMetadata()); }), "Stream write error: the picture is empty");
}

namespace {

// Open and Save as the window and corvessa-render use them, through the
// format table: a raw named in capitals opens developed and upright once,
// with its camera data, and every new save format is written by its
// extension and opens again with the picture and the camera's name.
TEST(NewFormats, OpenAndSaveGoThroughTheTableByExtension) {
    TempDir dir;
    const std::vector<uint8_t> dng = MakeDng({.orientation = 6});
    const TBitmap developed = DcrawDeveloped(dng, false);
    PhotoMetadata metadata;
    // A DNG is a TIFF, which Qt's reader refuses: one named as a TIFF (or
    // anything else) opens as a raw by its DNGVersion tag.
    for (const char* name : {"shot.tif", "shot.jpg", "shot.DNG"}) {
        SCOPED_TRACE(name);
        WriteBytes(dir.File(name), dng);
        const TBitmap photo = ReadPhotoUpright(dir.File(name), metadata);
        EXPECT_TRUE(SamePixels(photo, developed));
        EXPECT_EQ(metadata.Orientation(), 1);
        EXPECT_EQ(ExifTag(SavedBlocks(metadata, photo.Width(), photo.Height()).exif, "Exif.Image.Model"), kTestRawModel);
    }

    const TBitmap picture = GradientBitmap(64, 48);
    for (const char* extension : {"heic", "avif", "webp", "jxl"}) {
        SCOPED_TRACE(extension);
        const std::string path = dir.File(std::string("saved.") + extension);
        WritePictureFileWithMetadata(picture, path, metadata);
        PhotoMetadata again;
        const TBitmap saved = ReadPhotoUpright(path, again);
        ASSERT_EQ(saved.Width(), 64);
        EXPECT_LE(MaxDifference(saved, picture), MostDifference(extension));
        EXPECT_EQ(ExifTag(SavedBlocks(again, 64, 48).exif, "Exif.Image.Model"), kTestRawModel);
    }
}

}  // namespace
