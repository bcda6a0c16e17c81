#include "shell/look_renders.h"

#include <QPushButton>
#include <optional>
#include <utility>

#include "catalogue/catalogue.h"
#include "ground/parallel.h"
#include "shell/accessible_names.h"
#include "shell/dialogs.h"
#include "shell/form_preview.h"
#include "shell/photo_pane.h"

namespace corvessa {

TLookRenders::TLookRenders(PhotoSession& session, TFormPreview& preview, ShellDialogs& dialogs, TPhotoPane& pane,
                           QThreadPool& pool, std::function<int()> rowThreads)
    : session_(session),
      preview_(preview),
      dialogs_(dialogs),
      pane_(pane),
      rowThreads_(std::move(rowThreads)),
      job_(this, &pool) {
    pane_.Watch([this] { return Running(); }, true);
    connect(&preview_, &TFormPreview::ChangeColorRequested, this, &TLookRenders::ChangeColour);
    connect(&preview_, &TFormPreview::StrengthChanged, this,
            [this](int strength) { session_.SetPreviewStrength(strength); });
    connect(&preview_, &TFormPreview::Failed, this, [this](const std::string& message) { dialogs_.ShowError(message); });
    // Cancel (or its key) in the preview: the render it waits for is not wanted.
    connect(&preview_, &TFormPreview::CancelRequested, this, [this] {
        job_.Drop();
        pane_.UpdateBusy();
    });
}

void TLookRenders::Start(std::shared_ptr<RenderJob> job, std::function<void(RenderOutcome)> finish) {
    // A later click supersedes this render.
    job_.Start(
        [job, threads = rowThreads_()] {
            LimitRowThreads(threads);
            return RunRender(*job);
        },
        [this, finish](RenderOutcome outcome) {
            pane_.UpdateBusy();
            finish(std::move(outcome));
        },
        [this, finish](const std::string& error) {
            pane_.UpdateBusy();
            RenderOutcome failed;
            failed.error = error;
            finish(std::move(failed));
        });
    pane_.StartBusy(tr("Rendering"));
}

void TLookRenders::Render(int effect, int category) {
    Guarded(dialogs_, [&] {
        if (!session_.HasPhoto()) return;
        // The render this one supersedes must not end inside the colour
        // dialog's event loop, over the session's new render.
        job_.Drop();
        // The dialog and its two labels show while the render runs.
        preview_.ShowProcessing();
        preview_.PreparePreview(session_.WorkPhoto());
        const Look look{category, effect};
        std::shared_ptr<RenderJob> job = session_.StartRender(look);
        ColourDecision colour;
        if (session_.ChangeColorMode() && job->AsksForColour()) {
            // A missing picture fails before the colour dialog opens.
            job->LoadPictures();
            const uint64_t photo = session_.WorkGeneration();
            const std::optional<Rgb> chosen = dialogs_.ChooseColor();
            // A photo opened while the dialog was up (one a later start
            // handed over, say): the job renders one that is gone, and the
            // preview has closed.
            if (session_.WorkGeneration() != photo) return pane_.UpdateBusy();
            colour = chosen ? ColourDecision::Chosen(*chosen) : ColourDecision::Cancelled();
            job->DecideColour(colour);
        }
        const bool newLook = !session_.ChangeColorMode();
        Start(job, [this, look, colour, newLook](RenderOutcome outcome) {
            FinishRender(look, colour, std::move(outcome), newLook);
        });
    });
}

void TLookRenders::ChangeColour() {
    // The mode must not outlive the re-render, also when it fails.
    struct ModeScope {
        PhotoSession& session;
        explicit ModeScope(PhotoSession& s) : session(s) { session.SetChangeColorMode(true); }
        ~ModeScope() { session.SetChangeColorMode(false); }
    } mode(session_);
    // A table takes no colour.
    if (session_.PreviewLook().user) return;
    Render(session_.CurrentEffect(), session_.CurrentCategory());
}

void TLookRenders::RenderUserLook(const UserLook& look) {
    Guarded(dialogs_, [&] {
        if (!session_.HasPhoto()) return;
        if (!look.Usable()) {
            // Nothing to render: the reason is all there is to show.
            pane_.Tell(tr("%1 cannot be used").arg(QString::fromStdString(look.name)));
            dialogs_.ShowError(look.reason);
            return;
        }
        preview_.ShowProcessing();
        preview_.PreparePreview(session_.WorkPhoto());
        std::shared_ptr<RenderJob> job = session_.StartRender(look);
        Start(job, [this, look](RenderOutcome outcome) { FinishUserRender(look, std::move(outcome)); });
    });
}

void TLookRenders::FinishRender(Look look, ColourDecision colour, RenderOutcome outcome, bool newLook) {
    if (!outcome.error.empty()) {
        dialogs_.ShowError(outcome.error);
        emit Finished();
        return;
    }
    const ButtonChange button = session_.FinishRender(look, colour, std::move(outcome.result));
    if (button != ButtonChange::kKeep) preview_.BtnColor()->setVisible(button == ButtonChange::kShow);
    preview_.ShowResult(session_.ResultPhotoBuffer().Snapshot(), session_.WorkSnapshot(), session_.PreviewStrength(),
                        newLook);
    if (const Category* c = FindCategory(look.category); c && IsCatalogueLook(look))
        preview_.setWindowTitle(tr("Preview - %1 %2: %3")
                                    .arg(AccessibleText::Catalogue(c->caption), QString::number(look.effect),
                                         AccessibleText::Catalogue(c->lookNames[size_t(look.effect - 1)])));
    emit Finished();
}

void TLookRenders::FinishUserRender(const UserLook& look, RenderOutcome outcome) {
    if (!outcome.error.empty()) {
        dialogs_.ShowError(outcome.error);
        emit Finished();
        return;
    }
    session_.FinishRender(look, std::move(outcome.result));
    // A table takes no colour.
    preview_.BtnColor()->setVisible(false);
    preview_.ShowResult(session_.ResultPhotoBuffer().Snapshot(), session_.WorkSnapshot(), session_.PreviewStrength(),
                        true);
    preview_.setWindowTitle(tr("Preview - My Looks: %1").arg(QString::fromStdString(look.name)));
    emit Finished();
}

}  // namespace corvessa
