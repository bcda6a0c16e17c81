#include "shell/form_batch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "io/picture_source.h"
#include "shell/application.h"
#include "shell/batch_runner.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"

namespace corvessa {

using namespace batch_dialog;

namespace {


QImage ToImage(const TBitmap& picture) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    for (int y = 0; y < picture.Height(); ++y) std::memcpy(image.scanLine(y), picture.Row(y), picture.RowBytes());
    return image;
}

// A small, smooth picture of `photo` within side x side: dropped rows and
// columns down to four times the size, then averaged.
QImage SmallImage(const TBitmap& photo, int side) {
    if (photo.Empty()) return QImage();
    const int longer = std::max(photo.Width(), photo.Height()), room = 4 * side;
    TBitmap shrunk;
    const TBitmap* source = &photo;
    if (longer > room) {
        shrunk.SetSize(std::max(1, photo.Width() * room / longer), std::max(1, photo.Height() * room / longer));
        shrunk.StretchDraw(photo);
        source = &shrunk;
    }
    return ToImage(*source).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString Clock(qint64 milliseconds) {
    const qint64 seconds = (milliseconds + 500) / 1000;
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar('0')).arg(seconds % 60, 2, 10, QChar('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

bool IsPhotoFile(const QFileInfo& file) { return HasPhotoExtension(file.fileName().toStdString()); }

QString LookTitle(Look look) {
    const Category* category = FindCategory(look.category);
    if (!category || look.effect < 1 || look.effect > kEffectCount) return QString();
    return QStringLiteral("%1 %2, %3")
        .arg(Text(category->caption))
        .arg(look.effect)
        .arg(Text(category->lookNames[size_t(look.effect - 1)]));
}

// A look the batch can render: one with a full-size recipe.
bool Renderable(Look look) {
    return FindCategory(look.category) && look.category != 14 && look.effect >= 1 && look.effect <= kEffectCount;
}

class FolderPicturesWithCache : public PictureSource {
public:
    explicit FolderPicturesWithCache(std::string folder) : pictures_(std::move(folder), &cache_) {}
    SharedPicture Load(PictureName name) const override { return pictures_.Load(name); }
    SharedPicture LoadStretched(PictureName name, int width, int height) const override {
        return pictures_.LoadStretched(name, width, height);
    }

private:
    PictureCache cache_;
    FolderPictures pictures_;
};

// The thumbnails of a strip as pictures for the dialog.
class CollectedStrip : public StripView {
public:
    void ThumbnailDone(int, const TBitmap& picture, bool) override { images.push_back(ToImage(picture)); }
    void SetChangeColorButton(bool) override {}
    std::vector<QImage> images;
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
                       std::unique_ptr<BatchQuestions> questions)
    : QWidget(owner, Qt::Window),
      pictures_(std::move(pictures)),
      questions_(std::move(questions)),
      clock_(std::make_unique<QElapsedTimer>()) {
    if (!questions_) questions_ = std::make_unique<QtBatchQuestions>(this);
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
    RenderLooks();
    Refresh();
}

TFormBatch::~TFormBatch() {
    // The runner's thread and the pool's tasks post back to this object:
    // they end before it does.
    runner_.reset();
    pool_->clear();
    pool_->waitForDone();
}

void TFormBatch::OfferPreviewLook(const batch::BatchLook& look) {
    if (Running()) return;
    previewLook_ = look;
    if (Renderable(look.look)) {
        if (radioPreview_->isChecked())
            UsePreviewLook();
        else
            radioPreview_->setChecked(true);  // through toggled
    }
    Refresh();
}

void TFormBatch::UsePreviewLook() {
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

Look TFormBatch::ChosenLook() const {
    if (radioPreview_->isChecked() && Renderable(previewLook_.look)) return previewLook_.look;
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
    const bool fromPreview = radioPreview_->isChecked() && Renderable(previewLook_.look);
    settings.look.look = ChosenLook();
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
    const bool offered = Renderable(previewLook_.look);
    radioPreview_->setEnabled(offered);
    radioPreview_->setText(offered ? QStringLiteral("The look in the preview: %1").arg(LookTitle(previewLook_.look))
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
    bool ready = !photos.empty() && Renderable(look) && !editFolder_->text().isEmpty();
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

void TFormBatch::MakeThumbnail(const std::string& path) {
    pool_->start([this, path] {
        QImage image;
        QString problem;
        try {
            PhotoMetadata metadata;
            std::string warning;  // the batch's summary tells of it
            image = SmallImage(ReadPhotoUpright(path, metadata, &warning), kPhotoIconSide);
        } catch (...) {
            problem = Text(CurrentErrorText());
        }
        QMetaObject::invokeMethod(
            this,
            [this, path, image, problem] {
                const QString key = Text(path);
                for (int i = 0; i < listPhotos_->count(); ++i) {
                    QListWidgetItem* item = listPhotos_->item(i);
                    if (item->data(Qt::UserRole).toString() != key) continue;
                    if (problem.isEmpty()) {
                        item->setIcon(QPixmap::fromImage(image));
                    } else {
                        item->setForeground(QColor(192, 0, 0));
                        item->setToolTip(key + QStringLiteral("\n") + problem);
                    }
                }
            },
            Qt::QueuedConnection);
    });
}

void TFormBatch::RenderLooks() {
    const int generation = ++looksGeneration_;
    const int category = comboCategory_->currentData().toInt();
    const Category* shown = FindCategory(category);
    for (int n = 1; n <= kEffectCount; ++n) {
        QListWidgetItem* item = listLooks_->item(n - 1);
        item->setText(shown ? QStringLiteral("%1 %2").arg(n).arg(Text(shown->lookNames[size_t(n - 1)])) : QString());
        item->setIcon(QIcon());
    }
    const std::vector<std::string> photos = Photos();
    if (photos.empty() || !shown) {
        labelLooks_->setText(QStringLiteral("Add photos to see the looks on the first of them."));
        return;
    }
    labelLooks_->setText(QStringLiteral("Making the thumbnails..."));
    const std::string first = photos[0];
    pool_->start(
        [this, generation, first, category, pictures = pictures_] {
            std::vector<QImage> thumbnails;
            QString problem;
            try {
                PhotoMetadata metadata;
                std::string warning;  // the batch's summary tells of it
                auto photo = std::make_shared<const TBitmap>(ReadPhotoUpright(first, metadata, &warning));
                CollectedStrip strip;
                StripJob(photo, category, *pictures).Run(strip);
                thumbnails = std::move(strip.images);
            } catch (...) {
                problem = Text(CurrentErrorText());
            }
            QMetaObject::invokeMethod(
                this,
                [this, generation, thumbnails, problem] {
                    if (generation != looksGeneration_) return;
                    for (size_t i = 0; i < thumbnails.size() && i < size_t(kEffectCount); ++i)
                        listLooks_->item(int(i))->setIcon(QPixmap::fromImage(thumbnails[i]));
                    labelLooks_->setText(problem.isEmpty() ? QString() : problem);
                    emit LooksShown();
                },
                Qt::QueuedConnection);
        },
        1);  // before the photos' thumbnails
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

bool TFormBatch::Running() const { return runner_ && runner_->Running(); }

void TFormBatch::Start() {
    if (Running()) return;
    batch::BatchSettings settings;
    try {
        settings = Settings();
    } catch (const std::exception&) {
        return Refresh();  // the example line says what is wrong
    }
    if (Photos().empty() || !Renderable(settings.look.look)) return;
    outputFolder_ = settings.outputFolder;
    runner_ = std::make_unique<TBatchRunner>(Photos(), std::move(settings), pictures_);
    connect(runner_.get(), &TBatchRunner::PhotoStarted, this, &TFormBatch::PhotoStarted);
    connect(runner_.get(), &TBatchRunner::PhotoFinished, this, &TFormBatch::PhotoFinished);
    connect(runner_.get(), &TBatchRunner::Finished, this, &TFormBatch::Finished);
    total_ = runner_->Photos().size();
    counts_ = {};
    processed_ = 0;
    failures_.clear();
    warnings_.clear();
    progressBar_->setRange(0, int(total_));
    progressBar_->setValue(0);
    labelProgress_->setText(QStringLiteral("0 of %1 photos").arg(total_));
    labelCurrent_->setText(QString());
    labelFailedSoFar_->setText(QString());
    listDone_->clear();
    btnCancel_->setEnabled(true);
    btnCancel_->setText(QStringLiteral("Cancel"));
    clock_->start();
    ShowTimes();
    ticker_->start();
    pages_->setCurrentIndex(1);
    runner_->Start();
}

void TFormBatch::Cancel() {
    if (!Running()) return;
    runner_->Cancel();
    btnCancel_->setEnabled(false);
    btnCancel_->setText(QStringLiteral("Stopping after the photos in flight..."));
}

void TFormBatch::PhotoStarted(qsizetype index) {
    const std::string& input = runner_->Photos()[size_t(index)].input;
    labelCurrent_->setText(QStringLiteral("Now: %1").arg(QFileInfo(Text(input)).fileName()));
    labelCurrent_->setToolTip(Text(input));
    // The photo's thumbnail from the list, when it is made already.
    labelCurrentIcon_->clear();
    for (int i = 0; i < listPhotos_->count(); ++i)
        if (listPhotos_->item(i)->data(Qt::UserRole).toString() == Text(input))
            labelCurrentIcon_->setPixmap(listPhotos_->item(i)->icon().pixmap(kPhotoIconSide, kPhotoIconSide));
}

void TFormBatch::PhotoFinished(const batch::PhotoOutcome& outcome) {
    switch (outcome.status) {
    case batch::Status::kRendered:
        ++counts_.rendered;
        if (outcome.warning) {
            ++counts_.warned;
            warnings_.push_back(outcome);
        }
        break;
    case batch::Status::kSkipped: ++counts_.skipped; break;
    case batch::Status::kFailed:
        ++counts_.failed;
        failures_.push_back(outcome);
        break;
    case batch::Status::kCancelled: ++counts_.cancelled; break;
    }
    if (outcome.status == batch::Status::kRendered || outcome.status == batch::Status::kFailed) ++processed_;
    if (outcome.status != batch::Status::kCancelled) {
        const QString name = QFileInfo(Text(outcome.input)).fileName();
        QString line;
        switch (outcome.status) {
        case batch::Status::kRendered:
            line = QStringLiteral("%1: rendered into %2 in %3 s")
                       .arg(name, QFileInfo(Text(outcome.output)).fileName())
                       .arg(double(outcome.milliseconds) / 1000, 0, 'f', 1);
            if (outcome.warning) line += QStringLiteral(", with a warning: %1").arg(Text(outcome.message));
            break;
        case batch::Status::kSkipped: line = QStringLiteral("%1: done already").arg(name); break;
        default: line = QStringLiteral("%1: %2").arg(name, Text(outcome.message)); break;
        }
        auto* item = new QListWidgetItem(line, listDone_);
        item->setToolTip(Text(outcome.input));
        if (outcome.status == batch::Status::kFailed) item->setForeground(QColor(192, 0, 0));
        if (outcome.warning) item->setForeground(QColor(160, 96, 0));
        listDone_->scrollToBottom();
    }
    progressBar_->setValue(int(counts_.Done()));
    labelProgress_->setText(QStringLiteral("%1 of %2 photos").arg(counts_.Done()).arg(total_));
    if (counts_.failed > 0) labelFailedSoFar_->setText(QStringLiteral("%1 failed so far").arg(counts_.failed));
    ShowTimes();
}

void TFormBatch::ShowTimes() {
    const qint64 spent = clock_->isValid() ? clock_->elapsed() : 0;
    QString text = QStringLiteral("Time spent %1").arg(Clock(spent));
    // Photos done already cost next to nothing: the time left is reckoned
    // from the ones rendered or failed.
    const size_t left = total_ - std::min(total_, counts_.Done());
    if (processed_ > 0 && left > 0)
        text += QStringLiteral(", about %1 left").arg(Clock(qint64(double(spent) / double(processed_) * double(left))));
    labelTime_->setText(text);
}

void TFormBatch::Finished(const batch::BatchCounts& counts) {
    ticker_->stop();
    counts_ = counts;
    QString text = QStringLiteral("<b>%1: %2 of %3 photos rendered</b> into %4 in %5.")
                       .arg(counts.cancelled ? QStringLiteral("Cancelled") : QStringLiteral("Done"))
                       .arg(counts.rendered)
                       .arg(total_)
                       .arg(Text(outputFolder_).toHtmlEscaped())
                       .arg(Clock(clock_->elapsed()));
    if (counts.skipped) text += QStringLiteral("<br>%1 done already and left as they were.").arg(counts.skipped);
    if (counts.cancelled) text += QStringLiteral("<br>%1 not rendered: the batch was cancelled.").arg(counts.cancelled);
    text += counts.failed ? QStringLiteral("<br>%1 failed:").arg(counts.failed) : QStringLiteral("<br>None failed.");
    labelSummary_->setText(text);
    listFailures_->clear();
    for (const batch::PhotoOutcome& failure : failures_) {
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(QFileInfo(Text(failure.input)).fileName(),
                                                                      Text(failure.message)));
        item->setToolTip(Text(failure.input));
        listFailures_->addItem(item);
    }
    listFailures_->setVisible(counts.failed > 0);
    listWarnings_->clear();
    for (const batch::PhotoOutcome& warned : warnings_) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1: %2").arg(QFileInfo(Text(warned.input)).fileName(), Text(warned.message)));
        item->setToolTip(Text(warned.input));
        listWarnings_->addItem(item);
    }
    labelWarnings_->setVisible(!warnings_.empty());
    listWarnings_->setVisible(!warnings_.empty());
    pages_->setCurrentIndex(2);
    if (isHidden()) show();
    raise();
    Refresh();
    emit BatchFinished();
}

void TFormBatch::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_ || !parentWidget()) return;
    // Over the middle of the main window the first time.
    placed_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(parentWidget()->frameGeometry().center());
    move(frame.topLeft());
}

void TFormBatch::closeEvent(QCloseEvent* event) {
    // A running batch goes on; its summary opens the dialog again.
    hide();
    event->accept();
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
