#pragma once
// TLookRenders: a look rendered at full size on the working photo, off the
// window's thread, into the preview: a thumbnail's look, the same look
// again in a colour of the user's ("Change Color"), or one of My Looks. The
// preview shows while the render runs; a later render supersedes it, and
// the preview's Cancel drops it. The preview's strength is the session's.

#include <QObject>
#include <functional>

#include "io/user_looks.h"
#include "session/photo_session.h"
#include "shell/window_job.h"

class QThreadPool;

namespace corvessa {

class PhotoSession;
class ShellDialogs;
class TFormPreview;
class TPhotoPane;

class TLookRenders : public QObject {
    Q_OBJECT
public:
    // The renders run in `pool` with the threads `rowThreads` gives.
    TLookRenders(PhotoSession& session, TFormPreview& preview, ShellDialogs& dialogs, TPhotoPane& pane,
                 QThreadPool& pool, std::function<int()> rowThreads);

    // Renders effect `effect` of `category` on the full-size working photo
    // into the session's result and shows it in the preview (in Change
    // Color mode, with the colour the user picks).
    void Render(int effect, int category);
    // The preview's "Change Color": the look shown, rendered again in Change
    // Color mode.
    void ChangeColour();
    // Renders `look`; one that cannot be used is only told about.
    void RenderUserLook(const UserLook& look);
    bool Running() const { return job_.Running(); }
    void Drop() { job_.Drop(); }

signals:
    // A render ended: its look is shown in the preview, or its failure was
    // reported.
    void Finished();

private:
    // Runs `job` off the window's thread; `finish` takes its outcome.
    void Start(std::shared_ptr<RenderJob> job, std::function<void(RenderOutcome)> finish);
    void FinishRender(Look look, ColourDecision colour, RenderOutcome outcome, bool newLook);
    void FinishUserRender(const UserLook& look, RenderOutcome outcome);

    PhotoSession& session_;
    TFormPreview& preview_;
    ShellDialogs& dialogs_;
    TPhotoPane& pane_;
    std::function<int()> rowThreads_;
    WindowJob<RenderOutcome> job_;
};

}  // namespace corvessa
