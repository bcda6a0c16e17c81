// The look pack that ships in pic/: every file the catalogue reads is there
// and loads, the pictures suit the blend that uses them, and the generator
// gives the same bytes on every run.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <strings.h>

#include "io/cube_file.h"
#include "catalogue/catalogue.h"
#include "io/files.h"
#include "io/picture_source.h"
#include "io/jpeg_codec.h"
#include "io/ssl_picture.h"
#include "looks/cube_lut.h"
#include "lookpack/film_grades.h"
#include "lookpack/looks.h"
#include "lookpack/pack_contents.h"
#include "ground/blend_rows.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::lookpack;
using namespace corvessa::test;

namespace {

const std::string kPicDir = CORVESSA_PIC_DIR;

TBitmap LoadPackPicture(const PackFile& f) {
    TBitmap b;
    LoadSslPicture(FindPathNoCase(kPicDir, f.relativePath), b);
    return b;
}

std::vector<PackFile> FilesOf(const char* folder) {
    std::vector<PackFile> out;
    for (PackFile& f : PackFiles())
        if (f.folder && strcasecmp(f.folder->name, folder) == 0) out.push_back(std::move(f));
    return out;
}

std::vector<PackFile> FilesUsedAs(PictureUse use) {
    std::vector<PackFile> out;
    for (PackFile& f : PackFiles())
        if (f.folder && f.folder->use == use) out.push_back(std::move(f));
    return out;
}

int Luma(const uint8_t* p) { return MaskWeight(p[2], p[1], p[0]); }

// The same luminance of every pixel of a picture at once, through the
// blend's own row kernel: weighing megapixels one MaskWeight at a time
// took most of these tests' time.
class Lumas {
public:
    explicit Lumas(const TBitmap& b)
        : width_(size_t(b.Width())), height_(size_t(b.Height())), values_(width_ * height_) {
        std::vector<uint8_t> row(width_ * 3);
        for (int y = 0; y < b.Height(); ++y) {
            MaskWeightRow(b.Row(y), b.Width(), row.data());
            for (size_t x = 0; x < width_; ++x) values_[size_t(y) * width_ + x] = row[3 * x];
        }
    }
    int operator()(int x, int y) const { return values_[size_t(y) * width_ + size_t(x)]; }
    int Width() const { return int(width_); }
    int Height() const { return int(height_); }

private:
    size_t width_, height_;
    std::vector<uint8_t> values_;
};

struct Stats {
    double meanLuma = 0;
    double mean[3] = {0, 0, 0};  // blue, green, red
    double darkShare = 0;        // pixels with luminance below 24
};

Stats Measure(const TBitmap& b) {
    Stats s;
    size_t dark = 0;
    const Lumas lumas(b);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const uint8_t* p = b.Pixel(x, y);
            const int l = lumas(x, y);
            s.meanLuma += l;
            for (int k = 0; k < 3; ++k) s.mean[k] += p[k];
            dark += l < 24;
        }
    const double n = double(b.Width()) * b.Height();
    s.meanLuma /= n;
    for (double& m : s.mean) m /= n;
    s.darkShare = double(dark) / n;
    return s;
}

// Mean luminance of the rectangle [x0, x1) x [y0, y1) given in fractions.
double RegionLuma(const Lumas& lumas, double x0, double y0, double x1, double y1) {
    double sum = 0;
    size_t n = 0;
    for (int y = int(y0 * lumas.Height()); y < int(y1 * lumas.Height()); ++y)
        for (int x = int(x0 * lumas.Width()); x < int(x1 * lumas.Width()); ++x, ++n) sum += lumas(x, y);
    return n ? sum / double(n) : 0;
}

}  // namespace

// --- The table ------------------------------------------------------------

TEST(LookPackTable, HoldsEveryFolderTheCatalogueReads) {
    // The catalogue's overlay, edge, line and colour folders, in the
    // spellings the recipes use; lookups ignore case.
    const std::pair<const char*, int> needed[] = {
        {"lightA", 10}, {"LightA", 10}, {"lightB", 10}, {"lightC", 10}, {"lightc", 10}, {"star", 10},
        {"Star", 10},   {"Amazing", 10}, {"amazing", 10}, {"weather", 10}, {"gradient", 10}, {"Gradient", 10},
        {"texture", 10}, {"dreamA", 10}, {"dreamB", 10}, {"dreamb", 10}, {"EdgeA", 10}, {"edgeA", 10},
        {"Edgea", 10},  {"EdgeB", 10},  {"edgeB", 10},   {"line", 10},    {"color", 2}};
    for (const auto& [name, count] : needed) {
        const PackFolder* f = FindPackFolder(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->count, count) << name;
    }
    EXPECT_EQ(FindPackFolder("lightD"), nullptr);
}

TEST(LookPackTable, ListsEachFileOnceWithTheSampleFirst) {
    const std::vector<PackFile> files = PackFiles();
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(files.front().relativePath, "sample.jpg");
    EXPECT_EQ(files.front().folder, nullptr);
    std::set<std::string> seen;
    for (const PackFile& f : files) {
        std::string lower = f.relativePath;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        EXPECT_TRUE(seen.insert(lower).second) << f.relativePath;  // unique even on a case-blind disk
    }
    EXPECT_EQ(files.size(), 1u + 12u * 10u + 10u + 2u);
    EXPECT_EQ(FilesOf("lightA").back().relativePath, "lightA/10.ssl");
}

// --- The generated folder --------------------------------------------------

TEST(LookPackFiles, EveryPictureLoadsAtItsSize) {
    for (const PackFile& f : PackFiles()) {
        const std::string path = FindPathNoCase(kPicDir, f.relativePath);
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        if (!f.folder) {
            const std::vector<uint8_t> bytes = ReadWholeFile(path);
            const TBitmap sample = DecodeJpeg(bytes.data(), bytes.size());
            EXPECT_EQ(sample.Width(), kSampleWidth);
            EXPECT_EQ(sample.Height(), kSampleHeight);
            continue;
        }
        const TBitmap b = LoadPackPicture(f);
        EXPECT_EQ(b.Width(), f.folder->width) << f.relativePath;
        EXPECT_EQ(b.Height(), f.folder->height) << f.relativePath;
    }
}

TEST(LookPackFiles, PicturesCarryOurMarkNotAJpegStart) {
    for (const PackFile& f : PackFiles()) {
        if (!f.folder) continue;
        const std::vector<uint8_t> bytes = ReadWholeFile(FindPathNoCase(kPicDir, f.relativePath));
        ASSERT_GT(bytes.size(), 16u);
        EXPECT_TRUE(std::equal(std::begin(kPackSignature), std::end(kPackSignature), bytes.begin())) << f.relativePath;
        // Without the loader's header the stream is not a JPEG.
        EXPECT_THROW(DecodeJpeg(bytes.data(), bytes.size()), std::exception) << f.relativePath;
    }
}

TEST(LookPackFiles, CatalogueSpellingsFindTheFiles) {
    for (const char* folder : {"LightA", "lightc", "Star", "Amazing", "Gradient", "dreamb", "EdgeA", "Edgea", "EdgeB"}) {
        TBitmap b;
        EXPECT_NO_THROW(LoadSslPicture(FolderPictures(kPicDir).PathOf({folder, 10}), b))
            << folder;
    }
}

// --- What the pictures look like -------------------------------------------

TEST(LookPackLooks, ScreenPicturesAreMostlyDark) {
    for (const PackFolder& folder : PackFolders()) {
        if (folder.use != PictureUse::kScreen) continue;
        int leaveMostAlone = 0;
        for (const PackFile& f : FilesOf(folder.name)) {
            const Stats s = Measure(LoadPackPicture(f));
            // Adds light, never washes the photo out; a few (haze, a
            // blizzard) may touch all of it, most leave much of it alone.
            EXPECT_LT(s.meanLuma, 110) << f.relativePath;
            leaveMostAlone += s.darkShare > 0.45;
        }
        EXPECT_GE(leaveMostAlone, 7) << folder.name;
    }
}

TEST(LookPackLooks, GradientsAndTexturesStayNearMidGrey) {
    for (const PackFile& f : FilesUsedAs(PictureUse::kOverlay)) {
        const Stats s = Measure(LoadPackPicture(f));
        EXPECT_NEAR(s.meanLuma, 128, 18) << f.relativePath;
        if (std::string(f.folder->name) == "texture") {
            for (double m : s.mean) EXPECT_NEAR(m, 128, 16) << f.relativePath;
        }
    }
}

TEST(LookPackLooks, TexturesHaveTexture) {
    for (const PackFile& f : FilesOf("texture")) {
        const TBitmap b = LoadPackPicture(f);
        const double mean = Measure(b).meanLuma;
        const Lumas lumas(b);
        double var = 0;
        for (int y = 0; y < b.Height(); y += 3)
            for (int x = 0; x < b.Width(); x += 3) var += (lumas(x, y) - mean) * (lumas(x, y) - mean);
        var /= double(b.Height() / 3) * double(b.Width() / 3);
        EXPECT_GT(var, 9.0) << f.relativePath;   // visible ...
        EXPECT_LT(var, 900.0) << f.relativePath;  // ... but not wrecking the photo
    }
}

TEST(LookPackLooks, EdgeMasksShowThePhotoInTheMiddleAndFillTheBorder) {
    for (const PackFile& f : FilesUsedAs(PictureUse::kEdgeMask)) {
        const Lumas b(LoadPackPicture(f));
        EXPECT_GT(RegionLuma(b, 0.4, 0.4, 0.6, 0.6), 245) << f.relativePath;
        // The fill covers most of the outermost border: a frosted margin,
        // a film base or an oval open at the top lets some photo through.
        const double border = (RegionLuma(b, 0, 0, 1, 0.01) + RegionLuma(b, 0, 0.99, 1, 1) +
                               RegionLuma(b, 0, 0, 0.01, 1) + RegionLuma(b, 0.99, 0, 1, 1)) / 4;
        EXPECT_LT(border, 0.6 * 255) << f.relativePath;
        const double corners = (RegionLuma(b, 0, 0, 0.02, 0.02) + RegionLuma(b, 0.98, 0.98, 1, 1)) / 2;
        EXPECT_LT(corners, 0.4 * 255) << f.relativePath;
    }
}

TEST(LookPackLooks, ColourMasksKeepColourInTheMiddle) {
    // The spotlight mask keeps the middle whole; the veil mask holds its
    // middle at the level that moves a skin least, so its corners can sit
    // less far below it.
    const double margins[] = {75, 40};
    const std::vector<PackFile> masks = FilesOf("color");
    ASSERT_EQ(masks.size(), std::size(margins));
    for (size_t i = 0; i < masks.size(); ++i) {
        const Lumas b(LoadPackPicture(masks[i]));
        for (const auto& [x0, x1] : {std::pair{0.0, 0.1}, std::pair{0.9, 1.0}})
            for (const auto& [y0, y1] : {std::pair{0.0, 0.1}, std::pair{0.9, 1.0}})
                EXPECT_GT(RegionLuma(b, 0.45, 0.45, 0.55, 0.55), RegionLuma(b, x0, y0, x1, y1) + margins[i])
                    << masks[i].relativePath << " corner at " << x0 << ", " << y0;
    }
}

// --- Line tiles ------------------------------------------------------------

TEST(LookPackLines, TilesAreSeamless) {
    // Drawn half a tile further on, a tile must be the same tile rolled by
    // half its size: the pattern is periodic in the tile, so copies meet
    // without a seam.
    const PackFolder& line = *FindPackFolder("line");
    const int t = line.width, h = t / 2;
    for (int n = 1; n <= line.count; ++n) {
        const TBitmap tile = RenderLineTile(line, n);
        const TBitmap shifted = RenderLineTile(line, n, h, h);
        int worst = 0;
        for (int y = 0; y < t; ++y)
            for (int x = 0; x < t; ++x)
                worst = std::max(worst, std::abs(int(tile.Pixel((x + h) % t, (y + h) % t)[0]) - shifted.Pixel(x, y)[0]));
        EXPECT_LE(worst, 2) << "line " << n;
    }
}

TEST(LookPackLines, PatternsSurviveEveryTileSize) {
    // The line routine shrinks a tile by nearest neighbour to 1/16 of the
    // photo's short side (1/8 for 8 to 10): 6 or 13 pixels on a thumbnail.
    for (const PackFile& f : FilesOf("line")) {
        const TBitmap tile = LoadPackPicture(f);
        for (int side = f.number < 8 ? 6 : 13; side <= 40; ++side) {
            TBitmap small(side, side);
            small.StretchDraw(tile);
            int inked = 0, light = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    inked += Luma(small.Pixel(x, y)) < 200;
                    light += Luma(small.Pixel(x, y)) > 200;
                }
            EXPECT_GT(inked, 0) << f.relativePath << " at " << side;
            EXPECT_GT(light, side * side / 3) << f.relativePath << " at " << side;
        }
    }
}

// --- Restraint -------------------------------------------------------------

TEST(LookPackRestraint, SparklesStayOffTheMiddleOfTheFrame) {
    // Glitter, bokeh, hearts, bubbles and bursts gather at the edges and in
    // the sky; the middle half of the frame, where the subject is, keeps
    // (nearly) black, so the screen blend leaves it alone.
    const std::pair<const char*, std::vector<int>> sparkles[] = {
        {"lightC", {3, 4, 7}},
        {"star", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"amazing", {1, 2, 6}},
        {"dreamA", {2, 3, 4, 5, 6, 7, 10}},
        {"dreamB", {2, 3, 4, 6, 8, 9, 10}},
    };
    for (const auto& [folder, numbers] : sparkles)
        for (int n : numbers) {
            const PackFile f{FindPackFolder(folder), n, std::string(folder) + "/" + std::to_string(n) + ".ssl"};
            const TBitmap b = LoadPackPicture(f);
            const double middle = RegionLuma(Lumas(b), 0.25, 0.25, 0.75, 0.75);
            EXPECT_LT(middle, 6.0) << f.relativePath;
            EXPECT_GT(Measure(b).meanLuma, 4 * middle + 2) << f.relativePath << ": the light must still be somewhere";
        }
}

TEST(LookPackRestraint, ColourMasksLeaveTheMiddleNearlyUntouched) {
    // White keeps the photo. The spotlight mask keeps a portrait's subject
    // exactly, down to the bottom of the frame, and tints the corners by at
    // most half; the veil mask (mixed and then overlaid, so that about 0.74
    // moves a skin least) holds that level over the subject and deepens
    // softly toward the corners: a gradient, never a flood.
    const Lumas spot(LoadPackPicture(FilesOf("color")[0]));
    EXPECT_GT(RegionLuma(spot, 0.3, 0.1, 0.7, 1.0), 252);
    EXPECT_GT(RegionLuma(spot, 0, 0, 0.1, 0.1), 0.5 * 255);
    EXPECT_LT(RegionLuma(spot, 0, 0, 0.1, 0.1), 0.7 * 255);
    const TBitmap veilPicture = LoadPackPicture(FilesOf("color")[1]);
    const Lumas veil(veilPicture);
    EXPECT_NEAR(RegionLuma(veil, 0.3, 0.1, 0.7, 0.9), 0.74 * 255, 6);
    EXPECT_GT(RegionLuma(veil, 0.9, 0.9, 1, 1), 0.5 * 255);
    EXPECT_LT(RegionLuma(veil, 0.9, 0.9, 1, 1), RegionLuma(veil, 0.4, 0.4, 0.6, 0.6) - 30);
}

TEST(LookPackRestraint, TexturesHaveFineDetailOfAFewPercent) {
    // Local contrast: the spread of luminance inside 32 x 32 patches, so
    // that broad tone changes (worn edges, stains) do not count. Real
    // detail at 100 % (fibres, pores, hairlines a few percent deep, whose
    // spread is a fraction of that), never a wash over the photo.
    for (const PackFile& f : FilesOf("texture")) {
        const TBitmap b = LoadPackPicture(f);
        const Lumas lumas(b);
        double spread = 0;
        int patches = 0;
        for (int py = 0; py + 32 <= b.Height(); py += 96)
            for (int px = 0; px + 32 <= b.Width(); px += 96, ++patches) {
                double sum = 0, square = 0;
                for (int y = py; y < py + 32; ++y)
                    for (int x = px; x < px + 32; ++x) {
                        const double v = lumas(x, y);
                        sum += v;
                        square += v * v;
                    }
                const double mean = sum / 1024;
                spread += std::sqrt(std::max(0.0, square / 1024 - mean * mean));
            }
        spread /= patches;
        // Calmer over the middle (test_lookpack_subject.cpp), so a little
        // less on the whole.
        EXPECT_GT(spread, 0.008 * 255) << f.relativePath;
        EXPECT_LT(spread, 0.1 * 255) << f.relativePath;
    }
}

TEST(LookPackRestraint, LineTilesAreSparseGreyRules) {
    // The line colour covers the photo where the tile is dark: grey ink
    // only tints, and the rules leave most of the tile clear.
    for (const PackFile& f : FilesOf("line")) {
        const TBitmap tile = LoadPackPicture(f);
        int darkest = 255, inked = 0;
        for (int y = 0; y < tile.Height(); ++y)
            for (int x = 0; x < tile.Width(); ++x) {
                darkest = std::min(darkest, Luma(tile.Pixel(x, y)));
                inked += Luma(tile.Pixel(x, y)) < 230;
            }
        EXPECT_GE(darkest, 125) << f.relativePath;
        EXPECT_LT(inked, tile.Width() * tile.Height() / 4) << f.relativePath;
    }
}

// --- The Film grades ---------------------------------------------------------

TEST(LookPackFilm, EveryTableIsTheGradeItNamesAndShipsAsTheGeneratorWritesIt) {
    const std::vector<PackGradeFile> files = PackGradeFiles();
    ASSERT_EQ(files.size(), size_t(kEffectCount));
    const Category& film = *FindCategoryByCaption("Film");
    for (const PackGradeFile& f : files) {
        SCOPED_TRACE(f.relativePath);
        const std::string path = FindPathNoCase(kPicDir, f.relativePath);
        const std::vector<uint8_t> shipped = ReadWholeFile(path);
        const std::string drawn = FilmGradeCube(f.number);
        EXPECT_TRUE(std::equal(shipped.begin(), shipped.end(), drawn.begin(), drawn.end()));
        const CubeLut lut = ReadCubeLutFile(path);
        EXPECT_EQ(lut.title, film.lookNames[size_t(f.number - 1)]);
        EXPECT_TRUE(lut.is3D);
        EXPECT_EQ(lut.size, kGradeTableSize);
    }
}

// Skin stays skin: through every grade that keeps colour, light, middle
// and dark skin keep their hue within a few degrees and stay warm (red over
// green over blue); the black and white grades keep it a neutral or warm
// grey.
TEST(LookPackFilm, SkinKeepsItsHue) {
    const auto hue = [](const std::array<double, 3>& c) {
        const double r = c[0], g = c[1], b = c[2];
        return std::atan2(std::sqrt(3.0) * (g - b), 2 * r - g - b) * 180 / M_PI;
    };
    const std::array<double, 3> skins[] = {{0.96, 0.80, 0.69}, {0.87, 0.67, 0.53}, {0.55, 0.35, 0.22}, {0.33, 0.20, 0.13}};
    for (int n = 1; n <= kEffectCount; ++n)
        for (const auto& skin : skins) {
            SCOPED_TRACE("grade " + std::to_string(n));
            const std::array<double, 3> out = FilmGrade(n, skin);
            EXPECT_GE(out[0], out[1] - 1e-9);
            EXPECT_GE(out[1], out[2] - 1e-9);
            // A grade that leaves a strong red next to no colour is black and white.
            const std::array<double, 3> red = FilmGrade(n, {0.8, 0.2, 0.2});
            const bool mono = red[0] - red[2] < 0.15;
            if (!mono) {
                EXPECT_LT(std::abs(hue(out) - hue(skin)), 12.0) << out[0] << " " << out[1] << " " << out[2];
            }
        }
}

// --- Determinism -----------------------------------------------------------

TEST(LookPackGenerator, SameBytesAsTheShippedFiles) {
    // One picture of every folder, drawn again here, must match the file
    // the build wrote byte for byte.
    for (const PackFolder& folder : PackFolders()) {
        const PackFile f{&folder, folder.count, std::string(folder.name) + "/" + std::to_string(folder.count) + ".ssl"};
        EXPECT_EQ(PackFileBytes(f), ReadWholeFile(FindPathNoCase(kPicDir, f.relativePath))) << f.relativePath;
    }
}

TEST(LookPackGenerator, ARunOfTheToolWritesWhatTheBuildWrote) {
    // The tool asked for some folders and files writes those alone, each
    // the very bytes of the build's own run.
    TempDir a;
    const std::string tool = CORVESSA_LOOKPACK_TOOL;
    ASSERT_EQ(std::system((tool + " " + a.Path() + " line color edgeB/3 star/1.ssl sample.jpg").c_str()), 0);
    int compared = 0;
    for (const PackFile& f : PackFiles()) {
        if (!std::filesystem::exists(a.File(f.relativePath))) continue;
        EXPECT_EQ(ReadWholeFile(a.File(f.relativePath)), ReadWholeFile(FindPathNoCase(kPicDir, f.relativePath)))
            << f.relativePath;
        ++compared;
    }
    EXPECT_EQ(compared, 10 + 2 + 1 + 1 + 1);
}

TEST(LookPackGenerator, RefusesAMissingFolderArgument) {
    EXPECT_NE(std::system((std::string(CORVESSA_LOOKPACK_TOOL) + " > /dev/null 2>&1").c_str()), 0);
}

TEST(JpegQuality, DefaultEncoderIsQualityNinety) {
    const TBitmap p = GradientBitmap(64, 48);
    EXPECT_EQ(EncodeJpeg(p), EncodeJpegWithQuality(p, 90));
    EXPECT_GT(EncodeJpegWithQuality(p, 98).size(), EncodeJpegWithQuality(p, 60).size());
}
