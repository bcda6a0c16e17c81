// The batch dialog in the window: the Batch button and Ctrl+B offer the
// look last shown in the preview; a category's strip of the first photo
// picks another; the window's batch writes what corvessa-render writes;
// Cancel leaves whole files only while the main window goes on working.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QSignalSpy>
#include <QTest>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <thread>
#include <utility>

#include "camera_jpeg.h"
#include "catalogue/render_job.h"
#include "fake_dialogs.h"
#include "io/bmp_codec.h"
#include "io/jpeg_codec.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "jpeg_fixtures.h"
#include "picture_folder.h"
#include "shell/batch_edit_box.h"
#include "shell/batch_settings_page.h"
#include "shell/form_batch.h"
#include "shell/form_main.h"
#include "shell/form_preview.h"
#include "shell/remembered.h"
#include "shell/skin.h"
#include "test_support.h"
#include "window_jobs.h"
#include "widgets/image_view.h"

using namespace corvessa;
using namespace corvessa::test;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Listing(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Cancels every file dialog; the output folder and colour dialogs answer
// what they are given, once.
class NoQuestions : public BatchQuestions {
public:
    std::vector<std::string> ChoosePhotos() override { return {}; }
    std::optional<std::string> ChoosePhotoFolder() override { return std::nullopt; }
    std::optional<std::string> ChooseOutputFolder(const std::string&) override { return std::exchange(outputFolder, {}); }
    std::optional<Rgb> ChooseColour(Rgb) override { return std::exchange(colour, {}); }
    std::optional<std::string> ChooseCubeFile(const std::string&) override { return std::exchange(cubeFile, {}); }
    std::optional<std::string> outputFolder;
    std::optional<std::string> cubeFile;
    std::optional<Rgb> colour;
};

// Pictures that worker threads wait for while the gate is shut, so a test
// can hold photos in flight.
class GatedPictures : public PictureSource {
public:
    explicit GatedPictures(std::string folder) : pictures_(std::move(folder)) {}
    SharedPicture Load(PictureName name) const override {
        std::unique_lock lock(mutex_);
        if (shut_) {
            ++waiting_;
            changed_.notify_all();
            changed_.wait(lock, [&] { return !shut_; });
        }
        lock.unlock();
        return pictures_.Load(name);
    }
    SharedGrade LoadGrade(PictureName name) const override { return pictures_.LoadGrade(name); }
    void Shut() {
        std::lock_guard lock(mutex_);
        shut_ = true;
    }
    void Open() {
        std::lock_guard lock(mutex_);
        shut_ = false;
        changed_.notify_all();
    }
    int Waiting() const {
        std::lock_guard lock(mutex_);
        return waiting_;
    }

private:
    FolderPictures pictures_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool shut_ = false;
    mutable int waiting_ = 0;
};

class BatchDialogTest : public testing::Test {
protected:
    void SetUp() override {
        MakePictureFolder(dir_.Path() + "/", 12);
        WriteBytes(dir_.File("pic/sample.jpg"), MakeJpeg(RandomBitmap(48, 36, 7), JpegKind::kColour));
    }
    void TearDown() override {
        batch_.reset();
        form_.reset();
        SkinRemove();
    }

    TFormMain& Form() {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs_ = dialogs.get();
        form_ = std::make_unique<TFormMain>(dir_.Path() + "/", std::move(dialogs), QSize(1024, 768));
        return *form_;
    }
    // The settings store of the test's dialogs, read afresh from its file.
    std::shared_ptr<Remembered> Store() const {
        return std::make_shared<Remembered>(QString::fromStdString(dir_.File("settings/corvessa.conf")));
    }
    TFormBatch& Dialog(std::shared_ptr<const PictureSource> pictures = nullptr, QWidget* owner = nullptr) {
        if (!pictures) pictures = SharedFolderPictures(dir_.File("pic"));
        batch_.reset();  // writes its choices before the next one reads them
        auto questions = std::make_unique<NoQuestions>();
        questions_ = questions.get();
        batch_ = std::make_unique<TFormBatch>(owner, std::move(pictures), std::move(questions), &batchDialogs_, Store());
        return *batch_;
    }
    template <class T>
    T* Child(QWidget* parent, const char* name) const {
        T* child = parent->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Press(const char* name) {
        form_->findChild<QWidget*>(QStringLiteral("FlatPanel4"))->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        Settle(*form_);
    }
    void Finish(TFormBatch& batch) {
        QSignalSpy finished(&batch, &TFormBatch::BatchFinished);
        Child<QPushButton>(&batch, "BtnStart")->click();
        ASSERT_TRUE(finished.wait(60000));
    }

    TempDir dir_;
    std::unique_ptr<TFormMain> form_;
    FakeDialogs batchDialogs_;  // the batch dialog's own
    std::unique_ptr<TFormBatch> batch_;
    NoQuestions* questions_ = nullptr;
    FakeDialogs* dialogs_ = nullptr;
};

TEST_F(BatchDialogTest, BatchButtonAndCtrlBOfferTheLookLastShownInThePreview) {
    TFormMain& form = Form();
    auto* button = Child<QPushButton>(&form, "BtnBatch");

    // Edge A 4, re-rendered with a colour, at 60 %.
    Press("BtnEadge");
    QTest::mouseClick(form.ImgView(4), Qt::LeftButton);
    Settle(form);
    dialogs_->colourAnswers.push_back(Rgb{10, 120, 200});
    form.FormPreview()->BtnColorClick();
    Settle(form);
    form.FormPreview()->SetStrength(60);
    button->click();
    ASSERT_NE(form.FormBatch(), nullptr);
    EXPECT_TRUE(form.FormBatch()->isVisible());
    batch::BatchSettings settings = form.FormBatch()->Settings();
    EXPECT_EQ(settings.look.look.category, 10);
    EXPECT_EQ(settings.look.look.effect, 4);
    EXPECT_EQ(settings.look.colour.kind, ColourDecision::Kind::kChosen);
    EXPECT_EQ(settings.look.colour.colour, (Rgb{10, 120, 200}));
    EXPECT_EQ(settings.look.strength, 60);
    EXPECT_EQ(settings.names.Text(), "{name}-{category}-{effect}");
    EXPECT_EQ(settings.format, PhotoFormatId::kJpeg);

    // Another look, without a colour; the dialog comes back with Ctrl+B.
    form.FormBatch()->hide();
    Press("BtnLightA");
    QTest::mouseClick(form.ImgView(3), Qt::LeftButton);
    Settle(form);
    const QList<QShortcut*> shortcuts = form.findChildren<QShortcut*>();
    const auto ctrlB = std::find_if(shortcuts.begin(), shortcuts.end(),
                                    [](QShortcut* s) { return s->key() == QKeySequence(Qt::CTRL | Qt::Key_B); });
    ASSERT_NE(ctrlB, shortcuts.end());
    emit (*ctrlB)->activated();
    EXPECT_TRUE(form.FormBatch()->isVisible());
    settings = form.FormBatch()->Settings();
    EXPECT_EQ(settings.look.look.category, 1);
    EXPECT_EQ(settings.look.look.effect, 3);
    EXPECT_EQ(settings.look.colour.kind, ColourDecision::Kind::kNotAsked);
    EXPECT_EQ(settings.look.strength, 100);
}

TEST_F(BatchDialogTest, EveryCategorySaysWhatItDoesOnItsButtonAndInTheBatchList) {
    TFormMain& form = Form();
    auto* categories = Child<QComboBox>(&Dialog(), "ComboCategory");
    ASSERT_EQ(categories->count(), int(kCategoryColumn.size()));
    for (int row = 0; row < categories->count(); ++row) {
        const Category& category = *FindCategory(kCategoryColumn[size_t(row)]);
        const QString help = QString::fromUtf8(category.help.data(), qsizetype(category.help.size()));
        auto* button = Child<QPushButton>(form.findChild<QWidget*>(QStringLiteral("FlatPanel4")),
                                          std::string(category.buttonName).c_str());
        EXPECT_EQ(button->toolTip(), help);
        EXPECT_EQ(button->statusTip(), help);
        EXPECT_EQ(categories->itemData(row).toInt(), category.number);
        EXPECT_EQ(categories->itemData(row, Qt::ToolTipRole).toString(), help);
    }
}

TEST_F(BatchDialogTest, AddFolderTakesEveryFormatOpenReads) {
    fs::create_directories(dir_.File("mixed"));
    const std::vector<uint8_t> bmp = EncodeBmp(RandomBitmap(8, 6, 3));
    for (const char* name : {"a.heic", "b.PNG", "c.webp", "d.tif", "e.avif", "f.jpeg", "notes.txt", "g.jpg.txt", "h"})
        WriteBytes(dir_.File("mixed/") + name, bmp);
    TFormBatch& batch = Dialog();
    batch.AddFolder(dir_.File("mixed"));
    std::vector<std::string> expected;
    for (const char* name : {"a.heic", "b.PNG", "c.webp", "d.tif", "e.avif", "f.jpeg"}) expected.push_back(dir_.File("mixed/") + name);
    EXPECT_EQ(batch.Photos(), expected);
}

TEST_F(BatchDialogTest, TheStripOfTheFirstPhotoPicksALook) {
    // A phone photo, stored on its side: the strip shows it upright.
    fs::create_directories(dir_.File("shoot"));
    WriteBytes(dir_.File("shoot/phone.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    WriteBmpFile(RandomBitmap(30, 20, 1), dir_.File("shoot/second.bmp"));
    TFormBatch& batch = Dialog();
    QSignalSpy shown(&batch, &TFormBatch::LooksShown);
    batch.AddFolder(dir_.File("shoot"));
    batch.AddPhotos({dir_.File("shoot/phone.jpg")});  // once is enough
    ASSERT_EQ(batch.Photos(), (std::vector<std::string>{dir_.File("shoot/phone.jpg"), dir_.File("shoot/second.bmp")}));
    EXPECT_EQ(Child<QLineEdit>(&batch, "EditFolder")->text().toStdString(), dir_.File("shoot/Corvessa"));

    // Art, picked from the category list: its ten thumbnails of the phone photo.
    auto* category = Child<QComboBox>(&batch, "ComboCategory");
    category->setCurrentIndex(category->findData(15));
    ASSERT_TRUE(shown.wait(10000));
    struct Keep : StripView {
        std::vector<TBitmap> thumbs;
        void ThumbnailDone(int, const TBitmap& p, bool) override { thumbs.emplace_back().CopyFrom(p); }
        void SetChangeColorButton(bool) override {}
    } expected;
    const FolderPictures pictures(dir_.File("pic"));
    PhotoMetadata metadata;
    StripJob(std::make_shared<const TBitmap>(ReadPhotoUpright(dir_.File("shoot/phone.jpg"), metadata)), 15, pictures)
        .Run(expected);
    auto* looks = Child<QListWidget>(&batch, "ListLooks");
    ASSERT_EQ(looks->count(), 10);
    for (int n = 1; n <= 10; ++n) {
        QListWidgetItem* item = looks->item(n - 1);
        EXPECT_EQ(item->text().toStdString(), std::to_string(n) + " " + std::string(FindCategory(15)->lookNames[size_t(n - 1)]));
        const QImage icon = item->icon().pixmap(105, 105).toImage().convertToFormat(QImage::Format_BGR888);
        TBitmap shownPicture(icon.width(), icon.height());
        for (int y = 0; y < icon.height(); ++y) std::memcpy(shownPicture.Row(y), icon.constScanLine(y), shownPicture.RowBytes());
        EXPECT_TRUE(SamePixels(shownPicture, expected.thumbs[size_t(n - 1)])) << n;
    }

    // A look offered by the preview is chosen; a thumbnail pressed then
    // picks its own.
    batch.OfferPreviewLook({Look{4, 2}, ColourDecision::NotAsked(), kWhite, 100, {}});
    EXPECT_TRUE(Child<QRadioButton>(&batch, "RadioPreviewLook")->isChecked());
    EXPECT_EQ(category->currentData().toInt(), 4);
    EXPECT_EQ(looks->currentRow(), 1);
    EXPECT_EQ(batch.Settings().look.look.category, 4);
    ASSERT_TRUE(shown.wait(10000));
    QTest::mouseClick(looks->viewport(), Qt::LeftButton, {}, looks->visualItemRect(looks->item(6)).center());
    EXPECT_TRUE(Child<QRadioButton>(&batch, "RadioChooseLook")->isChecked());
    EXPECT_EQ(batch.Settings().look.look.category, 4);
    EXPECT_EQ(batch.Settings().look.look.effect, 7);
    EXPECT_EQ(Child<QLabel>(&batch, "LabelExample")->text(), "The first photo's: phone-Star-7.jpg");
    // A pattern that makes no sense says why, and the batch cannot start.
    Child<QLineEdit>(&batch, "EditName")->setText("{name}/{look}");
    EXPECT_EQ(Child<QLabel>(&batch, "LabelExample")->text(), "The name pattern \"{name}/{look}\" may not hold a /");
    EXPECT_FALSE(Child<QPushButton>(&batch, "BtnStart")->isEnabled());
}

TEST_F(BatchDialogTest, TheWindowsBatchWritesWhatCorvessaRenderWrites) {
    fs::create_directories(dir_.File("a"));
    fs::create_directories(dir_.File("b"));
    WriteBytes(dir_.File("a/x.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    WriteBmpFile(RandomBitmap(50, 40, 2), dir_.File("b/x.bmp"));  // the same name from another folder
    WriteBmpFile(RandomBitmap(40, 50, 3), dir_.File("a/y.bmp"));
    const std::vector<std::string> photos = {dir_.File("a/x.jpg"), dir_.File("b/x.bmp"), dir_.File("a/y.bmp"),
                                             dir_.File("a/missing.jpg")};
    TFormBatch& batch = Dialog();
    batch.AddPhotos(photos);
    batch.OfferPreviewLook({Look{10, 4}, ColourDecision::Chosen(Rgb{10, 120, 200}), kWhite, 70, {}});
    auto* format = Child<QComboBox>(&batch, "ComboFormat");
    for (const char* extension : {"png", "jpg"}) {
        SCOPED_TRACE(extension);
        format->setCurrentIndex(format->findText(extension == std::string("png") ? "PNG" : "JPEG"));
        Child<QLineEdit>(&batch, "EditFolder")->setText(QString::fromStdString(dir_.File(std::string("window-") + extension)));
        Finish(batch);
        // The summary names the photo that failed, and why.
        EXPECT_NE(Child<QLabel>(&batch, "LabelSummary")->text().indexOf("3 of 4 photos rendered"), -1);
        auto* failures = Child<QListWidget>(&batch, "ListFailures");
        ASSERT_EQ(failures->count(), 1);
        EXPECT_EQ(failures->item(0)->text().toStdString(),
                  "missing.jpg: Cannot open file " + dir_.File("a/missing.jpg") + ": No such file or directory");

        std::vector<std::string> args = {"--pic", dir_.File("pic"), "--look", "Edge A:4", "--color", "10,120,200",
                                         "--strength", "70", "--format", extension, "--name", "{name}-{category}-{effect}",
                                         "-o", dir_.File(std::string("cli-") + extension)};
        args.insert(args.end(), photos.begin(), photos.end());
        std::string command = CORVESSA_RENDER_PATH;
        for (const std::string& arg : args) command += " '" + arg + "'";
        EXPECT_EQ(WEXITSTATUS(std::system((command + " 2>/dev/null").c_str())), 1);
        const std::vector<std::string> names = Listing(dir_.File(std::string("window-") + extension));
        EXPECT_EQ(names, Listing(dir_.File(std::string("cli-") + extension)));
        EXPECT_EQ(names.size(), 3u);
        for (const std::string& name : names)
            EXPECT_EQ(Slurp(dir_.File(std::string("window-") + extension + "/" + name)),
                      Slurp(dir_.File(std::string("cli-") + extension + "/" + name))) << name;
        Child<QPushButton>(&batch, "BtnNewBatch")->click();
    }
    // The JPEG kept the camera's data and stands upright.
    PhotoMetadata metadata;
    EXPECT_EQ(ReadPhotoUpright(dir_.File("window-jpg/x-EdgeA-4.jpg"), metadata).Width(), 48);
    EXPECT_FALSE(metadata.Empty());
}

// The edits before the look, the same for every photo (Auto read from
// each), write what corvessa-render writes with the same options.
TEST_F(BatchDialogTest, TheBatchsEditsWriteWhatCorvessaRenderWritesWithTheSameOptions) {
    fs::create_directories(dir_.File("a"));
    WriteBytes(dir_.File("a/x.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    WriteBmpFile(RandomBitmap(50, 40, 2), dir_.File("a/y.bmp"));
    const std::vector<std::string> photos = {dir_.File("a/x.jpg"), dir_.File("a/y.bmp")};
    TFormBatch& batch = Dialog();
    batch.AddPhotos(photos);
    batch.OfferPreviewLook({Look{1, 3}, ColourDecision::NotAsked(), kWhite, 100, {}});
    Child<QComboBox>(&batch, "ComboFormat")->setCurrentIndex(Child<QComboBox>(&batch, "ComboFormat")->findText("PNG"));
    Child<QLineEdit>(&batch, "EditFolder")->setText(QString::fromStdString(dir_.File("window")));
    Child<QComboBox>(&batch, "ComboBatchCrop")->setCurrentText("4:5");
    Child<QComboBox>(&batch, "ComboBatchTurn")->setCurrentIndex(1);
    Child<QSlider>(&batch, "SliderBatchShadows")->setValue(40);
    Child<QSlider>(&batch, "SliderBatchWarmth")->setValue(20);
    Child<QCheckBox>(&batch, "CheckBatchAuto")->setChecked(true);
    Finish(batch);

    std::string command = std::string(CORVESSA_RENDER_PATH) + " --pic '" + dir_.File("pic") +
                          "' --look 'Light A:3' --crop-ratio 4:5 --rotate 90 --adjust shadows=40,warmth=20 --auto"
                          " --format png --name '{name}-{category}-{effect}' -o '" + dir_.File("cli") + "'";
    for (const std::string& photo : photos) command += " '" + photo + "'";
    ASSERT_EQ(WEXITSTATUS(std::system((command + " 2>/dev/null").c_str())), 0);
    const std::vector<std::string> names = Listing(dir_.File("window"));
    ASSERT_EQ(names, Listing(dir_.File("cli")));
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names)
        EXPECT_EQ(Slurp(dir_.File("window/" + name)), Slurp(dir_.File("cli/" + name))) << name;
    // Upright, turned, then cropped 4:5: the 48 x 64 phone photo turned to 64 x 48, 38 x 48 of it kept.
    const TBitmap phone = ReadPicture(dir_.File("window/x-LightA-3.png"));
    EXPECT_EQ(phone.Width(), 38);
    EXPECT_EQ(phone.Height(), 48);
}

// The adjustments kept between runs as --adjust spells them.
TEST(BatchAdjustText, ReadsWhatItWritesAndRefusesWhatAdjustWouldRefuse) {
    EditSettings edits = EditSettings::Neutral();
    edits.SetValue(AdjustmentId::kExposure, -50);
    edits.SetValue(AdjustmentId::kSharpen, 100);
    EXPECT_EQ(AdjustText(edits).toStdString(), "exposure=-0.5,sharpen=100");
    EXPECT_EQ(ReadAdjustText(AdjustText(edits)), edits.adjustments);
    EXPECT_EQ(ReadAdjustText(""), EditSettings::Neutral().adjustments);
    EXPECT_EQ(ReadAdjustText(" warmth = 20 ,exposure=3")->at(size_t(AdjustmentId::kExposure)), 300);
    for (const char* bad : {"shadows=101", "exposure=3.1", "shadows=4,shadows=5", "glow=3", "shadows", "shadows=x", ","})
        EXPECT_FALSE(ReadAdjustText(QString::fromLatin1(bad))) << bad;
}

// The copies to share: the window's batch writes what corvessa-render
// --resize --srgb --strip-location writes.
TEST_F(BatchDialogTest, CopiesToShareAreWhatCorvessaRenderWrites) {
    WriteBytes(dir_.File("heron.jpg"), RichCameraJpeg(GradientBitmap(96, 64), 1));
    WriteBytes(dir_.File("small.jpg"), CameraJpeg(GradientBitmap(20, 16), 1));
    const std::vector<std::string> photos = {dir_.File("heron.jpg"), dir_.File("small.jpg")};
    TFormBatch& batch = Dialog();
    batch.AddPhotos(photos);
    batch.OfferPreviewLook({Look{1, 3}, ColourDecision::NotAsked(), kWhite, 100, {}});
    Child<QSpinBox>(&batch, "SpinLongEdge")->setValue(48);
    Child<QCheckBox>(&batch, "CheckSrgb")->setChecked(true);
    Child<QCheckBox>(&batch, "CheckNoLocation")->setChecked(true);
    Child<QLineEdit>(&batch, "EditFolder")->setText(QString::fromStdString(dir_.File("window")));
    Finish(batch);
    std::string command = std::string(CORVESSA_RENDER_PATH) + " --pic '" + dir_.File("pic") +
                          "' --look 1:3 --resize 48 --srgb --strip-location --format jpg --name '{name}-{category}-{effect}' -o '" +
                          dir_.File("cli") + "'";
    for (const std::string& photo : photos) command += " '" + photo + "'";
    ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
    const std::vector<std::string> names = Listing(dir_.File("window"));
    ASSERT_EQ(names, Listing(dir_.File("cli")));
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names)
        EXPECT_EQ(Slurp(dir_.File("window/" + name)), Slurp(dir_.File("cli/" + name))) << name;
    // 48 on the longer side; the small photo kept its size.
    EXPECT_EQ(ReadPhotoFile(dir_.File("window/heron-LightA-3.jpg")).Width(), 48);
    EXPECT_EQ(ReadPhotoFile(dir_.File("window/small-LightA-3.jpg")).Width(), 20);
}

// A user's table, from the preview or as a .cube file, writes what
// corvessa-render --lut writes; a table that does not read stops the batch
// before anything is written, and the .cube file is remembered.
TEST_F(BatchDialogTest, AUsersTableWritesWhatCorvessaRenderLutWrites) {
    fs::create_directories(dir_.File("a"));
    WriteBytes(dir_.File("a/x.jpg"), CameraJpeg(GradientBitmap(64, 48), 6));
    WriteBmpFile(RandomBitmap(40, 50, 3), dir_.File("a/y.bmp"));
    const std::vector<std::string> photos = {dir_.File("a/x.jpg"), dir_.File("a/y.bmp")};
    const std::string table = CubeText(5, true, InvertedColour, "TITLE \"Teal Night\"\n");
    WriteBytes(dir_.File("teal.cube"), std::vector<uint8_t>(table.begin(), table.end()));
    WriteBytes(dir_.File("broken.cube"), std::vector<uint8_t>{'L', 'U', 'T'});

    std::string command = std::string(CORVESSA_RENDER_PATH) + " --lut '" + dir_.File("teal.cube") +
                          "' --strength 60 --format png -o '" + dir_.File("cli") + "'";
    for (const std::string& photo : photos) command += " '" + photo + "'";
    ASSERT_EQ(WEXITSTATUS(std::system((command + " 2>/dev/null").c_str())), 0);
    const std::vector<std::string> names = Listing(dir_.File("cli"));
    ASSERT_EQ(names, (std::vector<std::string>{"x.png", "y.png"}));

    TFormBatch& batch = Dialog();
    batch.AddPhotos(photos);
    Child<QComboBox>(&batch, "ComboFormat")->setCurrentIndex(Child<QComboBox>(&batch, "ComboFormat")->findText("PNG"));
    Child<QLineEdit>(&batch, "EditName")->setText("{name}");
    batch::BatchLook preview{Look{}, ColourDecision::NotAsked(), kWhite, 60, ReadUserLook(dir_.File("teal.cube"))};
    batch.OfferPreviewLook(preview);
    EXPECT_NE(Child<QRadioButton>(&batch, "RadioPreviewLook")->text().indexOf("My Looks: Teal Night"), -1);
    EXPECT_FALSE(Child<QCheckBox>(&batch, "CheckColour")->isEnabled());

    struct Source {
        const char* name;
        std::function<void()> choose;
    } sources[] = {
        {"the preview's table", [&] { Child<QRadioButton>(&batch, "RadioPreviewLook")->click(); }},
        {"a .cube file",
         [&] {
             questions_->cubeFile = dir_.File("teal.cube");
             batch.BtnCubeFileClick();
         }},
    };
    for (const Source& source : sources) {
        SCOPED_TRACE(source.name);
        source.choose();
        const std::string out = dir_.File(std::string("window-") + (source.name[0] == 't' ? "preview" : "file"));
        Child<QLineEdit>(&batch, "EditFolder")->setText(QString::fromStdString(out));
        EXPECT_EQ(Child<QSlider>(&batch, "SliderStrength")->value(), 60);
        Finish(batch);
        ASSERT_EQ(Listing(out), names);
        for (const std::string& name : names)
            EXPECT_EQ(Slurp(out + "/" + name), Slurp(dir_.File("cli/" + name))) << name;
        Child<QPushButton>(&batch, "BtnNewBatch")->click();
    }

    // A broken file is told of, naming it, and nothing is written.
    Child<QLineEdit>(&batch, "EditCubeFile")->setText(QString::fromStdString(dir_.File("broken.cube")));
    Child<QLineEdit>(&batch, "EditFolder")->setText(QString::fromStdString(dir_.File("none")));
    Child<QPushButton>(&batch, "BtnStart")->click();
    EXPECT_FALSE(batch.Running());
    ASSERT_EQ(batchDialogs_.errors.size(), 1u);
    EXPECT_NE(batchDialogs_.errors[0].find("LUT file is not valid"), std::string::npos) << batchDialogs_.errors[0];
    EXPECT_NE(batchDialogs_.errors[0].find(dir_.File("broken.cube")), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_.File("none")));

    // The .cube file comes back in the next dialog.
    batch.close();
    TFormBatch& next = Dialog();
    EXPECT_TRUE(Child<QRadioButton>(&next, "RadioCubeFile")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(&next, "EditCubeFile")->text().toStdString(), dir_.File("broken.cube"));
}

TEST_F(BatchDialogTest, TheSummaryListsAPhotoThatOpenedOnlyInPartAsRenderedWithAWarning) {
    std::vector<uint8_t> jpeg = EncodeJpeg(RandomBitmap(96, 64, 2));
    WriteBytes(dir_.File("whole.jpg"), jpeg);
    jpeg.resize(jpeg.size() / 2);
    WriteBytes(dir_.File("cut.jpg"), jpeg);
    TFormBatch& batch = Dialog();
    batch.AddPhotos({dir_.File("cut.jpg"), dir_.File("whole.jpg")});
    batch.OfferPreviewLook({Look{1, 3}, ColourDecision::NotAsked(), kWhite, 100, {}});
    Finish(batch);
    EXPECT_NE(Child<QLabel>(&batch, "LabelSummary")->text().indexOf("2 of 2 photos rendered"), -1);
    EXPECT_TRUE(Child<QListWidget>(&batch, "ListFailures")->isHidden());
    auto* heading = Child<QLabel>(&batch, "LabelWarnings");
    EXPECT_FALSE(heading->isHidden());
    EXPECT_EQ(heading->text(), "Rendered with a warning:");
    auto* warnings = Child<QListWidget>(&batch, "ListWarnings");
    ASSERT_EQ(warnings->count(), 1);
    EXPECT_EQ(warnings->item(0)->text().toStdString(),
              "cut.jpg: The file is incomplete: its lower part is missing \u2014 " + dir_.File("cut.jpg"));
    EXPECT_EQ(ReadPicture(dir_.File("Corvessa/cut-LightA-3.jpg")).Height(), 64);
}

TEST_F(BatchDialogTest, CancelLeavesWholeFilesOnlyAndTheWindowGoesOnWorking) {
    TFormMain& form = Form();
    auto gate = std::make_shared<GatedPictures>(dir_.File("pic"));
    TFormBatch& batch = Dialog(gate, &form);
    std::vector<std::string> photos;
    for (uint32_t i = 0; i < 8; ++i) {
        photos.push_back(dir_.File(std::to_string(i)) + ".bmp");
        WriteBmpFile(RandomBitmap(200, 150, i), photos.back());
    }
    QSignalSpy shown(&batch, &TFormBatch::LooksShown);
    batch.AddPhotos(photos);
    ASSERT_TRUE(shown.wait(10000));
    batch.show();
    // Light A 1 reads a picture: each worker waits for it with its photo.
    gate->Shut();
    struct Reopen {
        GatedPictures& gate;
        ~Reopen() { gate.Open(); }
    } reopen{*gate};
    QSignalSpy finished(&batch, &TFormBatch::BatchFinished);
    Child<QPushButton>(&batch, "BtnStart")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate->Waiting() == 2; }, 10000));
    EXPECT_TRUE(batch.Running());
    EXPECT_EQ(Child<QLabel>(&batch, "LabelProgress")->text(), "0 of 8 photos");

    // Meanwhile the main window fills a strip and renders a look.
    Press("BtnLightB");
    EXPECT_TRUE(form.ImgView(10)->isVisibleTo(&form));
    QTest::mouseClick(form.ImgView(2), Qt::LeftButton);
    Settle(form);
    EXPECT_FALSE(form.FormPreview()->ImgPreview()->isHidden());
    EXPECT_TRUE(dialogs_->errors.empty());

    Child<QPushButton>(&batch, "BtnCancel")->click();
    gate->Open();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(batch.Running());
    const QString summary = Child<QLabel>(&batch, "LabelSummary")->text();
    EXPECT_NE(summary.indexOf("Cancelled: 2 of 8 photos rendered"), -1) << summary.toStdString();
    EXPECT_NE(summary.indexOf("6 not rendered"), -1) << summary.toStdString();
    // The two photos in flight, whole, and nothing else.
    const std::vector<std::string> names = Listing(dir_.File("Corvessa"));
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names) EXPECT_EQ(ReadPicture(dir_.File("Corvessa/" + name)).Width(), 200) << name;
}

// The choices a batch dialog shows, in one line.
std::string Choices(TFormBatch& batch) {
    const batch::BatchSettings settings = batch.Settings();
    const Rgb colour = settings.look.colour.colour;
    std::ostringstream line;
    line << settings.outputFolder << " " << batch.findChild<QComboBox*>("ComboFormat")->currentText().toStdString() << " "
         << settings.names.Text()
         << (settings.skipExisting ? " skip " : " all ")
         << (batch.findChild<QRadioButton*>("RadioPreviewLook")->isChecked() ? "preview " : "chosen ")
         << settings.look.look.category << ":" << settings.look.look.effect << " "
         << (settings.look.colour.kind == ColourDecision::Kind::kChosen
                 ? std::to_string(colour.r) + "," + std::to_string(colour.g) + "," + std::to_string(colour.b)
                 : "no colour")
         << " " << settings.look.strength << "%";
    // The edits before the look.
    const EditSettings& edits = settings.edits.settings;
    line << " crop " << (edits.crop ? std::to_string(edits.crop->ratioWidth) + ":" + std::to_string(edits.crop->ratioHeight) : "none")
         << " turns " << edits.quarterTurns << " [" << AdjustText(edits).toStdString() << "]"
         << (settings.edits.autoEach ? " auto" : "") << (settings.keepFaces ? " faces" : "");
    return line.str();
}

TEST_F(BatchDialogTest, TheChoicesOfTheLastRunComeBackInTheNextDialog) {
    fs::create_directories(dir_.File("out"));
    WriteBmpFile(RandomBitmap(30, 20, 1), dir_.File("one.bmp"));
    const batch::BatchLook preview{Look{1, 3}, ColourDecision::NotAsked(), kWhite, 100, {}};
    TFormBatch& first = Dialog();
    first.AddPhotos({dir_.File("one.bmp")});
    first.OfferPreviewLook(preview);
    questions_->outputFolder = dir_.File("out");
    first.BtnOutputFolderClick();
    Child<QComboBox>(&first, "ComboFormat")->setCurrentIndex(Child<QComboBox>(&first, "ComboFormat")->findText("PNG"));
    Child<QLineEdit>(&first, "EditName")->setText("{folder}_{name}");
    Child<QCheckBox>(&first, "CheckSkip")->setChecked(true);
    Child<QRadioButton>(&first, "RadioChooseLook")->click();
    Child<QComboBox>(&first, "ComboCategory")->setCurrentIndex(Child<QComboBox>(&first, "ComboCategory")->findData(10));
    Child<QListWidget>(&first, "ListLooks")->setCurrentRow(3);
    questions_->colour = Rgb{10, 120, 200};
    first.SettingsPage().BtnColourClick();
    Child<QSlider>(&first, "SliderStrength")->setValue(35);
    Child<QComboBox>(&first, "ComboBatchCrop")->setCurrentText("4:5");
    Child<QComboBox>(&first, "ComboBatchTurn")->setCurrentIndex(3);
    Child<QSlider>(&first, "SliderBatchExposure")->setValue(-50);
    Child<QSlider>(&first, "SliderBatchWarmth")->setValue(20);
    Child<QCheckBox>(&first, "CheckBatchAuto")->setChecked(true);
    Child<QCheckBox>(&first, "CheckKeepFaces")->setChecked(true);
    first.show();
    first.setGeometry(40, 50, 1150, 740);
    first.close();
    const std::string kept =
        dir_.File("out") + " PNG {folder}_{name} skip chosen 10:4 10,120,200 35% crop 4:5 turns 3 [exposure=-0.5,warmth=20] auto faces";
    ASSERT_EQ(Choices(first), kept);

    // A new dialog on the same file; the preview's look is offered again,
    // but "this look" was the last choice.
    TFormBatch& next = Dialog();
    next.AddPhotos({dir_.File("one.bmp")});
    next.OfferPreviewLook(preview);
    EXPECT_EQ(Choices(next), kept);
    // Where it was left, as far as the screen it comes back on allows.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(next.geometry().top(), 50);
    EXPECT_TRUE(screen.contains(next.geometry())) << next.width() << " x " << next.height();
}

TEST_F(BatchDialogTest, ChoicesThatMakeNoSenseGiveTheDefaults) {
    fs::create_directories(dir_.File("gone"));
    {
        // As a damaged or hand-edited file would hold them.
        QSettings raw(QString::fromStdString(dir_.File("settings/corvessa.conf")), QSettings::IniFormat);
        for (const auto& [setting, value] : std::vector<std::pair<Setting, std::string>>{
                 {Setting::kBatchFolder, dir_.File("gone")}, {Setting::kBatchFormat, "TIFF"},
                 {Setting::kBatchNames, "{name}/{look}"}, {Setting::kBatchSkipDone, "maybe"},
                 {Setting::kBatchLookSource, "sideways"}, {Setting::kBatchCategory, "99"}, {Setting::kBatchEffect, "11"},
                 {Setting::kBatchChangeColour, "yes"}, {Setting::kBatchColour, "#12345"},
                 {Setting::kBatchStrength, "101"}, {Setting::kBatchPlace, "not a geometry"}, {Setting::kBatchCrop, "5:4"},
                 {Setting::kBatchTurns, "4"}, {Setting::kBatchAdjust, "shadows=400"}, {Setting::kBatchAuto, "perhaps"}})
            raw.setValue(QString::fromLatin1(RowOf(setting).key), QString::fromStdString(value));
    }
    fs::remove(dir_.File("gone"));
    WriteBmpFile(RandomBitmap(30, 20, 1), dir_.File("one.bmp"));
    TFormBatch& batch = Dialog();
    batch.AddPhotos({dir_.File("one.bmp")});
    EXPECT_EQ(Choices(batch),
              dir_.File("Corvessa") + " JPEG {name}-{category}-{effect} all chosen 1:1 no colour 100% crop none turns 0 []");
    EXPECT_FALSE(Child<QCheckBox>(&batch, "CheckColour")->isChecked());
    EXPECT_EQ(Child<QPushButton>(&batch, "BtnColour")->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::white));
    batch.OfferPreviewLook({Look{10, 4}, ColourDecision::NotAsked(), kWhite, 100, {}});
    EXPECT_TRUE(Child<QRadioButton>(&batch, "RadioPreviewLook")->isChecked());
}

TEST_F(BatchDialogTest, StartAsksOnceBeforeReplacingOutputsThatExist) {
    const std::string old = "an older output";
    const struct Row {
        const char* name;
        std::optional<ExistingOutputsChoice> answer;  // nothing: no question
        bool skipChecked, starts, replaced;
    } rows[] = {
        {"Replace", ExistingOutputsChoice::kReplace, false, true, true},
        {"Skip those", ExistingOutputsChoice::kSkip, false, true, false},
        {"Cancel", ExistingOutputsChoice::kCancel, false, false, false},
        {"skip checked", std::nullopt, true, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string out = dir_.File(std::string("out-") + row.name);
        fs::create_directories(out);
        for (const char* name : {"a", "b", "c"}) WriteBmpFile(RandomBitmap(30, 20, 1), dir_.File(name) + ".bmp");
        for (const char* name : {"/a-LightA-3.jpg", "/c-LightA-3.jpg"}) WriteBytes(out + name, {old.begin(), old.end()});
        batchDialogs_.existingOutputsQuestions.clear();
        if (row.answer) batchDialogs_.existingOutputsAnswers.push_back(*row.answer);
        TFormBatch& batch = Dialog();
        batch.AddPhotos({dir_.File("a.bmp"), dir_.File("b.bmp"), dir_.File("c.bmp")});
        batch.OfferPreviewLook({Look{1, 3}, ColourDecision::NotAsked(), kWhite, 100, {}});
        questions_->outputFolder = out;
        batch.BtnOutputFolderClick();
        Child<QCheckBox>(&batch, "CheckSkip")->setChecked(row.skipChecked);
        QSignalSpy finished(&batch, &TFormBatch::BatchFinished);
        Child<QPushButton>(&batch, "BtnStart")->click();
        EXPECT_EQ(batchDialogs_.existingOutputsQuestions,
                  row.answer ? std::vector<std::string>{"2 of the outputs exist already in " + out + "."}
                             : std::vector<std::string>{});
        if (row.starts) {
            ASSERT_TRUE(finished.wait(60000));
        }
        EXPECT_EQ(fs::exists(out + "/b-LightA-3.jpg"), row.starts);
        for (const char* name : {"/a-LightA-3.jpg", "/c-LightA-3.jpg"})
            EXPECT_EQ(Slurp(out + name) != old && ReadPicture(out + name).Width() == 30, row.replaced) << name;
        // "Skip those" is for this run only.
        EXPECT_EQ(batch.Settings().skipExisting, row.skipChecked);
    }
    // A batch that starts keeps its choices.
    EXPECT_EQ(Store()->Folder(Setting::kBatchFolder).toStdString(), dir_.File("out-skip checked"));
}

TEST_F(BatchDialogTest, OpenFolderSaysWhereThePhotosAreWhenNothingCanShowIt) {
    WriteBmpFile(RandomBitmap(30, 20, 1), dir_.File("a.bmp"));
    TFormBatch& batch = Dialog();
    batch.AddPhotos({dir_.File("a.bmp")});
    batch.OfferPreviewLook({Look{1, 3}, ColourDecision::NotAsked(), kWhite, 100, {}});
    Finish(batch);
    auto* message = Child<QLabel>(&batch, "LabelOpenFailed");
    auto* open = Child<QPushButton>(&batch, "BtnOpenFolder");
    open->click();
    EXPECT_TRUE(message->isHidden());
    batchDialogs_.desktopOpens = false;
    open->click();
    EXPECT_EQ(batchDialogs_.desktopDocuments, std::vector<std::string>(2, dir_.File("Corvessa")));
    EXPECT_FALSE(message->isHidden());
    EXPECT_EQ(message->text().toStdString(),
              "Nothing on this desktop shows folders; the photos are in " + dir_.File("Corvessa") + ".");
    // The next batch's summary starts without it.
    Child<QPushButton>(&batch, "BtnNewBatch")->click();
    batchDialogs_.existingOutputsAnswers.push_back(ExistingOutputsChoice::kReplace);
    Finish(batch);
    EXPECT_TRUE(message->isHidden());
}

}  // namespace
