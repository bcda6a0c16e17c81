// The rules of the photo being edited, without a window: which buffers
// Open, Apply, Undo, Save and the renders replace, and what they ask the
// window to show.
#include <gtest/gtest.h>

#include <memory>

#include "catalogue/catalogue.h"
#include "io/bmp_codec.h"
#include "io/photo_files.h"
#include "io/picture_source.h"
#include "picture_folder.h"
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
    for (const bool blank : {false, true}) {
        TBitmap photo = RandomBitmap(40, 30, 1);
        if (blank) {
            photo.SetFillColor(Rgb{10, 20, 30});
            photo.FillAll();
        }
        const TBitmap asRead = Copy(photo);
        const SessionChange change = session_.Open(std::move(photo), PhotoMetadata(), "/photos/a.jpg");
        EXPECT_TRUE(change.workPhotoReplaced && change.refitView && change.hideStrip);
        ASSERT_TRUE(change.view);
        EXPECT_TRUE(SamePixels(*change.view, asRead));
        EXPECT_TRUE(SamePixels(session_.UndoPhoto(), asRead));
        EXPECT_TRUE(SamePixels(session_.ResultPhoto(), asRead));
        EXPECT_EQ(session_.WorkPhoto().Pixel(0, 0)[0] == 255, blank);
        EXPECT_EQ(session_.ThumbPhoto().Width(), kThumbSide);
        EXPECT_FALSE(session_.CanUndo());
        EXPECT_EQ(session_.PhotoPath(), "/photos/a.jpg");
    }
}

TEST_F(PhotoSessionTest, OneStepOfUndoAndOnlyAnApplyNotSavedSinceIsUnsaved) {
    session_.Open(RandomBitmap(40, 30, 2), PhotoMetadata(), "/photos/a.jpg");
    const TBitmap opened = Copy(session_.WorkPhoto());
    const auto first = Render(1, 3);
    session_.Apply(first);
    EXPECT_TRUE(session_.CanUndo() && session_.HasUnsavedApply());
    session_.TakeShownForSave(session_.WorkSnapshot());
    ASSERT_EQ(WritePhotoFile(session_.ResultPhoto(), dir_.File("one.bmp"), PhotoFormatId::kBmp, session_.Metadata()), "");
    session_.NoteSaved(dir_.File("one.bmp"));
    EXPECT_FALSE(session_.HasUnsavedApply());
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir_.File("one.bmp")), *first));

    // Apply, Undo: back to the saved first Apply, nothing to lose.
    session_.Apply(Render(1, 4));
    const SessionChange undo = session_.Undo();
    EXPECT_TRUE(undo.redrawView && !undo.view && undo.hideStrip);
    EXPECT_TRUE(SamePixels(session_.WorkPhoto(), *first));
    EXPECT_TRUE(SamePixels(session_.ResultPhoto(), *first));
    EXPECT_FALSE(session_.CanUndo());
    EXPECT_FALSE(session_.HasUnsavedApply());
    // The undo step stays: a second Undo would restore it again.
    EXPECT_TRUE(SamePixels(session_.UndoPhoto(), *first));

    // Open starts again with nothing to undo or lose.
    session_.Apply(Render(1, 5));
    session_.Open(Copy(opened), PhotoMetadata(), "/photos/b.jpg");
    EXPECT_FALSE(session_.CanUndo() || session_.HasUnsavedApply());
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

}  // namespace
