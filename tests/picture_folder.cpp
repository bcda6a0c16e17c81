#include "picture_folder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "catalogue/catalogue.h"
#include "io/jpeg_codec.h"
#include "ground/bitmap.h"

namespace corvessa::test {

std::vector<PictureFolderEntry> CataloguePictureFolders() {
    std::vector<PictureFolderEntry> folders;
    for (const FolderUse& folder : CatalogueFolders()) folders.push_back({folder.folder, folder.count});
    return folders;
}

namespace {

// Blocks of pseudo-random grey levels and colours: light and dark areas
// for the masks, distinct content for every picture.
TBitmap MakePicture(int width, int height, uint32_t seed) {
    TBitmap b(width, height);
    uint32_t s = seed * 2654435761u + 977u;
    // Blocks grow with the picture, so large pictures are about as smooth
    // (and as costly to decode) as the shipped ones.
    const int block = std::max(3, width / 50);
    for (int by = 0; by < height; by += block)
        for (int bx = 0; bx < width; bx += block) {
            s = s * 1664525u + 1013904223u;
            const uint8_t grey = uint8_t(s >> 24);
            const uint8_t tint = uint8_t(s >> 16);
            for (int y = by; y < std::min(height, by + block); ++y)
                for (int x = bx; x < std::min(width, bx + block); ++x) {
                    uint8_t* p = b.Pixel(x, y);
                    p[0] = grey;
                    p[1] = uint8_t((grey + tint) / 2);
                    p[2] = uint8_t(255 - grey / 2);
                }
        }
    return b;
}

// A small colour table of its own for every grading look: each channel a
// different mix of the three, so that every table moves colours its own way.
std::string MakeGradeTable(uint32_t seed) {
    constexpr int kSize = 5;
    std::string text = "TITLE \"test grade " + std::to_string(seed) + "\"\nLUT_3D_SIZE 5\n";
    const double own = 0.6 + 0.03 * (seed % 7), other = (1 - own) / 2, lift = 0.01 * (seed % 5);
    char line[80];
    for (int b = 0; b < kSize; ++b)
        for (int g = 0; g < kSize; ++g)
            for (int r = 0; r < kSize; ++r) {
                const double c[3] = {r / 4.0, g / 4.0, b / 4.0};
                double out[3];
                for (int i = 0; i < 3; ++i)
                    out[i] = std::min(1.0, lift + own * c[i] + other * c[(i + 1 + seed) % 3] + other * c[(i + 2) % 3]);
                std::snprintf(line, sizeof line, "%.5f %.5f %.5f\n", out[0], out[1], out[2]);
                text += line;
            }
    return text;
}

void WriteText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file) written = std::fclose(file) == 0 && written;
    if (!written) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void MakePictureFolder(const std::string& appDir, int side) { MakePictureFolder(appDir, side, side); }

void MakePictureFolder(const std::string& appDir, int baseWidth, int baseHeight) {
    namespace fs = std::filesystem;
    uint32_t seed = 1;
    for (const PictureFolderEntry& entry : CataloguePictureFolders()) {
        const fs::path folder = fs::path(appDir) / "pic" / entry.folder;
        fs::create_directories(folder);
        for (int n = 1; n <= entry.count; ++n, ++seed) {
            const int width = baseWidth + int(seed % 5);
            const int height = baseHeight - int(seed % 3);
            std::vector<uint8_t> bytes = EncodeJpeg(MakePicture(width, height, seed));
            for (size_t i = 0; i < 16; ++i) bytes[i] = uint8_t(seed * 31 + i);  // replaced on loading
            WriteText((folder / (std::to_string(n) + ".ssl")).string(), std::string(bytes.begin(), bytes.end()));
        }
    }
    for (const PictureName& grade : CatalogueGrades()) {
        const fs::path folder = fs::path(appDir) / "pic" / std::string(grade.folder);
        fs::create_directories(folder);
        WriteText((folder / (std::to_string(grade.number) + ".cube")).string(), MakeGradeTable(seed++));
    }
}

}  // namespace corvessa::test
