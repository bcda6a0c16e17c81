// "Keep faces clear": the detector finds the face of a real portrait (the
// astronaut Eileen Collins, NASA, public domain, as scikit-image ships it)
// and nothing in pictures without one; the mask covers each face box whole
// and fades without a step; every look of the shipped pack leaves the face
// box (nearly) as the photo was while still showing elsewhere; and a photo
// without a face, or the option off, keeps every byte of the look.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/render_job.h"
#include "faces/faces.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "picture_folder.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

const std::string kPortrait = CORVESSA_FACES_DIR "/astronaut.jpg";

TBitmap Portrait() {
    PhotoMetadata metadata;
    return ReadPhotoUpright(kPortrait, metadata);
}

// `photo` put into a width x height canvas of grey at (left, top), each
// photo pixel drawn as a `scale` x `scale` square.
TBitmap OnCanvas(const TBitmap& photo, int width, int height, int left, int top, int scale) {
    TBitmap canvas = SolidBitmap(width, height, Rgb{120, 120, 120});
    for (int y = 0; y < photo.Height() * scale; ++y)
        for (int x = 0; x < photo.Width() * scale; ++x)
            std::copy_n(photo.Pixel(x / scale, y / scale), 3, canvas.Pixel(left + x, top + y));
    return canvas;
}

// The face box's centre in the 512 x 512 portrait (the detector's box,
// checked by eye: from the brows to the chin, cheek to cheek).
constexpr int kFaceX = 224, kFaceY = 124;

TEST(FindFaces, FindsThePortraitsFaceWhereverThePhotoPutsIt) {
    const TBitmap portrait = Portrait();
    const struct Case {
        const char* what;
        int width, height, left, top, scale;
    } cases[] = {
        {"as it is", 512, 512, 0, 0, 1},
        {"in a wide photo", 1200, 800, 600, 100, 1},
        {"grown three times in a tall one", 1700, 2300, 90, 400, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TBitmap photo = c.scale == 1 && c.width == 512 ? Copy(portrait)
                                                            : OnCanvas(portrait, c.width, c.height, c.left, c.top, c.scale);
        const std::vector<FaceBox> faces = FindFaces(photo);
        ASSERT_EQ(faces.size(), 1u);
        const FaceBox& f = faces[0];
        // Within a tenth of the face's size of where it is.
        const int cx = c.left + kFaceX * c.scale, cy = c.top + kFaceY * c.scale;
        EXPECT_NEAR(f.x + f.width / 2, cx, 12 * c.scale);
        EXPECT_NEAR(f.y + f.height / 2, cy, 12 * c.scale);
        EXPECT_NEAR(f.width, 100 * c.scale, 30 * c.scale);
    }
}

TEST(FindFaces, FindsNothingWithoutAFace) {
    const TBitmap none[] = {GradientBitmap(640, 480), RandomBitmap(300, 500, 7), SolidBitmap(800, 600, kWhite),
                            TBitmap(), SolidBitmap(1, 1, Rgb{0, 0, 0})};
    for (const TBitmap& photo : none) EXPECT_TRUE(FindFaces(photo).empty()) << photo.Width() << "x" << photo.Height();
}

TEST(FindFaces, ReducesTheCopyToItsSideKeepingTheShape) {
    const struct Case {
        int width, height, side, wantWidth, wantHeight;
    } cases[] = {
        {6000, 4000, 1024, 1024, 682}, {4000, 6000, 1024, 682, 1024}, {640, 480, 1024, 640, 480}, {3, 9000, 800, 1, 800},
    };
    for (const Case& c : cases) {
        const GreyPicture grey = ReducedGrey(SolidBitmap(c.width, c.height, Rgb{40, 80, 200}), c.side);
        EXPECT_EQ(grey.width, c.wantWidth);
        EXPECT_EQ(grey.height, c.wantHeight);
        // (40 + 2 * 80 + 200) / 4, everywhere.
        EXPECT_TRUE(std::all_of(grey.pixels.begin(), grey.pixels.end(), [](uint8_t v) { return v == 100; }));
    }
}

TEST(ScaleFaces, MovesBoxesToAPictureMadeFromThePhoto) {
    const std::vector<FaceBox> faces = {{100, 50, 40, 60}, {0, 0, 1, 1}};
    EXPECT_EQ(ScaleFaces(faces, 400, 300, 200, 150), (std::vector<FaceBox>{{50, 25, 20, 30}, {0, 0, 1, 1}}));
    EXPECT_EQ(ScaleFaces(faces, 400, 300, 105, 105), (std::vector<FaceBox>{{26, 18, 11, 21}, {0, 0, 1, 1}}));
    EXPECT_EQ(ScaleFaces(faces, 400, 300, 400, 300), faces);
    EXPECT_TRUE(ScaleFaces(faces, 0, 300, 10, 10).empty());
}

TEST(FaceMask, CoversEachBoxWholeAndFadesWithoutAStep) {
    const struct Case {
        int width, height;
        std::vector<FaceBox> faces;
    } cases[] = {
        {400, 400, {{150, 120, 100, 110}}},
        {105, 105, {{40, 30, 20, 24}}},
        {300, 200, {{5, 5, 60, 70}, {90, 40, 60, 60}}},  // near an edge, and two overlapping
        {2000, 1500, {{900, 500, 300, 330}}},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> mask = FaceMask(c.width, c.height, c.faces);
        auto at = [&](int x, int y) { return int(mask[size_t(y) * size_t(c.width) + size_t(x)]); };
        int smallest = c.width;
        for (const FaceBox& f : c.faces) {
            smallest = std::min(smallest, f.width);
            for (int y = f.y; y < f.y + f.height; ++y)
                for (int x = f.x; x < f.x + f.width; ++x) ASSERT_EQ(at(x, y), 255) << x << "," << y;
            // The hair above the box and the neck below it come back too.
            EXPECT_GT(at(f.x + f.width / 2, std::max(0, f.y - f.height / 3)), 200);
            EXPECT_GT(at(f.x + f.width / 2, std::min(c.height - 1, f.y + f.height * 4 / 3)), 200);
        }
        // The feather spans about a quarter of the face's width: neighbours
        // differ by little everywhere.
        const int step = 255 * 2 / std::max(1, smallest / 4) + 2;
        int steepest = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                if (x + 1 < c.width) steepest = std::max(steepest, std::abs(at(x + 1, y) - at(x, y)));
                if (y + 1 < c.height) steepest = std::max(steepest, std::abs(at(x, y + 1) - at(x, y)));
            }
        EXPECT_LE(steepest, step) << c.width << "x" << c.height;
        EXPECT_GT(steepest, 0);
        // The corners stay the look's.
        EXPECT_EQ(at(c.width - 1, c.height - 1), 0);
    }
    EXPECT_EQ(FaceMask(3, 2, {}), std::vector<uint8_t>(6, 0));
}

TEST(KeepFacesClear, TakesTheLookBackThroughTheMaskOnly) {
    const TBitmap photo = GradientBitmap(120, 90);
    const TBitmap look = RandomBitmap(120, 90, 3);
    const std::vector<FaceBox> faces = {{40, 20, 30, 30}};
    TBitmap kept = Copy(look);
    KeepFacesClear(kept, photo, faces);
    const std::vector<uint8_t> mask = FaceMask(120, 90, faces);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            for (int c = 0; c < 3; ++c) {
                const int a = mask[size_t(y) * 120 + size_t(x)];
                const int want = (look.Pixel(x, y)[c] * (255 - a) + photo.Pixel(x, y)[c] * a + 127) / 255;
                ASSERT_EQ(kept.Pixel(x, y)[c], want) << x << "," << y;
            }
    // No faces, or a look of another size (a frame that grew the picture):
    // not a byte changes.
    const TBitmap wider = GradientBitmap(121, 90);
    for (const auto& [faceList, other] : {std::pair{std::vector<FaceBox>{}, &photo}, std::pair{faces, &wider}}) {
        TBitmap same = Copy(look);
        KeepFacesClear(same, *other, faceList);
        EXPECT_TRUE(SamePixels(same, look));
    }
}

TEST(PhotoFaces, FindsOnceAndScalesToThumbnails) {
    auto photo = std::make_shared<const TBitmap>(Portrait());
    PhotoFaces faces(photo);
    EXPECT_FALSE(faces.Known());
    const std::vector<FaceBox> boxes = faces.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(faces.Known());
    EXPECT_EQ(faces.BoxesFor(512, 512), boxes);
    EXPECT_EQ(faces.BoxesFor(105, 105), ScaleFaces(boxes, 512, 512, 105, 105));
    EXPECT_TRUE(PhotoFaces(nullptr).Boxes().empty());
}

// Mean absolute change per byte between two pictures, inside and outside
// the face box.
struct Change {
    double inside = 0, outside = 0;
};
Change ChangeAround(const TBitmap& photo, const TBitmap& look, const FaceBox& f) {
    double in = 0, out = 0;
    size_t inCount = 0, outCount = 0;
    for (int y = 0; y < photo.Height(); ++y)
        for (int x = 0; x < photo.Width(); ++x) {
            const bool inBox = x >= f.x && x < f.x + f.width && y >= f.y && y < f.y + f.height;
            for (int c = 0; c < 3; ++c) {
                const double d = std::abs(int(photo.Pixel(x, y)[c]) - int(look.Pixel(x, y)[c]));
                (inBox ? in : out) += d;
                ++(inBox ? inCount : outCount);
            }
        }
    return {in / double(std::max<size_t>(1, inCount)), out / double(std::max<size_t>(1, outCount))};
}

// Every look of the shipped pack on the portrait, with the option on.
TEST(KeepFacesClearLooks, EveryLookLeavesTheFaceAndStillShows) {
    const FolderPictures pictures(CORVESSA_PIC_DIR);
    auto photo = std::make_shared<const TBitmap>(Portrait());
    auto faces = std::make_shared<PhotoFaces>(photo);
    ASSERT_EQ(faces->Boxes().size(), 1u);
    const FaceBox face = faces->Boxes()[0];
    const std::vector<uint8_t> mask = FaceMask(photo->Width(), photo->Height(), {face});
    for (int number : kCategoryColumn) {
        const Category& category = *FindCategory(number);
        double worst = 0;
        for (int n = 1; n <= kEffectCount; ++n) {
            SCOPED_TRACE(std::string(category.caption) + " " + std::to_string(n));
            RenderJob plain(photo, Look{category.number, n}, pictures);
            const TBitmap without = std::move(plain.Run().picture);
            RenderJob kept(photo, Look{category.number, n}, pictures);
            kept.SetFaces(faces);
            const TBitmap with = std::move(kept.Run().picture);
            ASSERT_EQ(with.Width(), photo->Width());
            const Change change = ChangeAround(*photo, with, face);
            EXPECT_LE(change.inside * 6, change.outside);
            EXPECT_GT(change.outside, 0.5);  // the look shows
            worst = std::max(worst, change.inside / std::max(change.outside, 1e-9));
            // Where the mask is 0 the look is the look, byte for byte.
            for (int y = 0; y < photo->Height(); y += 3)
                for (int x = 0; x < photo->Width(); x += 3) {
                    if (mask[size_t(y) * size_t(photo->Width()) + size_t(x)] != 0) continue;
                    ASSERT_TRUE(std::equal(with.Pixel(x, y), with.Pixel(x, y) + 3, without.Pixel(x, y)));
                }
        }
        RecordProperty(std::string(category.caption), std::to_string(worst));
    }
}

// A photo without a face: every look's bytes as without the option, in
// a full-size render, a strip and a large strip.
TEST(KeepFacesClearLooks, APhotoWithoutAFaceKeepsEveryByte) {
    TempDir folder;
    MakePictureFolder(folder.Path() + "/");
    const FolderPictures pictures(folder.Path() + "/pic");
    auto photo = std::make_shared<const TBitmap>(RandomBitmap(96, 64, 21));
    auto faces = std::make_shared<PhotoFaces>(photo);
    for (const Category& category : kCategories)
        for (int n = 1; n <= kEffectCount; ++n) {
            RenderJob plain(photo, Look{category.number, n}, pictures);
            RenderJob kept(photo, Look{category.number, n}, pictures);
            kept.SetFaces(faces);
            ASSERT_TRUE(SamePixels(plain.Run().picture, kept.Run().picture)) << category.caption << " " << n;
        }
    EXPECT_TRUE(faces->Known());
    EXPECT_TRUE(faces->Boxes().empty());
}

}  // namespace
