#pragma once
// TPhotoOpener: Open in the main window. The photo is chosen in the open
// dialog (starting in the folder of the photo open now, else of the one
// opened last time), dropped, or handed over by a later start; over an
// Apply never saved, only once the user has chosen to save or discard it.
// It is read off the window's thread, turned upright by its orientation
// tag; a later Open supersedes one still reading, and a file that fails to
// read leaves the photo that was open.

#include <QObject>
#include <functional>
#include <string>

#include "session/photo_session.h"
#include "shell/window_job.h"

namespace corvessa {

class Remembered;
class ShellDialogs;
class TPhotoPane;
class TPhotoSaver;

class TPhotoOpener : public QObject {
    Q_OBJECT
public:
    // `show` puts a photo read into the window; the folder opened last is
    // kept in `remembered` (when given).
    TPhotoOpener(const PhotoSession& session, ShellDialogs& dialogs, TPhotoPane& pane, TPhotoSaver& saver,
                 Remembered* remembered, std::function<int()> rowThreads, std::function<void(OpenedPhoto)> show);

    // Open: the open dialog, then Open(path).
    void Choose();
    void Open(const std::string& path);
    bool Running() const { return job_.Running(); }
    void Drop() { job_.Drop(); }

signals:
    // An Open ended: its photo is shown, its failure was reported, or it
    // was cancelled (also at the question before it).
    void Finished();

private:
    void Read(const std::string& path);
    void Done(OpenedPhoto opened);

    const PhotoSession& session_;
    ShellDialogs& dialogs_;
    TPhotoPane& pane_;
    TPhotoSaver& saver_;
    Remembered* remembered_;
    std::function<int()> rowThreads_;
    std::function<void(OpenedPhoto)> show_;
    WindowJob<OpenedPhoto> job_{this};
};

}  // namespace corvessa
