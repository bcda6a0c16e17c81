#include "shell/form_main.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QPromise>
#include <QTimer>
#include <QUrl>
#include <utility>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "ground/error.h"
#include "ground/parallel.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/form_batch.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/main_layout.h"
#include "shell/skin.h"
#include "shell/undo_pictures.h"
#include "shell/window_job.h"
#include "session/photo_session.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"

namespace corvessa {

namespace {

// The strip as the catalogue fills it, off the window's thread: each
// thumbnail is handed to the window as soon as it is done; those of a
// category that shows all ten together are handed over together.
class QueuedStrip : public StripView {
public:
    explicit QueuedStrip(QPromise<StripEvent>& promise) : promise_(promise) {}

    void ThumbnailDone(int n, const TBitmap& picture, bool repaint) override {
        auto copy = std::make_shared<TBitmap>();
        copy->CopyFrom(picture);
        held_.thumbnails.emplace_back(n, std::move(copy));
        if (repaint) {
            held_.repaint = true;
            Flush();
        }
    }
    void SetChangeColorButton(bool visible) override {
        Flush();
        StripEvent button;
        button.changeColorButton = visible;
        promise_.addResult(std::move(button));
    }
    // Hands over the thumbnails held back.
    void Flush() {
        if (held_.thumbnails.empty()) return;
        promise_.addResult(std::move(held_));
        held_ = StripEvent();
    }

private:
    QPromise<StripEvent>& promise_;
    StripEvent held_;
};

}  // namespace

TFormMain::TFormMain(std::string appDir, std::unique_ptr<ShellDialogs> dialogs, QSize screen)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      appDir_(std::move(appDir)),
      dialogs_(std::move(dialogs)),
      pictures_(appDir_ + "pic", &pictureCache_) {
    if (!dialogs_) dialogs_ = std::make_unique<QtShellDialogs>(this);
    CreateControls();
    FormCreate(screen);
    // Created hidden right after the window's start-up; lives as long as
    // the window.
    formPreview_ = new TFormPreview(*this, *flatPanel3_);
    connect(formPreview_, &TFormPreview::ApplyRequested, this, &TFormMain::ApplyResult);
    connect(formPreview_, &TFormPreview::ChangeColorRequested, this, &TFormMain::ChangeColorClick);
    connect(formPreview_, &TFormPreview::CancelRequested, this, [this] {
        rendering_.Drop();
        UpdateBusy();
    });
    connect(this, &TFormMain::CategoryButtonClicked, this, &TFormMain::CategoryClick);
    connect(this, &TFormMain::ThumbnailClicked, this, &TFormMain::ThumbnailClick);
}

TFormMain::~TFormMain() = default;

void TFormMain::ShowChange(const SessionChange& change) {
    if (change.workPhotoReplaced) {
        // A render or strip in flight belongs to the photo it was started from.
        rendering_.Drop();
        strips_.Drop();
        UpdateBusy();
        formPreview_->WorkPhotoReplaced();
    }
    if (change.refitView) FitPhotoView(WorkPhoto());
    if (change.view) imgEffect_->ShowShared(change.view);
    if (change.redrawView) {
        // Drawn into the view's picture at its size: the very pixels when
        // the sizes agree.
        const TBitmap& shown = std::as_const(*imgEffect_).Picture();
        if (shown.Width() == WorkPhoto().Width() && shown.Height() == WorkPhoto().Height()) {
            imgEffect_->ShowShared(session_.WorkSnapshot());
        } else {
            imgEffect_->Picture().StretchDraw(WorkPhoto());
            imgEffect_->Changed();
        }
    }
    btnUndo_->setEnabled(session_.CanUndo());
    update();
    if (change.hideStrip) Invisible();
}

void TFormMain::SetPhotoControlsEnabled(bool enabled) {
    for (QPushButton* button : categoryButtons_) button->setEnabled(enabled);
}

void TFormMain::Guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        dialogs_->ShowError(CurrentErrorText());
    }
}

void TFormMain::Invisible() {
    for (TImageView* view : imgViews_) view->hide();
    for (QLabel* label : labels_) label->hide();
}

void TFormMain::BtnOpenClick() {
    Guarded([&] {
        const std::string folder = std::filesystem::path(PhotoPath()).parent_path().string();
        const std::optional<std::string> name = dialogs_->ChooseOpenFile(folder);
        if (name) OpenPhoto(*name);
    });
}

void TFormMain::OpenPhoto(const std::string& path) {
    AfterUnsavedApply([&] { return dialogs_->AskSaveBeforeOpening(path); }, [this, path] { StartOpen(path); },
                      [this] { emit OpenFinished(); });
}

void TFormMain::StartOpen(const std::string& path) {
    // Read into a bitmap of its own first, off the window's thread: a file
    // that fails to read leaves every buffer, the metadata and the view as
    // they were. It comes turned upright by the camera's orientation tag,
    // so the thumbnails, renders, blank check and view all see it as shot.
    opening_.Start(
        [path, threads = RowThreads()] {
            LimitRowThreads(threads);
            return ReadOpenedPhoto(path);
        },
        [this](OpenedPhoto opened) {
        UpdateBusy();
        FinishOpen(std::move(opened));
    });
    StartBusy(QStringLiteral("Opening %1").arg(QFileInfo(QString::fromStdString(path)).fileName()));
}

int TFormMain::RowThreads() const {
    // A batch runs a photo on every core: the window's jobs take one more
    // thread beside it, not a full team.
    return formBatch_ && formBatch_->Running() ? 1 : 0;
}

void TFormMain::CancelJob() {
    if (!opening_.Running() && !rendering_.Running() && !strips_.Running()) return;
    const bool opening = opening_.Running();
    // The preview waiting for a render dropped here has nothing to show.
    if (rendering_.Running()) formPreview_->hide();
    opening_.Drop();
    rendering_.Drop();
    strips_.Drop();
    UpdateBusy();
    if (opening) emit OpenFinished();
}

void TFormMain::FinishOpen(OpenedPhoto opened) {
    if (!opened.error.empty()) {
        dialogs_->ShowError(opened.error);
    } else {
        ShowChange(session_.Open(std::move(opened.photo), std::move(opened.metadata), opened.path));
        SetPhotoControlsEnabled(true);
        if (!opened.warning.empty()) dialogs_->ShowWarning(opened.warning);  // the photo shows behind it
    }
    emit OpenFinished();
}

void TFormMain::StartBusy(const QString& what) {
    labelBusy_->setText(what);
    if (!busyDelay_->isActive() && !labelBusy_->isVisible()) busyDelay_->start();
}

void TFormMain::UpdateBusy() {
    const bool cancellable = opening_.Running() || rendering_.Running() || strips_.Running();
    const bool busy = cancellable || saving_.Running();
    if (!busy) busyDelay_->stop();
    const bool shown = busy && !busyDelay_->isActive();
    labelBusy_->setVisible(shown);
    // A save is not cancelled: its file is written whole or not at all.
    btnCancelJob_->setVisible(shown && cancellable);
    if (shown)
        flatPanel3_->setCursor(Qt::BusyCursor);
    else
        flatPanel3_->unsetCursor();
}

void TFormMain::BtnSaveClick() { SavePhoto([] {}); }

bool TFormMain::SavePhoto(std::function<void()> saved) {
    // One save at a time: the file being written is the user's latest choice.
    if (saving_.Running()) return false;
    bool started = false;
    Guarded([&] {
        // Without a start-up photo and before any Open there is nothing to save.
        if (imgEffect_->Picture().Empty()) return;
        if (const auto shown = imgEffect_->SharedPicture()) {
            session_.TakeShownForSave(shown);
        } else {
            auto copy = std::make_shared<TBitmap>();
            copy->CopyFrom(std::as_const(*imgEffect_).Picture());
            session_.TakeShownForSave(std::move(copy));
        }
        // Asked of the name written, which the filter may have lengthened;
        // the save dialog comes back until a name is new or may be replaced.
        std::optional<SaveTarget> target;
        while (!target) {
            const std::optional<SaveChoice> choice = dialogs_->ChooseSaveFile(PhotoPath());
            if (!choice) return;
            target = SaveTargetFor(choice->path, choice->filterIndex);
            std::error_code ec;
            const bool taken = std::filesystem::symlink_status(target->path, ec).type() != std::filesystem::file_type::not_found;
            if (taken && !dialogs_->ConfirmReplace(target->path)) target.reset();
        }
        // Written off the window's thread from what the view showed.
        saving_.Start(
            [picture = ResultPhotoBuffer().Snapshot(), target = *target, metadata = Metadata(), threads = RowThreads()] {
                LimitRowThreads(threads);
                return WritePhotoFile(*picture, target.path, target.format, metadata);
            },
            [this, path = target->path, saved = std::move(saved)](const std::string& error) {
                UpdateBusy();
                if (error.empty()) session_.NoteSaved(path);
                else dialogs_->ShowError(error);
                emit SaveFinished();
                if (error.empty()) saved();
            });
        StartBusy(QStringLiteral("Saving %1").arg(QFileInfo(QString::fromStdString(target->path)).fileName()));
        started = true;
    });
    return started;
}

void TFormMain::AfterUnsavedApply(const std::function<UnsavedChoice()>& ask, std::function<void()> proceed,
                                  const std::function<void()>& cancelled) {
    // An Apply never saved would be lost with the working photo.
    if (!HasUnsavedApply()) return proceed();
    const UnsavedChoice choice = ask();
    if (choice == UnsavedChoice::kDiscard) return proceed();
    if (choice == UnsavedChoice::kSave && SavePhoto(std::move(proceed))) return;
    cancelled();
}

void TFormMain::ApplyResult(std::shared_ptr<const TBitmap> result) {
    Guarded([&] { ShowChange(session_.Apply(std::move(result))); });
}

void TFormMain::BtnUndoClick() {
    Guarded([&] { ShowChange(session_.Undo()); });
}

void TFormMain::CategoryClick(int category) {
    Guarded([&] {
        std::shared_ptr<StripJob> job = session_.StartStrip(category);
        if (!job) return;
        // A later category supersedes this strip: what it has not shown yet
        // is never shown.
        auto error = std::make_shared<std::string>();
        strips_.StartStream(
            [job, error, threads = RowThreads()](QPromise<StripEvent>& promise) {
                LimitRowThreads(threads);
                QueuedStrip view(promise);
                *error = RunStrip(job, view).error;
                view.Flush();
            },
            [this](const StripEvent& event) {
                for (const auto& [n, picture] : event.thumbnails) ShowThumbnail(n, *picture);
                if (event.repaint) flatPanel2_->repaint();
                if (event.changeColorButton) formPreview_->BtnColor()->setVisible(*event.changeColorButton);
            },
            [this, job, error] {
                UpdateBusy();
                session_.FinishStrip(*job);
                if (!error->empty()) dialogs_->ShowError(*error);
                emit StripFinished();
            });
        StartBusy(QStringLiteral("Drawing the thumbnails"));
    });
}

void TFormMain::ShowThumbnail(int n, const TBitmap& picture) {
    TImageView* view = ImgView(n);
    view->Picture().CopyFrom(picture);
    view->Changed();
    if (const Category* category = FindCategory(CurrentCategory()))
        view->setToolTip(QString::fromLatin1(kThumbnailHint) + QStringLiteral("\n") +
                         QString::fromUtf8(category->lookNames[size_t(n - 1)].data(),
                                           qsizetype(category->lookNames[size_t(n - 1)].size())));
    view->show();
    Label(n)->show();
}

void TFormMain::ChangeColorClick() {
    // The mode must not outlive the re-render, also when it fails.
    struct ModeScope {
        PhotoSession& session;
        explicit ModeScope(PhotoSession& s) : session(s) { session.SetChangeColorMode(true); }
        ~ModeScope() { session.SetChangeColorMode(false); }
    } mode(session_);
    ImgViewClick(CurrentEffect(), CurrentCategory());
}

void TFormMain::ThumbnailClick(int n) {
    session_.SetCurrentEffect(n);
    ImgViewClick(n, CurrentCategory());
}

void TFormMain::ImgViewClick(int effect, int category) {
    Guarded([&] {
        if (!HasPhoto()) return;
        // The dialog and its two labels show while the render runs.
        formPreview_->ShowProcessing();
        formPreview_->PreparePreview(WorkPhoto());
        const Look look{category, effect};
        std::shared_ptr<RenderJob> job = session_.StartRender(look);
        ColourDecision colour;
        if (ChangeColorMode() && job->AsksForColour()) {
            // A missing picture fails before the colour dialog opens.
            job->LoadPictures();
            const std::optional<Rgb> chosen = dialogs_->ChooseColor();
            colour = chosen ? ColourDecision::Chosen(*chosen) : ColourDecision::Cancelled();
            job->DecideColour(colour);
        }
        // A later click supersedes this render.
        const bool newLook = !ChangeColorMode();
        rendering_.Start(
            [job, threads = RowThreads()] {
                LimitRowThreads(threads);
                return RunRender(*job);
            },
                         [this, look, colour, newLook](RenderOutcome outcome) {
                             UpdateBusy();
                             FinishRender(look, colour, std::move(outcome), newLook);
                         });
        StartBusy(QStringLiteral("Rendering"));
    });
}

void TFormMain::FinishRender(Look look, ColourDecision colour, RenderOutcome outcome, bool newLook) {
    if (!outcome.error.empty()) {
        dialogs_->ShowError(outcome.error);
        emit RenderFinished();
        return;
    }
    const ButtonChange button = session_.FinishRender(look, colour, std::move(outcome.result));
    if (button != ButtonChange::kKeep) formPreview_->BtnColor()->setVisible(button == ButtonChange::kShow);
    formPreview_->ShowResult(ResultPhotoBuffer().Snapshot(), session_.WorkSnapshot(), newLook);
    if (const Category* c = FindCategory(look.category); c && IsCatalogueLook(look))
        formPreview_->setWindowTitle(QStringLiteral("Preview - %1 %2: %3")
                                         .arg(QString::fromUtf8(c->caption.data(), qsizetype(c->caption.size())))
                                         .arg(look.effect)
                                         .arg(QString::fromUtf8(c->lookNames[size_t(look.effect - 1)].data(),
                                                                qsizetype(c->lookNames[size_t(look.effect - 1)].size()))));
    emit RenderFinished();
}

void TFormMain::BtnHelpClick() {
    Guarded([&] {
        const std::string help = appDir_ + "help.html";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(help, ec)) throw CannotOpenFile(help, "No such file or directory");
        // Where the desktop has no program for the page, the window shows it.
        dialogs_->OpenWithDesktop(help, [this, help] { ShowHelpWindow(help); });
    });
}

void TFormMain::ShowHelpWindow(const std::string& path) {
    if (!helpWindow_) helpWindow_ = new THelpWindow(this);
    helpWindow_->ShowPage(path);
}

void TFormMain::BtnBatchClick() {
    if (!formBatch_) formBatch_ = new TFormBatch(this, SharedFolderPictures(appDir_ + "pic"));
    batch::BatchLook look = session_.PreviewLook();
    look.strength = formPreview_->Strength();
    formBatch_->OfferPreviewLook(look);
    formBatch_->show();
    formBatch_->raise();
    formBatch_->activateWindow();
}

void TFormMain::FormClose() {
    if (closed_) return;
    closed_ = true;
    opening_.Drop();
    rendering_.Drop();
    strips_.Drop();
    // A save in progress is let finish: its file is written whole.
    formPreview_->hide();
    SkinRemove();
    session_.Close();
    emit FormClosed();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        // Closes at once, or once the edit has been saved: close() then
        // comes again with nothing left to lose.
        const auto asking = std::make_shared<bool>(true);
        bool closeNow = false;
        AfterUnsavedApply([&] { return dialogs_->AskSaveBeforeClosing(); },
                          [this, asking, &closeNow] {
                              if (*asking)
                                  closeNow = true;
                              else
                                  close();
                          },
                          [] {});
        *asking = false;
        if (!closeNow) {
            event->ignore();
            return;
        }
    }
    FormClose();
    event->accept();
}

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    OpenPhoto(urls.first().toLocalFile().toStdString());
}

}  // namespace corvessa
