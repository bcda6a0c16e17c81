// The look pack keeps off a portrait's subject: the frames leave the head
// zone alone and the straight ones keep the middle of the photo, the light
// accents gather at the top corners and edges, the textures are calmer
// over the middle, and the colour masks keep the subject nearer its own
// colour. Measured on the shipped pictures and, for the frames and masks,
// on what the catalogue renders with them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "catalogue/render_job.h"
#include "ground/blend.h"
#include "io/files.h"
#include "io/picture_source.h"
#include "io/ssl_picture.h"
#include "lookpack/pack_contents.h"
#include "lookpack/subject_zone.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::lookpack;
using namespace corvessa::test;

namespace {

const std::string kPicDir = CORVESSA_PIC_DIR;

TBitmap Picture(const std::string& folder, int n) {
    TBitmap b;
    LoadSslPicture(FindPathNoCase(kPicDir, folder + "/" + std::to_string(n) + ".ssl"), b);
    return b;
}

TBitmap Render(const std::shared_ptr<const TBitmap>& photo, int category, int n) {
    return RenderJob(photo, Look{category, n}, FolderPictures(kPicDir)).Run().picture;
}

// The spread of luminance inside 32 x 32 patches of `zone`, averaged: the
// fine detail a texture lays on the photo there, not its broad tone.
double LocalSpread(const TBitmap& b, const Zone& zone) {
    double spread = 0;
    int patches = 0;
    for (int py = int(zone.y0 * b.Height()); py + 32 <= int(zone.y1 * b.Height()); py += 64)
        for (int px = int(zone.x0 * b.Width()); px + 32 <= int(zone.x1 * b.Width()); px += 64, ++patches) {
            double sum = 0, square = 0;
            for (int y = py; y < py + 32; ++y)
                for (int x = px; x < px + 32; ++x) {
                    const uint8_t* p = b.Pixel(x, y);
                    const double v = MaskWeight(p[2], p[1], p[0]);
                    sum += v;
                    square += v * v;
                }
            spread += std::sqrt(std::max(0.0, square / 1024 - (sum / 1024) * (sum / 1024)));
        }
    return patches ? spread / patches : 0;
}

}  // namespace

TEST(SubjectZone, MeasuresChangeAndLightInsideTheZoneOnly) {
    TBitmap a = SolidBitmap(100, 100, Rgb{100, 100, 100}), b = SolidBitmap(100, 100, Rgb{100, 100, 100});
    for (int y = 0; y < 10; ++y)  // a band above the head zone, which starts 12 % down
        for (int x = 0; x < 100; ++x) std::fill(b.Pixel(x, y), b.Pixel(x, y) + 3, uint8_t(255));
    EXPECT_DOUBLE_EQ(MeanChangeIn(a, b, kHeadZone), 0.0);
    EXPECT_NEAR(MeanChangeIn(a, b, {0, 0, 1, 0.1}), 155.0, 1e-9);
    EXPECT_NEAR(MeanLumaIn(b, {0, 0, 1, 0.2}), (255.0 + 100.0) / 2, 1.0);
    EXPECT_THROW(MeanChangeIn(a, SolidBitmap(50, 100, Rgb{}), kHeadZone), std::invalid_argument);
    // Zones away from the left edge weigh their own pixels; an empty zone weighs nothing.
    TBitmap halves = SolidBitmap(101, 40, Rgb{0, 0, 0});
    for (int y = 0; y < 40; ++y) std::fill(halves.Pixel(50, y), halves.Pixel(101, y), uint8_t(255));
    EXPECT_DOUBLE_EQ(MeanLumaIn(halves, {0.5, 0, 1, 1}), 255.0);
    EXPECT_DOUBLE_EQ(MeanLumaIn(halves, {0, 0.5, 0.49, 1}), 0.0);
    EXPECT_DOUBLE_EQ(MeanLumaIn(halves, {0.6, 0.5, 0.6, 1}), 0.0);
}

// Every frame, straight or shaped, leaves a portrait's head as it was, on a
// tall photo and a wide one, yet still frames the photo.
TEST(SubjectFrames, EveryEdgeLookLeavesTheHeadZoneAlone) {
    const auto portrait = std::make_shared<const TBitmap>(PortraitPhoto());
    const auto landscape = std::make_shared<const TBitmap>(LandscapePhoto());
    for (int category : {10, 11})
        for (int n = 1; n <= kEffectCount; ++n)
            for (const auto& photo : {portrait, landscape}) {
                SCOPED_TRACE(LookTitle(category, n) + (photo == portrait ? " on the portrait" : " on the landscape"));
                const TBitmap framed = Render(photo, category, n);
                EXPECT_LE(MeanChangeIn(framed, *photo, kHeadZone), 4.0);
                EXPECT_GT(MeanChangeIn(framed, *photo, {0, 0, 1, 1}), 4.0) << "the frame must still show";
            }
}

// Straight frames cover at most the outer tenth of each side, whatever the
// photo's shape (the mask is stretched to it, so fractions hold).
TEST(SubjectFrames, StraightFramesKeepTheMiddleEightyPercent) {
    const std::pair<const char*, std::vector<int>> straight[] = {{"edgeA", {1, 3, 4, 5, 6, 7, 10}},
                                                                  {"edgeB", {2, 3, 4, 5, 8, 9}}};
    for (const auto& [folder, numbers] : straight)
        for (int n : numbers) {
            SCOPED_TRACE(std::string(folder) + " " + std::to_string(n));
            const TBitmap mask = Picture(folder, n);
            EXPECT_GT(MeanLumaIn(mask, {0.1, 0.1, 0.9, 0.9}), 253.0);
            for (const Zone& side : {Zone{0.1, 0.1, 0.9, 0.11}, Zone{0.1, 0.89, 0.9, 0.9}, Zone{0.1, 0.1, 0.11, 0.9},
                                     Zone{0.89, 0.1, 0.9, 0.9}})
                EXPECT_GT(MeanLumaIn(mask, side), 245.0);
        }
}

// Suns, flares, comets, lightning, rainbows, lasers and the like gather at
// the top corners and the edges: nothing over the middle of the frame nor
// over the head zone, yet the light is there.
TEST(SubjectAccents, LightStaysOffTheMiddleAndTheHead) {
    const std::pair<const char*, std::vector<int>> accents[] = {
        {"lightA", {2, 4, 5, 7, 9}}, {"lightB", {3, 4, 5, 6, 7, 8, 10}}, {"lightC", {1, 2, 5, 6, 8, 9, 10}},
        {"star", {10}},              {"amazing", {3, 5, 7, 8, 9, 10}},    {"weather", {5}},
        {"dreamA", {9}},             {"dreamB", {1, 5, 7}},
    };
    for (const auto& [folder, numbers] : accents)
        for (int n : numbers) {
            SCOPED_TRACE(std::string(folder) + " " + std::to_string(n));
            const TBitmap b = Picture(folder, n);
            const double middle = MeanLumaIn(b, kMiddleZone), head = MeanLumaIn(b, kHeadZone);
            EXPECT_LT(middle, 3.0);
            EXPECT_LT(head, 3.0);
            EXPECT_GT(MeanLumaIn(b, {0, 0, 1, 1}), 4 * std::max(middle, head) + 2) << "the light must be somewhere";
        }
}

TEST(SubjectTextures, AreCalmerOverTheMiddleThanAtTheEdges) {
    for (int n = 1; n <= kEffectCount; ++n) {
        SCOPED_TRACE("texture " + std::to_string(n));
        const TBitmap b = Picture("texture", n);
        const double head = LocalSpread(b, kHeadZone);
        const double edges = (LocalSpread(b, {0, 0, 0.08, 1}) + LocalSpread(b, {0.92, 0, 1, 1})) / 2;
        EXPECT_LT(head, 0.7 * edges);
        EXPECT_GT(head, 0.0) << "still a texture over the middle";
    }
}

// Through the two mask tints a skin-coloured photo keeps its own colour in
// the middle: "Green Edges" exactly down the whole subject column, the
// veil of "Crimson Veil" near it (the mask's level there is the one that
// moves a skin least), both tinting the corners well more.
TEST(SubjectColourMasks, TheMiddleOfAPortraitKeepsItsOwnColour) {
    const auto skin = std::make_shared<const TBitmap>(SolidBitmap(300, 450, Rgb{222, 171, 135}));
    const Zone column{0.3, 0.1, 0.7, 0.95}, corner{0, 0, 0.1, 0.1};
    const TBitmap edges = Render(skin, 8, 9);
    EXPECT_LT(MeanChangeIn(edges, *skin, column), 0.5);
    EXPECT_GT(MeanChangeIn(edges, *skin, corner), 20.0);
    const TBitmap veil = Render(skin, 8, 8);
    const double middle = MeanChangeIn(veil, *skin, kHeadZone);
    EXPECT_LT(middle, 25.0);
    EXPECT_GT(MeanChangeIn(veil, *skin, corner), middle + 10);
    const uint8_t* p = veil.Pixel(150, 100);  // stays skin: red over green over blue
    EXPECT_GT(p[2], p[1]);
    EXPECT_GT(p[1], p[0]);
}
