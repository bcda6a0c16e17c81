// The batch dialog: its pages, a batch's start and end, and the dialog's
// place, its drops and its closing.
#include "shell/form_batch.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QMimeData>
#include <QShowEvent>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "io/photo_files.h"
#include "io/picture_source.h"
#include "shell/accessible_names.h"
#include "shell/batch_progress_page.h"
#include "shell/batch_runner.h"
#include "shell/batch_settings_page.h"
#include "shell/batch_summary_page.h"
#include "shell/dialogs.h"
#include "shell/form_batch_parts.h"
#include "shell/remembered.h"
#include "shell/window_place.h"

namespace corvessa {

using namespace batch_dialog;

namespace {

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
        QFileDialog dialog(window_, QCoreApplication::translate("TFormBatch", "Add photos"), lastFolder_);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilter(OpenDialogFilter());
        std::vector<std::string> chosen;
        if (dialog.exec() != QDialog::Accepted) return chosen;
        lastFolder_ = dialog.directory().absolutePath();
        for (const QString& file : dialog.selectedFiles()) chosen.push_back(file.toStdString());
        return chosen;
    }
    std::optional<std::string> ChoosePhotoFolder() override {
        const QString folder = QFileDialog::getExistingDirectory(
            window_, QCoreApplication::translate("TFormBatch", "Add the photos of a folder"), lastFolder_);
        if (folder.isEmpty()) return std::nullopt;
        lastFolder_ = folder;
        return folder.toStdString();
    }
    std::optional<std::string> ChooseOutputFolder(const std::string& start) override {
        const QString title = QCoreApplication::translate("TFormBatch", "Output folder");
        const QString folder = QFileDialog::getExistingDirectory(window_, title, Text(start));
        if (folder.isEmpty()) return std::nullopt;
        return folder.toStdString();
    }
    std::optional<std::string> ChooseCubeFile(const std::string& start) override {
        const QString title = QCoreApplication::translate("TFormBatch", "A .cube file");
        const QString file = QFileDialog::getOpenFileName(window_, title, Text(start), CubeDialogFilter());
        if (file.isEmpty()) return std::nullopt;
        return file.toStdString();
    }
    std::optional<Rgb> ChooseColour(Rgb start) override {
        const QColor colour = QColorDialog::getColor(QColor(start.r, start.g, start.b), window_,
                                                     QCoreApplication::translate("TFormBatch", "Colour"));
        if (!colour.isValid()) return std::nullopt;
        return Rgb{uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())};
    }

private:
    QWidget* window_;
    QString lastFolder_;
};

// How many of the photos' planned outputs are there already.
size_t ExistingOutputs(const std::vector<std::string>& photos, const batch::BatchSettings& settings) {
    size_t existing = 0;
    for (const batch::PlannedPhoto& planned : batch::PlanOutputs(photos, settings))
        if (planned.refusal.empty() && !planned.output.empty() && QFileInfo::exists(Text(planned.output))) ++existing;
    return existing;
}

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
      remembered_(std::move(remembered)) {
    if (!questions_) questions_ = std::make_unique<QtBatchQuestions>(this);
    if (!remembered_) remembered_ = std::make_shared<Remembered>();
    // The batch's workers read and write pictures; Qt's image plugins are
    // found here, on the thread that lasts.
    LoadImagePlugins();
    setObjectName(QStringLiteral("FormBatch"));
    setWindowTitle(tr("Batch"));
    setAcceptDrops(true);

    pages_ = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    settings_ = new TBatchSettingsPage(*questions_, pictures_, [this] { return Running(); });
    progress_ = new TBatchProgressPage;
    summary_ = new TBatchSummaryPage([this]() -> ShellDialogs& { return Dialogs(); });
    for (QWidget* page : {static_cast<QWidget*>(settings_), static_cast<QWidget*>(progress_), static_cast<QWidget*>(summary_)})
        pages_->addWidget(page);
    connect(settings_, &TBatchSettingsPage::StartPressed, this, &TFormBatch::Start);
    connect(settings_, &TBatchSettingsPage::ClosePressed, this, &QWidget::hide);
    connect(settings_, &TBatchSettingsPage::LooksShown, this, &TFormBatch::LooksShown);
    connect(progress_, &TBatchProgressPage::CancelPressed, this, &TFormBatch::Cancel);
    connect(summary_, &TBatchSummaryPage::NewBatchPressed, this, [this] {
        pages_->setCurrentIndex(0);
        settings_->Refresh();
    });
    connect(summary_, &TBatchSummaryPage::ClosePressed, this, &QWidget::hide);
    NameControls(*this);
    settings_->Recall(*remembered_);
    if (RestoreWindowPlace(*this, remembered_->Place(Setting::kBatchPlace))) placed_ = true;
}

TFormBatch::~TFormBatch() {
    // Open as the program ends: closed with it.
    if (isVisible()) Remember();
    // The runner's thread posts back to this object: it ends before it
    // does. The pictures the settings page makes end with the page.
    runner_.reset();
}

ShellDialogs& TFormBatch::Dialogs() {
    if (dialogs_) return *dialogs_;
    if (!ownDialogs_) ownDialogs_ = std::make_unique<QtShellDialogs>(this);
    return *ownDialogs_;
}

void TFormBatch::OfferPreviewLook(const batch::BatchLook& look) {
    if (!Running()) settings_->OfferPreviewLook(look);
}
void TFormBatch::AddPhotos(const std::vector<std::string>& paths) { settings_->AddPhotos(paths); }
void TFormBatch::AddFolder(const std::string& folder) { settings_->AddFolder(folder); }
std::vector<std::string> TFormBatch::Photos() const { return settings_->Photos(); }
batch::BatchSettings TFormBatch::Settings() const { return settings_->Settings(); }
void TFormBatch::BtnOutputFolderClick() { settings_->BtnOutputFolderClick(); }
void TFormBatch::BtnCubeFileClick() { settings_->BtnCubeFileClick(); }

bool TFormBatch::Running() const { return runner_ && runner_->Running(); }

void TFormBatch::Start() {
    if (Running()) return;
    batch::BatchSettings settings;
    try {
        settings = Settings();
    } catch (const std::exception&) {
        return settings_->Refresh();  // the example line says what is wrong
    }
    if (Photos().empty() || (!settings.look.user && !Renderable(settings.look.look))) return;
    if (settings_->CubeChosen()) {
        // The table is read now, as it is: a file that does not read stops
        // the batch before anything is written.
        const std::optional<UserLook> cube = settings_->ReadCubeAgain();
        if (!cube) return;
        if (!cube->Usable()) return Dialogs().ShowError(cube->reason);
        settings.look.user = *cube;
    }
    if (!MayWriteOutputs(settings)) return;
    Remember();
    const std::string outputFolder = settings.outputFolder;
    runner_ = std::make_unique<TBatchRunner>(Photos(), std::move(settings), pictures_);
    connect(runner_.get(), &TBatchRunner::PhotoStarted, this, [this](qsizetype index) {
        const std::string& input = runner_->Photos()[size_t(index)].input;
        progress_->PhotoStarted(input, settings_->PhotoIcon(input));
    });
    connect(runner_.get(), &TBatchRunner::PhotoFinished, progress_, &TBatchProgressPage::PhotoFinished);
    connect(runner_.get(), &TBatchRunner::Finished, this, &TFormBatch::Finished);
    progress_->Begin(runner_->Photos().size(), outputFolder);
    pages_->setCurrentIndex(1);
    runner_->Start();
}

bool TFormBatch::MayWriteOutputs(batch::BatchSettings& settings) {
    if (settings.skipExisting) return true;
    const size_t existing = ExistingOutputs(Photos(), settings);
    if (!existing) return true;
    const QString question =
        tr("%n of the outputs exist already in %1.", nullptr, int(existing)).arg(Text(settings.outputFolder));
    switch (Dialogs().AskExistingOutputs(question)) {
    case ExistingOutputsChoice::kReplace: return true;
    case ExistingOutputsChoice::kSkip: settings.skipExisting = true; return true;  // this run only
    case ExistingOutputsChoice::kCancel: return false;
    }
    return false;
}

void TFormBatch::Cancel() {
    if (!Running()) return;
    runner_->Cancel();
    progress_->Stopping();
}

void TFormBatch::Finished(const batch::BatchCounts& counts) {
    progress_->Ended(counts);
    summary_->Show(progress_->Tally());
    pages_->setCurrentIndex(2);
    if (isHidden()) show();
    raise();
    settings_->Refresh();
    emit BatchFinished();
}

void TFormBatch::Remember() {
    settings_->Remember(*remembered_);
    // A dialog never shown has no place of its own yet.
    if (everShown_) remembered_->SetPlace(Setting::kBatchPlace, saveGeometry());
    remembered_->Write();
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
