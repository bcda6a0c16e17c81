// The main window: its parts made in the order Tab reaches them, the
// preview, the keys, the layout for the screen and the window's size, what
// it keeps between runs, and what Open, Undo, Redo, Apply, Help, Batch, a
// category, a thumbnail and closing do.
#include "shell/form_main.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalBlocker>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "io/photo_files.h"
#include "session/language.h"
#include "shell/accessible_names.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/display_colour.h"
#include "shell/edit_panel.h"
#include "shell/form_batch.h"
#include "shell/form_export.h"
#include "shell/form_preview.h"
#include "shell/help_window.h"
#include "shell/high_contrast.h"
#include "shell/look_renders.h"
#include "shell/main_layout.h"
#include "shell/my_looks_view.h"
#include "shell/photo_opener.h"
#include "shell/photo_pane.h"
#include "shell/skin.h"
#include "shell/window_drops.h"
#include "shell/window_place.h"
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
    CreatePreview();
    if (highContrast_) UseDesktopColours(*this);
    ShowColours();
    pane_->ShowWhereYouAre();
    connect(this, &TFormMain::CategoryButtonClicked, this, &TFormMain::CategoryClick);
    connect(this, &TFormMain::ThumbnailClicked, this, &TFormMain::ThumbnailClick);
    RestoreRemembered();
}

void TFormMain::CreateControls() {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Corvessa"));
    setFont(WindowFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    resize(790, 530);

    column_ = MakeCategoryColumn(*this, this, [this](int number) { emit CategoryButtonClicked(number); });
    tools_ = MakeToolColumn(*this);
    connect(tools_.undo, &TImgBtn::clicked, this, [this] { BtnUndoClick(); });
    connect(tools_.open, &QPushButton::clicked, this, [this] { BtnOpenClick(); });
    connect(tools_.save, &QPushButton::clicked, this, [this] { BtnSaveClick(); });
    connect(tools_.help, &QPushButton::clicked, this, [this] { BtnHelpClick(); });
    connect(tools_.batch, &QPushButton::clicked, this, [this] { BtnBatchClick(); });
    connect(tools_.exportCopy, &QPushButton::clicked, this, [this] { BtnExportClick(); });
    pane_ = std::make_unique<TPhotoPane>(*this, *tools_.panel, session_);
    connect(pane_.get(), &TPhotoPane::CancelPressed, this, &TFormMain::CancelJob);

    const auto threads = [this] { return RowThreads(); };
    strip_ = std::make_unique<TLooksStrip>(*this, session_, myLooks_, *dialogs_, *pane_, lookJobs_, threads);
    connect(strip_.get(), &TLooksStrip::ThumbnailClicked, this, &TFormMain::ThumbnailClicked);
    connect(strip_.get(), &TLooksStrip::Finished, this, &TFormMain::StripFinished);
    connect(strip_.get(), &TLooksStrip::LargeToggled, this, &TFormMain::SetLargeThumbnails);
    connect(strip_.get(), &TLooksStrip::RedrawWanted, this, &TFormMain::RedrawStrip);
    connect(strip_.get(), &TLooksStrip::ChangeColorButton, this,
            [this](bool shown) { formPreview_->BtnColor()->setVisible(shown); });
    myLooksView_ = std::make_unique<TMyLooksView>(*column_.panel, myLooks_, *strip_, session_, *dialogs_, *pane_,
                                                  remembered_.get(), threads);
    connect(myLooksView_.get(), &TMyLooksView::Listed, this, &TFormMain::MyLooksListed);
    connect(myLooksView_.get(), &TMyLooksView::StripFinished, this, &TFormMain::StripFinished);
    strip_->CreateLargeLooksBox(*tools_.panel);
    chkFaces_ = MakeKeepFacesBox(*tools_.panel);
    connect(chkFaces_, &QCheckBox::toggled, this, &TFormMain::SetKeepFaces);
    edit_ = std::make_unique<TEditPanel>(*this, session_, *pane_, *dialogs_, [this](const SessionChange& change) {
        ShowChange(change);
        RedrawStrip();
    }, threads);
    connect(tools_.edit, &QPushButton::clicked, edit_.get(), &TEditPanel::Open);
    connect(edit_.get(), &TEditPanel::EditingChanged, this, [this](bool on) { strip_->Panel()->setVisible(!on); });
    saver_ = std::make_unique<TPhotoSaver>(session_, *dialogs_, *pane_, threads);
    connect(saver_.get(), &TPhotoSaver::Finished, this, &TFormMain::SaveFinished);
    opener_ = std::make_unique<TPhotoOpener>(session_, *dialogs_, *pane_, *saver_, remembered_.get(), threads,
                                             [this](OpenedPhoto opened) { ShowOpened(std::move(opened)); });
    connect(opener_.get(), &TPhotoOpener::Finished, this, &TFormMain::OpenFinished);

    new TWindowDrops(*this, [this](const std::vector<std::string>& tables) { myLooksView_->Add(tables); },
                     [this](const std::string& path) { OpenPhoto(path); });
    MakeHiddenImage(*this);
    OrderForKeys(*this, column_, edit_->KeyOrder());
    AddShortcuts(*this, ActionWindow::kMain, this, [this](Action action) { RunAction(action); });
}

void TFormMain::CreatePreview() {
    // Created hidden right after the window's start-up; lives as long as
    // the window. The window's keys work from it too, but for its own.
    formPreview_ = new TFormPreview(*this, *pane_->Area());
    AddShortcuts(*formPreview_, ActionWindow::kPreview, this, [this](Action action) { RunAction(action); });
    renders_ = std::make_unique<TLookRenders>(session_, *formPreview_, *dialogs_, *pane_, lookJobs_,
                                              [this] { return RowThreads(); });
    connect(renders_.get(), &TLookRenders::Finished, this, &TFormMain::RenderFinished);
    connect(formPreview_, &TFormPreview::ApplyRequested, this, &TFormMain::ApplyResult);
}

void TFormMain::RunAction(Action action) {
    switch (action) {
    case Action::kOpen: return BtnOpenClick();
    case Action::kSave: return BtnSaveClick();
    case Action::kUndo:
        if (tools_.undo->isEnabled()) BtnUndoClick();
        return;
    case Action::kRedo: return BtnRedoClick();
    case Action::kEdit: return edit_->Open();
    case Action::kBatch: return BtnBatchClick();
    case Action::kExport: return BtnExportClick();
    case Action::kAddLook: return myLooksView_->AddLookClick();
    case Action::kHelp: return BtnHelpClick();
    case Action::kNextLooks:
    case Action::kPreviousLooks:
        if (myLooks_.Shown()) myLooksView_->ShowPage(myLooks_.Page() + (action == Action::kNextLooks ? 1 : -1));
        return;
    case Action::kLargeLooks: return SetLargeThumbnails(!LargeThumbnails());
    case Action::kActualSize: return pane_->View()->ZoomToActualSize();
    case Action::kFitPhoto: return pane_->View()->ZoomToFit();
    case Action::kCancel:
        // The Edit panel first: its Cancel leaves it.
        if (!edit_->Cancel()) CancelJob();
        return;
    default: return;
    }
}

void TFormMain::FormCreate(QSize screen) {
    StartLook(appDir_ + "beryl.urf", highContrast_ = HighContrastWanted(remembered_.get()));
    if (screen.isValid()) {
        layoutArea_ = QRect(QPoint(0, 0), screen);
        LayOut(screen, layoutArea_);
    } else {
        const QScreen* primary = QGuiApplication::primaryScreen();
        LayOut(primary->size(), primary->availableGeometry());
    }
    // Qt paints every widget off screen and copies the result, so the
    // window and its panels are double-buffered already.

    // The monitor's profile, once: the views paint every photo in it.
    display_ = DisplayProfileOf(ReadIccProfileProperty());
    bool loaded = false;
    corvessa::Guarded(*dialogs_, [&] {
        session_.StartWith(ReadPicture(appDir_ + "pic/sample.jpg"));
        pane_->ShowStretched(WorkPhoto());
        loaded = true;
    });
    // Also after a failed read: an enabled Undo or a visible thumbnail
    // would work on empty buffers. Without a photo there is nothing to
    // render, so the category column waits for Open.
    Invisible();
    tools_.undo->setEnabled(false);
    SetPhotoControlsEnabled(loaded);
}

void TFormMain::LayOut(QSize screen, QRect available) {
    const Bounds window = FitIntoArea(MainWindowBounds(screen.width(), screen.height()),
                                      {available.left(), available.top(), available.width(), available.height()});
    const QSize client(std::max(window.width - kFrameWidth, 0), std::max(window.height - kFrameHeight, 0));
    setMinimumSize(client.boundedTo(QSize(kMainMinimumWidth - kFrameWidth, kMainMinimumHeight - kFrameHeight)));
    resize(client);
    move(window.left, window.top);
    LayOutPanels();
}

void TFormMain::LayOutPanels() {
    const MainPanels panels =
        corvessa::LayOutPanels(width() + kFrameWidth, height() + kFrameHeight, strip_->Large());
    SetBounds(column_.panel, panels.flatPanel4);
    SetBounds(tools_.panel, panels.flatPanel1);
    SetBounds(strip_->Panel(), panels.flatPanel2);
    SetBounds(pane_->Area(), panels.flatPanel3);
    SetBounds(edit_->Panel(), panels.flatPanel2);
    strip_->PanelResized();
    pane_->Refit();
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutPanels();
}

void TFormMain::RestoreRemembered() {
    if (!remembered_) return;
    // Said once the window is up: the run goes on from the defaults.
    if (const QString refusal = remembered_->Refusal(); !refusal.isEmpty())
        QTimer::singleShot(0, this, [this, refusal] { dialogs_->ShowWarning(refusal); });
    // On a screen that is there now, and no larger than it.
    RestoreWindowPlace(*this, remembered_->Place(Setting::kMainPlace), layoutArea_);
    formPreview_->RestorePlace(remembered_->Place(Setting::kPreviewPlace), true);
    SetLargeThumbnails(remembered_->Flag(Setting::kLargeThumbnails));
    SetKeepFaces(remembered_->Flag(Setting::kKeepFaces));
    const int category = remembered_->Number(Setting::kCategory);
    if (ColumnPlace(category) < 0) return;
    startCategory_ = category;
    if (HasPhoto()) CategoryClick(category);
}

void TFormMain::KeepRemembered() {
    if (!remembered_) return;
    remembered_->SetPlace(Setting::kMainPlace, saveGeometry());
    if (formPreview_->Placed()) remembered_->SetPlace(Setting::kPreviewPlace, formPreview_->saveGeometry());
    if (ColumnPlace(CurrentCategory()) >= 0) remembered_->SetNumber(Setting::kCategory, CurrentCategory());
    if (!PhotoPath().empty())
        remembered_->SetFolder(Setting::kOpenFolder, QFileInfo(QString::fromStdString(PhotoPath())).absolutePath());
    remembered_->Write();
}

TFormMain::~TFormMain() = default;

TImageView* TFormMain::ImgEffect() const { return pane_->View(); }
TFlatPanel* TFormMain::FlatPanel3() const { return pane_->Area(); }
bool TFormMain::Opening() const { return opener_->Running(); }
bool TFormMain::Rendering() const { return renders_->Running(); }
bool TFormMain::ListingLooks() const { return myLooksView_->Listing(); }
int TFormMain::RowThreads() const {
    // A batch runs a photo on every core: the window's jobs take one more
    // thread beside it, not a full team.
    return formBatch_ && formBatch_->Running() ? 1 : 0;
}

void TFormMain::ShowChange(const SessionChange& change) {
    if (change.workPhotoReplaced) {
        // A render or strip in flight belongs to the photo it was started from.
        DropJobs(false);
        pane_->UpdateBusy();
        formPreview_->WorkPhotoReplaced();
        edit_->WorkPhotoReplaced();
    }
    pane_->ShowChange(change);
    tools_.undo->setEnabled(session_.CanUndo());
    pane_->ShowWhereYouAre();
    update();
    if (change.hideStrip) Invisible();
    if (change.workPhotoReplaced) FindFacesAhead();
}

void TFormMain::FindFacesAhead() {
    if (!session_.KeepFaces()) return;
    std::shared_ptr<PhotoFaces> faces = session_.WorkFaces();
    if (!faces || faces->Known()) return;
    // A strip or render that needs them meanwhile waits for this search
    // rather than making its own.
    findingFaces_.Start([faces] { return !faces->Boxes().empty(); }, [](bool) {}, [](const std::string&) {});
}

void TFormMain::SetPhotoControlsEnabled(bool enabled) {
    for (QPushButton* button : column_.buttons) button->setEnabled(enabled);
    myLooksView_->SetEnabled(enabled);
}

void TFormMain::ShowOpened(OpenedPhoto opened) {
    ShowChange(session_.Open(std::move(opened.photo), std::move(opened.metadata), opened.path));
    ShowColours();
    SetPhotoControlsEnabled(true);
    if (std::exchange(startCategory_, 0) && CurrentCategory() > 0) CategoryClick(CurrentCategory());
}

void TFormMain::SetDisplayProfile(const ColourProfile& display) {
    display_ = display;
    ShowColours();
}

void TFormMain::ShowColours() {
    std::shared_ptr<const ColourTransform> transform;
    try {
        transform = DisplayTransform(session_.Metadata().Colour(), display_);
    } catch (const CorvessaError&) {
        // Without the memory for it the photo is painted as it is.
    }
    pane_->View()->SetColourTransform(transform);
    for (int n = 1; n <= kThumbnailCount; ++n) strip_->View(n)->SetColourTransform(transform);
    formPreview_->ImgPreview()->SetColourTransform(transform);
}

void TFormMain::DropJobs(bool opening) {
    if (opening) opener_->Drop();
    renders_->Drop();
    strip_->Drop();
    myLooksView_->Drop();
}

void TFormMain::CancelJob() {
    const bool opening = Opening(), rendering = Rendering(), drawing = DrawingStrip();
    if (!opening && !rendering && !drawing && !ListingLooks()) return;
    // The preview waiting for a render dropped here has nothing to show,
    // and a strip cut short shows nothing rather than part of a category.
    if (rendering) formPreview_->hide();
    if (drawing) Invisible();
    DropJobs(true);
    pane_->UpdateBusy();
    if (opening) emit OpenFinished();
}

void TFormMain::ApplyResult(std::shared_ptr<const TBitmap> result) {
    corvessa::Guarded(*dialogs_, [&] {
        ShowChange(session_.Apply(std::move(result)));
        const batch::BatchLook& shown = session_.PreviewLook();
        const QString title = AccessibleText::LookTitle(shown.look.category, shown.look.effect);
        pane_->Tell(shown.user ? tr("Applied My Looks: %1").arg(QString::fromStdString(shown.user->name))
                               : tr("Applied %1").arg(title).trimmed());
    });
}

void TFormMain::BtnUndoClick() {
    corvessa::Guarded(*dialogs_, [&] {
        ShowChange(session_.Undo());
        pane_->Tell(tr("Undone"));
    });
}

void TFormMain::BtnRedoClick() {
    if (!session_.CanRedo()) return;
    corvessa::Guarded(*dialogs_, [&] {
        ShowChange(session_.Redo());
        pane_->Tell(tr("Redone"));
    });
}

void TFormMain::CategoryClick(int category) {
    corvessa::Guarded(*dialogs_, [&] {
        // The strip is the category's from now on.
        myLooksView_->Leave();
        std::shared_ptr<StripJob> job = session_.StartStrip(category);
        if (job) strip_->DrawCategory(std::move(job));
    });
}

void TFormMain::ThumbnailClick(int n) {
    if (const size_t index = myLooks_.IndexOf(n); myLooks_.Shown()) {
        if (index < myLooks_.Looks().size()) renders_->RenderUserLook(myLooks_.Looks()[index]);
        return;
    }
    session_.SetCurrentEffect(n);
    renders_->Render(n, CurrentCategory());
}

void TFormMain::SetLargeThumbnails(bool on) {
    if (on == strip_->Large()) return;
    const bool stripShown = DrawingStrip() || ListingLooks() || strip_->Shown();
    strip_->SetLarge(on);
    if (remembered_) remembered_->SetFlag(Setting::kLargeThumbnails, on);
    // Thumbnails of the other kind are not shown in this one's places.
    Invisible();
    strip_->PlaceAll();
    LayOutPanels();
    if (stripShown) RedrawStrip();
}

void TFormMain::SetKeepFaces(bool on) {
    {
        const QSignalBlocker quiet(chkFaces_);
        chkFaces_->setChecked(on);
    }
    if (on == session_.KeepFaces()) return;
    session_.SetKeepFaces(on);
    if (remembered_) remembered_->SetFlag(Setting::kKeepFaces, on);
    FindFacesAhead();
    if (DrawingStrip() || ListingLooks() || strip_->Shown()) RedrawStrip();
}

void TFormMain::RedrawStrip() {
    if (myLooks_.Shown())
        myLooksView_->ShowPage(myLooks_.Page());
    else if (CurrentCategory() > 0)
        CategoryClick(CurrentCategory());
}

void TFormMain::BtnHelpClick() { ShowHelpPage(*this, *dialogs_, InLanguage(appDir_ + "help.html")); }

void TFormMain::BtnBatchClick() {
    if (!formBatch_)
        formBatch_ = new TFormBatch(this, SharedFolderPictures(appDir_ + "pic"), nullptr, dialogs_.get(), remembered_);
    formBatch_->OfferPreviewLook(session_.PreviewLook());
    formBatch_->show();
    formBatch_->raise();
    formBatch_->activateWindow();
}

void TFormMain::BtnExportClick() {
    Guarded(*dialogs_, [&] {
        const TImageView& view = *pane_->View();
        if (view.Picture().Empty()) return;
        std::shared_ptr<const TBitmap> shown = pane_->View()->SharedPicture();
        if (!shown) {
            auto copy = std::make_shared<TBitmap>();
            copy->CopyFrom(view.Picture());
            shown = std::move(copy);
        }
        if (!formExport_) formExport_ = new TFormExport(this, *dialogs_);
        formExport_->Offer(std::move(shown), session_.Metadata(), session_.PhotoPath());
        formExport_->show();
        formExport_->raise();
        formExport_->activateWindow();
    });
}

void TFormMain::FormClose() {
    if (closed_) return;
    closed_ = true;
    DropJobs(true);
    // A save in progress is let finish: its file is written whole.
    KeepRemembered();
    formPreview_->hide();
    SkinRemove();
    session_.Close();
    emit FormClosed();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // Closes at once, or once the edit has been saved: close() then comes
    // again, decided.
    if (!closed_ && !std::exchange(closeDecided_, false) && !saver_->MayClose([this] {
            closeDecided_ = true;
            close();
        }))
        return event->ignore();
    FormClose();
    event->accept();
}

}  // namespace corvessa
