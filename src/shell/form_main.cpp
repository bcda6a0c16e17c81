// The main window's handlers: what Open, Save, Undo, Apply, Help, Batch,
// a drop and closing do. The background jobs they start, and what their
// ends show, are in form_main_jobs.cpp; the layout in form_main_layout.cpp.
#include "shell/form_main.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <utility>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "catalogue/catalogue.h"
#include "ground/error.h"
#include "io/photo_files.h"
#include "io/photo_metadata.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/form_batch.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/remembered.h"
#include "shell/main_layout.h"
#include "shell/skin.h"
#include "shell/undo_pictures.h"
#include "shell/window_job.h"
#include "session/photo_session.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"
#include "widgets/img_btn.h"

namespace corvessa {

TFormMain::TFormMain(std::string appDir, std::unique_ptr<ShellDialogs> dialogs, QSize screen,
                     std::unique_ptr<Remembered> remembered)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      appDir_(std::move(appDir)),
      remembered_(std::move(remembered)),
      dialogs_(std::move(dialogs)),
      pictures_(appDir_ + "pic", &pictureCache_) {
    if (!dialogs_) dialogs_ = std::make_unique<QtShellDialogs>(this, remembered_.get());
    CreateControls();
    FormCreate(screen);
    // Created hidden right after the window's start-up; lives as long as
    // the window.
    formPreview_ = new TFormPreview(*this, *flatPanel3_);
    AddWindowKeys(*formPreview_, true);
    connect(formPreview_, &TFormPreview::ApplyRequested, this, &TFormMain::ApplyResult);
    connect(formPreview_, &TFormPreview::ChangeColorRequested, this, &TFormMain::ChangeColorClick);
    connect(formPreview_, &TFormPreview::StrengthChanged, this,
            [this](int strength) { session_.SetPreviewStrength(strength); });
    connect(formPreview_, &TFormPreview::Failed, this, [this](const std::string& message) { dialogs_->ShowError(message); });
    connect(formPreview_, &TFormPreview::CancelRequested, this, [this] {
        rendering_.Drop();
        UpdateBusy();
    });
    connect(imgEffect_, &TImageView::zoomChanged, this, &TFormMain::ShowWhereYouAre);
    ShowWhereYouAre();
    connect(this, &TFormMain::CategoryButtonClicked, this, &TFormMain::CategoryClick);
    connect(this, &TFormMain::ThumbnailClicked, this, &TFormMain::ThumbnailClick);
    RestoreRemembered();
}

TFormMain::~TFormMain() {
    // A save in progress is written whole: it goes on in Qt's own pool,
    // which the program waits for as it ends. The other jobs stop.
    saving_.LetFinish();
}

void TFormMain::ShowChange(const SessionChange& change) {
    if (change.workPhotoReplaced) {
        // A render or strip in flight belongs to the photo it was started from.
        rendering_.Drop();
        strips_.Drop();
        listing_.Drop();
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
    ShowWhereYouAre();
    update();
    if (change.hideStrip) Invisible();
}

void TFormMain::SetPhotoControlsEnabled(bool enabled) {
    for (QPushButton* button : categoryButtons_) button->setEnabled(enabled);
    btnMyLooks_->setEnabled(enabled);
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
    if (labelNoLooks_) labelNoLooks_->hide();
}

void TFormMain::BtnOpenClick() {
    Guarded([&] {
        // The folder of the photo open now, else the one opened from last time.
        std::string folder = std::filesystem::path(PhotoPath()).parent_path().string();
        if (folder.empty() && remembered_) folder = remembered_->Folder(Setting::kOpenFolder).toStdString();
        const std::optional<std::string> name = dialogs_->ChooseOpenFile(folder);
        if (name) OpenPhoto(*name);
    });
}

void TFormMain::OpenPhoto(const std::string& path) {
    AfterUnsavedApply([this, path] { return dialogs_->AskSaveBeforeOpening(path); }, [this, path] { StartOpen(path); },
                      [this] { emit OpenFinished(); });
}

void TFormMain::BtnSaveClick() { SavePhoto([] {}); }

void TFormMain::AfterUnsavedApply(const std::function<UnsavedChoice()>& ask, const std::function<void()>& proceed,
                                  const std::function<void()>& cancelled) {
    // An Apply never saved would be lost with the working photo.
    if (!HasUnsavedApply()) return proceed();
    const UnsavedChoice choice = ask();
    if (choice == UnsavedChoice::kDiscard) return proceed();
    // Once the file is written the question stands again: an Apply made
    // while it was written is in no file.
    if (choice == UnsavedChoice::kSave &&
        SavePhoto([this, ask, proceed, cancelled] { AfterUnsavedApply(ask, proceed, cancelled); }))
        return;
    cancelled();
}

void TFormMain::ApplyResult(std::shared_ptr<const TBitmap> result) {
    Guarded([&] {
        ShowChange(session_.Apply(std::move(result)));
        const batch::BatchLook& shown = session_.PreviewLook();
        if (shown.user)
            Tell(QString::fromStdString("Applied My Looks: " + shown.user->name));
        else
            Tell(QString::fromStdString("Applied " + LookTitle(shown.look.category, shown.look.effect)).trimmed());
    });
}

void TFormMain::BtnUndoClick() {
    Guarded([&] {
        ShowChange(session_.Undo());
        Tell(QStringLiteral("Undone"));
    });
}

void TFormMain::BtnRedoClick() {
    if (!session_.CanRedo()) return;
    Guarded([&] {
        ShowChange(session_.Redo());
        Tell(QStringLiteral("Redone"));
    });
}

void TFormMain::ChangeColorClick() {
    // The mode must not outlive the re-render, also when it fails.
    struct ModeScope {
        PhotoSession& session;
        explicit ModeScope(PhotoSession& s) : session(s) { session.SetChangeColorMode(true); }
        ~ModeScope() { session.SetChangeColorMode(false); }
    } mode(session_);
    // A table takes no colour.
    if (session_.PreviewLook().user) return;
    ImgViewClick(CurrentEffect(), CurrentCategory());
}

void TFormMain::ThumbnailClick(int n) {
    if (myLooksShown_) {
        UserLookClick(size_t(myLooksPage_) * kThumbnailCount + size_t(n - 1));
        return;
    }
    session_.SetCurrentEffect(n);
    ImgViewClick(n, CurrentCategory());
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
    if (!formBatch_)
        formBatch_ = new TFormBatch(this, SharedFolderPictures(appDir_ + "pic"), nullptr, dialogs_.get(), remembered_);
    formBatch_->OfferPreviewLook(session_.PreviewLook());
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
    listing_.Drop();
    // A save in progress is let finish: its file is written whole.
    KeepRemembered();
    formPreview_->hide();
    SkinRemove();
    session_.Close();
    emit FormClosed();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!closed_ && !std::exchange(closeDecided_, false)) {
        // Closes at once, or once the edit has been saved: close() then
        // comes again, decided.
        const auto asking = std::make_shared<bool>(true);
        bool closeNow = false;
        AfterUnsavedApply([this] { return dialogs_->AskSaveBeforeClosing(); },
                          [this, asking, &closeNow] {
                              if (*asking) {
                                  closeNow = true;
                              } else {
                                  closeDecided_ = true;
                                  close();
                              }
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

namespace {

// The .cube files among dropped `urls`.
std::vector<std::string> DroppedTables(const QList<QUrl>& urls) {
    std::vector<std::string> tables;
    for (const QUrl& url : urls)
        if (url.isLocalFile() && IsCubeFileName(url.toLocalFile().toStdString()))
            tables.push_back(url.toLocalFile().toStdString());
    return tables;
}

}  // namespace

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!DroppedTables(urls).empty() || (urls.size() == 1 && urls.first().isLocalFile())) event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    // Colour tables become looks of the user's own; the rest is passed over.
    if (const std::vector<std::string> tables = DroppedTables(urls); !tables.empty()) {
        event->acceptProposedAction();
        AddLooks(tables);
        return;
    }
    if (urls.size() != 1 || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    OpenPhoto(urls.first().toLocalFile().toStdString());
}

}  // namespace corvessa
