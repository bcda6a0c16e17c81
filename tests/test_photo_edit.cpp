// One visit of the Edit panel without a window: the edits as the user sees
// them turn, mirror and straighten, the crop frame's drags, what the panel
// shows on a screen-size copy, and accepting as one step of the history.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/render_job.h"
#include "io/picture_source.h"
#include "picture_folder.h"
#include "session/photo_edit.h"
#include "session/photo_session.h"
#include "test_support.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

class PhotoEditTest : public testing::Test {
protected:
    PhotoEditTest() : pictures_((MakePictureFolder(dir_.Path() + "/", 12), dir_.File("pic"))) {
        session_.Open(RandomBitmap(60, 40, 7), PhotoMetadata(), "/photos/a.jpg");
    }

    TempDir dir_;
    FolderPictures pictures_;
    PhotoSession session_{pictures_};
};

EditSettings Only(const std::string& what) {
    EditSettings edits = EditSettings::Neutral();
    if (what == "right") edits.quarterTurns = 1;
    if (what == "left") edits.quarterTurns = 3;
    if (what == "h") edits.flipHorizontal = true;
    if (what == "v") edits.flipVertical = true;
    return edits;
}

// Each step of the user's is the picture on screen turned or mirrored, so
// the edits made of them give what the steps give one after another.
TEST_F(PhotoEditTest, TurnsAndMirrorsActOnThePhotoAsTheUserSeesIt) {
    for (const std::vector<std::string> steps :
         {std::vector<std::string>{"h", "right"}, {"right", "h"}, {"v", "left", "left"}, {"h", "v"}, {"h", "right", "v"},
          {"left", "h", "right", "h"}}) {
        std::string name;
        PhotoEdit edit(session_);
        TBitmap expected = Copy(session_.WorkPhoto());
        for (const std::string& step : steps) {
            name += step + " ";
            expected = ApplyEdits(expected, Only(step));
            if (step == "h" || step == "v")
                edit.Flip(step == "h");
            else
                edit.Turn(step == "right" ? 1 : -1);
        }
        SCOPED_TRACE(name);
        EXPECT_TRUE(SamePixels(ApplyEdits(*edit.Photo(), edit.Edits()), expected));
        // Two mirrors are half a turn, never both flags.
        EXPECT_FALSE(edit.Edits().flipHorizontal && edit.Edits().flipVertical);
    }
    PhotoEdit back(session_);
    back.Turn(1);
    back.Flip(true);
    back.Turn(1);
    back.Flip(true);
    EXPECT_FALSE(back.Changed()) << "right, mirror, right, mirror is the photo again";
}

TEST_F(PhotoEditTest, MirroringTurnsTheStraighteningTheOtherWayAndKeepsTheFrameOnTheSameDetail) {
    PhotoEdit edit(session_);
    edit.Straighten(2.54);
    EXPECT_DOUBLE_EQ(edit.Edits().straightenDegrees, 2.5);
    edit.SetCrop(Crop{2, 3, 20, 25});
    const PixelRect whole = edit.Uncropped();
    edit.Flip(true);
    EXPECT_DOUBLE_EQ(edit.Edits().straightenDegrees, -2.5);
    EXPECT_EQ(edit.Kept(), (PixelRect{whole.width - 22, 3, 20, 25}));
    edit.Flip(true);
    EXPECT_EQ(edit.Kept(), (PixelRect{2, 3, 20, 25}));
    edit.Straighten(-99);
    EXPECT_DOUBLE_EQ(edit.Edits().straightenDegrees, -kMostStraighten);
    // A frame drawn by hand stays within what the straightening leaves.
    const PixelRect left = edit.Uncropped(), kept = edit.Kept();
    EXPECT_TRUE(kept.x >= 0 && kept.y >= 0 && kept.x + kept.width <= left.width && kept.y + kept.height <= left.height);
}

TEST_F(PhotoEditTest, ACropThatKeepsEverythingIsNoneAndATurnTakesAShapesFrameBackToItsLargest) {
    PhotoEdit edit(session_);
    edit.SetCrop(Crop{0, 0, 60, 40});
    EXPECT_FALSE(edit.Changed());
    edit.SetCrop(Crop{0, 0, 0, 0, 3, 2});
    EXPECT_FALSE(edit.Changed()) << "the photo is 3:2 already";
    edit.SetCrop(Crop{0, 0, 0, 0, 4, 5});
    EXPECT_EQ(edit.Kept(), (PixelRect{14, 0, 32, 40}));
    edit.SetCrop(Crop{1, 2, 16, 20, 4, 5});
    edit.Turn(1);
    EXPECT_EQ(edit.Edits().crop, (Crop{0, 0, 0, 0, 4, 5}));
    EXPECT_EQ(edit.Kept(), (PixelRect{0, 5, 40, 50}));
    edit.SetCrop(Crop{1, 2, 16, 20});
    edit.Turn(-1);
    EXPECT_FALSE(edit.Edits().crop) << "a free frame goes";
    edit.SetValue(AdjustmentId::kExposure, 1000);
    EXPECT_EQ(edit.Edits().Value(AdjustmentId::kExposure), AdjustmentOf(AdjustmentId::kExposure).highest);
    edit.Reset();
    EXPECT_FALSE(edit.Changed());
}

TEST(CropFrame, DragsKeepTheFrameInThePictureItsShapeAndWhatShouldStay) {
    constexpr int kWidth = 400, kHeight = 300;
    const PixelRect start{100, 80, 160, 120};
    using H = FrameHandle;
    for (const H handle : {H::kInside, H::kLeft, H::kRight, H::kTop, H::kBottom, H::kTopLeft, H::kTopRight,
                           H::kBottomLeft, H::kBottomRight}) {
        for (const auto& [rw, rh] : {std::pair{0, 0}, std::pair{4, 5}, std::pair{16, 9}}) {
            for (const auto& [dx, dy] : {std::pair{30, 10}, std::pair{-25, -40}, std::pair{900, 900}, std::pair{-900, -900},
                                         std::pair{-150, 150}}) {
                SCOPED_TRACE(testing::Message() << int(handle) << " " << rw << ":" << rh << " by " << dx << "," << dy);
                const PixelRect f = DragFrame(start, handle, dx, dy, kWidth, kHeight, rw, rh);
                EXPECT_TRUE(f.x >= 0 && f.y >= 0 && f.x + f.width <= kWidth && f.y + f.height <= kHeight);
                EXPECT_GE(std::min(f.width, f.height), kLeastCropSide);
                if (rw > 0 && handle != H::kInside) EXPECT_NEAR(f.width, f.height * double(rw) / rh, 1.0);
                const bool left = handle == H::kLeft || handle == H::kTopLeft || handle == H::kBottomLeft;
                const bool right = handle == H::kRight || handle == H::kTopRight || handle == H::kBottomRight;
                const bool top = handle == H::kTop || handle == H::kTopLeft || handle == H::kTopRight;
                const bool bottom = handle == H::kBottom || handle == H::kBottomLeft || handle == H::kBottomRight;
                if (handle == H::kInside) {
                    EXPECT_TRUE(f.width == start.width && f.height == start.height);
                    continue;
                }
                // The side or corner opposite the one held stays.
                if (left) EXPECT_EQ(f.x + f.width, start.x + start.width);
                if (right) EXPECT_EQ(f.x, start.x);
                if (top) EXPECT_EQ(f.y + f.height, start.y + start.height);
                if (bottom) EXPECT_EQ(f.y, start.y);
                // Free, a side moves alone; shaped, about its middle line.
                if (rw == 0 && (left || right) && !top && !bottom) EXPECT_TRUE(f.y == start.y && f.height == start.height);
                if (rw > 0 && (left || right) && !top && !bottom && f.height < kHeight)
                    EXPECT_NEAR(f.y + f.height / 2.0, start.y + start.height / 2.0, 1.0);
            }
        }
    }
    // Outward the frame grows, inward it shrinks.
    EXPECT_GT(DragFrame(start, H::kBottomRight, 40, 0, kWidth, kHeight, 4, 5).width, start.width);
    EXPECT_LT(DragFrame(start, H::kTopLeft, 0, 40, kWidth, kHeight, 0, 0).height, start.height);
    EXPECT_EQ(FitFrame({350, 250, 800, 600}, kWidth, kHeight), (PixelRect{0, 0, 400, 300}));
    EXPECT_EQ(FitFrame({390, -5, 20, 30}, kWidth, kHeight), (PixelRect{380, 0, 20, 30}));
}

TEST_F(PhotoEditTest, TheViewAdjustsTheCropsPartOfTheShapedCopyAndShapesItOnceForManyMoves) {
    const auto copy = std::make_shared<const TBitmap>(RandomBitmap(30, 20, 3));
    EditSettings edits = EditSettings::Neutral();
    EditView view = MakeEditView(copy, 60, 40, edits, {});
    EXPECT_EQ(view.shaped, copy) << "nothing turned: the copy itself";
    EXPECT_TRUE(SamePixels(*view.shown, *copy));

    edits.SetValue(AdjustmentId::kShadows, 40);
    edits.straightenDegrees = 2.5;
    view = MakeEditView(copy, 60, 40, edits, view);
    const std::shared_ptr<const TBitmap> shaped = view.shaped;
    EXPECT_TRUE(SamePixels(*view.shown, ApplyEdits(*copy, edits)));

    // A crop of the full photo counts at the copy's scale; outside it the
    // shaped copy shows unadjusted.
    edits.crop = Crop{10, 8, 20, 16};
    view = MakeEditView(copy, 60, 40, edits, view);
    EXPECT_EQ(view.shaped, shaped) << "shaped once";
    EditSettings inner = EditSettings::Neutral();
    inner.SetValue(AdjustmentId::kShadows, 40);
    inner.crop = Crop{5, 4, 10, 8};
    const TBitmap adjusted = ApplyEdits(*shaped, inner);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{4, 4}, std::pair{15, 12}}) {
        const bool inside = x >= 5 && x < 15 && y >= 4 && y < 12;
        EXPECT_EQ(PixelAt(*view.shown, x, y), inside ? PixelAt(adjusted, x - 5, y - 4) : PixelAt(*shaped, x, y)) << x;
    }
}

TEST_F(PhotoEditTest, AcceptingIsOneApplyThatUndoAndRedoStepOverAndLooksAfterItSeeTheEditedPhoto) {
    const std::shared_ptr<const TBitmap> before = session_.WorkSnapshot();
    PhotoEdit edit(session_);
    edit.Turn(1);
    edit.SetValue(AdjustmentId::kWarmth, 20);
    const auto edited = std::make_shared<const TBitmap>(ApplyEdits(*edit.Photo(), edit.Edits()));
    const SessionChange change = session_.ApplyEdit(edit.Generation(), edited);
    EXPECT_TRUE(change.workPhotoReplaced && change.refitView && change.redrawStrip && !change.hideStrip);
    EXPECT_EQ(change.view, edited);
    EXPECT_EQ(session_.UndoSteps(), 1);
    EXPECT_TRUE(session_.HasUnsavedApply());
    EXPECT_EQ(RenderJob(session_.WorkSnapshot(), Look{1, 3}, pictures_).Run().picture.Width(), 40);

    // Back to the photo of the other size: the view is fitted to it.
    const SessionChange undo = session_.Undo();
    EXPECT_TRUE(undo.refitView && !undo.redrawView);
    EXPECT_EQ(undo.view, before);
    EXPECT_FALSE(session_.HasUnsavedApply());
    const SessionChange redo = session_.Redo();
    EXPECT_TRUE(redo.refitView);
    EXPECT_EQ(redo.view, edited);
    EXPECT_TRUE(session_.HasUnsavedApply());

    // An edit begun on a photo that is no longer the working one is let go.
    session_.Open(RandomBitmap(60, 40, 8), PhotoMetadata(), "/photos/b.jpg");
    const std::shared_ptr<const TBitmap> opened = session_.WorkSnapshot();
    EXPECT_FALSE(session_.ApplyEdit(edit.Generation(), edited).workPhotoReplaced);
    EXPECT_EQ(session_.WorkSnapshot(), opened);
    EXPECT_EQ(session_.UndoSteps(), 0);
}

}  // namespace
