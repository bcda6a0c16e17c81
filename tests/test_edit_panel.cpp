// The Edit panel in the window: how it opens and closes, what it shows
// while the user decides, the crop frame under the mouse, accepting as one
// step of the history, and the window's steps giving the bytes
// corvessa-render gives for the same edits and look.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "camera_jpeg.h"
#include "catalogue/render_job.h"
#include "fake_dialogs.h"
#include "io/photo_files.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "shell/edit_panel.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/main_layout.h"
#include "shell/skin.h"
#include "test_support.h"
#include "widgets/crop_frame.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "window_jobs.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

constexpr int kFilm = 17;

std::vector<uint8_t> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// A program folder with every overlay picture and colour table and a
// 240 x 160 sample photo; the window on a 1024 x 768 screen.
class EditPanelTest : public testing::Test {
protected:
    void SetUp() override {
        MakePictureFolder(dir_.Path() + "/", 12);
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(RandomBitmap(240, 160, 7), JpegKind::kColour));
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
        panel_ = &form_->EditPanel();
        before_ = form_->Session().WorkSnapshot();
    }
    void TearDown() override {
        form_.reset();
        SkinRemove();
    }

    template <class W>
    W* Child(const char* name) const {
        return form_->findChild<W*>(QString::fromLatin1(name));
    }
    QSlider* Slider(AdjustmentId id) const {
        return Child<QSlider>(("Slider" + std::string(AdjustmentOf(id).label)).c_str());
    }
    void Open() {
        Child<QPushButton>("BtnEdit")->click();
        Settle(*form_);
        ASSERT_TRUE(panel_->Editing());
    }
    void ChooseShape(const char* name) {
        auto* combo = Child<QComboBox>("ComboCropShape");
        const int index = combo->findText(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        Settle(*form_);
    }
    // The edits of the window's steps: straightened 2.5 degrees, cropped
    // 4:5, Shadows 40 and Warmth 20.
    void MakeTheEdits() {
        Child<QSlider>("SliderStraighten")->setValue(25);
        ChooseShape("4:5");
        Slider(AdjustmentId::kShadows)->setValue(40);
        Slider(AdjustmentId::kWarmth)->setValue(20);
        Settle(*form_);
    }
    static EditSettings TheEdits() {
        EditSettings edits = EditSettings::Neutral();
        edits.straightenDegrees = 2.5;
        edits.crop = Crop{0, 0, 0, 0, 4, 5};
        edits.SetValue(AdjustmentId::kShadows, 40);
        edits.SetValue(AdjustmentId::kWarmth, 20);
        return edits;
    }
    bool ShowingEdits() const {
        return panel_->Panel()->isVisibleTo(form_.get()) && panel_->View()->isVisibleTo(form_.get()) &&
               !form_->FlatPanel2()->isVisibleTo(form_.get()) && !form_->ImgEffect()->isVisibleTo(form_.get());
    }
    bool ShowingPhoto() const {
        return !panel_->Panel()->isVisibleTo(form_.get()) && !panel_->View()->isVisibleTo(form_.get()) &&
               form_->FlatPanel2()->isVisibleTo(form_.get()) && form_->ImgEffect()->isVisibleTo(form_.get());
    }

    TempDir dir_;
    FakeDialogs* dialogs_ = nullptr;
    std::unique_ptr<TFormMain> form_;
    TEditPanel* panel_ = nullptr;
    std::shared_ptr<const TBitmap> before_;
};

TEST_F(EditPanelTest, TheButtonAndItsKeysOpenThePanelAndCancelEscapeOrApplyWithoutAChangeLeaveThePhoto) {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    struct Way {
        const char* name;
        std::function<void()> open, leave;
    } ways[] = {
        {"the buttons", [&] { Child<QPushButton>("BtnEdit")->click(); }, [&] { Child<QPushButton>("BtnEditCancel")->click(); }},
        {"the keys", [&] { QTest::keyClick(form_.get(), Qt::Key_E, Qt::ControlModifier); },
         [&] { QTest::keyClick(panel_->Frame(), Qt::Key_Escape); }},
        {"Apply with every edit back at none",
         [&] {
             Child<QPushButton>("BtnEdit")->click();
             Slider(AdjustmentId::kContrast)->setValue(30);
             Child<QPushButton>("BtnEditReset")->click();
         },
         [&] { QTest::keyClick(panel_->Frame(), Qt::Key_Return); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        way.open();
        Settle(*form_);
        EXPECT_TRUE(ShowingEdits());
        EXPECT_TRUE(panel_->Frame()->hasFocus());
        way.leave();
        Settle(*form_);
        EXPECT_FALSE(panel_->Editing());
        EXPECT_TRUE(ShowingPhoto());
        EXPECT_EQ(form_->Session().WorkSnapshot(), before_);
        EXPECT_EQ(form_->UndoSteps(), 0);
        EXPECT_FALSE(form_->isWindowModified());
    }
    // Also from the preview, where the key opens the main window's panel.
    form_->FormPreview()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_->FormPreview()));
    QTest::keyClick(form_->FormPreview(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(panel_->Editing());
}

TEST_F(EditPanelTest, TheViewShowsTheEditsOnAScreenSizeCopyWithTheFrameOfTheShapeChosen) {
    WriteBytes(dir_.File("big.jpg"), MakeJpeg(GradientBitmap(3000, 2000), JpegKind::kColour));
    form_->OpenPhoto(dir_.File("big.jpg"));
    Settle(*form_);
    Open();
    MakeTheEdits();
    const TBitmap& shown = panel_->View()->Picture();
    EXPECT_LT(shown.Width(), 3000) << "a copy of the screen's size, not the photo";
    EXPECT_GE(std::max(shown.Width(), shown.Height()), 512);
    // The frame keeps 4:5 within what the straightening leaves, and says its size.
    const PixelRect whole = UncroppedRect(3000, 2000, panel_->Edits());
    const std::optional<PixelRect> frame = panel_->Frame()->Frame();
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, CropRect(whole.width, whole.height, *TheEdits().crop));
    EXPECT_NEAR(frame->width * 5.0 / 4, frame->height, 1);
    EXPECT_EQ(Child<QLabel>("LabelEditSize")->text(),
              QStringLiteral("%1 \u00d7 %2 pixels").arg(frame->width).arg(frame->height));
    EXPECT_EQ(Child<QLabel>("LabelStraighten")->text(), QStringLiteral("+2.5\u00b0"));
    // The view has the straightened photo's shape, the frame lying over it.
    EXPECT_NEAR(double(panel_->View()->width()) / panel_->View()->height(), double(whole.width) / whole.height, 0.02);
    EXPECT_EQ(panel_->Frame()->size(), panel_->View()->size());

    // A turn takes the frame of a shape back to its largest on the turned photo.
    Child<QPushButton>("BtnTurnRight")->click();
    Settle(*form_);
    const PixelRect turned = UncroppedRect(3000, 2000, panel_->Edits());
    EXPECT_LT(turned.width, turned.height);
    EXPECT_EQ(*panel_->Frame()->Frame(), CropRect(turned.width, turned.height, Crop{0, 0, 0, 0, 4, 5}));
    ChooseShape("No crop");
    EXPECT_FALSE(panel_->Frame()->Frame());
    EXPECT_FALSE(panel_->Edits().crop);

    // Auto's values, read from the whole photo as the edits turn it, on the sliders.
    const EditSettings before = panel_->Edits();
    Child<QPushButton>("BtnEditAuto")->click();
    Settle(*form_);
    const EditSettings proposed = AutoAdjusted(form_->WorkPhoto(), before);
    EXPECT_EQ(panel_->Edits(), proposed);
    EXPECT_NE(proposed.adjustments, before.adjustments);
    for (const Adjustment& row : kAdjustments) EXPECT_EQ(Slider(row.id)->value(), proposed.Value(row.id)) << row.key;
}

TEST_F(EditPanelTest, TheFrameIsDraggedByItsHandlesKeepingItsShapeAndShowingThirdsMeanwhile) {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    Open();
    ChooseShape("1:1");
    TCropFrame* frame = panel_->Frame();
    const PixelRect start = *frame->Frame();
    EXPECT_EQ(start, (PixelRect{40, 0, 160, 160}));
    const double scale = double(frame->width()) / 240;
    const auto at = [&](double x, double y) { return QPoint(int(std::lround(x * scale)), int(std::lround(y * scale))); };
    EXPECT_EQ(frame->HandleAt(at(40, 80)), FrameHandle::kLeft);
    EXPECT_EQ(frame->HandleAt(at(200, 160)), FrameHandle::kBottomRight);
    EXPECT_EQ(frame->HandleAt(at(120, 80)), FrameHandle::kInside);
    EXPECT_EQ(frame->HandleAt(at(10, 80)), FrameHandle::kNone);

    // The bottom-right corner dragged in: the top-left corner stays, the shape too.
    QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, at(200, 160));
    QTest::mouseMove(frame, at(180, 150));
    QTest::mouseMove(frame, at(160, 140));
    EXPECT_TRUE(frame->Dragging());
    // The rule of thirds shows while the frame is dragged, and only then.
    const QPoint third = at(40 + 40, 20);
    const QRgb during = panel_->View()->grab().toImage().pixel(third);
    QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, at(160, 140));
    EXPECT_FALSE(frame->Dragging());
    EXPECT_GT(qGray(during), qGray(panel_->View()->grab().toImage().pixel(third)) + 20);
    const PixelRect dragged = *frame->Frame();
    EXPECT_EQ(dragged.x, 40);
    EXPECT_EQ(dragged.y, 0);
    EXPECT_NEAR(dragged.width, 120, 3);
    EXPECT_EQ(dragged.width, dragged.height);
    ASSERT_TRUE(panel_->Edits().crop);
    EXPECT_EQ((PixelRect{panel_->Edits().crop->x, panel_->Edits().crop->y, panel_->Edits().crop->width,
                         panel_->Edits().crop->height}),
              dragged);
    // Moved by its inside, never out of the photo.
    QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, at(100, 60));
    QTest::mouseMove(frame, at(-400, 60));
    QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, at(-400, 60));
    EXPECT_EQ(*frame->Frame(), (PixelRect{0, 0, dragged.width, dragged.height}));
    Settle(*form_);
}

// Cropping without a mouse: the framed crop frame moves by the arrows and
// sizes by Shift and the arrows, a hundredth of the photo a press, within
// the photo and keeping its shape.
TEST_F(EditPanelTest, TheFramedCropFrameMovesAndSizesByTheArrowKeys) {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    Open();
    ChooseShape("1:1");
    TCropFrame* frame = panel_->Frame();
    frame->setFocus();
    ASSERT_EQ(*frame->Frame(), (PixelRect{40, 0, 160, 160}));
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        PixelRect after;
    };
    const Press presses[] = {
        {Qt::Key_Right, Qt::NoModifier, {42, 0, 160, 160}},
        {Qt::Key_Left, Qt::NoModifier, {40, 0, 160, 160}},
        {Qt::Key_Up, Qt::NoModifier, {40, 0, 160, 160}},  // at the top already
        // A side keeps the shape as a drag of it does: the other sides
        // close in about the middle.
        {Qt::Key_Left, Qt::ShiftModifier, {40, 1, 158, 158}},
        {Qt::Key_Down, Qt::NoModifier, {40, 2, 158, 158}},
        {Qt::Key_Up, Qt::ShiftModifier, {41, 2, 157, 157}},
    };
    for (const Press& press : presses) {
        QTest::keyClick(frame, press.key, press.modifiers);
        EXPECT_EQ(*frame->Frame(), press.after) << press.key << " " << press.modifiers;
        ASSERT_TRUE(panel_->Edits().crop);
        EXPECT_EQ(panel_->Edits().crop->x, press.after.x);
        EXPECT_EQ(panel_->Edits().crop->width, press.after.width);
    }
    EXPECT_TRUE(frame->hasFocus());
    Settle(*form_);
}

TEST_F(EditPanelTest, ApplyIsOneStepOfTheHistoryAndTheStripIsDrawnAgainFromTheEditedPhoto) {
    form_->CategoryClick(1);
    Settle(*form_);
    Open();
    MakeTheEdits();
    QTest::keyClick(panel_->Frame(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(panel_->Accepting());
    Settle(*form_);
    EXPECT_FALSE(panel_->Editing());
    EXPECT_TRUE(ShowingPhoto());
    const TBitmap edited = ApplyEdits(*before_, TheEdits());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), edited));
    EXPECT_TRUE(SamePixels(form_->ImgEffect()->Picture(), edited));
    EXPECT_EQ(form_->UndoSteps(), 1);
    EXPECT_TRUE(form_->isWindowModified());
    // The strip of the category shown, drawn again: thumbnails of the edited photo.
    EXPECT_TRUE(form_->ImgView(1)->isVisibleTo(form_.get()));
    EXPECT_TRUE(SamePixels(form_->ThumbPhoto(), Stretched(edited, kThumbSide, kThumbSide)));

    form_->BtnUndoClick();
    EXPECT_EQ(form_->Session().WorkSnapshot(), before_);
    EXPECT_FALSE(form_->isWindowModified());
    form_->BtnRedoClick();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), edited));
    Settle(*form_);
}

TEST_F(EditPanelTest, ReplacingThePhotoClosesThePanelAndCancelStopsTheFullSizeEditButKeepsThePanel) {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    Open();
    Slider(AdjustmentId::kExposure)->setValue(50);
    Settle(*form_);
    {
        const HeldPool held;
        Child<QPushButton>("BtnEditApply")->click();
        ASSERT_TRUE(panel_->Accepting());
        EXPECT_FALSE(Child<QPushButton>("BtnEditApply")->isEnabled());
        // Escape while the full-size edit is made: the panel stays, as set.
        QTest::keyClick(form_.get(), Qt::Key_Escape);
        EXPECT_FALSE(panel_->Accepting());
    }
    Settle(*form_);
    EXPECT_TRUE(panel_->Editing());
    EXPECT_EQ(panel_->Edits().Value(AdjustmentId::kExposure), 50);
    EXPECT_TRUE(Child<QPushButton>("BtnEditApply")->isEnabled());
    EXPECT_EQ(form_->UndoSteps(), 0);

    // An Undo (a look applied before) replaces the photo the edits are on.
    form_->Session().Apply(std::make_shared<const TBitmap>(RandomBitmap(240, 160, 9)));
    form_->BtnUndoClick();
    EXPECT_FALSE(panel_->Editing());
    EXPECT_TRUE(ShowingPhoto());
}

// Done means: the window's steps write the bytes corvessa-render writes for
// the same edits and look.
TEST_F(EditPanelTest, TheWindowsStepsWriteWhatCorvessaRenderWrites) {
    WriteBytes(dir_.File("tilted.jpg"), CameraJpeg(GradientBitmap(300, 200), 1));
    form_->OpenPhoto(dir_.File("tilted.jpg"));
    Settle(*form_);
    Open();
    MakeTheEdits();
    Child<QPushButton>("BtnEditApply")->click();
    Settle(*form_);
    const std::shared_ptr<const TBitmap> edited = form_->Session().WorkSnapshot();
    form_->CategoryClick(kFilm);
    Settle(*form_);
    form_->ThumbnailClick(3);
    Settle(*form_);
    form_->FormPreview()->BtnApply()->click();
    const std::shared_ptr<const TBitmap> filmed = form_->Session().WorkSnapshot();
    EXPECT_TRUE(SamePixels(*filmed, RenderJob(edited, Look{kFilm, 3}, form_->Pictures()).Run().picture));
    form_->BtnUndoClick();
    form_->BtnUndoClick();
    EXPECT_EQ(form_->UndoSteps(), 0);
    form_->BtnRedoClick();
    form_->BtnRedoClick();
    EXPECT_EQ(form_->Session().WorkSnapshot(), filmed);
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("window.jpg"), kSaveFilterJpeg});
    form_->BtnSaveClick();
    Settle(*form_);
    EXPECT_FALSE(form_->isWindowModified());

    const std::string command = std::string(CORVESSA_RENDER_PATH) + " --pic '" + dir_.File("pic") +
                                "' --straighten 2.5 --crop-ratio 4:5 --adjust shadows=40,warmth=20 --look 'Film:3' '" +
                                dir_.File("tilted.jpg") + "' '" + dir_.File("cli.jpg") + "'";
    ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
    EXPECT_EQ(Slurp(dir_.File("window.jpg")), Slurp(dir_.File("cli.jpg")));
}

}  // namespace
