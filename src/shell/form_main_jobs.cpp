// The main window's background jobs: reading a photo, rendering a look,
// drawing a strip and writing a save off the window's thread, their busy
// sign and Cancel, and what each shows when it ends.
#include "shell/form_main.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPromise>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <utility>

#include "catalogue/catalogue.h"
#include "catalogue/render_job.h"
#include "ground/parallel.h"
#include "shell/dialogs.h"
#include "shell/form_batch.h"
#include "shell/form_preview.h"
#include "shell/main_layout.h"
#include "session/photo_session.h"
#include "session/save_target.h"
#include "widgets/flat_panel.h"
#include "widgets/image_view.h"

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
        },
        [this, path](const std::string& error) {
            UpdateBusy();
            OpenedPhoto failed;
            failed.path = path;
            failed.error = error;
            FinishOpen(std::move(failed));
        });
    StartBusy(QStringLiteral("Opening %1").arg(QFileInfo(QString::fromStdString(path)).fileName()));
}

int TFormMain::RowThreads() const {
    // A batch runs a photo on every core: the window's jobs take one more
    // thread beside it, not a full team.
    return formBatch_ && formBatch_->Running() ? 1 : 0;
}

void TFormMain::CancelJob() {
    if (!opening_.Running() && !rendering_.Running() && !strips_.Running() && !listing_.Running()) return;
    const bool opening = opening_.Running();
    // The preview waiting for a render dropped here has nothing to show,
    // and a strip cut short shows nothing rather than part of a category.
    if (rendering_.Running()) formPreview_->hide();
    if (strips_.Running()) Invisible();
    opening_.Drop();
    rendering_.Drop();
    strips_.Drop();
    listing_.Drop();
    UpdateBusy();
    if (opening) emit OpenFinished();
}

void TFormMain::FinishOpen(OpenedPhoto opened) {
    if (!opened.error.empty()) {
        dialogs_->ShowError(opened.error);
    } else {
        ShowChange(session_.Open(std::move(opened.photo), std::move(opened.metadata), opened.path));
        SetPhotoControlsEnabled(true);
        if (std::exchange(startCategory_, 0) && CurrentCategory() > 0) CategoryClick(CurrentCategory());
        if (!opened.warning.empty()) dialogs_->ShowWarning(opened.warning);  // the photo shows behind it
    }
    emit OpenFinished();
}

void TFormMain::StartBusy(const QString& what) {
    labelBusy_->setText(what);
    if (!busyDelay_->isActive() && !labelBusy_->isVisible()) busyDelay_->start();
}

void TFormMain::UpdateBusy() {
    const bool cancellable = opening_.Running() || rendering_.Running() || strips_.Running() || listing_.Running();
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

bool TFormMain::SavePhoto(std::function<void()> saved) {
    // One save at a time: the file being written is the user's latest choice.
    if (saving_.Running()) return false;
    bool started = false;
    Guarded([&] {
        // Without a start-up photo and before any Open there is nothing to save.
        if (imgEffect_->Picture().Empty()) return;
        // The photo shown now is the one saved, whatever is applied or
        // undone while its file is written.
        std::shared_ptr<const TBitmap> shown = imgEffect_->SharedPicture();
        if (!shown) {
            auto copy = std::make_shared<TBitmap>();
            copy->CopyFrom(std::as_const(*imgEffect_).Picture());
            shown = std::move(copy);
        }
        const uint64_t generation = session_.TakeShownForSave(std::move(shown));
        // Asked of the name written, which the filter may have lengthened;
        // the save dialog comes back until a name is new or may be replaced.
        std::optional<SaveTarget> target;
        int quality = kDefaultQuality;
        while (!target) {
            const std::optional<SaveChoice> choice = dialogs_->ChooseSaveFile(PhotoPath());
            if (!choice) return;
            const SaveTargets targets = SaveTargetsFor(choice->path, SaveFormatAt(choice->filterIndex).id);
            target = targets.asFilter;
            if (targets.asName) {
                const SaveFormatChoice format = dialogs_->AskSaveFormat(*targets.asName, targets.asFilter);
                if (format == SaveFormatChoice::kCancel) {
                    target.reset();
                    continue;
                }
                if (format == SaveFormatChoice::kAsName) target = targets.asName;
            }
            quality = choice->quality;
            std::error_code ec;
            const bool taken = std::filesystem::symlink_status(target->path, ec).type() != std::filesystem::file_type::not_found;
            if (taken && !dialogs_->ConfirmReplace(target->path)) target.reset();
        }
        // Written off the window's thread from what the view showed.
        const auto finished = [this, saved = std::move(saved)](const std::string& path, const std::string& error,
                                                               uint64_t written) {
            UpdateBusy();
            if (error.empty()) {
                session_.NoteSaved(path, written);
                Tell(SavedNews(path));
            } else {
                dialogs_->ShowError(error);
            }
            emit SaveFinished();
            if (error.empty()) saved();
        };
        saving_.Start(
            [picture = ResultPhotoBuffer().Snapshot(), target = *target, quality, metadata = Metadata(),
             threads = RowThreads()] {
                LimitRowThreads(threads);
                return WritePhotoFile(*picture, target.path, target.format, metadata, quality);
            },
            [finished, path = target->path, generation](const std::string& error) { finished(path, error, generation); },
            [finished, path = target->path, generation](const std::string& error) { finished(path, error, generation); });
        StartBusy(QStringLiteral("Saving %1").arg(QFileInfo(QString::fromStdString(target->path)).fileName()));
        started = true;
    });
    return started;
}

void TFormMain::CategoryClick(int category) {
    Guarded([&] {
        // The strip is the category's from now on.
        listing_.Drop();
        if (std::exchange(myLooksShown_, false)) {
            // The labels show the category's numbers again.
            labelNoLooks_->hide();
            for (int n = 1; n <= kThumbnailCount; ++n) PlaceThumbnail(n);
        }
        ShowMyLooksControls();
        std::shared_ptr<StripJob> job = session_.StartStrip(category);
        if (!job) return;
        largeDrawnSide_ = 0;
        if (largeThumbnails_) {
            // Rendered at the screen's device pixels, so a large thumbnail is sharp.
            largeDrawnSide_ = LargeThumbnailBox(flatPanel2_->width(), flatPanel2_->height(), 1).width;
            job->SetLargeSide(int(std::lround(largeDrawnSide_ * flatPanel2_->devicePixelRatioF())));
        }
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
            },
            [this](const std::string& failure) {
                UpdateBusy();
                dialogs_->ShowError(failure);
                emit StripFinished();
            });
        StartBusy(QStringLiteral("Drawing the thumbnails"));
    });
}

void TFormMain::ShowThumbnail(int n, const TBitmap& picture) {
    TImageView* view = ImgView(n);
    view->Picture().CopyFrom(picture);
    view->Changed();
    if (const UserLook* mine = MyLookAt(n))
        view->setToolTip(mine->Usable() ? QString::fromLatin1(kThumbnailHint) + QStringLiteral("\n") +
                                              QString::fromStdString(mine->name)
                                        : QString::fromStdString(mine->name + "\n" + mine->reason));
    else if (const Category* category = FindCategory(CurrentCategory()))
        view->setToolTip(QString::fromLatin1(kThumbnailHint) + QStringLiteral("\n") +
                         QString::fromUtf8(category->lookNames[size_t(n - 1)].data(),
                                           qsizetype(category->lookNames[size_t(n - 1)].size())));
    if (largeThumbnails_ || myLooksShown_) PlaceThumbnail(n);
    view->show();
    Label(n)->show();
}

void TFormMain::SetLargeThumbnails(bool on) {
    if (on == largeThumbnails_) return;
    largeThumbnails_ = on;
    {
        const QSignalBlocker quiet(chkLargeThumbnails_);
        chkLargeThumbnails_->setChecked(on);
    }
    if (remembered_) remembered_->SetFlag(Setting::kLargeThumbnails, on);
    // Thumbnails of the other kind are not shown in this one's places.
    const bool stripShown = DrawingStrip() || ListingLooks() || !ImgView(1)->isHidden();
    Invisible();
    for (int n = 1; n <= kThumbnailCount; ++n) PlaceThumbnail(n);
    LayOutPanels();
    if (stripShown) RedrawStrip();
}

void TFormMain::ImgViewClick(int effect, int category) {
    Guarded([&] {
        if (!HasPhoto()) return;
        // The render this one supersedes must not end inside the colour
        // dialog's event loop, over the session's new render.
        rendering_.Drop();
        // The dialog and its two labels show while the render runs.
        formPreview_->ShowProcessing();
        formPreview_->PreparePreview(WorkPhoto());
        const Look look{category, effect};
        std::shared_ptr<RenderJob> job = session_.StartRender(look);
        ColourDecision colour;
        if (ChangeColorMode() && job->AsksForColour()) {
            // A missing picture fails before the colour dialog opens.
            job->LoadPictures();
            const uint64_t photo = session_.WorkGeneration();
            const std::optional<Rgb> chosen = dialogs_->ChooseColor();
            // A photo opened while the dialog was up (one a later start
            // handed over, say): the job renders one that is gone, and the
            // preview has closed.
            if (session_.WorkGeneration() != photo) return UpdateBusy();
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
            },
            [this, look, colour, newLook](const std::string& error) {
                UpdateBusy();
                RenderOutcome failed;
                failed.error = error;
                FinishRender(look, colour, std::move(failed), newLook);
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
    formPreview_->ShowResult(ResultPhotoBuffer().Snapshot(), session_.WorkSnapshot(), session_.PreviewStrength(),
                             newLook);
    if (const Category* c = FindCategory(look.category); c && IsCatalogueLook(look))
        formPreview_->setWindowTitle(QStringLiteral("Preview - %1 %2: %3")
                                         .arg(QString::fromUtf8(c->caption.data(), qsizetype(c->caption.size())))
                                         .arg(look.effect)
                                         .arg(QString::fromUtf8(c->lookNames[size_t(look.effect - 1)].data(),
                                                                qsizetype(c->lookNames[size_t(look.effect - 1)].size()))));
    emit RenderFinished();
}

}  // namespace corvessa
