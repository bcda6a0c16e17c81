#include <gtest/gtest.h>
#include <jerror.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/bmp_codec.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/photo_formats.h"
#include "io/photo_metadata.h"
#include "io/png_codec.h"
#include "fake_dialogs.h"
#include "faulty_codecs.h"
#include "jpeg_fixtures.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/dialogs.h"
#include "ground/error.h"
#include "shell/form_batch.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/main_layout.h"
#include "shell/skin.h"
#include "shell/window_place.h"
#include "test_support.h"
#include "window_jobs.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"

using namespace corvessa;
using namespace corvessa::test;

namespace {

// A window's place as QWidget::saveGeometry writes it (form 3.0), written
// out by hand as a damaged or edited settings file may hold it.
QByteArray SavedGeometry(const QRect& client, bool maximized = false, const QRect& normal = QRect()) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << client << (normal.isValid() ? normal : client)
        << qint32(0) << quint8(maximized ? 1 : 0) << quint8(0) << qint32(800) << client;
    return bytes;
}

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// A program folder with a 400 x 300 sample photo (4:3) and a window on a
// 1024 x 768 screen.
class FormMainTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_.File("pic"));
        sampleJpeg_ = MakeJpeg(GradientBitmap(400, 300), JpegKind::kColour);
        WriteBytes(dir_.File("pic/sample.jpg"), sampleJpeg_);
        sample_ = DecodeJpeg(sampleJpeg_.data(), sampleJpeg_.size());
    }
    void TearDown() override {
        form_.reset();
        SkinRemove();
    }

    TFormMain& Form(QSize screen = QSize(1024, 768), std::unique_ptr<Remembered> remembered = nullptr) {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_.reset();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), screen, std::move(remembered));
        return *form_;
    }

    bool StripHidden() const {
        for (int n = 1; n <= kThumbnailCount; ++n)
            if (!form_->ImgView(n)->isHidden() || !form_->Label(n)->isHidden()) return false;
        return true;
    }
    void ShowStrip() {
        for (int n = 1; n <= kThumbnailCount; ++n) {
            form_->ImgView(n)->show();
            form_->Label(n)->show();
        }
    }
    template <class W>
    W* Child(const char* name) const {
        return form_->findChild<W*>(QString::fromLatin1(name));
    }

    // Moves the buffers as Apply does, with `result` as the rendered effect.
    void ApplyLike(const TBitmap& result) {
        form_->ResultPhotoBuffer().Rewrite().CopyFrom(result);
        form_->ApplyResult(form_->ResultPhotoBuffer().Snapshot());
    }

    TempDir dir_;
    std::vector<uint8_t> sampleJpeg_;
    TBitmap sample_;
    std::unique_ptr<TFormMain> form_;
    FakeDialogs* dialogs_ = nullptr;
};

TEST_F(FormMainTest, StartUpHoldsTheSampleInEveryBufferButUndo) {
    TFormMain& form = Form();
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), sample_));
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), sample_));
    EXPECT_TRUE(form.UndoPhoto().Empty());
    EXPECT_TRUE(SamePixels(form.ThumbPhoto(), Stretched(sample_, 105, 105)));
    // The view is fitted and holds a view-sized copy.
    EXPECT_EQ(form.ImgEffect()->geometry(), QRect(116, 1, 528, 396));
    EXPECT_TRUE(SamePixels(form.ImgEffect()->Picture(), Stretched(sample_, 528, 396)));
    EXPECT_TRUE(StripHidden());
    EXPECT_FALSE(form.BtnUndo()->isEnabled());
    EXPECT_TRUE(form.HasPhoto());
    EXPECT_TRUE(Child<QPushButton>("BtnLightA")->isEnabled());
}

// Every control of the window and the preview where it was designed, with
// its caption: a control whose size is empty sizes itself to its text, and
// only its place is checked.
TEST_F(FormMainTest, TheWindowAndThePreviewCarryTheirDesign) {
    TFormMain& form = Form();
    TFormPreview& preview = *form.FormPreview();
    EXPECT_EQ(form.objectName(), "FormMain");
    EXPECT_EQ(form.windowTitle(), "Corvessa");
    EXPECT_EQ(preview.objectName(), "FormPreview");
    EXPECT_EQ(preview.windowTitle(), "Preview");
    EXPECT_TRUE(preview.isWindow());
    EXPECT_EQ(QRect(preview.pos(), preview.size()), QRect(277, 54, 395, 290));

    struct Placed {
        const char* parent;
        const char* name;
        QRect bounds;
        const char* caption;  // none for a control without one
    };
    const Placed design[] = {
        {"FormMain", "FlatPanel4", QRect(0, 0, 126, 678), nullptr},
        {"FormMain", "FlatPanel1", QRect(125, 0, 872, 678), nullptr},
        {"FormMain", "FlatPanel2", QRect(125, 399, 872, 279), nullptr},
        {"FormMain", "ImgFuzhu", QRect(160, 0, 49, 49), nullptr},
        {"FlatPanel1", "FlatPanel3", QRect(112, 0, 760, 399), nullptr},
        {"FlatPanel1", "BtnUndo", QRect(32, 16, 38, 30), nullptr},
        {"FlatPanel1", "BtnOpen", QRect(16, 56, 75, 25), "Open"},
        {"FlatPanel1", "BtnSave", QRect(16, 84, 75, 25), "Save"},
        {"FlatPanel1", "BtnHelp", QRect(16, 112, 75, 25), "Help"},
        {"FlatPanel1", "BtnBatch", QRect(16, 140, 75, 25), "Batch"},
        {"FlatPanel3", "ImgEffect", QRect(116, 1, 528, 396), nullptr},
        {"FlatPanel2", "ImgView1", QRect(8, 8, 105, 105), nullptr},
        {"FlatPanel2", "ImgView5", QRect(469, 8, 105, 105), nullptr},
        {"FlatPanel2", "ImgView10", QRect(469, 144, 105, 105), nullptr},
        {"FlatPanel2", "Label7", QRect(152, 256, 0, 0), "7"},
        {"FlatPanel4", "BtnPreset", QRect(24, 28, 75, 25), "Preset"},
        {"FlatPanel4", "btnLightC", QRect(24, 112, 75, 25), "Light C"},
        {"FlatPanel4", "btnAmazing", QRect(24, 168, 75, 25), "Amazing"},
        {"FlatPanel4", "BtnEadge", QRect(24, 392, 75, 25), "Edge A"},
        {"FlatPanel4", "BtnEdge2", QRect(24, 420, 75, 25), "Edge B"},
        {"FlatPanel4", "BtnFilm", QRect(24, 448, 75, 25), "Film"},
        {"FlatPanel4", "BtnLine", QRect(24, 464, 75, 25), "Line"},
        {"FormPreview", "Panel1", QRect(0, 0, 393, 230), nullptr},
        {"FormPreview", "BtnColor", QRect(80, 248, 83, 25), "Change Color"},
        {"FormPreview", "BtnApply", QRect(184, 248, 75, 25), "Apply"},
        {"FormPreview", "BtnCancel", QRect(272, 248, 75, 25), "Cancel"},
        {"Panel1", "ImgPreview", QRect(80, 1, 209, 224), nullptr},
        {"Panel1", "Label2", QRect(64, 64, 0, 0), "Wait seconds"},
        {"Panel1", "Label1", QRect(64, 96, 0, 0), "PROCESSING---"},
    };
    for (const Placed& p : design) {
        SCOPED_TRACE(p.name);
        const QString parentName = QString::fromLatin1(p.parent);
        QWidget* parent = form.objectName() == parentName      ? &form
                          : preview.objectName() == parentName ? &preview
                                                               : form.findChild<QWidget*>(parentName);
        ASSERT_NE(parent, nullptr);
        // Direct children only: the preview has a BtnColor as the column does.
        auto* w = parent->findChild<QWidget*>(QString::fromLatin1(p.name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr);
        if (p.bounds.size().isEmpty())
            EXPECT_EQ(w->pos(), p.bounds.topLeft());
        else
            EXPECT_EQ(w->geometry(), p.bounds);
        if (p.caption) {
            EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(p.caption));
        }
    }

    EXPECT_TRUE(Child<QPushButton>("BtnLine")->isHidden());
    EXPECT_FALSE(Child<QPushButton>("BtnStar")->isHidden());
    EXPECT_TRUE(Child<QWidget>("ImgFuzhu")->isHidden());
    EXPECT_EQ(form.BtnUndo()->toolTip(), "Undo");
    EXPECT_EQ(form.ImgView(3)->toolTip(), "Click the small photo  to preveiw and apply this effect.");
    auto* panel4 = Child<TFlatPanel>("FlatPanel4");
    auto* panel3 = Child<TFlatPanel>("FlatPanel3");
    EXPECT_EQ(panel4->Color(), QColor(72, 72, 0));
    for (TFlatPanel* panel : {panel3, preview.Panel1()}) {
        EXPECT_EQ(panel->Color(), QColor(112, 112, 0));
        EXPECT_EQ(panel->ColorHighLight(), QColor(255, 128, 0));
        EXPECT_EQ(panel->ColorShadow(), QColor(255, 128, 0));
    }

    // The preview's face, its light red labels and which of its buttons show.
    EXPECT_EQ(preview.palette().color(QPalette::Window), QColor(81, 81, 0));
    EXPECT_TRUE(preview.isHidden());
    for (const auto& [label, fontHeight] : {std::pair{preview.Label2(), 24}, std::pair{preview.Label1(), 32}}) {
        EXPECT_EQ(label->font().pixelSize(), fontHeight);
        // The whole caption shows, whatever font stands in for the window font.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 176, 176));
    }
    EXPECT_TRUE(preview.BtnColor()->isHidden());
    EXPECT_FALSE(preview.BtnApply()->isHidden());
}

TEST_F(FormMainTest, SmallScreensShrinkTheWindowAndItsPanels) {
    TFormMain& form = Form(QSize(800, 600));
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(Child<QWidget>("FlatPanel1")->geometry(), QRect(125, 0, 648, 520));
    EXPECT_EQ(Child<QWidget>("FlatPanel3")->geometry(), QRect(112, 0, 536, 241));
    // 400 x 300 into a 238-high view: 317 wide.
    EXPECT_EQ(form.ImgEffect()->geometry(), QRect(109, 1, 317, 238));
}

TEST_F(FormMainTest, AtItsSmallestTheWindowKeepsEveryButtonOfTheColumnInView) {
    TFormMain& form = Form();
    form.show();
    form.resize(form.minimumSize());
    QCoreApplication::sendPostedEvents();
    auto* column = Child<QWidget>("FlatPanel4");
    int shown = 0;
    for (QWidget* w : column->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isHidden() || !qobject_cast<QPushButton*>(w)) continue;
        ++shown;
        EXPECT_TRUE(column->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    EXPECT_GE(shown, int(kCategoryColumn.size()) + 2);  // the categories, My Looks and Add Look
}

TEST_F(FormMainTest, CategoryButtonsAndThumbnailsReportTheirNumbers) {
    TFormMain& form = Form();
    QSignalSpy categories(&form, &TFormMain::CategoryButtonClicked);
    QSignalSpy thumbnails(&form, &TFormMain::ThumbnailClicked);
    Child<QPushButton>("BtnPreset")->click();
    Settle(form);
    Child<QPushButton>("BtnDreamA")->click();
    Settle(form);
    ASSERT_EQ(categories.size(), 2);
    EXPECT_EQ(categories[0][0].toInt(), 16);
    EXPECT_EQ(categories[1][0].toInt(), 12);

    ShowStrip();
    QTest::mouseClick(form.ImgView(4), Qt::LeftButton);
    Settle(form);
    ASSERT_EQ(thumbnails.size(), 1);
    EXPECT_EQ(thumbnails[0][0].toInt(), 4);
}

TEST_F(FormMainTest, OpenReplacesEveryBufferAndResetsStripAndUndo) {
    TFormMain& form = Form();
    const TBitmap photo = RandomBitmap(200, 100, 3);  // 2:1
    WriteBytes(dir_.File("wide.bmp"), EncodeBmp(photo));
    ShowStrip();
    form.BtnUndo()->setEnabled(true);

    dialogs_->openAnswers.push_back(dir_.File("wide.bmp"));
    form.BtnOpenClick();
    Settle(form);
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), photo));
    EXPECT_TRUE(SamePixels(form.UndoPhoto(), photo));
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), photo));
    EXPECT_TRUE(SamePixels(form.ImgEffect()->Picture(), photo));  // full size
    EXPECT_EQ(form.ImgEffect()->geometry(), QRect(-16, 1, 792, 396));
    EXPECT_TRUE(SamePixels(form.ThumbPhoto(), Stretched(photo, 105, 105)));
    EXPECT_TRUE(StripHidden());
    EXPECT_FALSE(form.BtnUndo()->isEnabled());
}

TEST_F(FormMainTest, OpenReadsJpegAndUpperCaseBmpThroughTheGeneralReader) {
    TFormMain& form = Form();
    const std::vector<uint8_t> jpeg = MakeJpeg(GradientBitmap(64, 48), JpegKind::kColour);
    WriteBytes(dir_.File("photo.jpg"), jpeg);
    dialogs_->openAnswers.push_back(dir_.File("photo.jpg"));
    form.BtnOpenClick();
    Settle(form);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), DecodeJpeg(jpeg.data(), jpeg.size())));

    const TBitmap photo = RandomBitmap(33, 21, 5);
    WriteBytes(dir_.File("holiday.BMP"), EncodeBmp(photo));
    dialogs_->openAnswers.push_back(dir_.File("holiday.BMP"));
    form.BtnOpenClick();
    Settle(form);
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), photo));
}

TEST_F(FormMainTest, AFailedOpenChangesNothing) {
    TFormMain& form = Form();
    const TBitmap work = Copy(form.WorkPhoto()), result = Copy(form.ResultPhoto());
    const TBitmap thumb = Copy(form.ThumbPhoto()), view = Copy(form.ImgEffect()->Picture());
    const QRect viewBounds = form.ImgEffect()->geometry();
    ShowStrip();
    form.BtnUndo()->setEnabled(true);

    WriteBytes(dir_.File("broken.jpg"), {'G', 'I', 'F', '8', '9', 'a', 0, 0});
    WriteBytes(dir_.File("broken.bmp"), {'B', 'M', 1, 2, 3});
    WriteBytes(dir_.File("broken.heic"), {0, 0, 0, 24, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c', 0, 0, 0, 0});
    const std::string missing = dir_.File("missing.jpg");
    for (const std::string& path :
         {missing, dir_.File("broken.jpg"), dir_.File("broken.bmp"), dir_.File("notes.txt"), dir_.File("broken.heic")}) {
        dialogs_->openAnswers.push_back(path);
        form.BtnOpenClick();
        Settle(form);
    }
    ASSERT_EQ(dialogs_->errors.size(), 5u);
    EXPECT_EQ(dialogs_->errors[0], "Cannot open file " + missing + ": No such file or directory");
    // A GIF's start under a JPEG's name: both readers say why they refuse it.
    EXPECT_EQ(dialogs_->errors[1].rfind("JPEG error #" + std::to_string(JERR_NO_SOI) +
                                            ": Not a JPEG file: starts with 0x47 0x49; read as GIF by its first bytes: "
                                            "Bitmap image is not valid: ",
                                        0),
              0u)
        << dialogs_->errors[1];
    EXPECT_TRUE(dialogs_->errors[1].ends_with(" \u2014 " + dir_.File("broken.jpg"))) << dialogs_->errors[1];
    EXPECT_EQ(dialogs_->errors[2].rfind("Bitmap image is not valid: ", 0), 0u) << dialogs_->errors[2];
    EXPECT_TRUE(dialogs_->errors[2].ends_with(" \u2014 " + dir_.File("broken.bmp"))) << dialogs_->errors[2];
    EXPECT_EQ(dialogs_->errors[3], "Unknown picture file extension (.txt) \u2014 " + dir_.File("notes.txt"));
    EXPECT_EQ(dialogs_->errors[4].rfind("Bitmap image is not valid: ", 0), 0u) << dialogs_->errors[4];
    EXPECT_TRUE(dialogs_->errors[4].ends_with(" \u2014 " + dir_.File("broken.heic"))) << dialogs_->errors[4];
    EXPECT_TRUE(dialogs_->warnings.empty());

    EXPECT_TRUE(SamePixels(form.WorkPhoto(), work));
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), result));
    EXPECT_TRUE(form.UndoPhoto().Empty());
    EXPECT_TRUE(SamePixels(form.ThumbPhoto(), thumb));
    EXPECT_TRUE(SamePixels(form.ImgEffect()->Picture(), view));
    EXPECT_EQ(form.ImgEffect()->geometry(), viewBounds);
    EXPECT_FALSE(StripHidden());
    EXPECT_TRUE(form.BtnUndo()->isEnabled());
}

// A codec that crashes on a photo, whatever its name, is a message: the
// window and its photo stay as they were, and the photo opens once the
// codec is whole again.
TEST_F(FormMainTest, ACodecThatCrashesLeavesTheWindowAsItWas) {
    TFormMain& form = Form();
    const TBitmap work = Copy(form.WorkPhoto());
    const std::string heic = dir_.File("phone.heic"), named = dir_.File("holiday.jpg");
    WritePhotoAs(FormatOf(PhotoFormatId::kHeic), RandomBitmap(24, 16, 3), heic, PhotoMetadata());
    std::filesystem::copy_file(heic, named);
    {
        const FaultyCodecs faulty;
        for (const std::string& path : {heic, named}) {
            dialogs_->openAnswers.push_back(path);
            form.BtnOpenClick();
            Settle(form);
        }
    }
    ASSERT_EQ(dialogs_->errors.size(), 2u);
    EXPECT_EQ(dialogs_->errors[0], "The HEIC reader failed \u2014 " + heic);
    EXPECT_NE(dialogs_->errors[1].find("read as HEIC by its first bytes: The HEIC reader failed \u2014 " + named),
              std::string::npos)
        << dialogs_->errors[1];
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), work));

    dialogs_->openAnswers.push_back(named);
    form.BtnOpenClick();
    Settle(form);
    EXPECT_EQ(form.WorkPhoto().Width(), 24);
    EXPECT_EQ(dialogs_->errors.size(), 2u);
}

namespace {

// The processes this one started that have not ended.
int ChildProcesses() {
    int children = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) continue;
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        char state = 0;
        long parent = 0;
        rest >> state >> parent;
        if (parent == getpid() && state != 'Z') ++children;
    }
    return children;
}

// Waits up to ten seconds, the window's events running, for `done`.
bool Eventually(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

}  // namespace

// A cancelled Open of a photo whose codec hangs ends the codec's process
// at once, and with it the memory it held; so does closing the window.
TEST_F(FormMainTest, CancellingAnOpenOrClosingTheWindowEndsItsCodecHelper) {
    TFormMain& form = Form();
    const std::string heic = dir_.File("phone.heic");
    WritePhotoAs(FormatOf(PhotoFormatId::kHeic), RandomBitmap(24, 16, 3), heic, PhotoMetadata());
    const FaultyCodecs hanging("hang");
    form.OpenPhoto(heic);
    ASSERT_TRUE(Eventually([] { return ChildProcesses() == 1; }));
    form.CancelJob();
    EXPECT_TRUE(Eventually([] { return ChildProcesses() == 0; }));
    EXPECT_TRUE(dialogs_->errors.empty());

    form.OpenPhoto(heic);
    ASSERT_TRUE(Eventually([] { return ChildProcesses() == 1; }));
    form_.reset();
    EXPECT_TRUE(Eventually([] { return ChildProcesses() == 0; }));
}

TEST_F(FormMainTest, CancellingOpenChangesNothing) {
    TFormMain& form = Form();
    const TBitmap work = Copy(form.WorkPhoto());
    ShowStrip();
    dialogs_->openAnswers.push_back(std::nullopt);
    form.BtnOpenClick();
    Settle(form);
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), work));
    EXPECT_FALSE(StripHidden());
}

TEST_F(FormMainTest, SaveBeforeAnyOpenWritesTheViewSizedSample) {
    TFormMain& form = Form();
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("out"), kSaveFilterBmp});
    form.BtnSaveClick();
    Settle(form);
    EXPECT_TRUE(dialogs_->errors.empty());
    const TBitmap saved = ReadBmpFile(dir_.File("out.bmp"));
    EXPECT_EQ(saved.Width(), 528);
    EXPECT_EQ(saved.Height(), 396);
    EXPECT_TRUE(SamePixels(saved, Stretched(sample_, 528, 396)));
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), saved));
}

// The file name's last extension, never a folder's, decides with the
// filter; a name of another format is a question, whose Cancel brings the
// save dialog back.
TEST_F(FormMainTest, SaveNamesAndFormatsFollowTheFileNameAndTheFilter) {
    TFormMain& form = Form();
    const TBitmap photo = GradientBitmap(80, 60);
    WriteBytes(dir_.File("in.bmp"), EncodeBmp(photo));
    dialogs_->openAnswers.push_back(dir_.File("in.bmp"));
    form.BtnOpenClick();
    Settle(form);
    std::filesystem::create_directories(dir_.File("photos.jpg.d"));

    struct Case {
        SaveChoice choice;
        std::optional<SaveFormatChoice> answer;  // none: nothing is asked
        const char* written;                     // none: nothing is written
        PhotoFormatId format;
    };
    const Case cases[] = {
        {{dir_.File("card.JPG"), kSaveFilterJpeg}, std::nullopt, "card.JPG", PhotoFormatId::kJpeg},
        {{dir_.File("x.jpg.old"), kSaveFilterJpeg}, std::nullopt, "x.jpg.old.jpg", PhotoFormatId::kJpeg},
        {{dir_.File("x.png.old"), kSaveFilterPng}, std::nullopt, "x.png.old.png", PhotoFormatId::kPng},
        {{dir_.File("photos.jpg.d/beach.png"), kSaveFilterJpeg}, SaveFormatChoice::kAsName, "photos.jpg.d/beach.png",
         PhotoFormatId::kPng},
        {{dir_.File("card.jpg"), kSaveFilterBmp}, SaveFormatChoice::kAsFilter, "card.jpg.bmp", PhotoFormatId::kBmp},
        {{dir_.File("card.bmp"), kSaveFilterPng}, SaveFormatChoice::kCancel, nullptr, PhotoFormatId::kPng},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice.path);
        const int dialogsBefore = dialogs_->saveDialogsRun;
        const size_t questionsBefore = dialogs_->formatQuestions.size();
        dialogs_->saveAnswers.push_back(c.choice);
        if (c.answer) dialogs_->formatAnswers.push_back(*c.answer);
        form.BtnSaveClick();
        Settle(form);
        EXPECT_EQ(dialogs_->formatQuestions.size(), questionsBefore + (c.answer ? 1 : 0));
        // Cancelled, the question brings the dialog back (cancelled there too).
        EXPECT_EQ(dialogs_->saveDialogsRun, dialogsBefore + (c.answer == SaveFormatChoice::kCancel ? 2 : 1));
        if (!c.written) {
            EXPECT_FALSE(std::filesystem::exists(c.choice.path));
            continue;
        }
        const std::vector<uint8_t> bytes = FileBytes(dir_.File(c.written));
        ASSERT_GE(bytes.size(), 8u);
        const PhotoFormat* told = FormatBySignature(bytes.data(), bytes.size());
        ASSERT_NE(told, nullptr);
        EXPECT_EQ(told->id, c.format);
        EXPECT_EQ(form.PhotoPath(), dir_.File(c.written));
    }
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_FALSE(std::filesystem::exists(dir_.File("photos.jpg.d/beach.png.jpg")));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("card.jpg")));
    // The question names both choices: the name's format, the filter's.
    ASSERT_EQ(dialogs_->formatQuestions.size(), 3u);
    EXPECT_EQ(dialogs_->formatQuestions[1].first, (SaveTarget{dir_.File("card.jpg"), PhotoFormatId::kJpeg}));
    EXPECT_EQ(dialogs_->formatQuestions[1].second, (SaveTarget{dir_.File("card.jpg.bmp"), PhotoFormatId::kBmp}));
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir_.File("card.jpg.bmp")), photo));
    const std::vector<uint8_t> png = FileBytes(dir_.File("photos.jpg.d/beach.png"));
    EXPECT_TRUE(SamePixels(DecodePng(png.data(), png.size()), photo));  // lossless
}

TEST_F(FormMainTest, AJpegThatEndsEarlyOpensAndSaysItIsIncomplete) {
    TFormMain& form = Form();
    std::vector<uint8_t> jpeg = EncodeJpeg(RandomBitmap(96, 64, 2));
    jpeg.resize(jpeg.size() / 2);
    WriteBytes(dir_.File("cut.jpg"), jpeg);
    dialogs_->openAnswers.push_back(dir_.File("cut.jpg"));
    form.BtnOpenClick();
    Settle(form);
    EXPECT_TRUE(dialogs_->errors.empty());
    EXPECT_EQ(dialogs_->warnings,
              std::vector<std::string>{"The file is incomplete: its lower part is missing \u2014 " + dir_.File("cut.jpg")});
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), DecodeJpeg(jpeg.data(), jpeg.size())));
}

TEST_F(FormMainTest, AFailedSaveKeepsTheExistingFile) {
    TFormMain& form = Form();
    // A name so long that no temporary file can be made beside it.
    const std::string name = std::string(250, 'k') + ".jpg";
    const std::vector<uint8_t> before = {'o', 'l', 'd'};
    WriteBytes(dir_.File(name), before);
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File(name), kSaveFilterJpeg});
    dialogs_->replaceAnswers.push_back(true);
    form.BtnSaveClick();
    Settle(form);
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(dialogs_->errors[0], "Cannot create file " + dir_.File(name) + ": File name too long");
    EXPECT_EQ(FileBytes(dir_.File(name)), before);
    // ResultPhoto holds the view's picture all the same.
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), form.ImgEffect()->Picture()));
}

TEST_F(FormMainTest, SaveOntoAnExistingFileAsksFirstAndNoLeavesItAsItWas) {
    TFormMain& form = Form();
    const std::vector<uint8_t> before = {'m', 'i', 'n', 'e'};
    WriteBytes(dir_.File("card.jpg"), before);
    // Asked of the name written: "card" becomes card.jpg. "No" brings the
    // dialog back; cancelled there, nothing is written.
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("card"), kSaveFilterJpeg});
    dialogs_->replaceAnswers.push_back(false);
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(dialogs_->replaceQuestions, std::vector<std::string>{dir_.File("card.jpg")});
    EXPECT_EQ(dialogs_->saveDialogsRun, 2);
    EXPECT_EQ(FileBytes(dir_.File("card.jpg")), before);

    // "No", then a new name: written without a question; "Yes" replaces.
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("card.jpg"), kSaveFilterJpeg});
    dialogs_->replaceAnswers.push_back(false);
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("other.jpg"), kSaveFilterJpeg});
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(dialogs_->replaceQuestions.size(), 2u);
    EXPECT_EQ(FileBytes(dir_.File("card.jpg")), before);
    EXPECT_TRUE(std::filesystem::exists(dir_.File("other.jpg")));
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("card.jpg"), kSaveFilterJpeg});
    dialogs_->replaceAnswers.push_back(true);
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(FileBytes(dir_.File("card.jpg")), FileBytes(dir_.File("other.jpg")));
    // A link to nowhere is a name taken all the same.
    std::filesystem::create_symlink(dir_.File("nowhere"), dir_.File("link.bmp"));
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("link.bmp"), kSaveFilterBmp});
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(dialogs_->replaceQuestions.back(), dir_.File("link.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("nowhere")));
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(FormMainTest, FileDialogsStartAtThePhotoLastOpenedOrSaved) {
    TFormMain& form = Form();
    std::filesystem::create_directories(dir_.File("trip"));
    std::filesystem::create_directories(dir_.File("done"));
    WriteBytes(dir_.File("trip/beach.bmp"), EncodeBmp(RandomBitmap(20, 10, 1)));

    // Before any photo: the dialogs' own start (the pictures folder).
    dialogs_->openAnswers.push_back(dir_.File("trip/beach.bmp"));
    form.BtnOpenClick();
    Settle(form);
    form.BtnSaveClick();
    Settle(form);
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("done/beach"), kSaveFilterBmp});
    form.BtnSaveClick();
    Settle(form);
    form.BtnOpenClick();
    Settle(form);
    // A photo that fails to open changes nothing.
    dialogs_->openAnswers.push_back(dir_.File("trip/missing.jpg"));
    form.BtnOpenClick();
    Settle(form);
    form.BtnOpenClick();
    Settle(form);
    EXPECT_EQ(dialogs_->openFolders,
              (std::vector<std::string>{"", dir_.File("done"), dir_.File("done"), dir_.File("done")}));
    EXPECT_EQ(dialogs_->savePhotos, (std::vector<std::string>{dir_.File("trip/beach.bmp"), dir_.File("trip/beach.bmp")}));
    EXPECT_EQ(form.PhotoPath(), dir_.File("done/beach.bmp"));
}

TEST_F(FormMainTest, CancellingSaveKeepsTheViewCopyInResultPhoto) {
    TFormMain& form = Form();
    form.ResultPhotoBuffer().Rewrite().CopyFrom(RandomBitmap(5, 5, 1));
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(dialogs_->saveDialogsRun, 1);
    EXPECT_TRUE(SamePixels(form.ResultPhoto(), form.ImgEffect()->Picture()));
}

TEST_F(FormMainTest, TheTitleNamesThePhotoAndItsUnsavedApplyAndTheStatusLineWhatHappened) {
    TFormMain& form = Form();
    auto* status = form.findChild<QLabel*>(QStringLiteral("LabelStatus"));
    EXPECT_EQ(form.windowTitle(), "Corvessa");
    WriteBytes(dir_.File("beach.bmp"), EncodeBmp(RandomBitmap(200, 100, 3)));
    form.OpenPhoto(dir_.File("beach.bmp"));
    Settle(form);
    EXPECT_EQ(form.windowTitle(), "beach.bmp[*] - Corvessa");
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_TRUE(status->text().startsWith("200 x 100\nFit")) << status->text().toStdString();

    ApplyLike(RandomBitmap(200, 100, 4));
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_TRUE(status->text().contains("Applied")) << status->text().toStdString();
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("done.bmp"), kSaveFilterBmp});
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(form.windowTitle(), "done.bmp[*] - Corvessa");
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_TRUE(status->text().endsWith("Saved done.bmp, 60 KB")) << status->text().toStdString();
    form.BtnUndoClick();
    EXPECT_FALSE(form.isWindowModified());  // the opened photo holds no Apply
    EXPECT_TRUE(status->text().endsWith("Undone"));
}

// What the file holds is the photo shown when Save was pressed: an Apply
// made while it is written stays unsaved (the title keeps its mark), and
// Undo back to the photo written finds it saved.
TEST_F(FormMainTest, AnApplyMadeWhileASaveIsWrittenStaysUnsaved) {
    TFormMain& form = Form();
    WriteBytes(dir_.File("beach.bmp"), EncodeBmp(RandomBitmap(200, 100, 3)));
    form.OpenPhoto(dir_.File("beach.bmp"));
    Settle(form);
    const TBitmap first = RandomBitmap(200, 100, 4);
    ApplyLike(first);
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("done.bmp"), kSaveFilterBmp});
    {
        const HeldPool held;
        form.BtnSaveClick();
        ASSERT_TRUE(form.Saving());
        ApplyLike(RandomBitmap(200, 100, 5));
    }
    Settle(form);
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir_.File("done.bmp")), first));
    EXPECT_EQ(form.windowTitle(), "done.bmp[*] - Corvessa");
    EXPECT_TRUE(form.isWindowModified());
    form.BtnUndoClick();
    EXPECT_FALSE(form.isWindowModified());
}

TEST_F(FormMainTest, SavingBeforeClosingAsksAgainAfterAnApplyMadeWhileTheFileWasWritten) {
    TFormMain& form = Form();
    form.show();
    WriteBytes(dir_.File("beach.bmp"), EncodeBmp(RandomBitmap(200, 100, 3)));
    form.OpenPhoto(dir_.File("beach.bmp"));
    Settle(form);
    ApplyLike(RandomBitmap(200, 100, 4));
    QSignalSpy closed(&form, &TFormMain::FormClosed);
    dialogs_->closeAnswers = {UnsavedChoice::kSave, UnsavedChoice::kDiscard};
    dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("done.bmp"), kSaveFilterBmp});
    {
        const HeldPool held;
        EXPECT_FALSE(form.close());
        ApplyLike(RandomBitmap(200, 100, 5));
    }
    Settle(form);
    // Asked again; discarded, it closes without a third question.
    EXPECT_EQ(dialogs_->closeQuestions, 2);
    EXPECT_EQ(closed.size(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir_.File("done.bmp")));
}

// Jobs still running when the window goes deliver nothing to it (ASan
// would see a watcher reaching the dead window); its save is written whole.
TEST_F(FormMainTest, AWindowDestroyedWithJobsRunningLeavesThemNothingToReachAndItsSaveWhole) {
    WriteBytes(dir_.File("beach.bmp"), EncodeBmp(RandomBitmap(200, 100, 3)));
    {
        const HeldPool held;
        TFormMain& form = Form();
        ApplyLike(RandomBitmap(528, 396, 4));
        dialogs_->saveAnswers.push_back(SaveChoice{dir_.File("done.bmp"), kSaveFilterBmp});
        form.BtnSaveClick();
        form.OpenPhoto(dir_.File("beach.bmp"));
        form.CategoryClick(15);
        ASSERT_TRUE(form.Saving() && form.Opening());
        form_.reset();
    }
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_TRUE(SamePixels(ReadBmpFile(dir_.File("done.bmp")), RandomBitmap(528, 396, 4)));
}

// A kept place comes back within the screen area, as a new window is
// laid out: one that fits stays, one larger than the area is shrunk to it,
// one off it is moved onto it, and a maximised one returns to a size that
// fits. Bytes that are no place leave the window as it was.
TEST(RestoreWindowPlace, AKeptPlaceComesBackWithinTheScreen) {
    const QRect area(0, 0, 1024, 768);
    // The frame the layouts assume around a window not yet framed.
    const QMargins frame(kFrameWidth / 2, kFrameHeight - kFrameWidth / 2, kFrameWidth / 2, kFrameWidth / 2);
    QWidget left;
    left.setGeometry(40, 50, 700, 500);
    struct Case {
        const char* what;
        QByteArray geometry;
        bool restored;
        QRect expected;  // the window's client area, or its normal one when maximised
        bool maximized = false;
    };
    const Case cases[] = {
        {"as it was left", left.saveGeometry(), true, QRect(40, 50, 700, 500)},
        {"larger than any screen", SavedGeometry(QRect(0, 0, 99999, 99999)), true, area.marginsRemoved(frame)},
        {"maximised, returning to a huge size", SavedGeometry(QRect(0, 0, 800, 800), true, QRect(-50, 0, 99999, 99999)),
         true, area.marginsRemoved(frame), true},
        {"nothing kept", QByteArray(), false, QRect(7, 8, 300, 200)},
        {"not a place", QByteArray("\x01\xd9\xd0\xcb damaged"), false, QRect(7, 8, 300, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget window;
        window.setGeometry(7, 8, 300, 200);
        EXPECT_EQ(RestoreWindowPlace(window, c.geometry, area), c.restored);
        EXPECT_EQ(window.isMaximized(), c.maximized);
        EXPECT_EQ(c.maximized ? window.normalGeometry() : window.geometry(), c.expected);
    }
}

// A settings file holding places of 99999 x 99999 (damaged or edited by
// hand): the main window, the preview and the batch dialog open within
// the screen, not as large as the file says.
TEST_F(FormMainTest, HugeKeptPlacesOpenWithinTheScreen) {
    const QString settings = QString::fromStdString(dir_.File("corvessa.conf"));
    {
        Remembered kept(settings);
        const QByteArray huge = SavedGeometry(QRect(0, 0, 99999, 99999));
        kept.SetPlace(Setting::kMainPlace, huge);
        kept.SetPlace(Setting::kPreviewPlace, huge);
        kept.SetPlace(Setting::kBatchPlace, huge);
    }
    TFormMain& form = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(form.geometry()));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form.FormPreview()->geometry()));
    form.BtnBatchClick();
    ASSERT_NE(form.FormBatch(), nullptr);
    // Its layout may make it no narrower than its controls need.
    EXPECT_LE(form.FormBatch()->height(), screen.height());
    EXPECT_LT(form.FormBatch()->width(), 2000);
    EXPECT_TRUE(dialogs_->errors.empty());
}

// Settings behind another user's link: the window starts as on a first
// run and says why once it is up.
TEST_F(FormMainTest, SettingsBehindAnotherUsersLinkAreNotUsedAndTheWindowSaysSo) {
    if (::geteuid() != 0) GTEST_SKIP() << "links of another user need root to make";
    std::filesystem::create_directories(dir_.File("theirs"));
    std::filesystem::create_symlink(dir_.File("theirs"), dir_.File("config"));
    ASSERT_EQ(::lchown(dir_.File("config").c_str(), 4321, 4321), 0);
    const QSize designed = Form().size();
    TFormMain& form = Form(QSize(1024, 768), std::make_unique<Remembered>(QString::fromStdString(dir_.File("config/corvessa.conf"))));
    EXPECT_TRUE(dialogs_->warnings.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_->warnings.size(), 1u);
    EXPECT_EQ(dialogs_->warnings[0], "Settings are not kept: " + dir_.File("config") +
                                         " is a symbolic link of another user \u2014 " + dir_.File("config/corvessa.conf"));
    EXPECT_EQ(form.size(), designed);
    form.close();
    EXPECT_FALSE(std::filesystem::exists(dir_.File("theirs/corvessa.conf")));
}

TEST_F(FormMainTest, ASecondRunFindsTheWindowsTheFolderAndTheCategoryAsTheFirstLeftThem) {
    const QString settings = QString::fromStdString(dir_.File("corvessa.conf"));
    WriteBytes(dir_.File("beach.bmp"), EncodeBmp(RandomBitmap(200, 100, 3)));
    {
        TFormMain& form = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
        form.show();
        form.setGeometry(40, 50, 700, 620);
        form.OpenPhoto(dir_.File("beach.bmp"));
        Settle(form);
        form.CategoryClick(15);  // Art: no overlay pictures needed
        Settle(form);
        form.close();
    }
    TFormMain& again = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
    Settle(again);
    EXPECT_EQ(again.size(), QSize(700, 620));
    EXPECT_EQ(again.CurrentCategory(), 15);
    EXPECT_FALSE(StripHidden());  // its strip, of the start-up photo
    EXPECT_TRUE(dialogs_->errors.empty());
    again.BtnOpenClick();
    ASSERT_EQ(dialogs_->openFolders.size(), 1u);
    EXPECT_EQ(dialogs_->openFolders[0], dir_.Path());

    // Settings that make no sense: the design's start.
    WriteBytes(dir_.File("corvessa.conf"), {'[', 0, 0xff, '\n', '='});
    const QSize designed = Form().size();
    TFormMain& fresh = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
    EXPECT_EQ(fresh.size(), designed);
    EXPECT_EQ(fresh.CurrentCategory(), 0);
}

TEST_F(FormMainTest, LargeThumbnailsAreRememberedAndOffByDefault) {
    const QString settings = QString::fromStdString(dir_.File("corvessa.conf"));
    {
        TFormMain& form = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
        EXPECT_FALSE(form.LargeThumbnails());
        Child<QCheckBox>("ChkLargeThumbnails")->click();
        EXPECT_TRUE(form.LargeThumbnails());
        form.close();
    }
    EXPECT_TRUE(Remembered(settings).Flag(Setting::kLargeThumbnails));
    TFormMain& again = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
    EXPECT_TRUE(again.LargeThumbnails());
    EXPECT_TRUE(Child<QCheckBox>("ChkLargeThumbnails")->isChecked());
    EXPECT_GT(again.FlatPanel2()->height(), 279);
    // A window without a store starts small and keeps nothing.
    TFormMain& bare = Form();
    EXPECT_FALSE(bare.LargeThumbnails());
    bare.SetLargeThumbnails(true);
    EXPECT_TRUE(Remembered(settings).Flag(Setting::kLargeThumbnails));
}

TEST_F(FormMainTest, KeepFacesClearIsRememberedAndOffByDefault) {
    const QString settings = QString::fromStdString(dir_.File("corvessa.conf"));
    {
        TFormMain& form = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
        EXPECT_FALSE(form.KeepFaces());
        auto* box = Child<QCheckBox>("ChkKeepFaces");
        EXPECT_FALSE(box->isHidden());
        EXPECT_EQ(box->text(), QStringLiteral("Keep faces clear"));
        // Under the tools, clear of the buttons and of "Large looks".
        EXPECT_GE(box->geometry().top(), Child<QCheckBox>("ChkLargeThumbnails")->geometry().bottom());
        form.CategoryClick(1);
        box->click();
        EXPECT_TRUE(form.KeepFaces());
        EXPECT_TRUE(form.DrawingStrip());  // the strip showing is drawn again with it
        form.close();
    }
    EXPECT_TRUE(Remembered(settings).Flag(Setting::kKeepFaces));
    TFormMain& again = Form(QSize(1024, 768), std::make_unique<Remembered>(settings));
    EXPECT_TRUE(again.KeepFaces());
    EXPECT_TRUE(Child<QCheckBox>("ChkKeepFaces")->isChecked());
    again.SetKeepFaces(false);
    EXPECT_FALSE(Child<QCheckBox>("ChkKeepFaces")->isChecked());
}

TEST_F(FormMainTest, UndoShowsThePhotoBeforeTheLastApply) {
    TFormMain& form = Form();
    const TBitmap original = Copy(form.WorkPhoto());
    const TBitmap first = RandomBitmap(400, 300, 11), second = RandomBitmap(400, 300, 12);
    ApplyLike(first);
    ApplyLike(second);
    ShowStrip();

    // Which buffers Undo replaces is the session's; the window shows the
    // photo before the last Apply, drawn into the view's picture at the
    // picture's size (full size here), and hides the strip.
    form.BtnUndoClick();
    EXPECT_TRUE(SamePixels(form.ImgEffect()->Picture(), first));
    EXPECT_TRUE(StripHidden());
    // The start-up photo is one Undo further back, and the last.
    EXPECT_TRUE(form.BtnUndo()->isEnabled());
    form.BtnUndoClick();
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), original));
    EXPECT_FALSE(form.BtnUndo()->isEnabled());
}

// An edit's Apply changes the photo's size: Undo and Redo show the photo
// they step to whole, the view fitted to its shape, never stretched into
// the other's.
TEST_F(FormMainTest, UndoAndRedoToAPhotoOfAnotherSizeFitTheViewToIt) {
    TFormMain& form = Form();
    const TBitmap first = RandomBitmap(400, 300, 4), second = RandomBitmap(150, 200, 5);
    ApplyLike(first);
    ApplyLike(second);
    for (const TBitmap* shown : {&first, &second}) {
        if (shown == &first)
            form.BtnUndoClick();
        else
            form.BtnRedoClick();
        EXPECT_TRUE(SamePixels(form.ImgEffect()->Picture(), *shown));
        const QRect fitted = form.ImgEffect()->geometry();
        EXPECT_NEAR(double(fitted.width()) / fitted.height(), double(shown->Width()) / shown->Height(), 0.01);
    }
}

TEST_F(FormMainTest, ControlUndoWorksOnlyWhileUndoIsEnabled) {
    TFormMain& form = Form();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const TBitmap work = Copy(form.WorkPhoto());
    const TBitmap applied = RandomBitmap(400, 300, 4);

    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), work));

    ApplyLike(applied);
    ASSERT_TRUE(form.BtnUndo()->isEnabled());
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), work));
    EXPECT_FALSE(form.BtnUndo()->isEnabled());
    // Redo by either of its keys, and only what was undone.
    for (const QKeyCombination redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
        QTest::keyClick(&form, redo.key(), redo.keyboardModifiers());
        EXPECT_TRUE(SamePixels(form.WorkPhoto(), applied));
        EXPECT_TRUE(form.BtnUndo()->isEnabled());
        QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(SamePixels(form.WorkPhoto(), applied));
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    }

    dialogs_->openAnswers.push_back(std::nullopt);
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(dialogs_->openAnswers.empty());
    dialogs_->saveAnswers.push_back(std::nullopt);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs_->saveDialogsRun, 1);
}

TEST_F(FormMainTest, ADroppedPhotoOpensAsOpenDoes) {
    TFormMain& form = Form();
    const TBitmap photo = RandomBitmap(30, 20, 9);
    WriteBytes(dir_.File("dropped.bmp"), EncodeBmp(photo));
    EXPECT_TRUE(DropFiles(form, {dir_.File("dropped.bmp")}));
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), photo));
    EXPECT_TRUE(SamePixels(form.UndoPhoto(), photo));
    EXPECT_EQ(form.ImgEffect()->geometry().width(), 594);  // 30 * 396 / 20
}

// Photos are read off the window's thread: the window goes on while one
// is read, a later Open supersedes it, and a cancelled one changes nothing.
TEST_F(FormMainTest, ALaterOpenSupersedesOneStillReadingAndACancelledOneChangesNothing) {
    TFormMain& form = Form();
    const TBitmap wide = RandomBitmap(30, 20, 1), tall = RandomBitmap(20, 30, 2);
    WriteBytes(dir_.File("wide.bmp"), EncodeBmp(wide));
    WriteBytes(dir_.File("tall.bmp"), EncodeBmp(tall));
    QSignalSpy finished(&form, &TFormMain::OpenFinished);

    form.OpenPhoto(dir_.File("wide.bmp"));
    EXPECT_TRUE(form.Opening());
    form.OpenPhoto(dir_.File("tall.bmp"));
    Settle(form);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), tall));
    EXPECT_EQ(form.PhotoPath(), dir_.File("tall.bmp"));
    EXPECT_EQ(finished.size(), 1);

    form.OpenPhoto(dir_.File("wide.bmp"));
    form.CancelJob();
    EXPECT_FALSE(form.Opening());
    // The reading it dropped ends unseen.
    QTest::qWait(100);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), tall));
    EXPECT_EQ(form.PhotoPath(), dir_.File("tall.bmp"));
    EXPECT_EQ(finished.size(), 2);
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(FormMainTest, AMissingSamplePhotoIsReportedAndLeavesASafeWindow) {
    std::filesystem::remove(dir_.File("pic/sample.jpg"));
    TFormMain& form = Form();
    ASSERT_EQ(dialogs_->errors.size(), 1u);
    EXPECT_EQ(dialogs_->errors[0], "Cannot open file " + dir_.Path() + "/pic/sample.jpg" + ": No such file or directory");
    EXPECT_EQ(Child<QWidget>("FlatPanel3")->geometry(), QRect(112, 0, 760, 399));
    EXPECT_TRUE(form.WorkPhoto().Empty());
    EXPECT_TRUE(form.ResultPhoto().Empty());
    EXPECT_FALSE(form.HasPhoto());
    EXPECT_TRUE(StripHidden());
    EXPECT_FALSE(form.BtnUndo()->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("BtnLightA")->isEnabled());

    // Whatever the user presses: nothing to save, nothing to undo.
    form.BtnSaveClick();
    Settle(form);
    EXPECT_EQ(dialogs_->saveDialogsRun, 0);
    form.BtnUndoClick();
    form.grab();
    EXPECT_EQ(dialogs_->errors.size(), 1u);

    const TBitmap photo = RandomBitmap(40, 30, 2);
    WriteBytes(dir_.File("first.bmp"), EncodeBmp(photo));
    dialogs_->openAnswers.push_back(dir_.File("first.bmp"));
    form.BtnOpenClick();
    Settle(form);
    EXPECT_TRUE(SamePixels(form.WorkPhoto(), photo));
    EXPECT_TRUE(Child<QPushButton>("BtnLightA")->isEnabled());
}

TEST_F(FormMainTest, SkinComesWithTheWindowAndGoesWhenItCloses) {
    const std::string sheet = "QPushButton { color: #173d2c; }";
    WriteBytes(dir_.File("beryl.urf"), std::vector<uint8_t>(sheet.begin(), sheet.end()));
    TFormMain& form = Form();
    EXPECT_EQ(qApp->styleSheet().toStdString(), sheet);

    QSignalSpy closed(&form, &TFormMain::FormClosed);
    form.show();
    form.close();
    EXPECT_EQ(closed.size(), 1);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_TRUE(form.WorkPhoto().Empty());
    EXPECT_TRUE(form.ResultPhoto().Empty());
}

TEST_F(FormMainTest, AMissingSkinLeavesTheDefaultLook) {
    Form();
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(FormMainTest, HelpAlwaysAnswers) {
    TFormMain& form = Form();
    const std::string help = dir_.File("help.html");
    form.BtnHelpClick();
    EXPECT_EQ(dialogs_->errors, std::vector<std::string>{"Cannot open file " + help + ": No such file or directory"});

    const std::string page = "<html><body><h1>How to</h1></body></html>";
    WriteBytes(help, std::vector<uint8_t>(page.begin(), page.end()));
    form.BtnHelpClick();
    EXPECT_EQ(dialogs_->desktopDocuments, std::vector<std::string>{help});
    EXPECT_EQ(form.findChild<THelpWindow*>(), nullptr);

    // A desktop that cannot show it: the window of our own.
    dialogs_->desktopOpens = false;
    form.BtnHelpClick();
    auto* window = form.findChild<THelpWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->Browser()->document()->toPlainText().trimmed(), "How to");
    EXPECT_EQ(dialogs_->errors.size(), 1u);
}

TEST_F(FormMainTest, RendersReadThePicturesBesideTheProgram) {
    TFormMain& form = Form();
    EXPECT_THROW(form.Pictures().Load({"lightA", 1}), CorvessaError);
    std::filesystem::create_directories(dir_.File("pic/lightA"));
    std::filesystem::copy_file(dir_.File("pic/sample.jpg"), dir_.File("pic/lightA/1.ssl"));
    EXPECT_EQ(form.Pictures().Load({"LIGHTA", 1})->Width(), sample_.Width());
}

TEST(CorvessaApplication, AnExceptionReachingTheEventLoopIsReportedAndTheProgramGoesOn) {
    class Throwing : public QObject {
    protected:
        bool event(QEvent*) override { throw CorvessaError("Cannot open file x"); }
    } throwing;
    auto* app = dynamic_cast<CorvessaApplication*>(qApp);
    ASSERT_NE(app, nullptr);
    std::vector<std::string> shown;
    app->SetErrorReporter([&](const std::string& text) { shown.push_back(text); });
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&throwing, &event));
    app->SetErrorReporter(nullptr);
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot open file x"});
}

TEST(Dialogs, FiltersListTheOpenAndSaveFormats) {
    // The default entry lists every picture Open reads; the old pair follows.
    const QStringList open = OpenDialogFilter().split(QStringLiteral(";;"));
    ASSERT_EQ(open.size(), 2);
    ASSERT_TRUE(open[0].startsWith(QStringLiteral("All pictures (")) && open[0].endsWith(QLatin1Char(')')));
    EXPECT_EQ(open[1], QStringLiteral("*.bmp *.jpg (*.bmp *.jpg)"));
    const QStringList all = open[0].mid(14).chopped(1).split(QLatin1Char(' '));
    for (const char* pattern : {"*.bmp", "*.jpg", "*.jpeg", "*.png", "*.gif", "*.heic", "*.heif", "*.avif", "*.webp", "*.tif", "*.tiff"})
        EXPECT_TRUE(all.contains(QLatin1String(pattern))) << pattern << " in " << open[0].toStdString();
    for (const PhotoFormat& format : PhotoFormats())
        for (std::string_view extension : format.extensions)
            EXPECT_EQ(all.contains(QStringLiteral("*.") + QString::fromStdString(std::string(extension))), Reads(format))
                << extension;
    QStringList unique = all;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    // The first two and their order stay; the further formats follow.
    EXPECT_EQ(SaveDialogFilter(), QStringLiteral("*.jpg (*.jpg);;*.bmp (*.bmp);;*.png (*.png);;*.heic (*.heic);;"
                                                 "*.avif (*.avif);;*.webp (*.webp);;*.jxl (*.jxl)"));
}

TEST(CommandLine, OnePhotoAtMostMadeAbsoluteAndTheUsualOptions) {
    struct Case {
        QStringList arguments;
        QString photo;
        std::optional<int> exitCode;
        QString messageStart;
    };
    const QString here = QDir::currentPath();
    for (const Case& c : {
             Case{{"corvessa"}, "", std::nullopt, ""},
             Case{{"corvessa", "photo.jpg"}, here + "/photo.jpg", std::nullopt, ""},
             Case{{"corvessa", "/a/b/../c.bmp"}, "/a/c.bmp", std::nullopt, ""},
             Case{{"corvessa", "--", "-odd name.jpg"}, here + "/-odd name.jpg", std::nullopt, ""},
             Case{{"corvessa", "a.jpg", "b.jpg"}, "", 2, "corvessa: one photo at a time, not 2"},
             Case{{"corvessa", "--frobnicate"}, "", 2, "corvessa: Unknown option 'frobnicate'."},
             Case{{"corvessa", "--version"}, "", 0, "corvessa " CORVESSA_VERSION "\n"},
             Case{{"corvessa", "--frobnicate", "-h"}, "", 0, "Usage: "},
             Case{{"corvessa", "-v"}, "", 0, "corvessa " CORVESSA_VERSION "\n"},
             // Qt's options are read as words; the application takes them out
             // before the line is read again.
             Case{{"corvessa", "-reverse"}, "", 2, "corvessa: Unknown option 'reverse'."},
         }) {
        const CommandLine line = ReadCommandLine(c.arguments);
        EXPECT_EQ(line.photo, c.photo) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        if (c.messageStart.isEmpty())
            EXPECT_TRUE(line.message.isEmpty()) << line.message.toStdString();
        else
            EXPECT_TRUE(line.message.startsWith(c.messageStart)) << line.message.toStdString();
    }
}

// The real file dialogs, answered by typing into them once they are up.
class QtDialogsTest : public testing::Test {
protected:
    QFileDialog* Dialog(const char* name) { return window_.findChild<QFileDialog*>(QString::fromLatin1(name)); }
    // Runs `act` on `name` once it is shown, from inside its event loop.
    void WhenShown(const char* name, std::function<void(QFileDialog*)> act) {
        QTimer::singleShot(0, &window_, [this, name, act] {
            QFileDialog* dialog = Dialog(name);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            act(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }

    TempDir dir_;
    QWidget window_;
    QtShellDialogs dialogs_{&window_};
};

TEST_F(QtDialogsTest, SaveProposesThePhotosNameInItsFolderWithTheFiltersExtension) {
    QString folder, name;
    WhenShown("SaveDialog1", [&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
    });
    dialogs_.ChooseSaveFile(dir_.File("beach.trip.bmp"));
    EXPECT_EQ(folder.toStdString(), dir_.Path());
    EXPECT_EQ(name, "beach.trip.jpg");

    WhenShown("OpenDialog1", [&](QFileDialog* dialog) { folder = dialog->directory().absolutePath(); });
    dialogs_.ChooseOpenFile(dir_.Path());
    EXPECT_EQ(folder.toStdString(), dir_.Path());
    // A folder that is gone: the user's pictures folder, or home.
    WhenShown("OpenDialog1", [&](QFileDialog* dialog) { folder = dialog->directory().absolutePath(); });
    dialogs_.ChooseOpenFile(dir_.File("gone"));
    EXPECT_NE(folder.toStdString(), dir_.File("gone"));
}

TEST_F(QtDialogsTest, SaveOffersAQualityForLossyFormatsAndKeepsItAndTheFiltersForTheNextRun) {
    Remembered kept(QString::fromStdString(dir_.File("corvessa.conf")));
    const QString webp = QStringLiteral("*.webp (*.webp)"), bmp = QStringLiteral("*.bmp (*.bmp)");
    std::optional<SaveChoice> choice;
    {
        QtShellDialogs dialogs(&window_, &kept);
        QTimer::singleShot(0, &window_, [&] {
            auto* dialog = window_.findChildren<QFileDialog*>(QStringLiteral("SaveDialog1")).last();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
            auto* quality = dialog->findChild<QSpinBox*>(QStringLiteral("SaveQuality"));
            ASSERT_NE(quality, nullptr);
            EXPECT_EQ(quality->value(), kDefaultQuality);  // the JPEG's own 90
            for (const QString& filter : {bmp, webp}) {
                dialog->selectNameFilter(filter);
                emit dialog->filterSelected(filter);
                EXPECT_EQ(quality->isEnabled(), filter == webp);
            }
            quality->setValue(40);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        choice = dialogs.ChooseSaveFile(dir_.File("beach.jpg"));
    }
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->quality, 40);
    EXPECT_EQ(SaveFormatAt(choice->filterIndex).id, PhotoFormatId::kWebp);

    QtShellDialogs again(&window_, &kept);
    QTimer::singleShot(0, &window_, [&] {
        auto* dialog = window_.findChildren<QFileDialog*>(QStringLiteral("SaveDialog1")).last();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(dialog->selectedNameFilter(), webp);
        EXPECT_EQ(dialog->findChild<QSpinBox*>(QStringLiteral("SaveQuality"))->value(), 40);
        dialog->reject();
    });
    EXPECT_FALSE(again.ChooseSaveFile(dir_.File("beach.jpg")));
}

TEST_F(QtDialogsTest, EnterInTheNameCompletionsLeavesNoPopupToSwallowTheNextClick) {
    WriteBytes(dir_.File("photo.jpg"), {1});
    bool popupShown = false;
    WhenShown("OpenDialog1", [&](QFileDialog* dialog) {
        QLineEdit* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(name, QString::fromStdString(dir_.File("pho")));
        QCompleter* completer = name->completer();
        ASSERT_NE(completer, nullptr);
        // The folder is read in the background; the list opens once it is.
        popupShown = QTest::qWaitFor([&] { return completer->popup()->isVisible(); }, 5000);
        QTest::keyClicks(completer->popup(), QStringLiteral("to.jpg"));
        QTest::keyClick(completer->popup(), Qt::Key_Return);
    });
    const std::optional<std::string> chosen = dialogs_.ChooseOpenFile(dir_.Path());
    ASSERT_TRUE(popupShown);
    EXPECT_EQ(chosen, dir_.File("photo.jpg"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace
