// Writes the seed corpus of every fuzz target into the folder given as the
// only argument: small valid pictures of each kind the readers meet.
#include <filesystem>
#include <string>

#include "camera_jpeg.h"
#include "colour_fixtures.h"
#include "codec_fixtures.h"
#include "format_fixtures.h"
#include "io/bmp_codec.h"
#include "io/jpeg_codec.h"
#include "io/jxl_codec.h"
#include "io/photo_metadata.h"
#include "io/png_codec.h"
#include "jpeg_fixtures.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// A grey progressive stream of nothing but `scans` empty DC scans.
std::vector<uint8_t> EmptyScans(int scans) {
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xDB, 0, 67, 0};
    b.insert(b.end(), 64, 1);
    b.insert(b.end(), {0xFF, 0xC2, 0, 11, 8, 0, 16, 0, 16, 1, 1, 0x11, 0, 0xFF, 0xC4, 0, 20, 0x00, 1});
    b.insert(b.end(), 16, 0);
    for (int i = 0; i < scans; ++i) b.insert(b.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0x00, 0, 0, 0});
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path root(argv[1]);
    for (const char* target : {"jpeg", "bmp", "reader", "ssl", "render", "metadata", "heif", "qtformats", "png", "raw", "jxl", "cube", "helper"})
        std::filesystem::create_directories(root / target);
    auto put = [&](const char* target, const std::string& name, std::vector<uint8_t> bytes, int nameByte = -1) {
        if (nameByte >= 0) bytes.insert(bytes.begin(), uint8_t(nameByte));
        WriteBytes((root / target / name).string(), bytes);
    };
    const auto text = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    put("cube", "identity3d.cube", text(CubeText(3, true, SameColour, "TITLE \"Same\"\n# a comment\n\n")));
    put("cube", "invert3d.cube", text(CubeText(2, true, InvertedColour, "DOMAIN_MIN 0 0 0\nDOMAIN_MAX 1 1 1\n")));
    put("cube", "curve1d.cube", text(CubeText(16, false, InvertedColour, "TITLE \"Curve\"\r\n")));
    put("cube", "range.cube", text(CubeText(2, true, SameColour, "LUT_3D_INPUT_RANGE -0.1 1.2\n")));
    const TBitmap picture = GradientBitmap(24, 17);
    const std::pair<const char*, std::vector<uint8_t>> jpegs[] = {
        {"colour.jpg", EncodeJpeg(picture)},
        {"grey.jpg", MakeJpeg(picture, JpegKind::kGrey)},
        {"cmyk.jpg", MakeJpeg(picture, JpegKind::kAdobeCmyk)},
        {"progressive.jpg", MakeJpeg(picture, JpegKind::kProgressive)},
        {"tiny.jpg", EncodeJpeg(GradientBitmap(1, 1))},
        {"arithmetic.jpg", MakeJpeg(picture, JpegKind::kArithmetic)},
    };
    for (const auto& [name, bytes] : jpegs) {
        put("jpeg", name, bytes);
        put("ssl", name, bytes);
        put("render", name, bytes);
        put("reader", name, bytes, 0);
    }
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const std::string name = "depth" + std::to_string(bits) + ".bmp";
        put("bmp", name, MakeBmp(9, 5, bits));
        put("reader", name, MakeBmp(9, 5, bits), 2);
    }
    put("bmp", "ours.bmp", EncodeBmp(picture));
    put("jpeg", "empty-scans.jpg", EmptyScans(12));
    // CMYK through its profile, Adobe's inverted inks and plain ones.
    put("jpeg", "cmyk-profile.jpg", MakeJpeg(picture, JpegKind::kCmyk, 90, CmykIccProfile()));
    put("jpeg", "adobe-cmyk-profile.jpg", MakeJpeg(picture, JpegKind::kAdobeCmyk, 90, CmykIccProfile()));
    put("metadata", "adobe-cmyk-profile.jpg", MakeJpeg(picture, JpegKind::kAdobeCmyk, 90, CmykIccProfile()));
    put("metadata", "camera-upright.jpg", CameraJpeg(picture, 1));
    put("metadata", "camera-turned.jpg", CameraJpeg(picture, 8));
    put("metadata", "rich.jpg", RichCameraJpeg(picture, 6));

    // HEIF and AVIF (name byte 0 and 1), with and without alpha, turned,
    // with camera data.
    HeifOptions camera;
    camera.orientation = 6;
    camera.exif = CameraExif(6, 24, 17);
    camera.xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>";
    camera.iccProfile = RgbIccProfile();
    put("heif", "colour.heic", MakeHeif(MakeSamples(24, 17, 3, 8)), 0);
    put("heif", "alpha.heic", MakeHeif(MakeSamples(9, 5, 4, 8)), 0);
    put("heif", "camera.heic", MakeHeif(MakeSamples(24, 17, 3, 8), camera), 0);
    camera.avif = true;
    put("heif", "camera.avif", MakeHeif(MakeSamples(24, 17, 3, 8), camera), 1);
    HeifOptions avif;
    avif.avif = true;
    put("heif", "alpha.avif", MakeHeif(MakeSamples(9, 5, 4, 8), avif), 1);
    // Display P3 as phones write it: a profile in a HEIC, a colour
    // description in an AVIF.
    put("heif", "p3.heic", MakeHeif(MakeSamples(24, 17, 3, 8), {.displayP3 = true}), 0);
    put("heif", "p3.avif", MakeHeif(MakeSamples(24, 17, 3, 8), {.avif = true, .displayP3 = true}), 1);

    // HEIC grids made box by box: cut at the edges, a tile larger than the
    // picture, padding around the picture data.
    std::vector<HeifTile> tiles;
    for (uint32_t seed = 1; seed <= 4; ++seed) tiles.push_back(TileOf(MakeHeif(MakeSamples(64, 64, 3, 8, seed))));
    put("heif", "grid.heic", MakeHeifGrid({.width = 100, .height = 70, .columns = 2, .rows = 2, .tiles = tiles}), 0);
    put("heif", "grid-one-tile.heic", MakeHeifGrid({.width = 60, .height = 50, .columns = 1, .rows = 1, .tiles = {tiles[0]}}), 0);
    put("heif", "grid-padded.heic",
        MakeHeifGrid({.width = 150, .height = 64, .columns = 3, .rows = 1, .tiles = tiles, .padding = 300}), 0);

    // WebP (name byte 0) and TIFF (1) through Qt's plugins.
    for (bool lossless : {false, true}) {
        const std::string kind = lossless ? "lossless" : "lossy";
        put("qtformats", kind + ".webp", MakeWebp(MakeSamples(24, 17, 3, 8), lossless), 0);
        put("qtformats", kind + "-alpha.webp", MakeWebp(MakeSamples(9, 5, 4, 8), lossless), 0);
    }
    for (int channels : {1, 2, 3, 4})
        for (int bits : {8, 16})
            put("qtformats", "tiff-" + std::to_string(channels) + "x" + std::to_string(bits) + ".tif",
                MakeTiff(MakeSamples(9, 5, channels, bits)), 1);
    put("qtformats", "cmyk.tif", MakeTiff(MakeSamples(9, 5, 4, 8), true, 6), 1);
    put("qtformats", "palette.tif", MakePaletteTiff(9, 5), 1);
    // Padding and shared strips, which the readers must not count as
    // picture data.
    put("qtformats", "padded.webp", WithRiffChunk(MakeWebp(MakeSamples(9, 5, 4, 8), true), "JUNK", 64), 0);
    put("qtformats", "nothing-padded.webp", WithRiffChunk(WebpOfNothing(300, 200), "JUNK", 40), 0);
    put("qtformats", "shared-strips.tif", TiffSharingStrips(12, 9, 2), 1);
    put("qtformats", "shared-strips-motorola.tif", TiffSharingStrips(12, 9, 3, true), 1);
    put("qtformats", "shared-strips-big.tif", TiffSharingStrips(12, 9, 1, false, true), 1);
    // Longer than the start the readers look at before reading the rest.
    put("qtformats", "padded-long.webp", WithRiffChunk(MakeWebp(MakeSamples(9, 5, 3, 8), false), "JUNK", 70000), 0);
    put("qtformats", "long.tif", TiffSharingStrips(700, 100, 100), 1);
    put("reader", "padded-long.png", WithPngChunk(MakePng(MakeSamples(9, 5, 3, 8)), "paDd", 70000), 4);

    // PNG of every kind, and one with camera data.
    for (int channels : {1, 2, 3, 4})
        for (int bits : {8, 16}) {
            const std::string name = "png-" + std::to_string(channels) + "x" + std::to_string(bits);
            put("png", name + ".png", MakePng(MakeSamples(9, 5, channels, bits)));
            put("png", name + "-interlaced.png", MakePng(MakeSamples(9, 5, channels, bits), true));
        }
    put("png", "palette.png", MakePng(MakeSamples(5, 3, 4, 8), false, true));
    put("png", "padded.png", WithPngChunk(MakePng(MakeSamples(9, 5, 3, 8)), "paDd", 48));
    put("png", "padded-after.png", WithPngChunk(MakePng(MakeSamples(9, 5, 4, 8), true), "paDd", 48, true));
    put("png", "blank-grey-transparent.png", BlankPng(40, 30, 1, 0, true, true));
    put("png", "camera.png", EncodePng(picture, RgbIccProfile(), CameraExif(6, 24, 17)));
    put("metadata", "camera.png", EncodePng(picture, RgbIccProfile(), CameraExif(6, 24, 17)));

    // DNGs (name byte 0: full development, 1: half size), upright and
    // turned, and one claiming more than it holds.
    for (int orientation : {1, 6})
        for (int half : {0, 1})
            put("raw", "mosaic-" + std::to_string(orientation) + (half ? "-half" : "") + ".dng",
                MakeDng({.orientation = orientation}), half);
    put("raw", "claims-more.dng", MakeDng({.claimWidth = 3000, .claimHeight = 2000}), 1);

    // JPEG XL: lossless of every kind, turned with camera data, lossy from
    // our writer, a bare header.
    for (int channels : {1, 2, 3, 4})
        for (int bits : {8, 16})
            put("jxl", "lossless-" + std::to_string(channels) + "x" + std::to_string(bits) + ".jxl",
                MakeJxl(MakeSamples(9, 5, channels, bits)));
    put("jxl", "camera.jxl", MakeJxl(MakeSamples(24, 17, 3, 8), {.orientation = 6, .exif = CameraExif(6, 24, 17),
                                                                  .xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>"}));
    put("jxl", "lossy.jxl", EncodeJxl(picture, ReadPhotoMetadata(CameraJpeg(picture, 3)), 90));
    put("jxl", "header.jxl", JxlHeaderClaiming(64, 48));
    // In colours of their own: libjxl's encoding of Adobe RGB, and a
    // profile it has none for (decoded as linear sRGB, then converted).
    for (const TestProfile kind : {TestProfile::kAdobeRgb, TestProfile::kTabulated})
        for (const bool lossy : {false, true})
            put("jxl", std::string(kind == TestProfile::kAdobeRgb ? "adobe-rgb" : "tabulated") + (lossy ? "-lossy.jxl" : ".jxl"),
                MakeJxl(MakeSamples(24, 17, 3, 8), {.iccProfile = IccProfileOf(kind), .lossy = lossy}));
    // The helper's readers, the first byte picking the name (see
    // fuzz_helper.cpp): a DNG, the same mosaic under the Olympus and
    // Panasonic starts LibRaw tells by their first bytes, a HEIC, an AVIF
    // and a JPEG XL of many frames.
    const std::vector<uint8_t> dng = MakeDng();
    put("helper", "mosaic.dng", dng, 0);
    for (const auto& [name, start, nameByte] : {std::tuple{"olympus.orf", "IIRO", 1}, std::tuple{"panasonic.rw2", "IIU\0", 2}}) {
        std::vector<uint8_t> raw = dng;
        std::copy(start, start + 4, raw.begin());
        put("helper", name, raw, nameByte);
    }
    put("helper", "colour.heic", MakeHeif(MakeSamples(24, 17, 3, 8)), 3);
    put("helper", "colour.avif", MakeHeif(MakeSamples(24, 17, 3, 8), avif), 4);
    put("helper", "camera.jxl", MakeJxl(MakeSamples(24, 17, 3, 8), {.orientation = 6, .exif = CameraExif(6, 24, 17)}), 5);
    return 0;
}
