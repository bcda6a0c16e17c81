// The rules of the photo being edited, without a window: which buffers
// Open, Apply, Undo, Save and the renders replace, and what they ask the
// window to show.
#include <gtest/gtest.h>

#include <memory>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "io/bmp_codec.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "io/user_looks.h"
#include "picture_folder.h"
#include "session/blank_photo.h"
#include "session/my_looks.h"
#include "session/photo_session.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

class NoStrip : public StripView {
public:
    void ThumbnailDone(int n, const TBitmap&, bool) override { last = n; }
    void SetChangeColorButton(bool) override {}
    int last = 0;
};

class PhotoSessionTest : public testing::Test {
protected:
    PhotoSessionTest() : pictures_((MakePictureFolder(dir_.Path() + "/", 12), dir_.File("pic"))) {}

    std::shared_ptr<const TBitmap> Render(int category, int effect) {
        const Look look{category, effect};
        auto job = session_.StartRender(look);
        session_.FinishRender(look, ColourDecision::NotAsked(), job->Run());
        return session_.ResultPhotoBuffer().Snapshot();
    }

    TempDir dir_;
    FolderPictures pictures_;
    PhotoSession session_{pictures_};
};

TEST_F(PhotoSessionTest, OpenSharesThePhotoAsReadAndWhitensOnlyTheWorkingPhotoOfABlankOne) {
    struct Case {
        int width, height;
        bool blank, whitened;
    };
    // A photo too small to hold the reference pixel is never taken for blank.
    for (const Case c : {Case{40, 30, false, false}, Case{40, 30, true, true}, Case{60, 40, true, true},
                         Case{4, 4, true, false}}) {
        SCOPED_TRACE(c.width);
        const TBitmap photo = c.blank ? SolidBitmap(c.width, c.height, Rgb{90, 90, 90}) : RandomBitmap(c.width, c.height, 1);
        const TBitmap asRead = Copy(photo);
        const SessionChange change = session_.Open(Copy(photo), PhotoMetadata(), "/photos/a.jpg");
        EXPECT_TRUE(change.workPhotoReplaced && change.refitView && change.hideStrip);
        ASSERT_TRUE(change.view);
        EXPECT_TRUE(SamePixels(*change.view, asRead));
        EXPECT_TRUE(SamePixels(session_.UndoPhoto(), asRead));
        EXPECT_TRUE(SamePixels(session_.ResultPhoto(), asRead));
        EXPECT_TRUE(SamePixels(session_.WorkPhoto(), c.whitened ? SolidBitmap(c.width, c.height, kWhite) : Copy(asRead)));
        EXPECT_TRUE(SamePixels(session_.ThumbPhoto(), Stretched(asRead, kThumbSide, kThumbSide)));
        EXPECT_FALSE(session_.CanUndo());
        EXPECT_EQ(session_.PhotoPath(), "/photos/a.jpg");
    }
}

TEST_F(PhotoSessionTest, UndoGoesBackOneApplyAndOnlyAnApplyNotSavedSinceIsUnsaved) {
    session_.Open(RandomBitmap(40, 30, 2), PhotoMetadata(), "/photos/a.jpg");
    const TBitmap opened = Copy(session_.WorkPhoto());
    const auto first = Render(1, 3);
    session_.Apply(first);
    EXPECT_TRUE(session_.CanUndo() && session_.HasUnsavedApply());
    const uint64_t shown = session_.TakeShownForSave(session_.WorkSnapshot());
    ASSERT_EQ(WritePhotoFile(session_.ResultPhoto(), dir_.File("one.bmp"), PhotoFormatId::kBmp, session_.Metadata()), "");
    session_.NoteSaved(dir_.File("one.bmp"), shown);
    EXPECT_FALSE(session_.HasUnsavedApply());
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir_.File("one.bmp")), *first));

    // Apply, Undo: back to the saved first Apply, nothing to lose.
    session_.Apply(Render(1, 4));
    const SessionChange undo = session_.Undo();
    EXPECT_TRUE(undo.redrawView && !undo.view && undo.hideStrip);
    EXPECT_TRUE(SamePixels(session_.WorkPhoto(), *first));
    EXPECT_TRUE(SamePixels(session_.ResultPhoto(), *first));
    EXPECT_EQ(session_.UndoSteps(), 1);  // the opened photo, one Undo further
    EXPECT_FALSE(session_.HasUnsavedApply());
    EXPECT_TRUE(SamePixels(session_.UndoPhoto(), *first));

    // Open starts again with nothing to undo or lose.
    session_.Apply(Render(1, 5));
    session_.Open(Copy(opened), PhotoMetadata(), "/photos/b.jpg");
    EXPECT_FALSE(session_.CanUndo() || session_.HasUnsavedApply());
    // An Apply undone to the photo as opened leaves nothing to lose.
    session_.Apply(Render(1, 6));
    session_.Undo();
    EXPECT_TRUE(SamePixels(session_.WorkPhoto(), opened));
    EXPECT_FALSE(session_.HasUnsavedApply());
    // Apply, Apply, Save, Undo: back to the first Apply, never saved.
    const auto never = Render(1, 7);
    session_.Apply(never);
    session_.Apply(Render(1, 8));
    session_.NoteSaved(dir_.File("two.bmp"), session_.WorkGeneration());
    session_.Undo();
    EXPECT_TRUE(SamePixels(session_.WorkPhoto(), *never));
    EXPECT_TRUE(session_.HasUnsavedApply());
}

TEST_F(PhotoSessionTest, ApplyApplyUndoRestoresThePhotoBeforeTheSecondApplyAndStripsFollowTheWorkingPhoto) {
    session_.Open(RandomBitmap(40, 30, 5), PhotoMetadata(), "/photos/a.jpg");
    session_.Apply(Render(1, 3));
    const TBitmap first = Copy(session_.WorkPhoto());
    // A strip after Apply is drawn from the new working photo, and so is a render.
    NoStrip strip;
    std::shared_ptr<StripJob> job = session_.StartStrip(8);
    ASSERT_EQ(RunStrip(job, strip).error, "");
    session_.FinishStrip(*job);
    EXPECT_TRUE(SamePixels(session_.ThumbPhoto(), Stretched(first, kThumbSide, kThumbSide)));
    const auto second = Render(8, 2);
    EXPECT_TRUE(SamePixels(*second, RenderJob(std::make_shared<const TBitmap>(Copy(first)), Look{8, 2}, pictures_)
                                         .Run()
                                         .picture));
    session_.Apply(second);
    EXPECT_FALSE(SamePixels(session_.WorkPhoto(), first));

    const SessionChange undo = session_.Undo();
    EXPECT_TRUE(undo.workPhotoReplaced && undo.redrawView && undo.hideStrip);
    for (const TBitmap* buffer : {&session_.WorkPhoto(), &session_.ResultPhoto(), &session_.UndoPhoto()})
        EXPECT_TRUE(SamePixels(*buffer, first));
    EXPECT_EQ(session_.UndoSteps(), 1);  // the opened photo, one Undo further
}

// Colour and Art decide the preview's Change Color button per effect, with
// the render; the other categories leave it as their strip set it.
TEST_F(PhotoSessionTest, ColourAndArtRendersSetTheChangeColorButtonPerEffect) {
    session_.Open(RandomBitmap(40, 30, 6), PhotoMetadata(), "/photos/a.jpg");
    struct Case {
        Look look;
        ButtonChange button;
    };
    for (const Case c : {Case{{8, 6}, ButtonChange::kHide}, Case{{8, 1}, ButtonChange::kShow}, Case{{8, 5}, ButtonChange::kShow},
                         Case{{8, 7}, ButtonChange::kShow}, Case{{8, 10}, ButtonChange::kShow},
                         Case{{15, 10}, ButtonChange::kShow}, Case{{15, 1}, ButtonChange::kHide},
                         Case{{15, 4}, ButtonChange::kHide}, Case{{15, 8}, ButtonChange::kHide},
                         Case{{15, 9}, ButtonChange::kHide}, Case{{1, 3}, ButtonChange::kKeep}}) {
        SCOPED_TRACE(testing::Message() << c.look.category << "/" << c.look.effect);
        auto job = session_.StartRender(c.look);
        EXPECT_EQ(session_.FinishRender(c.look, ColourDecision::NotAsked(), job->Run()), c.button);
        EXPECT_TRUE(SamePixels(session_.ResultPhoto(),
                               RenderJob(session_.WorkSnapshot(), c.look, pictures_).Run().picture));
    }
}

TEST_F(PhotoSessionTest, UndoAndRedoWalkEveryApplyBackAndForthWithWhatWasSaved) {
    session_.Open(RandomBitmap(40, 30, 4), PhotoMetadata(), "/photos/a.jpg");
    std::vector<std::shared_ptr<const TBitmap>> states{session_.WorkSnapshot()};
    for (int effect = 1; effect <= 5; ++effect) {
        session_.Apply(Render(1, effect));
        states.push_back(session_.WorkSnapshot());
        if (effect == 2) session_.NoteSaved("/photos/a2.jpg", session_.WorkGeneration());
    }
    const auto expectAt = [&](size_t i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(SamePixels(session_.WorkPhoto(), *states[i]));
        EXPECT_TRUE(SamePixels(session_.ResultPhoto(), *states[i]));
        // The opened photo and the saved second Apply lose nothing.
        EXPECT_EQ(session_.HasUnsavedApply(), i != 0 && i != 2);
        EXPECT_EQ(session_.UndoSteps(), int(i));
        EXPECT_EQ(session_.RedoSteps(), int(states.size() - 1 - i));
    };
    for (size_t i = states.size() - 1; i-- > 0;) {
        EXPECT_TRUE(session_.Undo().redrawView);
        expectAt(i);
    }
    EXPECT_FALSE(session_.Undo().workPhotoReplaced);  // nothing older
    for (size_t i = 1; i < states.size(); ++i) {
        const SessionChange redo = session_.Redo();
        ASSERT_TRUE(redo.view);
        EXPECT_TRUE(SamePixels(*redo.view, *states[i]));
        expectAt(i);
    }
    EXPECT_FALSE(session_.Redo().workPhotoReplaced);

    // An Apply after an Undo lets what Redo could bring back go.
    session_.Undo();
    session_.Apply(Render(2, 1));
    EXPECT_FALSE(session_.CanRedo());
    EXPECT_EQ(session_.UndoSteps(), 5);
}

// A save counts for the photo it wrote, whatever is applied, undone,
// redone or opened while its file is written: "a" Apply, "u" Undo, "r"
// Redo, "o" Open, during the save and after it.
TEST_F(PhotoSessionTest, ASaveMarksSavedOnlyThePhotoItWrote) {
    struct Case {
        const char* during;
        const char* after;
        bool unsaved;     // whether the working photo then holds an Apply in no file
        bool savedPath;   // whether the photo's file is then the one written
    };
    const Case cases[] = {
        {"", "", false, true},     {"a", "", true, true},   {"a", "u", false, true}, {"u", "", false, true},
        {"u", "r", false, true},   {"ua", "", true, true},  {"ua", "u", false, true}, {"aa", "uu", false, true},
        {"au", "", false, true},   {"o", "", false, false}, {"oa", "", true, false}, {"oau", "", false, false},
    };
    int seed = 10;
    const auto run = [&](const char* steps) {
        for (const char* step = steps; *step; ++step) {
            switch (*step) {
            case 'a': session_.Apply(std::make_shared<const TBitmap>(RandomBitmap(40, 30, ++seed))); break;
            case 'u': session_.Undo(); break;
            case 'r': session_.Redo(); break;
            case 'o': session_.Open(RandomBitmap(40, 30, ++seed), PhotoMetadata(), "/photos/other.jpg"); break;
            }
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "during \"" << c.during << "\", after \"" << c.after << "\"");
        session_.Open(RandomBitmap(40, 30, 1), PhotoMetadata(), "/photos/a.jpg");
        session_.Apply(std::make_shared<const TBitmap>(RandomBitmap(40, 30, 2)));
        const uint64_t written = session_.TakeShownForSave(session_.WorkSnapshot());
        run(c.during);
        session_.NoteSaved("/photos/saved.jpg", written);
        run(c.after);
        EXPECT_EQ(session_.HasUnsavedApply(), c.unsaved);
        EXPECT_EQ(session_.PhotoPath(), c.savedPath ? "/photos/saved.jpg" : "/photos/other.jpg");
    }
}

TEST_F(PhotoSessionTest, TheHistoryKeepsItsLimitsButAlwaysTheLatestStep) {
    const size_t photoBytes = RandomBitmap(40, 30, 0).ByteCount();
    struct Case {
        HistoryLimits limits;
        int kept;
    };
    for (const Case& c : {Case{{3, size_t(1) << 30}, 3}, Case{{20, photoBytes * 2}, 2}, Case{{20, 1}, 1}}) {
        PhotoSession session(pictures_, c.limits);
        session.Open(RandomBitmap(40, 30, 5), PhotoMetadata(), "/photos/a.jpg");
        for (int i = 0; i < 6; ++i) session.Apply(std::make_shared<const TBitmap>(RandomBitmap(40, 30, uint32_t(10 + i))));
        EXPECT_EQ(session.UndoSteps(), c.kept);
        // What is kept is the latest: one Undo goes back one Apply.
        session.Undo();
        EXPECT_TRUE(SamePixels(session.WorkPhoto(), RandomBitmap(40, 30, 14)));
    }
    EXPECT_GT(HistoryLimits::ForThisMachine().bytes, size_t(0));
}

TEST_F(PhotoSessionTest, OnlyLooksOfTheCatalogueReplaceTheLastRenderAndThePreviewsLook) {
    session_.Open(RandomBitmap(40, 30, 3), PhotoMetadata(), "/photos/a.jpg");
    session_.ResultPhotoBuffer().SetFillColor(Rgb{1, 2, 3});
    const auto look = Render(8, 1);
    EXPECT_EQ(session_.PreviewLook().look.category, 8);
    EXPECT_EQ(session_.PreviewLook().fallbackFill, (Rgb{1, 2, 3}));
    for (const Look outside : {Look{0, 1}, Look{1, 0}, Look{1, kEffectCount + 1}, Look{99, 1}}) {
        Render(outside.category, outside.effect);
        EXPECT_TRUE(SamePixels(session_.ResultPhoto(), *look));
        EXPECT_EQ(session_.PreviewLook().look.category, 8);
    }

    // A strip leaves the tenth thumbnail in the last render and remembers
    // its category, also before there is a photo.
    NoStrip strip;
    std::shared_ptr<StripJob> job = session_.StartStrip(1);
    ASSERT_EQ(RunStrip(job, strip).error, "");
    session_.FinishStrip(*job);
    EXPECT_EQ(strip.last, kEffectCount);
    EXPECT_EQ(session_.ResultPhoto().Width(), kThumbSide);
    PhotoSession empty(pictures_);
    EXPECT_EQ(empty.StartStrip(4), nullptr);
    EXPECT_EQ(empty.CurrentCategory(), 4);
}

TEST_F(PhotoSessionTest, ANewLookStartsAtFullStrengthAndOnlyAChangeColorReRenderOfItKeepsItsStrength) {
    session_.Open(RandomBitmap(40, 30, 4), PhotoMetadata(), "/photos/a.jpg");
    struct Case {
        bool changeColor;
        Look look;
        int strength;
    };
    for (const Case& c : {Case{false, {1, 3}, 100}, Case{true, {1, 3}, 37}, Case{true, {1, 4}, 100},
                          Case{true, {2, 3}, 100}, Case{false, {0, 1}, 37}}) {
        Render(1, 3);
        EXPECT_EQ(session_.PreviewStrength(), kFullStrength);
        session_.SetPreviewStrength(37);
        session_.SetChangeColorMode(c.changeColor);
        Render(c.look.category, c.look.effect);
        session_.SetChangeColorMode(false);
        EXPECT_EQ(session_.PreviewStrength(), c.strength) << c.look.category << "/" << c.look.effect;
        // A batch takes the look at the strength the preview shows.
        EXPECT_EQ(session_.PreviewLook().strength, c.strength);
    }
    session_.SetPreviewStrength(-5);
    EXPECT_EQ(session_.PreviewStrength(), 0);
    session_.SetPreviewStrength(140);
    EXPECT_EQ(session_.PreviewStrength(), kFullStrength);
}

TEST(BlankPhotoCheck, AUniformPhotoTurnsWhite) {
    TBitmap photo = SolidBitmap(40, 30, Rgb{10, 120, 200});
    RandomGenerator random;
    EXPECT_TRUE(BlankPhotoCheck(photo, random));
    EXPECT_TRUE(SamePixels(photo, SolidBitmap(40, 30, kWhite)));
}

TEST(BlankPhotoCheck, TheSmallestPhotoWithAReferencePixelCanTurnWhite) {
    TBitmap photo = SolidBitmap(5, 9, Rgb{1, 2, 3});
    RandomGenerator random;
    EXPECT_TRUE(BlankPhotoCheck(photo, random));
}

TEST(BlankPhotoCheck, PhotosWithoutTheReferencePixelAreNeverWhitened) {
    RandomGenerator random;
    for (auto [w, h] : {std::pair{4, 40}, std::pair{40, 8}, std::pair{1, 1}, std::pair{0, 0}}) {
        TBitmap photo = SolidBitmap(w, h, Rgb{9, 9, 9});
        EXPECT_FALSE(BlankPhotoCheck(photo, random)) << w << "x" << h;
        EXPECT_TRUE(SamePixels(photo, SolidBitmap(w, h, Rgb{9, 9, 9})));
    }
}

TEST(BlankPhotoCheck, APhotoWithContentIsLeftAlone) {
    TBitmap photo = RandomBitmap(64, 48, 7);
    TBitmap before;
    before.CopyFrom(photo);
    RandomGenerator random;
    EXPECT_FALSE(BlankPhotoCheck(photo, random));
    EXPECT_TRUE(SamePixels(photo, before));
}

TEST(BlankPhotoCheck, SeedsFromTheClockThenDrawsXBeforeY) {
    // The reference pixel differs from the first sample, so exactly one
    // sample (two draws) is taken after seeding.
    TBitmap photo = SolidBitmap(64, 48, Rgb{50, 50, 50});
    photo.Pixel(4, 8)[0] = 51;
    RandomGenerator random(0xFFFFFFFFu);
    EXPECT_FALSE(BlankPhotoCheck(photo, random));
    // Undo the two steps of the sequence to find the seed it started from.
    constexpr uint32_t a = 134775813u;
    uint32_t inverse = a;
    for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
    const uint32_t seed = ((random.Seed() - 1u) * inverse - 1u) * inverse;
    EXPECT_LT(seed, 86400000u);  // milliseconds of one day
}

}  // namespace

namespace {

// Keeps every thumbnail a strip hands over.
class KeptStrip : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { thumbnails.push_back(Copy(picture)); }
    void SetChangeColorButton(bool) override {}
    std::vector<TBitmap> thumbnails;
};

}  // namespace

// "Keep faces clear": the renders and strips started with it on take the
// working photo's faces, found once and kept with that photo through Undo
// and Redo; with it off they are the looks' own bytes.
TEST_F(PhotoSessionTest, KeepFacesGivesRendersAndStripsTheWorkingPhotosFaces) {
    PhotoMetadata metadata;
    TBitmap portrait = ReadPhotoUpright(CORVESSA_FACES_DIR "/astronaut.jpg", metadata);
    const auto photo = std::make_shared<const TBitmap>(Copy(portrait));
    session_.Open(std::move(portrait), PhotoMetadata(), "/photos/astronaut.jpg");
    EXPECT_FALSE(session_.KeepFaces());
    const int color = FindCategoryByCaption("Color")->number;

    const auto plain = Render(color, 4);
    session_.SetKeepFaces(true);
    const auto kept = Render(color, 4);
    RenderJob reference(photo, Look{color, 4}, pictures_);
    reference.SetFaces(std::make_shared<PhotoFaces>(photo));
    EXPECT_TRUE(SamePixels(*kept, reference.Run().picture));
    EXPECT_FALSE(SamePixels(*kept, *plain));

    // Every thumbnail differs from the option off, and only within the
    // faces' ellipse.
    for (const bool large : {false, true}) {
        KeptStrip with, without;
        for (const bool on : {true, false}) {
            session_.SetKeepFaces(on);
            std::unique_ptr<StripJob> strip = session_.StartStrip(color);
            if (large) strip->SetLargeSide(200);
            strip->Run(on ? with : without);
        }
        ASSERT_EQ(with.thumbnails.size(), size_t(kEffectCount));
        for (int n = 0; n < kEffectCount; ++n) EXPECT_FALSE(SamePixels(with.thumbnails[n], without.thumbnails[n])) << n;
    }

    // My Looks' thumbnails too: the photo's own colours over the face.
    const FaceBox face = session_.WorkFaces()->BoxesFor(kThumbSide, kThumbSide)[0];
    const std::string cube = dir_.File("negative.cube"), cubeText = CubeText(5, true, InvertedColour);
    WriteBytes(cube, std::vector<uint8_t>(cubeText.begin(), cubeText.end()));
    std::vector<std::shared_ptr<const PreparedLut>> tables;
    TBitmap mine;
    MyLooks::DrawThumbnails(
        *photo, {ReadUserLook(cube)}, 0, tables, [&](int, std::shared_ptr<TBitmap> p) { mine = std::move(*p); },
        session_.WorkFaces().get());
    const int cx = face.x + face.width / 2, cy = face.y + face.height / 2;
    EXPECT_TRUE(std::equal(mine.Pixel(cx, cy), mine.Pixel(cx, cy) + 3, session_.ThumbPhoto().Pixel(cx, cy)));
    EXPECT_NEAR(mine.Pixel(0, 0)[1], 255 - session_.ThumbPhoto().Pixel(0, 0)[1], 1);  // away from it, the table

    // Found once for the photo; an Apply's photo has its own, and Undo
    // brings the first ones back.
    session_.SetKeepFaces(true);
    const std::shared_ptr<PhotoFaces> first = session_.WorkFaces();
    EXPECT_TRUE(first->Known());
    EXPECT_EQ(first->Boxes().size(), 1u);
    session_.Apply(kept);
    EXPECT_NE(session_.WorkFaces(), first);
    session_.Undo();
    EXPECT_EQ(session_.WorkFaces(), first);
    session_.Open(RandomBitmap(40, 30, 3), PhotoMetadata(), "/photos/b.jpg");
    EXPECT_TRUE(session_.WorkFaces()->Boxes().empty());
    session_.Close();
    EXPECT_EQ(session_.WorkFaces(), nullptr);
}
