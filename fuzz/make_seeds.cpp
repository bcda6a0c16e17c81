// Writes the seed corpus of every fuzz target into the folder given as the
// only argument: small valid pictures of each kind the readers meet.
#include <filesystem>
#include <string>

#include "io/bmp_codec.h"
#include "io/jpeg_codec.h"
#include "jpeg_fixtures.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path root(argv[1]);
    for (const char* target : {"jpeg", "bmp", "reader", "ssl", "render"}) std::filesystem::create_directories(root / target);
    auto put = [&](const char* target, const std::string& name, std::vector<uint8_t> bytes, int nameByte = -1) {
        if (nameByte >= 0) bytes.insert(bytes.begin(), uint8_t(nameByte));
        WriteBytes((root / target / name).string(), bytes);
    };
    const TBitmap picture = GradientBitmap(24, 17);
    const std::pair<const char*, std::vector<uint8_t>> jpegs[] = {
        {"colour.jpg", EncodeJpeg(picture)},
        {"grey.jpg", MakeJpeg(picture, JpegKind::kGrey)},
        {"cmyk.jpg", MakeJpeg(picture, JpegKind::kAdobeCmyk)},
        {"progressive.jpg", MakeJpeg(picture, JpegKind::kProgressive)},
        {"tiny.jpg", EncodeJpeg(GradientBitmap(1, 1))},
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
    return 0;
}
