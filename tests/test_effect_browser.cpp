// The effect browser in the window: category buttons filling the strip,
// thumbnails rendering into the preview dialog, Apply, Undo, Cancel and
// Change Color, failures part-way, and the camera metadata that travels with
// the working photo.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMimeData>
#include <QDropEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "camera_jpeg.h"
#include "catalogue/render_job.h"
#include "fake_dialogs.h"
#include "io/bmp_codec.h"
#include "io/files.h"
#include "io/jpeg_codec.h"
#include "io/orientation.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "reference_routines.h"
#include "io/colour_profile.h"
#include "shell/display_colour.h"
#include "shell/form_batch.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/main_layout.h"
#include "shell/preview_place.h"
#include "shell/skin.h"
#include "test_support.h"
#include "window_jobs.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"

using namespace corvessa;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

bool Contains(const std::vector<uint8_t>& bytes, const std::string& text) {
    return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

// A colour dialog with one fixed answer, for the catalogue's own renders.
class FixedColour : public ColorChooser {
public:
    explicit FixedColour(std::optional<Rgb> answer) : answer_(answer) {}
    std::optional<Rgb> ChooseColor() override { return answer_; }

private:
    std::optional<Rgb> answer_;
};

class RecordingStrip : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { thumbnails.push_back(Copy(picture)); }
    void SetChangeColorButton(bool) override {}
    std::vector<TBitmap> thumbnails;
};

// A program folder with every overlay picture (small ones, so renders stay
// quick) and a 48 x 36 sample photo; the window on a 1024 x 768 screen.
class BrowserTest : public testing::Test {
protected:
    void SetUp() override {
        MakePictureFolder(dir_.Path() + "/", 12);
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(RandomBitmap(48, 36, 7), JpegKind::kColour));
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
        preview_ = form_->FormPreview();
        original_ = Copy(form_->WorkPhoto());
    }
    void TearDown() override {
        form_.reset();
        SkinRemove();
    }

    // The main window's category button (the preview has a BtnColor too).
    QPushButton* CategoryButtonNamed(const char* name) const {
        return form_->findChild<QWidget*>(QStringLiteral("FlatPanel4"))->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void Press(const char* name) {
        QPushButton* button = CategoryButtonNamed(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
        Settle(*form_);
    }
    void ClickThumbnail(int n) {
        ASSERT_TRUE(form_->ImgView(n)->isVisibleTo(form_.get())) << n;
        QTest::mouseClick(form_->ImgView(n), Qt::LeftButton);
        Settle(*form_);
    }
    void ApplyLightA(int n) {
        Press("BtnLightA");
        ClickThumbnail(n);
        preview_->BtnApply()->click();
    }
    void SaveAsBmp(const std::string& name) {
        dialogs_->saveAnswers.push_back(SaveChoice{dir_.File(name), kSaveFilterBmp});
        form_->BtnSaveClick();
        Settle(*form_);
    }

    // The catalogue's own ten thumbnails of `category` from the working photo.
    std::vector<TBitmap> CatalogueStrip(int category) {
        RecordingStrip strip;
        StripJob(std::make_shared<const TBitmap>(Copy(form_->WorkPhoto())), category, form_->Pictures()).Run(strip);
        return std::move(strip.thumbnails);
    }
    // The catalogue's own full-size render; in Change Color mode when a
    // colour answer is given (nullopt inside: the user cancels).
    TBitmap CatalogueFullSize(int effect, int category, std::optional<std::optional<Rgb>> colour = std::nullopt) {
        RenderJob job(std::make_shared<const TBitmap>(Copy(form_->WorkPhoto())), Look{category, effect}, form_->Pictures());
        if (colour) job.DecideColour(*colour ? ColourDecision::Chosen(**colour) : ColourDecision::Cancelled());
        return job.Run().picture;
    }

    bool ThumbnailShown(int n) const {
        return form_->ImgView(n)->isVisibleTo(form_.get()) && form_->Label(n)->isVisibleTo(form_.get());
    }
    bool ChangeColorShown() const { return !preview_->BtnColor()->isHidden(); }
    bool Processing() const {
        return preview_->ImgPreview()->isHidden() && !preview_->Label1()->isHidden() && !preview_->Label2()->isHidden();
    }
    bool ShowingResult() const {
        return !preview_->ImgPreview()->isHidden() && preview_->Label1()->isHidden() && preview_->Label2()->isHidden();
    }
    std::string PicturePathOf(const std::string& folder, int n) const {
        return FolderPictures(dir_.File("pic")).PathOf({folder, n});
    }

    TempDir dir_;
    std::unique_ptr<TFormMain> form_;
    TFormPreview* preview_ = nullptr;
    FakeDialogs* dialogs_ = nullptr;
    TBitmap original_;
};

TEST_F(BrowserTest, EveryCategoryButtonSetsItsNumberAndFillsTenThumbnailsFromThumbPhoto) {
    for (const Category& category : kCategories) {
        const std::string name(category.buttonName);
        SCOPED_TRACE(name);
        // "Line" has no visible button; its handler fills the strip all the same.
        if (name == "BtnLine") {
            form_->CategoryClick(category.number);
            Settle(*form_);
        } else
            Press(name.c_str());
        EXPECT_EQ(form_->CurrentCategory(), category.number);
        EXPECT_TRUE(SamePixels(form_->ThumbPhoto(), Stretched(form_->WorkPhoto(), 105, 105)));
        const std::vector<TBitmap> expected = CatalogueStrip(category.number);
        ASSERT_EQ(expected.size(), 10u);
        for (int n = 1; n <= 10; ++n) {
            EXPECT_TRUE(ThumbnailShown(n)) << n;
            EXPECT_TRUE(SamePixels(form_->ImgView(n)->Picture(), expected[size_t(n - 1)])) << n;
        }
        // ResultPhoto is the strip's scratch target: it holds the tenth.
        EXPECT_TRUE(SamePixels(form_->ResultPhoto(), expected[9]));
    }
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));
    EXPECT_EQ(dialogs_->colourDialogsRun, 0);
}

TEST_F(BrowserTest, StripsSetTheChangeColorButtonByTheirRule) {
    EXPECT_FALSE(ChangeColorShown());
    Press("BtnLightA");
    EXPECT_TRUE(ChangeColorShown());
    Press("BtnGradient");
    EXPECT_FALSE(ChangeColorShown());
    Press("BtnEadge");
    EXPECT_TRUE(ChangeColorShown());
    Press("BtnPreset");
    EXPECT_FALSE(ChangeColorShown());
    Press("BtnStar");
    EXPECT_TRUE(ChangeColorShown());
    Press("BtnFilm");  // a grade has no colour to change
    EXPECT_FALSE(ChangeColorShown());
    Press("BtnStar");
    // Colour and Art leave it to their full-size renders.
    Press("BtnColor");
    EXPECT_TRUE(ChangeColorShown());
    Press("BtnArt");
    EXPECT_TRUE(ChangeColorShown());
    Press("btnDreamB");
    Press("BtnColor");
    Press("BtnArt");
    EXPECT_FALSE(ChangeColorShown());
}

// Which effects of Colour and Art show the button is the session's rule;
// the window shows what a render decides.
TEST_F(BrowserTest, ARenderOfColourOrArtSetsTheChangeColorButton) {
    Press("BtnColor");
    ClickThumbnail(6);
    EXPECT_FALSE(ChangeColorShown());
    ClickThumbnail(1);
    EXPECT_TRUE(ChangeColorShown());
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(BrowserTest, AThumbnailRendersTheWorkingPhotoAtFullSizeIntoThePreview) {
    EXPECT_TRUE(preview_->isHidden());
    Press("BtnLightA");
    ClickThumbnail(3);
    EXPECT_EQ(form_->CurrentEffect(), 3);
    EXPECT_EQ(form_->CurrentCategory(), 1);
    const TBitmap expected = CatalogueFullSize(3, 1);
    EXPECT_EQ(expected.Width(), 48);
    EXPECT_EQ(expected.Height(), 36);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), expected));
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), expected));
    EXPECT_TRUE(preview_->isVisible());
    EXPECT_TRUE(ShowingResult());
    // Panel1 is the outer width (395 + 6) less 23; the view 227 high, the
    // photo's aspect (48 * 227 / 36 = 302), centred.
    EXPECT_EQ(preview_->Panel1()->width(), 378);
    EXPECT_EQ(preview_->ImgPreview()->geometry(), QRect(38, 1, 302, 227));
    // The strip and the photo are untouched.
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));
    EXPECT_TRUE(ThumbnailShown(3));
    EXPECT_FALSE(form_->BtnUndo()->isEnabled());
    // The hint and the preview name the look.
    EXPECT_TRUE(form_->ImgView(3)->toolTip().endsWith(QStringLiteral("\nEdge Film Burn")));
    EXPECT_EQ(preview_->windowTitle(), QStringLiteral("Preview - Light A 3: Edge Film Burn"));
}

TEST_F(BrowserTest, TheKeyboardWalksTheThumbnailsAndOpensTheFocusedOne) {
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    Press("BtnLightA");
    const auto focused = [] { return qobject_cast<TImageView*>(QApplication::focusWidget()); };
    // The window's activation may arrive after the focus is asked for.
    const auto focus = [&](int n) {
        for (int i = 0; i < 100 && focused() != form_->ImgView(n); ++i) {
            form_->ImgView(n)->setFocus(Qt::TabFocusReason);
            QTest::qWait(10);
        }
    };
    focus(1);
    ASSERT_EQ(focused(), form_->ImgView(1));
    // Left at the first stays put; right, right, down reaches the eighth.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) QTest::keyClick(focused(), key);
    EXPECT_EQ(focused(), form_->ImgView(8));
    QTest::keyClick(focused(), Qt::Key_Down);  // no row below
    EXPECT_EQ(focused(), form_->ImgView(8));
    QTest::keyClick(focused(), Qt::Key_Return);
    Settle(*form_);
    EXPECT_EQ(form_->CurrentEffect(), 8);
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), CatalogueFullSize(8, 1)));

    preview_->hide();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    focus(8);
    ASSERT_EQ(focused(), form_->ImgView(8));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), form_->ImgView(9));
    QTest::keyClick(focused(), Qt::Key_Space);
    Settle(*form_);
    EXPECT_EQ(form_->CurrentEffect(), 9);
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), CatalogueFullSize(9, 1)));
}

TEST_F(BrowserTest, LargeThumbnailsAreEachLooksFullRenderOfTheScaledPhotoAndOffRestoresTheSmallStrip) {
    // Area averaging: each 2 x 2 block of black and white becomes their mean.
    TBitmap checker(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) std::fill_n(checker.Pixel(x, y), 3, uint8_t((x + y) % 2 ? 255 : 0));
    const TBitmap grey = ScaleToFit(checker, 2);
    ASSERT_EQ(grey.Width(), 2);
    ASSERT_EQ(grey.Height(), 1);
    EXPECT_EQ(grey.Pixel(1, 0)[0], 128);

    Press("BtnLightA");
    form_->SetLargeThumbnails(true);  // the strip showing is drawn again, large
    Settle(*form_);
    EXPECT_TRUE(form_->LargeThumbnails());
    const QWidget* strip = form_->FlatPanel2();
    EXPECT_GT(strip->height(), 279);
    const int side = LargeThumbnailBox(strip->width(), strip->height(), 1).width;
    EXPECT_GE(side, 140);
    const auto scaled = std::make_shared<const TBitmap>(ScaleToFit(form_->WorkPhoto(), side));
    // The 48 x 36 sample keeps its 4:3 shape.
    EXPECT_EQ(scaled->Width(), side);
    EXPECT_EQ(scaled->Height(), (36 * side + 24) / 48);
    for (int n = 1; n <= kThumbnailCount; ++n) {
        ASSERT_TRUE(ThumbnailShown(n)) << n;
        RenderJob job(scaled, Look{1, n}, form_->Pictures());
        EXPECT_TRUE(SamePixels(form_->ImgView(n)->Picture(), job.Run().picture)) << n;
        EXPECT_EQ(form_->ImgView(n)->width() * scaled->Height(), form_->ImgView(n)->height() * scaled->Width()) << n;
    }
    EXPECT_EQ(form_->Label(3)->text(), QStringLiteral("Edge Film Burn"));

    // A larger window gives larger boxes, drawn again once the resizing pauses.
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    form_->resize(form_->width() + 300, form_->height() + 200);
    const int grown = LargeThumbnailBox(strip->width(), strip->height(), 1).width;
    ASSERT_GT(grown, side);
    for (int i = 0; i < 500 && form_->ImgView(10)->Picture().Width() != grown; ++i) {
        QTest::qWait(10);
        Settle(*form_);
    }
    EXPECT_EQ(form_->ImgView(10)->Picture().Width(), grown);

    // Ctrl+T turns it off: the small strip as before, in its places.
    QTest::keyClick(form_.get(), Qt::Key_T, Qt::ControlModifier);
    Settle(*form_);
    EXPECT_FALSE(form_->LargeThumbnails());
    EXPECT_EQ(form_->FlatPanel2()->height(), 279);
    const std::vector<TBitmap> small = CatalogueStrip(1);
    for (int n = 1; n <= kThumbnailCount; ++n) {
        EXPECT_TRUE(SamePixels(form_->ImgView(n)->Picture(), small[size_t(n - 1)])) << n;
        EXPECT_EQ(form_->ImgView(n)->size(), QSize(kThumbSide, kThumbSide)) << n;
    }
    EXPECT_EQ(form_->Label(3)->text(), QStringLiteral("3"));
}

TEST_F(BrowserTest, AGrownPreviewGrowsItsImageAndFitsThePhotoWhole) {
    Press("BtnLightA");
    ClickThumbnail(3);
    preview_->resize(900, 700);
    EXPECT_EQ(preview_->Panel1()->size(), QSize(900 + kFrameWidth - 23, 230 + 410));
    const QRect image = preview_->ImgPreview()->geometry();
    EXPECT_TRUE(preview_->Panel1()->rect().contains(image)) << image.x() << "," << image.width();
    EXPECT_GT(image.height(), 227);
    EXPECT_EQ(preview_->BtnApply()->y(), 248 + 410);
    // It keeps its size for the next look.
    ClickThumbnail(4);
    EXPECT_EQ(preview_->size(), QSize(900, 700));
    // Back at its opening size, the opening layout.
    preview_->resize(395, 290);
    EXPECT_EQ(preview_->ImgPreview()->geometry(), QRect(38, 1, 302, 227));
    EXPECT_EQ(preview_->BtnApply()->pos(), QPoint(184, 248));
}

TEST_F(BrowserTest, TheMainWindowStaysUsableWhileThePreviewIsOpen) {
    form_->show();
    Press("BtnWeather");
    ClickThumbnail(2);
    ASSERT_TRUE(preview_->isVisible());
    EXPECT_EQ(preview_->windowModality(), Qt::NonModal);
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
    QTest::mouseClick(CategoryButtonNamed("BtnTexture"), Qt::LeftButton);
    EXPECT_EQ(form_->CurrentCategory(), 9);
    ClickThumbnail(4);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(4, 9)));
    EXPECT_TRUE(preview_->isVisible());

    // Closing the main window ends the program; the preview goes with it.
    form_->close();
    EXPECT_TRUE(preview_->isHidden());
}

// The render runs off the window's thread: the labels show while it runs,
// and nothing takes the cursor from the rest of the window.
TEST_F(BrowserTest, WhileARenderRunsTheLabelsShowAndTheWindowStaysUsable) {
    Press("BtnLightB");
    ClickThumbnail(1);
    std::optional<Qt::CursorShape> cursorDuring;
    bool labelsDuring = false, dialogShownDuring = false;
    dialogs_->onChooseColor = [&] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor()) cursorDuring = cursor->shape();
        labelsDuring = Processing();
        dialogShownDuring = preview_->isVisible();
    };
    preview_->BtnCancel()->click();
    dialogs_->colourAnswers.push_back(Rgb{0, 0, 255});
    preview_->BtnColor()->click();
    EXPECT_TRUE(form_->Rendering());
    EXPECT_TRUE(Processing());
    Settle(*form_);
    EXPECT_EQ(cursorDuring, std::nullopt);
    EXPECT_TRUE(labelsDuring);
    EXPECT_TRUE(dialogShownDuring);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(ShowingResult());
}

// Two quick clicks: the second supersedes the first, whose render is
// dropped, and Change Color renders again the look that is shown.
TEST_F(BrowserTest, AClickWhileARenderRunsSupersedesItAndChangeColorRendersTheLookShown) {
    Press("BtnColor");
    QTest::mouseClick(form_->ImgView(3), Qt::LeftButton);
    QTest::mouseClick(form_->ImgView(1), Qt::LeftButton);
    Settle(*form_);
    EXPECT_EQ(form_->CurrentEffect(), 1);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(1, 8)));
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), CatalogueFullSize(1, 8)));
    EXPECT_TRUE(preview_->windowTitle().endsWith(QStringLiteral("Color 1: ") +
                                                 QString::fromUtf8(FindCategory(8)->lookNames[0].data())));

    dialogs_->colourAnswers.push_back(Rgb{0, 0, 255});
    preview_->BtnColor()->click();
    Settle(*form_);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(1, 8, Rgb{0, 0, 255})));
}

// The colour dialog runs an event loop of its own: the render it
// supersedes is dropped before it opens, so only the new one ends, and a
// photo opened while it is up is never rendered over by the old photo.
TEST_F(BrowserTest, TheColourDialogOpensOnlyOnceTheRenderItSupersedesIsDropped) {
    Press("BtnColor");
    ClickThumbnail(1);
    QSignalSpy finished(form_.get(), &TFormMain::RenderFinished);
    QTest::mouseClick(form_->ImgView(1), Qt::LeftButton);
    ASSERT_TRUE(form_->Rendering());
    std::optional<bool> renderingDuring;
    dialogs_->onChooseColor = [&] { renderingDuring = form_->Rendering(); };
    dialogs_->colourAnswers.push_back(Rgb{0, 0, 255});
    preview_->BtnColor()->click();
    Settle(*form_);
    EXPECT_EQ(renderingDuring, false);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(1, 8, Rgb{0, 0, 255})));

    // Another photo opens while the dialog is up: nothing renders after it.
    const TBitmap other = RandomBitmap(30, 20, 9);
    WriteBytes(dir_.File("other.bmp"), EncodeBmp(other));
    dialogs_->onChooseColor = [&] {
        form_->OpenPhoto(dir_.File("other.bmp"));
        Settle(*form_);
    };
    dialogs_->colourAnswers.push_back(Rgb{0, 255, 0});
    preview_->BtnColor()->click();
    EXPECT_FALSE(form_->Rendering());
    Settle(*form_);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_TRUE(preview_->isHidden());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), other));
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), other));
    EXPECT_TRUE(dialogs_->errors.empty());
}

// Cancel in the main window, Cancel or Escape in the preview: the render
// is dropped and the preview that waited for it hides.
TEST_F(BrowserTest, ACancelledRenderHidesThePreviewAndItsResultNeverArrives) {
    Press("BtnLightA");
    const std::function<void()> cancels[] = {
        [&] { form_->CancelJob(); },
        [&] { preview_->BtnCancel()->click(); },
        [&] { QTest::keyClick(preview_, Qt::Key_Escape); },
    };
    for (const auto& cancel : cancels) {
        QTest::mouseClick(form_->ImgView(5), Qt::LeftButton);
        ASSERT_TRUE(form_->Rendering());
        cancel();
        EXPECT_FALSE(form_->Rendering());
        EXPECT_TRUE(preview_->isHidden());
        QTest::qWait(100);  // the dropped render ends unseen
        EXPECT_TRUE(preview_->isHidden());
        EXPECT_TRUE(Processing());
    }
    // The next click renders as ever.
    ClickThumbnail(5);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(5, 1)));
}

// Counts the paints a widget receives.
// Cancel while a strip draws (here between its second thumbnail and its
// third, as a click on Cancel comes between two of them): the strip shows
// none of its thumbnails rather than part of the category.
TEST_F(BrowserTest, ACancelledStripHidesTheThumbnailsItShowed) {
    struct CancelOnShow : QObject {
        TFormMain& form;
        bool cancelled = false;
        explicit CancelOnShow(TFormMain& f) : form(f) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::ShowToParent && !cancelled && form.DrawingStrip()) {
                cancelled = true;
                form.CancelJob();
            }
            return false;
        }
    } cancel(*form_);
    form_->Label(2)->installEventFilter(&cancel);
    Press("BtnLightA");
    ASSERT_TRUE(cancel.cancelled);
    EXPECT_FALSE(form_->DrawingStrip());
    for (int n = 1; n <= kEffectCount; ++n) EXPECT_FALSE(ThumbnailShown(n)) << n;
    EXPECT_TRUE(dialogs_->errors.empty());

    // The category pressed again draws all ten.
    form_->Label(2)->removeEventFilter(&cancel);
    Press("BtnLightA");
    for (int n = 1; n <= kEffectCount; ++n) EXPECT_TRUE(ThumbnailShown(n)) << n;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// The strip is drawn off the window's thread and each thumbnail shows as
// it is done, the strip repainted at once; Art's ten show together.
TEST_F(BrowserTest, ThumbnailsAppearOneByOneExceptArtsWhichAppearTogether) {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    // The strip's paints between its first thumbnail showing and its last.
    struct Between : QObject {
        TFormMain& form;
        int paints = -1;  // -1 before the first shows
        explicit Between(TFormMain& f) : form(f) {}
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == QEvent::Show && object == form.ImgView(1)) paints = 0;
            if (event->type() == QEvent::Show && object == form.ImgView(kEffectCount)) form.FlatPanel2()->removeEventFilter(this);
            if (event->type() == QEvent::Paint && object == form.FlatPanel2() && paints >= 0) ++paints;
            return false;
        }
    };
    for (const auto& [button, paints] : {std::pair{"btnAmazing", kEffectCount - 1}, std::pair{"BtnArt", 0}}) {
        Between between(*form_);
        form_->FlatPanel2()->installEventFilter(&between);
        for (int n = 1; n <= kEffectCount; ++n) form_->ImgView(n)->installEventFilter(&between);
        form_->Invisible();
        Press(button);
        EXPECT_EQ(between.paints, paints) << button;
        for (int n = 1; n <= kEffectCount; ++n) form_->ImgView(n)->removeEventFilter(&between);
        form_->FlatPanel2()->removeEventFilter(&between);
    }
}

TEST_F(BrowserTest, ApplyMakesTheResultTheWorkingPhotoAndUndoRestoresIt) {
    Press("BtnLightA");
    ClickThumbnail(3);
    const TBitmap result = Copy(form_->ResultPhoto());
    preview_->BtnApply()->click();
    // The render, the working photo and the view hold one buffer.
    EXPECT_TRUE(form_->WorkPhotoBuffer().SamePixelsAs(form_->ResultPhotoBuffer()));
    EXPECT_EQ(form_->ImgEffect()->SharedPicture().get(), &form_->WorkPhoto());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), result));
    EXPECT_TRUE(SamePixels(form_->UndoPhoto(), original_));
    EXPECT_TRUE(SamePixels(form_->ImgEffect()->Picture(), result));  // full size
    EXPECT_TRUE(form_->BtnUndo()->isEnabled());
    EXPECT_TRUE(preview_->isHidden());
    for (int n = 1; n <= 10; ++n) EXPECT_FALSE(ThumbnailShown(n)) << n;
    EXPECT_EQ(form_->CurrentCategory(), 1);
    EXPECT_EQ(form_->CurrentEffect(), 3);

    form_->BtnUndoClick();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));
    EXPECT_TRUE(SamePixels(form_->ImgEffect()->Picture(), original_));
    EXPECT_FALSE(form_->BtnUndo()->isEnabled());
    EXPECT_TRUE(form_->WorkPhotoBuffer().SamePixelsAs(form_->UndoPhotoBuffer()));
}

TEST_F(BrowserTest, ApplyCommitsWhatThePreviewShowsAtItsStrength) {
    Press("BtnLightA");
    ClickThumbnail(3);
    const TBitmap look = CatalogueFullSize(3, 1);
    // A strip filled while the preview is open renders into ResultPhoto, not
    // into the preview's result.
    Press("BtnGradient");
    EXPECT_EQ(form_->ResultPhoto().Width(), 105);
    preview_->SliderStrength()->setValue(37);
    EXPECT_EQ(preview_->ImgPreview()->Picture().Width(), look.Width());
    preview_->BtnApply()->click();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), reference::MixByStrength(look, original_, 37)));
    EXPECT_TRUE(SamePixels(form_->UndoPhoto(), original_));
    form_->BtnUndoClick();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));
}

// Slider steps that come while a mix is made are skipped; the view ends
// with the newest, and Apply commits the strength shown on the slider
// even before its mix is done.
TEST_F(BrowserTest, TheStrengthMixIsMadeOffTheWindowsThreadAndEndsAtTheNewestValue) {
    Press("BtnLightA");
    ClickThumbnail(3);
    const TBitmap look = CatalogueFullSize(3, 1);
    for (int strength : {90, 80, 70, 20}) preview_->SliderStrength()->setValue(strength);
    EXPECT_TRUE(preview_->Mixing());
    Settle(*form_);
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), reference::MixByStrength(look, original_, 20)));

    preview_->SliderStrength()->setValue(55);
    preview_->BtnApply()->click();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), reference::MixByStrength(look, original_, 55)));
}

// A mix that cannot be made (here a look of another size than its photo;
// in use, memory running out) is reported, in the background and at
// Apply, and nothing is applied; the same look of the right size mixes.
TEST_F(BrowserTest, AMixThatFailsIsReportedAndAppliesNothing) {
    Press("BtnLightA");
    ClickThumbnail(3);
    const auto photo = std::make_shared<const TBitmap>(Copy(original_));
    const TBitmap look = CatalogueFullSize(3, 1);
    for (const bool sameSize : {false, true}) {
        SCOPED_TRACE(sameSize);
        const auto shown = std::make_shared<const TBitmap>(sameSize ? Copy(look) : Stretched(look, 20, 10));
        preview_->ShowResult(shown, photo, 40, true);
        EXPECT_TRUE(preview_->Mixing());
        Settle(*form_);
        EXPECT_EQ(dialogs_->errors.size(), sameSize ? 0u : 1u);
        // The next strength tries again, and Apply (its mix made there).
        preview_->SliderStrength()->setValue(60);
        Settle(*form_);
        preview_->SliderStrength()->setValue(70);
        preview_->BtnApply()->click();
        Settle(*form_);
        EXPECT_EQ(form_->UndoSteps(), sameSize ? 1 : 0);
        EXPECT_EQ(dialogs_->errors.size(), sameSize ? 0u : 3u);
        EXPECT_TRUE(SamePixels(form_->WorkPhoto(), sameSize ? reference::MixByStrength(look, original_, 70) : Copy(original_)));
        dialogs_->errors.clear();
    }
}

TEST_F(BrowserTest, StrengthStartsFullForANewLookAndChangeColorKeepsIt) {
    Press("BtnEadge");
    ClickThumbnail(2);
    preview_->SliderStrength()->setValue(60);
    EXPECT_EQ(form_->Session().PreviewStrength(), 60);
    dialogs_->colourAnswers.push_back(Rgb{10, 200, 30});
    preview_->BtnColor()->click();
    Settle(*form_);
    EXPECT_EQ(preview_->Strength(), 60);
    const TBitmap coloured = CatalogueFullSize(2, 10, std::optional<Rgb>(Rgb{10, 200, 30}));
    EXPECT_TRUE(SamePixels(*preview_->Result(), reference::MixByStrength(coloured, original_, 60)));
    ClickThumbnail(3);
    EXPECT_EQ(preview_->Strength(), 100);
    EXPECT_TRUE(SamePixels(*preview_->Result(), CatalogueFullSize(3, 10)));
    // Compare shows the photo as it was, then the look again.
    preview_->SetComparing(true);
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), original_));
    preview_->SetComparing(false);
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), CatalogueFullSize(3, 10)));
}

TEST_F(BrowserTest, ReplacingTheWorkingPhotoClosesThePreviewAndAFailedRenderCannotBeApplied) {
    Press("BtnLightA");
    ClickThumbnail(1);
    ASSERT_TRUE(preview_->isVisible());
    form_->OpenPhoto(dir_.File("pic/sample.jpg"));
    Settle(*form_);
    EXPECT_FALSE(preview_->isVisible());

    Press("BtnLightA");
    fs::remove(PicturePathOf("lightA", 4));
    ClickThumbnail(4);
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_FALSE(preview_->BtnApply()->isEnabled());
    const TBitmap before = Copy(form_->WorkPhoto());
    preview_->BtnApplyClick();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), before));
}

TEST_F(BrowserTest, CancelDropsTheResultAndTheSameThumbnailRendersAgainFromTheWorkingPhoto) {
    Press("BtnStar");
    ClickThumbnail(5);
    const TBitmap plain = Copy(form_->ResultPhoto());
    // A coloured re-render, then Cancel: nothing of it is used again.
    dialogs_->colourAnswers.push_back(Rgb{200, 0, 40});
    preview_->BtnColor()->click();
    Settle(*form_);
    ASSERT_FALSE(SamePixels(form_->ResultPhoto(), plain));
    preview_->BtnCancel()->click();
    EXPECT_TRUE(preview_->isHidden());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));
    EXPECT_FALSE(form_->BtnUndo()->isEnabled());
    EXPECT_TRUE(ThumbnailShown(5));

    ClickThumbnail(5);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), plain));
    EXPECT_TRUE(preview_->isVisible());

    // The close box does what Cancel does.
    preview_->close();
    EXPECT_TRUE(preview_->isHidden());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(BrowserTest, ChangeColorRendersAgainWithTheChosenColour) {
    Press("BtnEadge");
    ClickThumbnail(4);
    const TBitmap plain = Copy(form_->ResultPhoto());
    dialogs_->colourAnswers.push_back(Rgb{10, 120, 250});
    preview_->BtnColor()->click();
    Settle(*form_);
    EXPECT_EQ(dialogs_->colourDialogsRun, 1);
    const TBitmap coloured = CatalogueFullSize(4, 10, Rgb{10, 120, 250});
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), coloured));
    EXPECT_TRUE(SamePixels(preview_->ImgPreview()->Picture(), coloured));
    EXPECT_FALSE(SamePixels(coloured, plain));
    EXPECT_FALSE(form_->ChangeColorMode());
    EXPECT_TRUE(ShowingResult());

    // Applied, the coloured result becomes the photo.
    preview_->BtnApply()->click();
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), coloured));
}

TEST_F(BrowserTest, ChangeColorCancelledKeepsTheRoutinesFallback) {
    Press("btnLightC");
    ClickThumbnail(7);
    dialogs_->colourAnswers.push_back(std::nullopt);
    preview_->BtnColor()->click();
    Settle(*form_);
    EXPECT_EQ(dialogs_->colourDialogsRun, 1);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(7, 3, std::optional<Rgb>())));
    EXPECT_FALSE(form_->ChangeColorMode());
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(BrowserTest, ThePreviewComesBackToTheFrontAfterChangeColor) {
    // The main window counts as active while its own preview is, so the
    // active window is compared itself.
    const auto becomesActive = [](QWidget* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
    };
    form_->show();
    ASSERT_TRUE(becomesActive(form_.get()));
    Press("BtnEadge");
    ClickThumbnail(4);
    ASSERT_TRUE(becomesActive(preview_));
    // As the colour dialog does when it closes: the focus back to its owner.
    dialogs_->onChooseColor = [&] {
        form_->activateWindow();
        ASSERT_TRUE(becomesActive(form_.get()));
    };
    dialogs_->colourAnswers.push_back(Rgb{10, 120, 250});
    preview_->BtnColor()->click();
    Settle(*form_);
    EXPECT_EQ(dialogs_->colourDialogsRun, 1);
    EXPECT_TRUE(becomesActive(preview_));
}

// The main window's keys fire once from the preview too; Escape stays the
// preview's own.
TEST_F(BrowserTest, TheWindowsKeysWorkOnceWhileThePreviewIsActive) {
    WriteBytes(dir_.File("help.html"), std::vector<uint8_t>{'<', 'p', '>'});
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    ApplyLightA(3);
    Press("BtnLightA");
    const auto batchShown = [&] { return form_->FormBatch() && form_->FormBatch()->isVisible() ? 1 : 0; };
    struct Key {
        const char* name;
        QKeySequence key;
        std::function<int()> count;
    };
    const Key keys[] = {
        {"open", QKeySequence(Qt::CTRL | Qt::Key_O), [&] { return int(dialogs_->openFolders.size()); }},
        {"save", QKeySequence(Qt::CTRL | Qt::Key_S), [&] { return dialogs_->saveDialogsRun; }},
        {"help", QKeySequence(Qt::Key_F1), [&] { return int(dialogs_->desktopDocuments.size()); }},
        {"batch", QKeySequence(Qt::CTRL | Qt::Key_B), batchShown},
        {"cancel", QKeySequence(Qt::Key_Escape), [&] { return preview_->isHidden() ? 1 : 0; }},
        {"apply", QKeySequence(Qt::Key_Return), [&] { return form_->UndoSteps(); }},
        {"undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [&] { return -form_->UndoSteps(); }},
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(key.name);
        if (form_->FormBatch()) form_->FormBatch()->hide();
        if (preview_->isHidden()) {
            form_->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
            if (form_->ImgView(4)->isHidden()) Press("BtnLightA");  // an Apply hid the strip
            ClickThumbnail(4);
        }
        preview_->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == preview_; }, 2000));
        const int before = key.count();
        QTest::keySequence(preview_, key.key);
        Settle(*form_);
        EXPECT_EQ(key.count(), before + 1);
    }
    // Undo replaced the working photo: the preview of the old one closed.
    EXPECT_TRUE(preview_->isHidden());
    EXPECT_EQ(form_->UndoSteps(), 1);
}

TEST_F(BrowserTest, ThePreviewOpensOverThePhotoAreaAndLaterStaysWhereTheUserLeftIt) {
    form_->move(60, 20);
    form_->show();
    Press("BtnLightA");
    ClickThumbnail(3);
    const QRect dialog = preview_->frameGeometry();
    const QWidget* area = form_->FlatPanel3();
    const QRect photoArea(area->mapToGlobal(QPoint(0, 0)), area->size());
    EXPECT_TRUE(photoArea.contains(dialog)) << dialog.x() << "," << dialog.y();
    for (const char* tool : {"BtnUndo", "BtnOpen", "BtnSave", "BtnHelp"}) {
        const QWidget* button = form_->findChild<QWidget*>(QString::fromLatin1(tool));
        EXPECT_FALSE(dialog.intersects(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()))) << tool;
    }

    preview_->move(30, 40);
    preview_->BtnCancel()->click();
    ClickThumbnail(5);
    EXPECT_EQ(preview_->pos(), QPoint(30, 40));
}

TEST(PreviewPlace, CentredOnThePhotoAreaNeverLeftOfItAndOnTheScreen) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize dialog(401, 322);
    EXPECT_EQ(PreviewPlace(QRect(300, 100, 761, 399), dialog, screen), QPoint(480, 138));
    // Wider than the photo area: aligned with its left edge, off the tools;
    // higher: centred, but not above the screen.
    EXPECT_EQ(PreviewPlace(QRect(300, 100, 200, 100), dialog, screen), QPoint(300, 0));
    EXPECT_EQ(PreviewPlace(QRect(300, 400, 200, 100), dialog, screen), QPoint(300, 289));
    // A window near the screen's right or bottom edge: pushed back on.
    EXPECT_EQ(PreviewPlace(QRect(1100, 900, 600, 400), dialog, screen), QPoint(1280 - 401, 1024 - 322));
    EXPECT_EQ(PreviewPlace(QRect(-500, -300, 300, 200), dialog, screen), QPoint(0, 0));
}

TEST_F(BrowserTest, ClosingAfterAnUnsavedApplyAsksAndCancelKeepsTheWindowOpen) {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    ApplyLightA(3);
    const TBitmap applied = Copy(form_->WorkPhoto());
    QSignalSpy closed(form_.get(), &TFormMain::FormClosed);

    dialogs_->closeAnswers = {UnsavedChoice::kCancel};
    EXPECT_FALSE(form_->close());
    EXPECT_EQ(dialogs_->closeQuestions, 1);
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(closed.size(), 0);
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), applied));

    // "Save", then the save dialog cancelled: nothing saved, still open.
    dialogs_->closeAnswers = {UnsavedChoice::kSave};
    EXPECT_FALSE(form_->close());
    EXPECT_EQ(dialogs_->saveDialogsRun, 1);
    EXPECT_TRUE(form_->isVisible());

    // "Save" with a name: written, then closed once the file is.
    dialogs_->closeAnswers = {UnsavedChoice::kSave};
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("kept"), kSaveFilterBmp});
    form_->close();
    Settle(*form_);
    EXPECT_EQ(closed.size(), 1);
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir_.File("kept.bmp")), applied));
    EXPECT_EQ(dialogs_->closeQuestions, 3);
}

// Open, a dropped photo and a photo handed over by a later start (which
// calls OpenPhoto) all ask before they replace an unsaved Apply.
TEST_F(BrowserTest, OpeningOverAnUnsavedApplyAsksFirstAndCancelKeepsEverything) {
    const std::string other = dir_.File("other.bmp");
    const TBitmap otherPhoto = RandomBitmap(30, 20, 9);
    WriteBytes(other, EncodeBmp(otherPhoto));
    const std::function<void()> routes[] = {
        [&] {
            dialogs_->openAnswers.push_back(other);
            form_->BtnOpenClick();
            Settle(*form_);
        },
        [&] {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
            QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(form_.get(), &enter);
            QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(form_.get(), &drop);
            Settle(*form_);
        },
        [&] { form_->OpenPhoto(other);
            Settle(*form_);
        },
    };
    for (const auto& open : routes) {
        SCOPED_TRACE(&open - routes);
        form_->OpenPhoto(dir_.File("pic/sample.jpg"));
        Settle(*form_);
        ApplyLightA(3);
        const TBitmap applied = Copy(form_->WorkPhoto());
        dialogs_->openingQuestions.clear();

        // Cancel, and Save with its dialog cancelled: nothing changes.
        dialogs_->openingAnswers = {UnsavedChoice::kCancel, UnsavedChoice::kSave};
        open();
        open();
        EXPECT_EQ(dialogs_->openingQuestions, (std::vector<std::string>{other, other}));
        EXPECT_TRUE(SamePixels(form_->WorkPhoto(), applied));
        EXPECT_TRUE(form_->BtnUndo()->isEnabled());
        EXPECT_TRUE(form_->HasUnsavedApply());

        // Discard: the other photo opens, and there is nothing left to ask about.
        dialogs_->openingAnswers = {UnsavedChoice::kDiscard};
        open();
        EXPECT_TRUE(SamePixels(form_->WorkPhoto(), otherPhoto));
        EXPECT_FALSE(form_->HasUnsavedApply());
        open();
        EXPECT_EQ(dialogs_->openingQuestions.size(), 3u);
    }
}

// Which edits are unsaved is the session's rule; the window notes a save
// and closes on "Discard" without writing.
TEST_F(BrowserTest, ASaveLeavesNothingToLoseAndDiscardClosesWithoutWriting) {
    EXPECT_FALSE(form_->HasUnsavedApply());
    ApplyLightA(3);
    EXPECT_TRUE(form_->HasUnsavedApply());
    SaveAsBmp("one");
    EXPECT_FALSE(form_->HasUnsavedApply());
    ApplyLightA(4);

    form_->show();
    QSignalSpy closed(form_.get(), &TFormMain::FormClosed);
    dialogs_->closeAnswers = {UnsavedChoice::kDiscard};
    EXPECT_TRUE(form_->close());
    EXPECT_EQ(closed.size(), 1);
    EXPECT_EQ(dialogs_->closeQuestions, 1);
    EXPECT_EQ(dialogs_->saveDialogsRun, 1);
}

TEST_F(BrowserTest, AnOpenedPhotoIsNothingToLose) {
    ApplyLightA(3);
    WriteBmpFile(RandomBitmap(30, 20, 2), dir_.File("photo.bmp"));
    dialogs_->openAnswers.push_back(dir_.File("photo.bmp"));
    form_->BtnOpenClick();
    Settle(*form_);
    EXPECT_FALSE(form_->HasUnsavedApply());
    form_->show();
    EXPECT_TRUE(form_->close());
    EXPECT_EQ(dialogs_->closeQuestions, 0);
}

TEST_F(BrowserTest, AFailingReRenderClearsChangeColorModeAndLeavesTheLabels) {
    Press("BtnLightA");
    ClickThumbnail(3);
    fs::remove(PicturePathOf("lightA", 3));
    preview_->BtnColor()->click();
    Settle(*form_);
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(dialogs_->errors[0].rfind("Cannot open file ", 0), 0u) << dialogs_->errors[0];
    EXPECT_FALSE(form_->ChangeColorMode());
    EXPECT_TRUE(preview_->isVisible());
    EXPECT_TRUE(Processing());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The next render is a plain one: no colour is asked for.
    ClickThumbnail(2);
    EXPECT_EQ(dialogs_->colourDialogsRun, 0);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(2, 1)));
    EXPECT_TRUE(ShowingResult());
}

TEST_F(BrowserTest, AMissingOverlayStopsTheStripAtItsThumbnail) {
    Press("BtnGradient");
    const std::vector<TBitmap> gradient = CatalogueStrip(7);
    fs::remove(PicturePathOf("lightA", 4));
    Press("BtnLightA");
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(dialogs_->errors[0].rfind("Cannot open file ", 0), 0u) << dialogs_->errors[0];
    EXPECT_NE(dialogs_->errors[0].find("4.ssl"), std::string::npos) << dialogs_->errors[0];
    EXPECT_EQ(form_->CurrentCategory(), 1);
    // 1 to 3 replaced, the rest still the Gradient thumbnails.
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(ThumbnailShown(n)) << n;
        EXPECT_EQ(SamePixels(form_->ImgView(n)->Picture(), gradient[size_t(n - 1)]), n >= 4) << n;
    }
    // The rule's "after" part did not run: still hidden from Gradient.
    EXPECT_FALSE(ChangeColorShown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // From a hidden strip, only the thumbnails before the failure show.
    form_->Invisible();
    Press("BtnLightA");
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(ThumbnailShown(n), n <= 3) << n;
}

TEST_F(BrowserTest, AMissingOverlayStopsTheFullSizeRenderAndTheProgramGoesOn) {
    Press("BtnWeather");
    const std::string picture = PicturePathOf("weather", 5);
    const std::vector<uint8_t> bytes = ReadWholeFile(picture);
    fs::remove(picture);
    ClickThumbnail(5);
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(dialogs_->errors[0].rfind("Cannot open file ", 0), 0u) << dialogs_->errors[0];
    EXPECT_TRUE(preview_->isVisible());
    EXPECT_TRUE(Processing());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), original_));

    // A Colour render that fails keeps the button as it was.
    Press("BtnColor");
    EXPECT_TRUE(ChangeColorShown());  // from Weather
    fs::remove_all(dir_.File("pic/color"));
    ClickThumbnail(6);
    ClickThumbnail(9);
    EXPECT_EQ(dialogs_->errors.size(), 2u);
    EXPECT_FALSE(ChangeColorShown());

    WriteBytes(picture, bytes);
    Press("BtnWeather");
    ClickThumbnail(5);
    EXPECT_TRUE(SamePixels(form_->ResultPhoto(), CatalogueFullSize(5, 6)));
    EXPECT_TRUE(ShowingResult());
}

TEST_F(BrowserTest, AVeryWidePhotoGivesACentredPreviewClippedByThePanel) {
    const TBitmap wide = RandomBitmap(3000, 2, 21);
    WriteBytes(dir_.File("wide.bmp"), EncodeBmp(wide));
    dialogs_->openAnswers.push_back(dir_.File("wide.bmp"));
    form_->BtnOpenClick();
    Settle(*form_);
    Press("BtnTexture");
    ClickThumbnail(1);
    ASSERT_TRUE(dialogs_->errors.empty());
    // 3000 * 227 / 2 = 340500 wide, left (378 - 340500) / 2.
    EXPECT_EQ(preview_->ImgPreview()->geometry(), QRect(-170061, 1, 340500, 227));

    // What shows is the middle of the render, drawn column by column.
    const QImage shown = preview_->grab().toImage();
    const int x = 189, y = 100;
    const int column = int(int64_t(x + 170061) * 3000 / 340500);
    const Rgb expected = PixelAt(form_->ResultPhoto(), column, y * 2 / 227);
    EXPECT_EQ(QColor(shown.pixel(x, y + 1)), QColor(expected.r, expected.g, expected.b));

    // Wider than Qt allows a widget: the widest view, still centred.
    const TBitmap widest = SolidBitmap(80000, 1, Rgb{1, 2, 3});
    preview_->PreparePreview(widest);
    const QRect bounds = preview_->ImgPreview()->geometry();
    EXPECT_EQ(bounds.width(), QWIDGETSIZE_MAX);
    EXPECT_NEAR(bounds.center().x(), 378 / 2, 1);
}

// --- Camera metadata ---------------------------------------------------------

class CameraPhotoTest : public BrowserTest {
protected:
    // A 40 x 24 photo stored on its side, as a phone held upright writes it.
    void OpenPhonePhoto() {
        stored_ = RandomBitmap(40, 24, 3);
        const std::vector<uint8_t> jpeg = CameraJpeg(stored_, 6);
        WriteBytes(dir_.File("phone.jpg"), jpeg);
        decoded_ = DecodeJpeg(jpeg.data(), jpeg.size());
        dialogs_->openAnswers.push_back(dir_.File("phone.jpg"));
        form_->BtnOpenClick();
        Settle(*form_);
        ASSERT_TRUE(dialogs_->errors.empty());
    }
    std::vector<uint8_t> SaveAs(const std::string& name, int filter) {
        dialogs_->saveAnswers.push_back(SaveChoice{dir_.File(name), filter});
        form_->BtnSaveClick();
        Settle(*form_);
        return ReadWholeFile(dir_.File(name));
    }

    TBitmap stored_, decoded_;
};

TEST_F(CameraPhotoTest, TheViewsPaintThePhotosColoursInTheDisplays) {
    std::vector<TImageView*> views = {form_->ImgEffect(), preview_->ImgPreview()};
    for (int n = 1; n <= kThumbnailCount; ++n) views.push_back(form_->ImgView(n));
    const auto expectEvery = [&](const std::shared_ptr<const ColourTransform>& transform, const char* what) {
        for (const TImageView* view : views) EXPECT_EQ(view->ColourTransformShown(), transform) << what;
    };
    // Off screen there is no X display to name a profile: sRGB. The
    // start-up sample is sRGB too, so nothing is converted.
    EXPECT_TRUE(form_->DisplayProfile().IsSrgb());
    expectEvery(nullptr, "an sRGB photo on an sRGB display");
    OpenPhonePhoto();  // tagged Adobe RGB (1998)
    const ColourProfile adobe = form_->Metadata().Colour();
    ASSERT_FALSE(adobe.IsSrgb());
    expectEvery(DisplayTransform(adobe, ColourProfile()), "Adobe RGB on sRGB");
    // A wide-gamut monitor's profile, as the desktop sets it on the root
    // window; bytes that are no RGB profile stand for sRGB.
    const ColourProfile p3 = DisplayProfileOf(ColourProfile::DisplayP3().Icc());
    EXPECT_EQ(p3.Name(), "Display P3");
    form_->SetDisplayProfile(p3);
    expectEvery(DisplayTransform(adobe, p3), "Adobe RGB on Display P3");
    EXPECT_TRUE(DisplayProfileOf({1, 2, 3}).IsSrgb());
    EXPECT_TRUE(ReadIccProfileProperty().empty());
}

TEST_F(CameraPhotoTest, OpenTurnsThePhotoUprightForEverythingAfterIt) {
    EXPECT_TRUE(form_->Metadata().Empty());  // the start-up sample has none
    OpenPhonePhoto();
    TBitmap upright = Copy(decoded_);
    ApplyOrientation(upright, 6);
    ASSERT_EQ(form_->WorkPhoto().Width(), 24);
    ASSERT_EQ(form_->WorkPhoto().Height(), 40);
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), upright));
    EXPECT_TRUE(SamePixels(form_->UndoPhoto(), upright));
    EXPECT_TRUE(SamePixels(form_->ImgEffect()->Picture(), upright));
    EXPECT_EQ(form_->ImgEffect()->geometry().width(), 24 * 396 / 40);
    EXPECT_TRUE(SamePixels(form_->ThumbPhoto(), Stretched(upright, 105, 105)));
    EXPECT_FALSE(form_->Metadata().Empty());
    EXPECT_EQ(form_->Metadata().Orientation(), 6);

    // A failed Open keeps it; a photo without metadata replaces it.
    dialogs_->openAnswers.push_back(dir_.File("missing.jpg"));
    form_->BtnOpenClick();
    Settle(*form_);
    EXPECT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(form_->Metadata().Orientation(), 6);
    WriteBytes(dir_.File("plain.bmp"), EncodeBmp(RandomBitmap(20, 20, 4)));
    dialogs_->openAnswers.push_back(dir_.File("plain.bmp"));
    form_->BtnOpenClick();
    Settle(*form_);
    EXPECT_TRUE(form_->Metadata().Empty());
}

TEST_F(CameraPhotoTest, AJpegSavedAfterApplyKeepsTheCameraDataUpright) {
    OpenPhonePhoto();
    Press("BtnLightA");
    ClickThumbnail(2);
    preview_->BtnApply()->click();
    EXPECT_FALSE(form_->Metadata().Empty());

    const std::vector<uint8_t> jpeg = SaveAs("edited.jpg", kSaveFilterJpeg);
    EXPECT_TRUE(Contains(jpeg, kTestCameraModel));
    const PhotoMetadata saved = ReadPhotoMetadata(jpeg);
    EXPECT_FALSE(saved.Empty());
    EXPECT_EQ(saved.Orientation(), 1);
    const TBitmap pixels = DecodeJpeg(jpeg.data(), jpeg.size());
    EXPECT_EQ(pixels.Width(), 24);
    EXPECT_EQ(pixels.Height(), 40);
    // The very scan an encoding of the working photo gives: the metadata
    // went in beside it.
    const std::vector<uint8_t> plain = EncodeJpeg(form_->WorkPhoto());
    EXPECT_TRUE(SamePixels(pixels, DecodeJpeg(plain.data(), plain.size())));

    // Undo keeps it too; a BMP carries none.
    form_->BtnUndoClick();
    EXPECT_TRUE(Contains(SaveAs("undone.jpg", kSaveFilterJpeg), kTestCameraModel));
    const std::vector<uint8_t> bmp = SaveAs("edited.bmp", kSaveFilterBmp);
    ASSERT_GE(bmp.size(), 2u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_FALSE(Contains(bmp, kTestCameraModel));
    EXPECT_FALSE(Contains(bmp, "Exif"));
}

TEST_F(CameraPhotoTest, TheSampleIsLoadedAsStoredAndSavedWithoutMetadata) {
    // A sample that carries a camera orientation tag stays as stored.
    const TBitmap stored = RandomBitmap(30, 20, 5);
    const std::vector<uint8_t> jpeg = CameraJpeg(stored, 6);
    WriteBytes(dir_.File("pic/sample.jpg"), jpeg);
    form_.reset();
    auto dialogs = std::make_unique<FakeDialogs>();
    dialogs_ = dialogs.get();
    form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
    EXPECT_EQ(form_->WorkPhoto().Width(), 30);
    EXPECT_TRUE(form_->Metadata().Empty());
    EXPECT_FALSE(Contains(SaveAs("sample-out.jpg", kSaveFilterJpeg), kTestCameraModel));
}

}  // namespace
