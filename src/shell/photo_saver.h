#pragma once
// TPhotoSaver: Save in the main window. The photo as the view shows it is
// written off the window's thread to the file the user names: the name's
// last extension and the save dialog's filter decide the format (a name of
// another format's is asked about), a file that exists is replaced only
// when the user says so, and the photo written is marked saved, not
// whatever was applied meanwhile. Also the question before an unsaved Apply
// would be lost.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "session/save_target.h"
#include "shell/window_job.h"

namespace corvessa {

class PhotoSession;
class ShellDialogs;
class TPhotoPane;
enum class UnsavedChoice;

// "3.1 MB", "820 KB", "96 bytes".
QString FileSizeText(qint64 bytes);
// "Saved photo.jpg, 3.1 MB" for the file just written to `path`.
QString SavedNews(const std::string& path);

class TPhotoSaver : public QObject {
    Q_OBJECT
public:
    TPhotoSaver(PhotoSession& session, ShellDialogs& dialogs, TPhotoPane& pane, std::function<int()> rowThreads);
    // A save in progress is written whole: it goes on in Qt's own pool,
    // which the program waits for as it ends.
    ~TPhotoSaver() override;

    // Asks where, then writes off the window's thread and runs `saved` once
    // the file is written. False when nothing is to be written (cancelled,
    // refused, a save still running).
    bool Save(std::function<void()> saved);
    bool Saving() const { return job_.Running(); }

    // Runs `proceed` now when the working photo holds no unsaved Apply;
    // else asks through `ask`: Discard proceeds now, Save once the photo is
    // saved (asking again if an Apply was made meanwhile), and Cancel (or a
    // save not made) runs `cancelled`.
    void AfterUnsavedApply(const std::function<UnsavedChoice()>& ask, const std::function<void()>& proceed,
                           const std::function<void()>& cancelled);

    // Whether the window may close now: no Apply is unsaved, or the user
    // discards it. Where the user would save it first, `closeLater` runs
    // once it is saved; Cancel keeps the window open.
    bool MayClose(std::function<void()> closeLater);

signals:
    // A save ended: its file is written, or its failure was reported.
    void Finished();

private:
    // The file and quality the user chose, asked until a name is new or may
    // be replaced; nothing when the user cancelled.
    std::optional<std::pair<SaveTarget, int>> AskTarget();

    PhotoSession& session_;
    ShellDialogs& dialogs_;
    TPhotoPane& pane_;
    std::function<int()> rowThreads_;
    WindowJob<std::string> job_{this};  // the failure's message, empty for none
};

}  // namespace corvessa
