// The batch dialog: its photos, the look chosen and the settings it runs
// with. Its pages are built in form_batch_pages.cpp, the thumbnails made in
// form_batch_looks.cpp, the batch run in form_batch_run.cpp, and what it
// keeps between runs in form_batch_remembered.cpp.
#include "shell/form_batch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QMimeData>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QStackedWidget>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cstring>
#include <filesystem>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "shell/application.h"
#include "shell/batch_runner.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"
#include "shell/remembered.h"

namespace corvessa {

using namespace batch_dialog;

namespace {

bool IsPhotoFile(const QFileInfo& file) { return HasPhotoExtension(file.fileName().toStdString()); }

class FolderPicturesWithCache : public PictureSource {
public:
    explicit FolderPicturesWithCache(std::string folder) : pictures_(std::move(folder), &cache_) {}
    SharedPicture Load(PictureName name) const override { return pictures_.Load(name); }
    SharedPicture LoadStretched(PictureName name, int width, int height) const override {
        return pictures_.LoadStretched(name, width, height);
    }
    SharedGrade LoadGrade(PictureName name) const override { return pictures_.LoadGrade(name); }

private:
    PictureCache cache_;
    FolderPictures pictures_;
};

class QtBatchQuestions : public BatchQuestions {
public:
    explicit QtBatchQuestions(QWidget* window) : window_(window) {}

    std::vector<std::string> ChoosePhotos() override {
        QFileDialog dialog(window_, QStringLiteral("Add photos"), lastFolder_);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilter(OpenDialogFilter());
        std::vector<std::string> chosen;
        if (dialog.exec() != QDialog::Accepted) return chosen;
        lastFolder_ = dialog.directory().absolutePath();
        for (const QString& file : dialog.selectedFiles()) chosen.push_back(file.toStdString());
        return chosen;
    }
    std::optional<std::string> ChoosePhotoFolder() override {
        const QString folder = QFileDialog::getExistingDirectory(window_, QStringLiteral("Add the photos of a folder"), lastFolder_);
        if (folder.isEmpty()) return std::nullopt;
        lastFolder_ = folder;
        return folder.toStdString();
    }
    std::optional<std::string> ChooseOutputFolder(const std::string& start) override {
        const QString folder = QFileDialog::getExistingDirectory(window_, QStringLiteral("Output folder"), Text(start));
        if (folder.isEmpty()) return std::nullopt;
        return folder.toStdString();
    }
    std::optional<std::string> ChooseCubeFile(const std::string& start) override {
        const QString file = QFileDialog::getOpenFileName(window_, QStringLiteral("A .cube file"), Text(start),
                                                          CubeDialogFilter());
        if (file.isEmpty()) return std::nullopt;
        return file.toStdString();
    }
    std::optional<Rgb> ChooseColour(Rgb start) override {
        const QColor colour = QColorDialog::getColor(QColor(start.r, start.g, start.b), window_, QStringLiteral("Colour"));
        if (!colour.isValid()) return std::nullopt;
        return Rgb{uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())};
    }

private:
    QWidget* window_;
    QString lastFolder_;
};

}  // namespace

std::shared_ptr<const PictureSource> SharedFolderPictures(std::string folder) {
    return std::make_shared<FolderPicturesWithCache>(std::move(folder));
}

TFormBatch::TFormBatch(QWidget* owner, std::shared_ptr<const PictureSource> pictures,
                       std::unique_ptr<BatchQuestions> questions, ShellDialogs* dialogs,
                       std::shared_ptr<Remembered> remembered)
    : QWidget(owner, Qt::Window),
      pictures_(std::move(pictures)),
      questions_(std::move(questions)),
      dialogs_(dialogs),
      remembered_(std::move(remembered)),
      clock_(std::make_unique<QElapsedTimer>()) {
    if (!questions_) questions_ = std::make_unique<QtBatchQuestions>(this);
    if (!remembered_) remembered_ = std::make_shared<Remembered>();
    // The batch's workers read and write pictures; Qt's image plugins are
    // found here, on the thread that lasts.
    LoadImagePlugins();
    setObjectName(QStringLiteral("FormBatch"));
    setWindowTitle(QStringLiteral("Batch"));
    setAcceptDrops(true);
    pool_ = new QThreadPool(this);
    pool_->setMaxThreadCount(2);

    pages_ = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    CreateSettingsPage();
    CreateProgressPage();
    CreateSummaryPage();

    ticker_ = new QTimer(this);
    ticker_->setInterval(500);
    connect(ticker_, &QTimer::timeout, this, [this] { ShowTimes(); });
    Recall();
    RenderLooks();
    Refresh();
}

TFormBatch::~TFormBatch() {
    // Open as the program ends: closed with it.
    if (isVisible()) Remember();
    // The runner's thread and the pool's tasks post back to this object:
    // they end before it does.
    runner_.reset();
    pool_->clear();
    pool_->waitForDone();
}

ShellDialogs& TFormBatch::Dialogs() {
    if (dialogs_) return *dialogs_;
    if (!ownDialogs_) ownDialogs_ = std::make_unique<QtShellDialogs>(this);
    return *ownDialogs_;
}

void TFormBatch::OfferPreviewLook(const batch::BatchLook& look) {
    if (Running()) return;
    previewLook_ = look;
    if (Offered(look)) {
        if (radioPreview_->isChecked())
            UsePreviewLook();
        else if (preferPreview_)
            radioPreview_->setChecked(true);  // through toggled
    }
    Refresh();
}

void TFormBatch::UsePreviewLook() {
    if (previewLook_.user && previewLook_.user->Usable()) {
        sliderStrength_->setValue(previewLook_.strength);
        return;
    }
    if (!Renderable(previewLook_.look)) return;
    // The strip shows the preview's category with its look picked.
    comboCategory_->setCurrentIndex(comboCategory_->findData(previewLook_.look.category));
    listLooks_->setCurrentRow(previewLook_.look.effect - 1);
    checkColour_->setChecked(previewLook_.colour.kind == ColourDecision::Kind::kChosen);
    if (previewLook_.colour.kind == ColourDecision::Kind::kChosen) colour_ = previewLook_.colour.colour;
    sliderStrength_->setValue(previewLook_.strength);
    ShowColour();
}

void TFormBatch::ShowColour() { btnColour_->setIcon(Swatch(colour_)); }

UserLook TFormBatch::CubeLook() const {
    const std::string path = editCube_->text().toStdString();
    if (cubeLook_.path == path) return cubeLook_;
    UserLook unread;
    unread.path = path;
    unread.name = std::filesystem::path(path).stem().string();
    return unread;
}

void TFormBatch::ReadCubeLook() {
    const std::string path = editCube_->text().toStdString();
    if (path.empty() || path == cubeLook_.path) return;
    cubeLook_ = ReadUserLook(path);
}

void TFormBatch::BtnCubeFileClick() {
    if (const auto file = questions_->ChooseCubeFile(editCube_->text().toStdString())) {
        editCube_->setText(Text(*file));
        cubeLook_ = UserLook();
        ReadCubeLook();
        radioCube_->setChecked(true);
        Refresh();
    }
}

Look TFormBatch::ChosenLook() const {
    if (radioCube_->isChecked()) return Look{};
    if (radioPreview_->isChecked() && Offered(previewLook_)) return previewLook_.user ? Look{} : previewLook_.look;
    return Look{comboCategory_->currentData().toInt(), listLooks_->currentRow() + 1};
}

std::vector<std::string> TFormBatch::Photos() const {
    std::vector<std::string> photos;
    for (int i = 0; i < listPhotos_->count(); ++i)
        photos.push_back(listPhotos_->item(i)->data(Qt::UserRole).toString().toStdString());
    return photos;
}

batch::BatchSettings TFormBatch::Settings() const {
    batch::BatchSettings settings;
    const bool fromPreview = radioPreview_->isChecked() && Offered(previewLook_);
    settings.look.look = ChosenLook();
    if (radioCube_->isChecked())
        settings.look.user = CubeLook();
    else if (fromPreview && previewLook_.user)
        settings.look.user = previewLook_.user;
    if (checkColour_->isEnabled() && checkColour_->isChecked())
        settings.look.colour = ColourDecision::Chosen(colour_);
    else if (fromPreview && checkColour_->isEnabled())
        settings.look.colour = previewLook_.colour.kind == ColourDecision::Kind::kCancelled ? ColourDecision::Cancelled()
                                                                                          : ColourDecision::NotAsked();
    settings.look.fallbackFill = fromPreview ? previewLook_.fallbackFill : kWhite;
    settings.look.strength = sliderStrength_->value();
    settings.outputFolder = editFolder_->text().toStdString();
    settings.names = batch::NamePattern(editName_->text().toStdString());
    settings.format = PhotoFormatId(comboFormat_->currentData().toInt());
    settings.skipExisting = checkSkip_->isChecked();
    return settings;
}

void TFormBatch::Refresh() {
    const std::vector<std::string> photos = Photos();
    btnRemove_->setEnabled(!listPhotos_->selectedItems().isEmpty());
    const bool offered = Offered(previewLook_);
    radioPreview_->setEnabled(offered);
    const QString shown = previewLook_.user ? QStringLiteral("My Looks: %1").arg(Text(previewLook_.user->name))
                                            : Text(LookTitle(previewLook_.look.category, previewLook_.look.effect));
    radioPreview_->setText(offered ? QStringLiteral("The look in the preview: %1").arg(shown)
                                   : QStringLiteral("The look in the preview (none shown yet)"));
    const Look look = ChosenLook();
    const bool asks = Renderable(look) && RecipeAsksForColour(look.category, look.effect);
    checkColour_->setEnabled(asks);
    btnColour_->setEnabled(asks && checkColour_->isChecked());
    checkColour_->setToolTip(asks ? QString() : QStringLiteral("This look takes no colour"));

    if (!folderChosen_) {
        editFolder_->setText(photos.empty() ? QString()
                                            : QFileInfo(Text(photos[0])).absoluteDir().filePath(QStringLiteral("Corvessa")));
    }
    const bool userLook = radioCube_->isChecked() ? !editCube_->text().isEmpty()
                                                  : radioPreview_->isChecked() && offered && previewLook_.user;
    bool ready = !photos.empty() && (Renderable(look) || userLook) && !editFolder_->text().isEmpty();
    if (radioCube_->isChecked() && cubeLook_.path == editCube_->text().toStdString() && !cubeLook_.Usable()) {
        // Told now, and again should Start be pressed.
        editCube_->setToolTip(Text(cubeLook_.reason));
        editCube_->setStyleSheet(QStringLiteral("color: #c00000"));
    } else {
        editCube_->setToolTip(QString());
        editCube_->setStyleSheet(QString());
    }
    try {
        const batch::BatchSettings settings = Settings();
        labelExample_->setStyleSheet(QString());
        labelExample_->setText(photos.empty() ? QStringLiteral("Fields: %1").arg(Text(batch::NamePattern::kFieldList))
                                              : QStringLiteral("The first photo's: %1")
                                                    .arg(Text(batch::OutputFileName(photos[0], settings))));
    } catch (const std::exception& error) {
        labelExample_->setStyleSheet(QStringLiteral("color: #c00000"));
        labelExample_->setText(Text(std::string(error.what())));
        ready = false;
    }
    btnStart_->setEnabled(ready && !Running());
}

void TFormBatch::AddPhotos(const std::vector<std::string>& paths) {
    const bool hadFirst = listPhotos_->count() > 0;
    std::vector<std::string> known = Photos();
    for (const std::string& path : paths) {
        const QString absolute = QFileInfo(Text(path)).absoluteFilePath();
        const std::string key = absolute.toStdString();
        if (std::find(known.begin(), known.end(), key) != known.end()) continue;
        known.push_back(key);
        auto* item = new QListWidgetItem(QFileInfo(absolute).fileName());
        item->setData(Qt::UserRole, absolute);
        item->setToolTip(absolute);
        QPixmap blank(kPhotoIconSide, kPhotoIconSide);
        blank.fill(Qt::transparent);
        item->setIcon(blank);
        listPhotos_->addItem(item);
        MakeThumbnail(key);
    }
    if (!hadFirst && listPhotos_->count() > 0) RenderLooks();
    Refresh();
}

void TFormBatch::AddFolder(const std::string& folder) {
    std::vector<std::string> photos;
    const QFileInfoList files = QDir(Text(folder)).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files)
        if (IsPhotoFile(file)) photos.push_back(file.absoluteFilePath().toStdString());
    AddPhotos(photos);
}

void TFormBatch::BtnAddFilesClick() { AddPhotos(questions_->ChoosePhotos()); }

void TFormBatch::BtnAddFolderClick() {
    if (const auto folder = questions_->ChoosePhotoFolder()) AddFolder(*folder);
}

void TFormBatch::BtnColourClick() {
    if (const auto chosen = questions_->ChooseColour(colour_)) {
        colour_ = *chosen;
        checkColour_->setChecked(true);
        ShowColour();
    }
}

void TFormBatch::BtnOutputFolderClick() {
    if (const auto folder = questions_->ChooseOutputFolder(editFolder_->text().toStdString())) {
        editFolder_->setText(Text(*folder));
        folderChosen_ = true;
        Refresh();
    }
}

void TFormBatch::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    everShown_ = true;
    if (placed_ || !parentWidget()) return;
    // Over the middle of the main window the first time.
    placed_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(parentWidget()->frameGeometry().center());
    move(frame.topLeft());
}

void TFormBatch::closeEvent(QCloseEvent* event) {
    // A running batch goes on; its summary opens the dialog again.
    if (isVisible())
        hide();  // remembers
    else
        Remember();
    event->accept();
}

void TFormBatch::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Minimised is not closed.
    if (!event->spontaneous()) Remember();
}

void TFormBatch::dragEnterEvent(QDragEnterEvent* event) {
    if (Running()) return;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) return event->acceptProposedAction();
}

void TFormBatch::dropEvent(QDropEvent* event) {
    if (Running()) return;
    event->acceptProposedAction();
    std::vector<std::string> files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo file(url.toLocalFile());
        if (file.isDir())
            AddFolder(file.absoluteFilePath().toStdString());
        else
            files.push_back(file.absoluteFilePath().toStdString());
    }
    AddPhotos(files);
}

}  // namespace corvessa
