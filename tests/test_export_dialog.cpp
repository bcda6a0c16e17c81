// The Export dialog on the main window, offscreen: the copies it writes
// (format, size, camera data, name), its estimate, and the working photo
// left as it was.

#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <fstream>
#include <functional>

#include "camera_jpeg.h"
#include "fake_dialogs.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "jpeg_fixtures.h"
#include "shell/form_export.h"
#include "shell/form_main.h"
#include "shell/skin.h"
#include "test_support.h"
#include "window_jobs.h"

using namespace corvessa;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class ExportDialogTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_.File("pic"));
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(GradientBitmap(48, 36), JpegKind::kColour));
        fs::create_directories(dir_.File("photos"));
        WriteBytes(dir_.File("photos/heron.jpg"), RichCameraJpeg(GradientBitmap(640, 480), 1));
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
        form_->OpenPhoto(dir_.File("photos/heron.jpg"));
        Settle(*form_);
    }
    void TearDown() override {
        form_.reset();
        SkinRemove();
    }

    template <class W>
    W* Control(const char* name) const {
        W* control = form_->FormExport()->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static void WaitFor(const std::function<bool()>& done) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(done()) << "the export dialog's job did not end";
    }

    TempDir dir_;
    std::unique_ptr<TFormMain> form_;
    FakeDialogs* dialogs_ = nullptr;
};

TEST_F(ExportDialogTest, WritesCopiesAsChosenAndLeavesTheWorkingPhotoAlone) {
    const std::string path = form_->PhotoPath();
    const TBitmap before = Copy(form_->WorkPhoto());
    const auto original = FileBytes(path);
    form_->BtnExportClick();
    ASSERT_NE(form_->FormExport(), nullptr);
    EXPECT_TRUE(form_->FormExport()->isVisible());
    EXPECT_EQ(Control<QLineEdit>("ExportFolder")->text().toStdString(), dir_.File("photos"));

    struct Case {
        const char* format;
        int sizeKind, sizeValue;  // full size, long edge, percent
        bool stripLocation, stripAll, srgb;
        const char* pattern;
        const char* file;
        int width, height;
        bool camera;
    };
    const Case cases[] = {
        {"PNG", 1, 320, true, false, false, "{name}-web", "heron-web.png", 320, 240, true},
        {"JPEG", 2, 25, false, true, true, "{folder}-{name}", "photos-heron.jpg", 160, 120, false},
        {"JPEG", 1, 2048, false, false, false, "{name}-full.jpg", "heron-full.jpg", 640, 480, true},
        {"WebP", 0, 0, true, false, true, "{name}", "heron.webp", 640, 480, true},
    };
    for (const Case& c : cases) {
        Control<QComboBox>("ExportFormat")->setCurrentText(QString::fromLatin1(c.format));
        Control<QComboBox>("ExportSizeKind")->setCurrentIndex(c.sizeKind);
        if (c.sizeKind) Control<QSpinBox>("ExportSizeValue")->setValue(c.sizeValue);
        Control<QCheckBox>("ExportStripMetadata")->setChecked(c.stripAll);
        Control<QCheckBox>("ExportStripLocation")->setChecked(c.stripLocation);
        Control<QCheckBox>("ExportSrgb")->setChecked(c.srgb);
        Control<QLineEdit>("ExportName")->setText(QString::fromLatin1(c.pattern));
        WaitFor([&] { return !form_->FormExport()->Estimating(); });
        const QString estimate = Control<QLabel>("ExportEstimate")->text();
        EXPECT_TRUE(estimate.startsWith(QStringLiteral("about "))) << c.file << ": " << estimate.toStdString();
        EXPECT_TRUE(estimate.endsWith(QStringLiteral("%1 x %2").arg(c.width).arg(c.height))) << estimate.toStdString();

        Control<QPushButton>("BtnExportWrite")->click();
        WaitFor([&] { return !form_->FormExport()->Exporting(); });
        const std::string out = dir_.File(std::string("photos/") + c.file);
        ASSERT_TRUE(fs::exists(out)) << c.file;
        const TBitmap written = ReadPhotoFile(out);
        EXPECT_EQ(written.Width(), c.width) << c.file;
        EXPECT_EQ(written.Height(), c.height) << c.file;
        auto image = Exiv2::ImageFactory::open(out);
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) != exif.end(),
                  !c.stripLocation && !c.stripAll)
            << c.file;
        EXPECT_EQ(exif.findKey(Exiv2::ExifKey("Exif.Image.Model")) != exif.end(), c.camera) << c.file;
        // The Adobe RGB photo's profile goes only with its conversion to sRGB.
        EXPECT_EQ(image->iccProfileDefined(), !c.srgb) << c.file;
        EXPECT_TRUE(Control<QLabel>("ExportStatus")->text().startsWith(QStringLiteral("Exported ") + c.file))
            << Control<QLabel>("ExportStatus")->text().toStdString();
    }
    EXPECT_TRUE(dialogs_->errors.empty()) << dialogs_->errors.front();
    // A copy only: the photo, its file, its saved state and Save's name stay.
    EXPECT_EQ(form_->PhotoPath(), path);
    EXPECT_FALSE(form_->HasUnsavedApply());
    EXPECT_TRUE(SamePixels(form_->WorkPhoto(), before));
    EXPECT_EQ(FileBytes(path), original);
}

TEST_F(ExportDialogTest, AsksBeforeReplacingAndRefusesNamesOfLooks) {
    form_->BtnExportClick();
    Control<QComboBox>("ExportFormat")->setCurrentText(QStringLiteral("PNG"));
    Control<QLineEdit>("ExportName")->setText(QStringLiteral("{name}-web"));
    const std::string out = dir_.File("photos/heron-web.png");
    WriteBytes(out, {1, 2, 3});
    dialogs_->replaceAnswers.push_back(false);
    form_->FormExport()->ExportClick();
    WaitFor([&] { return !form_->FormExport()->Exporting(); });
    EXPECT_EQ(dialogs_->replaceQuestions, std::vector<std::string>{out});
    EXPECT_EQ(FileBytes(out), (std::vector<uint8_t>{1, 2, 3}));

    for (const char* wrong : {"{look}", "{category}-{name}", "{nothing}", ""}) {
        Control<QLineEdit>("ExportName")->setText(QString::fromLatin1(wrong));
        EXPECT_FALSE(form_->FormExport()->Request()) << wrong;
        EXPECT_FALSE(Control<QLabel>("ExportStatus")->text().isEmpty()) << wrong;
    }
    EXPECT_EQ(dialogs_->replaceQuestions.size(), 1u);
    EXPECT_TRUE(dialogs_->errors.empty());
}

TEST_F(ExportDialogTest, TheFolderFollowsThePhotoUntilTheUserChoosesOne) {
    form_->BtnExportClick();
    QLineEdit* folder = Control<QLineEdit>("ExportFolder");
    EXPECT_EQ(folder->text().toStdString(), dir_.File("photos"));
    fs::create_directories(dir_.File("more"));
    WriteBytes(dir_.File("more/egret.jpg"), CameraJpeg(GradientBitmap(64, 48), 1));
    form_->OpenPhoto(dir_.File("more/egret.jpg"));
    Settle(*form_);
    form_->BtnExportClick();
    EXPECT_EQ(folder->text().toStdString(), dir_.File("more"));
    folder->setText(QString::fromStdString(dir_.Path()));
    form_->OpenPhoto(dir_.File("photos/heron.jpg"));
    Settle(*form_);
    form_->BtnExportClick();
    EXPECT_EQ(folder->text().toStdString(), dir_.Path());
}

}  // namespace
